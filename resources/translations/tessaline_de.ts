<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Diagrammfelder</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Säulen</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Gestapelte Säulen</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Gestapelte Säulen (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Gestapelte Balken</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Gestapelte Balken (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Linie mit Datenpunkten</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Gestapelte Linie</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Gestapelte Linie mit Datenpunkten</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Gestapelte Linie (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Gestapelte Linie mit Datenpunkten (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Geglättete Linie</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Geglättete Linie mit Datenpunkten</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Gestapelte geglättete Linie</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Gestapelte geglättete Linie mit Datenpunkten</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Gestapelte geglättete Linie (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Gestapelte geglättete Linie mit Datenpunkten (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Explodierter Kreis</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Gestapelter Kreis</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Explodierter Ring</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Gestapelte Fläche</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Gestapelte Fläche (100 %)</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Netz mit Datenpunkten</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Gefülltes Netz</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Geglättetes Netz</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Geglättetes Netz mit Datenpunkten</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Punkt (XY)</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Blasen</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>%1 Ergebnis</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Gesamtergebnis</translation>
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
        <translation>Die ersten %1 Zeilen werden angezeigt.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 Zeilen.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Ziehen zum Verschieben, aus der Pivot-Tabelle ziehen zum Entfernen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtern...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>In den Zeilenbereich verschieben</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>In den Spaltenbereich verschieben</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>In den Filterbereich verschieben</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Feld entfernen</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Felder suchen</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Zum Datenbereich hinzufügen</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Zum Zeilenbereich hinzufügen</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Zum Spaltenbereich hinzufügen</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Zum Filterbereich hinzufügen</translation>
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
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Keine auswählen</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Details anzeigen</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Reduzieren</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Erweitern</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Gesamte Ebene erweitern</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Gesamte Ebene reduzieren</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtern...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Von A bis Z sortieren</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Von Z bis A sortieren</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Ursprüngliche Reihenfolge</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Teilergebnisse anzeigen</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Gesamtergebnis anzeigen</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Zeilen nach „%1“ sortieren, größte zuerst</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Zeilen nach „%1“ sortieren, kleinste zuerst</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Spalten nach „%1“ sortieren, größte zuerst</translation>
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
        <translation>Felder zum Filtern hierher ziehen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Spaltenfelder hierher ziehen</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Zeilenfelder hierher ziehen</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Kennzahlen hierher ziehen</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objekt unterstützt diese Eigenschaft oder Methode nicht: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Die Pivot-Tabelle hat keine Verbindungszeichenfolge</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Würfel %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Die Pivot-Tabelle kann diese XML-Daten nicht verwenden</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>Die XML-Daten passen nicht zu Würfel %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Die Pivot-Tabelle kann kein Bild als %1 exportieren</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Ungültige Bildgröße</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Der Würfel hat ein unvollständiges Ergebnis geliefert</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Datenfeld:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Zahlenformat:</translation>
    </message>
</context>
</TS>
