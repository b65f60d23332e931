<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>chart</name>
    <message>
        <source>Chart fields</source>
        <translation>Grafiekvelden</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reeksen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorieën</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Waarden</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
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
        <translation>De afbeelding kan niet worden geëxporteerd als %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>De afbeelding kan niet worden geëxporteerd op %1 x %2 pixels</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Kolom</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Gestapelde kolom</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Gestapelde kolom (100%)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Staaf</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Gestapelde staaf</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Gestapelde staaf (100%)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Lijn</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Lijn met markeringen</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Gestapelde lijn</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Gestapelde lijn met markeringen</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Gestapelde lijn (100%)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Gestapelde lijn met markeringen (100%)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Vloeiende lijn</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Vloeiende lijn met markeringen</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Gestapelde vloeiende lijn</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Gestapelde vloeiende lijn met markeringen</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Gestapelde vloeiende lijn (100%)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Gestapelde vloeiende lijn met markeringen (100%)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Uitgesplitste cirkel</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Gestapelde cirkel</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Uitgesplitste ring</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Vlak</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Gestapeld vlak</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Gestapeld vlak (100%)</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Radar met markeringen</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Gevulde radar</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Vloeiende radar</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Vloeiende radar met markeringen</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>XY-spreiding</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bel</translation>
    </message>
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>De afbeelding kan niet worden geëxporteerd: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>een afbeelding van dit formaat past niet in een GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>onvoldoende geheugen</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>De server en de database staan in %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>De database %1 op de server %2 bevat geen kubus.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Het foutbericht is: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>De servernaam en de databasenaam mogen geen komma of regeleinde bevatten: ServerName.txt zou ze niet kunnen bewaren.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Vraag de databases van de server %1 op en kies er een.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Het rapport &quot;%1&quot; is niet geopend: het maakt verbinding met &quot;%2&quot;, terwijl de rapporten van deze gegevensmap bij &quot;%3&quot; horen.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Het rapport &quot;%1&quot; is niet geopend: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>De beschrijving van het rapport &quot;%1&quot; is te groot om te tonen: %2 tekens, hoogstens %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>De beschrijving van het rapport &quot;%1&quot; is te diep genest om te tonen zoals geschreven; de binnenste niveaus worden plat getoond.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>De catalogus &quot;%1&quot; bevat geen kubussen.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Het kubusbestand &quot;%1&quot; bevat geen kubus &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>De verbindingsreeks is ongeldig: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>een waarde heeft geen sleutelwoord</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>de poort van &quot;%1&quot; is geen getal</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>De metagegevens van de kubus zijn ongeldig: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>geen kubus met de naam &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>de feitentabel</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>een dimensienaam</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>de tabel van dimensie %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>de sleutel van dimensie %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>de feitensleutel van dimensie %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>een hiërarchienaam</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>de dimensie van hiërarchie %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>de niveaus van hiërarchie &quot;%1&quot; zijn niet genummerd 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>een niveaunaam</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>de sleutelkolom van niveau %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>een naam van een meting</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>In %1 bevat de dimensietabel &quot;%2&quot; de sleutel &quot;%3&quot; meer dan eens. De sleutels van een dimensietabel moeten uniek zijn.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>het kubusbestand &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>&quot;%1&quot; is geen kubusbestand.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Het kubusbestand &quot;%1&quot; heeft indeling %2, die dit programma niet kan lezen.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Het kubusbestand &quot;%1&quot; moet precies één kubus bevatten.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>De kubus heeft geen hiërarchie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>De query heeft te veel combinaties van leden.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Onvoldoende geheugen bij het verbinden met de kubusserver.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>De query is ongeldig: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>de kubus heeft geen hiërarchie &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>de kubus heeft geen meting &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>de catalogus &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Het kubusbestand &quot;%1&quot; bestaat niet.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Het kubusbestand &quot;%1&quot; kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Het kubusbestand &quot;%1&quot; kan niet worden gebruikt (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>een item</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 heeft geen waarde</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>de waarde van %1 heeft geen afsluitend aanhalingsteken</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>er staat tekst na de geciteerde waarde van %1</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Het kubusbestand &quot;%1&quot; heeft geen tabel %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (het is een %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Het kubusbestand &quot;%1&quot; kan niet worden gebruikt: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Het kubusbestand &quot;%1&quot; reageert niet: het lezen leverde %2 seconden lang niets op en is daarom gestopt.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Het systeem kon geen thread starten</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>De kubusserver is niet bereikbaar: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>De query is geannuleerd: u bent gestopt met wachten op de kubusserver.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>De kubusserver heeft niet binnen %1 seconden geantwoord; de query is geannuleerd.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>In %1 kunnen de feiten van &quot;%2&quot; niet aan de dimensietabel &quot;%3&quot; worden gekoppeld: de server kan de feitsleutel &quot;%4&quot; niet vergelijken met de dimensiesleutel &quot;%5&quot; (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>hiërarchie &quot;%1&quot; noemt een onbekende dimensie</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>hiërarchie &quot;%1&quot; heeft geen niveaus</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>kubus &quot;%1&quot; heeft geen hiërarchieën</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>meting &quot;%1&quot; heeft een onbekende aggregatie &quot;%2&quot;</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>meting &quot;%1&quot; heeft geen kolom</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>De draaitabel kan niet worden afgedrukt:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>De afbeelding kon niet worden opgeslagen in %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: typ een geheel aantal pixels van 1 tot %2.</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>Totaal %1</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Eindtotaal</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Details: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>De eerste %1 rijen worden weergegeven.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 rijen.</translation>
    </message>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Sleep om te verplaatsen, sleep buiten de draaitabel om te verwijderen; klik met de rechtermuisknop voor meer</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filteren...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Naar rijgebied verplaatsen</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Naar kolomgebied verplaatsen</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Naar filtergebied verplaatsen</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Naar links verplaatsen</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Naar rechts verplaatsen</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Veld verwijderen</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Velden</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Velden zoeken</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Metingen</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Aan gegevensgebied toevoegen</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Aan rijgebied toevoegen</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Aan kolomgebied toevoegen</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Aan filtergebied toevoegen</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Niets selecteren</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>De draaitabel heeft geen verbindingsreeks</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Kubus %1 kan niet worden geopend</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>De draaitabel kan deze XML-gegevens niet gebruiken</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>De XML-gegevens passen niet bij kubus %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Details weergeven</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Samenvouwen</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Uitvouwen</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Hele niveau uitvouwen</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Hele niveau samenvouwen</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Sorteren van A naar Z</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Sorteren van Z naar A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Oorspronkelijke volgorde</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Subtotalen weergeven</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Eindtotaal weergeven</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Rijen sorteren op &quot;%1&quot;, grootste eerst</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Rijen sorteren op &quot;%1&quot;, kleinste eerst</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Kolommen sorteren op &quot;%1&quot;, grootste eerst</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Sleep velden hierheen om te filteren</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Sleep velden hierheen voor kolommen</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Sleep velden hierheen voor rijen</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Gegevens</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Sleep metingen hierheen</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Object ondersteunt deze eigenschap of methode niet: %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>De draaitabel kan geen afbeelding exporteren als %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Ongeldige afbeeldingsgrootte</translation>
    </message>
    <message>
        <source>Waiting for the cube server: %1 s</source>
        <translation>Wachten op de kubusserver: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Stoppen met wachten</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>De kubus wordt gelezen: %1 van %2 rijen</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>De kubus wordt gelezen: %1 rijen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Gegevensveld:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Bijschrift:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Getalnotatie:</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>De kubus gaf een onvolledig resultaat</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>De map &quot;%1&quot; kan niet worden gelezen: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: een ander bestand bevat het rapport &quot;%2&quot; al.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Het rapport heeft %1 van zijn 4 velden.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>De weergavemodus of het grafiektype van het rapport is geen getal.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Het rapport heeft %1 van zijn 3 velden.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>De weergavemodus van het rapport is geen getal.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Een rapport heeft een naam nodig.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>&quot;%1&quot; kan niet de naam van een rapport zijn.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Een rapportnaam mag geen &quot;/&quot; of &quot;\&quot; bevatten.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Een rapportnaam mag geen stuurtekens bevatten.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>De rapportnaam is te lang.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>Er is geen kubus gevonden in %1.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Zet kubusbestanden (*.cub) in die map of geef een kubusserver op in ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 bevat &quot;***&quot;, &quot;XYZ&quot; of &quot;XXX&quot;, die het rapportbestand voor zichzelf gebruikt.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>De draaitabel (de naam van de kubus, server of database, een lid of een titel)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>De grafiek</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>De beschrijving, het type of de categorie</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>De weergavemodus of het grafiektype kan niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Deze rapportbestanden en -mappen konden niet worden gelezen en zijn weggelaten:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>de map ervan leidt buiten de gegevensmap.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Slaat het huidige rapport op als een nieuw rapport</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: &quot;%2&quot; kan niet in een rapport worden opgeslagen. Schrijf het op een andere manier.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Afbeeldingen (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Geen bestandsnaam</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: geen bestand</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: het bestand is groter dan een tekstvak kan bevatten</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: codetabel %2 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Geen tekst om op te slaan</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Onbekende codering %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>De tekst kan niet in codetabel %1 worden geschreven</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: het bestand bestaat al</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: is een map</translation>
    </message>
</context>
</TS>
