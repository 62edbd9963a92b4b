// The interactive panels: the fourteen focus-loss handlers, their range
// checks, the completion of the edited side, the other side following through
// the datum chain, the display rounding and the points without an image.
#include <QLineEdit>
#include <cmath>

#include "transform/datum_chain.h"
#include "transform_dlg_fixture.h"

namespace {

using namespace transform_dlg_test;
using driver::focused;
using driver::key;
using driver::text;
using driver::type;
using transform::PanelField;
using transform::PanelSide;

constexpr double kPi = 3.14159265358979323846;

// The panel members of each side, in the order of PanelField.
using Member = double CTransformDlg::*;
constexpr Member kMembers[2][7] = {
    {&CTransformDlg::m_dLat1, &CTransformDlg::m_dLon1, &CTransformDlg::m_dLat1Dms,
     &CTransformDlg::m_dLon1Dms, &CTransformDlg::m_dX1, &CTransformDlg::m_dY1,
     &CTransformDlg::m_dHeight1},
    {&CTransformDlg::m_dLat2, &CTransformDlg::m_dLon2, &CTransformDlg::m_dLat2Dms,
     &CTransformDlg::m_dLon2Dms, &CTransformDlg::m_dX2, &CTransformDlg::m_dY2,
     &CTransformDlg::m_dHeight2},
};

PanelSide sideOf(const CTransformDlg& d, int side) {
    const auto& m = kMembers[side];
    return {d.*m[0], d.*m[1], d.*m[2], d.*m[3], d.*m[4], d.*m[5], d.*m[6]};
}

void setSide(CTransformDlg& d, int side, const PanelSide& s) {
    const auto& m = kMembers[side];
    const double values[7] = {s.lat, s.lon, s.latDms, s.lonDms, s.x, s.y, s.height};
    for (int i = 0; i < 7; ++i) d.*m[i] = values[i];
}

// Side 1 maps to metres, side 2 to kilometres.
double unitMetres(int side) {
    return side == 0 ? 1.0 : 1000.0;
}

// The plate carrée by hand: arc length on the sphere in the side's unit.
double arc(double degrees, int side) {
    return kEarthRadius * degrees * kPi / 180.0 / unitMetres(side);
}

// A point on a side as the panels show it; dms given as written.
PanelSide pointOn(int side, double lat, double lon, double latDms, double lonDms, double height) {
    return {lat, lon, latDms, lonDms, arc(lon, side), arc(lat, side), height};
}

void expectSide(const PanelSide& actual, const PanelSide& expected, const std::string& where) {
    EXPECT_NEAR(actual.lat, expected.lat, 1e-9) << where;
    EXPECT_NEAR(actual.lon, expected.lon, 1e-9) << where;
    EXPECT_NEAR(actual.latDms, expected.latDms, 1e-9) << where;
    EXPECT_NEAR(actual.lonDms, expected.lonDms, 1e-9) << where;
    EXPECT_NEAR(actual.x, expected.x, 2e-6) << where;
    EXPECT_NEAR(actual.y, expected.y, 2e-6) << where;
    EXPECT_NEAR(actual.height, expected.height, 1e-9) << where;
}

const PanelSide kSentinel = {1.25, 2.25, 1.15, 2.15, 3.5, 4.5, 5.5};
const QString kLatitudeMessage =
    QString::fromUtf8("Wert für Geographische Breite zwischen -90.0° und 90.0°");
const QString kLongitudeMessage =
    QString::fromUtf8("Wert für Geographische Länge zwischen -180.0° und 180.0°");

class Panels : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.setModal(true);
        driver::open(&dialog);
    }

    // Side 1 in metres, side 2 in kilometres, both on datums of one name.
    void defineBoth(const std::string& datum1 = "ED50", const std::string& datum2 = "ED50") {
        dialog.define(0, plateCarree(), datum1);
        dialog.define(1, plateCarree(true), datum2);
        messages.clear();
    }
    // Sets a side's members and shows them, after the focus has left the
    // panels (leaving a field recomputes, edited or not).
    void show(int side, const PanelSide& s) {
        driver::find(&dialog, kProjectionMode)->setFocus(Qt::TabFocusReason);
        setSide(dialog, side, s);
        dialog.updateData(false);
    }
    // Types into a field of a side and leaves it with Tab.
    void leave(int side, PanelField field, const QString& typed) {
        type(&dialog, kPanel[side][static_cast<int>(field)], typed);
        key(Qt::Key_Tab);
    }

    platform::RecordingMessageService messages;
    TestTransformDlg dialog;
};

