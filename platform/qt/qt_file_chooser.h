#pragma once
// The real file-open chooser, on Qt's own file dialog (the same on every
// desktop, so that filters and checks behave alike everywhere). The desktop
// program installs it once its application object exists:
//
//     QtFileChooserService choosers;
//     FileChooserServiceScope scope(choosers);
//
// Beyond the dialog's own behaviour:
//   - the pattern "*.exe" means programs: executable regular files, since
//     Linux programs carry no ".exe";
//   - a typed name without an extension gets the default extension when no
//     file of the typed name exists (an existing name is taken as it is);
//   - a typed name is one name, double quotes and all (the dialog alone
//     would split it at its quotes into several);
//   - a name that does not exist is refused by the dialog with its usual
//     message;
//   - a file whose Linux name holds a backslash cannot be written as a drive
//     path: it is refused with a message, and the dialog stays open;
//   - an empty or missing initial folder opens the user's home folder.

#include "platform/ui/file_dialog.h"

class QtFileChooserService : public FileChooserService {
public:
    // Without a running Qt application nothing can be shown: IDCANCEL.
    int Run(const FileChooserRequest& request, CString& chosen) override;
};

// The text of the refusal of a name that no drive path can hold.
CString BackslashNameRefusal(const CString& linuxPath);
