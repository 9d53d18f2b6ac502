#pragma once
// How corvane-validate writes one file's verdict in each output format.

#include "app/validate_options.h"
#include "validation/validation_run.h"

#include <ostream>
#include <string>

struct FileVerdict {
    std::string path;      // as the user named it
    std::string drivePath; // as the run was given it
    ValidationOutcome outcome;
    // Why the file could not even be handed to the run; empty when it was.
    std::string unnamable;
};

// Writes the verdict to `out` in the format; `oneOfSeveral` makes the text
// format name the file before its verdict (and leave a blank line after).
void WriteVerdict(std::ostream& out, OutputFormat format, const FileVerdict& verdict, bool oneOfSeveral);

// Text that stays on one line and is safe to show (VisibleText): control
// characters, line separators and bytes that are not UTF-8 become visible
// escapes (\x0A, \u2028, \xFF).
std::string OneLineText(const std::string& text);

// A JSON string literal, quotes included, for text in any bytes.
std::string JsonString(const std::string& text);
