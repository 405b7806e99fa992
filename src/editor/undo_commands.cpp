// Undo and redo: whole-console pictures written back onto the console.
#include <string>

#include "editor/text_entry.h"

namespace tessella::editor {
namespace {

// A picture from before a console resize has another size: it is fitted to the
// console as it is now, so nothing is read beyond the picture or written beyond the
// console. Cells the picture lacks become blanks in the typing colours.
void ShowPicture(core::Editor& ed, const core::ScreenPicture& picture) {
  const int R = ed.rows();
  const int C = ed.cols();
  const std::string pad{' ', static_cast<char>(console::kPad),
                        static_cast<char>(console::Attribute(ed.pen.txcolor, ed.pen.bgcolor)),
                        static_cast<char>(console::kPad)};
  ed.console.Restore(core::FitPicture(picture, R, C, pad));
}

}  // namespace

core::Next Undo(core::Editor& ed, core::Event&) {
  core::ScreenPicture older;
  if (ed.undo.Undo(ed.console.Snapshot(), older))
    ShowPicture(ed, older);
  return core::Next::kLoopTop;
}

core::Next Redo(core::Editor& ed, core::Event&) {
  core::ScreenPicture newer;
  if (ed.undo.Redo(newer)) ShowPicture(ed, newer);
  return core::Next::kLoopTop;
}

}  // namespace tessella::editor
