#pragma once
// The editor state: one object of named parts holding everything the commands share,
// passed to every command. Nothing of the program's state lives anywhere else.
#include <string>

#include "console/console.h"
#include "console/input.h"
#include "core/row_store.h"
#include "core/undo_history.h"
#include "ports/file_system.h"
#include "ports/host.h"
#include "ui/modal.h"

namespace tessella::core {

// The design: the row store and the counters the toolbar's page number and the file
// commands come from.
struct Document {
  RowStore store;
  int line_counter = 1;
  int page_number = 0;
  int highest_row = 0;
  int last_page_index = 0;
  std::string file_name;  // as the user typed it
};

// Area corners: r1, c1 the first (top-left) corner clicked, r2, c2 the second.
struct AreaCorners {
  int r1 = 0;
  int c1 = 0;
  int r2 = 0;
  int c2 = 0;
};

// The internal store Copy, Cut and Alt-G fill and Paste writes at the cursor.
struct AreaBuffer {
  std::string image;  // record image, row by row
  int width = 0;
  int height = 0;
};

// The chosen area and what area commands keep of it.
struct Selection {
  AreaCorners area;
  // Corner flags: the area's first and last row as they stood when the choice was last
  // confirmed; 0 means not chosen.
  int flag_first = 0;
  int flag_last = 0;
  AreaBuffer buffer;

  bool Confirmed() const { return flag_first != 0 && flag_last != 0; }
  // The area is no longer chosen; its corners and the buffer stay.
  void Drop() { flag_first = flag_last = 0; }
};

// The program cursor, the typing colours and the left margin.
struct Pen {
  int cursor_row = 10;
  int cursor_col = 40;
  int txcolor = 1;
  int bgcolor = 15;
  int left_margin = 1;
};

// Arrow-key drawing state.
struct LineDrawing {
  int style = 0;    // index 0-4 of the style shown on the toolbar
  int mode = 0;     // loaded line mode: 0 or the style's code
  int pending = 0;  // character the next arrow step leaves, 0 for none
  int found = 0;    // character under the cursor before the last step wrote there
};

// What the main loop remembers from one pass to the next.
struct LoopMemory {
  // Set by GetEvent when a left click in the work area starts an area: the main loop
  // then pushes the "before" picture.
  bool undo_request = false;
  // The "before" console snapshot of the current event.
  console::RecordImage before;
  int previous_key = 0;
  // Whether the event before this one was a left click on the toolbar line.
  bool previous_click_on_toolbar = false;
  bool last_event_was_toolbar_click = false;
  // Set by the menu table for File, Save As and File, Save Part.
  bool save_as = false;
  bool save_part = false;
};

// What the code generators keep from one run to the next.
struct GeneratorMemory {
  // The words marked with Mark word for the clickable-word handler: its IF lines and
  // CASE lines, in the order marked, until a generator builds the handler from them.
  std::string if_list;
  std::string case_list;
  // The Basic the DOS code dialog had picked (codegen::DosBasic), kept across runs.
  int dos_basic = 0;
};

// What Open and Save keep from one command to the next.
struct FileMemory {
  // The bytes of the file Open last read whole; a .BNY save leaves them in the .BNK
  // file beside it.
  std::string backup;
  // The name the last file chooser returned: the next one shows it and lists its kind
  // of file first.
  std::string last_dialog_name;
  // What followed the picture in the text-art file last opened (0x1A, comments, SAUCE
  // record), so that saving it again keeps its title, author and comments; empty when
  // that file had none, or the last file opened was not text art.
  std::string art_sauce;
  // The palette and font of the XBin file last opened, as an XBin file of one cell, so
  // that saving it again keeps the look it was drawn for; empty when it had neither.
  std::string art_look;
};

// One event of the main loop, as GetEvent returns it: the same as a modal screen's.
using Event = console::Event;

struct Editor {
  Editor(console::Console& c, console::Input& i, ports::Host& h, ports::FileSystem& f)
      : console(c), input(i), host(h), files(f) {}

  console::Console& console;
  console::Input& input;
  ports::Host& host;
  ports::FileSystem& files;

  Document doc;
  Selection selection;
  Pen pen;
  LineDrawing lines;
  UndoHistory undo{doc.store};  // steps through the document's own history
  LoopMemory loop;
  GeneratorMemory generators;
  FileMemory files_memory;

  int rows() const { return console.rows(); }
  int cols() const { return console.cols(); }
  void SetOutputColour() { console.SetColor(pen.txcolor, pen.bgcolor); }
  void Beep() { host.Beep(); }
  void Pause(int ms) { host.Sleep(ms); }
  // What modal screens get: the console, the input and the host, nothing else.
  ui::Modal modal() { return ui::Modal{console, input, host}; }
};

}  // namespace tessella::core
