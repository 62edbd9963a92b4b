#pragma once
// "Textdatei": every graticule line is a block that begins with an empty line,
// followed by one line per point with latitude, longitude, X and Y separated
// by tabs, each with eight decimals ("%.8f"). No header, no trailer, no line
// class.

#include "graticule/graticule_writer.h"

namespace graticule {

class TextWriter : public GraticuleWriter {
public:
    void prologue(OutputFile&) override {}
    void epilogue(OutputFile&) override {}

protected:
    void beginLine(double) override {}
    void writePoint(OutputFile& file, double lat, double lon, double x, double y,
                    PointRole role) override;
    void endLine(OutputFile&, int64_t) override {}
};

}  // namespace graticule
