#pragma once
// "Textdatei": every graticule line is a block that begins with an empty line,
// followed by one line per point with latitude, longitude, X and Y separated
// by tabs, each with eight decimals ("%.8f"). No header, no trailer, no line
// class.

#include "graticule/graticule_writer.h"

namespace graticule {

class TextWriter : public GraticuleWriter {
public:
    void prologue(fileio::OutputFile&) override {}
    void epilogue(fileio::OutputFile&) override {}

protected:
    void beginLine(double) override {}
    void writePoint(fileio::OutputFile& file, double lat, double lon, double x, double y,
                    PointRole role) override;
    void endLine(fileio::OutputFile&, int64_t) override {}
};

}  // namespace graticule
