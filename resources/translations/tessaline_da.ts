<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Diagramfelter</translation>
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
        <translation>Værdier</translation>
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
        <translation>Titel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Søjle</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Stablet søjle</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Stablet søjle (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Liggende søjle</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Stablet liggende søjle</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Stablet liggende søjle (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Kurve med datamærker</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Stablet kurve</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Stablet kurve med datamærker</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Stablet kurve (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Stablet kurve med datamærker (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Udjævnet kurve</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Udjævnet kurve med datamærker</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Stablet udjævnet kurve</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Stablet udjævnet kurve med datamærker</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Stablet udjævnet kurve (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Stablet udjævnet kurve med datamærker (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Eksploderet cirkel</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Stablet cirkel</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Kranse</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Eksploderet kranse</translation>
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
        <translation>Radar med datamærker</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Udfyldt radar</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Udjævnet radar</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Udjævnet radar med datamærker</translation>
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
        <translation>%1 i alt</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Hovedtotal</translation>
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
        <translation>De første %1 rækker vises.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 rækker.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Træk for at flytte, træk væk fra pivottabellen for at fjerne; højreklik for flere muligheder</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrer...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Flyt til rækkeområdet</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Flyt til kolonneområdet</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Flyt til filterområdet</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Flyt til venstre</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Flyt til højre</translation>
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
        <translation>Felter</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Søg i felter</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Målinger</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Føj til dataområdet</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Føj til rækkeområdet</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Føj til kolonneområdet</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Føj til filterområdet</translation>
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
        <translation>Søg</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markér alle</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Fjern alle markeringer</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
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
        <translation>Udvid</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Udvid hele niveauet</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Skjul hele niveauet</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrer...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Sortér fra A til Z</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Sortér fra Z til A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Oprindelig rækkefølge</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Vis subtotaler</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Vis hovedtotal</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Sortér rækker efter &quot;%1&quot;, største først</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Sortér rækker efter &quot;%1&quot;, mindste først</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Sortér kolonner efter &quot;%1&quot;, største først</translation>
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
        <translation>Træk felter hertil for at filtrere</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolonner</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Træk felter hertil for kolonner</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rækker</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Træk felter hertil for rækker</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Træk målinger hertil</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objektet understøtter ikke denne egenskab eller metode: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Pivottabellen har ingen forbindelsesstreng</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Kuben %1 kan ikke åbnes</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Pivottabellen kan ikke bruge disse XML-data</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>XML-dataene passer ikke til kuben %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ugyldig egenskabsværdi</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Pivottabellen kan ikke eksportere et billede som %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Ugyldig billedstørrelse</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Kuben returnerede et ufuldstændigt resultat</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Egenskaber</translation>
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
        <translation>Talformat:</translation>
    </message>
</context>
</TS>
