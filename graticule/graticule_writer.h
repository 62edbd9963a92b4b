#pragma once
// The part of a graticule file format that differs between formats: what it
// writes before the first line (prologue), for each line (writeParallel,
// writeMeridian) and after the last line (epilogue). Walking the points of a
// line, projecting them, keeping the bounding box and pumping after every
// point is the same for every format and lives here; a format only says how
// a line starts, how a point is written and how a line ends.
//
// Points without a finite image (the poles of a conformal cylinder), and
// points a format cannot represent (acceptsPoint), are left out of every
// format: they do not enter the bounding box, the point after such a gap
// starts a new piece of the line, and a line without any written point
// writes nothing at all.

#include <cstdint>
#include <limits>

#include "fileio/feedback.h"
#include "fileio/output_file.h"
#include "geodesy/prepared_projection.h"

namespace graticule {

// The extremes of the points written, in output units. Empty (infinite
// minima, negative infinite maxima, no points) until the first point.
struct BoundingBox {
    double xMin = std::numeric_limits<double>::infinity();
    double xMax = -std::numeric_limits<double>::infinity();
    double yMin = std::numeric_limits<double>::infinity();
    double yMax = -std::numeric_limits<double>::infinity();
    int64_t points = 0;

    void add(double x, double y) {
        if (x < xMin) xMin = x;
        if (x > xMax) xMax = x;
        if (y < yMin) yMin = y;
        if (y > yMax) yMax = y;
        ++points;
    }
};

// Projects one point to map X and Y in output units. A run uses the engine
// (EngineProjector); tests use simple stand-ins whose results they know.
class PointProjector {
public:
    virtual ~PointProjector() = default;
    virtual void forward(double lat, double lon, double& x, double& y) const = 0;
};

// The engine's projection of one record, prepared once per run; its results
// are those of geodesy::projectForward.
class EngineProjector final : public PointProjector {
public:
    explicit EngineProjector(const geodesy::ProjectionParams& params) : prepared_(params) {}
    void forward(double lat, double lon, double& x, double& y) const override {
        prepared_.forward(lat, lon, x, y);
    }

private:
    geodesy::PreparedProjection prepared_;
};

// What the line writers share during one run.
struct RunContext {
    const PointProjector& projection;
    BoundingBox& box;
    fileio::Feedback& feedback;
};

// Where a written point stands in its line.
enum class PointRole {
    LineStart,     // the first point written for the line
    PieceStart,    // the first point after points without a finite image
    Continuation,  // every other point
};

class GraticuleWriter {
public:
    virtual ~GraticuleWriter() = default;

    virtual void prologue(fileio::OutputFile& file) = 0;
    // The parallel at `latitude`, points at west, west + step, ... up to east.
    void writeParallel(RunContext& run, double west, double east, double step, double latitude,
                       fileio::OutputFile& file);
    // The meridian at `longitude`, points at south, south + step, ... up to north.
    void writeMeridian(RunContext& run, double south, double north, double step, double longitude,
                       fileio::OutputFile& file);
    virtual void epilogue(fileio::OutputFile& file) = 0;

protected:
    // v is the line's constant coordinate (latitude of a parallel, longitude of a meridian).
    virtual void beginLine(double v) = 0;
    // Whether the format can write a point with these finite map coordinates
    // (output units); a refused point is left out like one without a finite image.
    virtual bool acceptsPoint(double /*x*/, double /*y*/) const { return true; }
    // A format whose line header carries the number of points keeps the
    // points of a line in memory until the line ends, up to this many; a
    // longer line is counted in a pass of its own (projecting every point
    // once more) and announcePointCount gives the count before its first
    // point. Negative: the format never needs the count.
    virtual int64_t maxBufferedPoints() const { return -1; }
    virtual void announcePointCount(fileio::OutputFile& /*file*/, int64_t /*count*/) {}
    virtual void writePoint(fileio::OutputFile& file, double lat, double lon, double x, double y,
                            PointRole role) = 0;
    // `written` points of the line went to writePoint.
    virtual void endLine(fileio::OutputFile& file, int64_t written) = 0;

private:
    template <bool kParallel>
    int64_t countWritable(RunContext& run, double first, double last, double step,
                          double constant) const;
    template <bool kParallel>
    void walkLine(RunContext& run, double first, double last, double step, double constant,
                  fileio::OutputFile& file);
};

}  // namespace graticule
