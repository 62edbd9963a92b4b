// Cost of the long-operation feedback: the pump, progress updates, and a whole
// simulated run of one million points of about 1 µs of work each, with and
// without the feedback, while the window repaints and the busy cursor turns.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "platform/busy_cursor.h"
#include "platform/dialog.h"
#include "platform/run_frame.h"

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// A shown dialog with a progress bar, as the graticule and transformation dialogs have.
struct RunDialog {
    RunDialog() {
        auto* layout = new QVBoxLayout(&dialog);
        progress = new QProgressBar;
        layout->addWidget(progress);
        layout->addWidget(new QPushButton(QStringLiteral("&Speichern")));
        dialog.show();
        QCoreApplication::processEvents();
    }
    platform::Dialog dialog;
    QProgressBar* progress;
};

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// About 1 µs of floating-point work, standing for one projected point.
double workUnit(double x, int repetitions) {
    double sum = 0.0;
    for (int i = 0; i < repetitions; ++i) {
        x = x * 1.0000001 + 1e-9;
        sum += std::sin(x) * std::cos(x * 0.5);
    }
    return sum;
}

// CPU time of this thread: calibration must not count time lost to other processes.
double threadCpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

int calibratedRepetitions() {
    static const int repetitions = [] {
        constexpr int trial = 1000;
        constexpr int units = 2000;
        const double begin = threadCpuNanoseconds();
        double sink = 0.0;
        for (int i = 0; i < units; ++i) sink += workUnit(i * 1e-3, trial);
        benchmark::DoNotOptimize(sink);
        const double nsPerRepetition = (threadCpuNanoseconds() - begin) / (double(units) * trial);
        return std::max(1, static_cast<int>(std::lround(1000.0 / nsPerRepetition)));
    }();
    return repetitions;
}

void BM_PumpMessages(benchmark::State& state) {
    RunDialog run;
    for (auto _ : state) platform::pumpMessages();
}
BENCHMARK(BM_PumpMessages);

// What the pump pays about every 10 ms: one pass over the pending events.
void BM_ProcessEventsPass(benchmark::State& state) {
    RunDialog run;
    for (auto _ : state) QCoreApplication::processEvents(QEventLoop::AllEvents);
}
BENCHMARK(BM_ProcessEventsPass);

void BM_SetProgressUnchanged(benchmark::State& state) {
    RunDialog run;
    platform::RunFrame frame(run.dialog, run.progress);
    frame.started();
    frame.setProgress(42);
    fileio::Feedback& feedback = frame;  // as the operations call it
    for (auto _ : state) feedback.setProgress(42);
    frame.stopped();
}
BENCHMARK(BM_SetProgressUnchanged);

void BM_SetProgressChanged(benchmark::State& state) {
    RunDialog run;
    platform::RunFrame frame(run.dialog, run.progress);
    frame.started();
    fileio::Feedback& feedback = frame;
    int position = 0;
    for (auto _ : state) {
        position = position == 41 ? 42 : 41;
        feedback.setProgress(position);
        QCoreApplication::processEvents();  // the repaint that each change causes
    }
    frame.stopped();
}
BENCHMARK(BM_SetProgressChanged);

// One million points; range(0) = 1 with the feedback of a real run, 0 without;
// range(1) = nanoseconds of work per point (0 measures the feedback alone).
void BM_SimulatedRun(benchmark::State& state) {
    constexpr long kPoints = 1'000'000;
    const bool withFeedback = state.range(0) != 0;
    const int repetitions = state.range(1) == 0 ? 0 : calibratedRepetitions();
    RunDialog run;
    PaintCounter paints;
    run.progress->installEventFilter(&paints);

    double maxFrameGap = 0.0;
    double maxPumpGap = 0.0;
    long frames = 0;
    for (auto _ : state) {
        platform::RunFrame frame(run.dialog, run.progress);
        if (withFeedback) frame.started();
        // Times the passes over the event queue: a zero timer fires once per pass.
        Clock::time_point lastPass = Clock::now();
        QTimer passes;
        QObject::connect(&passes, &QTimer::timeout, [&] {
            const Clock::time_point now = Clock::now();
            maxPumpGap = std::max(maxPumpGap, milliseconds(now - lastPass));
            lastPass = now;
        });
        if (withFeedback) passes.start(0);

        int lastFrame = platform::lastBusyCursorId();
        Clock::time_point lastFrameTime = Clock::now();
        double sink = 0.0;
        for (long point = 0; point < kPoints; ++point) {
            if (withFeedback) frame.setProgress(static_cast<int>(point * 100 / kPoints));
            if (repetitions > 0) sink += workUnit(point * 1e-6, repetitions);
            if (withFeedback) {
                frame.pump();
                // Looks for a new cursor frame now and then (every 256 µs of work).
                if ((point & 255) == 0 && platform::lastBusyCursorId() != lastFrame) {
                    const Clock::time_point now = Clock::now();
                    maxFrameGap = std::max(maxFrameGap, milliseconds(now - lastFrameTime));
                    lastFrameTime = now;
                    lastFrame = platform::lastBusyCursorId();
                    ++frames;
                }
            }
        }
        benchmark::DoNotOptimize(sink);
        frame.stopped();
    }
    state.counters["ns_per_point"] =
        benchmark::Counter(double(kPoints) * state.iterations(),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (withFeedback) {
        state.counters["cursor_frames"] = double(frames) / state.iterations();
        state.counters["max_frame_gap_ms"] = maxFrameGap;
        state.counters["max_pump_gap_ms"] = maxPumpGap;
        state.counters["bar_paints"] = double(paints.paints) / state.iterations();
    }
}
BENCHMARK(BM_SimulatedRun)
    ->ArgNames({"feedback", "work_ns"})
    ->Args({0, 1000})
    ->Args({1, 1000})
    ->Args({1, 0})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);

// The offscreen platform warns about window hints it ignores; keep the table readable.
void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (text.contains(QStringLiteral("This plugin does not support"))) return;
    if (type != QtDebugMsg) fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreenWarnings);
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
