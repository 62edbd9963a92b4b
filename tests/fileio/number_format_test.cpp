#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "fileio/number_format.h"

namespace {

std::string viaPrintf(double v, int decimals, int width) {
    char text[512];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, v);
    return text;
}

std::string viaFormatter(double v, int decimals, int width) {
    char text[fileio::kMaxFixedChars + 64];
    const char* end = fileio::formatFixedWidth(text, v, decimals, width);
    return std::string(text, end - text);
}

std::vector<double> specialValues() {
    std::vector<double> values = {
        0.0,
        -0.0,
        0.5,
        -0.5,
        1.5,
        2.5,
        -2.5,
        3.5,
        12.5,
        -3.2,
        0.125,
        0.375,
        -0.625,
        1e-9,
        -1e-9,
        5e-9,
        4.9999999999e-9,
        5e-5,
        0.00005,
        0.00015,
        0.00025,
        0.000000005,
        0.000000015,
        0.000000025,
        -0.000000005,
        23.4458333333,
        -23.4458333333,
        66.55,
        -66.55,
        89.99999999999999,
        9.99999999999998,
        0.1,
        0.2,
        0.3,
        0.1 + 0.2,
        1.0 / 3.0,
        -2.0 / 3.0,
        123456789.987654321,
        1e15,
        1e16,
        9007199254740993.0,
        1e20,
        -1e20,
        1e22,
        1e300,
        -1e300,
        DBL_MAX,
        -DBL_MAX,
        DBL_MIN,
        DBL_TRUE_MIN,
        -DBL_TRUE_MIN,
        4503599627370495.5,
        0.49999999999999994,
        999999.99999999995,
    };
    // Exact halves at every decimal place used: ties must go to even.
    for (int k = -20; k <= 20; ++k) values.push_back(k + 0.5);
    for (int k = 0; k < 64; ++k) values.push_back(std::ldexp(1.0, -k) * 3.0);
    return values;
}

TEST(NumberFormat, EqualsPrintfForSpecialValues) {
    for (double v : specialValues()) {
        for (int decimals : {0, 3, 4, 8}) {
            EXPECT_EQ(viaFormatter(v, decimals, 0), viaPrintf(v, decimals, 0))
                << v << " with " << decimals;
        }
        EXPECT_EQ(viaFormatter(v, 0, 9), viaPrintf(v, 0, 9)) << v;
        EXPECT_EQ(viaFormatter(v, 3, 12), viaPrintf(v, 3, 12)) << v;
    }
}

TEST(NumberFormat, EqualsPrintfForManyRandomValues) {
    std::mt19937_64 random(20030612);
    std::uniform_real_distribution<double> degrees(-180.0, 180.0);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::uniform_int_distribution<uint64_t> bits;
    int mismatches = 0;
    for (int i = 0; i < 60000 && mismatches < 10; ++i) {
        double v;
        switch (i % 3) {
            case 0:
                v = degrees(random);
                break;
            case 1:
                v = std::ldexp(degrees(random), exponent(random));
                break;
            default: {
                const uint64_t b = bits(random);
                std::memcpy(&v, &b, sizeof v);
                if (!std::isfinite(v)) continue;
            }
        }
        for (int decimals : {0, 4, 8}) {
            const std::string expected = viaPrintf(v, decimals, decimals == 0 ? 9 : 0);
            const std::string actual = viaFormatter(v, decimals, decimals == 0 ? 9 : 0);
            if (expected != actual) {
                ++mismatches;
                ADD_FAILURE() << "value " << v << ": " << actual << " instead of " << expected;
            }
        }
    }
}

TEST(NumberFormat, PadsOnlyUpToTheWidth) {
    EXPECT_EQ(fileio::fixedText(12.5, 0, 9), "       12");
    EXPECT_EQ(fileio::fixedText(-3.2, 0, 9), "       -3");
    EXPECT_EQ(fileio::fixedText(-1234567890.0, 0, 9), "-1234567890");
    EXPECT_EQ(fileio::fixedText(-0.25, 0, 0), "-0");
    EXPECT_EQ(fileio::fixedText(-23.4458333333, 8), "-23.44583333");
}

}  // namespace
