#pragma once
#include <string_view>

// Texts of the user-defined functions, exactly as the console shows them.
namespace orvo::msg::definitions {

// Checks of a new definition.
inline constexpr std::string_view kIllegalDefine = "Error: Illegal format of #define() function";
inline constexpr std::string_view kUseSemicolon = "Use ; to separate function name and expression";
inline constexpr std::string_view kContainsName = "Error: Expression contains function name: ";
inline constexpr std::string_view kIllegalParameters = "Error: Illegal function parameters: ";
inline constexpr std::string_view kMissingParametersStart = "Error: Parameter(s) \"";
inline constexpr std::string_view kMissingParametersEnd = " didn't exist in expression: ";

// #define
inline constexpr std::string_view kAlreadyDefinedStart = "Error: \"";
inline constexpr std::string_view kAlreadyDefinedEnd = "\" function has already been defined";
inline constexpr std::string_view kStoreFull =
    "Error: Ten functions are already defined; use #undef to remove one first";
inline constexpr std::string_view kDefined = "\r\nDefined: ";
inline constexpr std::string_view kExpression = "\r\nExpression: ";

// #undef
inline constexpr std::string_view kUndefineAllQuestion =
    "Are you sure to undefine all of the defined functions?";
inline constexpr std::string_view kAllUndefined = "\r\nAll the defined functions were undefined";
inline constexpr std::string_view kNoneUndefined = "\r\nNo functions were undefined";
inline constexpr std::string_view kUndefinedEnd = "\" function was undefined";
inline constexpr std::string_view kNotFoundStart = "\r\nError: No \"";
inline constexpr std::string_view kNotFoundEnd = "\" function found";

// #viewdef and #savedef
inline constexpr std::string_view kNoDefinitions = "There were no defined functions";
inline constexpr std::string_view kListingNumberStart = "\r\nFunction ";
inline constexpr std::string_view kListingNumberEnd = ": \r\n";
inline constexpr std::string_view kListingName = "Name: ";
inline constexpr std::string_view kListingExpression = "Expression: ";
inline constexpr std::string_view kDefinitionsSaved = "\r\nDefined functions were saved";
inline constexpr std::string_view kDefinitionsNotSaved =
    "\r\nError: Defined functions were NOT saved";
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

}  // namespace orvo::msg::definitions
