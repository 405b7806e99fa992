#include "app/convert_command.h"

#include <iostream>

#include "app/art_command_line.h"
#include "files/art_ansi.h"
#include "platform/calendar.h"

namespace tessella::app {
namespace {

// A picture read without a SAUCE record gets one titled after the file it goes to.
void GiveSauce(files::ArtDocument& doc, const std::string& out_path) {
  if (doc.sauce) return;
  std::string title = out_path.substr(out_path.find_last_of('/') + 1);
  if (const std::size_t dot = title.find_last_of('.'); dot != std::string::npos && dot > 0) title.resize(dot);
  files::Sauce sauce;
  sauce.title = title;
  sauce.date = platform::LocalDate();
  sauce.flags = files::kSauceEightPixels;
  doc.sauce = sauce;
}

void Convert(const std::vector<std::string>& args) {
  const ArtArguments parsed = ParseArtArguments(args, {"--width", "--pages"}, false);
  if (parsed.files.size() != 2) throw CommandFailure{kWrongCommandLine, "convert wants IN and OUT"};
  const std::string& in_path = parsed.files[0];
  const std::string& out_path = parsed.files[1];
  const files::ArtFormat& in = ReadableFormat(in_path);
  const files::ArtFormat& out = WritableFormat(out_path);
  const int width = parsed.numbers.contains("--width") ? parsed.numbers.at("--width") : 0;

  files::ArtDocument doc = LoadArt(in_path, in, width);
  if (parsed.numbers.contains("--pages")) {
    doc = files::SliceRows(doc, 1, parsed.numbers.at("--pages") * PageRows());
  }
  GiveSauce(doc, out_path);
  std::string bytes;
  try {
    bytes = out.write(doc);
  } catch (const files::ArtError& e) {
    throw CommandFailure{kCommandFailed, out_path + ": " + e.what()};
  }
  if (out.extension == ".ANS") {
    if (const int n = files::AnsiUnwritableCells(doc.cells); n > 0) {
      std::cerr << "tessella: " << out_path << ": " << n
                << " cells hold characters ANSI art cannot carry (9, 10, 13, 26, 27) and are"
                   " written as blanks\n";
    }
  }
  SaveFile(out_path, bytes);
}

}  // namespace

int RunConvert(const std::vector<std::string>& args) { return RunArtCommand(Convert, args); }

}  // namespace tessella::app
