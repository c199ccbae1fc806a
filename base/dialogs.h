#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace orvo {

// The questions a command may put to the user. The window answers with real dialogs; the
// command-line face reads the answer from its next input line.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A question with Yes and No buttons; true means Yes.
  virtual bool AskYesNo(std::string_view question) = 0;

  // A file to read. `filter` is a list such as "Definition files (*.def);;All files (*)".
  // Nothing when the user cancels.
  virtual std::optional<std::string> ChooseFileToOpen(std::string_view filter,
                                                      std::string_view startFolder) = 0;

  // A file to write; `defaultSuffix` is added when the chosen name has none.
  virtual std::optional<std::string> ChooseFileToSave(std::string_view filter,
                                                      std::string_view defaultSuffix,
                                                      std::string_view startFolder) = 0;
};

// Cancels every question: for callers that have nobody to ask.
class NoDialogs final : public Dialogs {
 public:
  bool AskYesNo(std::string_view) override { return false; }
  std::optional<std::string> ChooseFileToOpen(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseFileToSave(std::string_view, std::string_view,
                                              std::string_view) override {
    return std::nullopt;
  }
};

}  // namespace orvo
