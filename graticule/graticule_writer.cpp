#include "graticule/graticule_writer.h"

#include <cmath>

#include "graticule/stepping.h"

namespace graticule {

template <bool kParallel>
void GraticuleWriter::walkLine(RunContext& run, double first, double last, double step,
                               double constant, OutputFile& file) {
    beginLine(constant);
    int64_t written = 0;
    bool afterGap = false;
    forEachStep(first, last, step, [&](double running) {
        const double lat = kParallel ? constant : running;
        const double lon = kParallel ? running : constant;
        double x;
        double y;
        run.projection.forward(lat, lon, x, y);
        if (std::isfinite(x) && std::isfinite(y)) {
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
    });
    endLine(file, written);
}

void GraticuleWriter::writeParallel(RunContext& run, double west, double east, double step,
                                    double latitude, OutputFile& file) {
    walkLine<true>(run, west, east, step, latitude, file);
}

void GraticuleWriter::writeMeridian(RunContext& run, double south, double north, double step,
                                    double longitude, OutputFile& file) {
    walkLine<false>(run, south, north, step, longitude, file);
}

}  // namespace graticule
