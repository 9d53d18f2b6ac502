#pragma once
// The validation run: loads the XML file through the parser component with
// validation on parse, synchronously, and writes the verdict into the
// window's result field. The window may be the main dialog or a headless
// stand-in; the run needs only its result field IDC_RESULT, its status line
// IDC_STATUS (either may be missing) and its wait cursor.

#include "platform/cstring.h"
#include "platform/win_types.h"
#include "platform/window.h"

// The success verdict, fixed in the program rather than taken from the string
// table (whose entry 105 has the same words).
inline constexpr const char* kLoadedAndValidated = "Loaded and Validated";

// What a run leaves for the window beside the result text.
struct ValidationOutcome {
    // The line of the document itself that the error report points at; 0
    // when the document is valid, when no report could be had, when the
    // report names no line, and when the error lies in a referenced schema,
    // DTD or entity (whose lines count in that file, not in the document).
    LONG lErrorLineInDocument = 0;
};

ValidationOutcome RunValidation(CWnd& window, const CString& strXmlPath);
