#pragma once
// The page arithmetic of the document: which page the line counter is on, and what
// becomes of the counters when the page height changes.
#include "core/editor.h"

namespace tessella::core {

// INT((line counter - 1) / page height): rounded down, for every line counter.
int PageNumberOf(int line_counter, int page_height);

// After the console's height changed from `old_height` work rows to the present one:
// the page on display is pulled back where it would run past the row store's end (the
// line counter with it), the last page index still covers every row it covered, and
// the page number is the line counter's page at the new height.
void FollowPageHeight(Editor& ed, int old_height);

}  // namespace tessella::core
