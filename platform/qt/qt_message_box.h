#pragma once
// The real application message box, on Qt Widgets. The desktop program
// installs it once its application object exists:
//
//     QtMessageBoxService boxes;
//     MessageBoxServiceScope scope(boxes);

#include "platform/ui/message_box.h"

class QtMessageBoxService : public MessageBoxService {
public:
    // Shows a modal box over the active window: the caption, the text as
    // plain text, the buttons of MB_OK, MB_OKCANCEL or MB_YESNO and the icon
    // of MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION or
    // MB_ICONINFORMATION (with none named: information on an OK box, a
    // question on a Yes/No box). Escape and the close box answer No or
    // Cancel, or OK on a box that has only OK. Without a running Qt
    // application it behaves as if no service were installed.
    int Show(const CString& caption, const CString& text, UINT nType) override;
};
