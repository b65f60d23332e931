<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>chart</name>
    <message>
        <source>Chart fields</source>
        <translation>Diagramfelt</translation>
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
        <translation>Verdier</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Forklaring</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tittel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>The picture cannot be exported as %1</source>
        <translation>Bildet kan ikke eksporteres som %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Bildet kan ikke eksporteres i %1 x %2 piksler</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Stolpe</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Stablet stolpe</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Stablet stolpe (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Liggende stolpe</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Stablet liggende stolpe</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Stablet liggende stolpe (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linje</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Linje med indikatorer</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Stablet linje</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Stablet linje med indikatorer</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Stablet linje (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Stablet linje med indikatorer (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Jevn linje</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Jevn linje med indikatorer</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Stablet jevn linje</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Stablet jevn linje med indikatorer</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Stablet jevn linje (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Stablet jevn linje med indikatorer (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Sektor</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Eksplodert sektor</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Stablet sektor</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Smultring</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Eksplodert smultring</translation>
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
        <translation>Radar med indikatorer</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Fylt radar</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Jevn radar</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Jevn radar med indikatorer</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>XY-punkt</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Boble</translation>
    </message>
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Bildet kan ikke eksporteres: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>et bilde i denne størrelsen kan ikke lagres som GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>tom for minne</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Serveren og databasen er angitt i %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>Databasen %1 på serveren %2 inneholder ingen kube.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Feilmeldingen er: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Servernavnet og databasenavnet kan ikke inneholde komma eller linjeskift: ServerName.txt ville ikke kunne lagre dem.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Vis databasene på serveren %1, og velg én av dem.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Rapporten &quot;%1&quot; ble ikke åpnet: den kobler til &quot;%2&quot;, men rapportene i denne datamappen hører til &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Rapporten &quot;%1&quot; ble ikke åpnet: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>Beskrivelsen av rapporten &quot;%1&quot; er for stor til å vises: %2 tegn, høyst %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>Beskrivelsen av rapporten &quot;%1&quot; er nøstet for dypt til å vises som skrevet; de innerste nivåene vises flatet ut.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Katalogen &quot;%1&quot; inneholder ingen kuber.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Kubefilen &quot;%1&quot; inneholder ingen kube &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>Tilkoblingsstrengen er ugyldig: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>en verdi har ikke noe nøkkelord</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>porten i &quot;%1&quot; er ikke et tall</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Kubens metadata er ugyldige: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 mangler</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>ingen kube med navnet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>faktatabellen</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>et dimensjonsnavn</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>tabellen for dimensjonen %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>nøkkelen for dimensjonen %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>faktanøkkelen for dimensjonen %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>et hierarkinavn</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>dimensjonen for hierarkiet %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>nivåene i hierarkiet &quot;%1&quot; er ikke nummerert 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>et nivånavn</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>nøkkelkolonnen for nivået %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>et målnavn</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>I %1 inneholder dimensjonstabellen &quot;%2&quot; nøkkelen &quot;%3&quot; mer enn én gang. Nøklene i en dimensjonstabell må være unike.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>kubefilen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>&quot;%1&quot; er ikke en kubefil.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Kubefilen &quot;%1&quot; har formatet %2, som dette programmet ikke kan lese.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Kubefilen &quot;%1&quot; må inneholde nøyaktig én kube.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Kuben har ikke noe hierarki &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>Spørringen har for mange kombinasjoner av medlemmer.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Tom for minne under tilkoblingen til kubeserveren.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>Spørringen er ugyldig: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>kuben har ikke noe hierarki &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>kuben har ikke noe mål &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>katalogen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Kubefilen &quot;%1&quot; finnes ikke.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Kubefilen &quot;%1&quot; kan ikke åpnes: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Kubefilen &quot;%1&quot; kan ikke brukes (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>et element</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 har ingen verdi</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>verdien av %1 mangler avsluttende anførselstegn</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>det står tekst etter den siterte verdien av %1</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Kubefilen &quot;%1&quot; har ingen tabell %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (det er en %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Kubefilen &quot;%1&quot; kan ikke brukes: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Kubefilen &quot;%1&quot; svarer ikke: lesingen ga ingenting på %2 sekunder og ble derfor stoppet.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Systemet kunne ikke starte en tråd</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Kubeserveren kan ikke nås: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>Spørringen ble avbrutt: du sluttet å vente på kubeserveren.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Kubeserveren svarte ikke innen %1 sekunder; spørringen ble avbrutt.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>I %1 kan faktaene i &quot;%2&quot; ikke knyttes til dimensjonstabellen &quot;%3&quot;: serveren kan ikke sammenligne faktanøkkelen &quot;%4&quot; med dimensjonsnøkkelen &quot;%5&quot; (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>hierarkiet &quot;%1&quot; viser til en ukjent dimensjon</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>hierarkiet &quot;%1&quot; har ingen nivåer</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>kuben &quot;%1&quot; har ingen hierarkier</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>målet &quot;%1&quot; har en ukjent aggregering &quot;%2&quot;</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>målet &quot;%1&quot; har ingen kolonne</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Pivottabellen kan ikke skrives ut:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Bildet kunne ikke lagres i %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: skriv inn et helt antall piksler fra 1 til %2.</translation>
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
        <translation>Totalsum</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Detaljer: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>De første %1 radene vises.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 rader.</translation>
    </message>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Dra for å flytte, dra ut av pivottabellen for å fjerne; høyreklikk for mer</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrer...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Flytt til radområdet</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Flytt til kolonneområdet</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Flytt til filterområdet</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Flytt til venstre</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Flytt til høyre</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Fjern felt</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Søk i felt</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Legg til i dataområdet</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Legg til i radområdet</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Legg til i kolonneområdet</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Legg til i filterområdet</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alle</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Fjern alle merker</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Pivottabellen har ingen tilkoblingsstreng</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Kuben %1 kan ikke åpnes</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Pivottabellen kan ikke bruke disse XML-dataene</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>XML-dataene passer ikke til kuben %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
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
        <translation>Utvid</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Utvid hele nivået</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Skjul hele nivået</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Sorter fra A til Å</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Sorter fra Å til A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Opprinnelig rekkefølge</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Vis delsummer</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Vis totalsum</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Sorter rader etter «%1», største først</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Sorter rader etter «%1», minste først</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Sorter kolonner etter «%1», største først</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Dra felt hit for å filtrere</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolonner</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Dra felt hit for kolonner</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rader</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Dra felt hit for rader</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Dra mål hit</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objektet støtter ikke denne egenskapen eller metoden: %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ugyldig egenskapsverdi</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Pivottabellen kan ikke eksportere et bilde som %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Ugyldig bildestørrelse</translation>
    </message>
    <message>
        <source>Waiting for the cube server: %1 s</source>
        <translation>Venter på kubeserveren: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Slutt å vente</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Leser kuben: %1 av %2 rader</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Leser kuben: %1 rader</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Egenskaper</translation>
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
        <translation>Tallformat:</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Kuben returnerte et ufullstendig resultat</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Mappen &quot;%1&quot; kan ikke leses: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: en annen fil inneholder allerede rapporten &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Rapporten har %1 av sine 4 felt.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Rapportens visningsmodus eller diagramtype er ikke et tall.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Rapporten har %1 av sine 3 felt.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Rapportens visningsmodus er ikke et tall.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>En rapport må ha et navn.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>&quot;%1&quot; kan ikke være navnet på en rapport.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Et rapportnavn kan ikke inneholde &quot;/&quot; eller &quot;\&quot;.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Et rapportnavn kan ikke inneholde kontrolltegn.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Rapportnavnet er for langt.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>Fant ingen kube i %1.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Legg kubefiler (*.cub) i den mappen, eller angi en kubeserver i ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 inneholder &quot;***&quot;, &quot;XYZ&quot; eller &quot;XXX&quot;, som rapportfilen bruker selv.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Pivottabellen (navnet på kuben, serveren eller databasen, et medlem eller en tittel)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Diagrammet</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>Beskrivelsen, typen eller kategorien</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>Visningsmodusen eller diagramtypen kan ikke lagres.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Disse rapportfilene og -mappene kunne ikke leses og er utelatt:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>mappen fører ut av datamappen.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Lagrer den gjeldende rapporten som en ny rapport</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: &quot;%2&quot; kan ikke lagres i en rapport. Skriv det på en annen måte.</translation>
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
        <translation>Mangler filnavn</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: ikke en fil</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: filen er større enn en tekstboks kan romme</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: tegntabell %2 kan ikke leses</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Ingen tekst å lagre</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Ukjent koding %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Teksten kan ikke skrives i tegntabell %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: filen finnes allerede</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: er en mappe</translation>
    </message>
</context>
</TS>
