#pragma once
// Runs a program with arguments, no shell, and collects what it printed.

#include <string>
#include <vector>

struct ProgramRun {
    int exitStatus = -1; // -1 when the program could not run or was killed
    std::string out;
    std::string err;
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args);
