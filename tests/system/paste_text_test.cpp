// Text pasted from the clipboard, typed at the ROM's key wait: host line
// ends, tabs, characters without a key, the closing message and the toggle.
#include <gtest/gtest.h>

#include <string>

#include "frontend/typed_text.h"
#include "frontend/user_commands.h"
#include "system/running_machine.h"

namespace quillor::test {
namespace {

std::string AsText(const TypedText& typed) { return std::string(typed.bytes.begin(), typed.bytes.end()); }

TEST(TextForTyping, EveryHostLineEndIsOneEnterAndATabABlank) {
  const TypedText typed = TextForTyping("10 A\r\n20 B\n30 C\r\r\n40\tD\n\r");
  EXPECT_EQ(AsText(typed), "10 A\r20 B\r30 C\r\r40 D\r\r");
  EXPECT_EQ(typed.skipped, 0u);
}

TEST(TextForTyping, CharactersWithoutAKeyAreSkippedAndCountedOnceEach) {
  // ASCII without a key, a two-byte and a four-byte UTF-8 character, a lone
  // control character; lower case and every sign the keyboard has stay.
  const TypedText typed = TextForTyping(
      "a[b]\\^_{|}~\x01"
      "\xC3\xA9"
      "\xF0\x9F\x98\x80"
      "z !\"#$%&'()*+,-./:;<=>?@");
  EXPECT_EQ(AsText(typed), "abz !\"#$%&'()*+,-./:;<=>?@");
  EXPECT_EQ(typed.skipped, 12u);
  EXPECT_EQ(SkippedCharactersMessage(1), "1 character with no key on the machine was skipped.");
  EXPECT_EQ(SkippedCharactersMessage(12), "12 characters with no key on the machine were skipped.");
}

TEST(PasteText, AListingWithHostLineEndsBecomesAProgramAndTheSkippedAreReported) {
  RunningMachine m;
  UserCommands commands(m.emu);
  ASSERT_TRUE(m.Boot());
  ASSERT_TRUE(commands.PasteText("10 REM caf\xC3\xA9\n20 END\r\n30\tREM ~\rLIST\n"));
  commands.AfterTick();
  EXPECT_TRUE(m.host.messages.empty()) << "the message waits for the end of the typing";
  ASSERT_TRUE(m.RunUntil([&] { return !m.emu.textInput.Active(); }));
  commands.AfterTick();
  ASSERT_EQ(m.host.messages.size(), 1u);
  EXPECT_EQ(m.host.messages.back(), SkippedCharactersMessage(2));
  EXPECT_NE(m.Screen().find(">LIST\n10 REM caf\n20 END\n30 REM\nREADY\n>"), std::string::npos) << m.Screen();
  // Nothing more to say on the next ticks, nor after a paste with every
  // character known.
  ASSERT_TRUE(commands.PasteText("NEW\n"));
  ASSERT_TRUE(m.RunUntil([&] {
    commands.AfterTick();
    return !m.emu.textInput.Active();
  }));
  commands.AfterTick();
  EXPECT_EQ(m.host.messages.size(), 1u);
}

TEST(PasteText, ChoosingItAgainWhileTypingStopsIt) {
  RunningMachine m;
  UserCommands commands(m.emu);
  ASSERT_TRUE(m.Boot());
  std::string listing;
  for (int line = 10; line < 100000; line += 10) listing += std::to_string(line) + " REM\tPASTED LINE\r\n";
  ASSERT_GT(listing.size(), 100u * 1024u);
  ASSERT_TRUE(commands.PasteText(listing));
  m.RunFrames(50);
  EXPECT_TRUE(m.emu.textInput.Active());
  EXPECT_FALSE(commands.PasteText(listing));
  EXPECT_FALSE(m.emu.textInput.Active());
  commands.AfterTick();
  EXPECT_TRUE(m.host.messages.empty());
  EXPECT_NE(m.Screen().find("0 REM PASTED LINE\n>"), std::string::npos) << m.Screen();
  const uint16_t stored = m.BasicEnd();
  EXPECT_GT(stored, 0x42EB) << "lines were stored";
  m.RunFrames(20);
  EXPECT_EQ(m.BasicEnd(), stored) << "nothing is typed after the stop";
}

}  // namespace
}  // namespace quillor::test
