#include "pivot/PivotXml.h"

#include "platform/ConnectionStringSyntax.h"
#include "platform/XmlText.h"

#include <QXmlStreamReader>

namespace pivot {
namespace {

// Version 2 writes every text through platform::encodeXmlText(), so that characters XML cannot carry
// (most control characters, U+FFFE, U+FFFF, lone surrogates, a carriage return in CDATA) survive; version 1 wrote them
// as they were and is still read as it is.
constexpr int FormatVersion = 2;
constexpr int FirstEncodedVersion = 2;

const char* sortName(olap::SortOrder order)
{
    switch (order) {
    case olap::SortOrder::Ascending:
        return "ascending";
    case olap::SortOrder::Descending:
        return "descending";
    case olap::SortOrder::None:
        break;
    }
    return "none";
}

std::optional<olap::SortOrder> sortFromName(QStringView name)
{
    if (name == u"none")
        return olap::SortOrder::None;
    if (name == u"ascending")
        return olap::SortOrder::Ascending;
    if (name == u"descending")
        return olap::SortOrder::Descending;
    return std::nullopt;
}

// Text and attribute escaping that also hides the report file's separators.
QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '*':
            out += QLatin1String("&#42;");
            break;
        case 'X':
            out += QLatin1String("&#88;");
            break;
        case '\r':
            out += QLatin1String("&#13;");
            break;
        case '\n':
            out += QLatin1String("&#10;");
            break;
        case '\t':
            out += QLatin1String("&#9;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

class XmlOut
{
public:
    void open(const char* name, std::initializer_list<std::pair<const char*, QString>> attributes = {},
              bool empty = false)
    {
        m_text += indent() + u'<' + QLatin1String(name);
        for (const auto& [key, value] : attributes)
            m_text += u' ' + QLatin1String(key) + QLatin1String("=\"") + escaped(platform::encodeXmlText(value)) + u'"';
        m_text += empty ? QLatin1String("/>\n") : QLatin1String(">\n");
        if (!empty)
            m_open << QLatin1String(name);
    }
    void element(const char* name, const QString& text)
    {
        m_text += indent() + u'<' + QLatin1String(name) + u'>' + escaped(platform::encodeXmlText(text))
            + QLatin1String("</") + QLatin1String(name) + QLatin1String(">\n");
    }
    void raw(const QString& text) { m_text += indent() + text + u'\n'; }
    void close()
    {
        const QString name = m_open.takeLast();
        m_text += indent() + QLatin1String("</") + name + QLatin1String(">\n");
    }
    QString text() const { return m_text; }

private:
    QString indent() const { return QString(m_open.size() * 2, u' '); }
    QString m_text = QStringLiteral("<?xml version=\"1.0\"?>\n");
    QStringList m_open;
};

QString number(int value)
{
    return QString::number(value);
}
QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

void writeMembers(XmlOut& out, const char* name, const QVector<olap::MemberPath>& members)
{
    if (members.isEmpty())
        return;
    out.open(name);
    for (const olap::MemberPath& member : members) {
        out.open("member");
        for (const QString& key : member.keys)
            out.element("key", key);
        out.close();
    }
    out.close();
}

void writeAxis(XmlOut& out, const char* name, const olap::Axis& axis)
{
    out.open(name,
             {{"showempty", flag(axis.showEmpty)},
              {"subtotals", flag(axis.subtotals)},
              {"grandtotal", flag(axis.grandTotal)},
              {"sortlabel", QLatin1String(sortName(axis.sortByLabel))},
              {"sortmeasure", axis.sortByMeasure ? number(*axis.sortByMeasure) : QString()},
              {"sortvalue", QLatin1String(sortName(axis.sortByValue))}});
    for (const olap::AxisField& field : axis.fields) {
        out.open("field", {{"hierarchy", field.hierarchy}, {"level", number(field.level)}});
        writeMembers(out, "expanded", field.expanded);
        writeMembers(out, "collapsed", field.collapsed);
        out.close();
    }
    out.close();
}

// A connection string kept verbatim, so that the report file can renew its provider and
// its data folder; only a "]]>" inside it has to be split.
QString cdata(const QString& text)
{
    QString body = text;
    body.replace(QLatin1String("]]>"), QLatin1String("]]]]><![CDATA[>"));
    return QLatin1String("<![CDATA[") + body + QLatin1String("]]>");
}

// Reader -----------------------------------------------------------------------------

class XmlIn
{
public:
    explicit XmlIn(const QString& text) : m_reader(text) {}

    std::optional<PivotState> read()
    {
        if (!m_reader.readNextStartElement() || m_reader.name() != u"pivottable")
            return std::nullopt;
        bool ok = false;
        const int version = m_reader.attributes().value(QLatin1String("version")).toInt(&ok);
        if (!ok || version < 1 || version > FormatVersion)
            return std::nullopt;
        m_encoded = version >= FirstEncodedVersion;
        PivotState state;
        while (m_ok && m_reader.readNextStartElement()) {
            const auto name = m_reader.name();
            if (name == u"connection")
                state.connectionString = elementText();
            else if (name == u"datamember")
                state.dataMember = elementText();
            else if (name == u"title")
                state.title = elementText();
            else if (name == u"panels")
                readPanels(state);
            else if (name == u"rows")
                readAxis(state.layout.rows);
            else if (name == u"columns")
                readAxis(state.layout.columns);
            else if (name == u"filterfields")
                readFilterFields(state.layout.filterFields);
            else if (name == u"filters")
                readFilters(state.layout.filters);
            else if (name == u"data")
                readDataFields(state.layout.dataFields);
            else
                m_reader.skipCurrentElement();
        }
        if (!m_ok || m_reader.hasError())
            return std::nullopt;
        return state;
    }

private:
    bool flagAttr(QLatin1String name, bool fallback)
    {
        const auto value = m_reader.attributes().value(name);
        if (value.isNull())
            return fallback;
        if (value == u"1")
            return true;
        if (value == u"0")
            return false;
        m_ok = false;
        return fallback;
    }
    int intAttr(QLatin1String name)
    {
        bool ok = false;
        const int value = m_reader.attributes().value(name).toInt(&ok);
        if (!ok || value < 0)
            m_ok = false;
        return value;
    }
    QString decoded(QStringView text)
    {
        if (!m_encoded)
            return text.toString();
        const auto plain = platform::decodeXmlText(text);
        if (!plain)
            m_ok = false;
        return plain.value_or(QString());
    }
    QString textAttr(QLatin1String name) { return decoded(m_reader.attributes().value(name)); }
    QString elementText() { return decoded(m_reader.readElementText()); }
    olap::SortOrder sortAttr(QLatin1String name)
    {
        const auto value = m_reader.attributes().value(name);
        if (value.isEmpty())
            return olap::SortOrder::None;
        const auto order = sortFromName(value);
        if (!order)
            m_ok = false;
        return order.value_or(olap::SortOrder::None);
    }

    void readPanels(PivotState& state)
    {
        state.displayFieldList = flagAttr(QLatin1String("fieldlist"), true);
        state.displayPropertyToolbox = flagAttr(QLatin1String("toolbox"), false);
        m_reader.skipCurrentElement();
    }

    QVector<olap::MemberPath> readMembers()
    {
        QVector<olap::MemberPath> members;
        while (m_ok && m_reader.readNextStartElement()) {
            if (m_reader.name() != u"member") {
                m_ok = false;
                break;
            }
            olap::MemberPath path;
            while (m_reader.readNextStartElement()) {
                if (m_reader.name() != u"key") {
                    m_ok = false;
                    m_reader.skipCurrentElement();
                    continue;
                }
                path.keys << elementText();
            }
            members << path;
        }
        return members;
    }

    void readAxis(olap::Axis& axis)
    {
        axis.showEmpty = flagAttr(QLatin1String("showempty"), false);
        axis.subtotals = flagAttr(QLatin1String("subtotals"), true);
        axis.grandTotal = flagAttr(QLatin1String("grandtotal"), true);
        axis.sortByLabel = sortAttr(QLatin1String("sortlabel"));
        axis.sortByValue = sortAttr(QLatin1String("sortvalue"));
        if (!m_reader.attributes().value(QLatin1String("sortmeasure")).isEmpty())
            axis.sortByMeasure = intAttr(QLatin1String("sortmeasure"));
        while (m_ok && m_reader.readNextStartElement()) {
            if (m_reader.name() != u"field") {
                m_ok = false;
                break;
            }
            olap::AxisField field;
            field.hierarchy = textAttr(QLatin1String("hierarchy"));
            field.level = intAttr(QLatin1String("level"));
            if (field.hierarchy.isEmpty())
                m_ok = false;
            while (m_ok && m_reader.readNextStartElement()) {
                if (m_reader.name() == u"expanded")
                    field.expanded = readMembers();
                else if (m_reader.name() == u"collapsed")
                    field.collapsed = readMembers();
                else
                    m_reader.skipCurrentElement();
            }
            axis.fields << field;
        }
    }

    void readFilterFields(QVector<FilterField>& fields)
    {
        while (m_ok && m_reader.readNextStartElement()) {
            if (m_reader.name() != u"field") {
                m_ok = false;
                break;
            }
            FilterField field{textAttr(QLatin1String("hierarchy")), intAttr(QLatin1String("level"))};
            if (field.hierarchy.isEmpty())
                m_ok = false;
            fields << field;
            m_reader.skipCurrentElement();
        }
    }

    void readFilters(QVector<olap::Filter>& filters)
    {
        while (m_ok && m_reader.readNextStartElement()) {
            if (m_reader.name() != u"filter") {
                m_ok = false;
                break;
            }
            olap::Filter filter;
            filter.hierarchy = textAttr(QLatin1String("hierarchy"));
            if (filter.hierarchy.isEmpty())
                m_ok = false;
            filter.include = readMembers();
            filters << filter;
        }
    }

    void readDataFields(QVector<DataField>& fields)
    {
        while (m_ok && m_reader.readNextStartElement()) {
            if (m_reader.name() != u"field") {
                m_ok = false;
                break;
            }
            DataField field{textAttr(QLatin1String("measure")), textAttr(QLatin1String("caption")),
                            textAttr(QLatin1String("format"))};
            if (field.measure.isEmpty())
                m_ok = false;
            fields << field;
            m_reader.skipCurrentElement();
        }
    }

    QXmlStreamReader m_reader;
    bool m_ok = true;
    bool m_encoded = false;
};

}

QString writePivotXml(const PivotState& state)
{
    XmlOut out;
    out.open("pivottable", {{"version", number(FormatVersion)}});
    out.raw(QLatin1String("<connection>") + cdata(platform::encodeXmlText(withoutPassword(state.connectionString)))
            + QLatin1String("</connection>"));
    out.element("datamember", state.dataMember);
    out.element("title", state.title);
    out.open("panels", {{"fieldlist", flag(state.displayFieldList)}, {"toolbox", flag(state.displayPropertyToolbox)}},
             true);
    const PivotLayout& layout = state.layout;
    writeAxis(out, "rows", layout.rows);
    writeAxis(out, "columns", layout.columns);
    out.open("filterfields");
    for (const FilterField& field : layout.filterFields)
        out.open("field", {{"hierarchy", field.hierarchy}, {"level", number(field.level)}}, true);
    out.close();
    out.open("filters");
    for (const olap::Filter& filter : layout.filters) {
        out.open("filter", {{"hierarchy", filter.hierarchy}});
        for (const olap::MemberPath& member : filter.include) {
            out.open("member");
            for (const QString& key : member.keys)
                out.element("key", key);
            out.close();
        }
        out.close();
    }
    out.close();
    out.open("data");
    for (const DataField& field : layout.dataFields)
        out.open("field", {{"measure", field.measure}, {"caption", field.caption}, {"format", field.numberFormat}},
                 true);
    out.close();
    out.close();
    return out.text();
}

std::optional<PivotState> readPivotXml(const QString& xml)
{
    return XmlIn(xml).read();
}

QString withoutPassword(const QString& connectionString)
{
    namespace syntax = platform::connectionstringsyntax;
    QString kept;
    qsizetype copied = 0;
    qsizetype pos = 0;
    while (syntax::skipSeparators(connectionString, pos)) {
        const syntax::Item item = syntax::readItem(connectionString, pos);
        pos = item.end;
        if (item.problem == syntax::Problem::NoValue || !syntax::isPasswordKey(item.key))
            continue;
        // The item goes with the ";" that ends it.
        kept += QStringView(connectionString).mid(copied, item.begin - copied);
        copied = item.end < connectionString.size() ? item.end + 1 : item.end;
        pos = copied;
    }
    kept += QStringView(connectionString).mid(copied);
    return kept;
}

}
