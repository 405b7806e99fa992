// The ASCII and colour charts as modal pickers: what one event picks, and the console
// left exactly as it was.
#include <gtest/gtest.h>

#include <optional>

#include "areas/charts.h"
#include "console/console.h"
#include "console/input.h"
#include "fake_host.h"

namespace tessella {
namespace {

struct Picker {
  console::Console con;
  testing::FakeHost host;
  console::Input input{host};
  ui::Modal modal{con, input, host};

  explicit Picker(std::string_view event, int rows = 35, int cols = 90) : con(rows, cols) {
    con.SetColor(1, 15);
    con.Clear();
    host.Queue(event);
  }
};

TEST(AsciiChart, PicksTheCharacterShownInTheBandsColumn) {
  struct Case {
    const char* event;
    std::optional<int> picked;
  };
  const Case cases[] = {
      {"click 8 40", 178},    // the entry "178 ▓"
      {"click 8 37", 178},    // the band's first column
      {"click 22 13", 158},   // the last row of entries
      {"click 1 19", 196},    // the frame: ─
      {"click 3 40", 'a'},    // the title: "Click on a Charecter"
      {"click 19 74", ' '},   // an empty entry
      {"click 23 40", std::nullopt},
      {"click 8 12", std::nullopt},  // between two bands
      {"click 8 5", std::nullopt},
      {"rclick 8 40", std::nullopt},
      {"key Esc", std::nullopt},
      {"type a", std::nullopt},
  };
  for (const Case& c : cases) {
    Picker p(c.event);
    const console::RecordImage before = p.con.Snapshot();
    const std::optional<std::uint8_t> picked = areas::PickCharacter(p.modal);
    EXPECT_EQ(picked ? std::optional<int>(*picked) : std::nullopt, c.picked) << c.event;
    EXPECT_EQ(p.con.Snapshot(), before) << c.event;
  }
}

TEST(AsciiChart, OnANarrowConsoleABandWhoseColumnIsNotShownPicksNothing) {
  Picker p("click 8 39", 20, 40);  // the band of column 42
  EXPECT_FALSE(areas::PickCharacter(p.modal).has_value());
}

TEST(ColourChart, EitherButtonPicksTheCellsColoursAKeyPicksNothing) {
  struct Case {
    const char* event;
    std::optional<areas::Colours> picked;
  };
  const Case cases[] = {
      {"click 10 30", areas::Colours{4, 5}},
      {"rclick 21 72", areas::Colours{15, 15}},
      {"click 10 13", areas::Colours{15, 0}},  // the blank after a sample
      {"click 6 11", areas::Colours{15, 0}},   // the marker over 0 on 0
      {"click 16 15", areas::Colours{10, 1}},  // the marker over 10 on 1
      {"click 5 30", std::nullopt},
      {"click 10 73", std::nullopt},
      {"key Enter", std::nullopt},
  };
  for (const Case& c : cases) {
    Picker p(c.event);
    const console::RecordImage before = p.con.Snapshot();
    EXPECT_EQ(areas::PickColours(p.modal), c.picked) << c.event;
    EXPECT_EQ(p.con.Snapshot(), before) << c.event;
    EXPECT_EQ(p.con.output_page(), 1);
    EXPECT_EQ(p.con.displayed_page(), 1);
  }
}

}  // namespace
}  // namespace tessella
