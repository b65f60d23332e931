#include "app/description/HtmlRewriter.h"

#include <QSet>
#include <QStringList>

namespace description {

namespace {

// Elements that never hold others; they are written self-closed, so that Qt's reader,
// whatever it takes them for, nests nothing under them.
const QSet<QString> kEmptyElements{QStringLiteral("area"),  QStringLiteral("base"),  QStringLiteral("br"),
                                   QStringLiteral("col"),   QStringLiteral("embed"), QStringLiteral("hr"),
                                   QStringLiteral("img"),   QStringLiteral("input"), QStringLiteral("link"),
                                   QStringLiteral("meta"),  QStringLiteral("param"), QStringLiteral("source"),
                                   QStringLiteral("track"), QStringLiteral("wbr")};
const QSet<QString> kTableParts{QStringLiteral("tr"),    QStringLiteral("td"),      QStringLiteral("th"),
                                QStringLiteral("thead"), QStringLiteral("tbody"),   QStringLiteral("tfoot"),
                                QStringLiteral("col"),   QStringLiteral("caption"), QStringLiteral("colgroup")};

const QSet<QString> kTableSections{QStringLiteral("tr"), QStringLiteral("thead"), QStringLiteral("tbody"),
                                   QStringLiteral("tfoot"), QStringLiteral("caption")};
// Where Qt's reader puts a cell, a row, a section.
const QStringList kCellHolders{QStringLiteral("tr")};
const QStringList kRowHolders{QStringLiteral("table"), QStringLiteral("thead"), QStringLiteral("tbody"),
                              QStringLiteral("tfoot")};
const QStringList kSectionHolders{QStringLiteral("table")};

bool isPlainName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') && c != QLatin1Char('_')
            && c != QLatin1Char(':') && c != QLatin1Char('.'))
            return false;
    }
    return true;
}

// Reads the text token by token as Qt's HTML reader does (every "<" opens a tag, a close
// tag without a matching open element counts for nothing, comments end at "-->") and
// writes each tag again in one unambiguous form, keeping count of the elements open. The
// reader then sees only what was counted here, so the limits hold for it too.
class Rewriting
{
public:
    explicit Rewriting(const QString& text) : m_in(text) { m_out.reserve(text.size() + text.size() / 8); }

    QString run()
    {
        while (!atEnd()) {
            const qsizetype next = m_in.indexOf(QLatin1Char('<'), m_pos);
            const qsizetype end = next < 0 ? m_in.size() : next;
            text(QStringView(m_in).mid(m_pos, end - m_pos));
            m_pos = end;
            if (!atEnd()) {
                ++m_pos;
                tag();
            }
        }
        return m_out;
    }

    bool flattened() const { return m_flattened; }

private:
    // Blanks between the rows and cells of a table stay out of it.
    void text(QStringView run)
    {
        if (inTableOutsideCells()) {
            if (run.trimmed().isEmpty())
                return;
            enterCellInTable();
        }
        m_out += run;
    }

    bool atEnd() const { return m_pos >= m_in.size(); }
    bool startsWith(QLatin1StringView text) const
    {
        return QStringView(m_in).mid(m_pos).startsWith(text, Qt::CaseInsensitive);
    }
    void eatSpace()
    {
        while (!atEnd() && m_in.at(m_pos).isSpace())
            ++m_pos;
    }

    // A tag name, attribute name or value: quoted, or up to a blank, "<", ">", "=" or "/>".
    // The reader decodes character references in it, except between single quotes; such a
    // value comes back with its "&" escaped, so that it reads the same written in double ones.
    QString word()
    {
        if (!atEnd() && (m_in.at(m_pos) == QLatin1Char('"') || m_in.at(m_pos) == QLatin1Char('\''))) {
            const QChar quote = m_in.at(m_pos++);
            const qsizetype close = m_in.indexOf(quote, m_pos);
            const qsizetype end = close < 0 ? m_in.size() : close;
            QString quoted = m_in.mid(m_pos, end - m_pos);
            m_pos = close < 0 ? end : end + 1;
            if (quote == QLatin1Char('\''))
                quoted.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
            return quoted;
        }
        const qsizetype start = m_pos;
        while (!atEnd()) {
            const QChar c = m_in.at(m_pos);
            if (c == QLatin1Char('>') || c == QLatin1Char('<') || c == QLatin1Char('=') || c.isSpace()
                || (c == QLatin1Char('/') && m_pos + 1 < m_in.size() && m_in.at(m_pos + 1) == QLatin1Char('>')))
                break;
            ++m_pos;
        }
        return m_in.mid(start, m_pos - start);
    }

