#include "files/sauce_record.h"

#include <algorithm>

namespace tessella::files {
namespace {

constexpr std::string_view kSauceId = "SAUCE";
constexpr std::string_view kCommentId = "COMNT";
constexpr std::size_t kMaxComments = 255;

// Offsets inside the record.
constexpr std::size_t kTitleAt = 7, kTitleSize = 35;
constexpr std::size_t kAuthorAt = 42, kAuthorSize = 20;
constexpr std::size_t kGroupAt = 62, kGroupSize = 20;
constexpr std::size_t kDateAt = 82, kDateSize = 8;
constexpr std::size_t kFileSizeAt = 90;
constexpr std::size_t kDataTypeAt = 94, kFileTypeAt = 95;
constexpr std::size_t kTInfoAt = 96;
constexpr std::size_t kCommentsAt = 104, kFlagsAt = 105;
constexpr std::size_t kFontAt = 106, kFontSize = 22;

std::string Trimmed(std::string_view field) {
  const auto end = field.find_last_not_of(std::string_view(" \0", 2));
  return std::string(end == std::string_view::npos ? std::string_view{} : field.substr(0, end + 1));
}

std::uint8_t Byte(std::string_view s, std::size_t at) { return static_cast<std::uint8_t>(s[at]); }

std::uint16_t Word(std::string_view s, std::size_t at) {
  return static_cast<std::uint16_t>(Byte(s, at) | Byte(s, at + 1) << 8);
}

void PutField(std::string& out, std::string_view text, std::size_t size, char pad) {
  const std::string_view cut = text.substr(0, std::min(text.size(), size));
  out += cut;
  out.append(size - cut.size(), pad);
}

void PutWord(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

}  // namespace

SauceSplit SplitSauce(std::string_view file) {
  if (file.size() < kSauceBytes) return {file, std::nullopt};
  const std::string_view record = file.substr(file.size() - kSauceBytes);
  if (!record.starts_with(kSauceId)) return {file, std::nullopt};

  Sauce s;
  s.title = Trimmed(record.substr(kTitleAt, kTitleSize));
  s.author = Trimmed(record.substr(kAuthorAt, kAuthorSize));
  s.group = Trimmed(record.substr(kGroupAt, kGroupSize));
  s.date = Trimmed(record.substr(kDateAt, kDateSize));
  s.file_size = static_cast<std::uint32_t>(Word(record, kFileSizeAt)) |
                static_cast<std::uint32_t>(Word(record, kFileSizeAt + 2)) << 16;
  s.data_type = Byte(record, kDataTypeAt);
  s.file_type = Byte(record, kFileTypeAt);
  s.tinfo1 = Word(record, kTInfoAt);
  s.tinfo2 = Word(record, kTInfoAt + 2);
  s.tinfo3 = Word(record, kTInfoAt + 4);
  s.tinfo4 = Word(record, kTInfoAt + 6);
  s.flags = Byte(record, kFlagsAt);
  s.font = Trimmed(record.substr(kFontAt, kFontSize));

  std::size_t end = file.size() - kSauceBytes;
  const std::size_t lines = Byte(record, kCommentsAt);
  const std::size_t block = kCommentId.size() + lines * kCommentLineBytes;
  if (lines > 0 && block <= end && file.substr(end - block).starts_with(kCommentId)) {
    end -= block;
    for (std::size_t i = 0; i < lines; ++i) {
      s.comments.push_back(
          Trimmed(file.substr(end + kCommentId.size() + i * kCommentLineBytes, kCommentLineBytes)));
    }
  }
  // The 0x1A belongs to the data only when the record's size says so.
  if (end > 0 && file[end - 1] == kEndOfFile && s.file_size != end) --end;
  return {file.substr(0, end), std::move(s)};
}

std::string EncodeSauce(const Sauce& s) {
  std::string out(1, kEndOfFile);
  const std::size_t lines = std::min(s.comments.size(), kMaxComments);
  if (lines > 0) {
    out += kCommentId;
    for (std::size_t i = 0; i < lines; ++i) PutField(out, s.comments[i], kCommentLineBytes, ' ');
  }
  out += kSauceId;
  out += "00";
  PutField(out, s.title, kTitleSize, ' ');
  PutField(out, s.author, kAuthorSize, ' ');
  PutField(out, s.group, kGroupSize, ' ');
  PutField(out, s.date, kDateSize, ' ');
  PutWord(out, static_cast<std::uint16_t>(s.file_size & 0xFFFF));
  PutWord(out, static_cast<std::uint16_t>(s.file_size >> 16));
  out += static_cast<char>(s.data_type);
  out += static_cast<char>(s.file_type);
  for (const std::uint16_t v : {s.tinfo1, s.tinfo2, s.tinfo3, s.tinfo4}) PutWord(out, v);
  out += static_cast<char>(lines);
  out += static_cast<char>(s.flags);
  PutField(out, s.font, kFontSize, '\0');
  return out;
}

}  // namespace tessella::files
