#pragma once
// The key table: every command of the program, keyed by its key number.
#include <span>
#include <string_view>

#include "core/command.h"

namespace tessella::app {

struct KeyEntry {
  int keynumber;
  std::string_view name;
  core::Command command;
};

std::span<const KeyEntry> KeyTable();
// The entry for a key number, or nullptr: such keys are typed.
const KeyEntry* FindKey(int keynumber);

}  // namespace tessella::app
