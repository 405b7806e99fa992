// Open and Save of a 1,000-page design (34,000 rows of 90 cells) through the commands
// themselves: the chooser (typed name and Enter) for Open, then reading the file,
// expanding it into the document and showing page 1; Save of the current file without
// a dialog: commit page, the pages' bytes, the .BNK backup for .BNY, the atomic write.
// Once with the file system in memory (the commands' own cost) and once on the disk
// (temporary file, fsync, rename).
//
// As in files_bench, freed memory stays in the process, as in a program that has been
// running a while: a first open in a fresh process also pays the page faults of 12 MB
// of new row images (see BM_DecodeBny1000PagesFreshMemory there).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "console/console.h"
#include "console/input.h"
#include "core/editor.h"
#include "files/file_commands.h"
#include "script_rig.h"

namespace {

using namespace tessella;

constexpr int kPages = 1000;
constexpr int kRows = kPages * 34;

using bench::MemoryFiles;
using bench::Place;
using bench::ScriptHost;

std::string FileBytes(size_t cell_bytes) {
  std::string bytes(static_cast<size_t>(kRows) * 90 * cell_bytes, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 131 % 251);
  return bytes;
}

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

  void Open(const std::string& path) {
    ed.doc.store.current = 0;
    ed.doc.line_counter = 1;
    host.Type(path);
    core::Event ev;
    files::OpenFile(ed, ev);
  }
  void Save(const std::string& path) {
    ed.doc.file_name = path;
    core::Event ev;
    files::SaveFile(ed, ev);
  }
};

template <bool kTwoByte, bool kOnDisk>
void BM_Open1000Pages(benchmark::State& state) {
  Place place(kOnDisk);
  const std::string path = place.Path(kTwoByte ? "design.bny" : "design.bna");
  place.fs().Write(path, FileBytes(kTwoByte ? 2 : 4));
  Rig rig(place.fs());
  for (auto _ : state) rig.Open(path);
  if (rig.ed.doc.highest_row != kRows - 1) state.SkipWithError("the file did not fill the document");
}

template <bool kTwoByte, bool kOnDisk>
void BM_Save1000Pages(benchmark::State& state) {
  Place place(kOnDisk);
  const std::string path = place.Path(kTwoByte ? "design.bny" : "design.bna");
  place.fs().Write(path, FileBytes(kTwoByte ? 2 : 4));
  Rig rig(place.fs());
  rig.Open(path);  // the document holds 1,000 pages, and .BNY's backup its bytes
  for (auto _ : state) rig.Save(path);
  if (place.fs().Read(path).size() != static_cast<size_t>(kRows) * 90 * (kTwoByte ? 2 : 4))
    state.SkipWithError("the file written is not 1,000 pages");
}

BENCHMARK(BM_Open1000Pages<true, false>)->Name("BM_OpenBny1000Pages")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open1000Pages<false, false>)->Name("BM_OpenBna1000Pages")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save1000Pages<true, false>)->Name("BM_SaveBny1000Pages")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save1000Pages<false, false>)->Name("BM_SaveBna1000Pages")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open1000Pages<true, true>)->Name("BM_OpenBny1000PagesFromDisk")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open1000Pages<false, true>)->Name("BM_OpenBna1000PagesFromDisk")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save1000Pages<true, true>)->Name("BM_SaveBny1000PagesToDisk")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save1000Pages<false, true>)->Name("BM_SaveBna1000PagesToDisk")->Unit(benchmark::kMillisecond);

}  // namespace
