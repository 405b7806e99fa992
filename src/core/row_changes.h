#pragma once
// The changes made to the row store since the oldest state undo or redo may still
// bring back: each change as made, reversible, in a tree of states. A change made after
// going back starts a branch of its own; the states of the old branch stay within reach
// for as long as something still names them.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace tessella::core {

// One change of the rows, with what it takes to make it again or take it back.
struct RowChange {
  enum class Kind { kSet, kInsert, kRemove };
  Kind kind = Kind::kSet;
  int index = 0;
  // kSet: the row image before and after. kInsert: `after` is the row inserted and
  // `before` the row it pushed off the end. kRemove: `before` is the row removed.
  std::string before;
  std::string after;
};

// Makes the change on `rows`, or takes it back. Insert moves every later row one on and
// loses the last; Remove moves every later row one back and copies the removed row into
// the last.
void MakeChange(std::vector<std::string>& rows, const RowChange& change);
void TakeBack(std::vector<std::string>& rows, const RowChange& change);

class RowHistory {
 public:
  using State = std::int64_t;

  bool recording() const { return recording_; }
  // The state the rows are in now.
  State state() const { return state_; }
  // How many changes are kept.
  size_t size() const { return nodes_.size(); }

  // Begins recording from the rows as they stand, a state with no changes behind it.
  void Start();
  // Stops recording and forgets every change; no earlier state can be reached again.
  void Forget();
  // Notes a change the rows have just undergone (nothing when not recording).
  void Note(RowChange change);

  bool Reaches(State target) const;
  // Brings `rows` from the present state to `target`, taking changes back and making
  // others again. False, and nothing changes, when `target` is not kept.
  bool GoTo(State target, std::vector<std::string>& rows);
  // Forgets every change that neither the present state nor any of `kept` needs.
  void KeepOnly(std::span<const State> kept);

  // Every row image the changes hold (when the rows change width, so do these).
  void ForEachImage(const std::function<void(std::string&)>& visit);

 private:
  struct Node {
    State parent = 0;
    RowChange change;
  };
  // The states from `from` up to the root, `from` first and the root last.
  std::vector<State> PathToRoot(State from) const;

  bool recording_ = false;
  State root_ = 0;
  State state_ = 0;
  State last_issued_ = 0;
  // Every state but the root, by the change that led to it from its parent.
  std::unordered_map<State, Node> nodes_;
};

}  // namespace tessella::core
