#pragma once

#include <QString>
#include <optional>

namespace platform {

// Texts of our own XML formats carry every UTF-16 string: XML cannot carry most control
// characters, U+FFFE, U+FFFF or lone surrogates (not even as character references), and a
// reader turns a carriage return into a line feed. Such a character is written "\uXXXX"
// (four lower-case hex digits) and "\" itself "\\"; everything else stands as it is.
//   encodeXmlText(u"a\\b\x0Bc") == u"a\\\\b\\u000bc"
QString encodeXmlText(const QString& text);
// The text encodeXmlText() was given; nothing for a "\" not followed by "\" or "u" and
// four hex digits (either case).
std::optional<QString> decodeXmlText(QStringView text);

}
