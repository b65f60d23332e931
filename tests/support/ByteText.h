#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>

// Byte tables written as hex ("fffe 4100"; blanks are skipped).
inline QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// A text of the given UTF-16 units, lone surrogates and NUL included.
inline QString units(std::initializer_list<char16_t> list)
{
    QString text;
    for (char16_t unit : list)
        text.append(QChar(unit));
    return text;
}
