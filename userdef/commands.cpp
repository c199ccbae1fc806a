// The "#" commands: define, undefine, list, save and load user-defined functions.
#include <filesystem>
#include <string>
#include <vector>

#include "base/message.h"
#include "base/number_text.h"
#include "base/safe_file.h"
#include "base/text.h"
#include "userdef/detail/files.h"
#include "userdef/detail/messages.h"
#include "userdef/detail/names.h"
#include "userdef/userdef.h"

namespace orvo {
namespace {

// What every definition line of a file begins with.
constexpr std::string_view kDefineWord = "#define(";

// The answers go below the command.
CommandAnswer Answer(std::string_view text, bool failed = false) {
  return {std::string(text), Placement::kBelow, failed};
}

void DropOneClosingBracket(std::string& text) {
  if (EndsWith(text, ")")) text.pop_back();
}

int FindByName(const DefinitionStore& store, std::string_view name) {
  for (int i = 0; i < store.count(); ++i) {
    if (store.definitions[i].name == name) return i;
  }
  return -1;
}

// One line of a definition file, ended as the files have always been ended (CR CR LF).
std::string FileLine(const FunctionDefinition& definition) {
  return std::string(kDefineWord) + definition.name + "(" + ToLowerAscii(definition.parameters) +
         ");" + ToLowerAscii(definition.expression) + ")\r\r\n";
}

// Reads the good definitions of a file line by line, at most ten; the rest is skipped quietly.
DefinitionStore ReadDefinitions(std::string_view bytes, Random& rng) {
  DefinitionStore loaded;
  for (std::string_view line : detail::SplitLines(bytes)) {
    if (loaded.full()) break;
    std::string text = ToLowerAscii(detail::WithoutBlanks(line));
    if (!StartsWith(text, kDefineWord)) continue;
    text.erase(0, kDefineWord.size());
    DropOneClosingBracket(text);
    std::size_t semicolon = text.find(';');
    if (semicolon == std::string::npos) continue;
    FunctionDefinition definition;
    std::string_view view(text);
    if (ValidateDefinition(definition, view.substr(0, semicolon), view.substr(semicolon + 1), rng)
            .empty()) {
      CopyDefinition(loaded.definitions[++loaded.lastDefinition], definition);
    }
  }
  return loaded;
}

// A bare name typed into a file dialog names a file in the folder the dialog started in, which
// is where #include looks; a path with "/" is used as given.
std::string InStartFolder(const DefinitionContext& context, const std::string& path) {
  if (path.find('/') != std::string::npos) return path;
  return detail::JoinPath(context.folders.home, path);
}

}  // namespace

CommandAnswer DefineCommand(DefinitionContext& context, std::string_view text) {
  DefinitionStore& store = context.store;
  std::string cleaned = detail::WithoutBlanks(text);
  while (EndsWith(cleaned, "=")) cleaned.pop_back();
  DropOneClosingBracket(cleaned);
  ToLowerAsciiInPlace(cleaned);

  std::string answer;
  bool failed = true;
  std::size_t semicolon = cleaned.find(';');
  if (semicolon == std::string::npos) {
    answer =
        std::string(msg::kIllegalDefine) + std::string(kNewLine) + std::string(msg::kUseSemicolon);
  } else if (std::string name = cleaned.substr(0, cleaned.find('('));
             FindByName(store, name) >= 0) {
    answer = Fill(msg::kAlreadyDefined, {CapEcho(name)});
  } else if (store.full()) {
    answer = msg::kStoreFull;
  } else {
    std::string head = cleaned.substr(0, semicolon);
    std::string body = cleaned.substr(semicolon + 1);
    FunctionDefinition definition;
    std::string message = ValidateDefinition(definition, head, body, context.rng);
    if (!message.empty()) {
      answer = message;
    } else {
      CopyDefinition(store.definitions[++store.lastDefinition], definition);
      answer = Fill(msg::kDefined, {CapEcho(head), CapEcho(body)});
      failed = false;
      SortDefinitions(store);
    }
  }
  return Answer(answer, failed);
}

CommandAnswer UndefCommand(DefinitionContext& context, std::string_view text) {
  DefinitionStore& store = context.store;
  std::string name(text);
  while (EndsWith(name, "=")) name.pop_back();
  DropOneClosingBracket(name);
  name = detail::WithoutBlanks(name.substr(0, name.find('(')));

  if (name.empty()) {
    if (!context.dialogs.AskYesNo(msg::kUndefineAllQuestion)) return Answer(msg::kNoneUndefined);
    store = DefinitionStore{};
    return Answer(msg::kAllUndefined);
  }
  int found = FindByName(store, name);
  if (found < 0) {
    return Answer(Fill(msg::kNotFound, {CapEcho(name)}), true);
  }
  // Moving the later slots down keeps them sorted.
  for (int i = found; i < store.lastDefinition; ++i) {
    CopyDefinition(store.definitions[i], store.definitions[i + 1]);
  }
  store.definitions[store.lastDefinition--] = FunctionDefinition{};
  return Answer(Fill(msg::kUndefined, {CapEcho(name)}));
}

CommandAnswer SaveDefinitions(DefinitionContext& context) {
  const DefinitionStore& store = context.store;
  if (store.empty()) return Answer(msg::kNoDefinitions);
  detail::MakeFolder(context.folders.home);
  std::optional<std::string> path =
      context.dialogs.ChooseFileToSave(msg::kFileFilter, msg::kFileSuffix, context.folders.home);
  if (!path || path->empty()) return Answer(msg::kDefinitionsNotSaved, true);
  *path = InStartFolder(context, *path);

  std::string bytes;
  for (int i = 0; i < store.count(); ++i) bytes += FileLine(store.definitions[i]);
  WriteResult written = WriteFileSafely(*path, bytes);
  if (!written.ok) {
    return Answer(std::string(msg::kDefinitionsNotSaved) + std::string(msg::kSaveFailure) +
                      CapEcho(*path) + ": " + written.reason,
                  true);
  }
  return Answer(msg::kDefinitionsSaved);
}

std::string ViewDefinitions(const DefinitionStore& store) {
  if (store.empty()) return std::string(msg::kNoDefinitions);
  // A listing of more than one function begins with an empty line, and empty lines part them.
  std::string listing = store.count() > 1 ? std::string(kNewLine) : std::string();
  for (int i = 0; i < store.count(); ++i) {
    const FunctionDefinition& definition = store.definitions[i];
    if (i > 0) listing += std::string(kNewLine) + std::string(kNewLine);
    listing +=
        Fill(msg::kListing, {FormatInt(i + 1), definition.name, ToLowerAscii(definition.parameters),
                             ToLowerAscii(definition.expression)});
  }
  return listing;
}

namespace {

// Loads the file at `path`; the answer names it as `echo`, first, where `placement` puts it.
CommandAnswer LoadFile(DefinitionContext& context, const std::string& path, const std::string& echo,
                       Placement placement) {
  ReadResult file = ReadFileSafely(path, {detail::kMaxDefinitionFileSize, true});
  // Read into a scratch store: the definitions in use go only when something replaces them.
  DefinitionStore loaded = file.ok() ? ReadDefinitions(file.bytes, context.rng) : DefinitionStore{};
  if (loaded.empty()) {
    return {echo + std::string(msg::kNothingLoaded) + std::string(msg::kReason) +
                (file.ok() ? std::string(msg::kNoValidDefinition) : file.reason),
            placement, true};
  }
  context.store = std::move(loaded);
  // In the file's order.
  CommandAnswer answer{echo + std::string(kNewLine) + ViewDefinitions(context.store), placement};
  SortDefinitions(context.store);
  return answer;
}

}  // namespace

CommandAnswer LoadDefinitionsByDialog(DefinitionContext& context) {
  detail::MakeFolder(context.folders.home);
  std::optional<std::string> path =
      context.dialogs.ChooseFileToOpen(msg::kFileFilter, context.folders.home);
  // Cancelled: a prompt all the same, or the next line would be read as part of this one.
  if (!path || path->empty()) return {"", Placement::kAfterEquals};
  // A name without an extension that names no file gets the one #savedef gives, as in
  // #include. The console line shows the name as it was chosen.
  std::string resolved = InStartFolder(context, *path);
  std::string withExtension = resolved + std::string(msg::kDefinitionExtension);
  if (!detail::PathExists(resolved) && std::filesystem::path(*path).extension().empty() &&
      detail::PathExists(withExtension)) {
    resolved = withExtension;
  }
  return LoadFile(context, resolved, CapEcho(*path), Placement::kAfterEquals);
}

CommandAnswer LoadDefinitionFile(DefinitionContext& context, const std::string& path,
                                 bool pathOnNewLine) {
  return LoadFile(context, path, CapEcho(path),
                  pathOnNewLine ? Placement::kBelow : Placement::kAfterEquals);
}

CommandAnswer IncludeDefinitions(DefinitionContext& context, std::string_view text) {
  std::string name(text);
  while (EndsWith(name, ")")) name.pop_back();
  // The name as typed in Orvo's folder, then beside the program; a name without an extension
  // then gets the one #savedef gives.
  std::vector<std::string> candidates;
  for (const std::string& folder : {context.folders.home, context.folders.besideProgram}) {
    if (!folder.empty()) candidates.push_back(detail::JoinPath(folder, name));
  }
  if (!name.empty() && std::filesystem::path(name).extension().empty()) {
    for (std::size_t i = 0, n = candidates.size(); i < n; ++i) {
      candidates.push_back(candidates[i] + std::string(msg::kDefinitionExtension));
    }
  }
  for (const std::string& path : candidates) {
    if (detail::PathExists(path)) return LoadDefinitionFile(context, path, true);
  }
  return Answer(
      CapEcho(detail::JoinPath(context.folders.home, name)) + std::string(msg::kNoSuchFile), true);
}

}  // namespace orvo
