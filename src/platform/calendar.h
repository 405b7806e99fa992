#pragma once
// The local date, as the text-art records write it.
#include <string>

namespace tessella::platform {

// Today in the local time zone as CCYYMMDD.
std::string LocalDate();

}  // namespace tessella::platform
