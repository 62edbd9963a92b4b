#include "geodesy/catalogues.h"

namespace geodesy {

namespace {

struct EllipsoidRow {
    std::string_view name;
    double a;
    double b;
};

constexpr std::array<EllipsoidRow, 24> kEllipsoids = {{
    {"(Kugel)", 6371000.0, 6371000.0},
    {"Airy (1830)", 6377563.396, 6356256.909237285},
    {"Modified Airy", 6377340.189, 6356034.447938534},
    {"Australian National", 6378160.0, 6356774.719195306},
    {"Bessel (1841)", 6377397.155, 6356078.962818189},
    {"Bessel (Namibia 1841)", 6377483.865, 6356165.382966326},
    {"Clarke (1866)", 6378206.4, 6356583.799998981},
    {"Clarke (1880)", 6378249.145, 6356514.8695497755},
    {"Everest (India 1830)", 6377276.345, 6356075.413140239},
    {"Everest (India 1956)", 6377301.243, 6356100.228368101},
    {"Everest (Malaysia 1969)", 6377295.664, 6356094.667915204},
    {"Everest (Malaysia Singapore 1948)", 6377304.063, 6356103.038993155},
    {"Everest (Pakistan)", 6377309.613, 6356108.57054246},
    {"Everest (Sabah Sarawak)", 6377298.556, 6356097.550300896},
    {"Modified Fischer (1960)", 6378155.0, 6356773.3204827355},
    {"GRS (1980)", 6378137.0, 6356752.314140356},
    {"Helmert (1906)", 6378200.0, 6356818.169627891},
    {"Hough (1960)", 6378270.0, 6356794.343434343},
    {"Indonesian (1974)", 6378160.0, 6356774.50408554},
    {"International (1924) = Hayford (1909)", 6378388.0, 6356911.9461279465},
    {"Krassovsky (1940)", 6378245.0, 6356863.018773047},
    {"South American (1969)", 6378160.0, 6356774.719195306},
    {"WGS 72", 6378135.0, 6356750.520016094},
    {"WGS 84", 6378137.0, 6356752.314245179},
}};

// Seven parameters to WGS 84 in the units of DatumParams.
struct DatumRow {
    std::string_view name;
    std::string_view ellipsoid;
    double shiftX, shiftY, shiftZ;
    double omega, psi, epsilon;
    double scale;
};

constexpr std::array<DatumRow, 6> kDatums = {{
    {"WGS 84 (ECEF)", "WGS 84", 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {"CH1903 (Obs. Bern)", "Bessel (1841)", 660.08, 13.55, 369.34, 0.00026442, 0.000160543,
     0.000223568, 5.66e-06},
    {"ED50", "International (1924) = Hayford (1909)", -87.0, -96.0, -120.0, 0.0, 0.0, 0.0, 0.0},
    {"MGI (Hermannskogel)", "Bessel (1841)", 575.0, 93.0, 466.0, -0.001444427, -0.000444443,
     -0.001416638, 2.5e-06},
    {"DHDN (Potsdam / Rauenberg)", "Bessel (1841)", 582.0, 105.0, 414.0, 0.000855556, -9.7222e-05,
     -0.000288889, 8.3e-06},
    {"System 42/83 (Pulkov)", "Krassovsky (1940)", 24.0, -123.0, -94.0, 3.6111e-05, 6.9444e-05,
     -5.556e-06, -1.1e-06},
}};

constexpr std::array<std::string_view, 24> ellipsoidNames() {
    std::array<std::string_view, 24> names{};
    for (std::size_t i = 0; i < kEllipsoids.size(); ++i) names[i] = kEllipsoids[i].name;
    return names;
}

constexpr std::array<std::string_view, 6> datumNames() {
    std::array<std::string_view, 6> names{};
    for (std::size_t i = 0; i < kDatums.size(); ++i) names[i] = kDatums[i].name;
    return names;
}

void applyRow(const DatumRow& row, DatumParams& d) {
    d.datumName = row.name;
    d.ellipsoidName = row.ellipsoid;
    d.shiftX = row.shiftX;
    d.shiftY = row.shiftY;
    d.shiftZ = row.shiftZ;
    d.rotationOmega = row.omega;
    d.rotationPsi = row.psi;
    d.rotationEpsilon = row.epsilon;
    d.scaleCorrection = row.scale;
}

}  // namespace

const std::array<std::string_view, 24> kEllipsoidNames = ellipsoidNames();
const std::array<std::string_view, 6> kDatumNames = datumNames();

void lookupEllipsoid(const std::string& name, double& a, double& b) {
    a = 6371000.0;
    b = 6371000.0;
    for (const EllipsoidRow& row : kEllipsoids) {
        if (name == row.name) {
            a = row.a;
            b = row.b;
        }
    }
}

DatumParams lookupDatum(const std::string& name) {
    DatumParams d;
    applyRow(kDatums[0], d);  // "WGS 84 (ECEF)" unless the name matches a row
    for (const DatumRow& row : kDatums) {
        if (name == row.name) applyRow(row, d);
    }
    lookupEllipsoid(d.ellipsoidName, d.semiMajorAxis, d.semiMinorAxis);
    return d;
}

}  // namespace geodesy
