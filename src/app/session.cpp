#include "app/session.h"

#include "editor/main_loop.h"

namespace tessella::app {

Session::Session(const HostFactory& make_host)
    : host_(make_host(console_)),
      input_(std::make_unique<console::Input>(*host_)),
      editor_(std::make_unique<editor::Editor>(console_, *input_, *host_)) {}

int Session::Run() {
  int status = 0;
  try {
    editor::Run(*editor_);
  } catch (const platform::SessionEnd& end) {
    status = end.status;
  }
  host_->Finish();
  return status;
}

platform::EditorStatus StatusOf(const editor::Editor& ed) {
  return platform::EditorStatus{ed.cursor_row, ed.cursor_col, ed.txcolor, ed.bgcolor,
                                ed.page_number + 1, ed.file_name};
}

}  // namespace tessella::app
