// "&lrt(": square linear systems of up to 20 equations, typed row by row.
#include <algorithm>
#include <array>

#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"
#include "matrix/commands.h"
#include "matrix/detail/commands.h"
#include "matrix/detail/messages.h"

namespace orvo {
namespace {

using detail::EvaluateText;

// The system is shown with printf's default "%g".
constexpr int kShownDigits = 6;

// How reading ended. `kFormat`: a right-hand side holds a ";" (its evaluation fails as well);
// `kNoRightHandSide`: a row's coefficients are not followed by "|", and reading stopped there.
enum class ReadStatus { kNone, kFormat, kNoRightHandSide, kColumns, kRows };

struct Equation {
  std::array<double, Matrix::kMaxSize> coefficients{};
  int count = 0;
  double rhs = 0;
};

struct System {
  std::array<Equation, Matrix::kMaxSize> equations{};
  int rows = 0;                    // complete rows read
  int columns = Matrix::kMaxSize;  // the smallest coefficient count of those rows
  ReadStatus status = ReadStatus::kNone;
  std::string errorLines;  // one line per element that failed to evaluate
};

class Reader {
 public:
  Reader(std::string_view text, Random& rng) : rest_(text), evaluator_(rng) {}

  // Reads rows while the text holds a ";": coefficients end at ";", the last one of a row at
  // "|", then the right-hand side runs to the next "|" (or to the closing bracket).
  System Read() {
    while (rest_.find(';') != std::string_view::npos) {
      if (system_.rows == Matrix::kMaxSize) {
        system_.status = ReadStatus::kRows;
        break;
      }
      if (!ReadEquation(system_.equations[system_.rows])) break;
      system_.columns = std::min(system_.columns, system_.equations[system_.rows].count);
      ++system_.rows;
    }
    return system_;
  }

 private:
  // One row; false when reading has to stop inside it.
  bool ReadEquation(Equation& equation) {
    for (;;) {
      // A coefficient that a ";" ends; a row holds at most 20 coefficients.
      if (equation.count == Matrix::kMaxSize - 1) {
        system_.status = ReadStatus::kColumns;
        return false;
      }
      std::size_t semicolon = rest_.find(';');
      Evaluate(rest_.substr(0, semicolon), equation.coefficients[equation.count++]);
      rest_ = rest_.substr(semicolon + 1);

      std::size_t bar = rest_.find('|');
      semicolon = rest_.find(';');
      if (semicolon != std::string_view::npos &&
          (bar == std::string_view::npos || bar > semicolon)) {
        continue;
      }
      if (bar == std::string_view::npos) {
        system_.status = ReadStatus::kNoRightHandSide;
        return false;
      }
      Evaluate(rest_.substr(0, bar), equation.coefficients[equation.count++]);
      rest_ = rest_.substr(bar + 1);
      ReadRightHandSide(equation);
      return true;
    }
  }

  void ReadRightHandSide(Equation& equation) {
    std::size_t bar = rest_.find('|');
    std::string_view rhs = rest_.substr(0, bar);
    if (bar == std::string_view::npos) {
      // The last right-hand side ends at the command's closing bracket. Only a bracket is
      // dropped: a missing one must not cost the number its last digit.
      if (EndsWith(rhs, ")")) rhs.remove_suffix(1);
      rest_ = {};
    } else {
      rest_ = rest_.substr(bar + 1);
    }
    if (rhs.find(';') != std::string_view::npos) system_.status = ReadStatus::kFormat;
    Evaluate(rhs, equation.rhs);
  }

  void Evaluate(std::string_view element, double& value) {
    if (EvaluateText(evaluator_, element, value, errors_)) return;
    std::string line = errors_;
    line += ": ";
    line += CapEcho(element);
    AppendMessage(system_.errorLines, line);
  }

  std::string_view rest_;
  Evaluator evaluator_;  // its own x = 0, y = e, z = pi
  std::string errors_;
  System system_;
};

// Each row's first `columns` coefficients, then "|" and its right-hand side.
std::string SystemText(const System& system) {
  std::string text;
  for (int i = 0; i < system.rows; ++i) {
    const Equation& equation = system.equations[i];
    for (int j = 0; j < system.columns; ++j) {
      text += FormatG(equation.coefficients[j], kShownDigits);
      text += ' ';
    }
    text += "| ";
    text += FormatG(equation.rhs, kShownDigits);
    text += kNewLine;
  }
  return text;
}

// x = inverse(A) * b, one line "x[i]=..." per unknown after a leading line break, and its value.
// False when A is singular.
bool SolveLinear(const System& system, int precision, std::string& roots,
                 std::vector<AnswerValue>& values) {
  const int n = system.rows;
  Matrix a(n, n);
  Matrix b(n, n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) a.at(i, j) = system.equations[i].coefficients[j];
    b.at(i, 0) = system.equations[i].rhs;
  }
  Matrix inverted;
  if (!Inverse(a, inverted)) return false;
  Matrix x = Multiply(inverted, b);
  for (int i = 0; i < n; ++i) {
    AnswerValue value{Fill(msg::kLinearRoot, {FormatInt(i + 1)}), FormatG(x.at(i, 0), precision),
                      x.at(i, 0), i == 0};
    roots += std::string(kNewLine) + value.name + "=" + value.text;
    values.push_back(std::move(value));
  }
  return true;
}

}  // namespace

CommandAnswer LinearEquationsCommand(const CommandEnv& env, std::string_view text) {
  while (EndsWith(text, "=")) text.remove_suffix(1);
  System system = Reader(text, env.rng).Read();
  if (!system.errorLines.empty()) return FailedAnswer(system.errorLines);
  const std::string readIn = std::string(msg::kLinearReadIn) + SystemText(system);
  if (system.status == ReadStatus::kColumns)
    return FailedAnswer(readIn + std::string(msg::kLinearColumns));
  if (system.status == ReadStatus::kRows)
    return FailedAnswer(readIn + std::string(msg::kLinearRows));
  if (system.rows == 0 || system.status == ReadStatus::kNoRightHandSide) {
    return FailedAnswer(std::string(msg::kLinearFormat));
  }
  if (system.rows != system.columns) {
    return FailedAnswer(
        readIn + Fill(msg::kLinearNotSquare, {FormatInt(system.rows), FormatInt(system.columns)}));
  }
  if (system.status == ReadStatus::kFormat) return FailedAnswer(std::string(msg::kLinearFormat));
  CommandAnswer answer;
  std::string roots;
  if (!SolveLinear(system, env.precision, roots, answer.values)) {
    return FailedAnswer(readIn + std::string(msg::kLinearSingular));
  }
  answer.content = readIn + std::string(msg::kLinearRoots) + roots;
  return answer;
}

}  // namespace orvo
