#include <array>
#include <istream>

#include "base/text.h"
#include "cli/cli.h"

namespace orvo::cli {
namespace {

// The terminal's wording of what the window asks in a dialog, found by the dialog's question or
// file filter; anything else is asked in the window's words.
struct Wording {
  std::string_view asked;
  std::string_view prompt;
};

constexpr std::string_view kDefinitionFiles = "Definition files (*.def);;All files (*)";
constexpr std::array kYesNoPrompts{
    Wording{"Are you sure to undefine all of the defined functions?",
            "Remove all defined functions? [y/N] "},
};
constexpr std::array kSavePrompts{Wording{kDefinitionFiles, "Save definitions to file: "}};
constexpr std::array kOpenPrompts{Wording{kDefinitionFiles, "Load definitions from file: "}};

template <std::size_t N>
std::string PromptFor(const std::array<Wording, N>& table, std::string_view asked,
                      std::string_view fallbackEnd) {
  for (const Wording& row : table) {
    if (row.asked == asked) return std::string(row.prompt);
  }
  return std::string(asked) + std::string(fallbackEnd);
}

}  // namespace

std::optional<std::string> ListSource::NextLine(std::string_view prompt) {
  if (lines_.empty()) return then_ == nullptr ? std::nullopt : then_->NextLine(prompt);
  std::string line = std::move(lines_.front());
  lines_.pop_front();
  return line;
}

std::optional<std::string> StreamSource::NextLine(std::string_view) {
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<std::string> LineDialogs::Ask(std::string_view prompt) {
  std::optional<std::string> line = source_.NextLine(prompt);
  if (shown_ != nullptr) *shown_ << prompt << line.value_or("") << '\n';
  if (!line || line->empty()) return std::nullopt;
  return line;
}

bool LineDialogs::AskYesNo(std::string_view question) {
  std::optional<std::string> line = Ask(PromptFor(kYesNoPrompts, question, " [y/N] "));
  return line && (ToLowerAscii(*line) == "y" || ToLowerAscii(*line) == "yes");
}

std::optional<std::string> LineDialogs::ChooseFileToOpen(std::string_view filter,
                                                         std::string_view) {
  return Ask(PromptFor(kOpenPrompts, filter, ": file to open: "));
}

std::optional<std::string> LineDialogs::ChooseFileToSave(std::string_view filter,
                                                         std::string_view defaultSuffix,
                                                         std::string_view) {
  std::optional<std::string> path = Ask(PromptFor(kSavePrompts, filter, ": file to save: "));
  // A path ending in "/" names a folder: the save refuses it rather than writing "adir/.def".
  if (!path || defaultSuffix.empty() || path->ends_with('/')) return path;
  // Like a save dialog: a name without a suffix gets the default one.
  std::size_t slash = path->rfind('/');
  std::size_t dot = path->rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    *path += ".";
    *path += defaultSuffix;
  }
  return path;
}

}  // namespace orvo::cli
