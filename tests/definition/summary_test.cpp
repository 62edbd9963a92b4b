// The one-line summaries of a projection definition and its datum.
#include <gtest/gtest.h>

#include "definition/summary.h"

namespace {

struct ProjectionCase {
    const char* type;
    int32_t strip;
    double centralMeridian;
    const char* expected;
};

const ProjectionCase kProjectionCases[] = {
    {"UTM", 32, 9.0, "UTM (Streifen 32)"},
    {"Krassovsky", 12, 0.0, "Krassovsky (Streifen 12)"},
    {"Gauß-Krüger (Deutschland)", 3, 9.0, "Gauß-Krüger (Deutschland) (Streifen 3)"},
    {"Gauß-Krüger (Österreich Meldenetz)", 28, 0.0,
     "Gauß-Krüger (Österreich Meldenetz) (Streifen 28)"},
    {"UTM", -4, 0.0, "UTM (Streifen -4)"},
    {"Gauß-Krüger (Allgemein)", 5, -3.5, "Gauß-Krüger (Allgemein) (M=-3.50°)"},
    {"Gauß-Krüger (Allgemein)", 5, 13.3333333, "Gauß-Krüger (Allgemein) (M=13.33°)"},
    // 0.125 is exact in binary; formatted output rounds it half to even.
    {"Gauß-Krüger (Allgemein)", 5, 0.125, "Gauß-Krüger (Allgemein) (M=0.12°)"},
    {"Gauß-Krüger (Allgemein)", 5, 179.999, "Gauß-Krüger (Allgemein) (M=180.00°)"},
    // Formatted output keeps the sign of a value that rounds to zero.
    {"Gauß-Krüger (Allgemein)", 5, -0.001, "Gauß-Krüger (Allgemein) (M=-0.00°)"},
    {"Kegelabbildung (winkeltreu)", 3, 10.0, "Kegelabbildung (winkeltreu)"},
    {"Schweizer Landesgitter", 3, 7.43958333, "Schweizer Landesgitter"},
    {"Bonn'sche Abbildung", 3, 0.0, "Bonn'sche Abbildung"},
    {"UTM ", 32, 0.0, "UTM "},  // no type: exact comparison, no suffix
};

TEST(ProjectionSummary, NameWithStripOrMeridian) {
    for (const ProjectionCase& c : kProjectionCases) {
        EXPECT_EQ(definition::projectionSummary(c.type, c.strip, c.centralMeridian), c.expected);
    }
}

TEST(DatumSummary, OnlyTypesWithADatumReference) {
    const char* withDatum[] = {"Gauß-Krüger (Deutschland)", "UTM", "Krassovsky",
                               "Schweizer Landesgitter", "Gauß-Krüger (Österreich Meldenetz)"};
    for (const char* type : withDatum) {
        EXPECT_EQ(definition::datumSummary(type, "DHDN (Potsdam / Rauenberg)", "Bessel (1841)"),
                  "DHDN (Potsdam / Rauenberg), Bessel (1841)")
            << type;
    }
    const char* without[] = {"Gauß-Krüger (Allgemein)", "Bonn'sche Abbildung",
                             "Azimutalabbildung (flächentreu)", "krassovsky"};
    for (const char* type : without) {
        EXPECT_EQ(definition::datumSummary(type, "ED50", "Bessel (1841)"), "(keine Datumsreferenz)")
            << type;
    }
}

TEST(ProjectionSummary, NeverEqualsThePlaceholder) {
    EXPECT_NE(definition::projectionSummary("Gauß-Krüger (Allgemein)", 0, 0.0),
              "(undefinierte Projektion)");
}

}  // namespace
