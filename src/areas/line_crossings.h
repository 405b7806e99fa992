#pragma once
// Where an arrow step's line character lands on an existing line, the two are joined:
// the character written becomes the junction or crossing of both.

namespace tessella::areas {

// For Left and Right steps. Applies only when `pending` is ═ 205 or ─ 196; returns the
// character to write instead, or `pending` itself when nothing is crossed.
int CrossHorizontal(int pending, int found);

// For Up and Down steps. Applies only when `pending` is ║ 186 or │ 179.
int CrossVertical(int pending, int found);

}  // namespace tessella::areas
