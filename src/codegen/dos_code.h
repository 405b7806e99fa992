#pragma once
// DOS text-mode BASIC code for a captured area: one DATA string per area row holding
// the row's character and attribute bytes, and on request a `Launch` routine (PB, QB)
// or a numbered program (GW) that copies the strings into video memory at &HB800.
#include <string>

#include "console/rect.h"
#include "console/screen_image.h"

namespace tessella::codegen {

// The dialect picked in the DOS code dialog. The choice outlives a run whose launcher
// was not written, so the editor keeps it between runs (see DosBasicAfterRun).
enum class DosBasic { kNone, kPB, kQB, kGW };

struct DosAnswers {
  DosBasic basic = DosBasic::kNone;
  bool include_launcher = true;  // the Yes/No pair; Yes at the start of every run
  std::string label;             // the DATA label, possibly empty (GW does not use it)
};

// The clipboard text for `area`, captured at `place`. The blank-9 rule is applied to
// the cells here. PB and QB start with the RESTORE/Launch block and the label line; GW
// (and a run without a dialect) numbers its DATA lines from 5000 by 10.
std::string DosScreenCode(const console::ScreenImage& area, const console::Rect& place,
                          const DosAnswers& answers);

// The dialect the next run starts with: cleared once its launcher has been written,
// kept after a run answered No.
DosBasic DosBasicAfterRun(const DosAnswers& answers);

}  // namespace tessella::codegen
