// The chart space's XMLData: any text is read or refused with the component's error; what
// is read writes the same text again after a second read.

#include "FuzzSupport.h"

#include "chart/ChartXml.h"
#include "platform/VbError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    chart::ChartSpaceState state;
    try {
        state = chart::readChartXml(text);
    } catch (const platform::VbError&) {
        return 0;
    }
    const QString written = chart::writeChartXml(state);
    FUZZ_CHECK(!written.contains(QLatin1Char('*')) && !written.contains(QLatin1Char('X')), written);
    chart::ChartSpaceState again;
    try {
        again = chart::readChartXml(written);
    } catch (const platform::VbError& e) {
        fuzz::fail("the chart reads what it wrote", e.description() + QLatin1Char('\n') + written);
    }
    FUZZ_CHECK(chart::writeChartXml(again) == written, written);
    return 0;
}
