#pragma once
// A command line that validates many documents knows the next ones while it
// reports the one before: told ahead, the parser reads those documents
// meanwhile, on every processor. A window knows only that a load will come.

#include <chrono>
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

// A program run once per document lets its parser's worker stay, once it is
// done with it, for the next run of the same kind (the same program, user,
// folder, environment and limits) until `staysFor` passes without one; that
// run then loads in it instead of starting a worker of its own. Zero: the
// worker ends with the program.
void LetLoadWorkerServeLaterRuns(std::chrono::seconds staysFor);
