#include "app/screen_undo.h"

namespace orvo::app {

void ScreenHistory::Replacing(Screen current) {
  // An empty screen is not worth a step: clearing twice is undone at once.
  if (!current.empty()) Keep(undo_, std::move(current));
}

std::optional<Screen> ScreenHistory::Move(std::deque<Screen>& from, std::deque<Screen>& to,
                                          Screen current) {
  if (from.empty()) return std::nullopt;
  Screen shown = std::move(from.back());
  from.pop_back();
  Keep(to, std::move(current));
  return shown;
}

void ScreenHistory::Keep(std::deque<Screen>& stack, Screen screen) {
  stack.push_back(std::move(screen));
  qsizetype total = 0;
  for (const Screen& kept : undo_) total += kept.characters();
  for (const Screen& kept : redo_) total += kept.characters();
  while (stack.size() > 1 && (stack.size() > kMaxScreens || total > kMaxCharacters)) {
    total -= stack.front().characters();
    stack.pop_front();
  }
}

void ScreenHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace orvo::app
