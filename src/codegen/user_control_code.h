#pragma once
// Code in which the user of the finished program picks the colours: the characters of
// a captured area as DATA strings, one per row, and on request a colour question and a
// `Launch` routine that prints them in one foreground/background pair. One form for
// PBdos/QB (a named DATA label), one for PBCC (a `U_NameIt` routine holding the DATA).
#include <string>

#include "console/rect.h"
#include "console/screen_image.h"

namespace tessella::codegen {

struct UserControlAnswers {
  bool include_launcher = false;  // the launching box: Yes only on its Yes field
  std::string label;              // the DATA label of the PBdos/QB form (may be empty)
  // The editor's typing colours (TxColor, BgColor): the colours `Launch` falls back on
  // when the user of the program chose none.
  int default_foreground = 1;
  int default_background = 15;
};

// The blank-9 rule for characters is applied here; every line ends with CR LF.
std::string UserControlDosCode(const console::ScreenImage& area, const console::Rect& place,
                               const UserControlAnswers& answers);
// The PBCC form; `answers.label` plays no part.
std::string UserControlPbccCode(const console::ScreenImage& area, const console::Rect& place,
                                const UserControlAnswers& answers);

}  // namespace tessella::codegen
