// Definition files that are odd, broken or hostile: what loads, and why nothing did.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "base/random.h"
#include "tests/userdef/scripted.h"
#include "userdef/userdef.h"

namespace orvo::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNothingLoaded = "\r\nError: No functions were loaded!\r\nReason: ";

class DefinitionFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    // Something to lose: every failed load must keep it.
    FunctionDefinition kept;
    ASSERT_EQ(ValidateDefinition(kept, "kept(x)", "x+1", rng_), "");
    store_.definitions[++store_.lastDefinition] = kept;
  }

  // Loads `path`; "" when the store was replaced, else the reason given for keeping it.
  std::string Failure(const std::string& path) {
    std::string answer = LoadDefinitionFile(context_, path, false).content;
    const std::string failed = path + std::string(kNothingLoaded);
    if (!answer.starts_with(failed)) return "";
    EXPECT_EQ(store_.count(), 1);
    EXPECT_EQ(store_.definitions[0].name, "kept");
    return answer.substr(failed.size());
  }
  bool Load(const std::string& path) { return Failure(path).empty(); }

  ScratchFolder folder_;
  DefinitionStore store_;
  ScriptedDialogs dialogs_;
  Random rng_;
  DefinitionContext context_{store_, dialogs_, rng_,
                             DefinitionFolders{folder_.path().string(), ""}};
};

TEST_F(DefinitionFiles, AnyLineEndingBlanksAndAByteOrderMarkAreRead) {
  const char* bytes[] = {
      "#define(f(x);x^2)\n#define(g(x);x+1)\n",
      "#define(f(x);x^2)\r\n#define(g(x);x+1)",
      "#define(f(x);x^2)\r\r\n#define(g(x);x+1)\r\r\n",
      "#define(f(x);x^2)\r#define(g(x);x+1)\r",  // CR alone
      "\r\n\r\n  #DEFINE ( F ( X ) ;\tX ^ 2 )  \n\n#define(g(x);x+1)\n\n",
      "\xEF\xBB\xBF#define(f(x);x^2)\n#define(g(x);x+1)\n",  // a byte order mark first
  };
  for (const char* content : bytes) {
    ASSERT_TRUE(Load(folder_.Write("ends.def", content))) << content;
    ASSERT_EQ(store_.count(), 2) << content;
    EXPECT_EQ(store_.definitions[0].expression, "(X^2)");
    EXPECT_EQ(store_.definitions[1].expression, "(X+1)");
  }
}

TEST_F(DefinitionFiles, FilesWithoutGoodDefinitionsKeepTheStore) {
  const std::string fifo = folder_.File("pipe.def");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = folder_.Write("huge.def", "#define(f(x);x^2)\n");
  fs::resize_file(huge, (std::uintmax_t{16} << 20) + 1);  // sparse: nothing is really written
  const std::string unreadable = folder_.Write("secret.def", "#define(f(x);x^2)\n");
  fs::permissions(unreadable, fs::perms::none);
  constexpr std::string_view kNoneValid = "no valid definition in it";
  const std::pair<std::string, std::string_view> rows[] = {
      {folder_.Write("empty.def", ""), kNoneValid},
      {folder_.Write("comment.def", "// my functions\n"), kNoneValid},
      {folder_.Write("nosemicolon.def", "#define(f(x)x^2)\n"), kNoneValid},
      {folder_.Write("wrongcount.def", "#define(g(x);hypot(x))\n"), kNoneValid},
      {folder_.Write("nul.def", std::string("#define(f\0(x);(x^2))\n", 21)), kNoneValid},
      {folder_.Write("control.def", "#define(f\x7f(x);x)\n#define(\x01g(x);x)\n"), kNoneValid},
      {folder_.File("missing.def"), "not found"},
      {folder_.File("nofolder/missing.def"), "not found"},
      {folder_.path().string(), "not a regular file"},
      {"/dev/zero", "not a regular file"},  // endless: never read
      {"/dev/null", "not a regular file"},
      {fifo, "not a regular file"},  // no writer: reading would block forever
      {huge, "larger than 16 MB"},
      // root reads anything: then the file loads like any other.
      {unreadable, ::geteuid() == 0 ? "" : "permission denied"},
  };
  for (const auto& [path, reason] : rows) EXPECT_EQ(Failure(path), reason) << path;
}

TEST_F(DefinitionFiles, BinaryFilesLoadNothing) {
  std::string bytes;
  std::uint32_t state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    bytes += static_cast<char>(state >> 24);
  }
  EXPECT_FALSE(Load(folder_.Write("random.bin", bytes)));
  // NUL bytes and high bytes around a good line do not hide it.
  std::string mixed = std::string("\0\x01\xff\n", 4) + "#define(f(x);x^2)\n" + bytes.substr(0, 50);
  EXPECT_TRUE(Load(folder_.Write("mixed.bin", mixed)));
  EXPECT_EQ(store_.definitions[0].name, "f");
}

TEST_F(DefinitionFiles, AtMostTenOfAThousandDefinitionsAreTaken) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) {
    bytes += "#define(n" + std::to_string(i) + "(x);x+" + std::to_string(i) + ")\r\r\n";
  }
  ASSERT_TRUE(Load(folder_.Write("thousand.def", bytes)));
  ASSERT_EQ(store_.count(), 10);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(store_.definitions[i].name, "n" + std::to_string(i));
    EXPECT_EQ(store_.definitions[i].expression, "(X+" + std::to_string(i) + ")");
  }
}

TEST_F(DefinitionFiles, ManyBadAndOverlongLinesBeforeAGoodOne) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += "#define(q(x,y);x)\n#define(q(x);foo(x))\n";
  bytes += "#define(big(x);x+" + std::string(70000, '1') + ")\n#define(w(x);x-1)\n";
  ASSERT_TRUE(Load(folder_.Write("mostlybad.def", bytes)));
  ASSERT_EQ(store_.count(), 1);
  EXPECT_EQ(store_.definitions[0].name, "w");
  // A body of 10,000 characters is within bounds and is checked like any other.
  std::string sum;
  for (int i = 0; i < 2000; ++i) sum += "+x*2";
  ASSERT_TRUE(Load(folder_.Write("wide.def", "#define(wide(x);" + sum.substr(1) + ")\n")));
  EXPECT_EQ(store_.definitions[0].expression.size(), sum.size() + 1);
}

}  // namespace
}  // namespace orvo::test
