#include "app/reports/ReportRecord.h"

#include "platform/CodePages.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringList>
#include <QtEndian>
#include <cmath>
#include <limits>
#include <optional>

namespace reports {

namespace reportrecord {

namespace {

const QString kFieldSeparator = QStringLiteral("***");
const QString kDescriptionSeparator = QStringLiteral("XYZ");
const QString kLocationPlaceholder = QStringLiteral("XXX");
const QString kProviderPart = QStringLiteral("PROVIDER=MSOLAP");
// Three empty description fields and their separators.
constexpr qsizetype kEmptyDescriptionBlock = 9;

// A stored number as the reader has always taken it: surrounding blanks allowed, a
// decimal rounded half to even; anything else, or a value out of range, is no number.
template<typename Int>
std::optional<Int> toNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < double(std::numeric_limits<Int>::min()) || rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(rounded);
}

// The stored pivot XML names the provider it was saved with; a report opens with the
// provider this machine has. XML without a provider part is left as it is.
QString renewProvider(const QString& pivotXml, const QString& provider)
{
    if (provider.isEmpty())
        return pivotXml;
    const qsizetype start = pivotXml.indexOf(kProviderPart, 0, Qt::CaseInsensitive);
    if (start < 0)
        return pivotXml;
    const qsizetype end = pivotXml.indexOf(QLatin1Char(';'), start + kProviderPart.size());
    if (end < 0)
        return pivotXml;
    QString renewed = pivotXml;
    renewed.replace(start, end - start, provider);
    return renewed;
}

QString withLocation(QString xml, const QString& location)
{
    return xml.replace(kLocationPlaceholder, location);
}

QString withPlaceholder(const QString& xml, const QString& location)
{
    if (location.isEmpty())
        return xml;
    QString replaced = xml;
    replaced.replace(location, kLocationPlaceholder);
    return withLocation(replaced, location) == xml ? replaced : xml;
}

// Only the components' XML takes the location placeholder: the numbers stay as they are,
// whatever the server is called.
QString head(const cOLAPReport& r, const Context& context)
{
    const QString pivot = withPlaceholder(r.PivotXML, context.location);
    if (context.layout == Layout::Components10And11)
        return withPlaceholder(r.GraphXML, context.location) + kFieldSeparator + pivot + kFieldSeparator
            + QString::number(r.ViewType) + kFieldSeparator;
    return pivot + kFieldSeparator + QString::number(r.ViewType) + kFieldSeparator + QString::number(r.GraphType)
        + kFieldSeparator + QString::number(r.GraphListIndex);
}

bool looksLikeUtf16LE(const QByteArray& bytes)
{
    if (bytes.size() < 2)
        return false;
    // ASCII markup in UTF-16LE has a zero in every high byte; 8-bit text has none.
    const qsizetype probe = std::min<qsizetype>(bytes.size(), 256);
    for (qsizetype i = 1; i < probe; i += 2) {
        if (bytes[i] == '\0')
            return true;
    }
    return false;
}

QString fromUtf16LE(const char* data, qsizetype size)
{
    QString text(size / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(data + 2 * i));
    return text;
}

}

QString compose(const cOLAPReport& report, const Context& context)
{
    return head(report, context) + kFieldSeparator + report.ReportDescription + kDescriptionSeparator
        + report.ReportType + kDescriptionSeparator + report.ReportCategory + kDescriptionSeparator;
}

QByteArray encode(const cOLAPReport& report, const Context& context)
{
    const QString text = compose(report, context);
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text[i].unicode(), bytes.data() + 2 * i);
    return bytes;
}

