// Every text the two dialogs show: captions, group boxes, labels with and
// without a control id, button texts, and the entries of their lists in order.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QStringList>

#include "definition/datum_dlg.h"
#include "definition/projection_dlg.h"
#include "tests/support/dialog_driver.h"

namespace {

using namespace driver;
using namespace projection_ids;

// The texts of the labels (or group box titles) that belong to the dialog
// itself, not to a dialog it owns.
template <class W>
QStringList ownTexts(QWidget* parent) {
    QStringList texts;
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || qobject_cast<QDialog*>(widget) != nullptr) continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if constexpr (std::is_same_v<W, QLabel>) texts << label->text();
        }
        if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            if constexpr (std::is_same_v<W, QGroupBox>) texts << group->title();
        }
        texts << ownTexts<W>(widget);
    }
    return texts;
}

struct IdText {
    int id;
    const char* text;
};

// Controls with an id whose text is fixed by the dialog template.
// clang-format off
const IdText kProjectionIdTexts[] = {
    {kRadiusUnit, "m"}, {kDatumLabel, "&Datum"}, {kDatumButton, "..."},
    {kMainPointLabel, "&Hauptpunkt "},
    {kMainLatLabel, "Breite"}, {kMainLatUnit, "°"}, {kMainLonLabel, "Länge"}, {kMainLonUnit, "°"},
    {kDelta1Label, "delta 1"}, {kDelta1Unit, "°"}, {kDelta2Label, "delta 2"}, {kDelta2Unit, "°"},
    {kStripLabel, "Streifennummer"}, {kNatural, "&Naturkoordinaten (Maßstab 1:1)"},
    {kResolutionLabel, "Auflösung"}, {kResolutionUnit, "p/mm"},
    {kOk, "OK"}, {kCancel, "Abbrechen"},
};

// Every label of the projection dialog, those without an id included; the
// delta label kDeltaLabel and the unit labels kUnitX, kUnitY are set from members.
const char* const kProjectionLabels[] = {
    "&Projektion", "Projektionskörper", "m", "&Datum", "&Hauptpunkt ", "Breite", "°", "Länge",
    "°", "delta 1", "°", "delta 2", "°", "Streifennummer", "Mittel-\nmeridian", "°", "Einheiten",
    "Auflösung", "p/mm", "Maßstab                       1 :", "Referenzpunkt", "Breite", "°",
    "Länge", "°", "X", "Y", "Rotationswinkel", "°", "(pos = CCW, neg = CW)",
};
// clang-format on

