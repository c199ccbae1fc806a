#pragma once
#include <QTextDocument>
#include <deque>
#include <memory>
#include <optional>

namespace orvo::app {

// One whole console screen: its document (the text, laid out and coloured as far as it was
// shown) and where the caret was. A screen change swaps documents, so it costs as little for a
// 1 MB console as for an empty one.
struct Screen {
  std::shared_ptr<QTextDocument> document;  // null: an empty screen
  int caret = 0;

  bool empty() const { return document == nullptr || document->isEmpty(); }
  qsizetype characters() const { return document == nullptr ? 0 : document->characterCount(); }
};

// Undo and redo of whole-screen replacements (clearing, help pages, ABOUT, screen loads, a
// dropped file). Every move keeps the screen it leaves on the other stack, so no sequence of
// replacements, undos and redos loses a screen; only the oldest go when the stacks grow past
// their limits.
class ScreenHistory {
 public:
  static constexpr std::size_t kMaxScreens = 50;
  // A kept document with its blocks and layouts costs several times its text.
  static constexpr qsizetype kMaxCharacters = qsizetype{4} << 20;

  // `current` is about to be replaced.
  void Replacing(Screen current);
  // The screen to show instead of `current`, which is kept for the opposite move; nothing when
  // there is none.
  std::optional<Screen> Undo(Screen current) { return Move(undo_, redo_, std::move(current)); }
  std::optional<Screen> Redo(Screen current) { return Move(redo_, undo_, std::move(current)); }
  void Clear();

 private:
  std::optional<Screen> Move(std::deque<Screen>& from, std::deque<Screen>& to, Screen current);
  void Keep(std::deque<Screen>& stack, Screen screen);

  std::deque<Screen> undo_;
  std::deque<Screen> redo_;
};

}  // namespace orvo::app
