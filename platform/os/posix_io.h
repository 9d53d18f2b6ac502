#pragma once
// Reading and writing whole buffers through file descriptors, retried when a
// signal interrupts the call.

#include <string_view>

// Writes all of `bytes`; false when the system refuses the rest.
bool WriteAll(int fd, std::string_view bytes);
