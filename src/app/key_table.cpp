#include "app/key_table.h"

#include <algorithm>
#include <array>

#include "areas/area_commands.h"
#include "areas/charts.h"
#include "areas/edit_text.h"
#include "areas/line_drawing.h"
#include "codegen/console_family_commands.h"
#include "codegen/dos_text_commands.h"
#include "areas/panels.h"
#include "areas/text_jumps.h"
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
    KeyEntry{kAltB, "raised box, dark grey", areas::DrawPanel},
    KeyEntry{kAltC, "sunken box, dark grey", areas::DrawPanel},
    KeyEntry{kAltD, "raised box, light grey", areas::DrawPanel},
    KeyEntry{kAltE, "sunken box, light grey", areas::DrawPanel},
    KeyEntry{kDigit0, "raised box, blue", areas::DrawPanel},
    KeyEntry{kDigit1, "sunken box, blue", areas::DrawPanel},
    KeyEntry{kDigit2, "raised box, cyan", areas::DrawPanel},
    KeyEntry{kDigit3, "sunken box, cyan", areas::DrawPanel},
    KeyEntry{kDigit4, "raised box, green", areas::DrawPanel},
    KeyEntry{kDigit5, "sunken box, green", areas::DrawPanel},
    KeyEntry{kDigit6, "raised box, yellow", areas::DrawPanel},
    KeyEntry{kDigit7, "sunken box, yellow", areas::DrawPanel},
    KeyEntry{kDigit8, "raised box, magenta", areas::DrawPanel},
    KeyEntry{kDigit9, "sunken box, magenta", areas::DrawPanel},
    // Code generators.
    KeyEntry{kAltA, "Atom screen code", codegen::AtomCode},
    KeyEntry{kAltF, "FreeBasic screen code", codegen::CopyFreeBasicScreen},
    KeyEntry{kAltJ, "XPRINT code", codegen::XprintCopy},
    KeyEntry{kAltL, "GRAPHIC PRINT code", codegen::GraphicPrintCopy},
    KeyEntry{kAltP, "user control code for PBdos/QB", codegen::UserControlDos},
    KeyEntry{kAltR, "user control code for PBCC", codegen::UserControlPbcc},
    KeyEntry{kAltT, "copy text with lines", codegen::TextWithLinesCopy},
    KeyEntry{kF6, "PBCC screen code", codegen::CopyPbccScreenCode},
    KeyEntry{kF7, "PB/QB/GW DOS code", codegen::DosCode},
    KeyEntry{kF8, "regular text", codegen::RegularTextCopy},
    // Area operations.
    KeyEntry{kAltG, "copy the whole work screen", areas::CopyWholeScreen},
    KeyEntry{kF9, "copy the area", areas::Copy},
    KeyEntry{kF2, "cut the area", areas::Cut},
    KeyEntry{kF10, "paste at the cursor", areas::Paste},
    KeyEntry{kF5, "colour the area", areas::Colour},
    KeyEntry{kF12, "Edit Text dialog", areas::EditAreaText},
    KeyEntry{kAltH, "jump word", areas::JumpWord},
    KeyEntry{kAltI, "shell word", areas::ShellWord},
    KeyEntry{kAltY, "mouse-selectable words", codegen::MarkClickableWord},
    KeyEntry{kAltK, "extended ASCII chart", areas::AsciiChart},
    KeyEntry{kAltX, "colour chart", areas::ColourChart},
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
