#pragma once
// Key numbers: CVI(key string + CHR$(0)). One-byte keys give their character, keys
// without a character give scan code * 256, mouse events give -1.
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

inline constexpr int kHome = Scan(0x47);
inline constexpr int kUp = Scan(0x48);
inline constexpr int kPgUp = Scan(0x49);
inline constexpr int kLeft = Scan(0x4B);
inline constexpr int kRight = Scan(0x4D);
inline constexpr int kEnd = Scan(0x4F);
inline constexpr int kDown = Scan(0x50);
inline constexpr int kPgDn = Scan(0x51);
inline constexpr int kIns = Scan(0x52);
inline constexpr int kDel = Scan(0x53);

inline constexpr int kF1 = Scan(0x3B);
inline constexpr int kF2 = Scan(0x3C);
inline constexpr int kF3 = Scan(0x3D);
inline constexpr int kF4 = Scan(0x3E);
inline constexpr int kF5 = Scan(0x3F);
inline constexpr int kF6 = Scan(0x40);
inline constexpr int kF7 = Scan(0x41);
inline constexpr int kF8 = Scan(0x42);
inline constexpr int kF9 = Scan(0x43);
inline constexpr int kF10 = Scan(0x44);
inline constexpr int kF11 = Scan(0x57);
inline constexpr int kF12 = Scan(0x58);
// Shift-F10, and the Menu key, which front ends deliver as Shift-F10.
inline constexpr int kShiftF10 = Scan(0x5D);

// Alt+letter: the letter key's scan code * 256.
inline constexpr int kAltQ = Scan(0x10);
inline constexpr int kAltW = Scan(0x11);
inline constexpr int kAltE = Scan(0x12);
inline constexpr int kAltR = Scan(0x13);
inline constexpr int kAltT = Scan(0x14);
inline constexpr int kAltY = Scan(0x15);
inline constexpr int kAltU = Scan(0x16);
inline constexpr int kAltI = Scan(0x17);
inline constexpr int kAltO = Scan(0x18);
inline constexpr int kAltP = Scan(0x19);
inline constexpr int kAltA = Scan(0x1E);
inline constexpr int kAltS = Scan(0x1F);
inline constexpr int kAltD = Scan(0x20);
inline constexpr int kAltF = Scan(0x21);
inline constexpr int kAltG = Scan(0x22);
inline constexpr int kAltH = Scan(0x23);
inline constexpr int kAltJ = Scan(0x24);
inline constexpr int kAltK = Scan(0x25);
inline constexpr int kAltL = Scan(0x26);
inline constexpr int kAltZ = Scan(0x2C);
inline constexpr int kAltX = Scan(0x2D);
inline constexpr int kAltC = Scan(0x2E);
inline constexpr int kAltV = Scan(0x2F);
inline constexpr int kAltB = Scan(0x30);
inline constexpr int kAltN = Scan(0x31);
inline constexpr int kAltM = Scan(0x32);

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

// Scan code of a letter key ('a'..'z' or 'A'..'Z'), 0 for anything else.
int LetterScanCode(char letter);

}  // namespace tessella::keys
