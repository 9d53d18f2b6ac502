#pragma once
// The validation run: loads the XML file through the parser component with
// validation on parse, synchronously, and writes the verdict into the
// window's result field. The window may be the main dialog or a headless
// stand-in; the run needs only its result field IDC_RESULT, its status line
// IDC_STATUS (either may be missing) and its wait cursor.

#include "platform/win/cstring.h"
#include "platform/win/win_types.h"
#include "platform/win/window.h"

#include <chrono>
#include <vector>

// The success verdict, fixed in the program rather than taken from the string
// table (whose entry 105 has the same words).
inline constexpr const char* kLoadedAndValidated = "Loaded and Validated";

// One error the component reported, as the report shows it.
struct ValidationError {
    LONG lErrorCode = 0;
    LONG lLine = 0;
    LONG lLinePos = 0;
    CString strDescription; // written as visible text
    // The file the line counts in: the document's own path, or the
    // referenced schema, DTD or entity the error lies in.
    CString strUrl;
};

// The five-line report of one error, exactly as the window shows the first.
CString ErrorReportText(const ValidationError& error);

enum class ValidationVerdict {
    Valid,       // "Loaded and Validated"
    ErrorReport, // the window shows the report of the first error
    NoReport,    // the window shows the failure text: no error could be had
};

struct ValidationOutcome {
    ValidationVerdict verdict = ValidationVerdict::NoReport;
    CString strResult;                  // what the window's result field shows
    std::vector<ValidationError> errors; // the first, or every error when asked
    // The line of the document itself that the error report points at; 0
    // when the document is valid, when no report could be had, when the
    // report names no line, and when the error lies in a referenced schema,
    // DTD or entity (whose lines count in that file, not in the document).
    LONG lErrorLineInDocument = 0;
    // With every error asked for: the load stopped at its bound on reported
    // errors, so the document may hold more than `errors`.
    bool bErrorListBounded = false;
};

// Also hands back what the run found: with bAllErrors, the load reads on
// after validity errors and every error is in the outcome (the window still
// shows the first).
ValidationOutcome RunValidation(CWnd& window, const CString& strXmlPath, bool bAllErrors = false);

// A command line that validates many files knows the next ones while it
// reports the one before: told ahead, the parser reads them meanwhile. The
// runs for them must come in the order they were told, before any other.
void ExpectValidationRun(const CString& strXmlPath, bool bAllErrors = false);

// A window that shows expects runs without knowing of which file: the
// parser starts in the background now, so that the first run does not pay
// for its start. Returns at once.
void PrepareValidationRuns();

// A program run once per file lets the parser it started serve the next run
// of the same kind for `staysFor` after it ends (zero: it ends with it).
void LetLaterRunsUseThisParser(std::chrono::seconds staysFor);
