#include "app/validate_options.h"

#include <string_view>

const char* const kValidateUsage =
    "usage: corvane-validate [--format=text|gnu|json] [--all-errors] [--quiet] [--offline] [--no-grammar-cache] [--] FILE...\n"
    "       corvane-validate --help | --version\n";

const char* const kValidateHelp =
    "Validates each XML FILE against the schema or DTD it references, and prints one verdict per file.\n"
    "A FILE of - is standard input, named - in the reports; its relative references resolve\n"
    "against the current folder.\n"
    "\n"
    "  --format=text   the report as the window shows it (the default); with several files,\n"
    "                  each verdict follows a line naming its file\n"
    "  --format=gnu    one line per error: FILE:LINE:COLUMN: error: DESCRIPTION [CODE];\n"
    "                  nothing for a valid file (line and column 0: no place in the file);\n"
    "                  paths are Linux paths, in descriptions too\n"
    "  --format=json   one JSON object per line for each error, or for the valid file:\n"
    "                  path, verdict, code, group, line, column, description, and file\n"
    "                  for an error; paths are Linux paths\n"
    "  --all-errors    every error, not only the first, up to 1000 per file or 1048576\n"
    "                  characters of descriptions; a list that the bound ends has a last\n"
    "                  line that says so (gnu: FILE:0:0: note: ...; json: \"truncated\":true\n"
    "                  on the file's last line); a well-formedness error still ends its document\n"
    "  --quiet, -q     print no verdicts: the exit status alone tells\n"
    "  --offline       never use the network: referenced documents come from the\n"
    "                  catalogs and the cache of fetched documents only\n"
    "  --no-grammar-cache  compile every DTD and schema afresh: neither read nor write\n"
    "                  the compiled grammars kept in ~/.cache/corvane/grammars\n"
    "  --help, -h      this text\n"
    "  --version       the program's version\n"
    "  --              ends the options: every later argument is a FILE\n"
    "\n"
    "The parser process of a call waits CORVANE_WORKER_STAYS seconds (15 unless set; 0: not at all)\n"
    "for the next call of the same program, folder and environment, which then uses it.\n"
    "\n"
    "Notes about a load (a cached schema used past its freshness because its server could not\n"
    "be reached, or --offline kept Corvane from asking it)\n"
    "go to standard error as 'corvane-validate: FILE: NOTE', also with --quiet.\n"
    "\n"
    "Exit status: the worst of the files'\n"
    "  0   every file loaded and validated\n"
    "  1   an error report for at least one file\n"
    "  2   no report could be had for at least one file: its name holds a backslash, standard\n"
    "      input could not be read, or the parser gave no error to report (a file that is\n"
    "      missing or unreadable is an error report: 1)\n"
    "  64  bad usage (no file is read)\n";

namespace {

std::optional<OutputFormat> FormatNamed(std::string_view name)
{
    if (name == "text")
        return OutputFormat::Text;
    if (name == "gnu")
        return OutputFormat::Gnu;
    if (name == "json")
        return OutputFormat::Json;
    return std::nullopt;
}

} // namespace

ParsedCommandLine ParseValidateCommandLine(const std::vector<std::string>& arguments)
{
    ValidateOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        // A lone "-" is a file name like any other; an empty one names none.
        if (arg.empty()) {
            return {std::nullopt, {"an empty argument names no file"}};
        } else if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            options.files.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--all-errors") {
            options.allErrors = true;
        } else if (arg == "--quiet" || arg == "-q") {
            options.quiet = true;
        } else if (arg == "--offline") {
            options.offline = true;
        } else if (arg == "--no-grammar-cache") {
            options.noGrammarCache = true;
        } else if (arg == "--format" || arg.rfind("--format=", 0) == 0) {
            std::string_view name;
            if (arg == "--format") {
                if (i + 1 == arguments.size())
                    return {std::nullopt, {"--format needs a value: text, gnu or json"}};
                name = arguments[++i];
            } else {
                name = arg.substr(9);
            }
            const auto format = FormatNamed(name);
            if (!format)
                return {std::nullopt, {"unknown format " + std::string(name) + ": use text, gnu or json"}};
            options.format = *format;
        } else {
            return {std::nullopt, {"unknown option " + std::string(arg)}};
        }
    }
    if (options.files.empty() && !options.help && !options.version)
        return {std::nullopt, {}};
    return {std::move(options), {}};
}
