#include "console/session_file.h"

#include <charconv>
#include <optional>
#include <set>

#include "base/text.h"

namespace orvo {
namespace {

constexpr std::string_view kMagic = "orvo-session";
constexpr std::string_view kEnd = "end";
constexpr std::string_view kPromptLine = "\n\\\\\r\n";

// Why a file is refused.
namespace why {
constexpr std::string_view kNotSession = "not an Orvo session file";
constexpr std::string_view kNewer = "written by a newer version of Orvo";
constexpr std::string_view kCutShort = "cut short";
constexpr std::string_view kUnknown = "unknown entry";
constexpr std::string_view kBadValue = "a value that cannot be read or is out of range";
constexpr std::string_view kRepeated = "an entry given twice";
constexpr std::string_view kTooManyFunctions = "more than ten functions";
constexpr std::string_view kAfterEnd = "text after the end";
constexpr std::string_view kMissing = "incomplete, no entry ";
}  // namespace why

std::string Number(double value) {
  char buffer[32];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : "nan";
}

template <class T>
bool ReadNumber(std::string_view text, T& value) {
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  return !text.empty() && error == std::errc() && stop == end;
}

void AppendBlock(std::string& out, std::string_view keyword, std::string_view bytes) {
  out.append(keyword).append(" ").append(std::to_string(bytes.size())).append("\n");
  out.append(bytes).append("\n");
}

// The text, line by line and block by block.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  int line() const { return line_; }

  // The next line without its "\n"; nothing when no "\n" ends it.
  std::optional<std::string_view> Line() {
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) return std::nullopt;
    std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    ++line_;
    return line;
  }

