#pragma once
// A command line that validates many documents knows the next ones while it
// reports the one before: told ahead, the parser reads those documents
// meanwhile, on every processor. A window knows only that a load will come.

#include <string>

// A document a later validation run loads, by its drive path, with every
// error asked for or the first only: the runs load the documents named in
// the order they were named, before any other. A path that names no file is
// ignored.
void ExpectValidationLoad(const std::string& drivePath, bool allErrors);

// A load will come, but not which: the parser's worker starts now, so that
// the load does not wait for its start. Returns without waiting for the
// parser to be ready.
void PrepareValidationLoads();
