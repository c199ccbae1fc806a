#pragma once
#include <string_view>

// Texts of the user-defined functions, exactly as the console shows them.
namespace orvo::msg {

// Checks of a new definition.
inline constexpr std::string_view kIllegalDefine = "Error: Illegal format of #define() function";
inline constexpr std::string_view kUseSemicolon = "Use ; to separate function name and expression";
inline constexpr std::string_view kContainsName = "Error: Expression contains function name: %s";
inline constexpr std::string_view kIllegalParameters = "Error: Illegal function parameters: %s";
// The quoted names (each closed by its own quote), then the expression.
inline constexpr std::string_view kMissingParameters =
    "Error: Parameter(s) \"%s didn't exist in expression: %s";

// #define
inline constexpr std::string_view kAlreadyDefined =
    "Error: \"%s\" function has already been defined";
inline constexpr std::string_view kStoreFull =
    "Error: Ten functions are already defined; use #undef to remove one first";
inline constexpr std::string_view kDefined = "Defined: %s\r\nExpression: %s";

// #undef
inline constexpr std::string_view kUndefineAllQuestion =
    "Are you sure to undefine all of the defined functions?";
inline constexpr std::string_view kAllUndefined = "All the defined functions were undefined";
inline constexpr std::string_view kNoneUndefined = "No functions were undefined";
inline constexpr std::string_view kUndefined = "\"%s\" function was undefined";
inline constexpr std::string_view kNotFound = "Error: No \"%s\" function found";

// #viewdef and #savedef
inline constexpr std::string_view kNoDefinitions = "There were no defined functions";
// Number, name, parameters, expression.
inline constexpr std::string_view kListing = "Function %d: \r\nName: %s(%s)\r\nExpression: %s";
inline constexpr std::string_view kDefinitionsSaved = "Defined functions were saved";
inline constexpr std::string_view kDefinitionsNotSaved = "Error: Defined functions were NOT saved";
// Followed by the path, ": " and the reason.
inline constexpr std::string_view kSaveFailure = "\r\nError: ";

// Loading
inline constexpr std::string_view kNothingLoaded = "\r\nError: No functions were loaded!";
inline constexpr std::string_view kNoSuchFile = "\r\nError: No such files!";
// The line after kNothingLoaded: the reader's reason, or kNoValidDefinition.
inline constexpr std::string_view kReason = "\r\nReason: ";
inline constexpr std::string_view kNoValidDefinition = "no valid definition in it";
// What #include adds to a name without an extension when no file has the name as typed.
inline constexpr std::string_view kDefinitionExtension = ".def";

// The file dialogs.
inline constexpr std::string_view kFileFilter = "Definition files (*.def);;All files (*)";
inline constexpr std::string_view kFileSuffix = "def";

}  // namespace orvo::msg
