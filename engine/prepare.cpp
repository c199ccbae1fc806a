// The syntax check: splits the canonical text into Terms and reports every problem it finds in
// one pass.
#include <algorithm>
#include <cstring>

#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"
#include "engine/detail/messages.h"
#include "engine/detail/normalise.h"
#include "engine/detail/syntax.h"
#include "engine/evaluator.h"

namespace orvo {
namespace {

using detail::IsComparisonChar;
using detail::IsOperandChar;
using detail::IsStopChar;

std::size_t FindOperand(const std::string& t, std::size_t from) {
  for (std::size_t i = from; i < t.size(); ++i) {
    if (IsOperandChar(t[i])) return i;
  }
  return std::string::npos;
}

std::size_t FindStop(const std::string& t, std::size_t from) {
  for (std::size_t i = from; i < t.size(); ++i) {
    if (IsStopChar(t[i])) return i;
  }
  return t.size();
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

Op SingleOperator(char c) {
  switch (c) {
    case '^':
      return Op::kPower;
    case '*':
      return Op::kMul;
    case '#':
      return Op::kRealRem;
    case '/':
      return Op::kDiv;
    case '+':
      return Op::kAdd;
    case '-':
      return Op::kSub;
    case ':':
      return Op::kIntDiv;
    case ',':
      return Op::kComma;
    case '!':
      return Op::kFactorial;
    case '%':
      return Op::kPercent;
    case '<':
      return Op::kLess;
    case '>':
      return Op::kGreater;
    case '=':
      return Op::kEqual;
    case '&':
      return Op::kBitAnd;
    case '|':
      return Op::kBitOr;
    default:
      return Op::kUnknown;
  }
}

Op PairOperator(std::string_view pair) {
  static constexpr std::pair<std::string_view, Op> kPairs[] = {
      {">=", Op::kGreaterEqual}, {"<=", Op::kLessEqual}, {"==", Op::kEqual},  {"<>", Op::kNotEqual},
      {"&&", Op::kAnd},          {"||", Op::kOr},        {"&|", Op::kBitXor}, {"|&", Op::kBitXor},
      {">>", Op::kShiftRight},   {"<<", Op::kShiftLeft},
  };
  for (auto [text, op] : kPairs) {
    if (text == pair) return op;
  }
  return Op::kUnknown;  // reported as "Unknow operator" when applied
}

void SetOperator(Term& term, std::string_view text, Op op) {
  term.op = op;
  std::memset(term.opText, 0, sizeof term.opText);
  std::memcpy(term.opText, text.data(), std::min(text.size(), sizeof term.opText - 1));
}

// Reads the operator after an operand at `r`; returns where the next prefix starts.
std::size_t ReadOperator(const std::string& t, std::size_t r, Term& term) {
  char c = t[r];
  if (detail::IsSingleOperator(c)) {
    SetOperator(term, t.substr(r, 1), SingleOperator(c));
    return r + 1;
  }
  if (IsComparisonChar(c)) {
    if (r + 1 < t.size() && IsComparisonChar(t[r + 1])) {
      SetOperator(term, t.substr(r, 2), PairOperator(t.substr(r, 2)));
      return r + 2;
    }
    SetOperator(term, t.substr(r, 1), SingleOperator(c));
    return r + 1;
  }
  if (t.compare(r, 2, "or") == 0) {
    SetOperator(term, "||", Op::kOr);
    return r + 2;
  }
  if (t.compare(r, 3, "and") == 0) {
    SetOperator(term, "&&", Op::kAnd);
    return r + 3;
  }
  // Anything else after an operand, such as the name in 2sin(x), multiplies.
  SetOperator(term, "*", Op::kMul);
  return r;
}

// Counts operands the way the check does: an exponent ("3e5") counts as an operand of its own.
// Returns the count and where it stopped.
int CountOperands(const std::string& t, std::size_t& stoppedAt) {
  int count = 0;
  std::size_t pos = FindOperand(t, 0);
  stoppedAt = 0;
  while (pos != std::string::npos) {
    ++count;
    std::size_t stop = FindStop(t, pos);
    stoppedAt = stop;
    if (stop >= t.size()) break;
    pos = FindOperand(t, stop);
  }
  return count;
}

// What the check has found so far: every message, and the status of the last one that has one.
struct CheckReport {
  std::string& errors;
  int status = 0;
  bool failed = false;

  void Fail(std::string_view message, int code) {
    AppendMessage(errors, message);
    if (code != 0) status = code;
    failed = true;
  }
};

// Too many operands, or fewer than two, end the check before the text is split.
bool CheckOperandCount(const std::string& t, CheckReport& report) {
  std::size_t stoppedAt = 0;
  int count = CountOperands(t, stoppedAt);
  if (count > kMaxOperands) {
    // The reduction moves Terms around in time that grows with the square of their number.
    report.Fail(msg::kTooLong, kStatusTooLong);
    return false;
  }
  if (count < 2) {
    // The rest of the text after the last operand, without the outer closing bracket.
    std::string rest;
    if (count == 0) {
      rest = t;
    } else if (stoppedAt + 1 < t.size()) {
      rest = t.substr(stoppedAt + 1, t.size() - stoppedAt - 2);
    }
    report.Fail(Fill(msg::kUnknownChar, {CapEcho(rest)}), kStatusNoOperand);
    return false;
  }
  return true;
}

// The text between an operator and the next operand: nothing, an opening bracket, or a function
// name with its bracket.
void ReadPrefix(std::string_view prefix, Term& term, CheckReport& report) {
  if (prefix.empty() || prefix == "(") return;
  if (CountCharacters(prefix) == 1) {
    report.Fail(Fill(msg::kUnknownChar, {prefix}), kStatusUnknown);
    return;
  }
  std::string_view name = EndsWith(prefix, "(") ? prefix.substr(0, prefix.size() - 1) : prefix;
  std::string shown = detail::DisplayName(name);
  term.funcCode = FunctionCodeOf(shown);
  if (term.funcCode == -1) {
    report.Fail(Fill(msg::kUnknownChar, {CapEcho(shown)}), kStatusUnknown);
  } else if (term.bracket == 0) {
    report.Fail(Fill(msg::kMissingBrackets, {CapEcho(shown)}), kStatusMissingBrackets);
  } else {
    std::memcpy(term.funcName, shown.data(), std::min(shown.size(), sizeof term.funcName - 1));
  }
}

// The operand at `q` with a scientific exponent (3e5, 3.1e+5, 1e-6) and a closing bracket after
// it; returns where it ends. The exponent runs to the next stop character, so 3e2.8 reads as 3e2.
std::size_t ReadOperand(const std::string& t, std::size_t q, const double (&xyz)[3], Term& term,
                        CheckReport& report) {
  std::size_t r = FindStop(t, q);
  if (r < t.size() && t[r] == 'e') {
    if (r + 1 < t.size() && IsDigit(t[r + 1])) {
      r = FindStop(t, r + 1);
    } else if (r + 2 < t.size() && (t[r + 1] == '+' || t[r + 1] == '-') && IsDigit(t[r + 2])) {
      r = FindStop(t, r + 2);
    }
  }
  std::string_view operand(t.data() + q, r - q);
  if (operand == "x" || operand == "y" || operand == "z") {
    term.kind = operand[0];
    term.value = xyz[operand[0] - 'x'];
  } else {
    std::size_t dot = operand.find('.');
    if (dot != std::string_view::npos && operand.find('.', dot + 1) != std::string_view::npos) {
      report.Fail(Fill(msg::kIllegalDots, {CapEcho(operand)}), 0);
    }
    term.kind = ' ';
    term.value = ParseDouble(operand);
  }
  if (r < t.size() && t[r] == ')') {
    ++r;
    term.bracket = 1;
  }
  return r;
}

// Brackets must balance, and none may close at the outer level before its own opened
// ((1)+(2 is wrapped as (1)+(2)).
void CheckBrackets(const std::vector<Term>& terms, int bracketSum, CheckReport& report) {
  if (bracketSum != 0) {
    std::string n = FormatInt(bracketSum < 0 ? -bracketSum : bracketSum);
    report.Fail(Fill(bracketSum < 0 ? msg::kBracketLeftExcess : msg::kBracketRightExcess, {n, n}),
                kStatusBrackets);
    return;
  }
  int last = static_cast<int>(terms.size()) - 1;
  for (int i = 1; i <= last - 1; ++i) {
    if (terms[i].bracket == -1) {
      int sum = 0;
      int j = i;
      for (; j <= last; ++j) {
        sum += terms[j].bracket;
        if (sum == 0) break;
      }
      i = j;
    } else if (terms[i].bracket == 1) {
      report.Fail(msg::kIllegalBrackets, kStatusBrackets);
      return;
    }
  }
}

}  // namespace

void Evaluator::PrepareTerms(std::string& errors) {
  errors.clear();
  terms_.clear();
  work_.clear();
  plan_.Clear();
  const std::string& t = expression_;
  CheckReport report{errors};

  if (CheckOperandCount(t, report)) {
    const double xyz[3] = {x_, y_, z_};
    int bracketSum = 0;
    std::size_t p = 0;  // start of the current prefix
    for (;;) {
      std::size_t q = FindOperand(t, p);
      if (q == std::string::npos) break;
      Term& term = terms_.emplace_back();
      term.bracket = q > 0 && t[q - 1] == '(' ? -1 : 0;
      ReadPrefix(std::string_view(t.data() + p, q - p), term, report);
      std::size_t r = ReadOperand(t, q, xyz, term, report);
      bracketSum += term.bracket;
      if (r >= t.size()) {
        SetOperator(term, " ", Op::kNone);
        break;
      }
      p = ReadOperator(t, r, term);
    }
    CheckBrackets(terms_, bracketSum, report);
  }
  status_ = report.status;
  prepared_ = !report.failed;

  if (!prepared_) {
    errors += msg::kCheckDisrupted;
    ReplaceAll(errors, "+\r", "\r");
    terms_.clear();
    return;
  }
  lastIndex_ = static_cast<int>(terms_.size()) - 1;
  liveCount_ = lastIndex_;
  work_ = terms_;
  // Whether a "%" is a percent sign depends on its right operand's value at the time, so
  // expressions holding one are always reduced the slow way.
  bool hasPercent = std::any_of(terms_.begin(), terms_.end(),
                                [](const Term& term) { return term.op == Op::kPercent; });
  if (hasPercent) plan_.Drop();
}

}  // namespace orvo
