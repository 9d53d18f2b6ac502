#include "platform/qt/dialog_units.h"

#include "platform/qt/qt_text.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

ResolvedDialogFont ResolveDialogFont(const DialogTemplate& dialogTemplate)
{
    if ((dialogTemplate.style & DS_SETFONT) == 0) {
        const QFont font = QApplication::font();
        return {font, BaseUnitsOf(font)};
    }

    const DialogFont& wanted = dialogTemplate.font;
    QFont font(ToQString(wanted.typeface));
    font.setPointSize(wanted.pointSize);
    // Weights are on the same 1 to 1000 scale; 0 means "don't care".
    if (wanted.weight != 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(wanted.weight, 1, 1000)));
    font.setItalic(wanted.italic != 0);

    // Fix the family that matching chose, so every control (and every reader
    // of the base units) gets the same face.
    const QFontInfo resolved(font);
    font.setFamily(resolved.family());
    return {font, BaseUnitsOf(font)};
}

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    static const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(alphabet);
    return {(width / 26 + 1) / 2, metrics.height()};
}

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = std::llabs(denominator) / 2;
    std::int64_t result = (std::llabs(product) + half) / std::llabs(denominator);
    if ((product < 0) != (denominator < 0))
        result = -result;
    return static_cast<int>(result);
}

QRect MapDialogRect(const DialogRect& rect, DialogBaseUnits units)
{
    return {MulDiv(rect.x, units.cx, 4), MulDiv(rect.y, units.cy, 8), MulDiv(rect.cx, units.cx, 4),
            MulDiv(rect.cy, units.cy, 8)};
}
