// libFuzzer target for the console: the input is up to kMaxLines lines typed into a fresh
// session, one Enter each. Every question is answered No or Cancel, and #include looks in a
// scratch folder, so a run writes nothing. Some lines run until the user stops them (a sum of
// 1e70 terms), so the fuzzer presses Esc for the user once the input has had its time. After
// every line the console must still end with a prompt, and a line must stop soon after it was
// asked to; crashes, sanitizer reports and memory blow-ups are libFuzzer's to find.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/dialogs.h"
#include "base/interrupt.h"
#include "console/session.h"
#include "console/text_box.h"

namespace {

constexpr std::size_t kMaxLines = 20;
constexpr std::string_view kPrompt = "\\\\";

using Clock = std::chrono::steady_clock;
// How long an input runs before the fuzzer presses Esc, and how long a line may go on after
// that: one that takes longer does not heed the cancel (or does long work without asking).
constexpr Clock::duration kInputBudget = std::chrono::seconds(2);
constexpr Clock::duration kCancelGrace = std::chrono::seconds(10);

// The user who presses Esc: the same question the window's Esc and orvo-cli's Ctrl+C answer.
class ImpatientUser final : public orvo::Interrupt {
 public:
  explicit ImpatientUser(Clock::time_point deadline) : deadline_(deadline) {}
  bool Requested() override { return Clock::now() >= deadline_; }
  Clock::time_point deadline() const { return deadline_; }

 private:
  Clock::time_point deadline_;
};

// The console after an answer: empty (the screen was cleared) or a prompt line at the end,
// possibly followed by the line break of the Enter key.
bool EndsWithPrompt(std::string_view text) {
  if (text.empty()) return true;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  return text.ends_with(kPrompt);
}

// Definition files are looked for in a folder of this run's own, which stays empty.
orvo::SessionOptions& FuzzOptions() {
  static orvo::SessionOptions options;
  return options;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char folder[] = "/tmp/orvo-fuzz-XXXXXX";
  if (::mkdtemp(folder) == nullptr) return 0;
  FuzzOptions().folders.home = folder;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvo::StringTextBox box;
  orvo::NoDialogs dialogs;
  ImpatientUser interrupt(Clock::now() + kInputBudget);
  orvo::ConsoleSession session(box, dialogs, interrupt, FuzzOptions());

  std::string_view input(reinterpret_cast<const char*>(data), size);
  for (std::size_t line = 0; line < kMaxLines && !input.empty(); ++line) {
    std::size_t end = input.find('\n');
    std::string_view typed = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    Clock::time_point start = Clock::now();
    box.MoveCaretToEnd();
    box.ReplaceSelection(typed);
    session.PressEnter(false);
    if (!EndsWithPrompt(box.Text())) {
      std::fprintf(stderr, "no prompt after line %zu\n", line + 1);
      std::abort();
    }
    // A line typed after Esc was pressed is asked to stop as soon as it starts.
    Clock::time_point asked = std::max(start, interrupt.deadline());
    if (Clock::time_point now = Clock::now(); now > asked + kCancelGrace) {
      auto late = std::chrono::duration_cast<std::chrono::seconds>(now - asked);
      std::fprintf(stderr, "line %zu went on %llds after Esc\n", line + 1,
                   static_cast<long long>(late.count()));
      std::abort();
    }
  }
  return 0;
}
