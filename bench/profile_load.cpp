// Loads one document the way the worker does, but in this process, so that
// a profiler (valgrind --tool=callgrind, perf) sees the whole parse:
//
//   corvane-profile-load FILE [parser-only]
//
// "parser-only" leaves every check to the parser's own code (no quick checks).
// Prints the verdict; the exit status is 0 when the document is valid.
#include "platform/xml/xml_parse_session.h"
#include "platform/xml/xml_runtime.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2 || !EnsureXmlRuntime()) {
        std::fprintf(stderr, "usage: corvane-profile-load FILE [parser-only]\n");
        return 2;
    }
    SetQuickChecks(!(argc > 2 && std::string(argv[2]) == "parser-only"));
    char path[PATH_MAX];
    if (::realpath(argv[1], path) == nullptr) {
        std::perror(argv[1]);
        return 2;
    }
    std::string drivePath = std::string("Z:") + path;
    for (char& ch : drivePath)
        ch = ch == '/' ? '\\' : ch;
    const auto error = LoadXmlDocument({path, drivePath, true});
    if (!error) {
        std::printf("valid\n");
        return 0;
    }
    std::printf("error %08x at %ld:%ld\n", error->code, error->line, error->column);
    return 1;
}
