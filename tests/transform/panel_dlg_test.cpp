// The interactive panels: the fourteen focus-loss handlers with their range
// checks, the completion of the edited side, the other side following through
// the datum chain, the display rounding and the points without an image.
// Side 1 is a plate carrée in metres, side 2 the same in kilometres, so that
// every expected value is computed by hand: X = R·lon, Y = R·lat.
#include <QLineEdit>
#include <cmath>

#include "transform/datum_chain.h"
#include "transform_dlg_fixture.h"

namespace {

using namespace transform_dlg_test;
using driver::focused;
using driver::text;
using transform::PanelField;
using transform::PanelSide;
using Field = PanelField;

using Member = double CTransformDlg::*;
constexpr Member kMembers[2][7] = {
    {&CTransformDlg::m_dLat1, &CTransformDlg::m_dLon1, &CTransformDlg::m_dLat1Dms,
     &CTransformDlg::m_dLon1Dms, &CTransformDlg::m_dX1, &CTransformDlg::m_dY1,
     &CTransformDlg::m_dHeight1},
    {&CTransformDlg::m_dLat2, &CTransformDlg::m_dLon2, &CTransformDlg::m_dLat2Dms,
     &CTransformDlg::m_dLon2Dms, &CTransformDlg::m_dX2, &CTransformDlg::m_dY2,
     &CTransformDlg::m_dHeight2},
};

std::array<double, 7> values(const PanelSide& s) {
    return {s.lat, s.lon, s.latDms, s.lonDms, s.x, s.y, s.height};
}

PanelSide sideOf(const CTransformDlg& d, int side) {
    const auto& m = kMembers[side];
    return {d.*m[0], d.*m[1], d.*m[2], d.*m[3], d.*m[4], d.*m[5], d.*m[6]};
}

// Arc length on the sphere in the side's unit (metres, kilometres).
double arc(double degrees, int side) {
    return kEarthRadius * degrees * 3.14159265358979323846 / 180.0 / (side == 0 ? 1.0 : 1000.0);
}

PanelSide pointOn(int side, double lat, double lon, double latDms, double lonDms, double h) {
    return {lat, lon, latDms, lonDms, arc(lon, side), arc(lat, side), h};
}

// Angles and heights as rounded for display; X/Y within their 6 decimals.
void expectSide(const PanelSide& actual, const PanelSide& expected, const std::string& where) {
    const auto a = values(actual), e = values(expected);
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i], e[i], i == 4 || i == 5 ? 2e-6 : 1e-9) << where << ", field " << i;
    }
}

const PanelSide kSentinel = {1.25, 2.25, 1.15, 2.15, 3.5, 4.5, 5.5};
// The target point of the handlers: 10.5° (10°30'), 20.25° (20°15'), 250 m.
const double kLat = 10.5, kLon = 20.25, kLatDms = 10.3, kLonDms = 20.15;

class Panels : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.setModal(true);
        driver::open(&dialog);
    }
    void define(int side, const std::string& datum = "ED50") {
        dialog.define(side, plateCarree(side == 1), datum);
    }
    // Sets and shows a side's members, and again once the focus has left
    // the panels (leaving a field recomputes, edited or not).
    void show(int side, const PanelSide& s) {
        std::array<PanelSide, 2> sides = {sideOf(dialog, 0), sideOf(dialog, 1)};
        sides[side] = s;
        for (bool focusLeft : {false, true}) {
            if (focusLeft) driver::find(&dialog, kProjectionMode)->setFocus(Qt::TabFocusReason);
            for (int i : {0, 1}) {
                const auto v = values(sides[i]);
                for (size_t k = 0; k < v.size(); ++k) dialog.*kMembers[i][k] = v[k];
            }
            dialog.updateData(false);
        }
    }
    void leave(int side, Field field, const QString& typed) {
        driver::type(&dialog, kPanel[side][static_cast<int>(field)], typed);
        driver::key(Qt::Key_Tab);
    }

    platform::RecordingMessageService messages;
    TestTransformDlg dialog;
};

