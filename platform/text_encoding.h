#pragma once
// Conversions between the narrow code page (UTF-8) and wide text (UTF-16).
// A byte that is not part of valid UTF-8 survives the round trip: it becomes
// the lone surrogate U+DC80 + byte and turns back into the same byte, so that
// a Linux file name that is not valid UTF-8 still names the same file.

#include <string>
#include <string_view>

std::u16string AnsiToWide(std::string_view narrow);
std::string WideToAnsi(std::u16string_view wide);

// Text that is safe to show and to write out: control characters (other
// than tab, CR and LF, which lay text out) and bytes
// that were not valid UTF-8 become visible escapes (\x00, \xFF), and any
// other lone surrogate becomes \uD800. Text already safe is unchanged.
std::u16string VisibleText(std::u16string_view text);
