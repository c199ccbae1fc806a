#include "cli/cli.h"

namespace orvo::cli {

void Reporter::Write(const Answer& answer) {
  // Results first, so that a terminal showing both streams keeps the order of a session.
  if (how_.valuesOnly && answer.values) out_ << *answer.values << '\n';
  if (answer.failed) {
    out_.flush();
    err_ << answer.text << '\n';
  } else if (!how_.valuesOnly) {
    out_ << answer.text << '\n';
  }
  out_.flush();
  for (const std::string& note : answer.notes) Note(note);
  if (answer.unfinished && !hinted_) {
    Note(kEndWithEquals);
    hinted_ = true;
  }
}

void Reporter::Note(std::string_view text) {
  if (how_.notes) err_ << "orvo-cli: note: " << text << '\n';
}

}  // namespace orvo::cli
