<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>chart</name>
    <message>
        <source>Chart fields</source>
        <translation>Diagramfelter</translation>
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
        <translation>Værdier</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Forklaring</translation>
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
        <source>The picture cannot be exported as %1</source>
        <translation>Billedet kan ikke eksporteres som %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Billedet kan ikke eksporteres i %1 x %2 pixel</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Søjle</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Stablet søjle</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Stablet søjle (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Liggende søjle</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Stablet liggende søjle</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Stablet liggende søjle (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Kurve med datamærker</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Stablet kurve</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Stablet kurve med datamærker</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Stablet kurve (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Stablet kurve med datamærker (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Udjævnet kurve</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Udjævnet kurve med datamærker</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Stablet udjævnet kurve</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Stablet udjævnet kurve med datamærker</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Stablet udjævnet kurve (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Stablet udjævnet kurve med datamærker (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Eksploderet cirkel</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Stablet cirkel</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Kranse</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Eksploderet kranse</translation>
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
        <translation>Radar med datamærker</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Udfyldt radar</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Udjævnet radar</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Udjævnet radar med datamærker</translation>
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
        <translation>Billedet kan ikke eksporteres: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>et billede i denne størrelse kan ikke gemmes som GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>ikke mere hukommelse</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Serveren og databasen er angivet i %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>Databasen %1 på serveren %2 indeholder ingen kube.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Fejlmeddelelsen er: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Servernavnet og databasenavnet må ikke indeholde komma eller linjeskift: ServerName.txt ville ikke kunne gemme dem.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Vis databaserne på serveren %1, og vælg en af dem.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Rapporten &quot;%1&quot; blev ikke åbnet: den forbinder til &quot;%2&quot;, men rapporterne i denne datamappe hører til &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Rapporten &quot;%1&quot; blev ikke åbnet: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>Beskrivelsen af rapporten &quot;%1&quot; er for stor til at blive vist: %2 tegn, højst %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>Beskrivelsen af rapporten &quot;%1&quot; er indlejret for dybt til at blive vist som skrevet; de inderste niveauer vises fladt.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Kataloget &quot;%1&quot; indeholder ingen kuber.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Kubefilen &quot;%1&quot; indeholder ingen kube &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>Forbindelsesstrengen er ugyldig: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>en værdi har intet nøgleord</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>porten i &quot;%1&quot; er ikke et tal</translation>
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
        <translation>et dimensionsnavn</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>tabellen for dimensionen %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>nøglen for dimensionen %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>faktanøglen for dimensionen %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>et hierarkinavn</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>dimensionen for hierarkiet %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>niveauerne i hierarkiet &quot;%1&quot; er ikke nummereret 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>et niveaunavn</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>nøglekolonnen for niveauet %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>et målingsnavn</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>I %1 indeholder dimensionstabellen &quot;%2&quot; nøglen &quot;%3&quot; mere end én gang. Nøglerne i en dimensionstabel skal være entydige.</translation>
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
        <translation>Kubefilen &quot;%1&quot; har formatet %2, som dette program ikke kan læse.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Kubefilen &quot;%1&quot; skal indeholde præcis én kube.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Kuben har intet hierarki &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>Forespørgslen har for mange kombinationer af medlemmer.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Hukommelsen slap op under forbindelsen til kubeserveren.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>Forespørgslen er ugyldig: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>kuben har intet hierarki &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>kuben har ingen måling &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>kataloget &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Kubefilen &quot;%1&quot; findes ikke.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Kubefilen &quot;%1&quot; kan ikke åbnes: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Kubefilen &quot;%1&quot; kan ikke bruges (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>et element</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 har ingen værdi</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>værdien af %1 har intet afsluttende anførselstegn</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>der står tekst efter den citerede værdi af %1</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Kubefilen &quot;%1&quot; har ingen tabel %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (det er en %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Kubefilen &quot;%1&quot; kan ikke bruges: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Kubefilen &quot;%1&quot; svarer ikke: læsningen gav intet i %2 sekunder og blev derfor stoppet.</translation>
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
        <translation>Forespørgslen blev annulleret: du holdt op med at vente på kubeserveren.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Kubeserveren svarede ikke inden for %1 sekunder; forespørgslen blev annulleret.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>I %1 kan fakta i &quot;%2&quot; ikke knyttes til dimensionstabellen &quot;%3&quot;: serveren kan ikke sammenligne faktanøglen &quot;%4&quot; med dimensionsnøglen &quot;%5&quot; (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>hierarkiet &quot;%1&quot; henviser til en ukendt dimension</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>hierarkiet &quot;%1&quot; har ingen niveauer</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>kuben &quot;%1&quot; har ingen hierarkier</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>målingen &quot;%1&quot; har en ukendt aggregering &quot;%2&quot;</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>målingen &quot;%1&quot; har ingen kolonne</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Pivottabellen kan ikke udskrives:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Billedet kunne ikke gemmes i %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: skriv et helt antal pixel fra 1 til %2.</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>%1 i alt</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Hovedtotal</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Detaljer: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>De første %1 rækker vises.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 rækker.</translation>
    </message>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Træk for at flytte, træk væk fra pivottabellen for at fjerne; højreklik for flere muligheder</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrer...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Flyt til rækkeområdet</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Flyt til kolonneområdet</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Flyt til filterområdet</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Flyt til venstre</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Flyt til højre</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Fjern felt</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Felter</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Søg i felter</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Målinger</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Føj til dataområdet</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Føj til rækkeområdet</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Føj til kolonneområdet</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Føj til filterområdet</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markér alle</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Fjern alle markeringer</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Pivottabellen har ingen forbindelsesstreng</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Kuben %1 kan ikke åbnes</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Pivottabellen kan ikke bruge disse XML-data</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>XML-dataene passer ikke til kuben %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
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
        <translation>Udvid</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Udvid hele niveauet</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Skjul hele niveauet</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Sortér fra A til Z</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Sortér fra Z til A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Oprindelig rækkefølge</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Vis subtotaler</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Vis hovedtotal</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Sortér rækker efter &quot;%1&quot;, største først</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Sortér rækker efter &quot;%1&quot;, mindste først</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Sortér kolonner efter &quot;%1&quot;, største først</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Træk felter hertil for at filtrere</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolonner</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Træk felter hertil for kolonner</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rækker</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Træk felter hertil for rækker</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Træk målinger hertil</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objektet understøtter ikke denne egenskab eller metode: %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ugyldig egenskabsværdi</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Pivottabellen kan ikke eksportere et billede som %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Ugyldig billedstørrelse</translation>
    </message>
    <message>
        <source>Waiting for the cube server: %1 s</source>
        <translation>Venter på kubeserveren: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Stop med at vente</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Kuben læses: %1 af %2 rækker</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Kuben læses: %1 rækker</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Egenskaber</translation>
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
        <translation>Talformat:</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Kuben returnerede et ufuldstændigt resultat</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Mappen &quot;%1&quot; kan ikke læses: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: en anden fil indeholder allerede rapporten &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Rapporten har %1 af sine 4 felter.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Rapportens visningstilstand eller diagramtype er ikke et tal.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Rapporten har %1 af sine 3 felter.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Rapportens visningstilstand er ikke et tal.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>En rapport skal have et navn.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>&quot;%1&quot; kan ikke være navnet på en rapport.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Et rapportnavn må ikke indeholde &quot;/&quot; eller &quot;\&quot;.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Et rapportnavn må ikke indeholde kontroltegn.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Rapportnavnet er for langt.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>Der blev ikke fundet nogen kube i %1.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Læg kubefiler (*.cub) i den mappe, eller angiv en kubeserver i ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 indeholder &quot;***&quot;, &quot;XYZ&quot; eller &quot;XXX&quot;, som rapportfilen bruger til sig selv.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Pivottabellen (navnet på dens kube, server eller database, et medlem eller en titel)</translation>
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
        <translation>Visningstilstanden eller diagramtypen kan ikke gemmes.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Disse rapportfiler og -mapper kunne ikke læses og er udeladt:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>dens mappe fører uden for datamappen.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Gemmer den aktuelle rapport som en ny rapport</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: &quot;%2&quot; kan ikke gemmes i en rapport. Skriv det på en anden måde.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Billeder (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Intet filnavn</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: ikke en fil</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: filen er større, end et tekstfelt kan rumme</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: tegntabel %2 kan ikke læses</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Ingen tekst at gemme</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Ukendt kodning %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Teksten kan ikke skrives i tegntabel %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: filen findes allerede</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: er en mappe</translation>
    </message>
</context>
</TS>
