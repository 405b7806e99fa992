#pragma once
// The console sizes a file may ask for: exactly those every front end takes
// (ports/host.h). A width or size taken from a file name outside them is ignored rather
// than obeyed.
#include "ports/host.h"

namespace tessella::files {

struct ConsoleLimits {
  int min_rows = ports::kMinConsoleRows;
  int min_cols = ports::kMinConsoleCols;
  int max_rows = ports::kMaxConsoleRows;
  int max_cols = ports::kMaxConsoleCols;

  bool RowsFit(int rows) const { return rows >= min_rows && rows <= max_rows; }
  bool ColsFit(int cols) const { return cols >= min_cols && cols <= max_cols; }
};

}  // namespace tessella::files
