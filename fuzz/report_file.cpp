// Report files as they come from other machines: any bytes are read or refused with a
// reason; a report that was read and is saved again reads back the same, or its save is
// refused with a reason.

#include "FuzzSupport.h"

#include "app/reports/ReportRecord.h"

using namespace reports;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const uint8_t choice = input.byte();
    reportrecord::Context context;
    context.layout = choice & 1 ? reportrecord::Layout::Version9 : reportrecord::Layout::Components10And11;
    context.location = input.text();
    context.provider = choice & 2 ? QStringLiteral("Provider=MSOLAP.4") : QString();
    context.ansiCodePage = (choice & 4) ? 1251 : 1252;
    const QByteArray bytes = input.rest();

    cOLAPReport read;
    const platform::Result<void> decoded = reportrecord::decode(bytes, context, read);
    if (!decoded) {
        FUZZ_CHECK(!decoded.failure().message.isEmpty(), QString::fromLatin1(bytes.toHex()));
        return 0;
    }
    const QString refused = reportrecord::unreadableReason(read, context);
    if (!refused.isEmpty())
        return 0;
    cOLAPReport back;
    FUZZ_CHECK(reportrecord::decode(reportrecord::encode(read, context), context, back), read.PivotXML);
    const bool xp = context.layout == reportrecord::Layout::Components10And11;
    FUZZ_CHECK((!xp || back.GraphXML == read.GraphXML) && back.ViewType == read.ViewType
                   && back.ReportDescription == read.ReportDescription && back.ReportType == read.ReportType
                   && back.ReportCategory == read.ReportCategory
                   && (xp || (back.GraphType == read.GraphType && back.GraphListIndex == read.GraphListIndex)),
               reportrecord::compose(read, context));
    // Read once, the provider part is the context's already.
    FUZZ_CHECK(back.PivotXML == read.PivotXML, reportrecord::compose(read, context));
    return 0;
}
