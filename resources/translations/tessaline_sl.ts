<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>chart</name>
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
        <source>The picture cannot be exported as %1</source>
        <translation>Slike ni mogoče izvoziti kot %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Slike ni mogoče izvoziti v velikosti %1 x %2 slikovnih pik</translation>
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
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Slike ni mogoče izvoziti: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>slika te velikosti ne gre v GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>zmanjkalo je pomnilnika</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Strežnik in zbirka podatkov sta navedena v %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>Zbirka podatkov %1 na strežniku %2 ne vsebuje nobene kocke.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Sporočilo o napaki: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Ime strežnika in ime zbirke podatkov ne smeta vsebovati vejice ali preloma vrstice: ServerName.txt ju ne bi mogel shraniti.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Prikažite zbirke podatkov strežnika %1 in izberite eno.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Poročilo »%1« ni bilo odprto: povezuje se z »%2«, poročila te podatkovne mape pa pripadajo »%3«.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Poročilo »%1« ni bilo odprto: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>Opis poročila »%1« je prevelik za prikaz: %2 znakov, največ %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>Opis poročila »%1« je pregloboko gnezden, da bi bil prikazan, kot je napisan; njegove najbolj notranje ravni so prikazane sploščeno.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Katalog »%1« ne vsebuje kock.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Datoteka kocke »%1« ne vsebuje kocke »%2«.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>Niz za povezavo ni veljaven: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>vrednost nima ključne besede</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>vrata v »%1« niso število</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Metapodatki kocke niso veljavni: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>manjka %1</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>ni kocke z imenom »%1«</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>tabela dejstev</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>ime dimenzije</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>tabela dimenzije %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>ključ dimenzije %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>ključ dejstev dimenzije %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>ime hierarhije</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>dimenzija hierarhije %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>ravni hierarhije »%1« niso oštevilčene 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>ime ravni</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>ključni stolpec ravni %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>ime mere</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>V %1 tabela dimenzije »%2« vsebuje ključ »%3« več kot enkrat. Ključi tabele dimenzije morajo biti enolični.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>datoteki kocke »%1«</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>»%1« ni datoteka kocke.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Datoteka kocke »%1« ima obliko %2, ki je ta program ne zna prebrati.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Datoteka kocke »%1« mora vsebovati natanko eno kocko.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Kocka nima hierarhije »%1«.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>Poizvedba ima preveč kombinacij članov.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Med povezovanjem s strežnikom kock je zmanjkalo pomnilnika.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>Poizvedba ni veljavna: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>kocka nima hierarhije »%1«</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>kocka nima mere »%1«</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>katalogu »%1«</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Datoteka kocke »%1« ne obstaja.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Datoteke kocke »%1« ni mogoče odpreti: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Datoteke kocke »%1« ni mogoče uporabiti (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>element</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 nima vrednosti</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>vrednost %1 nima zaključnega narekovaja</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>za vrednostjo %1 v narekovajih sledi besedilo</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Datoteka kocke »%1« nima tabele %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (to je %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Datoteke kocke »%1« ni mogoče uporabiti: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Datoteka kocke »%1« se ne odziva: branje %2 s ni dalo ničesar, zato je bilo ustavljeno.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Sistem ni mogel zagnati niti</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Strežnik kock ni dosegljiv: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>Poizvedba je bila preklicana: prenehali ste čakati na strežnik kock.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Strežnik kock ni odgovoril v %1 sekundah; poizvedba je bila preklicana.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>V %1 dejstev iz »%2« ni mogoče povezati s tabelo dimenzije »%3«: strežnik ne more primerjati ključa dejstev »%4« s ključem dimenzije »%5« (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>hierarhija »%1« navaja neznano dimenzijo</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>hierarhija »%1« nima ravni</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>kocka »%1« nima hierarhij</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>mera »%1« ima neznano združevanje »%2«</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>mera »%1« nima stolpca</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Vrtilne tabele ni mogoče natisniti:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Slike ni bilo mogoče shraniti v %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: vnesite celo število slikovnih pik od 1 do %2.</translation>
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
        <source>Waiting for the cube server: %1 s</source>
        <translation>Čakanje na strežnik kock: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Nehaj čakati</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Branje kocke: %1 od %2 vrstic</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Branje kocke: %1 vrstic</translation>
    </message>
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
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Kocka je vrnila nepopoln rezultat</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Mape »%1« ni mogoče prebrati: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: poročilo »%2« je že v drugi datoteki.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Poročilo ima %1 od svojih 4 polj.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Način prikaza ali vrsta grafikona poročila ni število.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Poročilo ima %1 od svojih 3 polj.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Način prikaza poročila ni število.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Poročilo mora imeti ime.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>»%1« ne more biti ime poročila.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Ime poročila ne sme vsebovati »/« ali »\«.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Ime poročila ne sme vsebovati kontrolnih znakov.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Ime poročila je predolgo.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>V %1 ni bilo najdene nobene kocke.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>V to mapo shranite datoteke kock (*.cub) ali v ServerName.txt navedite strežnik kock.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 vsebuje »***«, »XYZ« ali »XXX«, ki jih datoteka poročila rezervira zase.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Vrtilna tabela (ime njene kocke, strežnika ali zbirke podatkov, član ali naslov)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Grafikon</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>Opis, vrsta ali kategorija</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>Načina prikaza ali vrste grafikona ni mogoče shraniti.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Teh datotek in map s poročili ni bilo mogoče prebrati, zato so bile izpuščene:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>njegova mapa vodi iz podatkovne mape.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Shrani trenutno poročilo kot novo poročilo</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: »%2« ni mogoče shraniti v poročilo. Zapišite drugače.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Slike (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Ni imena datoteke</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: ni datoteka</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: datoteka je večja, kot jo lahko sprejme polje z besedilom</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: kodne strani %2 ni mogoče brati</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Ni besedila za shranjevanje</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Neznano kodiranje %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Besedila ni mogoče zapisati v kodni strani %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: datoteka že obstaja</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: je mapa</translation>
    </message>
</context>
</TS>
