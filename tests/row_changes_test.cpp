// The row store's history: random changes, branches and forgetting, checked against a
// copy of the rows kept for every state.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/row_changes.h"

namespace tessella::core {
namespace {

using Rows = std::vector<std::string>;

// Makes one random change on rows and notes it, as the row store does.
void RandomChange(std::mt19937& rng, Rows& rows, RowHistory& history) {
  const int index = static_cast<int>(rng() % rows.size());
  const std::string image = "r" + std::to_string(rng() % 1000);
  RowChange change;
  switch (rng() % 3) {
    case 0:
      change = RowChange{RowChange::Kind::kSet, index, rows[static_cast<size_t>(index)], image};
      break;
    case 1:
      change = RowChange{RowChange::Kind::kInsert, index, rows.back(), image};
      break;
    default:
      change = RowChange{RowChange::Kind::kRemove, index, rows[static_cast<size_t>(index)], {}};
      break;
  }
  MakeChange(rows, change);
  history.Note(change);
}

TEST(RowHistory, EveryKeptStateComesBackExactlyAcrossBranchesAndForgetting) {
  std::mt19937 rng(12);
  Rows rows(8);
  RowHistory history;
  history.Start();
  std::map<RowHistory::State, Rows> seen{{history.state(), rows}};
  std::vector<RowHistory::State> kept{history.state()};

  for (int step = 0; step < 3000; ++step) {
    const auto what = rng() % 10;
    if (what < 6) {
      RandomChange(rng, rows, history);
      seen[history.state()] = rows;
      if (rng() % 3 == 0) kept.push_back(history.state());
    } else if (what < 9) {
      const RowHistory::State target = kept[rng() % kept.size()];
      ASSERT_TRUE(history.GoTo(target, rows));
      ASSERT_EQ(rows, seen.at(target)) << "step " << step;
    } else {
      // Keep a few of the named states; the others and the present one's past may go.
      while (kept.size() > 4) kept.erase(kept.begin() + static_cast<long>(rng() % kept.size()));
      history.KeepOnly(kept);
      for (RowHistory::State s : kept) ASSERT_TRUE(history.Reaches(s));
    }
  }
  EXPECT_LT(history.size(), 3000u);  // forgetting did forget

  history.Forget();
  EXPECT_FALSE(history.Reaches(kept.front()));
  EXPECT_FALSE(history.GoTo(kept.front(), rows));
}

}  // namespace
}  // namespace tessella::core
