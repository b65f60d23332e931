#include "controls/unitext/UniTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <optional>
#include <vector>

namespace unitext::document {

namespace {

constexpr int kEscapeMark = QTextFormat::UserProperty + 0x55;
const QString kLineBreak = QStringLiteral("\r\n");

struct Escape
{
    char16_t character;
    char16_t held;   // private use
};
constexpr Escape kEscapes[] = {
    {u'\r', 0xF00D}, {u'\n', 0xF00A}, {0x2028, 0xF028}, {0x2029, 0xF029}, {0xFDD0, 0xF0D0}, {0xFDD1, 0xF0D1},
};

std::optional<char16_t> heldFor(QChar c)
{
    for (const Escape& e : kEscapes)
        if (e.character == c.unicode())
            return e.held;
    return std::nullopt;
}

QChar characterFor(QChar held)
{
    for (const Escape& e : kEscapes)
        if (e.held == held.unicode())
            return QChar(e.character);
    return held;
}

void appendFragment(QString& out, const QTextFragment& fragment, int from, int to)
{
    const int start = std::max(from, fragment.position());
    const int end = std::min(to, fragment.position() + fragment.length());
    if (start >= end)
        return;
    const QString piece = fragment.text().mid(start - fragment.position(), end - start);
    if (!fragment.charFormat().hasProperty(kEscapeMark)) {
        out += piece;
        return;
    }
    for (QChar c : piece)
        out += characterFor(c);
}

}

QString text(const QTextDocument& document)
{
    return text(document, 0, document.characterCount());
}

QString text(const QTextDocument& document, int from, int to)
{
    QString out;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            appendFragment(out, it.fragment(), from, to);
        const int separator = block.position() + block.length() - 1;
        if (block.next().isValid() && separator >= from && separator < to)
            out += kLineBreak;
    }
    return out;
}

void insert(QTextCursor& cursor, QStringView text)
{
    // The document would break lines at more than CR LF; what it would break at goes in as
    // a marked stand-in, one unit for one unit.
    QString held;
    held.reserve(text.size());
    std::vector<int> escaped;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            held += QChar::ParagraphSeparator;
            ++i;
        } else if (auto stand = heldFor(c)) {
            escaped.push_back(int(held.size()));
            held += QChar(*stand);
        } else {
            held += c;
        }
    }
    cursor.beginEditBlock();
    const int start = cursor.selectionStart();
    cursor.insertText(held, QTextCharFormat());
    if (!escaped.empty()) {
        QTextCharFormat mark;
        mark.setProperty(kEscapeMark, true);
        QTextCursor marker(cursor.document());
        // Block breaks before an escaped character shift nothing: held has one unit per position.
        for (int offset : escaped) {
            marker.setPosition(start + offset);
            marker.setPosition(start + offset + 1, QTextCursor::KeepAnchor);
            marker.mergeCharFormat(mark);
        }
    }
    cursor.endEditBlock();
    // What the user types next is plain text, whatever stood before it.
    cursor.setCharFormat(QTextCharFormat());
}

QString withUserLineBreaks(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out += kLineBreak;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

int toUnits(const QTextDocument& document, int position)
{
    position = std::clamp(position, 0, document.characterCount() - 1);
    return position + document.findBlock(position).blockNumber();
}

int toPosition(const QTextDocument& document, int units)
{
    if (units <= 0)
        return 0;
    // The last block whose first unit is at or before `units`.
    int low = 0;
    int high = document.blockCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        const QTextBlock block = document.findBlockByNumber(middle);
        if (block.position() + middle <= units)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = document.findBlockByNumber(low);
    const int offset = units - (block.position() + low);
    return block.position() + std::min(offset, block.length() - 1);
}

int length(const QTextDocument& document)
{
    return document.characterCount() - 1 + document.blockCount() - 1;
}

}
