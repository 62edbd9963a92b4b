// The projection dialog's handlers one by one: which of them show all members
// again, what an opening derives and what Cancel puts back, and the records
// that OK refuses because no map can be made of them.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <utility>

#include "definition/projection_dlg.h"
#include "geodesy/catalogues.h"
#include "tests/support/dialog_driver.h"

namespace {

using namespace driver;
using namespace projection_ids;

class ProjectionHandlersTest : public ::testing::Test {
protected:
    void open() { driver::open(&dlg); }
    bool closedWith(int result) const { return !dlg.isVisible() && dlg.result() == result; }

    platform::RecordingMessageService messages;
    CProjectionDlg dlg;
};

// The members as the owner's construction leaves them, before any opening.
TEST(ProjectionDlgConstruction, MembersStartWithTheirValues) {
    CProjectionDlg dlg;
    const std::pair<const char*, double> numbers[] = {
        {"radius", dlg.m_dRadius},
        {"main lat", dlg.m_dMainLat},
        {"main lon", dlg.m_dMainLon},
        {"delta 1", dlg.m_dDelta1},
        {"delta 2", dlg.m_dDelta2},
        {"strip", dlg.m_nStrip},
        {"central meridian", dlg.m_dCentralMeridian},
        {"resolution", dlg.m_dResolution},
        {"scale", dlg.m_dScale},
        {"ref lat", dlg.m_dRefLat},
        {"ref lon", dlg.m_dRefLon},
        {"ref x", dlg.m_dRefX},
        {"ref y", dlg.m_dRefY},
        {"rotation", dlg.m_dRotation},
    };
    const double expected[] = {6371000.0, 90.0, 0.0, 30.0, 50.0, 2.0, 0.0,
                               32.0,      1e6,  0.0, 0.0,  0.0,  0.0, 0.0};
    for (size_t i = 0; i < std::size(numbers); ++i) {
        EXPECT_EQ(numbers[i].second, expected[i]) << numbers[i].first;
    }
    EXPECT_EQ(dlg.m_strProjectionName, "Bonn'sche Abbildung");
    EXPECT_EQ(dlg.m_strBody, "");
    EXPECT_EQ(dlg.m_strDeltaLabel, "");
    EXPECT_EQ(dlg.m_strDatum, "ED50, International (1924) = Hayford (1909)");
    EXPECT_TRUE(dlg.m_bNatural);
    EXPECT_EQ(dlg.m_strUnits, "m ");
    EXPECT_EQ(dlg.m_strUnitX, "m ");
    EXPECT_EQ(dlg.m_strUnitY, "m ");
    EXPECT_EQ(dlg.m_dlgDatum.m_datum, geodesy::lookupDatum("ED50"));
}

struct ShowCase {
    const char* type;
    bool natural;
    int id;
    const char* typed;  // a valid value in a form the display does not use
    bool showsAll;      // true: the field is rewritten as the member shows
};

// Main point longitude, strip number and (with natural coordinates) central
// meridian show all members after a valid value; the others only take over.
const ShowCase kShowCases[] = {
    {"Kegelabbildung (flächentreu)", false, kRadius, "+6.4e6", false},
    {"Kegelabbildung (flächentreu)", false, kMainLat, "+45.0", false},
    {"Kegelabbildung (flächentreu)", false, kMainLon, "+12.50", true},
    {"Kegelabbildung (flächentreu)", false, kDelta1, "+40.0", false},
    {"Kegelabbildung (flächentreu)", false, kDelta2, "+60.0", false},
    {"Kegelabbildung (flächentreu)", false, kScale, "+2.5e4", false},
    {"Kegelabbildung (flächentreu)", false, kRefLat, "+10.0", false},
    {"Kegelabbildung (flächentreu)", false, kRefLon, "+10.0", false},
    {"Kegelabbildung (flächentreu)", false, kRefX, "+1.0", false},
    {"Kegelabbildung (flächentreu)", false, kRefY, "+1.0", false},
    {"Kegelabbildung (flächentreu)", false, kRotation, "+5.0", false},
    {"UTM", false, kStrip, "+32", true},
    {"Gauß-Krüger (Allgemein)", true, kCentralMeridian, "+13.50", true},
    {"Gauß-Krüger (Allgemein)", false, kCentralMeridian, "+13.50", false},
};

TEST_F(ProjectionHandlersTest, WhichFieldHandlersShowAllMembers) {
    for (const ShowCase& c : kShowCases) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.id));
        dlg.m_strProjectionName = c.type;
        dlg.m_bNatural = c.natural;
        open();
        type(&dlg, c.id, c.typed);
        key(Qt::Key_Tab);
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(text(&dlg, c.id) != c.typed, c.showsAll) << text(&dlg, c.id).toStdString();
        dlg.reject();
    }
}

