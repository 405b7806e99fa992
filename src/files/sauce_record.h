#pragma once
// SAUCE: the 128-byte record that text-art files carry at their end, after an 0x1A
// end-of-file byte and an optional COMNT block of 64-byte comment lines. It names the
// picture's title, author and group, and says how to show it: the width, the number of
// lines, iCE colours, the font. Text fields are CP437 bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessella::files {

inline constexpr std::size_t kSauceBytes = 128;
inline constexpr std::size_t kCommentLineBytes = 64;
inline constexpr char kEndOfFile = '\x1A';

// Data types and the file types under them that the art codecs use.
inline constexpr std::uint8_t kSauceCharacter = 1;   // file type 0 ASCII, 1 ANSI
inline constexpr std::uint8_t kSauceAnsi = 1;
inline constexpr std::uint8_t kSauceBinaryText = 5;  // file type = width / 2
inline constexpr std::uint8_t kSauceXBin = 6;

// Flag bits: iCE colours (background 8-15 bright, no blink) and the letter spacing
// field's value for 8-pixel glyphs.
inline constexpr std::uint8_t kSauceIceColours = 0x01;
inline constexpr std::uint8_t kSauceEightPixels = 0x02;
inline constexpr std::string_view kSauceVgaFont = "IBM VGA";

struct Sauce {
  std::string title;   // at most 35 bytes
  std::string author;  // at most 20
  std::string group;   // at most 20
  std::string date;    // CCYYMMDD, or empty
  std::uint32_t file_size = 0;  // bytes before the 0x1A
  std::uint8_t data_type = 0;
  std::uint8_t file_type = 0;
  std::uint16_t tinfo1 = 0;  // width of character files
  std::uint16_t tinfo2 = 0;  // number of lines
  std::uint16_t tinfo3 = 0;
  std::uint16_t tinfo4 = 0;
  std::uint8_t flags = 0;
  std::string font;    // at most 22 bytes, e.g. "IBM VGA"
  std::vector<std::string> comments;  // at most 255 lines of 64 bytes

  bool ice_colours() const { return (flags & kSauceIceColours) != 0; }
  bool operator==(const Sauce&) const = default;
};

struct SauceSplit {
  std::string_view data;  // the bytes before the 0x1A, COMNT block and record
  std::optional<Sauce> sauce;
};

// Separates a file's data from its SAUCE record. Without a record the data is the whole
// file. Text fields lose their trailing blanks and NULs; a COMNT block that is not where
// the record says is ignored (the data then ends at the record).
SauceSplit SplitSauce(std::string_view file);

// What follows a picture's data: 0x1A, the COMNT block when there are comments, and the
// record itself, each field cut or padded to its size.
std::string EncodeSauce(const Sauce& sauce);

}  // namespace tessella::files
