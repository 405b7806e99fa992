#include "files/file_filters.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "files/file_names.h"

namespace tessella::files {
namespace {

enum Entry { kBny, kBna, kBsa, kPop, kInc, kBi, kBas, kTxt, kAll, kAns, kBin, kXb, kEntries };

// Open and Save name two kinds differently; Open has no BAS or TXT entry, Save no All.
struct EntryText {
  std::string_view open;  // empty: not listed in Open
  std::string_view save;  // empty: not listed in Save
  std::string_view pattern;
};

constexpr std::array<EntryText, kEntries> kText{{
    {"Binary          (*.BNY)", "Binary          (*.BNY)", "*.BNY"},
    {"Binary - API    (*.BNA)", "Binary - API    (*.BNA)", "*.BNA"},
    {"BSAVE Files     (*.BSA)", "BSAVE Files     (*.BSA)", "*.BSA"},
    {"POP Files       (*.POP)", "POP Files       (*.POP)", "*.POP"},
    {"PBCC #INCLUDE   (*.INC)", "PBCC/PBDos INCLUDE   (*.INC)", "*.INC"},
    {"FreeBasic #INCLUDE (*.BI)", "FreeBasic  INCLUDE   (*.BI)", "*.BI"},
    {"", "PBdos & QB DATA    (*.BAS)", "*.BAS"},
    {"", "Text Files      (*.TXT)", "*.TXT"},
    {"All Files       (*.*)", "", "*.*"},
    {"ANSI art        (*.ANS)", "ANSI art        (*.ANS)", "*.ANS"},
    {"Binary screen   (*.BIN)", "Binary screen   (*.BIN)", "*.BIN"},
    {"XBin            (*.XB)", "XBin            (*.XB)", "*.XB"},
}};

using Order = std::array<Entry, 9>;

// The design's own kinds by the ending of the last name; the first row is for a name
// of no known kind.
constexpr Order kNoKind{kAll, kBny, kBna, kBsa, kInc, kBi, kBas, kPop, kTxt};
constexpr std::array<std::pair<std::string_view, Order>, 8> kByEnding{{
    {"BNY", {kBny, kBna, kBsa, kInc, kBi, kBas, kPop, kTxt, kAll}},
    {"BNA", {kBna, kBny, kBsa, kInc, kBi, kBas, kPop, kTxt, kAll}},
    {"BSA", {kBsa, kInc, kBi, kBny, kBna, kPop, kBas, kTxt, kAll}},
    {"INC", {kInc, kBi, kBny, kBna, kBsa, kPop, kBas, kTxt, kAll}},
    {"BI", {kBi, kInc, kBny, kBna, kBsa, kPop, kBas, kTxt, kAll}},
    {"BAS", {kBas, kPop, kBny, kBna, kBsa, kInc, kBi, kTxt, kAll}},
    {"POP", {kPop, kBny, kBna, kBsa, kInc, kBi, kBas, kTxt, kAll}},
    {"TXT", {kTxt, kBny, kBna, kBsa, kInc, kBi, kPop, kBas, kAll}},
}};
constexpr std::array<std::pair<std::string_view, Entry>, 3> kArtEndings{{
    {"ANS", kAns}, {"BIN", kBin}, {"XB", kXb}}};

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace

std::vector<FileFilter> FiltersFor(ChooserMode mode, std::string_view last_name) {
  const std::string name = Upper(last_name);
  std::vector<Entry> order;
  for (const auto& [ending, entry] : kArtEndings)
    if (EndsWith(name, ending)) order.push_back(entry);
  const auto known = std::find_if(kByEnding.begin(), kByEnding.end(),
                                  [&](const auto& row) { return EndsWith(name, row.first); });
  const Order& design = known == kByEnding.end() || !order.empty() ? kNoKind : known->second;
  order.insert(order.end(), design.begin(), design.end());
  for (const auto& [ending, entry] : kArtEndings)
    if (std::find(order.begin(), order.end(), entry) == order.end()) order.push_back(entry);

  std::vector<FileFilter> filters;
  for (Entry e : order) {
    const std::string_view description = mode == ChooserMode::kOpen ? kText[e].open : kText[e].save;
    if (!description.empty()) filters.push_back({description, kText[e].pattern});
  }
  return filters;
}

bool FilterMatches(std::string_view pattern, std::string_view file_name) {
  if (pattern == "*.*") return true;
  if (pattern.size() < 2 || pattern[0] != '*') return Upper(file_name) == Upper(pattern);
  return EndsWith(Upper(BaseName(file_name)), Upper(pattern.substr(1)));
}

}  // namespace tessella::files
