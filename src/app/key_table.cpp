#include "app/key_table.h"

#include <algorithm>
#include <array>

#include "areas/area_commands.h"
#include "areas/line_drawing.h"
#include "console/keys.h"
#include "app/help_command.h"
#include "core/page_moves.h"
#include "editor/text_entry.h"
#include "files/file_commands.h"
#include "app/startup.h"

namespace tessella::app {
namespace {

using namespace tessella::keys;

// Esc: the area is dropped; a pending line character unloads the arrow keys.
core::Next Escape(core::Editor& ed, core::Event&) {
  ed.selection.Drop();
  if (ed.lines.pending != 0) {
    ed.lines.pending = 0;
    ed.lines.mode = 0;
    return core::Next::kLoopTop;
  }
  return core::Next::kBookkeeping;
}

core::Next Ignore(core::Editor&, core::Event&) { return core::Next::kLoopTop; }

// Open and Save end with the title line naming the file now current.
core::Next Open(core::Editor& ed, core::Event& ev) {
  const core::Next next = files::OpenFile(ed, ev);
  ShowTitle(ed);
  return next;
}

core::Next Save(core::Editor& ed, core::Event& ev) {
  const core::Next next = files::SaveFile(ed, ev);
  ShowTitle(ed);
  return next;
}

// Every command of the program. Keys without an entry are typed.
constexpr std::array kTable = {
    KeyEntry{kEsc, "drop the area, unload the arrow keys", Escape},
    // Raised and sunken boxes in the area.
    KeyEntry{kAltB, "raised box, dark grey", core::DoNothing},
    KeyEntry{kAltC, "sunken box, dark grey", core::DoNothing},
    KeyEntry{kAltD, "raised box, light grey", core::DoNothing},
    KeyEntry{kAltE, "sunken box, light grey", core::DoNothing},
    KeyEntry{kDigit0, "raised box, blue", core::DoNothing},
    KeyEntry{kDigit1, "sunken box, blue", core::DoNothing},
    KeyEntry{kDigit2, "raised box, cyan", core::DoNothing},
    KeyEntry{kDigit3, "sunken box, cyan", core::DoNothing},
    KeyEntry{kDigit4, "raised box, green", core::DoNothing},
    KeyEntry{kDigit5, "sunken box, green", core::DoNothing},
    KeyEntry{kDigit6, "raised box, yellow", core::DoNothing},
    KeyEntry{kDigit7, "sunken box, yellow", core::DoNothing},
    KeyEntry{kDigit8, "raised box, magenta", core::DoNothing},
    KeyEntry{kDigit9, "sunken box, magenta", core::DoNothing},
    // Code generators.
    KeyEntry{kAltA, "Atom screen code", core::DoNothing},
    KeyEntry{kAltF, "FreeBasic screen code", core::DoNothing},
    KeyEntry{kAltJ, "XPRINT code", core::DoNothing},
    KeyEntry{kAltL, "GRAPHIC PRINT code", core::DoNothing},
    KeyEntry{kAltP, "user control code for PBdos/QB", core::DoNothing},
    KeyEntry{kAltR, "user control code for PBCC", core::DoNothing},
    KeyEntry{kAltT, "copy text with lines", core::DoNothing},
    KeyEntry{kF6, "PBCC screen code", core::DoNothing},
    KeyEntry{kF7, "PB/QB/GW DOS code", core::DoNothing},
    KeyEntry{kF8, "regular text", core::DoNothing},
    // Area operations.
    KeyEntry{kAltG, "copy the whole work screen", areas::CopyWholeScreen},
    KeyEntry{kF9, "copy the area", areas::Copy},
    KeyEntry{kF2, "cut the area", areas::Cut},
    KeyEntry{kF10, "paste at the cursor", areas::Paste},
    KeyEntry{kF5, "colour the area", areas::Colour},
    KeyEntry{kF12, "Edit Text dialog", core::DoNothing},
    KeyEntry{kAltH, "jump word", core::DoNothing},
    KeyEntry{kAltI, "shell word", core::DoNothing},
    KeyEntry{kAltY, "mouse-selectable words", core::DoNothing},
    KeyEntry{kAltK, "extended ASCII chart", core::DoNothing},
    KeyEntry{kAltX, "colour chart", core::DoNothing},
    // Files.
    KeyEntry{kAltO, "open a file", Open},
    KeyEntry{kAltS, "save (File, Save As and Save Part too)", Save},
    // Editing the work screen.
    KeyEntry{kAltM, "margin on", editor::MarginOn},
    KeyEntry{kAltN, "margin off", editor::MarginOff},
    KeyEntry{kAltU, "undo", editor::Undo},
    KeyEntry{kAltV, "redo", editor::Redo},
    KeyEntry{kAltZ, "reset console size", editor::ResetConsoleSize},
    KeyEntry{kHome, "cursor to the top left", editor::Home},
    KeyEntry{kEnd, "cursor to the bottom right", editor::End},
    KeyEntry{kUp, "cursor up (and line drawing)", areas::ArrowUp},
    KeyEntry{kDown, "cursor down (and line drawing)", areas::ArrowDown},
    KeyEntry{kLeft, "cursor left (and line drawing)", areas::ArrowLeft},
    KeyEntry{kRight, "cursor right (and line drawing)", areas::ArrowRight},
    KeyEntry{kEnter, "new line; insert a row at column 1", editor::EnterKey},
    KeyEntry{kDel, "delete the row at column 1", editor::DeleteKey},
    KeyEntry{kBackspace, "blank the cell and step left", editor::Backspace},
    KeyEntry{kPgUp, "page up", core::PageUp},
    KeyEntry{kPgDn, "page down", core::PageDown},
    KeyEntry{kF1, "help", Help},
    KeyEntry{kF3, "next text colour", editor::NextTextColour},
    KeyEntry{kF4, "next background colour", editor::NextBackColour},
    KeyEntry{kF11, "clear the console", editor::ClearConsole},
    // Keys that do nothing.
    KeyEntry{kAltQ, "nothing", Ignore},
    KeyEntry{kAltW, "nothing", Ignore},
    KeyEntry{kNothing92, "nothing", Ignore},
    KeyEntry{kNothing93, "nothing", Ignore},
};

}  // namespace

std::span<const KeyEntry> KeyTable() { return kTable; }

const KeyEntry* FindKey(int keynumber) {
  auto it = std::find_if(kTable.begin(), kTable.end(),
                         [keynumber](const KeyEntry& e) { return e.keynumber == keynumber; });
  return it == kTable.end() ? nullptr : &*it;
}

}  // namespace tessella::app
