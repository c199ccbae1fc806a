// The "@" commands: matrices and complex numbers.
#include "console/detail/routes.h"
#include "console/session.h"
#include "matrix/commands.h"

namespace orvo::detail {

CommandAnswer MatrixHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return MatrixCommand(session.Env(), session.state().matrices, text);
}

}  // namespace orvo::detail
