#pragma once
// Reading and writing through file descriptors, retried when a signal
// interrupts a call. They call nothing but read(2), pread(2), write(2) and send(2), so
// they are async-signal-safe: a forked child may use them before exec. On an
// error errno tells why.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include <sys/types.h>

// Writes all of `bytes`; false when the system refuses the rest.
bool WriteAll(int fd, std::string_view bytes);

// One read of at most `size` bytes: how many came, 0 at the end of the input,
// -1 on an error.
ssize_t ReadSome(int fd, void* buffer, std::size_t size);

// One read of at most `size` bytes at `offset`, the file position left as it
// is; as ReadSome.
ssize_t ReadSomeAt(int fd, void* buffer, std::size_t size, std::uint64_t offset);

// The same through a connected socket; a peer that went away is a refusal,
// not a signal that ends this process.
bool SendAll(int fd, std::string_view bytes);

// Reads until `size` bytes arrived. The bytes read: fewer when the file
// ended first, or the system refused the rest (a socket's receive bound
// running out, say); `error` then learns the system's error number, or 0
// when the file ended.
std::size_t ReadFully(int fd, char* data, std::size_t size, int* error = nullptr);
