#pragma once
// "Adobe Illustrator / FreeHand": an Illustrator 7 document. A fixed header
// (title and creation date filled in) with the layers "Background", "Guides"
// and one empty layer per line class; then every graticule line as a layer
// of its own, named after its line class and stroked in the class's colour
// and dash pattern, with the points converted to PostScript points; then the
// trailer. Coordinates are not mirrored or shifted.

#include <array>
#include <ctime>
#include <string>
#include <string_view>

#include "fileio/illustrator_format.h"
#include "graticule/graticule_writer.h"
#include "graticule/line_class.h"

namespace graticule {

using fileio::illustrator::toPoints;

// "%a %b %d %H:%M:%S %Y" with the English names of the classic locale,
// whatever locale the process runs in: "Thu Jun 12 14:03:07 2003".
std::string formatCreationDate(const std::tm& localTime);

// The local time of the machine at t.
std::tm localTimeOf(std::time_t t);

struct IllustratorStyle {
    LineClass lineClass;
    std::string_view colourLine;  // cyan magenta yellow black, stroke colour operator K
    std::string_view dashLine;    // dash array and phase, operator d
};

// One row per class, in the order of the enumeration.
const std::array<IllustratorStyle, kLineClassCount>& illustratorStyles();

class IllustratorWriter : public GraticuleWriter {
public:
    // title: the target path as entered; millimetresPerUnit: map millimetres
    // per output unit (geodesy::unitMillimetres of the unit and resolution);
    // created: the local time stamped into the header.
    IllustratorWriter(std::string title, double millimetresPerUnit, const std::tm& created);

    void prologue(fileio::OutputFile& file) override;
    void epilogue(fileio::OutputFile& file) override;

protected:
    void beginLine(double v) override;
    void writePoint(fileio::OutputFile& file, double lat, double lon, double x, double y,
                    PointRole role) override;
    void endLine(fileio::OutputFile& file, int64_t written) override;
    // Refuses a point whose conversion to points overflows.
    bool acceptsPoint(double x, double y) const override;

private:
    std::string title_;
    double millimetresPerUnit_;
    std::tm created_;
    LineClass lineClass_ = LineClass::Other;
};

}  // namespace graticule
