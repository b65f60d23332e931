<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>chart</name>
    <message>
        <source>Chart fields</source>
        <translation>Pole grafu</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Řady</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Hodnoty</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>The picture cannot be exported as %1</source>
        <translation>Obrázek nelze exportovat jako %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Obrázek nelze exportovat ve velikosti %1 × %2 pixelů</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Sloupcový</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Skládaný sloupcový</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Skládaný sloupcový 100%</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Pruhový</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Skládaný pruhový</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Skládaný pruhový 100%</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Spojnicový</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Spojnicový se značkami</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Skládaný spojnicový</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Skládaný spojnicový se značkami</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Skládaný spojnicový 100%</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Skládaný spojnicový se značkami 100%</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Vyhlazený spojnicový</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Vyhlazený spojnicový se značkami</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Skládaný vyhlazený spojnicový</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Skládaný vyhlazený spojnicový se značkami</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Skládaný vyhlazený spojnicový 100%</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Skládaný vyhlazený spojnicový se značkami 100%</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Výsečový</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Rozložený výsečový</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Skládaný výsečový</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Prstencový</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Rozložený prstencový</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Plošný</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Skládaný plošný</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Skládaný plošný 100%</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Paprskový</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Paprskový se značkami</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Vyplněný paprskový</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Vyhlazený paprskový</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Vyhlazený paprskový se značkami</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Bodový XY</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bublinový</translation>
    </message>
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Obrázek nelze exportovat: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>obrázek této velikosti nelze uložit do formátu GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nedostatek paměti</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Server a databáze jsou uvedeny v souboru %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>Databáze %1 na serveru %2 neobsahuje žádnou krychli.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Chybová zpráva: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Název serveru a název databáze nesmějí obsahovat čárku ani zalomení řádku: soubor ServerName.txt by je nemohl uložit.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Vypište prosím databáze serveru %1 a jednu vyberte.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Sestava „%1“ nebyla otevřena: připojuje se k „%2“, ale sestavy této datové složky patří k „%3“.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Sestava „%1“ nebyla otevřena: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>Popis sestavy „%1“ je příliš velký na zobrazení: %2 znaků, nejvýše %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>Popis sestavy „%1“ je vnořen příliš hluboko, aby se zobrazil tak, jak je napsán; jeho nejvnitřnější úrovně se zobrazí zploštěné.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Katalog „%1“ neobsahuje žádné krychle.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Soubor krychle „%1“ neobsahuje krychli „%2“.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>Připojovací řetězec není platný: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>hodnota nemá klíčové slovo</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>port v „%1“ není číslo</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Metadata krychle nejsou platná: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>chybí %1</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>žádná krychle s názvem „%1“</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>tabulka faktů</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>název dimenze</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>tabulka dimenze %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>klíč dimenze %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>klíč faktů dimenze %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>název hierarchie</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>dimenze hierarchie %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>úrovně hierarchie „%1“ nejsou číslovány 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>název úrovně</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>klíčový sloupec úrovně %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>název míry</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>V %1 obsahuje tabulka dimenze „%2“ klíč „%3“ víckrát. Klíče tabulky dimenze musí být jedinečné.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>souboru krychle „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>„%1“ není soubor krychle.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Soubor krychle „%1“ má formát %2, který tento program neumí číst.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Soubor krychle „%1“ musí obsahovat právě jednu krychli.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Krychle nemá hierarchii „%1“.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>Dotaz má příliš mnoho kombinací členů.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Při připojování k serveru krychlí došla paměť.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>Dotaz není platný: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>krychle nemá hierarchii „%1“</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>krychle nemá míru „%1“</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>katalogu „%1“</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Soubor krychle „%1“ neexistuje.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Soubor krychle „%1“ nelze otevřít: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Soubor krychle „%1“ nelze použít (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>položka</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 nemá hodnotu</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>hodnota %1 nemá uzavírací uvozovky</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>za hodnotou %1 v uvozovkách následuje text</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Soubor krychle „%1“ nemá tabulku %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (je to %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Soubor krychle „%1“ nelze použít: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Soubor krychle „%1“ neodpovídá: čtení nepřineslo nic po dobu %2 s, proto bylo zastaveno.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Systém nemohl spustit vlákno</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Server krychlí není dostupný: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>Dotaz byl zrušen: přestali jste čekat na server krychlí.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Server krychlí neodpověděl do %1 sekund; dotaz byl zrušen.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>V %1 nelze fakta z „%2“ přiřadit k tabulce dimenze „%3“: server nedokáže porovnat klíč faktů „%4“ s klíčem dimenze „%5“ (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>hierarchie „%1“ odkazuje na neznámou dimenzi</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>hierarchie „%1“ nemá žádné úrovně</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>krychle „%1“ nemá žádné hierarchie</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>míra „%1“ má neznámou agregaci „%2“</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>míra „%1“ nemá žádný sloupec</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Kontingenční tabulku nelze vytisknout:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Obrázek nelze uložit do %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: zadejte prosím celé číslo pixelů od 1 do %2.</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>%1 celkem</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Celkový součet</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Podrobnosti: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Zobrazeno prvních %1 řádků.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>Řádků: %1.</translation>
    </message>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Přetažením přesunete, přetažením mimo kontingenční tabulku odeberete; pravým tlačítkem zobrazíte další možnosti</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtr...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Přesunout do oblasti řádků</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Přesunout do oblasti sloupců</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Přesunout do oblasti filtru</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Přesunout doleva</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Přesunout doprava</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Odebrat pole</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Hledat pole</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Míry</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Přidat do oblasti dat</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Přidat do oblasti řádků</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Přidat do oblasti sloupců</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Přidat do oblasti filtru</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtr: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Zrušit výběr</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Kontingenční tabulka nemá připojovací řetězec</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Krychli %1 nelze otevřít</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Kontingenční tabulka nemůže tato data XML použít</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>Data XML neodpovídají krychli %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Zobrazit podrobnosti</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Sbalit</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Rozbalit</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Rozbalit celou úroveň</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Sbalit celou úroveň</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Seřadit od A do Z</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Seřadit od Z do A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Původní pořadí</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Zobrazit souhrny</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Zobrazit celkový součet</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Seřadit řádky podle „%1“, od největšího</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Seřadit řádky podle „%1“, od nejmenšího</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Seřadit sloupce podle „%1“, od největšího</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Sem přetáhněte pole pro filtrování</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Sloupce</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Sem přetáhněte pole pro sloupce</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Řádky</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Sem přetáhněte pole pro řádky</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Sem přetáhněte míry</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Objekt nepodporuje tuto vlastnost nebo metodu: %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Neplatná hodnota vlastnosti</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Kontingenční tabulka nemůže exportovat obrázek jako %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Neplatná velikost obrázku</translation>
    </message>
    <message>
        <source>Waiting for the cube server: %1 s</source>
        <translation>Čeká se na server krychlí: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Přestat čekat</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Načítání krychle: %1 z %2 řádků</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Načítání krychle: %1 řádků</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Datové pole:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Popisek:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Formát čísla:</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Krychle vrátila neúplný výsledek</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Složku „%1“ nelze přečíst: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: sestavu „%2“ už obsahuje jiný soubor.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Sestava má %1 ze svých 4 polí.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Režim zobrazení nebo typ grafu sestavy není číslo.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Sestava má %1 ze svých 3 polí.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Režim zobrazení sestavy není číslo.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Sestava musí mít název.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>„%1“ nemůže být názvem sestavy.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Název sestavy nesmí obsahovat „/“ ani „\“.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Název sestavy nesmí obsahovat řídicí znaky.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Název sestavy je příliš dlouhý.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>V %1 nebyla nalezena žádná krychle.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Vložte do této složky soubory krychlí (*.cub) nebo uveďte server krychlí v souboru ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 obsahuje „***“, „XYZ“ nebo „XXX“, které si soubor sestavy vyhrazuje pro sebe.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Kontingenční tabulka (název její krychle, serveru nebo databáze, člen nebo nadpis)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>Popis, typ nebo kategorie</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>Režim zobrazení nebo typ grafu nelze uložit.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Tyto soubory a složky sestav nelze přečíst, a byly proto vynechány:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>jeho složka vede mimo datovou složku.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Uloží aktuální sestavu jako novou sestavu</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: „%2“ nelze v sestavě uložit. Napište to prosím jinak.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Obrázky (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Chybí název souboru</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: není soubor</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: soubor je větší, než kolik textové pole pojme</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: znakovou sadu %2 nelze číst</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Není co uložit</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Neznámé kódování %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Text nelze zapsat ve znakové sadě %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: soubor již existuje</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: je složka</translation>
    </message>
</context>
</TS>
