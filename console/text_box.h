#pragma once
#include <string>
#include <string_view>

namespace orvo {

// The console's text box as the command console sees it. Line breaks are "\r\n" whatever the
// widget keeps, and positions are byte offsets into that text.
class TextBox {
 public:
  virtual ~TextBox() = default;

  virtual std::string Text() const = 0;
  // The text after the last backslash (all of it when there is none): the line being typed. The
  // fast path for Enter, which must not grow with the history above it.
  virtual std::string TextAfterLastBackslash() const = 0;
  // Replaces the current selection (the caret when nothing is selected) and leaves the caret
  // after the new text.
  virtual void ReplaceSelection(std::string_view text) = 0;
  // Replaces the whole text; the caret ends at the end, scrolled into view.
  virtual void SetText(std::string_view text) = 0;
  virtual void MoveCaretToEnd() = 0;
};

// A text box over a string, for the command-line face and the tests.
class StringTextBox final : public TextBox {
 public:
  std::string Text() const override { return text_; }
  std::string TextAfterLastBackslash() const override;
  void ReplaceSelection(std::string_view text) override;
  void SetText(std::string_view text) override;
  void MoveCaretToEnd() override { selStart_ = selEnd_ = text_.size(); }

  // Selects [start, end) (clamped to the text), as a click or a drag would.
  void Select(std::size_t start, std::size_t end);
  std::size_t SelectionStart() const { return selStart_; }
  std::size_t SelectionEnd() const { return selEnd_; }

 private:
  std::string text_;
  std::size_t selStart_ = 0;
  std::size_t selEnd_ = 0;
};

}  // namespace orvo