TEST_F(ProjectionHandlersTest, OpeningDerivesFromTheTypeAndCancelRestoresTheMembersBefore) {
    // The owner's members as the last OK left them, with a calibration that
    // natural coordinates replace at the opening.
    dlg.m_strProjectionName = "UTM";
    dlg.m_nStrip = 32;
    dlg.m_dRefX = 7.0;
    dlg.m_dRadius = 6371000.0;
    dlg.m_strUnits = dlg.m_strUnitX = dlg.m_strUnitY = "km";
    open();
    EXPECT_EQ(text(&dlg, kBody), "Ellipsoid");
    EXPECT_EQ(text(&dlg, kCentralMeridian), "9");
    EXPECT_EQ(text(&dlg, kRefLon), "9");
    EXPECT_EQ(text(&dlg, kRefX), "500000");
    EXPECT_EQ(text(&dlg, kUnits), "m ");
    EXPECT_EQ(text(&dlg, kUnitX), "m ");
    EXPECT_TRUE(shown(&dlg, kStrip));
    EXPECT_FALSE(shown(&dlg, kRadius));
    key(Qt::Key_Escape);
    ASSERT_TRUE(closedWith(QDialog::Rejected));
    EXPECT_EQ(dlg.m_strBody, "");  // the copy was taken before the type was applied
    EXPECT_EQ(dlg.m_dRefX, 7.0);
    EXPECT_EQ(dlg.m_dRadius, 6371000.0);
    EXPECT_EQ(dlg.m_strUnits, "km");
    EXPECT_EQ(dlg.m_dCentralMeridian, 0.0);
}

TEST_F(ProjectionHandlersTest, RecordWithoutAMapIsRefusedOnTheProjectionList) {
    open();
    click(&dlg, kOk);
    const geodesy::ProjectionParams accepted = dlg.m_params;
    open();
    // The conformal cylinder sends the pole to infinity: a reference point
    // there gives no finite offset.
    choose(&dlg, kProjection, QStringLiteral("Zylinderabbildung (winkeltreu)"));
    click(&dlg, kNatural);
    type(&dlg, kRefLat, "-90");
    key(Qt::Key_Return);
    EXPECT_EQ(messages.texts(), QStringList{"Mit diesen Werten ist keine Abbildung möglich"});
    EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
    EXPECT_EQ(messages.messages[0].icon, platform::Icon::Exclamation);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(focused(&dlg, kProjection));
    EXPECT_EQ(dlg.m_params, accepted);
    type(&dlg, kRefLat, "-89");
    key(Qt::Key_Return);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_TRUE(std::isfinite(dlg.m_params.offsetY));
}

TEST_F(ProjectionHandlersTest, UnitMemberSelectsTheFirstEntryBeginningWithIt) {
    dlg.m_bNatural = false;
    dlg.m_strUnits = "m";  // no blank: "mm" is the first entry that begins with it
    open();
    EXPECT_EQ(text(&dlg, kUnits), "mm");
    click(&dlg, kOk);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_EQ(dlg.m_strUnits, "mm");
    EXPECT_EQ(dlg.m_params.unitMillimetres, 1.0);
}

TEST_F(ProjectionHandlersTest, IdsSharedWithTheDatumDialogFindTheOwnControls) {
    for (int id : {datum_ids::kDatum, datum_ids::kEpsilon, datum_ids::kScaleCorrection}) {
        QWidget* own = platform::findControl(&dlg, id);
        if (own != nullptr) {
            EXPECT_FALSE(dlg.m_dlgDatum.isAncestorOf(own)) << id;
        }
        EXPECT_TRUE(dlg.m_dlgDatum.isAncestorOf(platform::findControl(&dlg.m_dlgDatum, id)));
    }
    EXPECT_EQ(platform::findControl(&dlg, kScale), find<QLineEdit>(&dlg, kScale));
    open();
    click(&dlg, kNatural);
    type(&dlg, kScale, "25000");
    type(&dlg, kRefLon, "12");
    key(Qt::Key_Tab);
    EXPECT_EQ(dlg.m_dScale, 25000.0);
    EXPECT_EQ(dlg.m_dRefLon, 12.0);
    EXPECT_EQ(dlg.m_dlgDatum.m_datum, geodesy::lookupDatum("ED50"));
}

}  // namespace
