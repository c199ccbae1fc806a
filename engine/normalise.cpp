#include "engine/detail/normalise.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "base/text.h"

namespace orvo::detail {
namespace {

bool In(char c, const char* set) {
  return c != '\0' && std::strchr(set, c) != nullptr;
}

constexpr const char* kOperandTail = "0123456789xyz";  // a character that can end an operand
constexpr const char* kOperators = "^*#/+-:,%";
constexpr const char* kFollowers = "^*#/+-:,%!";  // operators a preceding one swallows
constexpr const char* kComparisons = "<>=&|";
constexpr const char* kBlanks = " \t\r\n";

using Replacement = std::pair<std::string_view, std::string_view>;

// Parts of function names whose letters the splitter would otherwise read as operands or
// exponents, and the spelling that holds them; replaced wherever they stand in the line.
constexpr Replacement kProtections[] = {
    {"exp", "EXP"}, {"log10", "LOGTEN"}, {"hypot", "HYPOT"}, {"atan2", "ATANTWO"},
    {"j1", "JONE"}, {"j0", "JZERO"},     {"y1", "YONE"},     {"y0", "YZERO"},
    {"yn", "YN"},   {"cyl", "CYL"},      {"xrd", "XRD"},     {"fix", "FIX"},
};

constexpr Replacement kOperatorSpellings[] = {
    {"!=", "<>"},    // not-equal
    {"!(", "not("},  // boolean not is a function
    {"!", "!1"},     // postfix factorial becomes a binary operator with operand 1
};

// Replaces like ReplaceAll and keeps `origin` (the typed position of every character) in step:
// a replacement's characters take the positions of the characters they stand for, in order, and
// characters beyond those are the normaliser's own (-1).
void ReplaceAllTracked(std::string& text, std::vector<int>& origin, std::string_view from,
                       std::string_view to) {
  std::string result;
  std::vector<int> resultOrigin;
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text.find(from, pos)) != std::string::npos;
       pos = hit + from.size()) {
    result.append(text, pos, hit - pos);
    resultOrigin.insert(resultOrigin.end(), origin.begin() + static_cast<std::ptrdiff_t>(pos),
                        origin.begin() + static_cast<std::ptrdiff_t>(hit));
    result += to;
    for (std::size_t i = 0; i < to.size(); ++i) {
      resultOrigin.push_back(i < from.size() ? origin[hit + i] : -1);
    }
  }
  result.append(text, pos, std::string::npos);
  resultOrigin.insert(resultOrigin.end(), origin.begin() + static_cast<std::ptrdiff_t>(pos),
                      origin.end());
  text = std::move(result);
  origin = std::move(resultOrigin);
}

// The scan of the bracketed text, left to right. Rules insert and delete around the current
// character, so the text is kept as what has been scanned (`out_`) and what is still to come,
// reversed (`rest_`, whose back is the current character): every edit is then at an end and
// the scan stays linear however long the line. Each rule that inserts says whether the scan
// skips the first inserted character; `skipAt_` holds that position.
// Asked for notes, the scan also keeps the typed position of every character (`outFrom_` and
// `restFrom_` beside `out_` and `rest_`) and notes each typed operator that a rule deletes.
class Scanner {
 public:
  Scanner(std::string_view text, std::vector<DroppedOperator>* notes,
          const std::vector<int>& origin)
      : rest_(text.rbegin(), text.rend()), notes_(notes) {
    out_.reserve(text.size() * 2);
    if (notes_ != nullptr) restFrom_.assign(origin.rbegin(), origin.rend());
  }

  std::string Run() {
    while (!rest_.empty()) {
      if (out_.size() == skipAt_) {
        skipAt_ = npos;
        Advance();
        continue;
      }
      // A: a blank is deleted and the character before it is examined again with its new
      // neighbour ("2 x" is 2*x). The text starts with "(", so there is always one before it.
      if (In(Cur(), kBlanks)) {
        rest_.pop_back();
        rest_.push_back(out_.back());
        out_.pop_back();
        if (notes_ != nullptr) {
          restFrom_.back() = outFrom_.back();
          outFrom_.pop_back();
        }
        continue;
      }
      RuleB() || RuleC() || RuleD() || RuleE();
      RuleF();
      RuleG();
      Advance();
    }
    return std::move(out_);
  }

  // After Run: the typed position of every character of the result, -1 for the normaliser's own.
  std::vector<int> TakeOrigin() { return std::move(outFrom_); }

 private:
  static constexpr std::size_t npos = std::string::npos;

