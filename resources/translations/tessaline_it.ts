<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>chart</name>
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
        <source>The picture cannot be exported as %1</source>
        <translation>Impossibile esportare l’immagine come %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Impossibile esportare l’immagine a %1 x %2 pixel</translation>
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
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Impossibile esportare l’immagine: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>un’immagine di queste dimensioni non può essere un GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Il server e il database sono indicati in %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>Il database %1 sul server %2 non contiene alcun cubo.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Il messaggio di errore è: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Il nome del server e il nome del database non possono contenere virgole o ritorni a capo: ServerName.txt non potrebbe memorizzarli.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Elencare i database del server %1 e sceglierne uno.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Il report &quot;%1&quot; non è stato aperto: si connette a &quot;%2&quot;, mentre i report di questa cartella dati appartengono a &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Il report &quot;%1&quot; non è stato aperto: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>La descrizione del report &quot;%1&quot; è troppo grande per essere mostrata: %2 caratteri, al massimo %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>La descrizione del report &quot;%1&quot; è annidata troppo in profondità per essere mostrata come scritta; i livelli più interni sono mostrati appiattiti.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Il catalogo &quot;%1&quot; non contiene cubi.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Il file di cubo &quot;%1&quot; non contiene il cubo &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>La stringa di connessione non è valida: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>un valore non ha una parola chiave</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>la porta di &quot;%1&quot; non è un numero</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>I metadati del cubo non sono validi: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>nessun cubo di nome &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>la tabella dei fatti</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>un nome di dimensione</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>la tabella della dimensione %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>la chiave della dimensione %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>la chiave dei fatti della dimensione %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>un nome di gerarchia</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>la dimensione della gerarchia %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>i livelli della gerarchia &quot;%1&quot; non sono numerati 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>un nome di livello</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>la colonna chiave del livello %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>un nome di misura</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>Nel %1 la tabella della dimensione &quot;%2&quot; contiene la chiave &quot;%3&quot; più di una volta. Le chiavi di una tabella della dimensione devono essere univoche.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>file di cubo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>&quot;%1&quot; non è un file di cubo.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Il file di cubo &quot;%1&quot; ha il formato %2, che questo programma non sa leggere.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Il file di cubo &quot;%1&quot; deve contenere esattamente un cubo.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Il cubo non ha la gerarchia &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>La query ha troppe combinazioni di membri.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Memoria esaurita durante la connessione al server di cubi.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>La query non è valida: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>il cubo non ha la gerarchia &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>il cubo non ha la misura &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>catalogo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Il file di cubo &quot;%1&quot; non esiste.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Impossibile aprire il file di cubo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Il file di cubo &quot;%1&quot; non può essere usato (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>un elemento</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 non ha un valore</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>il valore di %1 non ha le virgolette di chiusura</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>c’è del testo dopo il valore tra virgolette di %1</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Il file di cubo &quot;%1&quot; non ha la tabella %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (è un %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Il file di cubo &quot;%1&quot; non può essere usato: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Il file di cubo &quot;%1&quot; non risponde: la lettura non ha prodotto nulla per %2 secondi ed è stata quindi interrotta.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Il sistema non è riuscito ad avviare un thread</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Il server di cubi non è raggiungibile: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>La query è stata annullata: si è smesso di attendere il server di cubi.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Il server di cubi non ha risposto entro %1 secondi; la query è stata annullata.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>Nel %1 i fatti di &quot;%2&quot; non possono essere collegati alla tabella della dimensione &quot;%3&quot;: il server non può confrontare la chiave dei fatti &quot;%4&quot; con la chiave della dimensione &quot;%5&quot; (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>la gerarchia &quot;%1&quot; nomina una dimensione sconosciuta</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>la gerarchia &quot;%1&quot; non ha livelli</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>il cubo &quot;%1&quot; non ha gerarchie</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>la misura &quot;%1&quot; ha un&apos;aggregazione sconosciuta &quot;%2&quot;</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>la misura &quot;%1&quot; non ha una colonna</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Impossibile stampare la tabella pivot:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Impossibile salvare l’immagine in %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: digitare un numero intero di pixel compreso tra 1 e %2.</translation>
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
        <source>Waiting for the cube server: %1 s</source>
        <translation>In attesa del server di cubi: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Smetti di attendere</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Lettura del cubo: %1 di %2 righe</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Lettura del cubo: %1 righe</translation>
    </message>
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
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Il cubo ha restituito un risultato incompleto</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere la cartella &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: un altro file contiene già il report &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Il report ha %1 dei suoi 4 campi.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>La modalità di visualizzazione o il tipo di grafico del report non è un numero.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Il report ha %1 dei suoi 3 campi.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>La modalità di visualizzazione del report non è un numero.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Un report deve avere un nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>&quot;%1&quot; non può essere il nome di un report.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Il nome di un report non può contenere &quot;/&quot; o &quot;\&quot;.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Il nome di un report non può contenere caratteri di controllo.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Il nome del report è troppo lungo.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>Nessun cubo trovato in %1.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Inserire file di cubo (*.cub) in quella cartella oppure indicare un server di cubi in ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 contiene &quot;***&quot;, &quot;XYZ&quot; o &quot;XXX&quot;, che il file del report riserva a sé.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>La tabella pivot (il nome del suo cubo, server o database, un membro o un titolo)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Il grafico</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>La descrizione, il tipo o la categoria</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>La modalità di visualizzazione o il tipo di grafico non può essere memorizzato.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Questi file e cartelle di report non sono stati letti e sono stati esclusi:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>la sua cartella porta fuori dalla cartella dei dati.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Salva il report corrente come nuovo report</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: &quot;%2&quot; non può essere memorizzato in un report. Scriverlo in un altro modo.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Nessun nome di file</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: non è un file</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: il file è più grande di quanto possa contenere una casella di testo</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: la tabella codici %2 non può essere letta</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Nessun testo da salvare</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Codifica sconosciuta %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Il testo non può essere scritto nella tabella codici %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: il file esiste già</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: è una cartella</translation>
    </message>
</context>
</TS>
