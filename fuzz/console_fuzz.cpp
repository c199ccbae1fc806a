// libFuzzer target for the console: the input is up to kMaxLines lines typed into a fresh
// session, one Enter each. Every question is answered No or Cancel, and #include looks in a
// scratch folder, so a run writes nothing. After every line the console must still end with a
// prompt; crashes, sanitizer reports, hangs and memory blow-ups are libFuzzer's to find.
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

// The console after an answer: empty (the screen was cleared) or a prompt line at the end,
// possibly followed by the line break of the Enter key.
bool EndsWithPrompt(std::string_view text) {
  if (text.empty()) return true;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  return text.ends_with(kPrompt);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Definition files are looked for in a folder of this run's own, which stays empty.
  char folder[] = "/tmp/orvo-fuzz-XXXXXX";
  if (::mkdtemp(folder) == nullptr) return 0;
  ::setenv("ORVO_HOME", folder, 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvo::StringTextBox box;
  orvo::NoDialogs dialogs;
  orvo::NeverInterrupt interrupt;
  orvo::ConsoleSession session(box, dialogs, interrupt);

  std::string_view input(reinterpret_cast<const char*>(data), size);
  for (std::size_t line = 0; line < kMaxLines && !input.empty(); ++line) {
    std::size_t end = input.find('\n');
    std::string_view typed = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    box.MoveCaretToEnd();
    box.ReplaceSelection(typed);
    session.PressEnter(false);
    if (!EndsWithPrompt(box.Text())) {
      std::fprintf(stderr, "no prompt after line %zu\n", line + 1);
      std::abort();
    }
  }
  return 0;
}
