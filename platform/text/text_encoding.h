#pragma once
// Conversions between the narrow code page (UTF-8) and wide text (UTF-16).
// A byte that is not part of valid UTF-8 survives the round trip: it becomes
// the lone surrogate U+DC80 + byte and turns back into the same byte, so that
// a Linux file name that is not valid UTF-8 still names the same file.

#include <string>
#include <string_view>

std::u16string AnsiToWide(std::string_view narrow);
std::string WideToAnsi(std::u16string_view wide);

// Text that is safe to show and to write out on one line: control
// characters (tab, CR and LF included) and bytes that were not valid UTF-8
// become visible escapes (\x0A, \xFF); the C1 controls, the line and
// paragraph separators, the bidirectional controls and any other lone
// surrogate become \u0085, \u2028, \u202E, \uD800. Only the report's own
// line breaks then end a line. Text already safe is unchanged.
std::u16string VisibleText(std::u16string_view text);
