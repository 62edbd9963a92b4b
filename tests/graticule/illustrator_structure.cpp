#include <regex>
#include <sstream>

#include "graticule/illustrator_writer.h"
#include "graticule/line_class.h"
#include "test_support.h"

namespace graticule_test {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

const graticule::IllustratorStyle* styleOfLayer(const std::string& nameLine) {
    for (const auto& info : graticule::lineClassTable()) {
        std::string expected(1, '(');
        expected.append(info.illustratorName).append(") Ln");
        if (nameLine == expected) {
            return &graticule::illustratorStyles()[static_cast<int>(info.lineClass)];
        }
    }
    return nullptr;
}

}  // namespace

int checkIllustratorStructure(const std::string& text) {
    EXPECT_FALSE(text.empty());
    if (text.empty()) return 0;
    EXPECT_EQ(text.back(), '\n') << "the last line ends with a line end";
    const std::vector<std::string> lines = splitLines(text);
    const std::vector<std::string> header = splitLines(expectedFile("ai_header.txt"));
    const std::vector<std::string> trailer = splitLines(expectedFile("ai_trailer.txt"));
    if (lines.size() < header.size() + trailer.size()) {
        ADD_FAILURE() << "document too short: " << lines.size() << " lines";
        return 0;
    }
    for (size_t i = 0; i < header.size(); ++i) {
        if (i == 2) {
            EXPECT_TRUE(lines[i].starts_with("%%Title: (") && lines[i].ends_with(")")) << lines[i];
        } else if (i == 3) {
            EXPECT_TRUE(std::regex_match(
                lines[i], std::regex(R"(%%CreationDate: \((Sun|Mon|Tue|Wed|Thu|Fri|Sat) )"
                                     R"((Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) )"
                                     R"(\d\d \d\d:\d\d:\d\d \d{4}\))")))
                << lines[i];
        } else {
            EXPECT_EQ(lines[i], header[i]) << "header line " << i + 1;
        }
    }
    const size_t trailerStart = lines.size() - trailer.size();
    for (size_t i = 0; i < trailer.size(); ++i) {
        EXPECT_EQ(lines[trailerStart + i], trailer[i]) << "trailer line " << i + 1;
    }

    const std::regex pathLine(R"(-?\d+\.\d{4} -?\d+\.\d{4} [mL])");
    int layers = 0;
    size_t i = header.size();
    while (i < trailerStart) {
        const size_t start = i;
        EXPECT_EQ(lines[i], "%AI5_BeginLayer") << "line " << i + 1;
        if (i + 7 >= trailerStart) {
            ADD_FAILURE() << "unfinished layer at line " << start + 1;
            return layers;
        }
        EXPECT_EQ(lines[i + 1], "1 1 0 1 0 0 0 79 128 255 Lb");
        const graticule::IllustratorStyle* style = styleOfLayer(lines[i + 2]);
        EXPECT_NE(style, nullptr) << lines[i + 2];
        EXPECT_EQ(lines[i + 3], "300 Ar");
        EXPECT_EQ(lines[i + 4], "1 XR");
        if (style != nullptr) {
            EXPECT_EQ(lines[i + 5], style->colourLine);
            EXPECT_EQ(lines[i + 6], style->dashLine);
        }
        i += 7;
        bool first = true;
        while (i < trailerStart && std::regex_match(lines[i], pathLine)) {
            if (first) {
                EXPECT_EQ(lines[i].back(), 'm') << "a path begins with m, line " << i + 1;
            }
            first = false;
            ++i;
        }
        EXPECT_FALSE(first) << "layer without a path at line " << start + 1;
        if (i + 2 >= trailerStart + 1 || lines[i] != "S" || lines[i + 1] != "LB" ||
            lines[i + 2] != "%AI5_EndLayer--") {
            ADD_FAILURE() << "layer at line " << start + 1 << " does not end with S, LB, "
                          << "%AI5_EndLayer-- (line " << i + 1 << ": "
                          << (i < lines.size() ? lines[i] : "") << ")";
            return layers;
        }
        i += 3;
        ++layers;
    }
    return layers;
}

}  // namespace graticule_test
