#include "codegen/atom_code.h"

#include "codegen/area_rows.h"
#include "codegen/blank_nine.h"
#include "codegen/text_lines.h"

namespace tessella::codegen {
namespace {

// The launching block and the general `Loader` subroutine. The trailing blanks belong
// to the lines.
void AddLoader(Lines& out) {
  out.Add({
      "            cls:   ",
      "            call: Untitled          # ReName Untitled",
      "            input: r1               # hit any key to end  ",
      "            end:          ",
      "",
      "",
      "          subroutine: Loader       # Box or Screen Subroutine",
      "            screensize: 80, 26     # set for line wrap",
      "            popdata: R64           # Pop the number of chars in row",
      "            popdata: R63           # Pop the number of lines",
      "            popdata: R62           # Pop starting colum",
      "            popData: R61           # Pop starting row ",
      "            popData: R60           # Pop the screen ",
      "            set: R1, 0             # termination flag  ",
      "            set: R20, 16           # color mask  ",
      "            set: R5, 0             # substr counter ",
      "forline@    eqz: R63, R1            # first loop (lines)  ",
      "            locate: R61, R62       # Locate cursor row  ",
      "            brit: endbox           # If true branch to endbox",
      "            SET: R4, R64           # number OF chars IN each LINE",
      "forchars@   eqz: R4, R1            # check if r4 = r1 ",
      "            brit: endline          # If true branch to endline",
      "            inc: R5                # increment the char pointer ",
      "            substr: R6, R60, R5, 1 # this is the character to print ",
      "            inc: R5                # increment the char pointer ",
      "            substr: R7, R60, R5, 1 # this is the color code(?)  ",
      "            dec: R4                # ",
      "            asc: R8, R7            # convert color code to number ",
      "            div: R9, R8, R20       # get the background color (R9) ",
      "            trunc: R9, R9          # ",
      "            mod: R10, R8, R20      # get foregound color ",
      "            color: R10, R9         # set the color ",
      "            print: R6;             # print the character ",
      "            goto: forchars         # get the next group of data  ",
      " endline@   dec: R63               # decrease line counter ",
      "            inc: R61               # number to move cursor ",
      "            goto: forline          # go do another row",
      " endbox@    locate: 1,1            # Relocate stops line generating",
      "            screensize: 80, 25     # reset screen size",
      "          endsub:                  # End subroutine ",
      "",
      "",
  });
}

}  // namespace

std::string AtomScreenCode(const console::ScreenImage& area, const console::Rect& place,
                           bool include_loader) {
  const console::ScreenImage cells = ApplyBlankNine(area);
  Lines out;
  if (include_loader) AddLoader(out);
  out.Add("          Subroutine: Untitled     # ReName Untitled ");
  out.Add("            set: R61, " + NumberText(place.top) + "           # set starting row");
  out.Add("            set: R62, " + NumberText(place.left) + "           # set starting colum");
  // The loader walks the string by the counts it is given, so they are the image's own.
  out.Add("            set: R63, " + NumberText(cells.height()) +
          "          # set the number of lines ");
  out.Add("            set: R64, " + NumberText(cells.width()) +
          "          # number OF chars IN a LINE");
  out.Add("            set: R60,\"\"");
  for (int r = 1; r <= cells.height(); ++r)
    out.Add("            concat: R60, " + Quoted(cells.row(r)));
  out.Add({
      "           PushData: R60        # Push the screen  ",
      "           PushData: R61        # Push starting row  ",
      "           Pushdata: R62        # Push starting colum ",
      "           Pushdata: R63        # Push the number of lines ",
      "           Pushdata: R64        # Push the number of chars in row ",
      "           Call: Loader         # Display the screen ",
  });
  out.Raw("         Endsub:");
  return out.Take();
}

}  // namespace tessella::codegen
