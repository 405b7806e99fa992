#include "platform/calendar.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace tessella::platform {

std::string LocalDate() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", (local.tm_year + 1900) % 10000,
                (local.tm_mon + 1) % 100, local.tm_mday % 100);
  return text;
}

}  // namespace tessella::platform
