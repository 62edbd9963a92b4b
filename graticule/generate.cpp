#include "graticule/generate.h"

#include <cmath>
#include <limits>

#include "fileio/file_texts.h"
#include "fileio/number_format.h"
#include "fileio/output_file.h"
#include "graticule/line_class.h"
#include "graticule/stepping.h"

namespace graticule {
namespace {

constexpr double kSouthPole = -90.0;
constexpr double kNorthPole = 90.0;
constexpr double kWestLimit = -180.0;
constexpr double kEastLimit = 180.0;
constexpr int kParallelBase = 0;
constexpr int kMeridianBase = 50;

class Run {
public:
    Run(const GenerationRequest& request, const PointProjector& projector, GraticuleWriter& writer,
        fileio::Feedback& feedback, fileio::OutputFile& file, BoundingBox& box)
        : e_(request.extent),
          context_{projector, box, feedback},
          writer_(writer),
          feedback_(feedback),
          file_(file) {}

    void parallels() {
        bool firstInside = true;
        forEachStep(kSouthPole, kNorthPole, e_.spacing, [&](double phi) {
            // Every step pumps, so that a tiny spacing over a narrow extent
            // still repaints the window between the lines.
            feedback_.pump();
            if (e_.south <= phi && phi <= e_.north) {
                feedback_.setProgress(progressPosition(phi, e_.south, e_.north, kParallelBase));
                if (firstInside) {
                    // Special parallels between the southern bound and the
                    // first grid parallel have no grid parallel below them.
                    specialParallelsBelow(phi);
                    firstInside = false;
                }
                parallel(phi);
                specialParallelsAbove(phi);
            }
            return file_.ok();
        });
        // Without any grid parallel inside, every special parallel inside is
        // in the lower margin.
        if (firstInside && file_.ok()) {
            specialParallelsBelow(std::numeric_limits<double>::infinity());
        }
    }

    void meridians() {
        forEachStep(kWestLimit, kEastLimit, e_.spacing, [&](double lambda) {
            feedback_.pump();
            if (e_.west <= lambda && lambda <= e_.east) {
                feedback_.setProgress(progressPosition(lambda, e_.west, e_.east, kMeridianBase));
                writer_.writeMeridian(context_, e_.south, e_.north, e_.meridianStep, lambda, file_);
            }
            return file_.ok();
        });
    }

private:
    bool insideLatitudes(double c) const { return e_.south <= c && c <= e_.north; }

    void parallel(double phi) {
        writer_.writeParallel(context_, e_.west, e_.east, e_.parallelStep, phi, file_);
    }

    // Every special parallel inside the extent below `limit`, in the fixed order.
    void specialParallelsBelow(double limit) {
        for (double c : kSpecialParallels) {
            if (insideLatitudes(c) && c < limit) parallel(c);
        }
    }

    // Every special parallel inside the extent from phi up to one spacing above it.
    void specialParallelsAbove(double phi) {
        for (double c : kSpecialParallels) {
            if (insideLatitudes(c) && phi <= c && phi + e_.spacing >= c) parallel(c);
        }
    }

    const GraticuleExtent& e_;
    RunContext context_;
    GraticuleWriter& writer_;
    fileio::Feedback& feedback_;
    fileio::OutputFile& file_;
};

}  // namespace

int progressPosition(double v, double low, double high, int base) {
    if (high == low) return base;
    return static_cast<int>(std::trunc((v - low) * 50.0 / (high - low))) + base;
}

GenerationResult generateGraticule(const geodesy::ProjectionParams& projection,
                                   const GenerationRequest& request, GraticuleWriter& writer,
                                   fileio::Feedback& feedback) {
    const EngineProjector projector(projection);
    return generateGraticule(projector, request, writer, feedback);
}

GenerationResult generateGraticule(const PointProjector& projector,
                                   const GenerationRequest& request, GraticuleWriter& writer,
                                   fileio::Feedback& feedback) {
    GenerationResult result;
    result.problem = checkWholeExtent(request.extent);
    if (!result.problem.message.empty()) {
        result.status = GenerationStatus::InvalidInput;
        return result;
    }
    fileio::OutputFile file;
    if (!file.open(request.path)) {
        result.status = GenerationStatus::OpenFailed;
        return result;
    }
    writer.prologue(file);
    feedback.started();
    {
        Run run(request, projector, writer, feedback, file, result.box);
        run.parallels();
        if (file.ok()) run.meridians();
    }
    if (file.ok()) writer.epilogue(file);
    const bool written = file.close();
    feedback.stopped();
    result.status = written ? GenerationStatus::Finished : GenerationStatus::WriteFailed;
    return result;
}

std::string summaryText(const std::string& path, const BoundingBox& box, const std::string& units) {
    std::string text = fileio::createdText(path) + "\n\n";
    if (box.points == 0) return text + "Die Datei enthält keine Punkte.";
    auto entry = [&units](const char* label, double value) {
        return std::string(label) + " " + fileio::fixedText(value, 3, 12) + " " + units;
    };
    text += entry("X-Min :", box.xMin) + "\t" + entry("X-Max :", box.xMax) + "\n";
    text += entry("Y-Min :", box.yMin) + "\t" + entry("Y-Max :", box.yMax);
    return text;
}

}  // namespace graticule
