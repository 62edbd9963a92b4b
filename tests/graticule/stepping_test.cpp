#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "graticule/stepping.h"

namespace {

std::vector<double> steps(double first, double last, double step) {
    std::vector<double> values;
    graticule::forEachStep(first, last, step, [&values](double v) { values.push_back(v); });
    return values;
}

TEST(Stepping, AddsTheStepRepeatedly) {
    const std::vector<double> values = steps(0.0, 1.0, 0.3);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[1], 0.3);
    EXPECT_EQ(values[2], 0.3 + 0.3);
    EXPECT_EQ(values[3], 0.3 + 0.3 + 0.3);
    EXPECT_LT(values[3], 0.9);  // E itself is not reached
}

TEST(Stepping, StopsOneStepShortWhenTheSumMissesTheBound) {
    const std::vector<double> values = steps(-25.0, -5.0, 0.1);
    EXPECT_EQ(values.size(), 200u);
    EXPECT_EQ(graticule::countSteps(-25.0, -5.0, 0.1), 200);
    EXPECT_NEAR(values.back(), -5.1, 1e-9);
}

TEST(Stepping, ReachesTheBoundWhenTheSumHitsIt) {
    EXPECT_EQ(graticule::countSteps(-90.0, 90.0, 10.0), 19);
    EXPECT_EQ(graticule::countSteps(-180.0, 180.0, 7.0), 52);
    EXPECT_EQ(graticule::countSteps(5.0, 5.0, 1.0), 1);
    EXPECT_EQ(graticule::countSteps(6.0, 5.0, 1.0), 0);
}

TEST(Stepping, AVisitorCanEndTheWalk) {
    int visited = 0;
    graticule::forEachStep(0.0, 100.0, 1.0, [&visited](double v) {
        ++visited;
        return v < 4.0;
    });
    EXPECT_EQ(visited, 5);
}

TEST(Stepping, RefusesStepsThatWouldNeverEnd) {
    struct Case {
        double step;
        double magnitude;
        bool advances;
    };
    const Case cases[] = {
        {1.0, 180.0, true},
        {1e-10, 180.0, true},
        {1e-15, 100.0, false},
        {1e-14, 100.0, true},
        {0.0, 180.0, false},
        {-1.0, 180.0, false},
        {std::nan(""), 90.0, false},
        {INFINITY, 90.0, false},
        {1e-300, 0.0, true},
        // Half the gap above 128 rounds to even and may leave a value unchanged.
        {1.4210854715202004e-14, 128.0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(graticule::stepAdvances(c.step, c.magnitude), c.advances)
            << c.step << " at " << c.magnitude;
    }
}

TEST(Stepping, AStepThatAdvancesAtTheLargestMagnitudeAdvancesEverywhereBelow) {
    const double magnitude = 100.0;
    const double smallest = 7.2e-15;  // just above half the gap of doubles at 100
    ASSERT_TRUE(graticule::stepAdvances(smallest, magnitude));
    for (double v : {-100.0, -64.0, -63.99, -1.0, 0.0, 1.0, 63.99, 64.0, 99.99, 100.0}) {
        EXPECT_NE(v + smallest, v) << v;
    }
}

}  // namespace
