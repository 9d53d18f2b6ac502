#pragma once
// Where the bytes of a local document are read from. A document is named by
// its Linux path, and relative references resolve against that name; its
// bytes are read from the same path, except for a document that stands in
// another file's place: standard input ("-" on a command line) is named "-"
// in the current folder, so that its references resolve there, and is read
// from the copy kept of it.

#include "platform/os/unique_fd.h"

#include <string>

// From now on, `name` is read from `file`; an empty `file` ends that.
void SetDocumentStandIn(const std::string& name, const std::string& file);

// The file that stands in for `name`, or an empty text when none does.
std::string DocumentStandInFor(const std::string& name);

// The path whose bytes are the document named `name`.
std::string FileToRead(const std::string& name);

// The document named `name`, opened for reading without waiting on a pipe;
// an invalid descriptor (errno set) when it cannot be opened.
UniqueFd OpenToRead(const std::string& name);
