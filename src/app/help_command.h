#pragma once
// F1: the Help menu.
#include "core/command.h"

namespace tessella::app {

core::Next Help(core::Editor& ed, core::Event& ev);

}  // namespace tessella::app
