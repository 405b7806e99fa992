#include "core/row_changes.h"

#include <algorithm>
#include <unordered_set>

namespace tessella::core {
namespace {

void ShiftOn(std::vector<std::string>& rows, int index) {
  std::move_backward(rows.begin() + index, rows.end() - 1, rows.end());
}

void ShiftBack(std::vector<std::string>& rows, int index) {
  std::move(rows.begin() + index + 1, rows.end(), rows.begin() + index);
}

}  // namespace

void MakeChange(std::vector<std::string>& rows, const RowChange& change) {
  switch (change.kind) {
    case RowChange::Kind::kSet:
      rows[static_cast<size_t>(change.index)] = change.after;
      break;
    case RowChange::Kind::kInsert:
      ShiftOn(rows, change.index);
      rows[static_cast<size_t>(change.index)] = change.after;
      break;
    case RowChange::Kind::kRemove:
      ShiftBack(rows, change.index);
      rows.back() = change.before;
      break;
  }
}

void TakeBack(std::vector<std::string>& rows, const RowChange& change) {
  switch (change.kind) {
    case RowChange::Kind::kSet:
      rows[static_cast<size_t>(change.index)] = change.before;
      break;
    case RowChange::Kind::kInsert:
      ShiftBack(rows, change.index);
      rows.back() = change.before;
      break;
    case RowChange::Kind::kRemove:
      // The copy Remove left in the last row falls off the end again.
      ShiftOn(rows, change.index);
      rows[static_cast<size_t>(change.index)] = change.before;
      break;
  }
}

void RowHistory::Start() {
  nodes_.clear();
  root_ = state_ = ++last_issued_;
  recording_ = true;
}

void RowHistory::Forget() {
  nodes_.clear();
  // A fresh name: states named before this can never match again.
  root_ = state_ = ++last_issued_;
  recording_ = false;
}

void RowHistory::Note(RowChange change) {
  if (!recording_) return;
  const State next = ++last_issued_;
  nodes_.emplace(next, Node{state_, std::move(change)});
  state_ = next;
}

bool RowHistory::Reaches(State target) const {
  return recording_ && (target == root_ || nodes_.contains(target));
}

std::vector<RowHistory::State> RowHistory::PathToRoot(State from) const {
  std::vector<State> path;
  for (State s = from; s != root_; s = nodes_.at(s).parent) path.push_back(s);
  path.push_back(root_);
  return path;
}

bool RowHistory::GoTo(State target, std::vector<std::string>& rows) {
  if (!Reaches(target)) return false;
  if (target == state_) return true;
  const std::vector<State> up = PathToRoot(state_);
  const std::unordered_set<State> on_up(up.begin(), up.end());
  // From the target up to where the two paths meet.
  std::vector<State> down;
  State meet = target;
  while (!on_up.contains(meet)) {
    down.push_back(meet);
    meet = nodes_.at(meet).parent;
  }
  for (State s : up) {
    if (s == meet) break;
    TakeBack(rows, nodes_.at(s).change);
  }
  for (auto it = down.rbegin(); it != down.rend(); ++it) MakeChange(rows, nodes_.at(*it).change);
  state_ = target;
  return true;
}

void RowHistory::KeepOnly(std::span<const State> kept) {
  if (!recording_) return;
  std::vector<std::vector<State>> paths;
  paths.push_back(PathToRoot(state_));
  for (State s : kept) {
    if (Reaches(s)) paths.push_back(PathToRoot(s));
  }
  std::unordered_map<State, size_t> passes;
  for (const auto& path : paths) {
    for (State s : path) ++passes[s];
  }
  // The deepest state every path passes through becomes the root: nothing older is
  // needed. Below it, only the states on the paths are.
  State meet = root_;
  for (State s : paths.front()) {
    if (passes[s] == paths.size()) {
      meet = s;
      break;
    }
  }
  std::unordered_map<State, Node> needed;
  for (const auto& path : paths) {
    for (State s : path) {
      if (s == meet) break;
      if (!needed.contains(s)) needed.emplace(s, std::move(nodes_.at(s)));
    }
  }
  nodes_ = std::move(needed);
  root_ = meet;
}

void RowHistory::ForEachImage(const std::function<void(std::string&)>& visit) {
  for (auto& [state, node] : nodes_) {
    visit(node.change.before);
    visit(node.change.after);
  }
}

}  // namespace tessella::core