    // Up to and past the next ">"; whether a "/" came before it.
    bool skipToTagEnd()
    {
        bool closed = false;
        while (!atEnd() && m_in.at(m_pos) != QLatin1Char('>')) {
            if (m_in.at(m_pos) == QLatin1Char('/'))
                closed = true;
            ++m_pos;
        }
        ++m_pos;
        return closed;
    }

    void tag()
    {
        eatSpace();
        if (atEnd())
            return;
        if (m_in.at(m_pos) == QLatin1Char('!')) {
            skipDeclaration();
            return;
        }
        if (m_in.at(m_pos) == QLatin1Char('/')) {
            ++m_pos;
            closeTag(word().toLower().trimmed());
            skipToTagEnd();
            return;
        }
        openTag();
    }

    void skipDeclaration()
    {
        if (startsWith(QLatin1StringView("!--"))) {
            const qsizetype end = m_in.indexOf(QLatin1StringView("-->"), m_pos + 3);
            m_pos = end < 0 ? m_in.size() : end + 3;
            return;
        }
        skipToTagEnd();
    }

    QString attributes()
    {
        QString written;
        while (!atEnd()) {
            eatSpace();
            if (atEnd() || m_in.at(m_pos) == QLatin1Char('>') || m_in.at(m_pos) == QLatin1Char('/'))
                break;
            const QString key = word().toLower();
            if (key.isEmpty())
                break;
            QString value = QStringLiteral("1");
            eatSpace();
            if (!atEnd() && m_in.at(m_pos) == QLatin1Char('=')) {
                ++m_pos;
                eatSpace();
                value = word();
            }
            if (value.isEmpty() || !isPlainName(key))
                continue;
            written += QLatin1Char(' ') + key + QStringLiteral("=\"")
                + QString(value).replace(QLatin1Char('"'), QStringLiteral("&quot;")) + QLatin1Char('"');
        }
        return written;
    }

    void openTag()
    {
        const QString name = word().toLower();
        QString attributes;
        if (!atEnd() && m_in.at(m_pos).isSpace())
            attributes = this->attributes();
        const bool closed = skipToTagEnd();
        if (!isPlainName(name))
            return;
        if (name == QLatin1String("script")) {
            if (!closed)
                skipPast(QLatin1StringView("</script"));
            return;
        }
        if (m_flatTables > 0 && kTableParts.contains(name)) {
            flattenTablePart(name);
            return;
        }
        if (kTableParts.contains(name)) {
            if (!placeTablePart(name))
                return;
        } else if (name == QLatin1String("table") && !closed
                   && (m_flatTables > 0 || m_tables >= kMaxTableNesting || m_open.size() >= kMaxElementNesting)) {
            ++m_flatTables;
            m_flattened = true;
            return;
        } else {
            enterCellInTable();
        }
        if (name == QLatin1String("style")) {
            // A style sheet is read as text up to its end; a "<" in it would start a tag.
            if (!closed)
                m_out += QStringLiteral("<style>") + skipPast(QLatin1StringView("</style")).remove(QLatin1Char('<'))
                    + QStringLiteral("</style>");
            return;
        }
        if (closed || kEmptyElements.contains(name)) {
            m_out += QLatin1Char('<') + name + attributes + QStringLiteral("/>");
            return;
        }
        if (m_open.size() >= kMaxElementNesting) {
            m_flattened = true;
            return;
        }
        open(name, attributes);
    }

