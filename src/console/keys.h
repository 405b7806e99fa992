#pragma once
// Key numbers: CVI(key string + CHR$(0)). One-byte keys give their character, keys
// without a character give scan code * 256, mouse events give -1. The codes come from
// the one key table (key_names.h).
#include "console/key_names.h"

namespace tessella::keys {

inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEsc = 27;
inline constexpr int kSpace = 32;
inline constexpr int kMouse = -1;

// The key number of a key without a character: the two bytes 0, scan code read as a
// signed 16-bit number, so scan codes from 0x80 on give negative key numbers.
inline constexpr int Scan(int scan_code) {
  return scan_code < 0x80 ? scan_code * 256 : scan_code * 256 - 0x10000;
}

inline constexpr int kHome = Scan(ScanOf("Home"));
inline constexpr int kUp = Scan(ScanOf("Up"));
inline constexpr int kPgUp = Scan(ScanOf("PgUp"));
inline constexpr int kLeft = Scan(ScanOf("Left"));
inline constexpr int kRight = Scan(ScanOf("Right"));
inline constexpr int kEnd = Scan(ScanOf("End"));
inline constexpr int kDown = Scan(ScanOf("Down"));
inline constexpr int kPgDn = Scan(ScanOf("PgDn"));
inline constexpr int kIns = Scan(ScanOf("Ins"));
inline constexpr int kDel = Scan(ScanOf("Del"));

inline constexpr int kF1 = Scan(ScanOf("F1"));
inline constexpr int kF2 = Scan(ScanOf("F2"));
inline constexpr int kF3 = Scan(ScanOf("F3"));
inline constexpr int kF4 = Scan(ScanOf("F4"));
inline constexpr int kF5 = Scan(ScanOf("F5"));
inline constexpr int kF6 = Scan(ScanOf("F6"));
inline constexpr int kF7 = Scan(ScanOf("F7"));
inline constexpr int kF8 = Scan(ScanOf("F8"));
inline constexpr int kF9 = Scan(ScanOf("F9"));
inline constexpr int kF10 = Scan(ScanOf("F10"));
inline constexpr int kF11 = Scan(ScanOf("F11"));
inline constexpr int kF12 = Scan(ScanOf("F12"));
// Shift-F10, and the Menu key, which front ends deliver as Shift-F10.
inline constexpr int kShiftF10 = Scan(ScanOf("Shift-F10"));

// Alt+letter: the letter key's scan code * 256.
inline constexpr int kAltQ = Scan(LetterScanCode('Q'));
inline constexpr int kAltW = Scan(LetterScanCode('W'));
inline constexpr int kAltE = Scan(LetterScanCode('E'));
inline constexpr int kAltR = Scan(LetterScanCode('R'));
inline constexpr int kAltT = Scan(LetterScanCode('T'));
inline constexpr int kAltY = Scan(LetterScanCode('Y'));
inline constexpr int kAltU = Scan(LetterScanCode('U'));
inline constexpr int kAltI = Scan(LetterScanCode('I'));
inline constexpr int kAltO = Scan(LetterScanCode('O'));
inline constexpr int kAltP = Scan(LetterScanCode('P'));
inline constexpr int kAltA = Scan(LetterScanCode('A'));
inline constexpr int kAltS = Scan(LetterScanCode('S'));
inline constexpr int kAltD = Scan(LetterScanCode('D'));
inline constexpr int kAltF = Scan(LetterScanCode('F'));
inline constexpr int kAltG = Scan(LetterScanCode('G'));
inline constexpr int kAltH = Scan(LetterScanCode('H'));
inline constexpr int kAltJ = Scan(LetterScanCode('J'));
inline constexpr int kAltK = Scan(LetterScanCode('K'));
inline constexpr int kAltL = Scan(LetterScanCode('L'));
inline constexpr int kAltZ = Scan(LetterScanCode('Z'));
inline constexpr int kAltX = Scan(LetterScanCode('X'));
inline constexpr int kAltC = Scan(LetterScanCode('C'));
inline constexpr int kAltV = Scan(LetterScanCode('V'));
inline constexpr int kAltB = Scan(LetterScanCode('B'));
inline constexpr int kAltN = Scan(LetterScanCode('N'));
inline constexpr int kAltM = Scan(LetterScanCode('M'));

// Digit keys 1-0 delivered without a character (the Boxes menu's codes).
inline constexpr int kDigit1 = Scan(0x02);
inline constexpr int kDigit2 = Scan(0x03);
inline constexpr int kDigit3 = Scan(0x04);
inline constexpr int kDigit4 = Scan(0x05);
inline constexpr int kDigit5 = Scan(0x06);
inline constexpr int kDigit6 = Scan(0x07);
inline constexpr int kDigit7 = Scan(0x08);
inline constexpr int kDigit8 = Scan(0x09);
inline constexpr int kDigit9 = Scan(0x0A);
inline constexpr int kDigit0 = Scan(0x0B);

// Keys the key table lists as doing nothing.
inline constexpr int kNothing92 = Scan(0x92);
inline constexpr int kNothing93 = Scan(0x93);

}  // namespace tessella::keys