// Each handler completes its side and carries the point to the other side
// when that side is defined; the target point is 10.5°, 20.25° (10°30',
// 20°15'), the edited side starts with the other coordinate already there.
TEST_F(Panels, EachHandlerCompletesItsSideAndTheOtherFollows) {
    struct Case {
        PanelField field;
        double startLat, startLon;
        std::function<QString(int side)> typed;
    };
    const auto number = [](double v) { return QString::number(v, 'g', 17); };
    const Case cases[] = {
        {PanelField::Latitude, 0.0, 20.25, [](int) { return QString("10.5"); }},
        {PanelField::Longitude, 10.5, 0.0, [](int) { return QString("20.25"); }},
        {PanelField::LatitudeDms, 0.0, 20.25, [](int) { return QString("10.3"); }},
        {PanelField::LongitudeDms, 10.5, 0.0, [](int) { return QString("20.15"); }},
        {PanelField::X, 10.5, 0.0, [&](int side) { return number(arc(20.25, side)); }},
        {PanelField::Y, 0.0, 20.25, [&](int side) { return number(arc(10.5, side)); }},
    };
    for (bool otherDefined : {true, false}) {
        for (int side : {0, 1}) {
            const int other = 1 - side;
            dialog.define(side, plateCarree(side == 1));
            if (otherDefined) dialog.define(other, plateCarree(other == 1));
            for (const Case& c : cases) {
                const std::string where = "side " + std::to_string(side + 1) + " field " +
                                          std::to_string(static_cast<int>(c.field)) +
                                          (otherDefined ? " both defined" : " alone");
                const double startDms[2] = {c.startLat == 0.0 ? 0.0 : 10.3,
                                            c.startLon == 0.0 ? 0.0 : 20.15};
                show(side, pointOn(side, c.startLat, c.startLon, startDms[0], startDms[1], 250.0));
                show(other, kSentinel);
                leave(side, c.field, c.typed(side));
                expectSide(sideOf(dialog, side), pointOn(side, 10.5, 20.25, 10.3, 20.15, 250.0),
                           where);
                const PanelSide expectedOther =
                    otherDefined ? pointOn(other, 10.5, 20.25, 10.3, 20.15, 250.0) : kSentinel;
                expectSide(sideOf(dialog, other), expectedOther, where + " (other side)");
                EXPECT_EQ(text(&dialog, kPanel[other][0]), otherDefined ? "10.5" : QString("1.25"))
                    << where;
                EXPECT_TRUE(messages.messages.empty()) << where;
            }
            dialog.undefineBoth();
        }
    }
}

// A height carries latitude, longitude and height to the other side and
// leaves its X, Y and dd.mmssss fields alone; with one side undefined it does
// nothing at all.
TEST_F(Panels, HeightRewritesOnlyTheOtherSidesPosition) {
    defineBoth();
    for (int side : {0, 1}) {
        const int other = 1 - side;
        show(side, pointOn(side, 10.5, 20.25, 10.3, 20.15, 0.0));
        show(other, kSentinel);
        leave(side, PanelField::Height, "123.4567");
        expectSide(sideOf(dialog, side), pointOn(side, 10.5, 20.25, 10.3, 20.15, 123.457),
                   "edited");
        PanelSide expected = kSentinel;
        expected.lat = 10.5;
        expected.lon = 20.25;
        expected.height = 123.457;
        expectSide(sideOf(dialog, other), expected, "other");
    }
    dialog.m_strProjection2 = "(undefinierte Projektion)";
    dialog.updateData(false);
    show(1, kSentinel);
    leave(0, PanelField::Height, "7.0001");
    EXPECT_EQ(dialog.m_dHeight1, 7.0001);  // taken over, not rounded: nothing ran
    expectSide(sideOf(dialog, 1), kSentinel, "undefined side 2");
}

