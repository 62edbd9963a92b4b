#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "dialog_support.h"
#include "graticule/metafile_settings_dlg.h"

namespace {

using namespace metafile_settings_ids;

using dialog_test::click;
using dialog_test::key;
using dialog_test::text;
using dialog_test::type;

struct KeyField {
    int id;
    const char* label;
    int32_t CMetafileSettingsDlg::*member;
    int32_t defaultKey;
};

const KeyField kFields[] = {
    {kKey10, "1&0° Linien", &CMetafileSettingsDlg::m_nKey10, 9000},
    {kKey5, "&5° Linien", &CMetafileSettingsDlg::m_nKey5, 9001},
    {kKey2, "&2° Linien", &CMetafileSettingsDlg::m_nKey2, 9002},
    {kKey1, "&1° Linien", &CMetafileSettingsDlg::m_nKey1, 9003},
    {kKey30, "&30' Linien", &CMetafileSettingsDlg::m_nKey30, 9004},
    {kKeyCircles, "Polar- und &Wendekreise", &CMetafileSettingsDlg::m_nKeyCircles, 9005},
    {kKeyOther, "&sonstige Linien", &CMetafileSettingsDlg::m_nKeyOther, 9006},
};

class MetafileSettings : public ::testing::Test {
protected:
    void SetUp() override { dialog_test::open(&dialog); }
    platform::RecordingMessageService messages;
    CMetafileSettingsDlg dialog;
};

TEST_F(MetafileSettings, DefaultsAndLabels) {
    EXPECT_EQ(dialog.windowTitle(), "Quorin Einstellungen");
    for (const KeyField& f : kFields) {
        EXPECT_EQ(dialog.*(f.member), f.defaultKey);
        EXPECT_EQ(text(&dialog, f.id), QString::number(f.defaultKey)) << f.id;
        auto* edit = dialog_test::control<QLineEdit>(&dialog, f.id);
        bool labelled = false;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->buddy() == edit) labelled = label->text() == QString::fromUtf8(f.label);
        }
        EXPECT_TRUE(labelled) << f.label;
    }
    EXPECT_EQ(dialog.objectKeys(), graticule::ObjectKeys{});
    EXPECT_EQ(text(&dialog, 1), "OK");
    EXPECT_EQ(text(&dialog, 2), "Abbrechen");
}

TEST_F(MetafileSettings, KeyCheckWhenAFieldLosesTheFocus) {
    struct Case {
        const char* typed;
        int32_t value;
        bool valid;
    };
    const Case cases[] = {{"0", 0, false}, {"10000", 10000, false}, {"-5", -5, false},
                          {"1", 1, true},  {"9999", 9999, true},    {"77", 77, true}};
    for (const KeyField& f : kFields) {
        for (const Case& c : cases) {
            messages.clear();
            type(&dialog, f.id, c.typed);
            key(Qt::Key_Tab);
            EXPECT_EQ(dialog.*(f.member), c.value) << f.id << " " << c.typed;
            if (c.valid) {
                EXPECT_TRUE(messages.messages.empty()) << f.id << " " << c.typed;
                continue;
            }
            ASSERT_EQ(messages.messages.size(), 1u) << f.id << " " << c.typed;
            EXPECT_EQ(messages.messages[0].text,
                      QString::fromUtf8("Wert für Objekt-Nummer zwischen 1 und 9999"));
            EXPECT_EQ(messages.messages[0].caption, "Falsche Eingabe");
            EXPECT_EQ(messages.messages[0].icon, platform::Icon::Exclamation);
            EXPECT_TRUE(dialog_test::focused(&dialog, f.id));
            type(&dialog, f.id, "1");
        }
    }
}

TEST_F(MetafileSettings, OkKeepsAndCancelRestores) {
    type(&dialog, kKey10, "1234");
    type(&dialog, kKeyOther, "42");
    click(&dialog, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.m_nKey10, 1234);
    EXPECT_EQ(dialog.m_nKeyOther, 42);
    EXPECT_EQ(dialog.objectKeys().keyOther, 42);

    dialog_test::open(&dialog);
    EXPECT_EQ(text(&dialog, kKey10), "1234");
    type(&dialog, kKey10, "1");
    type(&dialog, kKeyCircles, "2");
    key(Qt::Key_Tab);
    EXPECT_EQ(dialog.m_nKeyCircles, 2);
    click(&dialog, 2);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.m_nKey10, 1234);
    EXPECT_EQ(dialog.m_nKeyCircles, 9005);
}

TEST_F(MetafileSettings, OkStaysOpenWhenAKeyIsNoWholeNumber) {
    type(&dialog, kKey30, "12.5");
    click(&dialog, 1);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.back().text,
              QString::fromUtf8("Bitte geben Sie eine ganze Zahl ein."));
    EXPECT_EQ(dialog.m_nKey30, 9004);
}

}  // namespace
