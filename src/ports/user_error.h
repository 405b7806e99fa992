#pragma once
// A failure that is the world's doing, not the program's: a file that cannot be read, a
// write refused by a full disk or a read-only folder, a clipboard that cannot be kept.
// The command that met it tells the user in a message box and stops; the design on
// screen and on disk stays as it was.
#include <stdexcept>

namespace tessella::ports {

struct UserError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace tessella::ports
