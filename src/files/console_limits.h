#pragma once
// The console sizes a file may ask for. A width or size taken from a file name outside
// these bounds is ignored rather than obeyed.
namespace tessella::files {

struct ConsoleLimits {
  int min_rows = 2;
  int min_cols = 10;
  int max_rows = 300;
  int max_cols = 500;

  bool RowsFit(int rows) const { return rows >= min_rows && rows <= max_rows; }
  bool ColsFit(int cols) const { return cols >= min_cols && cols <= max_cols; }
};

}  // namespace tessella::files
