// The three mode rules of the transformation dialog: from every state the
// rules can leave, every single change of a selection ends in a state that
// keeps both invariants, and the worked examples come out as described.

#include <gtest/gtest.h>

#include "fileio/file_formats.h"
#include "transform/mode_rules.h"
#include "transform/modes.h"

namespace {

using namespace transform;

enum class Changed { Projection, Coordinates, Format };

void change(ModeSelection& s, Changed which, std::string_view value) {
    switch (which) {
        case Changed::Projection:
            s.projectionMode = value;
            applyProjectionModeRule(s);
            break;
        case Changed::Coordinates:
            s.coordinateMode = value;
            applyCoordinateModeRule(s);
            break;
        case Changed::Format:
            s.fileFormat = value;
            applyFileFormatRule(s);
            break;
    }
}

std::vector<ModeSelection> allStates() {
    std::vector<ModeSelection> states;
    for (auto p : kProjectionModes)
        for (auto c : kCoordinateModes)
            for (const auto& f : fileio::kFileFormats)
                states.push_back({std::string(p), std::string(c), std::string(f.name)});
    return states;
}

TEST(ModeRules, EveryChangeFromAReachableStateStaysReachable) {
    int reachable = 0;
    for (const ModeSelection& start : allStates()) {
        if (!isReachable(start)) continue;
        ++reachable;
        for (auto p : kProjectionModes) {
            ModeSelection s = start;
            change(s, Changed::Projection, p);
            EXPECT_TRUE(isReachable(s)) << start.projectionMode << " -> " << p;
            EXPECT_EQ(s.projectionMode, p);  // the changed list keeps the user's choice
        }
        for (auto c : kCoordinateModes) {
            ModeSelection s = start;
            change(s, Changed::Coordinates, c);
            EXPECT_TRUE(isReachable(s)) << start.coordinateMode << " -> " << c;
            EXPECT_EQ(s.coordinateMode, c);
        }
        for (const auto& f : fileio::kFileFormats) {
            ModeSelection s = start;
            change(s, Changed::Format, f.name);
            EXPECT_TRUE(isReachable(s)) << start.fileFormat << " -> " << f.name;
            EXPECT_EQ(s.fileFormat, f.name);
        }
    }
    // 4 x 4 x 3 states; within one projection only two coordinate modes, a
    // vector format only "kartesisch --> kartesisch" between two projections.
    EXPECT_EQ(reachable, 2 * 2 * 1 + 2 * 4 * 1 + 2 * 1 * 2);
}

TEST(ModeRules, WorkedExamples) {
    struct Case {
        ModeSelection start;
        Changed which;
        std::string_view value;
        ModeSelection expected;
    };
    const std::string text(fileio::kTextFormat), ai(fileio::kIllustratorFormat);
    const Case cases[] = {
        {{std::string(kWithinProjection1), std::string(kGeographicToCartesian), text},
         Changed::Format,
         fileio::kIllustratorFormat,
         {std::string(kProjection1To2), std::string(kCartesianToCartesian), ai}},
        {{std::string(kWithinProjection2), std::string(kGeographicToCartesian), text},
         Changed::Coordinates,
         kGeographicToGeographic,
         {std::string(kProjection1To2), std::string(kGeographicToGeographic), text}},
        {{std::string(kProjection2To1), std::string(kCartesianToCartesian), ai},
         Changed::Projection,
         kWithinProjection1,
         {std::string(kWithinProjection1), std::string(kGeographicToCartesian), text}},
        {{std::string(kProjection1To2), std::string(kCartesianToCartesian), ai},
         Changed::Coordinates,
         kCartesianToGeographic,
         {std::string(kProjection1To2), std::string(kCartesianToGeographic), text}},
    };
    for (const Case& c : cases) {
        ModeSelection s = c.start;
        change(s, c.which, c.value);
        EXPECT_EQ(s.projectionMode, c.expected.projectionMode);
        EXPECT_EQ(s.coordinateMode, c.expected.coordinateMode);
        EXPECT_EQ(s.fileFormat, c.expected.fileFormat);
    }
}

}  // namespace
