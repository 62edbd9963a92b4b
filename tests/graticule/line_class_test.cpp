#include <gtest/gtest.h>

#include <cmath>

#include "graticule/line_class.h"
#include "graticule/stepping.h"

namespace {

using graticule::classifyLine;
using graticule::LineClass;

struct ClassCase {
    double v;
    LineClass expected;
};

TEST(LineClass, ClassifiesByTheFirstMatchingMultiple) {
    const ClassCase cases[] = {
        {30.0, LineClass::Degree10},      {-180.0, LineClass::Degree10},
        {0.0, LineClass::Degree10},       {90.0, LineClass::Degree10},
        {25.0, LineClass::Degree5},       {-45.0, LineClass::Degree5},
        {-4.0, LineClass::Degree2},       {8.0, LineClass::Degree2},
        {1.0, LineClass::Degree1},        {3.0, LineClass::Degree1},
        {-7.0, LineClass::Degree1},       {0.5, LineClass::Minute30},
        {-47.5, LineClass::Minute30},     {47.5, LineClass::Minute30},
        {0.3, LineClass::Other},          {3.3, LineClass::Other},
        {-12.25, LineClass::Other},       {30.0004, LineClass::Degree10},
        {30.0011, LineClass::Other},      {0.9985, LineClass::Other},
        {std::nan(""), LineClass::Other},
    };
    for (const ClassCase& c : cases) EXPECT_EQ(classifyLine(c.v), c.expected) << c.v;
}

TEST(LineClass, MatchesMultiplesFromBelowToo) {
    // Repeated addition drifts below the multiples; the class must not depend
    // on the side the value lies on.
    const ClassCase cases[] = {
        {29.9996, LineClass::Degree10},  {9.99999999999998, LineClass::Degree10},
        {-29.9996, LineClass::Degree10}, {44.9995, LineClass::Degree5},
        {0.9995, LineClass::Degree1},    {1.4995, LineClass::Minute30},
        {-0.0004, LineClass::Degree10},  {-3.9995, LineClass::Degree2},
    };
    for (const ClassCase& c : cases) EXPECT_EQ(classifyLine(c.v), c.expected) << c.v;
}

TEST(LineClass, TropicsAndPolarCirclesOverrideTheMultiples) {
    const ClassCase cases[] = {
        {23.4458333333, LineClass::PolarTropic},
        {-23.4458333333, LineClass::PolarTropic},
        {66.55, LineClass::PolarTropic},
        {-66.55, LineClass::PolarTropic},
        {23.4467, LineClass::PolarTropic},
        {66.5491, LineClass::PolarTropic},
        {23.4472, LineClass::Other},
        {66.552, LineClass::Other},
    };
    for (const ClassCase& c : cases) EXPECT_EQ(classifyLine(c.v), c.expected) << c.v;
}

TEST(LineClass, GridLinesOfASpacingOfOneTenthKeepTheirClasses) {
    // The parallels from -90 by 0.1 miss the multiples by rounding; every
    // tenth one is still a 1° line or better, every fifth a 30' line.
    int index = 0;
    graticule::forEachStep(-90.0, 90.0, 0.1, [&index](double phi) {
        const LineClass c = classifyLine(phi);
        if (index % 100 == 0) {
            EXPECT_EQ(c, LineClass::Degree10) << phi;
        } else if (index % 50 == 0) {
            EXPECT_EQ(c, LineClass::Degree5) << phi;
        } else if (index % 5 == 0) {
            EXPECT_NE(c, LineClass::Other) << phi;
        }
        ++index;
    });
    EXPECT_GE(index, 1800);
}

TEST(LineClass, TableNamesEveryClassInEnumerationOrder) {
    const auto& table = graticule::lineClassTable();
    for (int i = 0; i < graticule::kLineClassCount; ++i) {
        EXPECT_EQ(static_cast<int>(table[i].lineClass), i);
    }
    EXPECT_EQ(graticule::lineClassInfo(LineClass::Degree10).settingsLabel, "1&0° Linien");
    EXPECT_EQ(graticule::lineClassInfo(LineClass::Degree10).illustratorName, "10\\260 Linien");
    EXPECT_EQ(graticule::lineClassInfo(LineClass::Minute30).settingsLabel, "&30' Linien");
    EXPECT_EQ(graticule::lineClassInfo(LineClass::PolarTropic).settingsLabel,
              "Polar- und &Wendekreise");
    EXPECT_EQ(graticule::lineClassInfo(LineClass::Other).illustratorName, "sonstige Linien");
}

}  // namespace
