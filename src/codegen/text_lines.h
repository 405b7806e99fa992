#pragma once
// What every code generator writes with: numbers as BASIC's STR$ writes them, and lines
// ended by CR LF.
#include <string>
#include <string_view>

namespace tessella::codegen {

inline constexpr std::string_view kLineEnd = "\r\n";

// A whole number in decimal with one leading blank when it is zero or positive and a
// leading minus sign when negative: 7 gives " 7", -3 gives "-3".
std::string NumberText(long long n);

// Builds a text line by line; every line is ended by CR LF. Bytes are kept exactly as
// given (code page 437, control bytes included).
class Lines {
 public:
  // Appends one line and its CR LF.
  Lines& Add(std::string_view line);
  // Appends several lines, each with its CR LF.
  Lines& Add(std::initializer_list<std::string_view> lines);
  // Appends text as it stands (its own line ends, if any).
  Lines& Raw(std::string_view text);

  const std::string& text() const { return text_; }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

}  // namespace tessella::codegen
