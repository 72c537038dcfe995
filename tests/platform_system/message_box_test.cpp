// The message box's keyboard and the headless replies.
#include <gtest/gtest.h>

#include "platform/headless/headless_backend.h"
#include "platform/input.h"
#include "platform/message_box.h"
#include "platform/system.h"

TEST(MessageBoxKeys, QuitQuestionDefaultsToNoAndCannotBeEscaped) {
    plat::MessageBox box("Quit?", "System message", 276);
    EXPECT_EQ(box.defaultAnswer(), plat::AnswerNo);
    EXPECT_EQ(box.key(plat::KeyEscape), 0);
    EXPECT_EQ(box.key(plat::KeyReturn), plat::AnswerNo);
}

TEST(MessageBoxKeys, FocusMovesAndLettersAnswer) {
    plat::MessageBox box("Quit?", "t", 276);
    box.key(plat::KeyTab);
    EXPECT_EQ(box.key(plat::KeyReturn), plat::AnswerYes);
    plat::MessageBox other("Quit?", "t", 276);
    EXPECT_EQ(other.key('Y'), plat::AnswerYes);
    plat::MessageBox ok("Note", "t", 0);
    ASSERT_EQ(ok.buttons.size(), 1u);
    EXPECT_EQ(ok.key('N'), 0);
    EXPECT_EQ(ok.key(plat::KeyEscape), plat::AnswerOk);
}

TEST(MessageBoxKeys, HeadlessRepliesFromTheQueueOrTheDefault) {
    plat::HeadlessBackend backend;
    plat::System sys(backend, 640, 480);
    backend.answers = {plat::AnswerYes, plat::AnswerOk};
    EXPECT_EQ(sys.msgBox("Quit?", 276, "System message"), plat::AnswerYes);
    EXPECT_EQ(sys.msgBox("Quit?", 276, "System message"), plat::AnswerNo);  // OK is no reply here
    EXPECT_EQ(sys.msgBox("Quit?", 276, "System message"), plat::AnswerNo);
    ASSERT_EQ(backend.boxes.size(), 3u);
    EXPECT_EQ(backend.boxes[0].title, "System message");
    EXPECT_EQ(sys.openMessageBox(), nullptr);
}
