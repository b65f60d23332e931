<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Campi del grafico</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valori</translation>
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
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Colonne in pila</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Colonne in pila 100%</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barre</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Barre in pila</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Barre in pila 100%</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linee</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Linee con indicatori</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Linee in pila</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Linee in pila con indicatori</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Linee in pila 100%</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Linee in pila con indicatori 100%</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Linee smussate</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Linee smussate con indicatori</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Linee smussate in pila</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Linee smussate in pila con indicatori</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Linee smussate in pila 100%</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Linee smussate in pila con indicatori 100%</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Torta</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Torta esplosa</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Torta in pila</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Anello</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Anello esploso</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Area in pila</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Area in pila 100%</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Radar con indicatori</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Radar pieno</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Radar smussato</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Radar smussato con indicatori</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Dispersione XY</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bolle</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>Totale %1</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Totale complessivo</translation>
    </message>
</context>
<context>
    <name>pivot::DetailsView</name>
    <message>
        <source>Details: %1</source>
        <translation>Dettagli: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Sono mostrate le prime %1 righe.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 righe.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Trascinare per spostare, trascinare fuori dalla tabella pivot per rimuovere; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtra...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Sposta nell&apos;area delle righe</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Sposta nell&apos;area delle colonne</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Sposta nell&apos;area dei filtri</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Rimuovi campo</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Campi</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Cerca campi</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Misure</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Aggiungi all&apos;area dei dati</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Aggiungi all&apos;area delle righe</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Aggiungi all&apos;area delle colonne</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Aggiungi all&apos;area dei filtri</translation>
    </message>
</context>
<context>
    <name>pivot::MemberChecklist</name>
    <message>
        <source>Filter: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Deseleziona tutto</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Mostra dettagli</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Comprimi</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Espandi</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Espandi l&apos;intero livello</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Comprimi l&apos;intero livello</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtra...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Ordina dalla A alla Z</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Ordina dalla Z alla A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Ordine originale</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Mostra subtotali</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Mostra totale complessivo</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Ordina le righe per &quot;%1&quot;, dal più grande</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Ordina le righe per &quot;%1&quot;, dal più piccolo</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Ordina le colonne per &quot;%1&quot;, dal più grande</translation>
    </message>
</context>
<context>
    <name>pivot::PivotTable</name>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Trascinare qui i campi da filtrare</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Trascinare qui i campi per le colonne</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Trascinare qui i campi per le righe</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Trascinare qui le misure</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>L&apos;oggetto non supporta questa proprietà o questo metodo: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>La tabella pivot non ha una stringa di connessione</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Impossibile aprire il cubo %1</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>La tabella pivot non può usare questi dati XML</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>I dati XML non corrispondono al cubo %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore della proprietà non valido</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>La tabella pivot non può esportare un&apos;immagine come %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Dimensioni dell&apos;immagine non valide</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Il cubo ha restituito un risultato incompleto</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Campo dati:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Etichetta:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Formato numero:</translation>
    </message>
</context>
</TS>
