#pragma once
// Text crossing between the program (UTF-8 narrow strings, UTF-16 resource
// texts) and Qt.

#include "platform/win/cstring.h"

#include <QString>

#include <string_view>

inline QString ToQString(const CString& text)
{
    return QString::fromUtf8(text.GetString(), text.GetLength());
}

inline QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline CString FromQString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return CString(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}
