#pragma once
// The command line of corvane-validate: its options and the files it names.

#include <optional>
#include <string>
#include <vector>

enum class OutputFormat { Text, Gnu, Json };

struct ValidateOptions {
    OutputFormat format = OutputFormat::Text;
    bool allErrors = false;
    bool quiet = false;
    bool offline = false;
    bool noGrammarCache = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> files; // as the user named them
};

struct UsageError {
    std::string message; // empty when the usage text alone says it
};

// The options, or what is wrong with the command line. --help and
// --version need no file; anything else needs at least one.
struct ParsedCommandLine {
    std::optional<ValidateOptions> options;
    UsageError error;
};
ParsedCommandLine ParseValidateCommandLine(const std::vector<std::string>& arguments);

extern const char* const kValidateUsage;
extern const char* const kValidateHelp;
