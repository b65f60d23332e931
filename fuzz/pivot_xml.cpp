// The pivot table's XMLData: any text is read or refused without harm; every state the
// writer is given reads back the same; what it writes never holds the report file's
// separators outside the connection string.

#include "FuzzSupport.h"

#include "pivot/PivotXml.h"

namespace {

QString outsideConnection(const QString& xml)
{
    const qsizetype from = xml.indexOf(QLatin1String("<connection>"));
    // The string itself may hold "</connection>"; the element ends where its CDATA does.
    qsizetype to = xml.indexOf(QLatin1String("]]></connection>"));
    if (to < 0)
        to = xml.indexOf(QLatin1String("</connection>"));
    return from < 0 || to < from ? xml : xml.left(from) + xml.mid(to);
}

void checkRoundTrip(const pivot::PivotState& state)
{
    const QString xml = pivot::writePivotXml(state);
    const QString rest = outsideConnection(xml);
    FUZZ_CHECK(!rest.contains(QLatin1Char('*')) && !rest.contains(QLatin1Char('X')), xml);
    const auto read = pivot::readPivotXml(xml);
    FUZZ_CHECK(read.has_value(), xml);
    pivot::PivotState expected = state;
    expected.connectionString = pivot::withoutPassword(state.connectionString);
    FUZZ_CHECK(*read == expected, xml);
}

olap::MemberPath memberPath(fuzz::Input& input)
{
    olap::MemberPath path;
    for (int n = input.byte() % 4; n > 0; --n)
        path.keys << input.text();
    return path;
}

olap::Axis axis(fuzz::Input& input)
{
    olap::Axis a;
    const uint8_t flags = input.byte();
    a.showEmpty = flags & 1;
    a.subtotals = flags & 2;
    a.grandTotal = flags & 4;
    a.sortByLabel = olap::SortOrder((flags >> 3) % 3);
    a.sortByValue = olap::SortOrder((flags >> 5) % 3);
    if (flags & 0x80)
        a.sortByMeasure = input.byte();
    for (int n = input.byte() % 3; n > 0; --n) {
        olap::AxisField field;
        field.hierarchy = input.text();
        field.level = input.byte();
        for (int m = input.byte() % 3; m > 0; --m)
            field.expanded << memberPath(input);
        for (int m = input.byte() % 2; m > 0; --m)
            field.collapsed << memberPath(input);
        a.fields << field;
    }
    return a;
}

// A state built from the input, for the writer.
pivot::PivotState stateOf(fuzz::Input& input)
{
    pivot::PivotState state;
    state.connectionString = input.text();
    state.dataMember = input.text();
    state.title = input.text();
    const uint8_t panels = input.byte();
    state.displayFieldList = panels & 1;
    state.displayPropertyToolbox = panels & 2;
    state.layout.rows = axis(input);
    state.layout.columns = axis(input);
    for (int n = input.byte() % 3; n > 0; --n)
        state.layout.filterFields << pivot::FilterField{input.text(), input.byte()};
    for (int n = input.byte() % 3; n > 0; --n) {
        olap::Filter filter;
        filter.hierarchy = input.text();
        for (int m = input.byte() % 3; m > 0; --m)
            filter.include << memberPath(input);
        state.layout.filters << filter;
    }
    for (int n = input.byte() % 3; n > 0; --n)
        state.layout.dataFields << pivot::DataField{input.text(), input.text(), input.text()};
    return state;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    if (input.byte() % 2 == 0) {
        // Text from a report file: what is read must write and read back the same.
        if (const auto state = pivot::readPivotXml(QString::fromUtf8(input.rest())))
            checkRoundTrip(*state);
        return 0;
    }
    pivot::PivotState state = stateOf(input);
    // Names the pivot table refuses never reach the writer: an axis field needs a hierarchy, ...
    const auto usable = [](const QString& name) { return !name.isEmpty(); };
    bool fine = true;
    for (const olap::Axis* a : {&state.layout.rows, &state.layout.columns})
        for (const olap::AxisField& f : a->fields)
            fine = fine && usable(f.hierarchy);
    for (const auto& f : state.layout.filterFields)
        fine = fine && usable(f.hierarchy);
    for (const auto& f : state.layout.filters)
        fine = fine && usable(f.hierarchy);
    for (const auto& f : state.layout.dataFields)
        fine = fine && usable(f.measure);
    if (fine)
        checkRoundTrip(state);
    return 0;
}