TEST_F(Panels, EachHandlerCompletesItsSideAndTheOtherFollows) {
    struct Case {
        Field field;
        bool latitudeGiven;  // else the longitude is there already
        std::function<QString(int side)> typed;
    };
    const auto number = [](double v) { return QString::number(v, 'g', 17); };
    const Case cases[] = {
        {Field::Latitude, false, [](int) { return QString("10.5"); }},
        {Field::Longitude, true, [](int) { return QString("20.25"); }},
        {Field::LatitudeDms, false, [](int) { return QString("10.3"); }},
        {Field::LongitudeDms, true, [](int) { return QString("20.15"); }},
        {Field::X, true, [&](int side) { return number(arc(kLon, side)); }},
        {Field::Y, false, [&](int side) { return number(arc(kLat, side)); }},
    };
    for (bool otherDefined : {true, false}) {
        for (int side : {0, 1}) {
            const int other = 1 - side;
            dialog.undefineBoth();
            define(side);
            if (otherDefined) define(other);
            for (const Case& c : cases) {
                const std::string where = "side " + std::to_string(side + 1) + ", field " +
                                          std::to_string(static_cast<int>(c.field)) +
                                          (otherDefined ? ", both defined" : ", alone");
                show(side, c.latitudeGiven ? pointOn(side, kLat, 0, kLatDms, 0, 250)
                                           : pointOn(side, 0, kLon, 0, kLonDms, 250));
                show(other, kSentinel);
                leave(side, c.field, c.typed(side));
                expectSide(sideOf(dialog, side), pointOn(side, kLat, kLon, kLatDms, kLonDms, 250),
                           where);
                expectSide(
                    sideOf(dialog, other),
                    otherDefined ? pointOn(other, kLat, kLon, kLatDms, kLonDms, 250) : kSentinel,
                    where + ", other side");
                EXPECT_EQ(text(&dialog, kPanel[other][0]), otherDefined ? "10.5" : "1.25");
                EXPECT_TRUE(messages.messages.empty()) << where;
            }
        }
    }
}

// A height carries latitude, longitude and height to the other side and
// leaves its X, Y and dd.mmssss alone; with a side undefined nothing happens.
TEST_F(Panels, HeightRewritesOnlyTheOtherSidesPosition) {
    define(0);
    define(1);
    for (int side : {0, 1}) {
        show(side, pointOn(side, kLat, kLon, kLatDms, kLonDms, 0));
        show(1 - side, kSentinel);
        leave(side, Field::Height, "123.4567");
        expectSide(sideOf(dialog, side), pointOn(side, kLat, kLon, kLatDms, kLonDms, 123.457), "");
        expectSide(sideOf(dialog, 1 - side), {kLat, kLon, 1.15, 2.15, 3.5, 4.5, 123.457}, "other");
    }
    dialog.m_strProjection2 = "(undefinierte Projektion)";
    show(1, kSentinel);
    leave(0, Field::Height, "7.0001");
    EXPECT_EQ(dialog.m_dHeight1, 7.0001);  // taken over, not rounded: nothing ran
    EXPECT_EQ(sideOf(dialog, 1), kSentinel);
}

TEST_F(Panels, RangeChecksIncludeTheBoundsAndTheConvertedDmsValue) {
    struct Case {
        Field field;
        const char* typed;
        bool passes;
    };
    const Case cases[] = {
        {Field::Latitude, "90", true},           {Field::Latitude, "-90", true},
        {Field::Latitude, "90.000001", false},   {Field::Longitude, "180", true},
        {Field::Longitude, "-180", true},        {Field::Longitude, "-180.0000001", false},
        {Field::LatitudeDms, "89.5959", true},   {Field::LatitudeDms, "90.0001", false},
        {Field::LatitudeDms, "89.99", false},   // 89°99' is 90.65°
        {Field::LatitudeDms, "-89.61", false},  // -90.0167°
        {Field::LongitudeDms, "179.5959", true}, {Field::LongitudeDms, "179.99", false},
    };
    const QString latitudeMessage =
        QString::fromUtf8("Wert für Geographische Breite zwischen -90.0° und 90.0°");
    const QString longitudeMessage =
        QString::fromUtf8("Wert für Geographische Länge zwischen -180.0° und 180.0°");
    define(0);
    define(1);
    for (int side : {0, 1}) {
        for (const Case& c : cases) {
            const std::string where = std::string(c.typed) + ", side " + std::to_string(side + 1);
            const int index = static_cast<int>(c.field);
            show(0, kSentinel);
            show(1, kSentinel);
            messages.clear();
            leave(side, c.field, c.typed);
            if (c.passes) {
                EXPECT_TRUE(messages.messages.empty()) << where;
                EXPECT_NE(sideOf(dialog, 1 - side), kSentinel) << where;
                continue;
            }
            ASSERT_EQ(messages.messages.size(), 1u) << where;
            const bool latitude = c.field == Field::Latitude || c.field == Field::LatitudeDms;
            EXPECT_EQ(messages.messages[0].text, latitude ? latitudeMessage : longitudeMessage);
            EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
            EXPECT_EQ(messages.messages[0].icon, platform::Icon::Exclamation);
            EXPECT_TRUE(focused(&dialog, kPanel[side][index])) << where;
            EXPECT_EQ(text(&dialog, kPanel[side][index]), c.typed);
            // The typed value was taken over; nothing else moved.
            auto expected = values(kSentinel);
            expected[index] = std::stod(c.typed);
            EXPECT_EQ(values(sideOf(dialog, side)), expected) << where;
            EXPECT_EQ(sideOf(dialog, 1 - side), kSentinel) << where;
        }
    }
}

