#pragma once
// The editors known to take a line to open a file at, and how each is asked
// for it. Edit uses these rules only after an error report that points at a
// line of the document itself; every other editor, and every other press,
// gets the command line it always had. The README lists the editors.

#include "platform/win/cstring.h"
#include "platform/win/win_types.h"

// The command line that opens strXmlPath at lLine in the editor that
// strEditor starts, when that editor's program is one of the known ones;
// empty otherwise.
CString EditorCommandLineAtLine(const CString& strEditor, const CString& strXmlPath, LONG lLine);