TEST_F(Panels, RangeChecksWithBoundsIncluded) {
    struct Case {
        PanelField field;
        const char* typed;
        bool passes;
    };
    const Case cases[] = {
        {PanelField::Latitude, "90", true},
        {PanelField::Latitude, "-90", true},
        {PanelField::Latitude, "90.000001", false},
        {PanelField::Latitude, "-90.5", false},
        {PanelField::Longitude, "180", true},
        {PanelField::Longitude, "-180", true},
        {PanelField::Longitude, "180.0000001", false},
        {PanelField::Longitude, "-181", false},
        {PanelField::LatitudeDms, "89.5959", true},
        {PanelField::LatitudeDms, "-90", true},
        {PanelField::LatitudeDms, "90.0001", false},
        // Passes as typed, but 89°99' is 90.65°; -89°61' is -90.0167°.
        {PanelField::LatitudeDms, "89.99", false},
        {PanelField::LatitudeDms, "-89.61", false},
        {PanelField::LongitudeDms, "179.5959", true},
        {PanelField::LongitudeDms, "179.99", false},
        {PanelField::LongitudeDms, "-180.0001", false},
    };
    defineBoth();
    for (int side : {0, 1}) {
        for (const Case& c : cases) {
            const std::string where = std::string(c.typed) + " side " + std::to_string(side + 1);
            const int id = kPanel[side][static_cast<int>(c.field)];
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
            const bool latitude =
                c.field == PanelField::Latitude || c.field == PanelField::LatitudeDms;
            EXPECT_EQ(messages.messages[0].text, latitude ? kLatitudeMessage : kLongitudeMessage);
            EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
            EXPECT_EQ(messages.messages[0].icon, platform::Icon::Exclamation);
            EXPECT_TRUE(focused(&dialog, id)) << where;
            EXPECT_EQ(text(&dialog, id), c.typed) << where;
            // The typed value was taken over; nothing else moved.
            PanelSide expected = kSentinel;
            const double typed = std::stod(c.typed);
            switch (c.field) {
                case PanelField::Latitude:
                    expected.lat = typed;
                    break;
                case PanelField::Longitude:
                    expected.lon = typed;
                    break;
                case PanelField::LatitudeDms:
                    expected.latDms = typed;
                    break;
                default:
                    expected.lonDms = typed;
                    break;
            }
            EXPECT_EQ(sideOf(dialog, side), expected) << where;
            EXPECT_EQ(sideOf(dialog, 1 - side), kSentinel) << where;
            show(side, kSentinel);  // a valid value, so that the focus may move on
        }
    }
}

TEST_F(Panels, UndefinedSideDoesNotReact) {
    dialog.define(1, plateCarree(true));
    show(0, kSentinel);
    show(1, kSentinel);
    for (PanelField field :
         {PanelField::Latitude, PanelField::LongitudeDms, PanelField::X, PanelField::Height}) {
        leave(0, field, "500");
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(text(&dialog, kPanel[0][static_cast<int>(field)]), "500");
        EXPECT_EQ(sideOf(dialog, 1), kSentinel);
    }
    EXPECT_EQ(dialog.m_dLat1, 500.0);
    EXPECT_EQ(dialog.m_dY1, kSentinel.y);
}

TEST_F(Panels, DisplayRounding) {
    defineBoth();
    struct Case {
        int side;
        PanelField field;
        const char* typed;
        Member member;
        double expected;
    };
    const Case cases[] = {
        {0, PanelField::Latitude, "10.123456789123", &CTransformDlg::m_dLat1, 10.12345679},
        {0, PanelField::Latitude, "10.123456789123", &CTransformDlg::m_dLat2, 10.12345679},
        // 10.12345679° is 10°07'24.444444"
        {0, PanelField::Latitude, "10.123456789123", &CTransformDlg::m_dLat1Dms, 10.07244444},
        {1, PanelField::LongitudeDms, "20.1545678912", &CTransformDlg::m_dLon2Dms, 20.15456789},
        {0, PanelField::X, "1234.12345678", &CTransformDlg::m_dX1, 1234.123457},
        {0, PanelField::X, "1234.12345678", &CTransformDlg::m_dX2, 1.234123},
        {1, PanelField::Height, "1.23456", &CTransformDlg::m_dHeight2, 1.235},
        {1, PanelField::Height, "1.23456", &CTransformDlg::m_dHeight1, 1.235},
    };
    for (const Case& c : cases) {
        leave(c.side, c.field, c.typed);
        EXPECT_EQ(dialog.*c.member, c.expected) << c.typed;
    }
}

