<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Kaavion kentät</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Sarjat</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Luokat</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Arvot</translation>
    </message>
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
    <message>
        <source>Legend</source>
        <translation>Selite</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Otsikko</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Pylväs</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Pinottu pylväs</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Pinottu pylväs (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Palkki</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Pinottu palkki</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Pinottu palkki (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Viiva</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Viiva ja merkit</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Pinottu viiva</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Pinottu viiva ja merkit</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Pinottu viiva (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Pinottu viiva ja merkit (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Tasoitettu viiva</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Tasoitettu viiva ja merkit</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Pinottu tasoitettu viiva</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Pinottu tasoitettu viiva ja merkit</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Pinottu tasoitettu viiva (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Pinottu tasoitettu viiva ja merkit (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Ympyrä</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Erotettu ympyrä</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Pinottu ympyrä</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Rengas</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Erotettu rengas</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Alue</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Pinottu alue</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Pinottu alue (100 %)</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Säde</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Säde ja merkit</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Täytetty säde</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Tasoitettu säde</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Tasoitettu säde ja merkit</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>XY-piste</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Kupla</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>%1 yhteensä</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Kokonaissumma</translation>
    </message>
</context>
<context>
    <name>pivot::DetailsView</name>
    <message>
        <source>Details: %1</source>
        <translation>Tiedot: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Ensimmäiset %1 riviä näytetään.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 riviä.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Siirrä vetämällä, poista vetämällä pois pivot-taulukosta; lisää toimintoja hiiren kakkospainikkeella</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Suodata...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Siirrä rivialueelle</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Siirrä sarakealueelle</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Siirrä suodatinalueelle</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Siirrä vasemmalle</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Siirrä oikealle</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Poista kenttä</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Kentät</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Hae kenttiä</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Mittarit</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Lisää tietoalueelle</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Lisää rivialueelle</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Lisää sarakealueelle</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Lisää suodatinalueelle</translation>
    </message>
</context>
<context>
    <name>pivot::MemberChecklist</name>
    <message>
        <source>Filter: %1</source>
        <translation>Suodatin: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hae</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Valitse kaikki</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Poista valinnat</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Kopioi</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Näytä tiedot</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Kutista</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Laajenna</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Laajenna koko taso</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Kutista koko taso</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Suodata...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Lajittele A–Ö</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Lajittele Ö–A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Alkuperäinen järjestys</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Näytä välisummat</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Näytä kokonaissumma</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Lajittele rivit kohteen ”%1” mukaan, suurin ensin</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Lajittele rivit kohteen ”%1” mukaan, pienin ensin</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Lajittele sarakkeet kohteen ”%1” mukaan, suurin ensin</translation>
    </message>
</context>
<context>
    <name>pivot::PivotTable</name>
    <message>
        <source>Filter</source>
        <translation>Suodatin</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Vedä suodatinkentät tähän</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Sarakkeet</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Vedä sarakekentät tähän</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rivit</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Vedä rivikentät tähän</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Tiedot</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Vedä mittarit tähän</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objekti ei tue tätä ominaisuutta tai menetelmää: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Pivot-taulukolla ei ole yhteysmerkkijonoa</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Kuutiota %1 ei voi avata</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Pivot-taulukko ei voi käyttää näitä XML-tietoja</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>XML-tiedot eivät sovi kuutioon %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Virheellinen ominaisuuden arvo</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Pivot-taulukko ei voi viedä kuvaa muodossa %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Virheellinen kuvan koko</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Kuutio palautti epätäydellisen tuloksen</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Ominaisuudet</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Tietokenttä:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Otsikko:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Lukumuoto:</translation>
    </message>
</context>
</TS>
