<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Polja grafikona</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Nizi</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorije</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Vrednosti</translation>
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
        <translation>Naslov</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Stolpčni</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Naloženi stolpčni</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Naloženi stolpčni (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Palični</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Naloženi palični</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Naloženi palični (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Črtni</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Črtni z oznakami</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Naloženi črtni</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Naloženi črtni z oznakami</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Naloženi črtni (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Naloženi črtni z oznakami (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Glajeni črtni</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Glajeni črtni z oznakami</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Naloženi glajeni črtni</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Naloženi glajeni črtni z oznakami</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Naloženi glajeni črtni (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Naloženi glajeni črtni z oznakami (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Tortni</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Razpostavljeni tortni</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Naloženi tortni</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Kolobarni</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Razpostavljeni kolobarni</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Ploščinski</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Naloženi ploščinski</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Naloženi ploščinski (100 %)</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Polarni</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Polarni z oznakami</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Zapolnjeni polarni</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Glajeni polarni</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Glajeni polarni z oznakami</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Raztreseni XY</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Mehurčni</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>%1 skupaj</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Skupna vsota</translation>
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
        <translation>Prikazanih je prvih %1 vrstic.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>Vrstic: %1.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Povlecite za premik, povlecite iz vrtilne tabele za odstranitev; desni klik za več možnosti</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtriraj...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Premakni v območje vrstic</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Premakni v območje stolpcev</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Premakni v območje filtra</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Premakni levo</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Premakni desno</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Odstrani polje</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Polja</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Iskanje polj</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Mere</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Dodaj v območje podatkov</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Dodaj v območje vrstic</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Dodaj v območje stolpcev</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Dodaj v območje filtra</translation>
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
        <translation>Iskanje</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Počisti izbor</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Kopiraj</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Pokaži podrobnosti</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Strni</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Razširi</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Razširi celotno raven</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Strni celotno raven</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtriraj...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Razvrsti od A do Ž</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Razvrsti od Ž do A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Prvotni vrstni red</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Pokaži delne vsote</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Pokaži skupno vsoto</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Razvrsti vrstice po »%1«, največje najprej</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Razvrsti vrstice po »%1«, najmanjše najprej</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Razvrsti stolpce po »%1«, največje najprej</translation>
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
        <translation>Povlecite polja sem za filtriranje</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Stolpci</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Povlecite polja sem za stolpce</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Vrstice</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Povlecite polja sem za vrstice</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Podatki</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Povlecite mere sem</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objekt ne podpira te lastnosti ali metode: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Vrtilna tabela nima niza za povezavo</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Kocke %1 ni mogoče odpreti</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Vrtilna tabela ne more uporabiti teh podatkov XML</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>Podatki XML se ne ujemajo s kocko %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Neveljavna vrednost lastnosti</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Vrtilna tabela ne more izvoziti slike kot %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Neveljavna velikost slike</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Kocka je vrnila nepopoln rezultat</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Lastnosti</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Podatkovno polje:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Napis:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Oblika števila:</translation>
    </message>
</context>
</TS>
