#pragma once
// Jump words and shell words: an embed character written in the cell before a word
// makes the word active for the companion viewer of the design files (250 a word that
// jumps to the other word with the same embed, 249 a file name the viewer runs).
#include <string_view>

#include "core/command.h"
#include "ui/modal.h"

namespace tessella::areas {

// Alt-H and Alt-I: the embed at the cursor, coloured like the background the cell had;
// the cursor moves to the cell that ends the word and a notice names the word.
core::Next JumpWord(core::Editor& ed, core::Event& ev);
core::Next ShellWord(core::Editor& ed, core::Event& ev);

// The five-second notice: three rows of 50 + L cells (L the word's length) at row 10,
// column 10, the middle one naming the word in capitals followed by the message.
void ShowWordNotice(const ui::Modal& ui, std::string_view word, std::string_view message);

}  // namespace tessella::areas
