// BSAVE reader: whole cells, no more than the page the name's size suffix gives.
#include <algorithm>

#include "files/bsave_file.h"
#include "files/file_names.h"
#include "fuzz_input.h"

using namespace tessella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const fuzz::Input in = fuzz::Split(data, size);
  const files::ConsoleSize console =
      files::BsaveSizeSuffix(in.name).value_or(files::ConsoleSize{35, 90});
  const int height = console.rows - 1;
  const std::optional<std::string> cells = files::DecodeBsa(in.bytes, console.cols, height);
  fuzz::Check(cells.has_value() == (!in.bytes.empty() && in.bytes[0] == '\xFD'), "magic");
  if (cells) {
    fuzz::Check(cells->size() % 2 == 0, "whole cells");
    fuzz::Check(cells->size() <= static_cast<size_t>(console.cols * height * 2), "page size");
    fuzz::Check(in.bytes.substr(std::min<size_t>(7, in.bytes.size())).starts_with(*cells), "cells as they stand");
  }
  return 0;
}
