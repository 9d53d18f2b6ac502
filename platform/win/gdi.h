#pragma once
// Pictures and painting as the dialogs use them: icon handles, rectangles,
// icon metrics and the paint context of a window being painted. Implemented
// by the window services on Qt (platform/qt).

#include "platform/win/win_types.h"

#include <memory>

// An icon decoded from the resources; shared and alive for the whole process,
// so a handle never needs destroying.
struct IconImage;
using HICON = const IconImage*;
using HCURSOR = HICON;

// A painter bound to a window while it paints.
struct DeviceContext;
using HDC = DeviceContext*;

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};
using LPRECT = RECT*;

class CRect : public RECT {
public:
    CRect() = default;
    CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    operator LPRECT() { return this; }
};

inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;

// The icon sizes of the window system (32 and 16 pixels at the logical
// resolution); 0 for metrics the program has no use for.
int GetSystemMetrics(int nIndex);

// The icon of the resource module with this identifier; null if there is
// none or its data cannot be read.
HICON LoadIconResource(UINT nIDResource);

// Width and height of an icon's picture in pixels; 0 for a null handle.
int IconWidth(HICON hIcon);
int IconHeight(HICON hIcon);

class CDialog;

class CDC {
public:
    HDC GetSafeHdc() const { return m_hDC; }
    // Draws the icon at its own size with its top left corner at x, y.
    BOOL DrawIcon(int x, int y, HICON hIcon);

protected:
    HDC m_hDC = nullptr;
};

// The paint context of a dialog inside its WM_PAINT handler. Outside a paint
// it holds no device, and drawing through it does nothing.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CDialog* pWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

private:
    std::unique_ptr<DeviceContext> m_context;
};
