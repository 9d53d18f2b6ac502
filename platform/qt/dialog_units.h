#pragma once
// Dialog units. A template's rectangles are measured in units of its font:
// a horizontal unit is a quarter of the font's average character width and a
// vertical unit an eighth of its height. The font is the template's typeface
// as this system resolves it (fontconfig's substitute when the typeface is
// not installed), at the template's point size and the screen's logical
// resolution.

#include "platform/win/dialog_template.h"

#include <QFont>
#include <QRect>

struct DialogBaseUnits {
    int cx; // average character width in pixels
    int cy; // character height in pixels
};

struct ResolvedDialogFont {
    QFont font;
    DialogBaseUnits units;
};

// The template's font (or the application's font for a template without
// DS_SETFONT) and its base units.
ResolvedDialogFont ResolveDialogFont(const DialogTemplate& dialogTemplate);

// The base units of a font: the average width of the 52 letters of the
// alphabet, rounded as the dialog manager rounds it, and the font's height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// number * numerator / denominator, rounded half away from zero.
int MulDiv(int number, int numerator, int denominator);

// A rectangle in dialog units, in pixels: each of x, y, width and height
// is converted on its own.
QRect MapDialogRect(const DialogRect& rect, DialogBaseUnits units);
