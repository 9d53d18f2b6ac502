#pragma once
// Standard input and output replaced for as long as the object lives: by a
// terminal (a pseudo-terminal nobody reads) or by /dev/null, as a program
// started from a shell or from a desktop menu would have them.

#include <array>

class ScopedStandardStreams {
public:
    explicit ScopedStandardStreams(bool terminal);
    ~ScopedStandardStreams();
    ScopedStandardStreams(const ScopedStandardStreams&) = delete;
    ScopedStandardStreams& operator=(const ScopedStandardStreams&) = delete;

private:
    int m_master = -1;
    std::array<int, 2> m_saved{-1, -1};
};