TEST_F(Panels, UndefinedSideDoesNotReact) {
    define(1);
    show(0, kSentinel);
    show(1, kSentinel);
    for (Field field : {Field::Latitude, Field::LongitudeDms, Field::X, Field::Height}) {
        leave(0, field, "500");
        EXPECT_EQ(text(&dialog, kPanel[0][static_cast<int>(field)]), "500");
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(sideOf(dialog, 1), kSentinel);
    EXPECT_EQ(dialog.m_dLat1, 500.0);
    EXPECT_EQ(dialog.m_dY1, kSentinel.y);
}

TEST_F(Panels, DisplayRounding) {
    define(0);
    define(1);
    struct Case {
        int side;
        Field field;
        const char* typed;
        Member member;
        double expected;
    };
    const Case cases[] = {
        {0, Field::Latitude, "10.123456789123", &CTransformDlg::m_dLat2, 10.12345679},
        // 10.12345679° is 10°07'24.444444"
        {0, Field::Latitude, "10.123456789123", &CTransformDlg::m_dLat1Dms, 10.07244444},
        {1, Field::LongitudeDms, "20.1545678912", &CTransformDlg::m_dLon2Dms, 20.15456789},
        {0, Field::X, "1234.12345678", &CTransformDlg::m_dX1, 1234.123457},
        {0, Field::X, "1234.12345678", &CTransformDlg::m_dX2, 1.234123},
        {1, Field::Height, "1.23456", &CTransformDlg::m_dHeight1, 1.235},
    };
    for (const Case& c : cases) {
        leave(c.side, c.field, c.typed);
        EXPECT_EQ(dialog.*c.member, c.expected) << c.typed;
    }
}

// Side 1 on WGS 84 itself, side 2 on ED50: the first leg is a copy, the
// second a shift with ED50's parameters negated, and back again.
TEST_F(Panels, OtherSideFollowsThroughTheDatumChain) {
    define(0, "WGS 84 (ECEF)");
    define(1, "ED50");
    const geodesy::DatumParams ed50 = geodesy::lookupDatum("ED50");
    show(0, {50.0, 10.0, 0.0, 0.0, 0.0, 0.0, 100.0});
    leave(0, Field::Latitude, "50");
    EXPECT_EQ(dialog.m_dWgsLat, 50.0);
    const transform::GeoPoint onEd50 = transform::wgs84ToDatum(ed50, {50.0, 10.0, 100.0});
    EXPECT_NEAR(dialog.m_dLat2, onEd50.lat, 1e-8);
    EXPECT_NEAR(dialog.m_dLon2, onEd50.lon, 1e-8);
    EXPECT_NEAR(dialog.m_dHeight2, onEd50.height, 1e-3);
    // ED50 lies some hundred metres off WGS 84 in central Europe.
    EXPECT_NEAR(std::hypot(dialog.m_dLat2 - 50.0, dialog.m_dLon2 - 10.0), 1.5e-3, 1e-3);

    leave(1, Field::Latitude, "51");
    const transform::GeoPoint back =
        transform::datumToWgs84(ed50, {51.0, dialog.m_dLon2, dialog.m_dHeight2});
    EXPECT_NEAR(dialog.m_dLat1, back.lat, 1e-8);
    EXPECT_NEAR(dialog.m_dLon1, back.lon, 1e-8);
}

// Defining a side with the other side defined keeps the other side's X/Y and
// moves the defined side there; alone, a side keeps latitude and longitude.
TEST_F(Panels, DefiningASideKeepsTheOtherSidesXY) {
    for (int side : {0, 1}) {
        const int other = 1 - side;
        dialog.undefineBoth();
        show(side, {kLat, kLon, 0, 0, 0, 0, 30});
        define(side);
        expectSide(sideOf(dialog, side), pointOn(side, kLat, kLon, kLatDms, kLonDms, 30), "alone");
        define(other);
        // X/Y of the other side name 30°, 40°; its latitude and longitude are stale.
        show(other, {1, 2, 1, 2, arc(40, other), arc(30, other), 45});
        define(side);
        expectSide(sideOf(dialog, other), pointOn(other, 30, 40, 30, 40, 45), "kept");
        expectSide(sideOf(dialog, side), pointOn(side, 30, 40, 30, 40, 45), "redefined");
    }
}

TEST_F(Panels, PointWithoutAFiniteImageChangesNothing) {
    define(0);
    define(1);
    for (int side : {0, 1}) {
        show(0, kSentinel);
        show(1, kSentinel);
        messages.clear();
        leave(side, Field::X, "1e306");  // beyond the largest double in metres
        ASSERT_EQ(messages.messages.size(), 1u) << side;
        EXPECT_EQ(messages.messages[0].text,
                  QString("Dieser Punkt ist in Projektion %1 nicht abbildbar").arg(side + 1));
        EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
        EXPECT_EQ(messages.messages[0].icon, platform::Icon::Exclamation);
        EXPECT_TRUE(focused(&dialog, kPanel[side][static_cast<int>(Field::X)]));
        EXPECT_EQ(dialog.*kMembers[side][4], 1e306);
        EXPECT_EQ(sideOf(dialog, 1 - side), kSentinel);
    }
}

}  // namespace
