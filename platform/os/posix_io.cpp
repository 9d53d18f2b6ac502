#include "platform/os/posix_io.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

ssize_t ReadSome(int fd, void* buffer, std::size_t size)
{
    ssize_t got = 0;
    do {
        got = ::read(fd, buffer, size);
    } while (got < 0 && errno == EINTR);
    return got;
}

ssize_t ReadSomeAt(int fd, void* buffer, std::size_t size, std::uint64_t offset)
{
    ssize_t got = 0;
    do {
        got = ::pread(fd, buffer, size, static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    return got;
}

bool SendAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

std::size_t ReadFully(int fd, char* data, std::size_t size, int* error)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ReadSome(fd, data + done, size - done);
        if (got <= 0) {
            if (error != nullptr)
                *error = got < 0 ? errno : 0;
            return done;
        }
        done += static_cast<std::size_t>(got);
    }
    if (error != nullptr)
        *error = 0;
    return done;
}
