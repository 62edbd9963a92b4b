// The bearing functions against published examples and hand calculations, and
// at the places where rounding or the poles break the plain formulas.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "distance/bearings.h"
#include "geodesy/angles.h"

namespace {

using geodesy::degToRad;

double centralAngleDeg(double latA, double lonA, double latB, double lonB) {
    return distance::centralAngle(degToRad(latA), degToRad(lonA), degToRad(latB), degToRad(lonB));
}

double rhumbCourseDeg(double lat1, double lon1, double lat2, double lon2) {
    return geodesy::radToDeg(
        distance::rhumbCourse(degToRad(lat1), degToRad(lon1), degToRad(lat2), degToRad(lon2)));
}

// Expected values in radians, as the sources give them. Longitudes are east
// positive here; the aviation formulary counts west positive, so its
// longitudes change sign and its courses (clockwise from north, 0..2π) are
// taken into (-π, π].
struct Reference {
    const char* source;
    double lat1, lon1, lat2, lon2;  // degrees
    double centralAngle;            // radians
    double bearing1, bearing2;      // radians, NaN when the source gives none
    double rhumbCourse;             // radians, NaN when the source gives none
    double tolerance;               // radians
};

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// Hand calculation for (0°, 0°) to (45° N, 90° E): cos σ = cos 45° · cos 0° ·
// cos 90° + sin 45° · sin 0° = 0, so σ = π/2. At place 1, cos β = (sin 45° −
// cos σ · sin 0°) / (sin σ · cos 0°) = √2/2 with an eastward component: +π/4.
// At place 2, cos β = (sin 0° − 0) / (1 · cos 45°) = 0 and sin(−90°) · cos 0° < 0:
// −π/2, due west. The rhumb line: Δψ = ln tan(67.5°) = 0.881373587, Δλ = π/2,
// course atan(1.5707963 / 0.8813736) = atan(1.782213) = 1.059471 rad.
const Reference kReferences[] = {
    // Aviation formulary, worked examples: LAX (33°57' N, 118°24' W) to JFK
    // (40°38' N, 73°47' W): d = 0.623585 rad, initial course 1.150035 rad,
    // rhumb-line course 1.384464 rad.
    {"formulary LAX-JFK", 33.0 + 57.0 / 60.0, -(118.0 + 24.0 / 60.0), 40.0 + 38.0 / 60.0,
     -(73.0 + 47.0 / 60.0), 0.623585, 1.150035, kNone, 1.384464, 2e-6},
    // Aviation formulary, intersection example: REO (42.600 N, 117.866 W) to
    // BKE (44.840 N, 117.806 W): dst12 = 0.039103, crs12 = 0.018996,
    // crs21 = 3.161312 (= 3.161312 − 2π going west of south).
    {"formulary REO-BKE", 42.600, -117.866, 44.840, -117.806, 0.039103, 0.018996,
     3.161312 - 2.0 * M_PI, kNone, 2e-6},
    {"hand (0,0)-(45N,90E)", 0.0, 0.0, 45.0, 90.0, M_PI / 2.0, M_PI / 4.0, -M_PI / 2.0, 1.059471,
     1e-6},
    // A quarter of the equator: east out, west back, rhumb line due east.
    {"hand equator quarter", 0.0, 0.0, 0.0, 90.0, M_PI / 2.0, M_PI / 2.0, -M_PI / 2.0, M_PI / 2.0,
     1e-12},
};

TEST(Bearings, AgreeWithIndependentReferences) {
    for (const Reference& r : kReferences) {
        SCOPED_TRACE(r.source);
        EXPECT_NEAR(centralAngleDeg(r.lat1, r.lon1, r.lat2, r.lon2), r.centralAngle, r.tolerance);
        EXPECT_NEAR(degToRad(distance::initialBearing(r.lat1, r.lon1, r.lat2, r.lon2)), r.bearing1,
                    r.tolerance);
        if (!std::isnan(r.bearing2)) {
            EXPECT_NEAR(degToRad(distance::initialBearing(r.lat2, r.lon2, r.lat1, r.lon1)),
                        r.bearing2, r.tolerance);
        }
        if (!std::isnan(r.rhumbCourse)) {
            EXPECT_NEAR(degToRad(rhumbCourseDeg(r.lat1, r.lon1, r.lat2, r.lon2)), r.rhumbCourse,
                        r.tolerance);
        }
    }
}

// Coincident places, poles and same-pole rhumb lines: results that must be
// exact, in degrees.
struct Exact {
    const char* what;
    double lat1, lon1, lat2, lon2;
    double centralAngle;  // radians
    double bearing1, bearing2, rhumbCourse;
};

const Exact kExact[] = {
    // cos²φ + sin²φ rounds above 1 here (NaN without care) ...
    {"same place 45.47/5", 45.47, 5.0, 45.47, 5.0, 0.0, 0.0, 0.0, 0.0},
    // ... and below 1 here (a phantom 0.000095 km without care).
    {"same place 51/10", 51.0, 10.0, 51.0, 10.0, 0.0, 0.0, 0.0, 0.0},
    {"same place 180/-180", 30.0, 180.0, 30.0, -180.0, 0.0, 0.0, 0.0, -90.0},
    {"both at north pole", 90.0, 10.0, 90.0, -70.0, 0.0, 0.0, 0.0, 0.0},
    {"both at south pole", -90.0, 10.0, -90.0, 100.0, 0.0, 0.0, 0.0, 0.0},
    {"towards north pole", 0.0, 0.0, 90.0, 180.0, M_PI / 2.0, 0.0, 180.0, 0.0},
    {"towards south pole", 10.0, 20.0, -90.0, 50.0, degToRad(100.0), 180.0, 0.0, 180.0},
    // A westward longitude difference towards the south pole: due south is
    // 180, not the -180 that atan2 gives for an infinite southing.
    {"towards south pole, west", 10.0, 20.0, -90.0, -50.0, degToRad(100.0), 180.0, 0.0, 180.0},
    {"from north pole, west", 90.0, 10.0, 50.0, 0.0, degToRad(40.0), 180.0, 0.0, 180.0},
    {"north to south pole", 90.0, 0.0, -90.0, 0.0, M_PI, 180.0, 0.0, 180.0},
    {"same meridian, 1 north of 2", 50.0, 8.0, 40.0, 8.0, degToRad(10.0), 180.0, 0.0, 180.0},
    {"meridian 180 = -180", 10.0, 180.0, 20.0, -180.0, degToRad(10.0), 0.0, 180.0, kNone},
    {"over the north pole", 60.0, 0.0, 70.0, 180.0, degToRad(50.0), 0.0, 0.0, kNone},
    {"over the south pole", -60.0, 0.0, -70.0, 180.0, degToRad(50.0), 180.0, 180.0, kNone},
};

TEST(Bearings, CoincidentPlacesPolesAndMeridians) {
    for (const Exact& e : kExact) {
        SCOPED_TRACE(e.what);
        const double sigma = centralAngleDeg(e.lat1, e.lon1, e.lat2, e.lon2);
        if (e.centralAngle == 0.0) {
            EXPECT_EQ(sigma, 0.0);
        } else {
            EXPECT_NEAR(sigma, e.centralAngle, 1e-12);
        }
        EXPECT_EQ(distance::initialBearing(e.lat1, e.lon1, e.lat2, e.lon2), e.bearing1);
        EXPECT_EQ(distance::initialBearing(e.lat2, e.lon2, e.lat1, e.lon1), e.bearing2);
        if (!std::isnan(e.rhumbCourse)) {
            EXPECT_NEAR(rhumbCourseDeg(e.lat1, e.lon1, e.lat2, e.lon2), e.rhumbCourse, 1e-12);
        }
    }
}

TEST(Bearings, DueNorthTowardsThePoleIsExactlyZero) {
    // The clamped arc cosine alone leaves 0.000256° either side of north.
    for (double lon : {-179.0, -30.0, 0.0, 45.0, 170.0}) {
        EXPECT_EQ(distance::initialBearing(48.2, 16.4, 90.0, lon), 0.0) << lon;
        EXPECT_EQ(distance::initialBearing(-33.9, 18.4, -90.0, lon), 180.0) << lon;
    }
}

TEST(Bearings, RhumbCourseDueNorthOrSouthIsZeroOrPiWhateverTheLongitudeSign) {
    // The course lies in (-pi, pi]: due south is +pi and due north +0, also
    // when atan2 sees a westward (or -0) longitude difference, which it
    // answers with -pi and -0, and a "-0" would show in the dialog.
    const struct {
        const char* what;
        double lat1, lon1, lat2, lon2;  // degrees
        double course;                  // radians
    } cases[] = {
        {"to the north pole, west", 48.2, 16.4, 90.0, -30.0, 0.0},
        {"to the north pole, east", 48.2, 16.4, 90.0, 45.0, 0.0},
        {"to the south pole, west", -33.9, 18.4, -90.0, -170.0, M_PI},
        {"to the south pole, east", -33.9, 18.4, -90.0, 170.0, M_PI},
        {"from the north pole, west", 90.0, 100.0, 0.0, -20.0, M_PI},
        {"from the south pole, west", -90.0, 100.0, 0.0, -20.0, 0.0},
        {"along a meridian south, lon -0", 50.0, 0.0, 40.0, -0.0, M_PI},
        {"along a meridian north, lon -0", 40.0, 0.0, 50.0, -0.0, 0.0},
    };
    for (const auto& c : cases) {
        const double course = distance::rhumbCourse(degToRad(c.lat1), degToRad(c.lon1),
                                                    degToRad(c.lat2), degToRad(c.lon2));
        EXPECT_EQ(course, c.course) << c.what;
        EXPECT_FALSE(std::signbit(course)) << c.what;
    }
}

TEST(Bearings, PlaceAtAPoleLooksSouthOrNorthWhateverTheOtherPlace) {
    for (double lat : {-45.0, 0.0, 89.0}) {
        EXPECT_EQ(distance::initialBearing(90.0, 0.0, lat, 123.0), 180.0);
        EXPECT_EQ(distance::initialBearing(-90.0, 0.0, lat, 123.0), 0.0);
    }
}

TEST(Bearings, SignsFollowTheQuadrant) {
    struct Case {
        double lat2, lon2;
        double lowBearing, highBearing;
    };
    // From 50° N, 8° E; bearings positive to the east.
    const Case cases[] = {
        {40.0, 18.0, 90.0, 180.0},    // south-east
        {55.0, 18.0, 0.0, 90.0},      // north-east
        {55.0, -2.0, -90.0, 0.0},     // north-west
        {40.0, -2.0, -180.0, -90.0},  // south-west
    };
    for (const Case& c : cases) {
        const double bearing = distance::initialBearing(50.0, 8.0, c.lat2, c.lon2);
        const double course = rhumbCourseDeg(50.0, 8.0, c.lat2, c.lon2);
        EXPECT_GT(bearing, c.lowBearing) << c.lat2 << " " << c.lon2;
        EXPECT_LT(bearing, c.highBearing) << c.lat2 << " " << c.lon2;
        EXPECT_GT(course, c.lowBearing) << c.lat2 << " " << c.lon2;
        EXPECT_LT(course, c.highBearing) << c.lat2 << " " << c.lon2;
    }
}

TEST(Bearings, RhumbCourseOnAParallelAndAcrossTheDateLine) {
    EXPECT_DOUBLE_EQ(rhumbCourseDeg(50.0, 8.0, 50.0, 20.0), 90.0);
    EXPECT_DOUBLE_EQ(rhumbCourseDeg(50.0, 8.0, 50.0, -20.0), -90.0);
    // 170° E to 170° W is 20° east across the date line, but the course takes
    // the 340° westward, through the longitudes between the two places.
    EXPECT_DOUBLE_EQ(rhumbCourseDeg(0.0, 170.0, 0.0, -170.0), -90.0);
    const double course = rhumbCourseDeg(10.0, 170.0, 20.0, -170.0);
    EXPECT_LT(course, -45.0);
    EXPECT_GT(course, -90.0);
}

TEST(Bearings, UndefinedInputGivesUndefinedDistanceAndBearingZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(distance::centralAngle(nan, 0.0, 0.0, 0.0)));
    EXPECT_EQ(distance::initialBearing(nan, 0.0, 10.0, 0.0), 0.0);
}

}  // namespace
