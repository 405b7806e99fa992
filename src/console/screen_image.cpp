#include "console/screen_image.h"

#include <algorithm>

namespace tessella::console {
namespace {

// Rows needed for `cells` cells of `width`, and the byte string padded to fill them.
template <size_t kBytes>
std::string Padded(std::string_view bytes, int width, int& height, std::string_view blank) {
  height = 0;
  if (width <= 0) return {};
  const size_t cells = bytes.size() / kBytes;
  const size_t w = static_cast<size_t>(width);
  height = static_cast<int>((cells + w - 1) / w);
  std::string out(bytes.substr(0, cells * kBytes));
  while (out.size() < static_cast<size_t>(height) * w * kBytes) out += blank;
  return out;
}

}  // namespace

ScreenImage::ScreenImage(int width, int height, std::uint8_t ch, std::uint8_t attr)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  const size_t cells = static_cast<size_t>(width_) * static_cast<size_t>(height_);
  bytes_.reserve(cells * kPairBytes);
  for (size_t i = 0; i < cells; ++i) {
    bytes_ += static_cast<char>(ch);
    bytes_ += static_cast<char>(attr);
  }
  if (cells == 0) width_ = height_ = 0;
}

ScreenImage ScreenImage::FromPairs(std::string_view pairs, int width) {
  ScreenImage image;
  image.bytes_ = Padded<kPairBytes>(pairs, width, image.height_, std::string_view(" \x07", 2));
  image.width_ = image.height_ > 0 ? width : 0;
  return image;
}

std::string_view ScreenImage::row(int r) const {
  return std::string_view(bytes_).substr(At(r, 1), static_cast<size_t>(width_) * kPairBytes);
}

void ScreenImage::Set(int r, int c, std::uint8_t ch, std::uint8_t attr) {
  const size_t at = At(r, c);
  bytes_[at] = static_cast<char>(ch);
  bytes_[at + 1] = static_cast<char>(attr);
}

RecordImage ScreenImage::ToRecords() const {
  std::string records;
  records.reserve(bytes_.size() * 2);
  for (size_t i = 0; i + 1 < bytes_.size(); i += kPairBytes) {
    records += bytes_[i];
    records += static_cast<char>(kPad);
    records += bytes_[i + 1];
    records += static_cast<char>(kPad);
  }
  return RecordImage::FromRecords(records, width_);
}

RecordImage::RecordImage(int width, int height, std::uint8_t ch, std::uint8_t attr,
                         std::uint8_t pad)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  const size_t cells = static_cast<size_t>(width_) * static_cast<size_t>(height_);
  const char record[kRecordBytes] = {static_cast<char>(ch), static_cast<char>(pad),
                                     static_cast<char>(attr), static_cast<char>(pad)};
  bytes_.reserve(cells * kRecordBytes);
  for (size_t i = 0; i < cells; ++i) bytes_.append(record, kRecordBytes);
  if (cells == 0) width_ = height_ = 0;
}

RecordImage RecordImage::FromRecords(std::string_view records, int width) {
  RecordImage image;
  image.bytes_ =
      Padded<kRecordBytes>(records, width, image.height_, std::string_view(" \x20\x07\x20", 4));
  image.width_ = image.height_ > 0 ? width : 0;
  return image;
}

std::string_view RecordImage::row(int r) const {
  const size_t row_bytes = static_cast<size_t>(width_) * kRecordBytes;
  return std::string_view(bytes_).substr(static_cast<size_t>(r - 1) * row_bytes, row_bytes);
}

void RecordImage::Set(int r, int c, std::uint8_t ch, std::uint8_t attr, std::uint8_t pad) {
  const size_t at =
      (static_cast<size_t>(r - 1) * static_cast<size_t>(width_) + static_cast<size_t>(c - 1)) *
      kRecordBytes;
  bytes_[at] = static_cast<char>(ch);
  bytes_[at + 1] = static_cast<char>(pad);
  bytes_[at + 2] = static_cast<char>(attr);
  bytes_[at + 3] = static_cast<char>(pad);
}

ScreenImage RecordImage::ToScreen() const {
  std::string pairs;
  pairs.reserve(bytes_.size() / 2);
  for (size_t i = 0; i + kRecordBytes <= bytes_.size(); i += kRecordBytes) {
    pairs += bytes_[i];
    pairs += bytes_[i + 2];
  }
  return ScreenImage::FromPairs(pairs, width_);
}

}  // namespace tessella::console
