<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Grafiekvelden</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reeksen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorieën</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Waarden</translation>
    </message>
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
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
        <translation>Kolom</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Gestapelde kolom</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Gestapelde kolom (100%)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Staaf</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Gestapelde staaf</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Gestapelde staaf (100%)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Lijn</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Lijn met markeringen</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Gestapelde lijn</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Gestapelde lijn met markeringen</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Gestapelde lijn (100%)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Gestapelde lijn met markeringen (100%)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Vloeiende lijn</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Vloeiende lijn met markeringen</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Gestapelde vloeiende lijn</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Gestapelde vloeiende lijn met markeringen</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Gestapelde vloeiende lijn (100%)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Gestapelde vloeiende lijn met markeringen (100%)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Uitgesplitste cirkel</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Gestapelde cirkel</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Uitgesplitste ring</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Vlak</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Gestapeld vlak</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Gestapeld vlak (100%)</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Radar met markeringen</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Gevulde radar</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Vloeiende radar</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Vloeiende radar met markeringen</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>XY-spreiding</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bel</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>Totaal %1</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Eindtotaal</translation>
    </message>
</context>
<context>
    <name>pivot::DetailsView</name>
    <message>
        <source>Details: %1</source>
        <translation>Details: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>De eerste %1 rijen worden weergegeven.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 rijen.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Sleep om te verplaatsen, sleep buiten de draaitabel om te verwijderen; klik met de rechtermuisknop voor meer</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filteren...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Naar rijgebied verplaatsen</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Naar kolomgebied verplaatsen</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Naar filtergebied verplaatsen</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Naar links verplaatsen</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Naar rechts verplaatsen</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Veld verwijderen</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Velden</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Velden zoeken</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Metingen</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Aan gegevensgebied toevoegen</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Aan rijgebied toevoegen</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Aan kolomgebied toevoegen</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Aan filtergebied toevoegen</translation>
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
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Niets selecteren</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Details weergeven</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Samenvouwen</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Uitvouwen</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Hele niveau uitvouwen</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Hele niveau samenvouwen</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filteren...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Sorteren van A naar Z</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Sorteren van Z naar A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Oorspronkelijke volgorde</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Subtotalen weergeven</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Eindtotaal weergeven</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Rijen sorteren op &quot;%1&quot;, grootste eerst</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Rijen sorteren op &quot;%1&quot;, kleinste eerst</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Kolommen sorteren op &quot;%1&quot;, grootste eerst</translation>
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
        <translation>Sleep velden hierheen om te filteren</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Sleep velden hierheen voor kolommen</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Sleep velden hierheen voor rijen</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Gegevens</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Sleep metingen hierheen</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Object ondersteunt deze eigenschap of methode niet: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>De draaitabel heeft geen verbindingsreeks</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Kubus %1 kan niet worden geopend</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>De draaitabel kan deze XML-gegevens niet gebruiken</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>De XML-gegevens passen niet bij kubus %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>De draaitabel kan geen afbeelding exporteren als %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Ongeldige afbeeldingsgrootte</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>De kubus gaf een onvolledig resultaat</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Gegevensveld:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Bijschrift:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Getalnotatie:</translation>
    </message>
</context>
</TS>
