// The "@" commands: matrices and complex numbers.
#include "console/detail/routes.h"
#include "console/session.h"
#include "matrix/commands.h"

namespace orvo::detail {

bool MatrixHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return AppendAnswer(session, MatrixCommand(session.Env(), session.state().matrices, text));
}

}  // namespace orvo::detail
