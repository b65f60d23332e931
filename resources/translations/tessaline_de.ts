<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>chart</name>
    <message>
        <source>Chart fields</source>
        <translation>Diagrammfelder</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>The picture cannot be exported as %1</source>
        <translation>Das Bild kann nicht als %1 exportiert werden</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Das Bild kann nicht mit %1 x %2 Pixeln exportiert werden</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Säulen</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Gestapelte Säulen</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Gestapelte Säulen (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Gestapelte Balken</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Gestapelte Balken (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Linie mit Datenpunkten</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Gestapelte Linie</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Gestapelte Linie mit Datenpunkten</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Gestapelte Linie (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Gestapelte Linie mit Datenpunkten (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Geglättete Linie</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Geglättete Linie mit Datenpunkten</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Gestapelte geglättete Linie</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Gestapelte geglättete Linie mit Datenpunkten</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Gestapelte geglättete Linie (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Gestapelte geglättete Linie mit Datenpunkten (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Explodierter Kreis</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Gestapelter Kreis</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Explodierter Ring</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Gestapelte Fläche</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Gestapelte Fläche (100 %)</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Netz mit Datenpunkten</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Gefülltes Netz</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Geglättetes Netz</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Geglättetes Netz mit Datenpunkten</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Punkt (XY)</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Blasen</translation>
    </message>
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Das Bild kann nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>ein Bild dieser Größe passt nicht in eine GIF-Datei</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Server und Datenbank sind in %1 angegeben.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>Die Datenbank %1 auf dem Server %2 enthält keinen Würfel.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Die Fehlermeldung lautet: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Server- und Datenbankname dürfen kein Komma und keinen Zeilenumbruch enthalten: ServerName.txt könnte sie nicht speichern.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Bitte lassen Sie die Datenbanken des Servers %1 auflisten und wählen Sie eine aus.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Der Bericht „%1“ wurde nicht geöffnet: Er verbindet sich mit „%2“, die Berichte dieses Datenordners gehören aber zu „%3“.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Der Bericht „%1“ wurde nicht geöffnet: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>Die Beschreibung des Berichts „%1“ ist zu groß zum Anzeigen: %2 Zeichen, höchstens %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>Die Beschreibung des Berichts „%1“ ist zu tief verschachtelt, um wie geschrieben angezeigt zu werden; ihre innersten Ebenen werden abgeflacht angezeigt.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Der Katalog „%1“ enthält keine Würfel.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Die Würfeldatei „%1“ enthält keinen Würfel „%2“.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>Die Verbindungszeichenfolge ist ungültig: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>ein Wert hat kein Schlüsselwort</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>der Port von „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Die Metadaten des Würfels sind ungültig: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>kein Würfel namens „%1“</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>die Faktentabelle</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>ein Dimensionsname</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>die Tabelle der Dimension %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>der Schlüssel der Dimension %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>der Faktenschlüssel der Dimension %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>ein Hierarchiename</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>die Dimension der Hierarchie %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>die Ebenen der Hierarchie „%1“ sind nicht mit 1, 2, 3... nummeriert</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>ein Ebenenname</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>die Schlüsselspalte der Ebene %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>ein Kennzahlname</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>In %1 enthält die Dimensionstabelle „%2“ den Schlüssel „%3“ mehr als einmal. Die Schlüssel einer Dimensionstabelle müssen eindeutig sein.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>der Würfeldatei „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>„%1“ ist keine Würfeldatei.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Die Würfeldatei „%1“ hat das Format %2, das dieses Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Die Würfeldatei „%1“ muss genau einen Würfel enthalten.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Der Würfel hat keine Hierarchie „%1“.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>Die Abfrage hat zu viele Elementkombinationen.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Nicht genügend Arbeitsspeicher beim Verbinden mit dem Würfelserver.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>Die Abfrage ist ungültig: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>der Würfel hat keine Hierarchie „%1“</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>der Würfel hat keine Kennzahl „%1“</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>dem Katalog „%1“</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Die Würfeldatei „%1“ ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Die Würfeldatei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Die Würfeldatei „%1“ kann nicht verwendet werden (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>ein Eintrag</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 hat keinen Wert</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>dem Wert von %1 fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>auf den Wert von %1 in Anführungszeichen folgt noch Text</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Die Würfeldatei „%1“ hat keine Tabelle %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (es ist ein %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Die Würfeldatei „%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Die Würfeldatei „%1“ antwortet nicht: Das Lesen hat %2 Sekunden lang nichts geliefert und wurde deshalb abgebrochen.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Das System konnte keinen Thread starten</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Der Würfelserver ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>Die Abfrage wurde abgebrochen: Sie haben das Warten auf den Würfelserver beendet.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Der Würfelserver hat nicht innerhalb von %1 Sekunden geantwortet; die Abfrage wurde abgebrochen.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>In %1 können die Fakten von „%2“ nicht der Dimensionstabelle „%3“ zugeordnet werden: Der Server kann den Faktenschlüssel „%4“ nicht mit dem Dimensionsschlüssel „%5“ vergleichen (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>die Hierarchie „%1“ nennt eine unbekannte Dimension</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>die Hierarchie „%1“ hat keine Ebenen</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>der Würfel „%1“ hat keine Hierarchien</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>die Kennzahl „%1“ hat eine unbekannte Aggregation „%2“</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>die Kennzahl „%1“ hat keine Spalte</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Die Pivot-Tabelle kann nicht gedruckt werden:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Das Bild konnte nicht unter %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: Bitte geben Sie eine ganze Zahl von Pixeln zwischen 1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>%1 Ergebnis</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Gesamtergebnis</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Details: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Die ersten %1 Zeilen werden angezeigt.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 Zeilen.</translation>
    </message>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Ziehen zum Verschieben, aus der Pivot-Tabelle ziehen zum Entfernen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtern...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>In den Zeilenbereich verschieben</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>In den Spaltenbereich verschieben</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>In den Filterbereich verschieben</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Feld entfernen</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Felder suchen</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Zum Datenbereich hinzufügen</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Zum Zeilenbereich hinzufügen</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Zum Spaltenbereich hinzufügen</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Zum Filterbereich hinzufügen</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Keine auswählen</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Die Pivot-Tabelle hat keine Verbindungszeichenfolge</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Würfel %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Die Pivot-Tabelle kann diese XML-Daten nicht verwenden</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>Die XML-Daten passen nicht zu Würfel %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Details anzeigen</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Reduzieren</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Erweitern</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Gesamte Ebene erweitern</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Gesamte Ebene reduzieren</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Von A bis Z sortieren</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Von Z bis A sortieren</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Ursprüngliche Reihenfolge</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Teilergebnisse anzeigen</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Gesamtergebnis anzeigen</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Zeilen nach „%1“ sortieren, größte zuerst</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Zeilen nach „%1“ sortieren, kleinste zuerst</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Spalten nach „%1“ sortieren, größte zuerst</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Felder zum Filtern hierher ziehen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Spaltenfelder hierher ziehen</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Zeilenfelder hierher ziehen</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Kennzahlen hierher ziehen</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objekt unterstützt diese Eigenschaft oder Methode nicht: %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Die Pivot-Tabelle kann kein Bild als %1 exportieren</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Ungültige Bildgröße</translation>
    </message>
    <message>
        <source>Waiting for the cube server: %1 s</source>
        <translation>Warten auf den Würfelserver: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Nicht mehr warten</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Würfel wird gelesen: %1 von %2 Zeilen</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Würfel wird gelesen: %1 Zeilen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Datenfeld:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Zahlenformat:</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Der Würfel hat ein unvollständiges Ergebnis geliefert</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Der Ordner „%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: Eine andere Datei enthält den Bericht „%2“ bereits.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Der Bericht hat %1 seiner 4 Felder.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Ansichtsmodus oder Diagrammtyp des Berichts ist keine Zahl.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Der Bericht hat %1 seiner 3 Felder.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Der Ansichtsmodus des Berichts ist keine Zahl.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Ein Bericht braucht einen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>„%1“ kann nicht der Name eines Berichts sein.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Ein Berichtsname darf weder „/“ noch „\“ enthalten.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Ein Berichtsname darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Der Berichtsname ist zu lang.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>In %1 wurde kein Würfel gefunden.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Legen Sie Würfeldateien (*.cub) in diesen Ordner, oder geben Sie in ServerName.txt einen Würfelserver an.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 enthält „***“, „XYZ“ oder „XXX“, die die Berichtsdatei für sich selbst verwendet.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Die Pivot-Tabelle (der Name ihres Würfels, Servers oder ihrer Datenbank, ein Element oder ein Titel)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Das Diagramm</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>Die Beschreibung, der Typ oder die Kategorie</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>Ansichtsmodus oder Diagrammtyp kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Diese Berichtsdateien und -ordner konnten nicht gelesen werden und wurden ausgelassen:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>sein Ordner führt aus dem Datenordner hinaus.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Speichert den aktuellen Bericht als neuen Bericht</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: „%2“ kann nicht in einem Bericht gespeichert werden. Bitte schreiben Sie es anders.</translation>
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
        <translation>Kein Dateiname</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: keine Datei</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: Die Datei ist größer, als ein Textfeld aufnehmen kann</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: Codepage %2 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Kein Text zum Speichern</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Unbekannte Codierung %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Der Text kann nicht in Codepage %1 geschrieben werden</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: Die Datei ist bereits vorhanden</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: ist ein Ordner</translation>
    </message>
</context>
</TS>
