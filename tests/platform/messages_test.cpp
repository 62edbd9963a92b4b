#include <gtest/gtest.h>

#include "tests/support/recording_messages.h"

using namespace platform;

namespace {

TEST(RecordingMessages, RecordsBoxesAndAnswersFromTheScript) {
    RecordingMessageService boxes;
    EXPECT_EQ(&messageService(), &boxes);
    boxes.answers = {Answer::No};
    EXPECT_EQ(showMessage(nullptr, "Weiter?", "Einheiten", Icon::Question, Buttons::YesNo),
              Answer::No);
    EXPECT_EQ(showMessage(nullptr, "Noch?", "Einheiten", Icon::Question, Buttons::YesNo),
              Answer::Yes);
    EXPECT_EQ(showMessage(nullptr, "Fertig.", "Fertig", Icon::None), Answer::Ok);
    EXPECT_FALSE(warnInput(nullptr, "Bereich"));
    ASSERT_EQ(boxes.messages.size(), 4u);
    EXPECT_EQ(boxes.texts(), (QStringList{"Weiter?", "Noch?", "Fertig.", "Bereich"}));
    EXPECT_EQ(boxes.messages[2].icon, Icon::None);
    EXPECT_EQ(boxes.messages[3].caption, "Falsche Eingabe");
    EXPECT_EQ(boxes.messages[3].icon, Icon::Exclamation);
    EXPECT_EQ(boxes.messages[3].buttons, Buttons::Ok);

    boxes.files = {"/tmp/a.met"};
    EXPECT_EQ(messageService().chooseSaveFile(nullptr, "met", "Metafile (*.met)", "x"),
              "/tmp/a.met");
    EXPECT_EQ(messageService().chooseOpenFile(nullptr, "txt", "Text (*.txt)", ""), "");
    ASSERT_EQ(boxes.fileDialogs.size(), 2u);
    EXPECT_TRUE(boxes.fileDialogs[0].save);
    EXPECT_EQ(boxes.fileDialogs[0].defaultSuffix, "met");
    EXPECT_FALSE(boxes.fileDialogs[1].save);
    EXPECT_EQ(boxes.fileDialogs[1].filter, "Text (*.txt)");
}

TEST(RecordingMessages, NestedRecordersRestoreTheOuterOne) {
    MessageService& qt = messageService();
    {
        RecordingMessageService outer;
        {
            RecordingMessageService inner;
            showMessage(nullptr, "innen", "x");
            EXPECT_EQ(inner.messages.size(), 1u);
        }
        EXPECT_EQ(&messageService(), &outer);
        showMessage(nullptr, "außen", "x");
        EXPECT_EQ(outer.texts(), QStringList{QStringLiteral("außen")});
    }
    EXPECT_EQ(&messageService(), &qt);
}

}  // namespace
