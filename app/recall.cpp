#include "app/recall.h"

namespace orvo::app {

void RecallList::Add(std::string command) {
  if (!command.empty() && command.size() <= kMaxEntryBytes &&
      (entries_.empty() || entries_.back() != command)) {
    entries_.push_back(std::move(command));
    if (entries_.size() > kMaxEntries) entries_.pop_front();
  }
  shown_ = entries_.size();
  typed_.clear();
}

std::optional<std::string> RecallList::Older(std::string_view typed) {
  if (shown_ == 0) return std::nullopt;
  if (shown_ == entries_.size()) typed_ = typed;
  return entries_[--shown_];
}

std::optional<std::string> RecallList::Newer() {
  if (shown_ >= entries_.size()) return std::nullopt;
  ++shown_;
  return shown_ == entries_.size() ? typed_ : entries_[shown_];
}

void RecallList::Assign(const std::vector<std::string>& entries) {
  entries_.clear();
  for (const std::string& entry : entries) Add(entry);
}

}  // namespace orvo::app
