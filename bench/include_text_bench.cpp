// Include files and text through the Open and Save commands: the text view of a 10 MB
// file into the document (as far as its 34,000 rows reach), and a screen saved into and
// read back out of an include file of 200 screens, the SUB replaced or found being the
// last one. The file system is in memory (the commands' own cost), and for the save
// also the disk (the .BAC backup and the file, each a temporary file, fsync, rename).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "console/console.h"
#include "console/input.h"
#include "core/editor.h"
#include "files/file_commands.h"
#include "files/include_file.h"
#include "script_rig.h"

namespace {

using namespace tessella;

constexpr int kScreens = 200;

using bench::MemoryFiles;
using bench::Place;
using bench::ScriptHost;

struct Rig {
  explicit Rig(ports::FileSystem& fs) : ed(console, input, host, fs) {
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    ed.doc.store.Blank(90);
  }
  console::Console console;
  ScriptHost host;
  console::Input input{host};
  core::Editor ed;

  void Open(const std::string& path, std::string_view more = "") {
    ed.doc.store.current = 0;
    host.Queue("type " + path + "\nkey Enter\n");
    host.Queue(more);
    core::Event ev;
    files::OpenFile(ed, ev);
  }
  // Save to the current file: the SUB name, then PBCC.
  void SaveScreen(const std::string& path, const std::string& name) {
    ed.doc.file_name = path;
    ed.selection.area = {2, 1, 26, 80};
    ed.selection.flag_first = 2;
    ed.selection.flag_last = 26;
    host.Queue("type " + name + "\nkey Enter\nclick 20 35\n");
    core::Event ev;
    files::SaveFile(ed, ev);
  }
};

// 200 full DOS screens of 80 x 25 (about 4 KB of cells each) as PBCC SUBs S1 ... S200.
std::string IncludeOf200Screens() {
  console::ScreenImage cells(80, 25);
  for (int r = 1; r <= 25; ++r)
    for (int c = 1; c <= 80; ++c)
      cells.Set(r, c, static_cast<std::uint8_t>(32 + (r * 80 + c) % 90), static_cast<std::uint8_t>(r * 7 + c));
  std::string text;
  for (int i = 1; i <= kScreens; ++i)
    text = files::SaveIncludeScreen(text, files::IncludeKind::kPbcc, "S" + std::to_string(i), 2, 1, cells);
  return text;
}

void BM_OpenText10MB(benchmark::State& state) {
  MemoryFiles files;
  std::string text;
  while (text.size() < 10'000'000) text += "A line of words\tthat is long enough to be broken once by the viewer, "
                                           "because it runs past eighty-six columns of the console.\r\n";
  files.files["/bench/big.txt"] = text;
  Rig rig(files);
  for (auto _ : state) rig.Open("/bench/big.txt");
  if (rig.ed.doc.highest_row != 33999) state.SkipWithError("the text did not fill the document");
}
BENCHMARK(BM_OpenText10MB)->Unit(benchmark::kMillisecond);

template <bool kOnDisk>
void BM_SaveInclude200Screens(benchmark::State& state) {
  Place place(kOnDisk);
  const std::string path = place.Path("screens.inc");
  const std::string original = IncludeOf200Screens();
  place.fs().Write(path, original);
  Rig rig(place.fs());
  for (auto _ : state) rig.SaveScreen(path, "S200");
  const std::string saved = place.fs().Read(path);
  if (saved.find("DECLARE SUB S200") != saved.rfind("DECLARE SUB S200"))
    state.SkipWithError("the screen was not replaced");
  state.counters["file_bytes"] = static_cast<double>(original.size());
}
BENCHMARK(BM_SaveInclude200Screens<false>)->Name("BM_SaveInclude200Screens")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveInclude200Screens<true>)->Name("BM_SaveInclude200ScreensToDisk")->Unit(benchmark::kMillisecond);

void BM_EditInclude200Screens(benchmark::State& state) {
  MemoryFiles files;
  files.files["/bench/screens.inc"] = IncludeOf200Screens();
  Rig rig(files);
  for (auto _ : state) rig.Open("/bench/screens.inc", "type s200\nkey Enter\n");
  if (rig.ed.selection.area.c2 != 80) state.SkipWithError("the screen was not shown");
}
BENCHMARK(BM_EditInclude200Screens)->Unit(benchmark::kMillisecond);

}  // namespace
