#pragma once
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::app {

// The commands run in the window, for Up and Down on the prompt line, as a shell keeps them:
// the line being typed is kept while the user walks back and comes back with Down, and a
// command run twice in a row is kept once.
class RecallList {
 public:
  // Older entries go first; longer commands are not worth keeping.
  static constexpr std::size_t kMaxEntries = 500;
  static constexpr std::size_t kMaxEntryBytes = 4096;

  // A command that was run; ends any walk.
  void Add(std::string command);
  // Up: the entry before the one shown; `typed` is what the prompt holds now, kept when the
  // walk starts. Nothing at the oldest entry.
  std::optional<std::string> Older(std::string_view typed);
  // Down: the entry after the one shown, the kept line after the newest. Nothing when no walk
  // is under way.
  std::optional<std::string> Newer();

  std::vector<std::string> Entries() const { return {entries_.begin(), entries_.end()}; }
  // Replaces the entries (a restored session); ends any walk.
  void Assign(const std::vector<std::string>& entries);

 private:
  std::deque<std::string> entries_;
  std::size_t shown_ = 0;  // index of the entry on the prompt; entries_.size() for the typed line
  std::string typed_;
};

}  // namespace orvo::app
