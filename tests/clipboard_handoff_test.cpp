// The clipboard hand-off: the bytes handed over are the bytes the user gets, byte for
// byte, whatever they are.
#include <gtest/gtest.h>

#include "area_bench.h"
#include "core/clipboard.h"
#include "console/input.h"
#include "platform/replay_host.h"
#include "replay_fixture.h"

namespace tessella {
namespace {

// Every byte from 1 to 255, lines ended by CR LF as generated code ends them.
std::string AllBytes() {
  std::string text;
  for (int b = 1; b <= 255; ++b) {
    text += static_cast<char>(b);
    if (b % 32 == 0) text += "\r\n";
  }
  return text + "\r\n";
}

TEST(AreaClipboardHandOff, ExactBytesReachTheClipboardAndTheDump) {
  const auto dir = testing::FreshDir("clipboard-handoff");
  console::Console con;
  platform::ReplayHost host(con, platform::ParseScript("dump handed\n"), dir);
  console::Input input(host);
  testing::FakeFileSystem files;
  core::Editor ed(con, input, host, files);

  core::HandToClipboard(ed, "an earlier text that is longer than nothing at all");
  core::HandToClipboard(ed, AllBytes());

  ASSERT_TRUE(host.clipboard().has_value());
  EXPECT_EQ(*host.clipboard(), AllBytes()) << "the second hand-off replaces the first whole";
  // The dump is written when the program next asks for input.
  EXPECT_THROW(host.Poll(), ports::SessionEnd);
  EXPECT_EQ(testing::ReadFile(dir / "handed.clip"), AllBytes());
}

TEST(AreaClipboardHandOff, AClipboardThatCannotBeWrittenIsToldAndTheCommandGoesOn) {
  testing::AreaBench b;
  b.PaintPattern();
  const console::RecordImage screen = b.console.Snapshot();
  b.host.clipboard_fails = true;
  EXPECT_NO_THROW(core::HandToClipboard(b.ed, "text"));
  EXPECT_FALSE(b.host.clipboard.has_value());
  // A message box for three seconds, then the screen as it was.
  EXPECT_EQ(b.host.beeps, 1);
  EXPECT_EQ(b.host.slept_ms, 3000);
  ASSERT_EQ(b.screens.at_pause.size(), 1u);
  std::string shown;  // the characters of the screen during the pause
  for (size_t i = 0; i < b.screens.at_pause[0].size(); i += 2) shown += b.screens.at_pause[0][i];
  EXPECT_NE(shown.find("Not on the clipboard: clipboard busy"), std::string::npos);
  EXPECT_TRUE(b.console.Snapshot() == screen);
}

}  // namespace
}  // namespace tessella
