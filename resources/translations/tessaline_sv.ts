<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Diagramfält</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serier</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorier</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Värden</translation>
    </message>
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
    <message>
        <source>Legend</source>
        <translation>Förklaring</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Rubrik</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Staplad stapel</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Staplad stapel (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Liggande stapel</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Staplad liggande stapel</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Staplad liggande stapel (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linje</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Linje med markörer</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Staplad linje</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Staplad linje med markörer</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Staplad linje (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Staplad linje med markörer (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Utjämnad linje</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Utjämnad linje med markörer</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Staplad utjämnad linje</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Staplad utjämnad linje med markörer</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Staplad utjämnad linje (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Staplad utjämnad linje med markörer (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Exploderad cirkel</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Staplad cirkel</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Exploderad ring</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Yta</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Staplad yta</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Staplad yta (100 %)</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Polär</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Polär med markörer</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Fylld polär</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Utjämnad polär</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Utjämnad polär med markörer</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>XY-punkt</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bubbla</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>%1 totalt</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Totalsumma</translation>
    </message>
</context>
<context>
    <name>pivot::DetailsView</name>
    <message>
        <source>Details: %1</source>
        <translation>Detaljer: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>De första %1 raderna visas.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 rader.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Dra för att flytta, dra bort från pivottabellen för att ta bort; högerklicka för mer</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrera...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Flytta till radområdet</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Flytta till kolumnområdet</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Flytta till filterområdet</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Flytta åt vänster</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Flytta åt höger</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Ta bort fält</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Fält</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Sök fält</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Mått</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Lägg till i dataområdet</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Lägg till i radområdet</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Lägg till i kolumnområdet</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Lägg till i filterområdet</translation>
    </message>
</context>
<context>
    <name>pivot::MemberChecklist</name>
    <message>
        <source>Filter: %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Avmarkera alla</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Visa detaljer</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Dölj</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Expandera</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Expandera hela nivån</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Dölj hela nivån</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrera...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Sortera från A till Ö</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Sortera från Ö till A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Ursprunglig ordning</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Visa delsummor</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Visa totalsumma</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Sortera rader efter ”%1”, största först</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Sortera rader efter ”%1”, minsta först</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Sortera kolumner efter ”%1”, största först</translation>
    </message>
</context>
<context>
    <name>pivot::PivotTable</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Dra fält hit för att filtrera</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumner</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Dra fält hit för kolumner</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rader</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Dra fält hit för rader</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Dra mått hit</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objektet stöder inte den här egenskapen eller metoden: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Pivottabellen har ingen anslutningssträng</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Kuben %1 kan inte öppnas</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Pivottabellen kan inte använda dessa XML-data</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>XML-data passar inte kuben %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ogiltigt egenskapsvärde</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Pivottabellen kan inte exportera en bild som %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Ogiltig bildstorlek</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Kuben returnerade ett ofullständigt resultat</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Egenskaper</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Datafält:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Etikett:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Talformat:</translation>
    </message>
</context>
</TS>
