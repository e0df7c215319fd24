#pragma once
#include <string>
#include <string_view>

// Text rules of the two add-filter dialogs.

// Drops leading and trailing blanks and control characters (every byte up to 0x20).
std::string TrimBlanksAndControls(std::string_view text);

// The characters a mask may not hold, in the order the dialogs name them.
inline constexpr std::string_view kRefusedMaskChars = "/|\\\":,><";

// Those of them that the mask holds, each once, in that order; empty for a mask that may be used.
std::string RefusedCharsIn(std::string_view mask);

// Whether the text, stored as a list entry or a filter description, could put an entry terminator where
// none belongs, so that the list splits wrongly on the next start. Besides the terminator itself, the "|"
// of the separators around a stored description completes it: a text ending in "|)E(", starting with
// ")E(|" or being ")E(" alone does the same.
bool HasEntryTerminator(std::string_view text);
