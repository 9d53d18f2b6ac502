// Loads one document the way the worker does, but in this process, so that
// a profiler (valgrind --tool=callgrind, perf) sees the whole parse:
//
//   corvane-profile-load FILE [parser-only]
//   corvane-profile-load @LIST [parser-only]
//
// "parser-only" leaves every check to the parser's own code (no quick checks).
// @LIST loads each file named on a line of LIST in turn, as a batch does.
// Prints the verdicts; the exit status is 0 when every document is valid.
#include "platform/xml/load/xml_parse_session.h"
#include "platform/xml/load/xml_runtime.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2 || !EnsureXmlRuntime()) {
        std::fprintf(stderr, "usage: corvane-profile-load FILE [parser-only]\n");
        return 2;
    }
    XmlLoadSettings settings;
    settings.quickChecks = !(argc > 2 && std::string(argv[2]) == "parser-only");
    std::vector<std::string> files;
    if (argv[1][0] == '@') {
        std::ifstream list(argv[1] + 1);
        for (std::string line; std::getline(list, line);)
            if (!line.empty())
                files.push_back(line);
    } else {
        files.emplace_back(argv[1]);
    }
    int status = 0;
    for (const std::string& file : files) {
        char path[PATH_MAX];
        if (::realpath(file.c_str(), path) == nullptr) {
            std::perror(file.c_str());
            return 2;
        }
        std::string drivePath = std::string("Z:") + path;
        for (char& ch : drivePath)
            ch = ch == '/' ? '\\' : ch;
        const auto error = LoadXmlDocument({path, drivePath, true, false, {}, settings});
        if (!error) {
            std::printf("%s: valid\n", file.c_str());
            continue;
        }
        std::printf("%s: error %08x at %ld:%ld\n", file.c_str(), error->code, error->line, error->column);
        status = 1;
    }
    return status;
}
