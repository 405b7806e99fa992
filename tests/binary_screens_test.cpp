// Binary screen files: pages of the document as two-byte cells (.BNY) or records (.BNA).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/binary_screens.h"

namespace tessella::files {
namespace {

constexpr PageShape kDefault{34, 90};

// Rows of every byte value, in records whose pads are not always 32.
std::vector<std::string> VariedRows(int count, int width) {
  std::vector<std::string> rows;
  for (int r = 0; r < count; ++r) {
    std::string row;
    for (int c = 0; c < width; ++c) {
      const int n = r * width + c;
      row += {static_cast<char>(n % 256), static_cast<char>(n % 7 == 0 ? 0 : 32),
              static_cast<char>((n * 31) % 256), 32};
    }
    rows.push_back(row);
  }
  return rows;
}

RowAt From(const std::vector<std::string>& rows) {
  return [&rows](int i) {
    return i >= 0 && static_cast<size_t>(i) < rows.size() ? std::string_view(rows[i])
                                                           : std::string_view();
  };
}

TEST(BinaryScreens, PagesRoundTripAtTheirDocumentedSizes) {
  const std::vector<std::string> rows = VariedRows(68, 90);
  const std::string bny = EncodeBny(From(rows), {0, 1}, kDefault);
  const std::string bna = EncodeBna(From(rows), {0, 2}, kDefault);
  EXPECT_EQ(bny.size(), 6120u);
  EXPECT_EQ(bna.size(), 2 * 12240u);

  const LoadedRows from_bna = DecodeBna(bna, 90, 34000);
  EXPECT_EQ(from_bna.rows, rows);  // pads come back as stored
  const LoadedRows from_bny = DecodeBny(bny, 90, 34000);
  ASSERT_EQ(from_bny.rows.size(), 34u);
  for (size_t r = 0; r < 34; ++r)
    for (size_t c = 0; c < 90; ++c) {
      EXPECT_EQ(from_bny.rows[r].substr(c * 4, 4),
                (std::string{rows[r][c * 4], 32, rows[r][c * 4 + 2], 32}));
    }
}

TEST(BinaryScreens, ShortOddAndOverlongFilesStayWithinTheirBytes) {
  struct Case {
    bool bny;
    size_t bytes;
    int max_rows;
    std::vector<size_t> row_sizes;
    bool cut;
  };
  const std::vector<Case> cases = {
      {true, 0, 10, {0}, false},            // an empty .BNY stores one empty row
      {true, 1, 10, {0}, false},            // half a cell is no cell
      {true, 181, 10, {360}, false},        // one row, then half a cell
      {true, 183, 10, {360, 4}, false},     // a short last row
      {true, 180 * 5, 3, {360, 360, 360}, true},
      {false, 0, 10, {}, false},
      {false, 3, 10, {}, false},
      {false, 365, 10, {360, 4}, false},
      {false, 367, 10, {360, 4}, false},    // a partial record is dropped
      {false, 720, 1, {360}, true},
      {false, 720, 0, {}, true},
  };
  for (const Case& t : cases) {
    // A string_view into a larger buffer: the readers must stop at its end.
    const std::string buffer(t.bytes + 16, '\xAA');
    const std::string_view file(buffer.data(), t.bytes);
    const LoadedRows loaded = t.bny ? DecodeBny(file, 90, t.max_rows) : DecodeBna(file, 90, t.max_rows);
    std::vector<size_t> sizes;
    for (const std::string& row : loaded.rows) sizes.push_back(row.size());
    EXPECT_EQ(sizes, t.row_sizes) << t.bny << " " << t.bytes;
    EXPECT_EQ(loaded.cut, t.cut) << t.bny << " " << t.bytes;
  }
}

TEST(BinaryScreens, RowsNeverFilledOrNarrowAreWrittenAsNewDocumentBlanks) {
  const std::vector<std::string> rows = {std::string("A\x20\x1E\x20", 4)};  // one cell wide
  const std::string bny = EncodeBny(From(rows), {0, 1}, {2, 3});
  EXPECT_EQ(bny, std::string("A\x1E \xF9 \xF9 \xF9 \xF9 \xF9", 12));
  const std::string bna = EncodeBna(From(rows), {0, 1}, {1, 2});
  EXPECT_EQ(bna, std::string("A\x20\x1E\x20 \x20\xF9\x20", 8));
}

TEST(BinaryScreens, PagesToSaveFollowTheBookkeepingAndStayInTheStore) {
  EXPECT_EQ(PagesToSave(2, std::nullopt, 68, 34, 35001), (PageRange{0, 3}));
  EXPECT_EQ(PagesToSave(2, 5, 68, 34, 35001), (PageRange{68, 5}));
  EXPECT_EQ(PagesToSave(2, 5000, 68, 34, 35001), (PageRange{68, (35001 - 68) / 34}));
  EXPECT_EQ(PagesToSave(2, -4, 68, 34, 35001), (PageRange{68, 0}));
  EXPECT_EQ(PartPagesAnswer(""), std::nullopt);
  EXPECT_EQ(PartPagesAnswer("  "), std::nullopt);
  EXPECT_EQ(PartPagesAnswer(" 5"), 5);
  EXPECT_EQ(PartPagesAnswer("x"), 0);
}

}  // namespace
}  // namespace tessella::files
