#include "files/file_names.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace tessella::files {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

template <typename Kind, size_t N>
Kind FirstFound(std::string_view path, const std::array<std::pair<std::string_view, Kind>, N>& table,
                Kind otherwise) {
  const std::string name = UpperBaseName(path);
  for (const auto& [extension, kind] : table)
    if (name.find(extension) != std::string::npos) return kind;
  return otherwise;
}

constexpr std::array<std::pair<std::string_view, OpenKind>, 9> kOpenTable{{
    {".BNY", OpenKind::kBny},
    {".BNK", OpenKind::kBny},
    {".BNA", OpenKind::kBna},
    {".BSA", OpenKind::kBsa},
    {".INC", OpenKind::kInc},
    {".BI", OpenKind::kBi},
    {".POP", OpenKind::kPop},
    {".DLL", OpenKind::kDll},
    {".EXE", OpenKind::kExe},
}};

constexpr std::array<std::pair<std::string_view, SaveKind>, 8> kSaveTable{{
    {".BNY", SaveKind::kBny},
    {".BNK", SaveKind::kBny},
    {".BNA", SaveKind::kBna},
    {".BSA", SaveKind::kBsa},
    {".INC", SaveKind::kInc},
    {".BAS", SaveKind::kBas},
    {".POP", SaveKind::kPop},
    {".BI", SaveKind::kBi},
}};

// The three characters after the first "-" of the upper-cased base name, or nothing.
std::optional<int> ColumnsAfterDash(const std::string& name, size_t dash,
                                    const ConsoleLimits& limits) {
  const int cols = LeadingNumber(std::string_view(name).substr(dash + 1, 3));
  if (!limits.ColsFit(cols)) return std::nullopt;
  return cols;
}

}  // namespace

std::string_view BaseName(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string UpperBaseName(std::string_view path) {
  std::string name(BaseName(path));
  for (char& c : name) c = Upper(c);
  return name;
}

OpenKind OpenKindOf(std::string_view path) {
  return FirstFound(path, kOpenTable, OpenKind::kText);
}

SaveKind SaveKindOf(std::string_view path) {
  return FirstFound(path, kSaveTable, SaveKind::kText);
}

int LeadingNumber(std::string_view text) {
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

std::optional<int> WidthSuffix(std::string_view path, const ConsoleLimits& limits) {
  const std::string name = UpperBaseName(path);
  const size_t dash = name.find('-');
  if (dash == std::string::npos) return std::nullopt;
  return ColumnsAfterDash(name, dash, limits);
}

std::optional<ConsoleSize> BsaveSizeSuffix(std::string_view path, const ConsoleLimits& limits) {
  constexpr int kRowsForADosScreen = 26;
  const std::string name = UpperBaseName(path);
  const size_t dash = name.find('-');
  if (dash == std::string::npos) return std::nullopt;
  const std::optional<int> cols = ColumnsAfterDash(name, dash, limits);
  if (!cols) return std::nullopt;
  const size_t rows_at = dash >= 2 ? dash - 2 : 0;
  int rows = LeadingNumber(std::string_view(name).substr(rows_at, dash - rows_at));
  if (rows == 0) rows = kRowsForADosScreen;
  if (!limits.RowsFit(rows)) return std::nullopt;
  return ConsoleSize{rows, *cols};
}

std::optional<std::string> DerivedName(std::string_view path, std::string_view extension,
                                       std::string_view replacement) {
  const size_t base_at = path.size() - BaseName(path).size();
  const std::string upper = UpperBaseName(path);
  if (extension.empty() || upper.find(extension) == std::string::npos) return std::nullopt;

  std::string out(path.substr(0, base_at));
  size_t at = 0;
  while (at < upper.size()) {
    const size_t found = upper.find(extension, at);
    if (found == std::string::npos) break;
    out.append(path.substr(base_at + at, found - at));
    const std::string_view replaced = path.substr(base_at + found, extension.size());
    for (size_t i = 0; i < replacement.size(); ++i) {
      const char model = replaced[std::min(i, replaced.size() - 1)];
      out += IsLower(model) ? Lower(replacement[i]) : Upper(replacement[i]);
    }
    at = found + extension.size();
  }
  out.append(path.substr(base_at + at));
  return out;
}

std::optional<std::string> BnkBackupName(std::string_view path) {
  return DerivedName(path, ".BNY", ".BNK");
}

std::optional<std::string> IncludeBackupName(std::string_view path) {
  return DerivedName(path, SaveKindOf(path) == SaveKind::kInc ? ".INC" : ".BI", ".BAC");
}

}  // namespace tessella::files
