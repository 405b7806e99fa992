#include "files/file_chooser.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "console/keys.h"
#include "console/screen_image.h"
#include "ui/catalogue.h"
#include "ui/dialog.h"

namespace tessella::files {
namespace {

namespace box = ui::file_chooser;

constexpr std::uint8_t kListAttr = 0x17;       // light grey on blue
constexpr std::uint8_t kFolderAttr = 0x1E;     // yellow on blue
constexpr std::uint8_t kPickedAttr = 0x3F;     // bright white on cyan: the kind listed
constexpr std::uint8_t kTakenAttr = 0x70;      // black on light grey: the file clicked
constexpr std::uint8_t kFieldAttr = 0x30;      // black on cyan
constexpr std::uint8_t kMessageAttr = 0x1E;    // yellow on blue
constexpr std::uint8_t kTitleAttr = 0x1F;      // bright white on blue
constexpr size_t kMaxName = 260;

const ui::Picture& Box() { return ui::GetPicture(box::kPicture); }
const ui::Field& FieldOf(int field) { return Box().fields[static_cast<size_t>(field)]; }
console::Rect Region(int button) { return Box().buttons[static_cast<size_t>(button)].click; }

// One line of text at a place of the box, cut or padded to `width` cells. The console
// clips it, so a console smaller than the box shows the part that fits.
void PutLine(console::Console& con, int row, int col, int width, std::string_view text,
             std::uint8_t attr) {
  if (width <= 0) return;
  console::ScreenImage line(width, 1, ' ', attr);
  for (int i = 0; i < width && i < static_cast<int>(text.size()); ++i)
    line.Set(1, i + 1, static_cast<std::uint8_t>(text[static_cast<size_t>(i)]), attr);
  con.PutImage(row, col, line);
}

std::string Join(const std::string& folder, std::string_view name) {
  if (!name.empty() && name[0] == '/') return std::string(name);
  // Appended piece by piece: GCC 12 at -O3 takes "/" + name for an overlapping copy
  // (a false -Wrestrict) and fails the optimised build.
  std::string path = folder == "/" ? std::string() : folder;
  path += '/';
  path += name;
  return path;
}

// An absolute path without ".", ".." or doubled slashes.
std::string Normal(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t at = 0;
  while (at <= path.size()) {
    const size_t slash = std::min(path.find('/', at), path.size());
    const std::string_view part = path.substr(at, slash - at);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    at = slash + 1;
  }
  std::string out;
  for (std::string_view part : parts) (out += '/') += part;
  return out.empty() ? "/" : out;
}

struct ListEntry {
  std::string name;
  bool is_folder = false;
};

class Chooser {
 public:
  Chooser(const ui::Modal& ui, ports::FileSystem& files, const ChooserRequest& request)
      : ui_(ui),
        files_(files),
        mode_(request.mode),
        title_(request.title),
        home_(Normal(files.CurrentFolder())),
        folder_(home_),
        kinds_(FiltersFor(request.mode, request.name)),
        name_(request.name.substr(0, std::min(request.name.size(), kMaxName))) {
    List();
  }

  std::optional<std::string> Run() {
    while (!done_) {
      Draw();
      const console::Event ev = console::GetKey(ui_.input);
      message_.clear();
      if (ev.lft || ev.rgt) {
        Click(ev);
        continue;
      }
      taken_ = -1;
      if (ev.keynumber == keys::kEsc) {
        Finish(std::nullopt);
      } else if (ev.keynumber == keys::kEnter) {
        Accept();
      } else if (ev.keynumber == keys::kBackspace) {
        if (!name_.empty()) name_.pop_back();
        fresh_ = false;
      } else if (ev.keynumber == keys::kUp || ev.keynumber == keys::kDown) {
        PickKind(kind_ + (ev.keynumber == keys::kUp ? -1 : 1));
      } else if (ev.keynumber == keys::kPgUp || ev.keynumber == keys::kPgDn) {
        Scroll(ev.keynumber == keys::kPgUp ? -1 : 1);
      } else if (ev.key.size() == 1 && static_cast<unsigned char>(ev.key[0]) >= 32 &&
                 ev.key[0] != 127) {
        if (fresh_) name_.clear();
        fresh_ = false;
        if (name_.size() < kMaxName) name_ += ev.key[0];
      }
    }
    return result_;
  }

 private:
  // What the chooser returns from inside a folder: the name relative to the current
  // folder when the folder lies inside it.
  std::string Returned(const std::string& path) const {
    const std::string prefix = home_ == "/" ? "/" : home_ + "/";
    return path.compare(0, prefix.size(), prefix) == 0 ? path.substr(prefix.size()) : path;
  }

  static int ListRows() { return Region(box::kEntries).height(); }

  void List() {
    entries_.clear();
    scroll_ = 0;
    taken_ = -1;
    if (folder_ != "/") entries_.push_back({"..", true});
    std::vector<ports::FolderEntry> found;
    try {
      found = files_.List(folder_);
    } catch (const ports::FileError& e) {
      message_ = e.what();
    }
    const std::string_view pattern = kinds_.empty() ? "*.*" : kinds_[static_cast<size_t>(kind_)].pattern;
    // Hidden entries (a leading dot) are not listed; their names may still be typed.
    const auto shown = [](const ports::FolderEntry& e) { return !e.name.empty() && e.name[0] != '.'; };
    for (const auto& e : found)
      if (e.is_folder && shown(e)) entries_.push_back({e.name, true});
    for (const auto& e : found)
      if (!e.is_folder && shown(e) && FilterMatches(pattern, e.name)) entries_.push_back({e.name, false});
  }

  void PickKind(int kind) {
    if (kind < 0 || kind >= static_cast<int>(kinds_.size()) || kind == kind_) return;
    kind_ = kind;
    List();
  }