QString buttonOrLabelText(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    return {};
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

TEST(ProjectionDlgTexts, CaptionGroupsLabelsAndButtons) {
    CProjectionDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Projektion definieren");
    EXPECT_EQ(sorted(ownTexts<QGroupBox>(&dlg)),
              sorted({QStringLiteral("Projektion"), QStringLiteral("Metrische Eichung")}));
    for (const IdText& row : kProjectionIdTexts) {
        EXPECT_EQ(buttonOrLabelText(find(&dlg, row.id)), QString::fromUtf8(row.text)) << row.id;
    }
    QStringList expected;
    for (const char* label : kProjectionLabels) expected << QString::fromUtf8(label);
    // The labels filled from members: the delta label and the units behind X and Y.
    QStringList labels = ownTexts<QLabel>(&dlg);
    for (int id : {kDeltaLabel, kUnitX, kUnitY}) labels.removeOne(find<QLabel>(&dlg, id)->text());
    EXPECT_EQ(sorted(labels), sorted(expected));
}

// The kind of every exchanged control: read-only fields, edits, drop-down lists.
TEST(DialogControls, KindsOfTheExchangedControls) {
    CProjectionDlg projection;
    for (int id : {kBody, kDatum})
        EXPECT_TRUE(find<QLineEdit>(&projection, id)->isReadOnly()) << id;
    for (int id : {kRadius, kMainLat, kMainLon, kDelta1, kDelta2, kStrip, kCentralMeridian,
                   kResolution, kScale, kRefLat, kRefLon, kRefX, kRefY, kRotation}) {
        EXPECT_FALSE(find<QLineEdit>(&projection, id)->isReadOnly()) << id;
    }
    for (int id : {kProjection, kUnits})
        EXPECT_FALSE(find<QComboBox>(&projection, id)->isEditable()) << id;
    EXPECT_NE(find<QCheckBox>(&projection, kNatural), nullptr);
    EXPECT_NE(find<QPushButton>(&projection, kDatumButton), nullptr);

    CDatumDlg datum;
    for (int id : {datum_ids::kDatum, datum_ids::kEllipsoid})
        EXPECT_FALSE(find<QComboBox>(&datum, id)->isEditable()) << id;
    for (int id : {datum_ids::kSemiMajor, datum_ids::kSemiMinor, datum_ids::kShiftX,
                   datum_ids::kShiftY, datum_ids::kShiftZ, datum_ids::kOmega, datum_ids::kPsi,
                   datum_ids::kEpsilon, datum_ids::kScaleCorrection}) {
        EXPECT_FALSE(find<QLineEdit>(&datum, id)->isReadOnly()) << id;
    }
}

TEST(ProjectionDlgTexts, ListsInTheirOrder) {
    CProjectionDlg dlg;
    driver::open(&dlg);
    const QStringList types = {
        "Kegelabbildung (mittabstandstreu)",
        "Kegelabbildung (flächentreu)",
        "Kegelabbildung (winkeltreu)",
        "Azimutalabbildung (mittabstandstreu)",
        "Azimutalabbildung (flächentreu)",
        "Azimutalabbildung (winkeltreu)",
        "Zylinderabbildung (mittabstandstreu)",
        "Zylinderabbildung (flächentreu)",
        "Zylinderabbildung (winkeltreu)",
        "Bonn'sche Abbildung",
        "Schweizer Landesgitter",
        "Gauß-Krüger (Deutschland)",
        "Gauß-Krüger (Österreich Meldenetz)",
        "Gauß-Krüger (Allgemein)",
        "UTM",
        "Krassovsky",
    };
    auto entries = [&](int id) {
        QStringList list;
        auto* combo = find<QComboBox>(&dlg, id);
        for (int i = 0; i < combo->count(); ++i) list << combo->itemText(i);
        return list;
    };
    EXPECT_EQ(entries(kProjection), types);
    EXPECT_EQ(entries(kUnits), (QStringList{"mm", "cm", "m ", "km", "pixel"}));
    dlg.reject();
}

const IdText kDatumIdTexts[] = {{datum_ids::kOk, "OK"}, {datum_ids::kCancel, "Abbrechen"}};

const char* const kDatumLabels[] = {
    "&Datum",
    "&Ellipsoid",
    "&Halbachsen",
    "a",
    "m",
    "b",
    "m",
    "Transformation über 7 Parameter (nach WGS 84):",
    "&u",
    "m",
    "&v",
    "m",
    "&w",
    "m",
    "Translation (in Richtung der X-, Y-, Z-Achsen)",
    "&omega",
    "°",
    "&psi",
    "°",
    "ep&silon",
    "°",
    "Positive Drehungen (um die Z-, Y-, X-Achsen im Uhrzeigersinn vom positiven Ende der Achsen "
    "aus gesehen)",
    "&Maßstab",
};

TEST(DatumDlgTexts, CaptionGroupLabelsButtonsAndLists) {
    CDatumDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Datumsdefinition");
    EXPECT_EQ(ownTexts<QGroupBox>(&dlg), QStringList{"Datumsdefinition"});
    for (const IdText& row : kDatumIdTexts) {
        EXPECT_EQ(buttonOrLabelText(find(&dlg, row.id)), QString::fromUtf8(row.text)) << row.id;
    }
    QStringList expected;
    for (const char* label : kDatumLabels) expected << QString::fromUtf8(label);
    EXPECT_EQ(sorted(ownTexts<QLabel>(&dlg)), sorted(expected));

    driver::open(&dlg);
    auto entries = [&](int id) {
        QStringList list;
        auto* combo = find<QComboBox>(&dlg, id);
        for (int i = 0; i < combo->count(); ++i) list << combo->itemText(i);
        return list;
    };
    EXPECT_EQ(entries(datum_ids::kDatum),
              (QStringList{"(individuell)", "WGS 84 (ECEF)", "CH1903 (Obs. Bern)", "ED50",
                           "MGI (Hermannskogel)", "DHDN (Potsdam / Rauenberg)",
                           "System 42/83 (Pulkov)"}));
    EXPECT_EQ(entries(datum_ids::kEllipsoid), (QStringList{"(individuell)",
                                                           "(Kugel)",
                                                           "Airy (1830)",
                                                           "Modified Airy",
                                                           "Australian National",
                                                           "Bessel (1841)",
                                                           "Bessel (Namibia 1841)",
                                                           "Clarke (1866)",
                                                           "Clarke (1880)",
                                                           "Everest (India 1830)",
                                                           "Everest (India 1956)",
                                                           "Everest (Malaysia 1969)",
                                                           "Everest (Malaysia Singapore 1948)",
                                                           "Everest (Pakistan)",
                                                           "Everest (Sabah Sarawak)",
                                                           "Modified Fischer (1960)",
                                                           "GRS (1980)",
                                                           "Helmert (1906)",
                                                           "Hough (1960)",
                                                           "Indonesian (1974)",
                                                           "International (1924) = Hayford (1909)",
                                                           "Krassovsky (1940)",
                                                           "South American (1969)",
                                                           "WGS 72",
                                                           "WGS 84"}));
    dlg.reject();
}

}  // namespace
