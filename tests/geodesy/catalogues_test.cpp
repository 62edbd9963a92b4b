#include <gtest/gtest.h>

#include <string>

#include "geodesy/catalogues.h"

namespace geodesy {
namespace {

TEST(Catalogues, EllipsoidLookup) {
    struct Case {
        const char* name;
        double a, b;
    } cases[] = {
        {"Bessel (1841)", 6377397.155, 6356078.962818189},
        {"(Kugel)", 6371000.0, 6371000.0},
        {"Airy (1830)", 6377563.396, 6356256.909237285},
        {"International (1924) = Hayford (1909)", 6378388.0, 6356911.9461279465},
        {"WGS 84", 6378137.0, 6356752.314245179},
        {"GRS (1980)", 6378137.0, 6356752.314140356},  // differs from WGS 84 only in b
        // Exact, case-sensitive names; anything else is the sphere.
        {"bessel (1841)", 6371000.0, 6371000.0},
        {"Bessel (1841) ", 6371000.0, 6371000.0},
        {"(individuell)", 6371000.0, 6371000.0},
        {"", 6371000.0, 6371000.0},
    };
    for (const Case& c : cases) {
        double a = 0.0, b = 0.0;
        lookupEllipsoid(c.name, a, b);
        EXPECT_EQ(a, c.a) << c.name;
        EXPECT_EQ(b, c.b) << c.name;
    }
}

TEST(Catalogues, EveryListedEllipsoidIsFound) {
    ASSERT_EQ(kEllipsoidNames.front(), "(Kugel)");
    ASSERT_EQ(kEllipsoidNames.back(), "WGS 84");
    for (std::string_view name : kEllipsoidNames) {
        double a = 0.0, b = 0.0;
        lookupEllipsoid(std::string(name), a, b);
        EXPECT_GE(a, b) << name;
        if (name != "(Kugel)") {
            EXPECT_NE(a, 6371000.0) << name;
        }
    }
}

TEST(Catalogues, DatumLookup) {
    const DatumParams dhdn = lookupDatum("DHDN (Potsdam / Rauenberg)");
    EXPECT_EQ(dhdn.datumName, "DHDN (Potsdam / Rauenberg)");
    EXPECT_EQ(dhdn.ellipsoidName, "Bessel (1841)");
    EXPECT_EQ(dhdn.semiMajorAxis, 6377397.155);
    EXPECT_EQ(dhdn.semiMinorAxis, 6356078.962818189);
    EXPECT_EQ(dhdn.shiftX, 582.0);
    EXPECT_EQ(dhdn.shiftY, 105.0);
    EXPECT_EQ(dhdn.shiftZ, 414.0);
    EXPECT_EQ(dhdn.rotationOmega, 0.000855556);
    EXPECT_EQ(dhdn.rotationPsi, -9.7222e-05);
    EXPECT_EQ(dhdn.rotationEpsilon, -0.000288889);
    EXPECT_EQ(dhdn.scaleCorrection, 8.3e-06);

    const DatumParams ed50 = lookupDatum("ED50");
    EXPECT_EQ(ed50.ellipsoidName, "International (1924) = Hayford (1909)");
    EXPECT_EQ(ed50.semiMajorAxis, 6378388.0);
    EXPECT_EQ(ed50.shiftX, -87.0);

    const DatumParams pulkovo = lookupDatum("System 42/83 (Pulkov)");
    EXPECT_EQ(pulkovo.semiMajorAxis, 6378245.0);
    EXPECT_EQ(pulkovo.rotationEpsilon, -5.556e-06);
    EXPECT_EQ(pulkovo.scaleCorrection, -1.1e-06);
}

TEST(Catalogues, UnknownDatumGivesTheWgs84Record) {
    for (const char* name : {"(individuell)", "WGS 84", "ed50", ""}) {
        const DatumParams d = lookupDatum(name);
        EXPECT_EQ(d.datumName, "WGS 84 (ECEF)") << name;
        EXPECT_EQ(d.ellipsoidName, "WGS 84");
        EXPECT_EQ(d.semiMajorAxis, 6378137.0);
        EXPECT_EQ(d.semiMinorAxis, 6356752.314245179);
        EXPECT_EQ(d.shiftX, 0.0);
        EXPECT_EQ(d.rotationOmega, 0.0);
        EXPECT_EQ(d.scaleCorrection, 0.0);
    }
}

TEST(Catalogues, EveryListedDatumIsFoundByName) {
    ASSERT_EQ(kDatumNames.size(), 6u);
    for (std::string_view name : kDatumNames) {
        const DatumParams d = lookupDatum(std::string(name));
        EXPECT_EQ(d.datumName, name);
        double a = 0.0, b = 0.0;
        lookupEllipsoid(d.ellipsoidName, a, b);
        EXPECT_EQ(d.semiMajorAxis, a) << name;
        EXPECT_EQ(d.semiMinorAxis, b) << name;
    }
}

}  // namespace
}  // namespace geodesy
