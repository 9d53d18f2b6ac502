#pragma once
// A command line that validates many documents knows the next one while it
// reports the one before: told ahead, the parser reads that document
// meanwhile, on the other processor.

#include <string>

// The document the next validation run loads, by its drive path, with every
// error asked for or the first only. A path that names no file is ignored.
void ExpectValidationLoad(const std::string& drivePath, bool allErrors);
