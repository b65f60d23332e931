#include "chart/ChartXml.h"

#include "chart/ChartTypes.h"
#include "platform/VbError.h"
#include "platform/XmlText.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace chart {
namespace {

// Raise the format number when the meaning of an element or attribute changes; older
// readers then refuse the text instead of misreading it. Format 2 writes captions and number
// formats through platform::encodeXmlText(), so that characters XML cannot carry survive;
// format 1 left them out and its texts are read as they stand.
const QString kFormat = QStringLiteral("2");
const QString kFormatOfPlainTexts = QStringLiteral("1");

QString bool01(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

QString positionName(int position)
{
    switch (position) {
    case chAxisPositionTop:
        return QStringLiteral("top");
    case chAxisPositionBottom:
        return QStringLiteral("bottom");
    case chAxisPositionLeft:
        return QStringLiteral("left");
    default:
        return QStringLiteral("right");
    }
}

QString memberName(const std::optional<int>& member)
{
    if (!member)
        return {};
    return *member == chPivotColumns ? QStringLiteral("columns") : QStringLiteral("rows");
}

QString indexText(const std::optional<int>& index)
{
    return index ? QString::number(*index) : QString();
}

// Element and attribute names hold neither "*" nor "X", so after this every "*" and "X"
// left in the text stands in a value, where a character reference means the same.
QString escapeSeparators(const QString& xml)
{
    QString out;
    out.reserve(xml.size());
    for (QChar ch : xml) {
        if (ch == QLatin1Char('*'))
            out += QStringLiteral("&#42;");
        else if (ch == QLatin1Char('X'))
            out += QStringLiteral("&#88;");
        else
            out += ch;
    }
    return out;
}

[[noreturn]] void refuse(const QString& why)
{
    platform::raiseError(platform::err::NoInterface, QStringLiteral("The chart state cannot be used: %1").arg(why),
                         QStringLiteral("ChartSpace.XMLData"));
}

void writeText(QXmlStreamWriter& w, const QString& attribute, const QString& text)
{
    w.writeAttribute(attribute, platform::encodeXmlText(text));
}

void writeTitle(QXmlStreamWriter& w, bool visible, const QString& caption)
{
    w.writeStartElement(QStringLiteral("title"));
    w.writeAttribute(QStringLiteral("visible"), bool01(visible));
    writeText(w, QStringLiteral("caption"), caption);
    w.writeEndElement();
}

class StateReader
{
public:
    explicit StateReader(const QString& xml) : m_xml(xml) {}

    ChartSpaceState read()
    {
        if (!m_xml.readNextStartElement() || m_xml.name() != QLatin1String("chartspace"))
            refuse(QStringLiteral("no chart space"));
        const auto format = m_xml.attributes().value(QLatin1String("format"));
        if (format != kFormat && format != kFormatOfPlainTexts)
            refuse(QStringLiteral("unknown format"));
        m_encodedTexts = format == kFormat;
        ChartSpaceState state;
        while (m_xml.readNextStartElement()) {
            const auto name = m_xml.name();
            if (name == QLatin1String("title")) {
                state.settings.hasChartSpaceTitle = flag(QStringLiteral("visible"));
                state.settings.chartSpaceTitle = userText(QStringLiteral("caption"));
                m_xml.skipCurrentElement();
            } else if (name == QLatin1String("panels")) {
                state.settings.displayFieldList = flag(QStringLiteral("fieldlist"));
                state.settings.displayPropertyToolbox = flag(QStringLiteral("toolbox"));
                m_xml.skipCurrentElement();
            } else if (name == QLatin1String("chart")) {
                state.charts.append(readChart());
            } else {
                refuse(QStringLiteral("unknown element"));
            }
        }
        m_xml.readNext();
        while (!m_xml.atEnd() && !m_xml.hasError())
            m_xml.readNext();
        if (m_xml.hasError())
            refuse(m_xml.errorString());
        return state;
    }

private:
    ChartState readChart()
    {
        ChartState chart;
        chart.type = integer(QStringLiteral("type"));
        if (!chartTypeTraits(chart.type))
            refuse(QStringLiteral("unknown chart type"));
        chart.hasLegend = flag(QStringLiteral("legend"));
        while (m_xml.readNextStartElement()) {
            const auto name = m_xml.name();
            if (name == QLatin1String("title")) {
                chart.hasTitle = flag(QStringLiteral("visible"));
                chart.title = userText(QStringLiteral("caption"));
                m_xml.skipCurrentElement();
            } else if (name == QLatin1String("data")) {
                chart.binding = readBinding();
                m_xml.skipCurrentElement();
            } else if (name == QLatin1String("axis")) {
                chart.axes.append(readAxis());
            } else {
                refuse(QStringLiteral("unknown element"));
            }
        }
        return chart;
    }

    DataBinding readBinding()
    {
        DataBinding b;
        b.seriesNames = member(QStringLiteral("series"));
        b.categories = member(QStringLiteral("categories"));
        const QString values = text(QStringLiteral("values"));
        if (values == QLatin1String("all"))
            b.allTotals = true;
        else
            b.values = index(values);
        b.yValues = index(text(QStringLiteral("y")));
        b.xValues = index(text(QStringLiteral("x")));
        b.bubbleValues = index(text(QStringLiteral("bubble")));
        return b;
    }

    AxisState readAxis()
    {
        AxisState axis;
        const QString position = text(QStringLiteral("position"));
        const std::pair<const char*, int> positions[] = {{"top", chAxisPositionTop},
                                                         {"bottom", chAxisPositionBottom},
                                                         {"left", chAxisPositionLeft},
                                                         {"right", chAxisPositionRight}};
        bool known = false;
        for (const auto& [name, value] : positions) {
            if (position == QLatin1String(name)) {
                axis.position = value;
                known = true;
            }
        }
        if (!known)
            refuse(QStringLiteral("unknown axis position"));
        axis.numberFormat = userText(QStringLiteral("format"));
        const QString orientation = text(QStringLiteral("orientation"));
        if (orientation == QLatin1String("maxmin"))
            axis.orientation = chScaleOrientationMaxMin;
        else if (orientation != QLatin1String("minmax"))
            refuse(QStringLiteral("unknown orientation"));
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("title"))
                refuse(QStringLiteral("unknown element"));
            axis.hasTitle = flag(QStringLiteral("visible"));
            axis.title = userText(QStringLiteral("caption"));
            m_xml.skipCurrentElement();
        }
        return axis;
    }

