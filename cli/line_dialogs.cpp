#include "base/text.h"
#include "cli/cli.h"

namespace orvo::cli {

std::optional<std::string> ListSource::NextLine() {
  if (lines_.empty()) return std::nullopt;
  std::string line = std::move(lines_.front());
  lines_.pop_front();
  return line;
}

std::optional<std::string> StreamSource::NextLine() {
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<std::string> LineDialogs::Answer() {
  std::optional<std::string> line = source_.NextLine();
  if (!line || line->empty()) return std::nullopt;
  return line;
}

bool LineDialogs::AskYesNo(std::string_view) {
  std::optional<std::string> line = Answer();
  return line && (ToLowerAscii(*line) == "y" || ToLowerAscii(*line) == "yes");
}

std::optional<std::string> LineDialogs::ChooseFileToOpen(std::string_view, std::string_view) {
  return Answer();
}

std::optional<std::string> LineDialogs::ChooseFileToSave(std::string_view,
                                                         std::string_view defaultSuffix,
                                                         std::string_view) {
  std::optional<std::string> path = Answer();
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
