#pragma once
// Dialog templates as data: the dialog's caption, rectangle, styles and font,
// and its controls in template order. Rectangles are in dialog units of the
// template's font; the window services turn a template into real windows.

#include "platform/win/win_types.h"

#include <span>
#include <string_view>

// Window styles.
inline constexpr DWORD WS_POPUP = 0x80000000u;
inline constexpr DWORD WS_CHILD = 0x40000000u;
inline constexpr DWORD WS_MINIMIZE = 0x20000000u;
inline constexpr DWORD WS_VISIBLE = 0x10000000u;
inline constexpr DWORD WS_DISABLED = 0x08000000u;
inline constexpr DWORD WS_CAPTION = 0x00C00000u;
inline constexpr DWORD WS_BORDER = 0x00800000u;
inline constexpr DWORD WS_DLGFRAME = 0x00400000u;
inline constexpr DWORD WS_VSCROLL = 0x00200000u;
inline constexpr DWORD WS_HSCROLL = 0x00100000u;
inline constexpr DWORD WS_SYSMENU = 0x00080000u;
inline constexpr DWORD WS_THICKFRAME = 0x00040000u;
inline constexpr DWORD WS_GROUP = 0x00020000u;
inline constexpr DWORD WS_TABSTOP = 0x00010000u;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000u; // on a top-level window
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000u; // on a top-level window

inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200u;
inline constexpr DWORD WS_EX_STATICEDGE = 0x00020000u;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000u;

// Dialog styles.
inline constexpr DWORD DS_SETFONT = 0x00000040u;
inline constexpr DWORD DS_MODALFRAME = 0x00000080u;
inline constexpr DWORD DS_CENTER = 0x00000800u;

// Button styles (the low four bits are the button's kind).
inline constexpr DWORD BS_PUSHBUTTON = 0x0u;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x1u;
inline constexpr DWORD BS_GROUPBOX = 0x7u;
inline constexpr DWORD BS_TYPEMASK = 0xFu;

// Edit styles.
inline constexpr DWORD ES_LEFT = 0x0000u;
inline constexpr DWORD ES_CENTER = 0x0001u;
inline constexpr DWORD ES_RIGHT = 0x0002u;
inline constexpr DWORD ES_MULTILINE = 0x0004u;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040u;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080u;
inline constexpr DWORD ES_READONLY = 0x0800u;

// Static styles (the low five bits are the static's kind).
inline constexpr DWORD SS_LEFT = 0x00u;
inline constexpr DWORD SS_CENTER = 0x01u;
inline constexpr DWORD SS_RIGHT = 0x02u;
inline constexpr DWORD SS_ICON = 0x03u;
inline constexpr DWORD SS_BITMAP = 0x0Eu;
inline constexpr DWORD SS_TYPEMASK = 0x1Fu;
inline constexpr DWORD SS_NOPREFIX = 0x80u;
inline constexpr DWORD SS_CENTERIMAGE = 0x200u;

// The predefined control classes the templates use.
enum class ControlClass { Button, Edit, Static };

// A control's text: either characters, or the number of a resource (an icon
// or a bitmap) that the control shows instead.
struct TemplateText {
    std::u16string_view text;
    WORD resourceNumber = 0;

    constexpr TemplateText(const char16_t* characters) : text(characters) {}
    static constexpr TemplateText Resource(WORD number)
    {
        TemplateText ordinal(u"");
        ordinal.resourceNumber = number;
        return ordinal;
    }
    constexpr bool IsResource() const { return resourceNumber != 0; }
};

// x, y, width, height in dialog units.
struct DialogRect {
    short x;
    short y;
    short cx;
    short cy;
};

struct DialogItemTemplate {
    int nID;
    ControlClass controlClass;
    TemplateText text;
    DialogRect rect;
    DWORD style;
    DWORD exStyle = 0;
    DWORD helpID = 0;
};

enum class TemplateFormat { Classic, Extended };

struct DialogFont {
    WORD pointSize;
    std::u16string_view typeface;
    WORD weight = 0;   // FW_DONTCARE
    BYTE italic = 0;
    BYTE charset = 1;  // DEFAULT_CHARSET
};

struct DialogTemplate {
    UINT nID;
    WORD language;
    TemplateFormat format;
    std::u16string_view caption;
    DialogRect rect;
    DWORD style;
    DWORD exStyle;
    DialogFont font;
    std::span<const DialogItemTemplate> items;
    DWORD helpID = 0;
};
