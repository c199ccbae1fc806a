// The &u command: physical units. Unlike every other command it reads the line as typed, since
// case tells units apart (mPa and MPa, ms and Ms), and user definitions are not expanded in it.
#include "base/text.h"
#include "console/detail/routes.h"
#include "console/session.h"
#include "units/units.h"

namespace orvo::detail {

std::string_view UnitsArgument(std::string_view typedCommand) {
  while (EndsWith(typedCommand, "=")) typedCommand.remove_suffix(1);
  std::size_t open = typedCommand.find('(');
  return open == std::string_view::npos ? std::string_view() : typedCommand.substr(open + 1);
}

CommandAnswer UnitsHandler(ConsoleSession& session, const Route&, std::string_view) {
  UnitsAnswer answer =
      UnitsCommand(UnitsArgument(session.TypedCommand()), session.state().precision, session.rng());
  if (answer.failed) return FailedAnswer(std::move(answer.text));
  // A result follows the "=" like a plain expression's.
  std::string text = answer.text;
  return {std::move(answer.text),
          Placement::kAfterEquals,
          false,
          false,
          {AnswerValue{"", std::move(text), answer.value, true}}};
}

}  // namespace orvo::detail
