#pragma once
// Reading and writing whole buffers through file descriptors, retried when a
// signal interrupts the call.

#include <cstddef>
#include <string_view>

// Writes all of `bytes`; false when the system refuses the rest.
bool WriteAll(int fd, std::string_view bytes);

// The same through a connected socket; a peer that went away is a refusal,
// not a signal that ends this process.
bool SendAll(int fd, std::string_view bytes);

// Reads until `size` bytes arrived. The bytes read: fewer when the file
// ended first, or the system refused the rest (a socket's receive bound
// running out, say); `error` then learns the system's error number, or 0
// when the file ended.
std::size_t ReadFully(int fd, char* data, std::size_t size, int* error = nullptr);