    QString text(const QString& attribute) { return m_xml.attributes().value(attribute).toString(); }

    // A caption or number format, as the user typed it.
    QString userText(const QString& attribute)
    {
        if (!m_encodedTexts)
            return text(attribute);
        const auto plain = platform::decodeXmlText(m_xml.attributes().value(attribute));
        if (!plain)
            refuse(QStringLiteral("bad text %1").arg(attribute));
        return *plain;
    }

    bool flag(const QString& attribute)
    {
        const QString value = text(attribute);
        if (value != QLatin1String("0") && value != QLatin1String("1"))
            refuse(QStringLiteral("bad flag %1").arg(attribute));
        return value == QLatin1String("1");
    }

    int integer(const QString& attribute)
    {
        bool ok = false;
        const int value = text(attribute).toInt(&ok);
        if (!ok)
            refuse(QStringLiteral("bad number %1").arg(attribute));
        return value;
    }

    std::optional<int> index(const QString& value)
    {
        if (value.isEmpty())
            return std::nullopt;
        bool ok = false;
        const int result = value.toInt(&ok);
        if (!ok || result < 0)
            refuse(QStringLiteral("bad data field"));
        return result;
    }

    std::optional<int> member(const QString& attribute)
    {
        const QString value = text(attribute);
        if (value.isEmpty())
            return std::nullopt;
        if (value == QLatin1String("columns"))
            return chPivotColumns;
        if (value == QLatin1String("rows"))
            return chPivotRows;
        refuse(QStringLiteral("bad member"));
    }

