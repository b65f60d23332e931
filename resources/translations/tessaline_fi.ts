<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>chart</name>
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
        <source>The picture cannot be exported as %1</source>
        <translation>Kuvaa ei voi viedä muodossa %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Kuvaa ei voi viedä kokoisena %1 x %2 pikseliä</translation>
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
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Kuvaa ei voi viedä: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>tämän kokoista kuvaa ei voi tallentaa GIF-muotoon</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>muisti loppui</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Palvelin ja tietokanta on nimetty tiedostossa %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>Palvelimen %2 tietokannassa %1 ei ole yhtään kuutiota.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Virheilmoitus: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Palvelimen ja tietokannan nimessä ei saa olla pilkkua eikä rivinvaihtoa: ServerName.txt ei voisi tallentaa niitä.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Hae palvelimen %1 tietokannat ja valitse niistä yksi.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Raporttia &quot;%1&quot; ei avattu: se muodostaa yhteyden kohteeseen &quot;%2&quot;, mutta tämän datakansion raportit kuuluvat kohteeseen &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Raporttia &quot;%1&quot; ei avattu: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>Raportin &quot;%1&quot; kuvaus on liian suuri näytettäväksi: %2 merkkiä, enintään %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>Raportin &quot;%1&quot; kuvaus on sisäkkäinen liian syvälle näytettäväksi sellaisenaan; sen sisimmät tasot näytetään litistettyinä.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Luettelossa &quot;%1&quot; ei ole kuutioita.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Kuutiotiedostossa &quot;%1&quot; ei ole kuutiota &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>Yhteysmerkkijono ei kelpaa: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>arvolta puuttuu avainsana</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>kohteen &quot;%1&quot; portti ei ole luku</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Kuution metatiedot eivät kelpaa: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 puuttuu</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>ei kuutiota nimeltä &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>faktataulu</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>dimension nimi</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>dimension %1 taulu</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>dimension %1 avain</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>dimension %1 fakta-avain</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>hierarkian nimi</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>hierarkian %1 dimensio</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>hierarkian &quot;%1&quot; tasoja ei ole numeroitu 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>tason nimi</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>tason %1 avainsarake</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>mittarin nimi</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>%1: dimensiotaulussa &quot;%2&quot; avain &quot;%3&quot; esiintyy useammin kuin kerran. Dimensiotaulun avainten on oltava yksilöllisiä.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>Kuutiotiedosto &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>&quot;%1&quot; ei ole kuutiotiedosto.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Kuutiotiedoston &quot;%1&quot; muoto on %2, jota tämä ohjelma ei osaa lukea.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Kuutiotiedostossa &quot;%1&quot; on oltava täsmälleen yksi kuutio.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Kuutiossa ei ole hierarkiaa &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>Kyselyssä on liian monta jäsenyhdistelmää.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Muisti loppui yhdistettäessä kuutiopalvelimeen.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>Kysely ei kelpaa: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>kuutiossa ei ole hierarkiaa &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>kuutiossa ei ole mittaria &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>Luettelo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Kuutiotiedostoa &quot;%1&quot; ei ole.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Kuutiotiedostoa &quot;%1&quot; ei voi avata: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Kuutiotiedostoa &quot;%1&quot; ei voi käyttää (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>kohde</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>kohteella %1 ei ole arvoa</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>kohteen %1 arvolta puuttuu loppulainausmerkki</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>kohteen %1 lainausmerkeissä olevan arvon perässä on tekstiä</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Kuutiotiedostossa &quot;%1&quot; ei ole taulua %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (se on %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Kuutiotiedostoa &quot;%1&quot; ei voi käyttää: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Kuutiotiedosto &quot;%1&quot; ei vastaa: lukeminen ei tuottanut mitään %2 sekuntiin, joten se keskeytettiin.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Järjestelmä ei voinut käynnistää säiettä</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Kuutiopalvelimeen ei saada yhteyttä: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>Kysely peruttiin: lopetit kuutiopalvelimen odottamisen.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Kuutiopalvelin ei vastannut %1 sekunnin kuluessa; kysely peruttiin.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>%1: taulun &quot;%2&quot; faktoja ei voi liittää dimensiotauluun &quot;%3&quot;: palvelin ei pysty vertaamaan faktan avainta &quot;%4&quot; dimension avaimeen &quot;%5&quot; (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>hierarkia &quot;%1&quot; viittaa tuntemattomaan dimensioon</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>hierarkialla &quot;%1&quot; ei ole tasoja</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>kuutiolla &quot;%1&quot; ei ole hierarkioita</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>mittarilla &quot;%1&quot; on tuntematon koostefunktio &quot;%2&quot;</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>mittarilla &quot;%1&quot; ei ole saraketta</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Pivot-taulukkoa ei voi tulostaa:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Kuvaa ei voitu tallentaa kohteeseen %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: kirjoita pikselimäärä kokonaislukuna väliltä 1–%2.</translation>
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
        <source>Waiting for the cube server: %1 s</source>
        <translation>Odotetaan kuutiopalvelinta: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Lopeta odottaminen</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Luetaan kuutiota: %1/%2 riviä</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Luetaan kuutiota: %1 riviä</translation>
    </message>
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
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Kuutio palautti epätäydellisen tuloksen</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Kansiota &quot;%1&quot; ei voi lukea: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: raportti &quot;%2&quot; on jo toisessa tiedostossa.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Raportissa on %1 sen 4 kentästä.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Raportin näkymätila tai kaaviotyyppi ei ole luku.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Raportissa on %1 sen 3 kentästä.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Raportin näkymätila ei ole luku.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Raportilla on oltava nimi.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>&quot;%1&quot; ei voi olla raportin nimi.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Raportin nimessä ei saa olla merkkiä &quot;/&quot; tai &quot;\&quot;.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Raportin nimessä ei saa olla ohjausmerkkejä.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Raportin nimi on liian pitkä.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>Kansiosta %1 ei löytynyt yhtään kuutiota.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Lisää kansioon kuutiotiedostoja (*.cub) tai nimeä kuutiopalvelin tiedostossa ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 sisältää merkkijonon &quot;***&quot;, &quot;XYZ&quot; tai &quot;XXX&quot;, jotka raporttitiedosto varaa omaan käyttöönsä.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Pivot-taulukko (sen kuution, palvelimen tai tietokannan nimi, jäsen tai otsikko)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Kaavio</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>Kuvaus, tyyppi tai luokka</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>Näkymätilaa tai kaaviotyyppiä ei voi tallentaa.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Näitä raporttitiedostoja ja -kansioita ei voitu lukea, joten ne jätettiin pois:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>sen kansio johtaa datakansion ulkopuolelle.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Tallentaa nykyisen raportin uutena raporttina</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: merkkijonoa &quot;%2&quot; ei voi tallentaa raporttiin. Kirjoita se toisin.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Kuvat (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Ei tiedostonimeä</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: ei ole tiedosto</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: tiedosto on suurempi kuin tekstiruutuun mahtuu</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: koodisivua %2 ei voi lukea</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Ei tallennettavaa tekstiä</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Tuntematon koodaus %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Tekstiä ei voi kirjoittaa koodisivulla %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: tiedosto on jo olemassa</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: on kansio</translation>
    </message>
</context>
</TS>
