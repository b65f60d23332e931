<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>chart</name>
    <message>
        <source>Chart fields</source>
        <translation>Diagramfält</translation>
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
        <translation>Värden</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Förklaring</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Rubrik</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>The picture cannot be exported as %1</source>
        <translation>Bilden kan inte exporteras som %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Bilden kan inte exporteras i %1 x %2 pixlar</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Staplad stapel</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Staplad stapel (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Liggande stapel</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Staplad liggande stapel</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Staplad liggande stapel (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linje</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Linje med markörer</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Staplad linje</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Staplad linje med markörer</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Staplad linje (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Staplad linje med markörer (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Utjämnad linje</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Utjämnad linje med markörer</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Staplad utjämnad linje</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Staplad utjämnad linje med markörer</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Staplad utjämnad linje (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Staplad utjämnad linje med markörer (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Exploderad cirkel</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Staplad cirkel</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Exploderad ring</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Yta</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Staplad yta</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Staplad yta (100 %)</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Polär</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Polär med markörer</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Fylld polär</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Utjämnad polär</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Utjämnad polär med markörer</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>XY-punkt</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bubbla</translation>
    </message>
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Bilden kan inte exporteras: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>en bild i den här storleken ryms inte i en GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>slut på minne</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Servern och databasen anges i %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>Databasen %1 på servern %2 innehåller ingen kub.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Felmeddelandet är: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Servernamnet och databasnamnet får inte innehålla kommatecken eller radbrytningar: ServerName.txt skulle inte kunna spara dem.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Visa databaserna på servern %1 och välj en.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Rapporten &quot;%1&quot; öppnades inte: den ansluter till &quot;%2&quot;, men rapporterna i den här datamappen hör till &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Rapporten &quot;%1&quot; öppnades inte: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>Beskrivningen av rapporten &quot;%1&quot; är för stor för att visas: %2 tecken, högst %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>Beskrivningen av rapporten &quot;%1&quot; är kapslad för djupt för att visas som den skrivits; de innersta nivåerna visas utplattade.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Katalogen &quot;%1&quot; innehåller inga kuber.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Kubfilen &quot;%1&quot; innehåller ingen kub &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>Anslutningssträngen är ogiltig: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>ett värde saknar nyckelord</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>porten i &quot;%1&quot; är inte ett tal</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Kubens metadata är ogiltiga: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 saknas</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>ingen kub med namnet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>faktatabellen</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>ett dimensionsnamn</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>tabellen för dimensionen %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>nyckeln för dimensionen %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>faktanyckeln för dimensionen %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>ett hierarkinamn</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>dimensionen för hierarkin %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>nivåerna i hierarkin &quot;%1&quot; är inte numrerade 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>ett nivånamn</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>nyckelkolumnen för nivån %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>ett måttnamn</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>I %1 innehåller dimensionstabellen &quot;%2&quot; nyckeln &quot;%3&quot; mer än en gång. Nycklarna i en dimensionstabell måste vara unika.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>kubfilen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>&quot;%1&quot; är inte en kubfil.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Kubfilen &quot;%1&quot; har formatet %2, som det här programmet inte kan läsa.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Kubfilen &quot;%1&quot; måste innehålla exakt en kub.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Kuben har ingen hierarki &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>Frågan har för många kombinationer av medlemmar.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Slut på minne vid anslutning till kubservern.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>Frågan är ogiltig: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>kuben har ingen hierarki &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>kuben har inget mått &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>katalogen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Kubfilen &quot;%1&quot; finns inte.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Kubfilen &quot;%1&quot; kan inte öppnas: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Kubfilen &quot;%1&quot; kan inte användas (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>ett element</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 har inget värde</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>värdet för %1 saknar avslutande citattecken</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>text följer efter det citerade värdet för %1</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Kubfilen &quot;%1&quot; har ingen tabell %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (det är en %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Kubfilen &quot;%1&quot; kan inte användas: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Kubfilen &quot;%1&quot; svarar inte: läsningen gav ingenting på %2 sekunder och avbröts därför.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Systemet kunde inte starta en tråd</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Kubservern kan inte nås: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>Frågan avbröts: du slutade vänta på kubservern.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Kubservern svarade inte inom %1 sekunder; frågan avbröts.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>I %1 kan fakta i &quot;%2&quot; inte kopplas till dimensionstabellen &quot;%3&quot;: servern kan inte jämföra faktanyckeln &quot;%4&quot; med dimensionsnyckeln &quot;%5&quot; (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>hierarkin &quot;%1&quot; anger en okänd dimension</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>hierarkin &quot;%1&quot; har inga nivåer</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>kuben &quot;%1&quot; har inga hierarkier</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>måttet &quot;%1&quot; har en okänd aggregering &quot;%2&quot;</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>måttet &quot;%1&quot; har ingen kolumn</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Pivottabellen kan inte skrivas ut:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Bilden kunde inte sparas i %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: skriv ett heltal pixlar från 1 till %2.</translation>
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
        <translation>Totalsumma</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Detaljer: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>De första %1 raderna visas.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 rader.</translation>
    </message>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Dra för att flytta, dra bort från pivottabellen för att ta bort; högerklicka för mer</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrera...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Flytta till radområdet</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Flytta till kolumnområdet</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Flytta till filterområdet</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Flytta åt vänster</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Flytta åt höger</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Ta bort fält</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Fält</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Sök fält</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Mått</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Lägg till i dataområdet</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Lägg till i radområdet</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Lägg till i kolumnområdet</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Lägg till i filterområdet</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Avmarkera alla</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Pivottabellen har ingen anslutningssträng</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Kuben %1 kan inte öppnas</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Pivottabellen kan inte använda dessa XML-data</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>XML-data passar inte kuben %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Visa detaljer</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Dölj</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Expandera</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Expandera hela nivån</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Dölj hela nivån</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Sortera från A till Ö</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Sortera från Ö till A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Ursprunglig ordning</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Visa delsummor</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Visa totalsumma</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Sortera rader efter ”%1”, största först</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Sortera rader efter ”%1”, minsta först</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Sortera kolumner efter ”%1”, största först</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Dra fält hit för att filtrera</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumner</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Dra fält hit för kolumner</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rader</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Dra fält hit för rader</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Dra mått hit</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objektet stöder inte den här egenskapen eller metoden: %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ogiltigt egenskapsvärde</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Pivottabellen kan inte exportera en bild som %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Ogiltig bildstorlek</translation>
    </message>
    <message>
        <source>Waiting for the cube server: %1 s</source>
        <translation>Väntar på kubservern: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Sluta vänta</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Läser kuben: %1 av %2 rader</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Läser kuben: %1 rader</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Egenskaper</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Datafält:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Etikett:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Talformat:</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Kuben returnerade ett ofullständigt resultat</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Mappen &quot;%1&quot; kan inte läsas: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: en annan fil innehåller redan rapporten &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Rapporten har %1 av sina 4 fält.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Rapportens visningsläge eller diagramtyp är inte ett tal.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Rapporten har %1 av sina 3 fält.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Rapportens visningsläge är inte ett tal.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>En rapport måste ha ett namn.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>&quot;%1&quot; kan inte vara namnet på en rapport.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Ett rapportnamn får inte innehålla &quot;/&quot; eller &quot;\&quot;.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Ett rapportnamn får inte innehålla kontrolltecken.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Rapportnamnet är för långt.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>Ingen kub hittades i %1.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Lägg kubfiler (*.cub) i den mappen eller ange en kubserver i ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 innehåller &quot;***&quot;, &quot;XYZ&quot; eller &quot;XXX&quot;, som rapportfilen använder själv.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Pivottabellen (namnet på dess kub, server eller databas, en medlem eller en rubrik)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Diagrammet</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>Beskrivningen, typen eller kategorin</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>Visningsläget eller diagramtypen kan inte sparas.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>De här rapportfilerna och -mapparna kunde inte läsas och har utelämnats:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>dess mapp leder ut ur datamappen.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Sparar den aktuella rapporten som en ny rapport</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: &quot;%2&quot; kan inte sparas i en rapport. Skriv det på ett annat sätt.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Inget filnamn</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: inte en fil</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: filen är större än en textruta kan rymma</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: teckentabell %2 kan inte läsas</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Ingen text att spara</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Okänd kodning %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Texten kan inte skrivas i teckentabell %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: filen finns redan</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: är en mapp</translation>
    </message>
</context>
</TS>
