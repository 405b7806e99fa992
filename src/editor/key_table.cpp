#include "editor/key_table.h"

#include <algorithm>
#include <array>

#include "areas/area_commands.h"
#include "areas/line_drawing.h"
#include "console/keys.h"
#include "editor/help_command.h"
#include "editor/page_moves.h"
#include "editor/text_entry.h"

namespace tessella::editor {
namespace {

using namespace tessella::keys;

// Esc: the area is dropped; a pending line character unloads the arrow keys.
Next Escape(Editor& ed, Event&) {
  ed.flag_first = ed.flag_last = 0;
  if (ed.lines.pending != 0) {
    ed.lines.pending = 0;
    ed.lines.mode = 0;
    return Next::kLoopTop;
  }
  return Next::kBookkeeping;
}

Next Ignore(Editor&, Event&) { return Next::kLoopTop; }

// Every command of the program. Keys without an entry are typed.
constexpr std::array kTable = {
    KeyEntry{kEsc, "drop the area, unload the arrow keys", Escape},
    // Raised and sunken boxes in the area.
    KeyEntry{kAltB, "raised box, dark grey", DoNothing},
    KeyEntry{kAltC, "sunken box, dark grey", DoNothing},
    KeyEntry{kAltD, "raised box, light grey", DoNothing},
    KeyEntry{kAltE, "sunken box, light grey", DoNothing},
    KeyEntry{kDigit0, "raised box, blue", DoNothing},
    KeyEntry{kDigit1, "sunken box, blue", DoNothing},
    KeyEntry{kDigit2, "raised box, cyan", DoNothing},
    KeyEntry{kDigit3, "sunken box, cyan", DoNothing},
    KeyEntry{kDigit4, "raised box, green", DoNothing},
    KeyEntry{kDigit5, "sunken box, green", DoNothing},
    KeyEntry{kDigit6, "raised box, yellow", DoNothing},
    KeyEntry{kDigit7, "sunken box, yellow", DoNothing},
    KeyEntry{kDigit8, "raised box, magenta", DoNothing},
    KeyEntry{kDigit9, "sunken box, magenta", DoNothing},
    // Code generators.
    KeyEntry{kAltA, "Atom screen code", DoNothing},
    KeyEntry{kAltF, "FreeBasic screen code", DoNothing},
    KeyEntry{kAltJ, "XPRINT code", DoNothing},
    KeyEntry{kAltL, "GRAPHIC PRINT code", DoNothing},
    KeyEntry{kAltP, "user control code for PBdos/QB", DoNothing},
    KeyEntry{kAltR, "user control code for PBCC", DoNothing},
    KeyEntry{kAltT, "copy text with lines", DoNothing},
    KeyEntry{kF6, "PBCC screen code", DoNothing},
    KeyEntry{kF7, "PB/QB/GW DOS code", DoNothing},
    KeyEntry{kF8, "regular text", DoNothing},
    // Area operations.
    KeyEntry{kAltG, "copy the whole work screen", areas::CopyWholeScreen},
    KeyEntry{kF9, "copy the area", areas::Copy},
    KeyEntry{kF2, "cut the area", areas::Cut},
    KeyEntry{kF10, "paste at the cursor", areas::Paste},
    KeyEntry{kF5, "colour the area", areas::Colour},
    KeyEntry{kF12, "Edit Text dialog", DoNothing},
    KeyEntry{kAltH, "jump word", DoNothing},
    KeyEntry{kAltI, "shell word", DoNothing},
    KeyEntry{kAltY, "mouse-selectable words", DoNothing},
    KeyEntry{kAltK, "extended ASCII chart", DoNothing},
    KeyEntry{kAltX, "colour chart", DoNothing},
    // Files.
    KeyEntry{kAltO, "open a file", DoNothing},
    KeyEntry{kAltS, "save", DoNothing},
    // Editing the work screen.
    KeyEntry{kAltM, "margin on", MarginOn},
    KeyEntry{kAltN, "margin off", MarginOff},
    KeyEntry{kAltU, "undo", Undo},
    KeyEntry{kAltV, "redo", Redo},
    KeyEntry{kAltZ, "reset console size", ResetConsoleSize},
    KeyEntry{kHome, "cursor to the top left", Home},
    KeyEntry{kEnd, "cursor to the bottom right", End},
    KeyEntry{kUp, "cursor up (and line drawing)", areas::ArrowUp},
    KeyEntry{kDown, "cursor down (and line drawing)", areas::ArrowDown},
    KeyEntry{kLeft, "cursor left (and line drawing)", areas::ArrowLeft},
    KeyEntry{kRight, "cursor right (and line drawing)", areas::ArrowRight},
    KeyEntry{kEnter, "new line; insert a row at column 1", EnterKey},
    KeyEntry{kDel, "delete the row at column 1", DeleteKey},
    KeyEntry{kBackspace, "blank the cell and step left", Backspace},
    KeyEntry{kPgUp, "page up", PageUp},
    KeyEntry{kPgDn, "page down", PageDown},
    KeyEntry{kF1, "help", Help},
    KeyEntry{kF3, "next text colour", NextTextColour},
    KeyEntry{kF4, "next background colour", NextBackColour},
    KeyEntry{kF11, "clear the console", ClearConsole},
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

}  // namespace tessella::editor