  void Scroll(int pages) {
    const int rows = ListRows();
    const int last = std::max(0, static_cast<int>(entries_.size()) - rows);
    scroll_ = std::clamp(scroll_ + pages * rows, 0, last);
  }

  bool Enter(const std::string& folder) {
    const std::string before = folder_;
    folder_ = folder;
    List();
    if (!message_.empty()) {  // a folder that cannot be listed is not entered
      const std::string why = message_;
      folder_ = before;
      List();
      message_ = why;
      ui_.Beep();
      return false;
    }
    return true;
  }

  void Finish(std::optional<std::string> result) {
    result_ = std::move(result);
    done_ = true;
  }

  void Accept() {
    if (name_.empty()) {
      if (mode_ == ChooserMode::kSave) Finish(name_);
      else ui_.Beep();
      return;
    }
    const std::string path = Normal(Join(folder_, name_));
    if (files_.IsFolder(path)) {
      if (Enter(path)) {
        name_.clear();
        fresh_ = false;
      }
      return;
    }
    if (mode_ == ChooserMode::kOpen && !files_.Exists(path)) {
      message_ = "No such file: " + name_;
      ui_.Beep();
      return;
    }
    // A name typed in the current folder, or from the root, stays as the user typed it.
    const bool as_typed = name_[0] == '/' || folder_ == home_;
    Finish(as_typed ? name_ : Returned(path));
  }

  void Click(const console::Event& ev) {
    const int button = ui::ButtonFor(Box(), ev);
    const int row = ev.row - Region(box::kEntries).top;
    const int clicked_before = taken_;
    taken_ = -1;
    switch (button) {
      case box::kKinds:
        PickKind(row);
        break;
      case box::kEntries: {
        const int index = scroll_ + row;
        if (index >= static_cast<int>(entries_.size())) break;
        const ListEntry entry = entries_[static_cast<size_t>(index)];
        if (entry.is_folder) {
          Enter(Normal(Join(folder_, entry.name)));
        } else if (clicked_before == index) {
          Accept();
        } else {
          name_ = entry.name;
          fresh_ = false;
          taken_ = index;
        }
        break;
      }
      case box::kScrollUp:
      case box::kScrollDown:
        Scroll(button == box::kScrollUp ? -1 : 1);
        break;
      case box::kOk:
        Accept();
        break;
      case box::kCancel:
        Finish(std::nullopt);
        break;
      default:
        break;
    }
  }

  void Draw() {
    auto& con = ui_.console;
    ui::DrawPicture(con, box::kPicture);
    const auto field = [&](int f, std::string_view text, std::uint8_t attr) {
      const ui::Field& at = FieldOf(f);
      PutLine(con, at.row, at.col, at.length, text, attr);
    };
    field(box::kTitleField, title_, kTitleAttr);
    const int folder_room = FieldOf(box::kFolderField).length;
    const std::string_view shown_folder =
        std::string_view(folder_).substr(folder_.size() > static_cast<size_t>(folder_room)
                                             ? folder_.size() - static_cast<size_t>(folder_room)
                                             : 0);
    field(box::kFolderField, shown_folder, kTitleAttr);

    const console::Rect kinds = Region(box::kKinds);
    for (int i = 0; i < kinds.height() && i < static_cast<int>(kinds_.size()); ++i)
      PutLine(con, kinds.top + i, kinds.left, kinds.width(), kinds_[static_cast<size_t>(i)].description,
              i == kind_ ? kPickedAttr : kListAttr);

    const console::Rect list = Region(box::kEntries);
    for (int i = 0; i < list.height(); ++i) {
      const int index = scroll_ + i;
      if (index >= static_cast<int>(entries_.size())) break;
      const ListEntry& e = entries_[static_cast<size_t>(index)];
      const std::uint8_t attr = index == taken_ ? kTakenAttr : e.is_folder ? kFolderAttr : kListAttr;
      PutLine(con, list.top + i, list.left, list.width(), e.is_folder ? e.name + "/" : e.name, attr);
    }

    // The end of a long name stays in view, where the typing goes.
    const ui::Field& name = FieldOf(box::kNameField);
    const size_t room = static_cast<size_t>(name.length - 1);
    const std::string_view shown =
        std::string_view(name_).substr(name_.size() > room ? name_.size() - room : 0);
    PutLine(con, name.row, name.col, name.length, shown, kFieldAttr);
    field(box::kMessageField, message_, kMessageAttr);

    const int cursor_col = name.col + static_cast<int>(shown.size());
    if (name.row <= con.rows() && cursor_col <= con.cols()) {
      con.Locate(name.row, cursor_col);
      con.SetCursorVisible(true);
    } else {
      con.SetCursorVisible(false);
    }
  }

  const ui::Modal& ui_;
  ports::FileSystem& files_;
  ChooserMode mode_;
  std::string title_;
  std::string home_;
  std::string folder_;
  std::vector<FileFilter> kinds_;
  int kind_ = 0;
  std::vector<ListEntry> entries_;
  int scroll_ = 0;
  int taken_ = -1;  // the file clicked once, whose second click takes it
  std::string name_;
  bool fresh_ = true;  // the first printable key replaces the name shown
  std::string message_;
  bool done_ = false;
  std::optional<std::string> result_;
};

}  // namespace

std::optional<std::string> ChooseFile(const ui::Modal& ui, ports::FileSystem& files,
                                      const ChooserRequest& request) {
  auto& con = ui.console;
  const console::RecordImage under = con.Snapshot();
  const bool cursor_was_visible = con.cursor_visible();
  std::optional<std::string> chosen = Chooser(ui, files, request).Run();
  con.Restore(under);
  con.SetCursorVisible(cursor_was_visible);
  return chosen;
}

}  // namespace tessella::files
