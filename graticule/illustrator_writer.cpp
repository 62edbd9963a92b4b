#include "graticule/illustrator_writer.h"

#include <cmath>
#include <cstdio>

#include "fileio/illustrator_format.h"
#include "fileio/number_format.h"

namespace graticule {
namespace {

constexpr int kPointDecimals = 4;

// Header lines after the title and the creation date, up to the first layer.
constexpr std::array<std::string_view, 51> kHeaderBody = {
    "%%DocumentProcessColors: Black",
    "%%DocumentNeededResources: procset procset Adobe_level2_AI5 1.2 0",
    "%%+ procset Adobe_typography_AI5 1.0 1",
    "%%+ procset Adobe_ColorImage_AI6 1.1 0",
    "%%+ procset Adobe_Illustrator_AI5 1.2 0",
    "%%+ procset Adobe_cshow 2.0 8",
    "%%+ procset Adobe_screens_AI5 1.0 0",
    "%%BoundingBox: 0 0 5669 5669",  // 2000 millimetres, rounded down
    "%AI3_TemplateBox: 2835 2835 2835 2835",
    "%AI3_TileBox: 30 31 5639 5638",
    "%AI3_DocumentPreview: None",
    "%AI3_ColorUsage: Color",
    "%AI7_ImageSettings: 0",
    "%AI5_ArtSize: 5669 5669",
    "%AI5_ArtFlags: 0 0 0 1 0 0",
    "%AI5_TargetResolution: 300",
    "%AI5_RulerUnits: 1",
    "%AI5_FileFormat 3",
    "%%DocumentProcessColors: Cyan Magenta Yellow Black",
    "%%+ 0 1 1 0 (5\\260 Linien)",
    "%%+ 1 0 1 0.3 (2\\260 Linien)",
    "%%+ 0.7 0 0.7 0 (1\\260 Linien)",
    "%%+ 0 0 0.8 0 (30' Linien)",
    "%%+ 0 1 0 0 (Polar- und Wendekreise)",
    "%%+ 0 0 0 0.3 (sonstige Linien)",
    "%%EndComments",
    "%%BeginProlog",
    "%%IncludeResource: procset procset Adobe_level2_AI5 1.2 0",
    "%%IncludeResource: Adobe_typography_AI5 1.0 1",
    "%%IncludeResource: Adobe_ColorImage_AI6 1.1 0",
    "%%IncludeResource: Adobe_Illustrator_AI5 1.2 0",
    "%%IncludeResource: Adobe_cshow 2.0 8",
    "%%IncludeResource: procset Adobe_screens_AI5 1.0 0",
    "%%EndProlog",
    "%%BeginSetup",
    "Adobe_level2_AI5 /initialize get exec",
    "Adobe_cshow /initialize get exec",
    "Adobe_IllustratorA_AI5_vars Adobe_IllustratorA_AI5 Adobe_typography_AI5 /initialize get exec",
    "Adobe_ColorImage_AI6 /initialize get exec",
    "Adobe_screens_AI5 /initialize get exec",
    "Adobe_IllustratorA_AI5 /initialize get exec",
    "%%EndSetup",
    "[] 0 d",
    "3.863708 M",
    "1 w",
    "0 j",
    "0 J",
    "0 i",
    "0 0 0 1 k",
    "0 0 0 1 K",
    "0 A 0 O 0 R",
};

constexpr std::array<std::string_view, 10> kTrailer = {
    "%%PageTrailer",
    "gsave annotatepage grestore showpage",
    "%%Trailer",
    "Adobe_IllustratorA_AI5 /terminate get exec",
    "Adobe_screens_AI5 /terminate get exec",
    "Adobe_ColorImage_AI6 /terminate get exec",
    "Adobe_typography_AI5 /terminate get exec",
    "Adobe_cshow /terminate get exec",
    "Adobe_level2_AI5 /terminate get exec",
    "%%EOF",
};

constexpr std::array<IllustratorStyle, kLineClassCount> kStyles = {{
    {LineClass::Degree10, "[1 1 0 0] K", "[] 0 d"},
    {LineClass::Degree5, "[0 1 1 0] K", "[] 0 d"},
    {LineClass::Degree2, "[1 0 1 0.3] K", "[] 0 d"},
    {LineClass::Degree1, "[0.7 0 0.7 0] K", "[] 0 d"},
    {LineClass::Minute30, "[0 0 0.8 0] K", "[] 0 d"},
    {LineClass::PolarTropic, "[0 1 0 0] K", "[1 1 ] 0 d"},
    {LineClass::Other, "[0 0 0 0.3] K", "[] 0 d"},
}};

// The empty class layers of the header, in the order they are written.
constexpr std::array<LineClass, kLineClassCount> kHeaderClassLayers = {
    LineClass::Other,   LineClass::PolarTropic, LineClass::Minute30, LineClass::Degree1,
    LineClass::Degree2, LineClass::Degree5,     LineClass::Degree10,
};

// Layer flags: visible, preview, locked, printable.
struct LayerFlags {
    int f1, f2, f3, f4;
};
constexpr LayerFlags kFixedLayer = {1, 1, 1, 0};  // "Background", "Guides"
constexpr LayerFlags kLineLayer = {1, 1, 0, 1};   // class layers and graticule lines

constexpr std::string_view kGuidesContent = "1 XR";

void writeLine(fileio::OutputFile& file, std::string_view line) {
    file.write(line);
    file.put('\n');
}

void beginLayer(fileio::OutputFile& file, std::string_view name, LayerFlags flags) {
    char line[64];
    std::snprintf(line, sizeof line, "%1d %1d %1d %1d 0 0 0 79 128 255 Lb", flags.f1, flags.f2,
                  flags.f3, flags.f4);
    writeLine(file, "%AI5_BeginLayer");
    writeLine(file, line);
    file.put('(');
    file.write(name);
    writeLine(file, ") Ln");
    writeLine(file, "300 Ar");
}

// The title as the header comment can hold it: a control character (a line
// break in the file name) would end the comment line, so it becomes "?".
std::string titleText(std::string_view title) {
    std::string text(title);
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) c = '?';
    }
    return text;
}

