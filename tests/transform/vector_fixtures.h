#pragma once
// Helpers of the metafile and Illustrator transformation tests: projection
// records whose transformations are known by hand, snapshots between them,
// and files in a temporary directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "definition/type_rules.h"
#include "geodesy/catalogues.h"
#include "geodesy/projection_names.h"
#include "transform/modes.h"
#include "transform/transform_request.h"

namespace vector_test {

// A record as the projection dialog builds it: reference point (0, 0) at
// (0, 0), no rotation. On the equidistant cylinder X and Y are linear in
// longitude and latitude, so two such records of different scale or unit
// map onto each other by one factor.
inline geodesy::ProjectionParams record(std::string_view type, const std::string& units,
                                        double resolution, double scale,
                                        const std::string& datum = "WGS 84 (ECEF)") {
    definition::ProjectionDefinition d;
    d.natural = false;
    definition::applyProjectionType(d, std::string(type));
    d.units = units;
    d.resolution = resolution;
    d.scale = scale;
    d.delta1 = 90.0;
    d.delta2 = 60.0;
    return definition::buildParams(d, geodesy::lookupDatum(datum));
}

inline geodesy::ProjectionParams cylinder(const std::string& units, double resolution,
                                          double scale) {
    return record(geodesy::kCylinderEquidistant, units, resolution, scale);
}

// "kartesisch --> kartesisch" from projection 1 to 2 (or back).
inline transform::TransformSnapshot cartesian(const geodesy::ProjectionParams& p1,
                                              const std::string& units1,
                                              const geodesy::ProjectionParams& p2,
                                              const std::string& units2, bool oneToTwo = true) {
    transform::TransformSnapshot s;
    s.projection1 = p1;
    s.projection2 = p2;
    s.units1 = units1;
    s.units2 = units2;
    s.projectionMode =
        std::string(oneToTwo ? transform::kProjection1To2 : transform::kProjection2To1);
    s.coordinateMode = std::string(transform::kCartesianToCartesian);
    s.angleFormat = std::string(transform::kDecimalAngles);
    return s;
}

// A literal with every byte, NUL bytes included.
template <std::size_t N>
std::string bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void writeFile(const std::filesystem::path& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

inline std::filesystem::path dataFile(const std::string& name) {
    return std::filesystem::path(GITTERWERK_TEST_DATA_DIR) / name;
}

// A fresh directory per test, removed afterwards.
class TempDir {
public:
    TempDir() {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name =
            std::string("gitterwerk_") + info->test_suite_name() + "_" + info->name();
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The text with every number that has a decimal point replaced by "#", so
// that the shape of a file (operators, counts, copied lines) is compared
// where the transformed values themselves are not known by hand.
inline std::string shape(std::string_view text) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != ' ' && text[i] != '\n') continue;
        const std::string_view token = text.substr(start, i - start);
        const bool number = token.find('.') != std::string_view::npos &&
                            token.find_first_not_of("-0123456789.") == std::string_view::npos;
        out += number ? std::string_view("#") : token;
        if (i < text.size()) out += text[i];
        start = i + 1;
    }
    return out;
}

}  // namespace vector_test