  // The character `ahead` positions after the current one, or '\0' past the end.
  char Peek(std::size_t ahead) const {
    return ahead < rest_.size() ? rest_[rest_.size() - 1 - ahead] : '\0';
  }
  char Cur() const { return Peek(0); }
  char Next() const { return Peek(1); }
  std::size_t Position() const { return out_.size(); }

  void Advance() {
    out_.push_back(rest_.back());
    rest_.pop_back();
    if (notes_ != nullptr) {
      outFrom_.push_back(restFrom_.back());
      restFrom_.pop_back();
    }
  }

  // Inserts `s` after the `after`-th character from the current one (0: right after it).
  void InsertAhead(std::size_t after, std::string_view s) {
    std::string held(rest_.end() - static_cast<std::ptrdiff_t>(after + 1), rest_.end());
    rest_.resize(rest_.size() - held.size());
    rest_.append(s.rbegin(), s.rend());
    rest_ += held;
    if (notes_ != nullptr) {
      restFrom_.insert(restFrom_.end() - static_cast<std::ptrdiff_t>(after + 1), s.size(), -1);
    }
  }
  void InsertAfter(std::string_view s, bool skipFirst) {
    InsertAhead(0, s);
    if (skipFirst) skipAt_ = Position() + 1;
  }
  // Deletes `count` characters after the current one; `rule` is why, for the notes.
  void EraseNext(std::size_t count, DropRule rule) {
    auto kept = static_cast<std::ptrdiff_t>(std::min(count, rest_.size() - 1)) + 1;
    rest_.erase(rest_.end() - kept, rest_.end() - 1);
    if (notes_ == nullptr) return;
    for (auto it = restFrom_.end() - kept; it != restFrom_.end() - 1; ++it) {
      // A character the normaliser wrote itself (the 1 of "!1") was never typed.
      if (*it >= 0) notes_->push_back({static_cast<std::size_t>(*it), 1, rule});
    }
    restFrom_.erase(restFrom_.end() - kept, restFrom_.end() - 1);
  }

  // B: "(" gets a filler operand, and a number or variable before it multiplies: 2(3) is 2*(0+3).
  bool RuleB() {
    if (Cur() != '(') return false;
    char next = Next();
    if (next == ',' || next == ')') {
      InsertAfter("0+0", true);
    } else if (In(next, "^*#/+-:,%!<>=&|")) {
      InsertAfter("0", true);
    } else {
      InsertAfter("0+", true);
    }
    if (!out_.empty() && In(out_.back(), kOperandTail)) {
      out_.push_back('*');
      if (notes_ != nullptr) outFrom_.push_back(-1);
      skipAt_ = Position() + 1;
    }
    return true;
  }

  // C: a number after ")" is a power, (x+1)2 is (x+1)^2; a comma gets an operand before it.
  bool RuleC() {
    if (Cur() != ')') return false;
    if (In(Next(), kOperandTail)) {
      InsertAfter("^", true);
    } else if (Next() == ',') {
      InsertAfter("+0", true);
    }
    return true;
  }

  // D: of two adjacent operators only the first is kept (11^-3 is 11^3); before ")" and after a
  // percent sign an operand 0 is inserted (5%) is 5%0), 3%% is 3%0%0).
  bool RuleD() {
    if (!In(Cur(), kOperators)) return false;
    for (;;) {
      char next = Next();
      if (next == ')' || next == ']') {
        InsertAfter("0", true);
      } else if (In(next, kFollowers) && Cur() == '%') {
        InsertAfter("0", true);
      } else if (In(next, kFollowers)) {
        EraseNext(next == '!' ? 2 : 1, DroppedBy(Cur(), next));  // "!1" goes as a pair
        continue;                                                // look at the new neighbour too
      }
      return true;
    }
  }

  // E: an arithmetic operator after a comparison is dropped: 1<-2 is 1<2.
  bool RuleE() {
    if (!In(Cur(), kComparisons) || !In(Next(), kOperators)) return false;
    EraseNext(1,
              In(Next(), "+-") ? DropRule::kSignAfterComparison : DropRule::kOperatorAfterOperator);
    return true;
  }

  // F: implicit products and powers of variables: 2x is 2*x, xy is x*y, x2 is x^2.
  void RuleF() {
    char cur = Cur();
    char next = Next();
    if (In(next, "xyz") && In(cur, kOperandTail)) {
      InsertAfter("*", false);
    } else if (next >= '0' && next <= '9' && In(cur, "xyz")) {
      InsertAfter("^", false);
    } else if (In(next, kComparisons)) {
      if (cur == '%') {
        InsertAfter("0", true);
      } else if (In(cur, "^*#/+-:,")) {
        EraseNext(1, DropRule::kOperatorAfterOperator);
      }
    }
  }

