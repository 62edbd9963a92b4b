#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "platform/data_exchange.h"
#include "test_dialogs.h"
#include "tests/support/recording_messages.h"

using platform::DataExchange;
using platform::Icon;
using testing_dialogs::FieldsDialog;

namespace {

class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        boxes.clear();
    }

    platform::RecordingMessageService boxes;
    FieldsDialog dialog;
};

TEST_F(ExchangeTest, ShowingPutsEveryMemberIntoItsControl) {
    dialog.m_dSouth = 9.5e-05;
    dialog.m_dNorth = -0.0;
    dialog.m_nStrip = -12;
    dialog.m_strName = "Übersicht 1:25 000";
    dialog.m_strType = "Gauß-Krüger";
    dialog.m_bNatural = false;
    dialog.m_dResult = 1.0 / 3.0;
    ASSERT_TRUE(dialog.updateData(false));
    EXPECT_EQ(dialog.south->text(), "9.5e-05");
    EXPECT_EQ(dialog.north->text(), "-0");
    EXPECT_EQ(dialog.strip->text(), "-12");
    EXPECT_EQ(dialog.name->text(), QStringLiteral("Übersicht 1:25 000"));
    EXPECT_EQ(dialog.type->currentIndex(), 0);
    EXPECT_FALSE(dialog.natural->isChecked());
    EXPECT_EQ(dialog.result->text(), "0.333333333333333");
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(ExchangeTest, SavingTakesEveryControlButTheResultField) {
    dialog.south->setText("  -12.5 ");
    dialog.north->setText("1e3");
    dialog.strip->setText(" 31 ");
    dialog.name->setText(QStringLiteral("Straße"));
    dialog.type->setCurrentIndex(3);
    dialog.natural->setChecked(false);
    dialog.result->setText("99");
    ASSERT_TRUE(dialog.updateData(true));
    EXPECT_EQ(dialog.m_dSouth, -12.5);
    EXPECT_EQ(dialog.m_dNorth, 1000.0);
    EXPECT_EQ(dialog.m_nStrip, 31);
    EXPECT_EQ(dialog.m_strName, "Straße");
    EXPECT_EQ(dialog.m_strType, "Bonne");
    EXPECT_FALSE(dialog.m_bNatural);
    EXPECT_EQ(dialog.m_dResult, 0.5);
    EXPECT_TRUE(boxes.messages.empty());
}

// "47,5" is 47.5 and the field shows it back with the point; a field typed
// with the point keeps its text as typed.
TEST_F(ExchangeTest, DecimalCommaIsTakenAndShownBackWithThePoint) {
    dialog.south->setText("47,5");
    dialog.north->setText(" 1.50 ");
    ASSERT_TRUE(dialog.updateData(true));
    EXPECT_EQ(dialog.m_dSouth, 47.5);
    EXPECT_EQ(dialog.south->text(), "47.5");
    EXPECT_EQ(dialog.north->text(), " 1.50 ");
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(ExchangeTest, BadNumberShowsTheMessageTakesTheFocusAndStops) {
    for (const char* bad : {"nan", "inf", "1e999", "52,4,1", "", "12.5abc"}) {
        SCOPED_TRACE(bad);
        boxes.clear();
        dialog.m_dSouth = 1.0;
        dialog.m_dNorth = 2.0;
        dialog.m_nStrip = 3;
        dialog.south->setText("-45");
        dialog.north->setText(bad);
        dialog.strip->setText("8");
        dialog.name->setFocus();

        EXPECT_FALSE(dialog.updateData(true));
        ASSERT_EQ(boxes.messages.size(), 1u);
        EXPECT_EQ(boxes.messages[0].text, "Bitte geben Sie eine Zahl ein.");
        EXPECT_EQ(boxes.messages[0].caption, "Gitterwerk");
        EXPECT_EQ(boxes.messages[0].icon, Icon::Exclamation);
        EXPECT_EQ(boxes.messages[0].buttons, platform::Buttons::Ok);
        EXPECT_EQ(QApplication::focusWidget(), dialog.north);
        EXPECT_EQ(dialog.north->selectedText(), QString::fromLatin1(bad));
        EXPECT_EQ(dialog.m_dSouth, -45.0);  // before the bad field: taken
        EXPECT_EQ(dialog.m_dNorth, 2.0);
        EXPECT_EQ(dialog.m_nStrip, 3);  // after it: kept
        EXPECT_EQ(dialog.north->text(), QString::fromLatin1(bad));
    }
}

TEST_F(ExchangeTest, BadIntegerShowsTheIntegerMessage) {
    for (const char* bad : {"2147483648", "-2147483649", "1.5", "", "x"}) {
        SCOPED_TRACE(bad);
        boxes.clear();
        dialog.m_nStrip = 3;
        dialog.m_strName = "alt";
        dialog.strip->setText(bad);
        dialog.name->setText("neu");
        EXPECT_FALSE(dialog.updateData(true));
        ASSERT_EQ(boxes.texts(), QStringList{"Bitte geben Sie eine ganze Zahl ein."});
        EXPECT_EQ(QApplication::focusWidget(), dialog.strip);
        EXPECT_EQ(dialog.m_nStrip, 3);
        EXPECT_EQ(dialog.m_strName, "alt");
    }
}

TEST_F(ExchangeTest, ComboSelectsTheFirstEntryBeginningWithTheMember) {
    const std::pair<const char*, int> cases[] = {
        {"Gauß-Krüger", 0}, {"Gauß-Krüger (A", 1}, {"UTM", 2}, {"Bonne", 3},
        {"utm", -1},        {"Bonne!", -1},        {"B", 3},   {"", 0},
    };
    for (const auto& [member, index] : cases) {
        dialog.type->setCurrentIndex(2);
        dialog.m_strType = member;
        dialog.updateData(false);
        EXPECT_EQ(dialog.type->currentIndex(), index) << member;
    }
    dialog.type->setCurrentIndex(1);
    dialog.updateData(true);
    EXPECT_EQ(dialog.m_strType, "Gauß-Krüger (Allgemein)");
    dialog.type->setCurrentIndex(-1);
    dialog.updateData(true);
    EXPECT_EQ(dialog.m_strType, "");
}

TEST_F(ExchangeTest, CheckBoxFollowsItsMemberBothWays) {
    for (bool value : {true, false, true}) {
        dialog.m_bNatural = value;
        dialog.updateData(false);
        EXPECT_EQ(dialog.natural->isChecked(), value);
        dialog.natural->setChecked(!value);
        dialog.updateData(true);
        EXPECT_EQ(dialog.m_bNatural, !value);
    }
}

TEST(LabelExchange, ShowsTheMemberAsPlainText) {
    QLabel label;
    std::string summary = "<b>C:/Karten/netz.met</b>";
    platform::DataExchange show(nullptr, false);
    show.text(&label, summary);
    EXPECT_EQ(label.text(), QString::fromStdString(summary));
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    std::string taken;
    platform::DataExchange save(nullptr, true);
    save.text(&label, taken);
    EXPECT_EQ(taken, summary);
}

TEST_F(ExchangeTest, ShowingAnUnchangedValueLeavesTheFieldAlone) {
    dialog.m_dSouth = 12.5;
    dialog.updateData(false);
    dialog.south->setFocus();
    dialog.south->setCursorPosition(1);
    int changes = 0;
    QObject::connect(dialog.south, &QLineEdit::textChanged, [&changes] { ++changes; });
    dialog.updateData(false);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(dialog.south->cursorPosition(), 1);
}

}  // namespace