  // `count` bytes and the "\n" after them.
  std::optional<std::string_view> Bytes(std::size_t count) {
    if (count >= text_.size() - pos_ || text_[pos_ + count] != '\n') return std::nullopt;
    std::string_view bytes = text_.substr(pos_, count);
    pos_ += count + 1;
    for (char c : bytes) line_ += c == '\n';
    ++line_;
    return bytes;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 0;
};

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = std::min(text.find(' ', start), text.size());
    words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

struct Parse {
  SessionData& data;
  Reader& reader;
  Random rng;  // for the trial evaluation of functions; the session's generator stays untouched
};

// Each entry reads the rest of its line (and what follows it); "" or why it is refused.
using EntryReader = std::string (*)(Parse&, std::string_view rest);

std::string ReadVariable(double& variable, std::string_view rest) {
  return ReadNumber(rest, variable) ? "" : std::string(why::kBadValue);
}

std::optional<std::string_view> ReadBlock(Parse& parse, std::string_view count) {
  std::size_t size = 0;
  if (!ReadNumber(count, size)) return std::nullopt;
  return parse.reader.Bytes(size);
}

std::string ReadFunction(Parse& parse, std::string_view rest) {
  DefinitionStore& store = parse.data.definitions;
  if (store.full()) return std::string(why::kTooManyFunctions);
  std::size_t semicolon = rest.find(';');
  if (semicolon == std::string_view::npos) return std::string(why::kBadValue);
  FunctionDefinition& slot = store.definitions[store.count()];
  std::string message =
      ValidateDefinition(slot, rest.substr(0, semicolon), rest.substr(semicolon + 1), parse.rng);
  if (!message.empty()) return message;
  for (int i = 0; i < store.count(); ++i) {
    if (store.definitions[i].name == slot.name) return std::string(why::kRepeated);
  }
  ++store.lastDefinition;
  return "";
}

std::string ReadMatrix(Parse& parse, std::string_view rest) {
  std::vector<std::string_view> words = Words(rest);
  int index = -1;
  int rows = 0;
  int cols = 0;
  int steps = 0;
  if (words.size() < 4 || !ReadNumber(words[0], index) || index < 0 || index > 2 ||
      !ReadNumber(words[1], rows) || !ReadNumber(words[2], cols) || !ReadNumber(words[3], steps) ||
      rows < 1 || rows > Matrix::kMaxSize || cols < 1 || cols > Matrix::kMaxSize || steps < 0 ||
      words.size() != 4 + static_cast<std::size_t>(rows * cols)) {
    return std::string(why::kBadValue);
  }
  Matrix matrix(rows, cols);
  matrix.setStepCount(steps);
  for (int i = 0; i < rows; ++i) {
    for (int j = 0; j < cols; ++j) {
      if (!ReadNumber(words[4 + i * cols + j], matrix.at(i, j))) return std::string(why::kBadValue);
    }
  }
  parse.data.matrices[index] = matrix;
  return "";
}

std::string ReadScreen(Parse& parse, std::string_view rest) {
  std::size_t space = rest.find(' ');
  int slot = 0;
  if (space == std::string_view::npos || !ReadNumber(rest.substr(0, space), slot) || slot < 1 ||
      slot > ConsoleState::kScreenSlots) {
    return std::string(why::kBadValue);
  }
  std::optional<std::string_view> bytes = ReadBlock(parse, rest.substr(space + 1));
  if (!bytes) return std::string(why::kCutShort);
  parse.data.screens[slot - 1] = *bytes;
  return "";
}

std::string ReadRecall(Parse& parse, std::string_view rest) {
  std::optional<std::string_view> bytes = ReadBlock(parse, rest);
  if (!bytes) return std::string(why::kCutShort);
  parse.data.recall.emplace_back(*bytes);
  return "";
}

std::string ReadConsole(Parse& parse, std::string_view rest) {
  std::optional<std::string_view> bytes = ReadBlock(parse, rest);
  if (!bytes) return std::string(why::kCutShort);
  parse.data.console = *bytes;
  return "";
}

// A block that must come next, under its keyword.
std::optional<std::string_view> ReadNamedBlock(Parse& parse, std::string_view keyword) {
  std::optional<std::string_view> line = parse.reader.Line();
  if (!line || !StartsWith(*line, std::string(keyword) + " ")) return std::nullopt;
  return ReadBlock(parse, line->substr(keyword.size() + 1));
}

// Counts in a record beyond these are refused: a 20 x 20 matrix has 400 values.
constexpr int kMaxValues = 400;
constexpr int kMaxNotes = 16;

std::string ReadAnswer(Parse& parse, std::string_view rest) {
  std::vector<std::string_view> words = Words(rest);
  int kind = 0;
  int placement = 0;
  int failed = 0;
  int warned = 0;
  int values = 0;
  int notes = 0;
  if (words.size() != 6 || !ReadNumber(words[0], kind) || !ReadNumber(words[1], placement) ||
      !ReadNumber(words[2], failed) || !ReadNumber(words[3], warned) ||
      !ReadNumber(words[4], values) || !ReadNumber(words[5], notes) || kind < 0 ||
      kind > static_cast<int>(LineKind::kScreen) || placement < 0 ||
      placement > static_cast<int>(Placement::kReplacesScreen) || failed < 0 || failed > 1 ||
      warned < 0 || warned > 1 || values < 0 || values > kMaxValues || notes < 0 ||
      notes > kMaxNotes) {
    return std::string(why::kBadValue);
  }
  Answer answer;
  answer.kind = static_cast<LineKind>(kind);
  answer.placement = static_cast<Placement>(placement);
  answer.failed = failed == 1;
  answer.warned = warned == 1;
  std::optional<std::string_view> command = ReadNamedBlock(parse, "command");
  std::optional<std::string_view> bytes = command ? ReadNamedBlock(parse, "bytes") : std::nullopt;
  std::optional<std::string_view> block = bytes ? ReadNamedBlock(parse, "block") : std::nullopt;
  if (!block) return std::string(why::kCutShort);
  answer.command = *command;
  answer.bytes = *bytes;
  answer.block = *block;
  for (int i = 0; i < values; ++i) {
    std::optional<std::string_view> line = parse.reader.Line();
    std::vector<std::string_view> head = line ? Words(*line) : std::vector<std::string_view>();
    AnswerValue value;
    int main = 0;
    if (head.size() != 3 || head[0] != "value" || !ReadNumber(head[1], main) || main < 0 ||
        main > 1 || !ReadNumber(head[2], value.value)) {
      return std::string(why::kBadValue);
    }
    value.main = main == 1;
    std::optional<std::string_view> name = ReadNamedBlock(parse, "name");
    std::optional<std::string_view> text = name ? ReadNamedBlock(parse, "text") : std::nullopt;
    if (!text) return std::string(why::kCutShort);
    value.name = *name;
    value.text = *text;
    answer.values.push_back(std::move(value));
  }
  for (int i = 0; i < notes; ++i) {
    std::optional<std::string_view> note = ReadNamedBlock(parse, "note");
    if (!note) return std::string(why::kCutShort);
    answer.notes.emplace_back(*note);
  }
  parse.data.answers.push_back(std::move(answer));
  return "";
}

void AppendAnswer(std::string& out, const Answer& answer) {
  out += "answer " + std::to_string(static_cast<int>(answer.kind)) + " " +
         std::to_string(static_cast<int>(answer.placement)) + " " +
         std::to_string(answer.failed ? 1 : 0) + " " + std::to_string(answer.warned ? 1 : 0) + " " +
         std::to_string(answer.values.size()) + " " + std::to_string(answer.notes.size()) + "\n";
  AppendBlock(out, "command", answer.command);
  AppendBlock(out, "bytes", answer.bytes);
  AppendBlock(out, "block", answer.block);
  for (const AnswerValue& value : answer.values) {
    out += "value " + std::to_string(value.main ? 1 : 0) + " " + Number(value.value) + "\n";
    AppendBlock(out, "name", value.name);
    AppendBlock(out, "text", value.text);
  }
  for (const std::string& note : answer.notes) AppendBlock(out, "note", note);
}

std::string ReadPrecision(Parse& parse, std::string_view rest) {
  int& precision = parse.data.precision;
  return ReadNumber(rest, precision) && precision >= ConsoleState::kMinPrecision &&
                 precision <= ConsoleState::kMaxPrecision
             ? ""
             : std::string(why::kBadValue);
}

std::string ReadBrackets(Parse& parse, std::string_view rest) {
  if (rest != "on" && rest != "off") return std::string(why::kBadValue);
  parse.data.bracketCheck = rest == "on";
  return "";
}

struct Entry {
  std::string_view keyword;
  bool required;  // exactly once; the others may repeat (each screen and matrix is checked
                  // for repeats by its index)
  EntryReader read;
};

constexpr Entry kEntries[] = {
    {"x", true, [](Parse& p, std::string_view rest) { return ReadVariable(p.data.x, rest); }},
    {"y", true, [](Parse& p, std::string_view rest) { return ReadVariable(p.data.y, rest); }},
    {"z", true, [](Parse& p, std::string_view rest) { return ReadVariable(p.data.z, rest); }},
    {"precision", true, ReadPrecision},
    {"brackets", true, ReadBrackets},
    {"function", false, ReadFunction},
    {"matrix", false, ReadMatrix},
    {"screen", false, ReadScreen},
    {"recall", false, ReadRecall},
    {"answer", false, ReadAnswer},
    {"console", true, ReadConsole},
};

std::string AtLine(int line, std::string_view reason) {
  return "line " + std::to_string(line) + ": " + std::string(reason);
}

}  // namespace