void endLayer(fileio::OutputFile& file) {
    writeLine(file, "LB");
    writeLine(file, "%AI5_EndLayer--");
}

}  // namespace

std::string formatCreationDate(const std::tm& t) {
    static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed",
                                                         "Thu", "Fri", "Sat"};
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* day = t.tm_wday >= 0 && t.tm_wday < 7 ? kDays[t.tm_wday] : "???";
    const char* month = t.tm_mon >= 0 && t.tm_mon < 12 ? kMonths[t.tm_mon] : "???";
    char text[96];
    std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %d", day, month, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec, t.tm_year + 1900);
    return text;
}

std::tm localTimeOf(std::time_t t) {
    std::tm result{};
    localtime_r(&t, &result);
    return result;
}

const std::array<IllustratorStyle, kLineClassCount>& illustratorStyles() {
    return kStyles;
}

IllustratorWriter::IllustratorWriter(std::string title, double millimetresPerUnit,
                                     const std::tm& created)
    : title_(std::move(title)), millimetresPerUnit_(millimetresPerUnit), created_(created) {}

void IllustratorWriter::prologue(fileio::OutputFile& file) {
    writeLine(file, "%!PS-Adobe-3.0");
    writeLine(file, "%%Creator: Gitterwerk");
    file.write("%%Title: (");
    file.write(titleText(title_));
    writeLine(file, ")");
    file.write("%%CreationDate: (");
    file.write(formatCreationDate(created_));
    writeLine(file, ")");
    for (std::string_view line : kHeaderBody) writeLine(file, line);

    beginLayer(file, "Background", kFixedLayer);
    endLayer(file);
    beginLayer(file, "Guides", kFixedLayer);
    writeLine(file, kGuidesContent);
    endLayer(file);
    for (LineClass c : kHeaderClassLayers) {
        beginLayer(file, lineClassInfo(c).illustratorName, kLineLayer);
        endLayer(file);
    }
}

void IllustratorWriter::epilogue(fileio::OutputFile& file) {
    for (std::string_view line : kTrailer) writeLine(file, line);
}

void IllustratorWriter::beginLine(double v) {
    lineClass_ = classifyLine(v);
}

bool IllustratorWriter::acceptsPoint(double x, double y) const {
    return fileio::illustrator::isWritable(toPoints(x, millimetresPerUnit_)) &&
           fileio::illustrator::isWritable(toPoints(y, millimetresPerUnit_));
}

void IllustratorWriter::writePoint(fileio::OutputFile& file, double, double, double x, double y,
                                   PointRole role) {
    if (role == PointRole::LineStart) {
        // The layer opens with the first point, so that a line without any
        // finite point leaves no layer without a path behind.
        const IllustratorStyle& style = kStyles[static_cast<int>(lineClass_)];
        beginLayer(file, lineClassInfo(lineClass_).illustratorName, kLineLayer);
        writeLine(file, "1 XR");
        writeLine(file, style.colourLine);
        writeLine(file, style.dashLine);
    }
    char* out = file.reserve(2 * fileio::kMaxFixedChars + 8);
    out = fileio::formatFixed(out, toPoints(x, millimetresPerUnit_), kPointDecimals);
    *out++ = ' ';
    out = fileio::formatFixed(out, toPoints(y, millimetresPerUnit_), kPointDecimals);
    *out++ = ' ';
    *out++ = role == PointRole::Continuation ? fileio::illustrator::kLineTo
                                             : fileio::illustrator::kMoveTo;
    *out++ = '\n';
    file.commit(out);
}

void IllustratorWriter::endLine(fileio::OutputFile& file, int64_t written) {
    if (written == 0) return;
    writeLine(file, "S");
    endLayer(file);
}

}  // namespace graticule
