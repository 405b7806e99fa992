#pragma once
// Dialog boxes as their pictures describe them: the box is a picture, its buttons and
// input fields are named in the picture file, and these routines show the box, read
// what the user does and light the button pressed.
#include <string>

#include "console/input.h"
#include "ui/catalogue.h"
#include "ui/modal.h"

namespace tessella::ui {

// What one event did in a dialog box.
struct DialogAnswer {
  int button = -1;          // the button pressed (its place in the picture's list), -1: none
  console::Event event;  // the event itself
};

// Draws the box on page 1 (the region writer). The caller keeps the snapshot that takes
// it away again.
void ShowBox(const Modal& ui, PictureId box);

// The button an event presses: a left or right click inside a button's cells, or a key
// whose character the button lists; failing both, the box's default button; else -1.
int ButtonFor(const Picture& box, const console::Event& event);

// Waits for one event (GetKey). When it presses a button that has a lit picture, the
// lit picture is drawn and stays for its time.
DialogAnswer AskOnce(const Modal& ui, PictureId box);

// Draws the lit picture of a button, if it has one, for its time.
void LightButton(const Modal& ui, PictureId box, int button);

// Reads one line in the box's input field at its place in the console's output colour:
// at most max_length characters, of which what fits in the field is echoed.
std::string ReadField(const Modal& ui, PictureId box, int field, int max_length);

}  // namespace tessella::ui
