<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Pole grafu</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Řady</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Hodnoty</translation>
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
        <translation>Název</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Sloupcový</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Skládaný sloupcový</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Skládaný sloupcový 100%</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Pruhový</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Skládaný pruhový</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Skládaný pruhový 100%</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Spojnicový</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Spojnicový se značkami</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Skládaný spojnicový</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Skládaný spojnicový se značkami</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Skládaný spojnicový 100%</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Skládaný spojnicový se značkami 100%</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Vyhlazený spojnicový</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Vyhlazený spojnicový se značkami</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Skládaný vyhlazený spojnicový</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Skládaný vyhlazený spojnicový se značkami</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Skládaný vyhlazený spojnicový 100%</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Skládaný vyhlazený spojnicový se značkami 100%</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Výsečový</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Rozložený výsečový</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Skládaný výsečový</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Prstencový</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Rozložený prstencový</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Plošný</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Skládaný plošný</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Skládaný plošný 100%</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Paprskový</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Paprskový se značkami</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Vyplněný paprskový</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Vyhlazený paprskový</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Vyhlazený paprskový se značkami</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Bodový XY</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bublinový</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>%1 celkem</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Celkový součet</translation>
    </message>
</context>
<context>
    <name>pivot::DetailsView</name>
    <message>
        <source>Details: %1</source>
        <translation>Podrobnosti: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Zobrazeno prvních %1 řádků.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>Řádků: %1.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Přetažením přesunete, přetažením mimo kontingenční tabulku odeberete; pravým tlačítkem zobrazíte další možnosti</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtr...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Přesunout do oblasti řádků</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Přesunout do oblasti sloupců</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Přesunout do oblasti filtru</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Přesunout doleva</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Přesunout doprava</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Odebrat pole</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Hledat pole</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Míry</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Přidat do oblasti dat</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Přidat do oblasti řádků</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Přidat do oblasti sloupců</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Přidat do oblasti filtru</translation>
    </message>
</context>
<context>
    <name>pivot::MemberChecklist</name>
    <message>
        <source>Filter: %1</source>
        <translation>Filtr: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Zrušit výběr</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Zobrazit podrobnosti</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Sbalit</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Rozbalit</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Rozbalit celou úroveň</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Sbalit celou úroveň</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtr...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Seřadit od A do Z</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Seřadit od Z do A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Původní pořadí</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Zobrazit souhrny</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Zobrazit celkový součet</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Seřadit řádky podle „%1“, od největšího</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Seřadit řádky podle „%1“, od nejmenšího</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Seřadit sloupce podle „%1“, od největšího</translation>
    </message>
</context>
<context>
    <name>pivot::PivotTable</name>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Sem přetáhněte pole pro filtrování</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Sloupce</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Sem přetáhněte pole pro sloupce</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Řádky</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Sem přetáhněte pole pro řádky</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Sem přetáhněte míry</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objekt nepodporuje tuto vlastnost nebo metodu: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Kontingenční tabulka nemá připojovací řetězec</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Krychli %1 nelze otevřít</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Kontingenční tabulka nemůže tato data XML použít</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>Data XML neodpovídají krychli %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Neplatná hodnota vlastnosti</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Kontingenční tabulka nemůže exportovat obrázek jako %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Neplatná velikost obrázku</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Krychle vrátila neúplný výsledek</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Datové pole:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Popisek:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Formát čísla:</translation>
    </message>
</context>
</TS>
