// Text export of the pages and the text view of any other file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/text_pages.h"

namespace tessella::files {
namespace {

std::vector<std::string> Rows(std::string_view file, int width = 90, int max_rows = 34000) {
  return ViewTextRows(file, width, max_rows).rows;
}

TEST(TextPages, ExportWritesEveryRowsCharactersAndBlanksForCellsNeverFilled) {
  std::vector<std::string> rows(102);
  for (size_t r = 0; r < 100; ++r)
    for (int c = 0; c < 90; ++c) rows[r] += {static_cast<char>('a' + r % 26), ' ', '\x71', ' '};
  const RowAt row_at = [&rows](int i) { return std::string_view(rows[static_cast<size_t>(i)]); };
  rows[100] = rows[0].substr(0, 4 * 10);  // a short row, as a short file leaves it
  const std::string text = EncodeTextPages(row_at, {0, 3}, {34, 90});
  EXPECT_EQ(text.size(), 102 * 92u);
  EXPECT_EQ(text.substr(92, 92), std::string(90, 'b') + "\r\n");
  EXPECT_EQ(text.substr(100 * 92, 92), std::string(10, 'a') + std::string(80, ' ') + "\r\n");
  EXPECT_TRUE(text.ends_with(std::string(90, ' ') + "\r\n"));  // the last row holds no image
}

TEST(TextPages, LongLinesBreakAfterTheirLastBlankThatFits) {
  const std::string words = std::string(80, 'x') + " " + std::string(10, 'y') + " " +
                            std::string(28, 'z') + "   ";
  EXPECT_EQ(Rows(words), (std::vector<std::string>{std::string(80, 'x') + " ",
                                                   std::string(10, 'y') + " " + std::string(28, 'z')}));
  const std::string solid(200, 's');
  EXPECT_EQ(Rows(solid), (std::vector<std::string>{std::string(86, 's'), std::string(86, 's'),
                                                   std::string(28, 's')}));
  EXPECT_EQ(Rows("a b c d e", 10), (std::vector<std::string>{"a b c ", "d e"}));
}

TEST(TextPages, LineEndsTabsAndControlBytesShowSanely) {
  const std::string file("dos\r\nunix\nmac\r\r\ttab\tend\t\n\xB0\xDB\x80\x00\x1A!\n\x1A\x1A", 34);
  EXPECT_EQ(Rows(file),
            (std::vector<std::string>{"dos", "unix", "mac", "", "        tab     end",
                                      std::string("\xB0\xDB\x80\x00\x1A!", 6)}));
  EXPECT_TRUE(Rows("").empty());
  EXPECT_EQ(Rows("\n\n"), (std::vector<std::string>{"", ""}));
}

TEST(TextPages, ViewStopsAtTheEndOfTheDocument) {
  std::string forty;
  for (int i = 1; i <= 40; ++i) forty += "line " + std::to_string(i) + "\r\n";
  const TextRows all = ViewTextRows(forty, 90, 34000);
  EXPECT_EQ(all.rows.size(), 40u);
  EXPECT_FALSE(all.cut);
  const TextRows first = ViewTextRows(forty, 90, 34);
  EXPECT_EQ(first.rows.size(), 34u);
  EXPECT_EQ(first.rows.back(), "line 34");
  EXPECT_TRUE(first.cut);
  EXPECT_FALSE(ViewTextRows(forty, 90, 40).cut);
}

}  // namespace
}  // namespace tessella::files
