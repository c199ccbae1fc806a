// The "@" commands: matrices and complex numbers.
#include "console/detail/routes.h"
#include "console/session.h"
#include "matrix/commands.h"

namespace orvo::detail {

void MatrixHandler(ConsoleSession& session, const Route& route, std::string_view text) {
  session.Append(MatrixCommand(session.Env(), session.state().matrices, route.word, text));
}

}  // namespace orvo::detail
