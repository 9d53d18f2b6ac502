#pragma once
// Runs a program with arguments, no shell, and collects what it printed.

#include <string>
#include <vector>

struct ProgramRun {
    int exitStatus = -1; // -1 when the program could not run or was killed
    std::string out;
    std::string err;
};

// Where the program runs and what it reads: the current folder when empty,
// and nothing (/dev/null) when no file is named for standard input.
struct ProgramSetting {
    std::string folder;
    std::string standardInput;
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const ProgramSetting& setting = {});