// Side 1 on WGS 84 itself, side 2 on ED50: the first leg is a copy, the
// second a real shift, and the way back shifts with ED50's own parameters.
TEST_F(Panels, OtherSideFollowsThroughTheDatumChain) {
    defineBoth("WGS 84 (ECEF)", "ED50");
    const geodesy::DatumParams ed50 = geodesy::lookupDatum("ED50");
    leave(0, PanelField::Height, "100");
    leave(0, PanelField::Latitude, "50");
    leave(0, PanelField::Longitude, "10");
    EXPECT_EQ(dialog.m_dWgsLat, 50.0);
    EXPECT_EQ(dialog.m_dWgsLon, 10.0);
    const transform::GeoPoint wgs84 = {50.0, 10.0, 100.0};
    const transform::GeoPoint onEd50 = transform::wgs84ToDatum(ed50, wgs84);
    EXPECT_NEAR(dialog.m_dLat2, onEd50.lat, 1e-8);
    EXPECT_NEAR(dialog.m_dLon2, onEd50.lon, 1e-8);
    EXPECT_NEAR(dialog.m_dHeight2, onEd50.height, 1e-3);
    // ED50 lies about a hundred metres off WGS 84 in central Europe.
    EXPECT_GT(std::abs(dialog.m_dLat2 - 50.0) + std::abs(dialog.m_dLon2 - 10.0), 5e-4);
    EXPECT_LT(std::abs(dialog.m_dLat2 - 50.0) + std::abs(dialog.m_dLon2 - 10.0), 5e-3);

    leave(1, PanelField::Latitude, "51");
    const transform::GeoPoint back =
        transform::datumToWgs84(ed50, {51.0, dialog.m_dLon2, dialog.m_dHeight2});
    EXPECT_NEAR(dialog.m_dWgsLat, back.lat, 1e-12);
    EXPECT_NEAR(dialog.m_dLat1, back.lat, 1e-8);
    EXPECT_NEAR(dialog.m_dLon1, back.lon, 1e-8);
}

// Defining a side with the other side defined keeps the other side's X/Y
// and moves the redefined side to that point; alone, a side keeps its
// latitude and longitude and only X/Y follow.
TEST_F(Panels, DefiningASideKeepsTheOtherSidesXY) {
    for (int side : {0, 1}) {
        const int other = 1 - side;
        dialog.undefineBoth();
        show(side, {10.5, 20.25, 0.0, 0.0, 0.0, 0.0, 30.0});
        dialog.define(side, plateCarree(side == 1));
        expectSide(sideOf(dialog, side), pointOn(side, 10.5, 20.25, 10.3, 20.15, 30.0), "alone");

        // The other side's X/Y name 30°, 40°; its latitude and longitude are stale.
        dialog.define(other, plateCarree(other == 1));
        show(other, {1.0, 2.0, 1.0, 2.0, arc(40.0, other), arc(30.0, other), 45.0});
        dialog.define(side, plateCarree(side == 1));
        expectSide(sideOf(dialog, other), pointOn(other, 30.0, 40.0, 30.0, 40.0, 45.0), "fixed");
        expectSide(sideOf(dialog, side), pointOn(side, 30.0, 40.0, 30.0, 40.0, 45.0), "redefined");
    }
}

TEST_F(Panels, PointWithoutAFiniteImageChangesNothing) {
    defineBoth();
    for (int side : {0, 1}) {
        show(0, kSentinel);
        show(1, kSentinel);
        messages.clear();
        // Beyond the largest double once taken from kilometres to metres.
        leave(side, PanelField::X, "1e306");
        ASSERT_EQ(messages.messages.size(), 1u) << side;
        EXPECT_EQ(messages.messages[0].text,
                  QString("Dieser Punkt ist in Projektion %1 nicht abbildbar").arg(side + 1));
        EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
        EXPECT_EQ(messages.messages[0].icon, platform::Icon::Exclamation);
        EXPECT_TRUE(focused(&dialog, kPanel[side][static_cast<int>(PanelField::X)]));
        PanelSide typed = kSentinel;
        typed.x = 1e306;
        EXPECT_EQ(sideOf(dialog, side), typed);
        EXPECT_EQ(sideOf(dialog, 1 - side), kSentinel);
        show(side, kSentinel);
    }
}

}  // namespace
