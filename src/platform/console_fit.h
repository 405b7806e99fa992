#pragma once
// Input records as a console of a given size can deliver them.
#include <optional>

#include "console/input_record.h"

namespace tessella::platform {

// A record as the console sees it when the front end shows the console's top-left rows x
// cols (the terminal may be larger, or smaller with a notice line): a press or release
// outside those cells has no console cell under it and gives nothing; motion outside is
// held to their edge. Keys pass unchanged.
std::optional<console::InputRecord> FitToConsole(const console::InputRecord& record, int rows,
                                                 int cols);

}  // namespace tessella::platform
