// The console's multi-line text editor: what the keys do to the text, how it ends, and
// the box on a console smaller than it.
#include <gtest/gtest.h>

#include "console/console.h"
#include "console/input.h"
#include "fake_host.h"
#include "ui/text_editor.h"

namespace tessella {
namespace {

struct Editing {
  console::Console con;
  testing::FakeHost host;
  console::Input input{host};
  std::string result;
  int caret_row = 0;  // the console's cursor at the first wait
  int caret_col = 0;

  Editing(std::string_view text, std::string_view script, ui::TextAreaSize size = {20, 4},
          std::size_t max = 1999, int rows = 35, int cols = 90)
      : con(rows, cols) {
    host.Queue(script);
    host.on_wait = [this] {
      if (host.waits == 1) std::tie(caret_row, caret_col) = std::pair{con.cursor_row(), con.cursor_col()};
    };
    const console::RecordImage before = con.Snapshot();
    result = ui::EditText(ui::Modal{con, input, host}, " Title", text, size, max);
    EXPECT_EQ(con.Snapshot(), before) << "the editor leaves no trace";
    EXPECT_EQ(host.pending(), 0u) << "the editor ended early";
  }
};

TEST(TextEditor, KeysEditTheTextAndOnlyOkEndsIt) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"Hello ", "key Esc\ntype world\nkey Alt-O\n", "Hello world"},
      {"ab", "key Enter\ntype c\nkey Alt-O\n", "ab\r\nc"},
      {"ab\r\ncd", "key Home\nkey Backspace\nkey Alt-O\n", "abcd"},
      {"ab\r\ncd", "key Up\nkey End\nkey Del\nkey Alt-O\n", "abcd"},
      {"abc", "key Left\nkey Left\ntype X\nkey Home\nkey Del\nkey Alt-O\n", "Xbc"},
      {"one", "key Tab\ntype x\nkey Enter\n", "one"},  // Tab, then Enter on Ok
      {"one", "key Tab\nkey Tab\ntype x\nkey Tab\nkey Space\n", "onex"},
      // 25 characters 10 to a row: Up twice goes from the third row to the first.
      {"abcdefghijklmnopqrstuvwxy", "key Up\nkey Up\ntype _\nkey Alt-O\n", "abcde_fghijklmnopqrstuvwxy"},
  };
  for (const auto& [text, script, expected] : cases) {
    Editing e(text, script, {10, 4});
    EXPECT_EQ(e.result, expected) << script;
  }
}

TEST(TextEditor, OpensWithTheCaretAtTheEndAClickOnOkEndsItAndTheTextKeepsItsLimit) {
  // A 20 x 4 text area on a 35 x 90 console: the box on rows 14-21, columns 34-57, the
  // text from row 15, column 36, Ok on row 20 from column 36.
  Editing click("abc", "key Esc\nclick 15 40\nclick 20 37\n");
  EXPECT_EQ(click.result, "abc");
  EXPECT_EQ(click.caret_row, 15);
  EXPECT_EQ(click.caret_col, 39);

  Editing full(std::string(12, 'x'), "type yy\nkey Enter\nkey Alt-O\n", {20, 4}, 10);
  EXPECT_EQ(full.result, std::string(10, 'x'));
  EXPECT_EQ(full.host.beeps, 3);

  Editing tiny("some text", "type !\nkey Alt-O\n", {80, 40}, 1999, 5, 12);
  EXPECT_EQ(tiny.result, "some text!");
}

}  // namespace
}  // namespace tessella