std::string_view CutConsoleText(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  const std::size_t from = text.size() - limit;
  // The prompt line may begin before `from` as long as the kept text starts after it.
  std::size_t start = text.find(kPromptLine, from - std::min(from, kPromptLine.size()));
  if (start != std::string_view::npos) return text.substr(start + kPromptLine.size());
  start = text.find('\n', from);
  if (start != std::string_view::npos) return text.substr(start + 1);
  // One huge line: at least start on a whole UTF-8 character.
  start = from;
  while (start < text.size() && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) ++start;
  return text.substr(start);
}

SessionData CaptureSession(const ConsoleSession& session, std::string_view console,
                           std::vector<std::string> recall) {
  const ConsoleState& state = session.state();
  SessionData data;
  data.x = state.evaluator.GetX();
  data.y = state.evaluator.GetY();
  data.z = state.evaluator.GetZ();
  data.precision = state.precision;
  data.bracketCheck = state.bracketCheck;
  data.definitions = state.definitions;
  data.matrices = state.matrices;
  for (int i = 0; i < ConsoleState::kScreenSlots; ++i) {
    data.screens[i] = CutConsoleText(state.screens[i]);
  }
  data.recall = std::move(recall);
  // The newest records, as many as fit in the console text's limit.
  std::size_t kept = 0;
  for (auto answer = session.Answers().rbegin(); answer != session.Answers().rend(); ++answer) {
    kept += answer->bytes.size() + answer->block.size() + answer->command.size();
    if (kept > kMaxConsoleBytes) break;
    data.answers.push_front(*answer);
  }
  data.console = CutConsoleText(console);
  return data;
}

