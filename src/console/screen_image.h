#pragma once
// Rectangles of cells as values. A screen image holds (character, attribute) pairs,
// row by row: what pictures, generated code and most file formats are made of. A
// record image holds the console's own 4-byte cell records (character, pad, attribute,
// pad): what the console reads and writes, the undo pictures and the .BNA files.
// Coordinates inside an image are 1-based like the console's: row 1 is the top row.
#include <cstdint>
#include <string>
#include <string_view>

namespace tessella::console {

inline constexpr int kPairBytes = 2;
inline constexpr int kRecordBytes = 4;
// Records the program builds itself carry 32 in both pad bytes.
inline constexpr std::uint8_t kPad = 32;

class RecordImage;

class ScreenImage {
 public:
  ScreenImage() = default;
  // width x height cells of (ch, attr).
  ScreenImage(int width, int height, std::uint8_t ch = ' ', std::uint8_t attr = 7);
  // Takes the pairs as they stand. Rows are `width` cells; a last row the bytes do not
  // fill is padded with blanks in attribute 7, an odd last byte is dropped.
  static ScreenImage FromPairs(std::string_view pairs, int width);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  // 2 x width x height bytes.
  const std::string& bytes() const { return bytes_; }
  std::string_view row(int r) const;

  std::uint8_t ch(int r, int c) const { return static_cast<std::uint8_t>(bytes_[At(r, c)]); }
  std::uint8_t attr(int r, int c) const {
    return static_cast<std::uint8_t>(bytes_[At(r, c) + 1]);
  }
  void Set(int r, int c, std::uint8_t ch, std::uint8_t attr);

  // The cells as records with 32 in both pads.
  RecordImage ToRecords() const;

  bool operator==(const ScreenImage&) const = default;

 private:
  size_t At(int r, int c) const {
    return (static_cast<size_t>(r - 1) * static_cast<size_t>(width_) + static_cast<size_t>(c - 1)) *
           kPairBytes;
  }
  int width_ = 0;
  int height_ = 0;
  std::string bytes_;
};

class RecordImage {
 public:
  RecordImage() = default;
  // width x height records (ch, pad, attr, pad).
  RecordImage(int width, int height, std::uint8_t ch = ' ', std::uint8_t attr = 7,
              std::uint8_t pad = kPad);
  // Takes the records as they stand; as FromPairs, a short last row is padded with
  // blank records and a partial last record is dropped.
  static RecordImage FromRecords(std::string_view records, int width);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  // 4 x width x height bytes.
  const std::string& bytes() const { return bytes_; }
  std::string_view row(int r) const;

  std::uint8_t ch(int r, int c) const { return Byte(r, c, 0); }
  std::uint8_t attr(int r, int c) const { return Byte(r, c, 2); }
  void Set(int r, int c, std::uint8_t ch, std::uint8_t attr, std::uint8_t pad = kPad);

  // Character and attribute of every cell; the pads are dropped.
  ScreenImage ToScreen() const;

  bool operator==(const RecordImage&) const = default;

 private:
  std::uint8_t Byte(int r, int c, int offset) const {
    return static_cast<std::uint8_t>(
        bytes_[(static_cast<size_t>(r - 1) * static_cast<size_t>(width_) + static_cast<size_t>(c - 1)) *
                   kRecordBytes +
               static_cast<size_t>(offset)]);
  }
  int width_ = 0;
  int height_ = 0;
  std::string bytes_;
};

}  // namespace tessella::console
