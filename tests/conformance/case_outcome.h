#pragma once
// What the validation run said about one case, reduced to a verdict and the
// fields of its report.

#include <string>
#include <string_view>

enum class Verdict { Valid, Error, NoReport };

constexpr std::string_view VerdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Valid:
        return "valid";
    case Verdict::Error:
        return "error";
    case Verdict::NoReport:
        return "no-report";
    }
    return "?";
}

struct Outcome {
    Verdict got = Verdict::NoReport;
    std::string code;
    std::string line;
    std::string position;
    std::string description; // the report's description, or the whole result text
    double seconds = 0;
};