QString decodeText(const QByteArray& bytes, int ansiCodePage)
{
    if (bytes.startsWith("\xFF\xFE"))
        return fromUtf16LE(bytes.constData() + 2, bytes.size() - 2);
    if (looksLikeUtf16LE(bytes))
        return fromUtf16LE(bytes.constData(), bytes.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return platform::codepages::toUnicode(ansiCodePage, bytes)
        .value_or(platform::codepages::toUnicode(1252, bytes).value_or(QString()));
}

platform::Result<void> decode(const QByteArray& bytes, const Context& context, cOLAPReport& report)
{
    const QStringList fields = decodeText(bytes, context.ansiCodePage).split(kFieldSeparator);
    cOLAPReport read = report;

    if (context.layout == Layout::Version9) {
        if (fields.size() < 4)
            return platform::Failure{
                QCoreApplication::translate("reports", "The report has %1 of its 4 fields.").arg(fields.size())};
        const auto viewType = toNumber<qint32>(fields[1]);
        const auto graphType = toNumber<qint16>(fields[2]);
        const auto listIndex = toNumber<qint16>(fields[3]);
        if (!viewType || !graphType || !listIndex)
            return platform::Failure{
                QCoreApplication::translate("reports", "The report's view mode or chart type is not a number.")};
        read.PivotXML = fields[0];
        read.ViewType = *viewType;
        read.GraphType = *graphType;
        read.GraphListIndex = *listIndex;
    } else {
        if (fields.size() < 3)
            return platform::Failure{
                QCoreApplication::translate("reports", "The report has %1 of its 3 fields.").arg(fields.size())};
        const auto viewType = toNumber<qint32>(fields[2]);
        if (!viewType)
            return platform::Failure{QCoreApplication::translate("reports", "The report's view mode is not a number.")};
        read.GraphXML = fields[0];
        read.PivotXML = renewProvider(fields[1], context.provider);
        read.ViewType = *viewType;
    }
    read.PivotXML = withLocation(read.PivotXML, context.location);
    read.GraphXML = withLocation(read.GraphXML, context.location);

    const QString description = fields.size() > 4 ? fields[4] : QString();
    if (description.size() > kEmptyDescriptionBlock) {
        const QStringList parts = description.split(kDescriptionSeparator);
        if (parts.size() == 4) {
            read.ReportDescription = parts[0];
            read.ReportType = parts[1];
            read.ReportCategory = parts[2];
        }
    }
    report = read;
    return {};
}

QString unreadableReason(const cOLAPReport& report, const Context& context)
{
    const auto holdsSeparators = [](const QString& part) {
        return QCoreApplication::translate(
                   "reports", "%1 holds \"***\", \"XYZ\" or \"XXX\", which the report file keeps for itself.")
            .arg(part);
    };
    const QString pivotPart = QCoreApplication::translate(
        "reports", "The pivot table (the name of its cube, server or database, a member or a title)");
    const QString chartPart = QCoreApplication::translate("reports", "The chart");
    const QString descriptionPart = QCoreApplication::translate("reports", "The description, type or category");
    const bool xp = context.layout == Layout::Components10And11;
    if (report.PivotXML.contains(kFieldSeparator))
        return holdsSeparators(pivotPart);
    if (xp && report.GraphXML.contains(kFieldSeparator))
        return holdsSeparators(chartPart);
    for (const QString& part : {report.ReportDescription, report.ReportType, report.ReportCategory}) {
        if (part.contains(kFieldSeparator) || part.contains(kDescriptionSeparator))
            return holdsSeparators(descriptionPart);
    }
    cOLAPReport back;
    const platform::Result<void> decoded = decode(encode(report, context), context, back);
    if (!decoded)
        return decoded.failure().message;
    if (back.PivotXML != (xp ? renewProvider(report.PivotXML, context.provider) : report.PivotXML))
        return holdsSeparators(pivotPart);
    if (xp && back.GraphXML != report.GraphXML)
        return holdsSeparators(chartPart);
    if (back.ReportDescription != report.ReportDescription || back.ReportType != report.ReportType
        || back.ReportCategory != report.ReportCategory)
        return holdsSeparators(descriptionPart);
    if (back.ViewType != report.ViewType
        || (!xp && (back.GraphType != report.GraphType || back.GraphListIndex != report.GraphListIndex)))
        return QCoreApplication::translate("reports", "The view mode or chart type cannot be stored.");
    return {};
}

QString reportNameFromFileName(const QString& fileName)
{
    static const QString suffix = QStringLiteral(".txt");
    return fileName.endsWith(suffix) ? fileName.chopped(suffix.size()) : fileName;
}

QString unsafeReportNameReason(const QString& name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("reports", "A report needs a name.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("reports", "\"%1\" cannot be the name of a report.").arg(name);
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return QCoreApplication::translate("reports", "A report name cannot contain \"/\" or \"\\\".");
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QCoreApplication::translate("reports", "A report name cannot contain control characters.");
    }
    if ((name + QStringLiteral(".txt")).toUtf8().size() > 255)
        return QCoreApplication::translate("reports", "The report name is too long.");
    return {};
}

}

}