  // G: every ")" followed by ")" gets an operand so each Term carries at most one bracket; )( is a
  // product; a factorial followed by a number multiplies: 3!2 is 3!1*2, 3!.5 is 3!1*0.5.
  void RuleG() {
    char cur = Cur();
    char next = Next();
    if (cur == ')' && next == ')') {
      InsertAfter("+0", true);
    } else if (cur == ')' && next == '(') {
      InsertAfter("*", true);
    } else if (cur == '!' && next == '1') {
      char after = Peek(2);
      if (after >= '0' && after <= '9') {
        InsertAhead(1, "*");
        skipAt_ = Position() + 2;
      } else if (after == '.') {
        InsertAhead(1, "*0");
        skipAt_ = Position() + 2;
      }
    }
  }

  // Why `next` goes after the operator `cur`: a sign is the surprising case, and after a comma
  // it is a negative argument.
  static DropRule DroppedBy(char cur, char next) {
    if (!In(next, "+-")) return DropRule::kOperatorAfterOperator;
    return cur == ',' ? DropRule::kSignAfterComma : DropRule::kSignAfterOperator;
  }

  std::string out_;
  std::string rest_;
  std::size_t skipAt_ = npos;
  std::vector<DroppedOperator>* notes_;
  std::vector<int> outFrom_;
  std::vector<int> restFrom_;
};

}  // namespace

namespace {

// The replacements of the whole text, with `origin` kept in step when there are notes to take.
void ReplaceSpellings(std::string& text, std::vector<int>& origin, bool tracked) {
  if (text.empty()) {
    text.assign(1, '0');
    origin.assign(tracked ? 1 : 0, -1);
    return;
  }
  auto replace = [&](std::string_view from, std::string_view to) {
    if (tracked) {
      ReplaceAllTracked(text, origin, from, to);
    } else {
      ReplaceAll(text, from, to);
    }
  };
  replace("'", "");  // digit separator: 100'000'000
  for (auto [from, to] : kProtections) replace(from, to);
  for (auto [from, to] : kOperatorSpellings) replace(from, to);
}

std::vector<int> Positions(std::size_t count) {
  std::vector<int> origin(count);
  for (std::size_t i = 0; i < count; ++i) origin[i] = static_cast<int>(i);
  return origin;
}

void Wrap(std::string& text, std::vector<int>& origin, bool tracked) {
  text.insert(text.begin(), '(');
  text += ')';
  if (tracked) {
    origin.insert(origin.begin(), -1);
    origin.push_back(-1);
  }
}

}  // namespace

std::string Normalise(std::string_view input, std::vector<DroppedOperator>* notes) {
  std::string text = ToLowerAscii(input);

  // Trailing rubbish goes: 1+2= and 3* lose their ending. Only the "=" that ends a line is
  // expected there.
  std::size_t last = text.find_last_of("0123456789xyz)]}!%");
  if (last != std::string::npos) {
    std::size_t cut = text.find_first_not_of("= \t\r\n", last + 1);
    if (notes != nullptr && cut != std::string::npos) {
      std::size_t end = text.find_last_not_of("= \t\r\n") + 1;
      notes->push_back({cut, end - cut, DropRule::kTrailing});
    }
    text.erase(last + 1);
  }

  const bool tracked = notes != nullptr;
  std::vector<int> origin = tracked ? Positions(text.size()) : std::vector<int>{};
  ReplaceSpellings(text, origin, tracked);
  Wrap(text, origin, tracked);
  std::string result = Scanner(text, notes, origin).Run();
  if (notes != nullptr) {
    std::sort(notes->begin(), notes->end(), [](const DroppedOperator& a, const DroppedOperator& b) {
      return a.position < b.position;
    });
  }
  return result;
}

std::string NormaliseWhole(std::string_view input, std::vector<int>& origin) {
  std::string text = ToLowerAscii(input);
  origin = Positions(text.size());
  ReplaceSpellings(text, origin, true);
  Wrap(text, origin, true);
  std::vector<DroppedOperator> notes;
  Scanner scanner(text, &notes, origin);
  std::string result = scanner.Run();
  origin = scanner.TakeOrigin();
  return result;
}

std::string DisplayName(std::string_view name) {
  std::string result(name);
  for (auto [typed, held] : kProtections) ReplaceAll(result, held, typed);
  ToLowerAsciiInPlace(result);
  return result;
}

}  // namespace orvo::detail
