<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Diagramfelt</translation>
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
        <translation>Verdier</translation>
    </message>
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
    <message>
        <source>Legend</source>
        <translation>Forklaring</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tittel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Stolpe</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Stablet stolpe</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Stablet stolpe (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Liggende stolpe</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Stablet liggende stolpe</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Stablet liggende stolpe (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linje</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Linje med indikatorer</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Stablet linje</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Stablet linje med indikatorer</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Stablet linje (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Stablet linje med indikatorer (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Jevn linje</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Jevn linje med indikatorer</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Stablet jevn linje</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Stablet jevn linje med indikatorer</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Stablet jevn linje (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Stablet jevn linje med indikatorer (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Sektor</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Eksplodert sektor</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Stablet sektor</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Smultring</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Eksplodert smultring</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Område</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Stablet område</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Stablet område (100 %)</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Radar med indikatorer</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Fylt radar</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Jevn radar</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Jevn radar med indikatorer</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>XY-punkt</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Boble</translation>
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
        <translation>Totalsum</translation>
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
        <translation>De første %1 radene vises.</translation>
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
        <translation>Dra for å flytte, dra ut av pivottabellen for å fjerne; høyreklikk for mer</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrer...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Flytt til radområdet</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Flytt til kolonneområdet</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Flytt til filterområdet</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Flytt til venstre</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Flytt til høyre</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Fjern felt</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Søk i felt</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Legg til i dataområdet</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Legg til i radområdet</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Legg til i kolonneområdet</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Legg til i filterområdet</translation>
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
        <translation>Søk</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alle</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Fjern alle merker</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Vis detaljer</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Skjul</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Utvid</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Utvid hele nivået</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Skjul hele nivået</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrer...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Sorter fra A til Å</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Sorter fra Å til A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Opprinnelig rekkefølge</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Vis delsummer</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Vis totalsum</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Sorter rader etter «%1», største først</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Sorter rader etter «%1», minste først</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Sorter kolonner etter «%1», største først</translation>
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
        <translation>Dra felt hit for å filtrere</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolonner</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Dra felt hit for kolonner</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rader</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Dra felt hit for rader</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Dra mål hit</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objektet støtter ikke denne egenskapen eller metoden: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Pivottabellen har ingen tilkoblingsstreng</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Kuben %1 kan ikke åpnes</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Pivottabellen kan ikke bruke disse XML-dataene</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>XML-dataene passer ikke til kuben %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ugyldig egenskapsverdi</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Pivottabellen kan ikke eksportere et bilde som %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Ugyldig bildestørrelse</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Kuben returnerte et ufullstendig resultat</translation>
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
        <translation>Datafelt:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Overskrift:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Tallformat:</translation>
    </message>
</context>
</TS>
