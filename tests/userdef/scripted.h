#pragma once
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/dialogs.h"

// Test doubles for the definition commands: dialogs that give prepared answers, and a scratch
// folder that is removed afterwards.
namespace orvo::test {

// Answers each question with the next prepared answer (nothing = cancel / No) and remembers
// what was asked.
class ScriptedDialogs final : public Dialogs {
 public:
  struct Question {
    std::string kind;  // "yes/no", "open" or "save"
    std::string text;  // the question, or the filter of a file dialog
    std::string suffix;
    std::string folder;
  };

  void Prepare(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
  const std::vector<Question>& asked() const { return asked_; }

  bool AskYesNo(std::string_view question) override {
    asked_.push_back({"yes/no", std::string(question), "", ""});
    std::optional<std::string> answer = Next();
    return answer && *answer == "y";
  }
  std::optional<std::string> ChooseFileToOpen(std::string_view filter,
                                              std::string_view startFolder) override {
    asked_.push_back({"open", std::string(filter), "", std::string(startFolder)});
    return Next();
  }
  std::optional<std::string> ChooseFileToSave(std::string_view filter,
                                              std::string_view defaultSuffix,
                                              std::string_view startFolder) override {
    asked_.push_back(
        {"save", std::string(filter), std::string(defaultSuffix), std::string(startFolder)});
    return Next();
  }

 private:
  std::optional<std::string> Next() {
    if (answers_.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
  }
  std::deque<std::optional<std::string>> answers_;
  std::vector<Question> asked_;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // Writes `bytes` into the file `name` of the folder; returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  // The bytes of a file ("" when it cannot be read).
  static std::string Read(const std::string& path);

 private:
  std::filesystem::path path_;
};

}  // namespace orvo::test
