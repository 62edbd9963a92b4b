#include "graticule/graticule_writer.h"

#include <cmath>

#include "graticule/stepping.h"

namespace graticule {

namespace {

template <bool kParallel>
void projectPoint(const PointProjector& projection, double running, double constant, double& lat,
                  double& lon, double& x, double& y) {
    lat = kParallel ? constant : running;
    lon = kParallel ? running : constant;
    projection.forward(lat, lon, x, y);
}

}  // namespace

template <bool kParallel>
int64_t GraticuleWriter::countWritable(RunContext& run, double first, double last, double step,
                                       double constant) const {
    int64_t count = 0;
    forEachStep(first, last, step, [&](double running) {
        double lat, lon, x, y;
        projectPoint<kParallel>(run.projection, running, constant, lat, lon, x, y);
        if (std::isfinite(x) && std::isfinite(y) && acceptsPoint(x, y)) ++count;
        run.feedback.pump();
    });
    return count;
}

template <bool kParallel>
void GraticuleWriter::walkLine(RunContext& run, double first, double last, double step,
                               double constant, fileio::OutputFile& file) {
    beginLine(constant);
    const int64_t maxBuffered = maxBufferedPoints();
    if (maxBuffered >= 0 && countSteps(first, last, step) > maxBuffered) {
        announcePointCount(file, countWritable<kParallel>(run, first, last, step, constant));
    }
    int64_t written = 0;
    bool afterGap = false;
    forEachStep(first, last, step, [&](double running) {
        double lat, lon, x, y;
        projectPoint<kParallel>(run.projection, running, constant, lat, lon, x, y);
        if (std::isfinite(x) && std::isfinite(y) && acceptsPoint(x, y)) {
            const PointRole role = written == 0 ? PointRole::LineStart
                                   : afterGap   ? PointRole::PieceStart
                                                : PointRole::Continuation;
            writePoint(file, lat, lon, x, y, role);
            run.box.add(x, y);
            ++written;
            afterGap = false;
        } else {
            afterGap = true;
        }
        run.feedback.pump();
        // A failed write ends the run at once, inside a line too.
        return file.ok();
    });
    endLine(file, written);
}

void GraticuleWriter::writeParallel(RunContext& run, double west, double east, double step,
                                    double latitude, fileio::OutputFile& file) {
    walkLine<true>(run, west, east, step, latitude, file);
}

void GraticuleWriter::writeMeridian(RunContext& run, double south, double north, double step,
                                    double longitude, fileio::OutputFile& file) {
    walkLine<false>(run, south, north, step, longitude, file);
}

}  // namespace graticule
