#include "files/binary_screens.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "files/file_names.h"

namespace tessella::files {
namespace {

constexpr size_t kPair = 2;
constexpr size_t kRecord = 4;
constexpr char kPadByte = 0x20;

size_t RowsFor(size_t cells, size_t width) { return (cells + width - 1) / width; }

// Rows to keep out of `rows`, and whether some were left out.
size_t Bounded(size_t rows, int max_rows, bool& cut) {
  const size_t limit = static_cast<size_t>(std::max(max_rows, 0));
  cut = rows > limit;
  return std::min(rows, limit);
}

// (character, attribute) pairs to records (character, 32, attribute, 32). Done a cell
// at a time as one 32-bit word, which the compiler turns into wide moves: this is the
// whole cost of opening a large .BNY file.
void ExpandPairs(const char* in, size_t cells, char* out) {
  if constexpr (std::endian::native == std::endian::little) {
    for (size_t c = 0; c < cells; ++c) {
      std::uint16_t pair;
      std::memcpy(&pair, in + c * kPair, kPair);
      const std::uint32_t record = (pair & 0xFFu) | (static_cast<std::uint32_t>(pair & 0xFF00u) << 8) |
                                   0x20002000u;
      std::memcpy(out + c * kRecord, &record, kRecord);
    }
  } else {
    for (size_t c = 0; c < cells; ++c) {
      out[c * kRecord] = in[c * kPair];
      out[c * kRecord + 2] = in[c * kPair + 1];
    }
  }
}

// Writes the character and attribute of `width` cells of a row image as pairs; cells
// beyond the image are blanks in the new-document attribute.
void PutPairs(std::string_view row, size_t width, char* out) {
  const size_t held = std::min(width, row.size() / kRecord);
  for (size_t c = 0; c < held; ++c) {
    out[c * kPair] = row[c * kRecord];
    out[c * kPair + 1] = row[c * kRecord + 2];
  }
  for (size_t c = held; c < width; ++c) {
    out[c * kPair] = ' ';
    out[c * kPair + 1] = static_cast<char>(kBlankAttribute);
  }
}

void PutRecords(std::string_view row, size_t width, char* out) {
  const size_t held = std::min(width, row.size() / kRecord);
  std::copy_n(row.data(), held * kRecord, out);
  for (size_t c = held; c < width; ++c) {
    out[c * kRecord] = ' ';
    out[c * kRecord + 1] = kPadByte;
    out[c * kRecord + 2] = static_cast<char>(kBlankAttribute);
    out[c * kRecord + 3] = kPadByte;
  }
}

template <size_t kCellBytes, typename PutRow>
std::string Encode(const RowAt& row_at, PageRange range, PageShape shape, PutRow put_row) {
  if (range.pages <= 0 || shape.height <= 0 || shape.width <= 0) return {};
  const size_t width = static_cast<size_t>(shape.width);
  const size_t rows = static_cast<size_t>(range.pages) * static_cast<size_t>(shape.height);
  const size_t row_bytes = width * kCellBytes;
  std::string out(rows * row_bytes, '\0');
  for (size_t r = 0; r < rows; ++r)
    put_row(row_at(range.first_row + static_cast<int>(r)), width, out.data() + r * row_bytes);
  return out;
}

}  // namespace

LoadedRows DecodeBny(std::string_view bytes, int width, int max_rows) {
  LoadedRows loaded;
  if (width <= 0) return loaded;
  const size_t w = static_cast<size_t>(width);
  const size_t cells = bytes.size() / kPair;
  const size_t rows = Bounded(std::max<size_t>(RowsFor(cells, w), 1), max_rows, loaded.cut);
  loaded.rows.reserve(rows);
  for (size_t r = 0; r < rows; ++r) {
    const size_t first = r * w;
    const size_t count = std::min(w, cells - first);
    std::string row(count * kRecord, kPadByte);
    ExpandPairs(bytes.data() + first * kPair, count, row.data());
    loaded.rows.push_back(std::move(row));
  }
  return loaded;
}

LoadedRows DecodeBna(std::string_view bytes, int width, int max_rows) {
  LoadedRows loaded;
  if (width <= 0) return loaded;
  const size_t w = static_cast<size_t>(width);
  const size_t records = bytes.size() / kRecord;
  const size_t rows = Bounded(RowsFor(records, w), max_rows, loaded.cut);
  loaded.rows.reserve(rows);
  for (size_t r = 0; r < rows; ++r) {
    const size_t first = r * w;
    loaded.rows.emplace_back(bytes.substr(first * kRecord, std::min(w, records - first) * kRecord));
  }
  return loaded;
}

PageRange PagesToSave(int last_page_index, std::optional<int> part_pages, int current_row,
                      int page_height, int store_rows) {
  PageRange range;
  range.first_row = part_pages ? std::max(current_row, 0) : 0;
  const int wanted = part_pages ? *part_pages : last_page_index + 1;
  const int room = page_height > 0 ? std::max(store_rows - range.first_row, 0) / page_height : 0;
  range.pages = std::clamp(wanted, 0, room);
  return range;
}

std::optional<int> PartPagesAnswer(std::string_view line) {
  const size_t start = line.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  return LeadingNumber(line.substr(start));
}

std::string EncodeBny(const RowAt& row_at, PageRange range, PageShape shape) {
  return Encode<kPair>(row_at, range, shape, PutPairs);
}

std::string EncodeBna(const RowAt& row_at, PageRange range, PageShape shape) {
  return Encode<kRecord>(row_at, range, shape, PutRecords);
}

}  // namespace tessella::files
