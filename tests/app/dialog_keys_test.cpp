// The keyboard in every dialog, as key sequences sent to the real dialogs:
// a shortcut followed at once by a key that closes the dialog, Enter on a
// focused button, the focus at each opening, the fixed size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/about_dlg.h"
#include "definition/datum_dlg.h"
#include "distance/distance_dlg.h"
#include "fileio/file_formats.h"
#include "graticule/metafile_settings_dlg.h"
#include "tests/graticule/dialog_support.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/test_projection_dlg.h"

namespace {

using Factory = std::function<std::unique_ptr<platform::Dialog>()>;

template <class D>
Factory make(std::function<void(D&)> setUp = {}) {
    return [setUp] {
        auto dialog = std::make_unique<D>();
        if (setUp) setUp(*dialog);
        return std::unique_ptr<platform::Dialog>(std::move(dialog));
    };
}

struct NamedDialog {
    const char* name;
    Factory factory;
    int firstField;  // the control that has the focus at each opening
};

const std::vector<NamedDialog>& dialogs() {
    static const std::vector<NamedDialog> table = {
        {"Projektion definieren", make<TestProjectionDlg>(), projection_ids::kProjection},
        {"Datumsdefinition", make<CDatumDlg>(), datum_ids::kDatum},
        {"Kartennetz", make<dialog_test::TestGraticuleDlg>(), graticule_ids::kSouth},
        {"Quorin Einstellungen", make<CMetafileSettingsDlg>(), metafile_settings_ids::kKey10},
        {"Strecken / Winkel", make<CDistanceDlg>(), distance_ids::kPlace1Lat},
        {"Info", make<CAboutDlg>(), 1},
    };
    return table;
}

// To the focus widget; a closed dialog leaves none, and the key goes nowhere.
void sendKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QWidget* target = QApplication::focusWidget()) {
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
}

// A shortcut (Alt + letter) and, with no delay, a key that closes the
// dialog: the button acts at once while the dialog is open, the dialog ends
// once, and nothing acts after it closed.
struct ShortcutCase {
    const char* what;
    Factory factory;
    Qt::Key letter;
    int button;
    Qt::Key closing;
};

const ShortcutCase kShortcutCases[] = {
    {"Speichern, Escape", make<dialog_test::TestGraticuleDlg>(), Qt::Key_S, graticule_ids::kSave,
     Qt::Key_Escape},
    {"Speichern, Enter", make<dialog_test::TestGraticuleDlg>(), Qt::Key_S, graticule_ids::kSave,
     Qt::Key_Return},
    {"Einstellungen, Escape",
     make<dialog_test::TestGraticuleDlg>([](dialog_test::TestGraticuleDlg& d) {
         d.m_strFileFormat = std::string(fileio::kMetafileFormat);
     }),
     Qt::Key_E, graticule_ids::kSettings, Qt::Key_Escape},
    {"Datum, Escape",
     make<TestProjectionDlg>([](TestProjectionDlg& d) { d.m_strProjectionName = "UTM"; }),
     Qt::Key_D, projection_ids::kDatumButton, Qt::Key_Escape},
    {"Naturkoordinaten, Escape", make<TestProjectionDlg>(), Qt::Key_N, projection_ids::kNatural,
     Qt::Key_Escape},
    {"Schliessen, Escape", make<CDistanceDlg>(), Qt::Key_S, distance_ids::kClose, Qt::Key_Escape},
    {"Abflugwinkel, Escape", make<CDistanceDlg>(), Qt::Key_A, distance_ids::kWithDeclination,
     Qt::Key_Escape},
};

TEST(DialogKeys, ShortcutActsBeforeTheKeyThatClosesTheDialog) {
    for (const ShortcutCase& c : kShortcutCases) {
        SCOPED_TRACE(c.what);
        platform::RecordingMessageService messages;
        std::unique_ptr<platform::Dialog> dialog = c.factory();
        driver::open(dialog.get());
        auto* button = driver::find<QAbstractButton>(dialog.get(), c.button);
        std::vector<bool> openAtClick;
        QObject::connect(button, &QAbstractButton::released,
                         [&] { openAtClick.push_back(dialog->isVisible()); });
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        size_t boxesAtClose = 0;
        QObject::connect(dialog.get(), &QDialog::finished,
                         [&] { boxesAtClose = messages.messages.size(); });

        sendKey(c.letter, Qt::AltModifier);
        sendKey(c.closing);
        if (dialog->isVisible()) dialog->reject();  // a key the button's action kept
        QTest::qWait(250);                          // longer than Qt's animated click

        EXPECT_EQ(openAtClick, std::vector<bool>{true});
        EXPECT_EQ(finished.count(), 1);
        EXPECT_EQ(messages.messages.size(), boxesAtClose);
    }
}

// Enter on a focused button presses that button, in every dialog; only OK
// accepts.
TEST(DialogKeys, EnterPressesTheFocusedButton) {
    for (const NamedDialog& row : dialogs()) {
        std::unique_ptr<platform::Dialog> probe = row.factory();
        for (QPushButton* prototype : probe->findChildren<QPushButton*>()) {
            if (prototype->window() != probe.get()) continue;  // an owned dialog's
            const int id = prototype->property(platform::kControlIdProperty).toInt();
            SCOPED_TRACE(std::string(row.name) + " " + std::to_string(id));
            platform::RecordingMessageService messages;
            std::unique_ptr<platform::Dialog> dialog = row.factory();
            driver::open(dialog.get());
            auto* button = driver::find<QPushButton>(dialog.get(), id);
            if (!button->isVisible() || !button->isEnabled()) continue;
            QSignalSpy clicks(button, &QAbstractButton::clicked);
            QSignalSpy accepted(dialog.get(), &QDialog::accepted);
            dialog->focusControl(button);
            sendKey(Qt::Key_Return);
            EXPECT_EQ(clicks.count(), 1);
            EXPECT_EQ(accepted.count(), id == 1 ? 1 : 0);
            if (dialog->isVisible()) dialog->reject();
        }
    }
}

// Every opening puts the focus in the first field with its text selected,
// also after the dialog was closed with a button.
TEST(DialogKeys, EachOpeningFocusesTheFirstField) {
    for (const NamedDialog& row : dialogs()) {
        SCOPED_TRACE(row.name);
        platform::RecordingMessageService messages;
        std::unique_ptr<platform::Dialog> dialog = row.factory();
        for (int opening = 0; opening < 2; ++opening) {
            driver::open(dialog.get());
            EXPECT_TRUE(driver::focused(dialog.get(), row.firstField)) << opening;
            if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                EXPECT_EQ(edit->selectedText(), edit->text()) << opening;
            }
            dialog->focusControl(driver::find(dialog.get(), 1));
            sendKey(Qt::Key_Return);
            EXPECT_FALSE(dialog->isVisible()) << opening;
        }
    }
}

// Every dialog keeps the size its layout was drawn with.
TEST(DialogKeys, DialogsHaveAFixedSize) {
    for (const NamedDialog& row : dialogs()) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<platform::Dialog> dialog = row.factory();
        driver::open(dialog.get());
        const QSize drawn = dialog->size();
        EXPECT_EQ(dialog->minimumSize(), drawn);
        EXPECT_EQ(dialog->maximumSize(), drawn);
        EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_FALSE(dialog->isSizeGripEnabled());
        dialog->resize(drawn + QSize(100, 80));
        EXPECT_EQ(dialog->size(), drawn);
        dialog->reject();
    }
}

}  // namespace