    // Qt's reader puts a cell into the nearest open row and a row or section into the nearest
    // open table, closing what lies between, and makes a table of its own for one outside any.
    // Both are written out here, so that every table the reader builds is counted. False when
    // that table is one too many and the part is flattened instead.
    bool placeTablePart(const QString& name)
    {
        const bool cell = name == QLatin1String("td") || name == QLatin1String("th");
        if (!cell && !kTableSections.contains(name))
            return true;
        const QStringList& holders =
            cell ? kCellHolders : (name == QLatin1String("tr") ? kRowHolders : kSectionHolders);
        for (qsizetype at = m_open.size() - 1; at >= 0; --at) {
            if (holders.contains(m_open.at(at))) {
                closeDownTo(at + 1);
                return true;
            }
        }
        if (cell && inTableOutsideCells()) {
            open(QStringLiteral("tr"), QString());
            return true;
        }
        enterCellInTable();
        if (m_tables >= kMaxTableNesting || m_open.size() + 2 >= kMaxElementNesting) {
            ++m_flatTables;
            m_flattened = true;
            flattenTablePart(name);
            return false;
        }
        open(QStringLiteral("table"), QString());
        if (cell)
            open(QStringLiteral("tr"), QString());
        return true;
    }

    void open(const QString& name, const QString& attributes)
    {
        m_open.append(name);
        if (name == QLatin1String("table"))
            ++m_tables;
        m_out += QLatin1Char('<') + name + attributes + QLatin1Char('>');
    }

    // Closes the open elements from the given depth on, innermost first.
    void closeDownTo(qsizetype depth)
    {
        while (m_open.size() > depth) {
            const QString name = m_open.takeLast();
            if (name == QLatin1String("table"))
                --m_tables;
            m_out += QStringLiteral("</") + name + QLatin1Char('>');
        }
    }

    // In a table that is flattened, cells are set apart by a blank and rows by a line break.
    void flattenTablePart(const QString& name)
    {
        if (name == QLatin1String("td") || name == QLatin1String("th")) {
            m_out += QLatin1Char(' ');
        } else if (name == QLatin1String("tr") || name == QLatin1String("caption")) {
            enterCellInTable();
            m_out += QStringLiteral("<br/>");
        }
    }

    bool inTableOutsideCells() const
    {
        return !m_open.isEmpty() && (kRowHolders.contains(m_open.last()) || m_open.last() == QLatin1String("tr"));
    }

    // Text or an element right inside a table, outside any cell, goes into a cell of its own:
    // Qt's reader would nest the tables after it in ways that nothing here counts. (This may
    // take the nesting two elements past the limit.)
    void enterCellInTable()
    {
        if (!inTableOutsideCells())
            return;
        if (m_open.last() != QLatin1String("tr"))
            open(QStringLiteral("tr"), QString());
        open(QStringLiteral("td"), QString());
    }

    void closeTag(const QString& name)
    {
        if (m_flatTables > 0 && (name == QLatin1String("table") || kTableParts.contains(name))) {
            if (name == QLatin1String("table"))
                --m_flatTables;
            return;
        }
        const qsizetype at = m_open.lastIndexOf(name);
        if (at >= 0)
            closeDownTo(at);
    }

    // The text up to the given close tag, which is skipped with it.
    QString skipPast(QLatin1StringView close)
    {
        const qsizetype end = m_in.indexOf(close, m_pos, Qt::CaseInsensitive);
        const QString inside = m_in.mid(m_pos, (end < 0 ? m_in.size() : end) - m_pos);
        m_pos = end < 0 ? m_in.size() : end + close.size();
        if (end >= 0)
            skipToTagEnd();
        return inside;
    }

    const QString& m_in;
    qsizetype m_pos = 0;
    QString m_out;
    QStringList m_open;     // the elements open, outermost first
    int m_tables = 0;       // tables among them
    int m_flatTables = 0;   // tables being flattened, still open
    bool m_flattened = false;
};

}

HtmlRewriter::Result HtmlRewriter::rewrite(const QString& text)
{
    Rewriting rewriting(text);
    Result result;
    result.html = rewriting.run();
    result.flattened = rewriting.flattened();
    return result;
}

}
