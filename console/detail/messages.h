#pragma once
#include <string_view>

#include "base/version.h"

// Texts of the command console, exactly as the console shows them.
namespace orvo::msg {

inline constexpr std::string_view kNoSuchAmpersand =
    "Error: There was no such & function\r\nInput &= and press Enter to see & functions";
inline constexpr std::string_view kNoSuchHash =
    "Error: There was no such # function\r\nInput #= and press Enter to see # functions";

// Also the status line's preview of such a line.
inline constexpr std::string_view kExpansionTooLong = "Error: The expanded expression is too long";
inline constexpr std::string_view kNoAnswer = "Error: ans(n) function, no answer %s";

inline constexpr std::string_view kBracketsOn = "Checking brackets is turned on";
inline constexpr std::string_view kBracketsOff = "Checking brackets is turned off";
inline constexpr std::string_view kBracketBoxOn = "Brackets-Checking is turned on";
inline constexpr std::string_view kBracketBoxOff = "Brackets-Checking is turned off";

// Screen store; %d is the slot number. The load message's spelling is part of the interface.
inline constexpr std::string_view kSaveRange = "Error: You should input a number between 1 and 10";
inline constexpr std::string_view kLoadRange = "Error: You shoud input a number between 1 and 10";
inline constexpr std::string_view kSlotUsed =
    "Error: No. %d was already used. You should delete it first and then save it";
inline constexpr std::string_view kSaved = "The screen data were saved as No. %d ";
inline constexpr std::string_view kNotSaved = "Error: No. %d had not been saved before";
inline constexpr std::string_view kDeleted = "No. %d has been deleted";

inline constexpr std::string_view kHelpIndex =
    "View Functions:\r\n&oper= &func= &geom= &phys= &chem= &atom= &other= &= @= #=\r\n"
    "Input one of them, and then press Enter\r\nPress Enter with no char input to clear "
    "screen";

inline constexpr std::string_view kAbout =
    "Orvo " ORVO_VERSION
    ", a scientific calculator driven by command lines\r\n"
    "Type an expression that ends with = and press Enter, for example 1+2=\r\n"
    "Press F1, or input &= @= #= and press Enter, to see the functions\r\n"
    "Press Enter with no char input to clear screen";

}  // namespace orvo::msg