    QXmlStreamReader m_xml;
    bool m_encodedTexts = false;
};

}

ChartSpaceState captureState(const ChartSpaceSettings& settings, const ChartCollection& charts)
{
    ChartSpaceState state;
    state.settings = settings;
    for (int i = 0; i < charts.Count(); ++i) {
        const ChChart& chart = charts.Item(i);
        ChartState c;
        c.type = chart.Type();
        c.hasLegend = chart.HasLegend();
        c.hasTitle = chart.HasTitle();
        c.title = chart.Title().Caption();
        c.binding = chart.binding();
        for (const ChartAxis& axis : chart.axes()) {
            c.axes.append({axis.position(), axis.NumberFormat(), axis.HasTitle(), axis.Title().Caption(),
                           axis.Scaling().Orientation()});
        }
        state.charts.append(c);
    }
    return state;
}

void applyCharts(const ChartSpaceState& state, ChartCollection& charts)
{
    charts.clear();
    for (const ChartState& c : state.charts) {
        ChChart& chart = charts.Add();
        chart.setType(c.type);
        chart.setHasLegend(c.hasLegend);
        chart.setHasTitle(c.hasTitle);
        chart.Title().setCaption(c.title);
        chart.setBinding(c.binding);
        for (const AxisState& a : c.axes) {
            ChartAxis& axis = chart.Axes(a.position);
            axis.setNumberFormat(a.numberFormat);
            axis.setHasTitle(a.hasTitle);
            axis.Title().setCaption(a.title);
            axis.Scaling().setOrientation(a.orientation);
        }
    }
}

QString writeChartXml(const ChartSpaceState& state)
{
    QString xml;
    QXmlStreamWriter w(&xml);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("chartspace"));
    w.writeAttribute(QStringLiteral("format"), kFormat);
    writeTitle(w, state.settings.hasChartSpaceTitle, state.settings.chartSpaceTitle);
    w.writeStartElement(QStringLiteral("panels"));
    w.writeAttribute(QStringLiteral("fieldlist"), bool01(state.settings.displayFieldList));
    w.writeAttribute(QStringLiteral("toolbox"), bool01(state.settings.displayPropertyToolbox));
    w.writeEndElement();
    for (const ChartState& chart : state.charts) {
        w.writeStartElement(QStringLiteral("chart"));
        w.writeAttribute(QStringLiteral("type"), QString::number(chart.type));
        w.writeAttribute(QStringLiteral("legend"), bool01(chart.hasLegend));
        writeTitle(w, chart.hasTitle, chart.title);
        const DataBinding& b = chart.binding;
        w.writeStartElement(QStringLiteral("data"));
        w.writeAttribute(QStringLiteral("series"), memberName(b.seriesNames));
        w.writeAttribute(QStringLiteral("categories"), memberName(b.categories));
        w.writeAttribute(QStringLiteral("values"), b.allTotals ? QStringLiteral("all") : indexText(b.values));
        w.writeAttribute(QStringLiteral("y"), indexText(b.yValues));
        w.writeAttribute(QStringLiteral("x"), indexText(b.xValues));
        w.writeAttribute(QStringLiteral("bubble"), indexText(b.bubbleValues));
        w.writeEndElement();
        for (const AxisState& axis : chart.axes) {
            w.writeStartElement(QStringLiteral("axis"));
            w.writeAttribute(QStringLiteral("position"), positionName(axis.position));
            writeText(w, QStringLiteral("format"), axis.numberFormat);
            w.writeAttribute(QStringLiteral("orientation"),
                             axis.orientation == chScaleOrientationMaxMin ? QStringLiteral("maxmin")
                                                                          : QStringLiteral("minmax"));
            writeTitle(w, axis.hasTitle, axis.title);
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndDocument();
    return escapeSeparators(xml);
}

ChartSpaceState readChartXml(const QString& xml)
{
    return StateReader(xml).read();
}

}
