#pragma once
// Helpers shared by the graticule tests: stand-in projections whose results
// are known, temporary files, the expected files, and a reader of the text
// format's blocks.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "graticule/graticule_writer.h"

namespace graticule_test {

// x = lon · xFactor + xOffset, y = lat · yFactor + yOffset.
class LinearProjector : public graticule::PointProjector {
public:
    LinearProjector(double xFactor, double xOffset, double yFactor, double yOffset)
        : xFactor_(xFactor), xOffset_(xOffset), yFactor_(yFactor), yOffset_(yOffset) {}
    void forward(double lat, double lon, double& x, double& y) const override {
        x = lon * xFactor_ + xOffset_;
        y = lat * yFactor_ + yOffset_;
    }

private:
    double xFactor_, xOffset_, yFactor_, yOffset_;
};

// x = 2 · lon, y = lat + 1, except: no finite image at longitude 0.5 (NaN)
// and on the whole parallel 10 (infinite X).
class GappyProjector : public graticule::PointProjector {
public:
    void forward(double lat, double lon, double& x, double& y) const override {
        x = 2.0 * lon;
        y = lat + 1.0;
        if (lon == 0.5) x = std::numeric_limits<double>::quiet_NaN();
        if (lat == 10.0) x = std::numeric_limits<double>::infinity();
    }
};

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

inline std::string expectedFile(const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(GRATICULE_TEST_DATA) / name;
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    return readFile(path);
}

// A fresh directory per test, removed afterwards.
class TempDir {
public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("graticule_test_" + std::string(info->test_suite_name()) + "_" + info->name() +
                 "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// One block of the text format: its point lines split into the four fields.
struct TextBlock {
    std::vector<std::vector<std::string>> rows;
    bool latitudeConstant() const { return constantField(0); }
    bool longitudeConstant() const { return constantField(1); }
    const std::string& field(size_t row, size_t column) const { return rows.at(row).at(column); }

private:
    bool constantField(size_t column) const {
        for (const auto& row : rows) {
            if (row.at(column) != rows.front().at(column)) return false;
        }
        return true;
    }
};

// Splits a text file into its blocks; every block must begin with an empty
// line and hold only lines of four tab-separated fields.
inline std::vector<TextBlock> textBlocks(const std::string& text) {
    std::vector<TextBlock> blocks;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) {
            blocks.emplace_back();
            continue;
        }
        EXPECT_FALSE(blocks.empty()) << "point line before the first empty line: " << line;
        if (blocks.empty()) blocks.emplace_back();
        std::vector<std::string> fields;
        std::istringstream split(line);
        std::string field;
        while (std::getline(split, field, '\t')) fields.push_back(field);
        EXPECT_EQ(fields.size(), 4u) << line;
        fields.resize(4);
        blocks.back().rows.push_back(fields);
    }
    return blocks;
}

// Checks an Illustrator document as the writer must produce it: the fixed
// header (title and date lines by their frame), layer blocks that open and
// close in pairs with the attributes of their class, path lines of two
// numbers with four decimals and "m" or "L" (the first one "m"), and the
// trailer last. Returns the number of graticule-line layers.
int checkIllustratorStructure(const std::string& text);

}  // namespace graticule_test
