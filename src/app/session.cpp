#include "app/session.h"

#include "app/main_loop.h"
#include "platform/disk_file_system.h"

namespace tessella::app {

Session::Session(const HostFactory& make_host, std::unique_ptr<ports::FileSystem> files)
    : host_(make_host(console_)),
      files_(files ? std::move(files) : std::make_unique<platform::DiskFileSystem>()),
      input_(std::make_unique<console::Input>(*host_)),
      editor_(std::make_unique<core::Editor>(console_, *input_, *host_, *files_)) {}

int Session::Run() {
  int status = 0;
  try {
    app::Run(*editor_);
  } catch (const ports::SessionEnd& end) {
    status = end.status;
  }
  host_->Finish();
  return status;
}

ports::EditorStatus StatusOf(const core::Editor& ed) {
  return ports::EditorStatus{ed.pen.cursor_row, ed.pen.cursor_col, ed.pen.txcolor, ed.pen.bgcolor,
                                ed.doc.page_number + 1, ed.doc.file_name};
}

}  // namespace tessella::app