void RestoreSession(const SessionData& data, ConsoleSession& session) {
  session.RestoreAnswers(data.answers);
  ConsoleState& state = session.state();
  state.evaluator.SetX(data.x);
  state.evaluator.SetY(data.y);
  state.evaluator.SetZ(data.z);
  state.precision = data.precision;
  state.bracketCheck = data.bracketCheck;
  state.definitions = data.definitions;
  state.matrices = data.matrices;
  state.screens = data.screens;
}

std::string WriteSessionText(const SessionData& data) {
  std::string out = std::string(kMagic) + " " + std::to_string(kSessionVersion) + "\n";
  out += "x " + Number(data.x) + "\ny " + Number(data.y) + "\nz " + Number(data.z) + "\n";
  out += "precision " + std::to_string(data.precision) + "\n";
  out += std::string("brackets ") + (data.bracketCheck ? "on" : "off") + "\n";
  for (int i = 0; i < data.definitions.count(); ++i) {
    const FunctionDefinition& definition = data.definitions.definitions[i];
    out += "function " + definition.name + "(" + ToLowerAscii(definition.parameters) + ");" +
           ToLowerAscii(definition.expression) + "\n";
  }
  for (std::size_t m = 0; m < data.matrices.size(); ++m) {
    const Matrix& matrix = data.matrices[m];
    out += "matrix " + std::to_string(m) + " " + std::to_string(matrix.rows()) + " " +
           std::to_string(matrix.cols()) + " " + std::to_string(matrix.stepCount());
    for (int i = 0; i < matrix.rows(); ++i) {
      // Appended piece by piece: " " + text trips GCC 12's -Wrestrict at -O3.
      for (int j = 0; j < matrix.cols(); ++j) {
        out += ' ';
        out += Number(matrix.at(i, j));
      }
    }
    out += "\n";
  }
  for (int i = 0; i < ConsoleState::kScreenSlots; ++i) {
    if (!data.screens[i].empty()) {
      AppendBlock(out, "screen " + std::to_string(i + 1), data.screens[i]);
    }
  }
  for (const std::string& command : data.recall) AppendBlock(out, "recall", command);
  for (const Answer& answer : data.answers) AppendAnswer(out, answer);
  AppendBlock(out, "console", data.console);
  out.append(kEnd).append("\n");
  return out;
}

std::string ReadSessionText(std::string_view text, SessionData& data) {
  data = SessionData{};
  Reader reader(text);
  std::optional<std::string_view> header = reader.Line();
  int version = 0;
  if (!header || !StartsWith(*header, std::string(kMagic) + " ") ||
      !ReadNumber(header->substr(kMagic.size() + 1), version) || version < 1) {
    return std::string(why::kNotSession);
  }
  if (version > kSessionVersion) return std::string(why::kNewer);

  Parse parse{data, reader, Random()};
  std::set<std::string, std::less<>> seen;
  for (;;) {
    std::optional<std::string_view> line = reader.Line();
    if (!line) return std::string(why::kCutShort);
    if (*line == kEnd) break;
    std::size_t space = line->find(' ');
    std::string_view keyword = line->substr(0, space);
    std::string_view rest = space == std::string_view::npos ? "" : line->substr(space + 1);
    const Entry* entry = nullptr;
    for (const Entry& candidate : kEntries) {
      if (candidate.keyword == keyword) entry = &candidate;
    }
    if (entry == nullptr) return AtLine(reader.line(), why::kUnknown);
    // Screens and matrices are told apart by their index, the first word.
    std::string key(keyword);
    if (keyword == "screen" || keyword == "matrix") {
      key += ' ';
      key += Words(rest)[0];
    }
    if ((entry->required || keyword == "screen" || keyword == "matrix") &&
        !seen.insert(key).second) {
      return AtLine(reader.line(), why::kRepeated);
    }
    const int at = reader.line();
    std::string refused = entry->read(parse, rest);
    if (!refused.empty()) return AtLine(at, refused);
  }
  if (!reader.AtEnd()) return std::string(why::kAfterEnd);
  for (const Entry& entry : kEntries) {
    if (entry.required && !seen.contains(entry.keyword)) {
      return std::string(why::kMissing) + std::string(entry.keyword);
    }
  }
  return "";
}

}  // namespace orvo
