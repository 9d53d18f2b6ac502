#include "tests/support/standard_streams.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

ScopedStandardStreams::ScopedStandardStreams(bool terminal)
{
    std::cout.flush();
    std::fflush(stdout);
    int replacement = -1;
    if (terminal) {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            replacement = open(ptsname(m_master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    } else {
        replacement = open("/dev/null", O_RDWR | O_CLOEXEC);
    }
    if (replacement < 0)
        ADD_FAILURE() << (terminal ? "no pseudo-terminal" : "no /dev/null") << " to stand in for standard streams";
    for (int fd = 0; fd < 2; ++fd) {
        m_saved[fd] = fcntl(fd, F_DUPFD_CLOEXEC, 3);
        dup2(replacement, fd);
    }
    close(replacement);
}

ScopedStandardStreams::~ScopedStandardStreams()
{
    std::fflush(stdout);
    for (int fd = 0; fd < 2; ++fd) {
        if (m_saved[fd] >= 0) {
            dup2(m_saved[fd], fd);
            close(m_saved[fd]);
        } else {
            close(fd); // it was closed before
        }
    }
    if (m_master >= 0)
        close(m_master);
}
