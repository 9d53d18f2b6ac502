#pragma once
// Reading and writing through file descriptors, retried when a signal
// interrupts a call. They call nothing but read(2), pread(2) and write(2), so
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

// Reads until `size` bytes have come or the input ends: how many came (fewer
// than `size` only at the end), or -1 on an error, even after some bytes.
ssize_t ReadFully(int fd, void* buffer, std::size_t size);
