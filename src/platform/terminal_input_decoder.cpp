#include "platform/terminal_input_decoder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "console/cp437.h"
#include "console/keys.h"

namespace tessella::platform {
namespace {

using console::KeyRecord;
using console::MouseEvent;
using console::MouseRecord;

constexpr std::uint8_t kEsc = 0x1B;
// Longer than any key or mouse report; a longer run is noise and is dropped rather
// than held back waiting for a final byte that never comes. The limit counts the
// sequence's own bytes, never what follows it, so the same bytes decode alike however
// the reads split them.
constexpr std::size_t kMaxSequence = 32;

// A field of a CSI sequence: no number, or one too long for an int.
constexpr int kNoNumber = -1;
constexpr int kBadNumber = -2;

using keys::ScanOf;
constexpr std::uint8_t kScanEsc = ScanOf("Esc");
constexpr std::uint8_t kScanBackspace = ScanOf("Backspace");
constexpr std::uint8_t kScanTab = ScanOf("Tab");
constexpr std::uint8_t kScanEnter = ScanOf("Enter");
constexpr std::uint8_t kScanSpace = ScanOf("Space");
constexpr std::uint8_t kScanHome = ScanOf("Home");
constexpr std::uint8_t kScanUp = ScanOf("Up");
constexpr std::uint8_t kScanPgUp = ScanOf("PgUp");
constexpr std::uint8_t kScanLeft = ScanOf("Left");
constexpr std::uint8_t kScanRight = ScanOf("Right");
constexpr std::uint8_t kScanEnd = ScanOf("End");
constexpr std::uint8_t kScanDown = ScanOf("Down");
constexpr std::uint8_t kScanPgDn = ScanOf("PgDn");
constexpr std::uint8_t kScanIns = ScanOf("Ins");
constexpr std::uint8_t kScanDel = ScanOf("Del");
constexpr std::uint8_t kScanF1 = ScanOf("F1");
constexpr std::uint8_t kScanF6 = ScanOf("F6");
constexpr std::uint8_t kScanF10 = ScanOf("F10");
constexpr std::uint8_t kScanF11 = ScanOf("F11");
constexpr std::uint8_t kScanF12 = ScanOf("F12");
constexpr std::uint8_t kScanShiftF10 = ScanOf("Shift-F10");

// Scan code of the US-layout key that types a printable ASCII character (shifted or
// not). Letters come from keys::LetterScanCode so the Alt rule sees the same codes.
std::uint8_t PrintableScan(std::uint8_t c) {
  if (const int letter = keys::LetterScanCode(static_cast<char>(c)); letter != 0) {
    return static_cast<std::uint8_t>(letter);
  }
  if (c >= '1' && c <= '9') return static_cast<std::uint8_t>(0x02 + (c - '1'));
  switch (c) {
    case '0': case ')': return 0x0B;
    case '!': return 0x02;
    case '@': return 0x03;
    case '#': return 0x04;
    case '$': return 0x05;
    case '%': return 0x06;
    case '^': return 0x07;
    case '&': return 0x08;
    case '*': return 0x09;
    case '(': return 0x0A;
    case '-': case '_': return 0x0C;
    case '=': case '+': return 0x0D;
    case '[': case '{': return 0x1A;
    case ']': case '}': return 0x1B;
    case ';': case ':': return 0x27;
    case '\'': case '"': return 0x28;
    case '`': case '~': return 0x29;
    case '\\': case '|': return 0x2B;
    case ',': case '<': return 0x33;
    case '.': case '>': return 0x34;
    case '/': case '?': return 0x35;
    case ' ': return kScanSpace;
    default: return 0;
  }
}

// Keys of the "CSI number ~" family (xterm, rxvt, the Linux console), 0 when unknown.
std::uint8_t TildeKeyScan(int number) {
  switch (number) {
    case 1: case 7: return kScanHome;
    case 2: return kScanIns;
    case 3: return kScanDel;
    case 4: case 8: return kScanEnd;
    case 5: return kScanPgUp;
    case 6: return kScanPgDn;
    case 11: case 12: case 13: case 14: case 15:
      return static_cast<std::uint8_t>(kScanF1 + (number - 11));
    case 17: case 18: case 19: case 20: case 21:
      return static_cast<std::uint8_t>(kScanF6 + (number - 17));
    case 23: return kScanF11;
    case 24: return kScanF12;
    // The Menu key (xterm, VTE, rxvt), and Shift-F10 as rxvt and the Linux console
    // number it (F20).
    case 29: case 34: return kScanShiftF10;
    default: return 0;
  }
}

// Keys named by a final letter: cursor keys, Home/End and F1-F4 in both CSI and SS3
// form. 0 when the letter names no key.
std::uint8_t LetterKeyScan(char final) {
  switch (final) {
    case 'A': return kScanUp;
    case 'B': return kScanDown;
    case 'C': return kScanRight;
    case 'D': return kScanLeft;
    case 'H': return kScanHome;
    case 'F': return kScanEnd;
    case 'P': case 'Q': case 'R': case 'S':
      return static_cast<std::uint8_t>(kScanF1 + (final - 'P'));
    default: return 0;
  }
}

// The keypad in application mode (SS3 p..y and friends) types these characters.
char KeypadChar(char final) {
  if (final >= 'p' && final <= 'y') return static_cast<char>('0' + (final - 'p'));
  switch (final) {
    case 'M': return '\r';
    case 'k': return '+';
    case 'm': return '-';
    case 'j': return '*';
    case 'o': return '/';
    case 'n': return '.';
    case 'X': return '=';
    case 'l': return ',';
    default: return 0;
  }
}

// xterm encodes modifiers as 1 + (shift 1 | alt 2 | ctrl 4 | meta 8).
bool ModifierHasAlt(int modifier) { return modifier > 1 && (((modifier - 1) & (2 | 8)) != 0); }
bool ModifierHasShift(int modifier) { return modifier > 1 && ((modifier - 1) & 1) != 0; }

// Numeric parameters of a CSI sequence; an empty field is kNoNumber, one that is not
// a number an int holds kBadNumber.
std::vector<int> SplitParams(std::string_view params) {
  std::vector<int> out;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = params.find(';', start);
    const std::string_view field =
        params.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    int value = kNoNumber;
    if (!field.empty()) {
      const auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
      if (ec != std::errc() || ptr != field.data() + field.size()) value = kBadNumber;
    }
    out.push_back(value);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return out;
}

bool IsContinuation(std::uint8_t b) { return (b & 0xC0) == 0x80; }

}  // namespace

void TerminalInputDecoder::Feed(std::string_view bytes, Millis now) {
  now_ = now;
  if (!pending_.empty() && now - pending_since_ >= kEscTimeout) Drain(true);
  // Bytes typed after a pause are keys, not the tail of old noise.
  if (now - pending_since_ >= kEscTimeout) in_noise_ = false;
  if (!bytes.empty()) {
    pending_.append(bytes);
    pending_since_ = now;
  }
  Drain(false);
}

void TerminalInputDecoder::Flush(Millis now) {
  now_ = now;
  if (!pending_.empty() && now - pending_since_ >= kEscTimeout) Drain(true);
}

std::optional<Millis> TerminalInputDecoder::Deadline() const {
  if (pending_.empty()) return std::nullopt;
  return pending_since_ + kEscTimeout;
}

std::optional<console::InputRecord> TerminalInputDecoder::Pop() {
  if (records_.empty()) return std::nullopt;
  console::InputRecord record = records_.front();
  records_.pop_front();
  return record;
}

void TerminalInputDecoder::Drain(bool final) {
  const std::string_view all = pending_;
  std::size_t pos = 0;
  while (pos < all.size()) {
    const std::size_t used = DecodeOne(all.substr(pos), final);
    if (used == 0) break;
    pos += used;
  }
  pending_.erase(0, pos);
}

std::size_t TerminalInputDecoder::DecodeOne(std::string_view in, bool final) {
  const auto b = static_cast<std::uint8_t>(in[0]);
  if (in_noise_ && b >= 0x30 && b <= 0x3F) return 1;
  in_noise_ = false;
  if (b == kEsc) return DecodeEscape(in, final);
  if (b >= 0x80) return DecodeHighByte(in, final, false);
  PushAscii(b, false);
  return 1;
}

// Pre: in[0] is ESC.
std::size_t TerminalInputDecoder::DecodeEscape(std::string_view in, bool final) {
  if (in.size() < 2) {
    if (!final) return 0;
    PushKey(27, kScanEsc);
    return 1;
  }
  const auto next = static_cast<std::uint8_t>(in[1]);
  if (next == '[') return DecodeCsi(in, final);
  if (next == 'O') return DecodeSs3(in, final);
  if (next == kEsc) {
    // Esc pressed twice, or Esc before a sequence: the first one is a key of its own.
    PushKey(27, kScanEsc);
    return 1;
  }
  if (next >= 0x80) {
    const std::size_t used = DecodeHighByte(in.substr(1), final, true);
    return used == 0 ? 0 : used + 1;
  }
  PushAscii(next, true);
  return 2;
}

// Pre: in starts with ESC [.
std::size_t TerminalInputDecoder::DecodeCsi(std::string_view in, bool final) {
  if (in.size() < 3) {
    if (!final) return 0;
    PushAscii('[', true);  // Alt+[ typed on its own
    return 2;
  }
  // The Linux console's F1-F5: ESC [ [ A..E.
  if (in[2] == '[') {
    if (in.size() < 4) {
      if (!final) return 0;
      return 3;
    }
    if (in[3] >= 'A' && in[3] <= 'E') {
      PushKey(0, static_cast<std::uint8_t>(kScanF1 + (in[3] - 'A')));
      return 4;
    }
    return 3;  // not a key: leave the byte after it to be read on its own
  }
  // The original mouse report: ESC [ M and three bytes, each value + 32.
  if (in[2] == 'M') {
    if (in.size() < 6) {
      if (!final) return 0;
      return 3;
    }
    const int code = static_cast<std::uint8_t>(in[3]) - 32;
    const int col = static_cast<std::uint8_t>(in[4]) - 32;
    const int row = static_cast<std::uint8_t>(in[5]) - 32;
    PushMouse(code, col, row, (code & 3) == 3 && (code & (32 | 64)) == 0);
    return 6;
  }

  // Parameter bytes, then one final byte. '$' ends rxvt's shifted keys (ESC [ 2 $), so
  // it counts as final; no key report uses intermediate bytes.
  std::size_t i = 2;
  while (i < in.size()) {
    if (i == kMaxSequence) {
      // Noise: dropped, and the rest of its parameter bytes with it.
      in_noise_ = true;
      return i;
    }
    const auto c = static_cast<std::uint8_t>(in[i]);
    if (c >= 0x30 && c <= 0x3F) {
      ++i;
      continue;
    }
    if ((c >= 0x40 && c <= 0x7E) || c == '$') break;
    // Anything else cannot be inside a sequence: drop what was read so far and let
    // this byte be read as the start of the next key.
    return i;
  }
  if (i >= in.size()) {
    if (!final) return 0;
    return in.size();  // an unfinished sequence that timed out is noise
  }
  const char last = in[i];
  const std::size_t used = i + 1;
  std::string_view params = in.substr(2, i - 2);

  if (!params.empty() && params[0] == '<') {
    if (last == 'M' || last == 'm') {
      const std::vector<int> p = SplitParams(params.substr(1));
      if (p.size() == 3 && p[0] >= 0 && p[1] >= 1 && p[2] >= 1) {
        PushMouse(p[0], p[1], p[2], last == 'm');
      }
    }
    return used;
  }
  if (!params.empty() && (params[0] == '?' || params[0] == '>' || params[0] == '=')) {
    return used;  // a report from the terminal, not a key
  }

  const std::vector<int> p = SplitParams(params);
  const int modifier = p.size() >= 2 ? p[1] : 1;
  const bool alt = ModifierHasAlt(modifier);
  switch (last) {
    case '~': case '$': case '^': case '@':
      if (std::uint8_t scan = TildeKeyScan(p[0])) {
        // xterm marks Shift with its modifier, rxvt with the final '$'.
        if (scan == kScanF10 && (ModifierHasShift(modifier) || last == '$')) scan = kScanShiftF10;
        PushKey(0, scan, alt);
      }
      return used;
    case 'Z':
      PushKey(0, kScanTab);  // Shift+Tab
      return used;
    default:
      break;
  }
  // Letter keys carry no number, or 1 before the modifier (ESC [ 1 ; 3 A).
  if (p[0] == kNoNumber || p[0] == 1) {
    if (const std::uint8_t scan = LetterKeyScan(last)) PushKey(0, scan, alt);
  }
  return used;
}

// Pre: in starts with ESC O.
std::size_t TerminalInputDecoder::DecodeSs3(std::string_view in, bool final) {
  if (in.size() < 3) {
    if (!final) return 0;
    PushAscii('O', true);  // Alt+O typed on its own
    return 2;
  }
  // Some terminals put a modifier digit before the final letter (ESC O 5 A).
  std::size_t i = 2;
  int modifier = 1;
  if (in[i] >= '1' && in[i] <= '9') {
    modifier = in[i] - '0';
    ++i;
    if (i >= in.size()) {
      if (!final) return 0;
      return i;
    }
  }
  const char last = in[i];
  if (const std::uint8_t scan = LetterKeyScan(last)) {
    PushKey(0, scan, ModifierHasAlt(modifier));
    return i + 1;
  }
  if (const char c = KeypadChar(last)) {
    PushAscii(static_cast<std::uint8_t>(c), false);
    return i + 1;
  }
  // Not a sequence after all: Alt+O, and the next byte is read on its own.
  PushAscii('O', true);
  return 2;
}

// Pre: in[0] >= 0x80. A UTF-8 character gives its code page 437 byte (ignored when the
// code page has none). A byte that does not start valid UTF-8 is a key sent with the
// meta bit: Alt and the low seven bits.
std::size_t TerminalInputDecoder::DecodeHighByte(std::string_view in, bool final, bool alt) {
  const auto b = static_cast<std::uint8_t>(in[0]);
  std::size_t length = 0;
  char32_t cp = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2;
    cp = b & 0x1F;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3;
    cp = b & 0x0F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4;
    cp = b & 0x07;
  }
  bool valid = length != 0;
  for (std::size_t k = 1; valid && k < length; ++k) {
    if (k >= in.size()) {
      if (!final) return 0;
      valid = false;
      break;
    }
    const auto c = static_cast<std::uint8_t>(in[k]);
    if (!IsContinuation(c)) {
      valid = false;
      break;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  if (valid) {
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    const char32_t min = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    valid = cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
  }
  if (valid) {
    const int byte = cp437::FromCodePoint(cp);
    if (byte > 0) PushKey(static_cast<std::uint8_t>(byte), 0, alt);
    return length;
  }
  PushAscii(b & 0x7F, true);
  return 1;
}

void TerminalInputDecoder::PushKey(std::uint8_t ch, std::uint8_t scan, bool alt) {
  records_.push_back(KeyRecord{ch, scan, alt});
}

void TerminalInputDecoder::PushAscii(std::uint8_t byte, bool alt) {
  switch (byte) {
    case 0:
      return;  // Ctrl+Space: no key of the PC keyboard gives character 0
    case 8: case 0x7F:
      PushKey(8, kScanBackspace, alt);
      return;
    case 9:
      PushKey(9, kScanTab, alt);
      return;
    case 13:
      PushKey(13, kScanEnter, alt);
      return;
    case 27:
      PushKey(27, kScanEsc, alt);
      return;
    case 28: PushKey(28, 0x2B, alt); return;  // Ctrl+backslash
    case 29: PushKey(29, 0x1B, alt); return;  // Ctrl+]
    case 30: PushKey(30, 0x07, alt); return;  // Ctrl+^
    case 31: PushKey(31, 0x0C, alt); return;  // Ctrl+_
    default:
      break;
  }
  if (byte <= 26) {
    // Ctrl+letter: the letter key's scan code with the control character.
    PushKey(byte, static_cast<std::uint8_t>(keys::LetterScanCode(static_cast<char>('a' + byte - 1))),
            alt);
    return;
  }
  PushKey(byte, PrintableScan(byte), alt);
}

void TerminalInputDecoder::PushMouse(int code, int col, int row, bool release) {
  // The wheel (64 and up) and buttons 8-11 (128 and up) mean nothing here.
  if ((code & (64 | 128)) != 0 || code < 0) return;
  if (row > kMaxMousePosition || col > kMaxMousePosition) return;
  row = row < 1 ? 1 : row;
  col = col < 1 ? 1 : col;
  const int button = code & 3;
  static constexpr std::array<std::uint8_t, 4> kBit = {console::kLeftButton,
                                                       console::kMiddleButton,
                                                       console::kRightButton, 0};
  if ((code & 32) != 0) {
    records_.push_back(MouseRecord{row, col, 0, MouseEvent::kMoved});
    return;
  }
  if (release) {
    records_.push_back(MouseRecord{row, col, kBit[button], MouseEvent::kButtonUp});
    return;
  }
  const std::uint8_t bit = kBit[button];
  if (bit == 0) return;
  if (last_press_ && last_press_->button == bit && last_press_->row == row &&
      last_press_->col == col && now_ - last_press_->time <= kDoubleClickTime) {
    // A third press starts a new pair rather than making another double click.
    last_press_.reset();
    records_.push_back(MouseRecord{row, col, bit, MouseEvent::kDoubleClick});
    return;
  }
  last_press_ = Press{bit, row, col, now_};
  records_.push_back(MouseRecord{row, col, bit, MouseEvent::kButtonDown});
}

}  // namespace tessella::platform
