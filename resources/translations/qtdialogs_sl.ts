<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="sl">
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>V redu</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Shrani</translation>
    </message>
    <message>
      <source>Save All</source>
      <translation>Shrani vse</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Odpri</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Da</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>Da za &amp;vse</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Ne</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>N&amp;e za vse</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>Prekini</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Poskusi znova</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>Prezri</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Zapri</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Prekliči</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Zavrzi</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Pomoč</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Uporabi</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>Ponastavi</translation>
    </message>
    <message>
      <source>Restore Defaults</source>
      <translation>Obnovi privzete</translation>
    </message>
  </context>
  <context>
    <name>QPrintDialog</name>
    <message>
      <source>Even Pages</source>
      <translation>Sode strani</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Tiskanje</translation>
    </message>
    <message>
      <source>&amp;Options &lt;&lt;</source>
      <translation>&amp;Možnosti &lt;&lt;</translation>
    </message>
    <message>
      <source>&amp;Options &gt;&gt;</source>
      <translation>&amp;Možnosti &gt;&gt;</translation>
    </message>
    <message>
      <source>Left to Right, Top to Bottom</source>
      <translation>Od leve proti desni, od zgoraj navzdol</translation>
    </message>
    <message>
      <source>Right to Left, Bottom to Top</source>
      <translation>Od desne proti levi, od spodaj navzgor</translation>
    </message>
    <message>
      <source>Write PDF file</source>
      <translation>Zapiši datoteko PDF</translation>
    </message>
    <message>
      <source>&amp;Print</source>
      <translation>&amp;Natisni</translation>
    </message>
    <message>
      <source>1 (1x1)</source>
      <translation>1 (1x1)</translation>
    </message>
    <message>
      <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
      <translation>Možnosti »Strani na list« in »Nabor strani« ni mogoče uporabiti hkrati.
Izklopite eno od njiju.</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to overwrite it?</source>
      <translation>%1 že obstaja.
Ali jo želite prepisati?</translation>
    </message>
    <message>
      <source>2 (2x1)</source>
      <translation>2 (2x1)</translation>
    </message>
    <message>
      <source>Left to Right, Bottom to Top</source>
      <translation>Od leve proti desni, od spodaj navzgor</translation>
    </message>
    <message>
      <source>4 (2x2)</source>
      <translation>4 (2x2)</translation>
    </message>
    <message>
      <source>Odd Pages</source>
      <translation>Lihe strani</translation>
    </message>
    <message>
      <source>Local file</source>
      <translation>Krajevna datoteka</translation>
    </message>
    <message>
      <source>6 (2x3)</source>
      <translation>6 (2x3)</translation>
    </message>
    <message>
      <source>16 (4x4)</source>
      <translation>16 (4x4)</translation>
    </message>
    <message>
      <source>There are conflicts in duplex settings. Do you want to fix them?</source>
      <translation>Nastavitve obojestranskega tiskanja so v sporu. Ali jih želite popraviti?</translation>
    </message>
    <message>
      <source>Print to File (PDF)</source>
      <translation>Natisni v datoteko (PDF)</translation>
    </message>
    <message>
      <source>Print To File ...</source>
      <translation>Natisni v datoteko ...</translation>
    </message>
    <message>
      <source>Invalid Pages Definition</source>
      <translation>Neveljavna določitev strani</translation>
    </message>
    <message>
      <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
      <translation>%1 nima pravilne skladnje. Za ločevanje obsegov in strani uporabite ',', za določanje obsegov '-', in poskrbite, da se obsegi ne prekrivajo.</translation>
    </message>
    <message>
      <source>9 (3x3)</source>
      <translation>9 (3x3)</translation>
    </message>
    <message>
      <source>Right to Left, Top to Bottom</source>
      <translation>Od desne proti levi, od zgoraj navzdol</translation>
    </message>
    <message>
      <source>Bottom to Top, Left to Right</source>
      <translation>Od spodaj navzgor, od leve proti desni</translation>
    </message>
    <message>
      <source>The 'From' value cannot be greater than the 'To' value.</source>
      <translation>Vrednost »Od« ne sme biti večja od vrednosti »Do«.</translation>
    </message>
    <message>
      <source>All Pages</source>
      <translation>Vse strani</translation>
    </message>
    <message>
      <source>Duplex Settings Conflicts</source>
      <translation>Spor v nastavitvah obojestranskega tiskanja</translation>
    </message>
    <message>
      <source>%1 is a directory.
Please choose a different file name.</source>
      <translation>%1 je mapa.
Izberite drugo ime datoteke.</translation>
    </message>
    <message>
      <source>File %1 is not writable.
Please choose a different file name.</source>
      <translation>V datoteko %1 ni mogoče pisati.
Izberite drugo ime datoteke.</translation>
    </message>
    <message>
      <source>Bottom to Top, Right to Left</source>
      <translation>Od spodaj navzgor, od desne proti levi</translation>
    </message>
    <message>
      <source>Top to Bottom, Left to Right</source>
      <translation>Od zgoraj navzdol, od leve proti desni</translation>
    </message>
    <message>
      <source>Top to Bottom, Right to Left</source>
      <translation>Od zgoraj navzdol, od desne proti levi</translation>
    </message>
  </context>
  <context>
    <name>QPrintWidget</name>
    <message>
      <source>...</source>
      <translation>...</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Obrazec</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Vrsta:</translation>
    </message>
    <message>
      <source>&amp;Name:</source>
      <translation>&amp;Ime:</translation>
    </message>
    <message>
      <source>Output &amp;file:</source>
      <translation>Izhodna &amp;datoteka:</translation>
    </message>
    <message>
      <source>P&amp;roperties</source>
      <translation>&amp;Lastnosti</translation>
    </message>
    <message>
      <source>Preview</source>
      <translation>Predogled</translation>
    </message>
    <message>
      <source>Printer</source>
      <translation>Tiskalnik</translation>
    </message>
    <message>
      <source>Location:</source>
      <translation>Mesto:</translation>
    </message>
  </context>
  <context>
    <name>QPrintSettingsOutput</name>
    <message>
      <source>to</source>
      <translation>do</translation>
    </message>
    <message>
      <source>Off</source>
      <translation>Izklopljeno</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Obrazec</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Barvno</translation>
    </message>
    <message>
      <source>Print all</source>
      <translation>Natisni vse</translation>
    </message>
    <message>
      <source>Pages</source>
      <translation>Strani</translation>
    </message>
    <message>
      <source>Current Page</source>
      <translation>Trenutna stran</translation>
    </message>
    <message>
      <source>Selection</source>
      <translation>Izbor</translation>
    </message>
    <message>
      <source>Copies</source>
      <translation>Kopije</translation>
    </message>
    <message>
      <source>Print range</source>
      <translation>Obseg tiskanja</translation>
    </message>
    <message>
      <source>Color Mode</source>
      <translation>Barvni način</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>Možnosti</translation>
    </message>
    <message>
      <source>Output Settings</source>
      <translation>Nastavitve izhoda</translation>
    </message>
    <message>
      <source>Reverse</source>
      <translation>Obratni vrstni red</translation>
    </message>
    <message>
      <source>Grayscale</source>
      <translation>Sivinsko</translation>
    </message>
    <message>
      <source>Collate</source>
      <translation>Zbiranje</translation>
    </message>
    <message>
      <source>Copies:</source>
      <translation>Kopije:</translation>
    </message>
    <message>
      <source>Short side binding</source>
      <translation>Vezava po krajši stranici</translation>
    </message>
    <message>
      <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
      <translation>Navedite strani ali obsege, ločene z vejicami. Obseg določata dve števili, ločeni z vezajem. Npr.: 3,5-7,9 natisne strani 3, 5, 6, 7 in 9.</translation>
    </message>
    <message>
      <source>Pages from</source>
      <translation>Strani od</translation>
    </message>
    <message>
      <source>Double Sided Printing</source>
      <translation>Obojestransko tiskanje</translation>
    </message>
    <message>
      <source>Page Set:</source>
      <translation>Nabor strani:</translation>
    </message>
    <message>
      <source>Long side binding</source>
      <translation>Vezava po daljši stranici</translation>
    </message>
  </context>
  <context>
    <name>QPrintPropertiesWidget</name>
    <message>
      <source>Form</source>
      <translation>Obrazec</translation>
    </message>
    <message>
      <source>Page</source>
      <translation>Stran</translation>
    </message>
    <message>
      <source>There are conflicts in some options. Please fix them.</source>
      <translation>Nekatere možnosti so v sporu. Popravite jih.</translation>
    </message>
    <message>
      <source>Advanced</source>
      <translation>Napredno</translation>
    </message>
  </context>
  <context>
    <name>QPrintPropertiesDialog</name>
    <message>
      <source>Advanced Option Conflicts</source>
      <translation>Spor v naprednih možnostih</translation>
    </message>
    <message>
      <source>Job Options</source>
      <translation>Možnosti posla</translation>
    </message>
    <message>
      <source>Page Setup Conflicts</source>
      <translation>Spor v nastavitvi strani</translation>
    </message>
    <message>
      <source>There are conflicts in some advanced options. Do you want to fix them?</source>
      <translation>Nekatere napredne možnosti so v sporu. Ali jih želite popraviti?</translation>
    </message>
    <message>
      <source>There are conflicts in page setup options. Do you want to fix them?</source>
      <translation>Možnosti nastavitve strani so v sporu. Ali jih želite popraviti?</translation>
    </message>
    <message>
      <source>Printer Properties</source>
      <translation>Lastnosti tiskalnika</translation>
    </message>
  </context>
  <context>
    <name>QPageSetupWidget</name>
    <message>
      <source>CC</source>
      <translation>CC</translation>
    </message>
    <message>
      <source>DD</source>
      <translation>DD</translation>
    </message>
    <message>
      <source>in</source>
      <translation>pal.</translation>
    </message>
    <message>
      <source>mm</source>
      <translation>mm</translation>
    </message>
    <message>
      <source>pt</source>
      <translation>pt</translation>
    </message>
    <message>
      <source>P̸</source>
      <translation>P̸</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Obrazec</translation>
    </message>
    <message>
      <source>bottom margin</source>
      <translation>spodnji rob</translation>
    </message>
    <message>
      <source>Paper</source>
      <translation>Papir</translation>
    </message>
    <message>
      <source>Paper source:</source>
      <translation>Vir papirja:</translation>
    </message>
    <message>
      <source>right margin</source>
      <translation>desni rob</translation>
    </message>
    <message>
      <source>Pica (P̸)</source>
      <translation>Pica (P̸)</translation>
    </message>
    <message>
      <source>Margins</source>
      <translation>Robovi</translation>
    </message>
    <message>
      <source>Custom</source>
      <translation>Po meri</translation>
    </message>
    <message>
      <source>Landscape</source>
      <translation>Ležeče</translation>
    </message>
    <message>
      <source>Page Layout</source>
      <translation>Postavitev strani</translation>
    </message>
    <message>
      <source>Width:</source>
      <translation>Širina:</translation>
    </message>
    <message>
      <source>Orientation</source>
      <translation>Usmerjenost</translation>
    </message>
    <message>
      <source>Didot (DD)</source>
      <translation>Didot (DD)</translation>
    </message>
    <message>
      <source>Portrait</source>
      <translation>Pokončno</translation>
    </message>
    <message>
      <source>Page order:</source>
      <translation>Vrstni red strani:</translation>
    </message>
    <message>
      <source>top margin</source>
      <translation>zgornji rob</translation>
    </message>
    <message>
      <source>left margin</source>
      <translation>levi rob</translation>
    </message>
    <message>
      <source>Page size:</source>
      <translation>Velikost strani:</translation>
    </message>
    <message>
      <source>Cicero (CC)</source>
      <translation>Cicero (CC)</translation>
    </message>
    <message>
      <source>Reverse portrait</source>
      <translation>Obrnjeno pokončno</translation>
    </message>
    <message>
      <source>Millimeters (mm)</source>
      <translation>Milimetri (mm)</translation>
    </message>
    <message>
      <source>Points (pt)</source>
      <translation>Točke (pt)</translation>
    </message>
    <message>
      <source>Pages per sheet:</source>
      <translation>Strani na list:</translation>
    </message>
    <message>
      <source>Inches (in)</source>
      <translation>Palci (pal.)</translation>
    </message>
    <message>
      <source>Reverse landscape</source>
      <translation>Obrnjeno ležeče</translation>
    </message>
    <message>
      <source>Height:</source>
      <translation>Višina:</translation>
    </message>
  </context>
  <context>
    <name>QPageSize</name>
    <message>
      <source>A0</source>
      <translation>A0</translation>
    </message>
    <message>
      <source>A1</source>
      <translation>A1</translation>
    </message>
    <message>
      <source>A2</source>
      <translation>A2</translation>
    </message>
    <message>
      <source>A3</source>
      <translation>A3</translation>
    </message>
    <message>
      <source>A4</source>
      <translation>A4</translation>
    </message>
    <message>
      <source>A5</source>
      <translation>A5</translation>
    </message>
    <message>
      <source>A6</source>
      <translation>A6</translation>
    </message>
    <message>
      <source>A7</source>
      <translation>A7</translation>
    </message>
    <message>
      <source>A8</source>
      <translation>A8</translation>
    </message>
    <message>
      <source>A9</source>
      <translation>A9</translation>
    </message>
    <message>
      <source>B0</source>
      <translation>B0</translation>
    </message>
    <message>
      <source>B1</source>
      <translation>B1</translation>
    </message>
    <message>
      <source>B2</source>
      <translation>B2</translation>
    </message>
    <message>
      <source>B3</source>
      <translation>B3</translation>
    </message>
    <message>
      <source>B4</source>
      <translation>B4</translation>
    </message>
    <message>
      <source>B5</source>
      <translation>B5</translation>
    </message>
    <message>
      <source>B6</source>
      <translation>B6</translation>
    </message>
    <message>
      <source>B7</source>
      <translation>B7</translation>
    </message>
    <message>
      <source>B8</source>
      <translation>B8</translation>
    </message>
    <message>
      <source>B9</source>
      <translation>B9</translation>
    </message>
    <message>
      <source>A10</source>
      <translation>A10</translation>
    </message>
    <message>
      <source>B10</source>
      <translation>B10</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Note</translation>
    </message>
    <message>
      <source>Letter / ANSI A</source>
      <translation>Letter / ANSI A</translation>
    </message>
    <message>
      <source>Legal</source>
      <translation>Legal</translation>
    </message>
    <message>
      <source>Envelope Monarch</source>
      <translation>Ovojnica Monarch</translation>
    </message>
    <message>
      <source>Architect A</source>
      <translation>Architect A</translation>
    </message>
    <message>
      <source>Architect B</source>
      <translation>Architect B</translation>
    </message>
    <message>
      <source>Architect C</source>
      <translation>Architect C</translation>
    </message>
    <message>
      <source>Architect D</source>
      <translation>Architect D</translation>
    </message>
    <message>
      <source>Architect E</source>
      <translation>Architect E</translation>
    </message>
    <message>
      <source>Letter Extra</source>
      <translation>Letter Extra</translation>
    </message>
    <message>
      <source>Letter Small</source>
      <translation>Letter (majhen)</translation>
    </message>
    <message>
      <source>Envelope You 4</source>
      <translation>Ovojnica You 4</translation>
    </message>
    <message>
      <source>Envelope US 10</source>
      <translation>Ovojnica US 10</translation>
    </message>
    <message>
      <source>Envelope US 11</source>
      <translation>Ovojnica US 11</translation>
    </message>
    <message>
      <source>Envelope US 12</source>
      <translation>Ovojnica US 12</translation>
    </message>
    <message>
      <source>Envelope US 14</source>
      <translation>Ovojnica US 14</translation>
    </message>
    <message>
      <source>Envelope PRC 1</source>
      <translation>Ovojnica PRC 1</translation>
    </message>
    <message>
      <source>Envelope PRC 2</source>
      <translation>Ovojnica PRC 2</translation>
    </message>
    <message>
      <source>Envelope PRC 3</source>
      <translation>Ovojnica PRC 3</translation>
    </message>
    <message>
      <source>Envelope PRC 4</source>
      <translation>Ovojnica PRC 4</translation>
    </message>
    <message>
      <source>Envelope PRC 5</source>
      <translation>Ovojnica PRC 5</translation>
    </message>
    <message>
      <source>Envelope PRC 6</source>
      <translation>Ovojnica PRC 6</translation>
    </message>
    <message>
      <source>Envelope PRC 7</source>
      <translation>Ovojnica PRC 7</translation>
    </message>
    <message>
      <source>Envelope PRC 8</source>
      <translation>Ovojnica PRC 8</translation>
    </message>
    <message>
      <source>Envelope PRC 9</source>
      <translation>Ovojnica PRC 9</translation>
    </message>
    <message>
      <source>Envelope C65</source>
      <translation>Ovojnica C65</translation>
    </message>
    <message>
      <source>Envelope DL</source>
      <translation>Ovojnica DL</translation>
    </message>
    <message>
      <source>Envelope B4</source>
      <translation>Ovojnica B4</translation>
    </message>
    <message>
      <source>Envelope B5</source>
      <translation>Ovojnica B5</translation>
    </message>
    <message>
      <source>Envelope B6</source>
      <translation>Ovojnica B6</translation>
    </message>
    <message>
      <source>Envelope C0</source>
      <translation>Ovojnica C0</translation>
    </message>
    <message>
      <source>Envelope C1</source>
      <translation>Ovojnica C1</translation>
    </message>
    <message>
      <source>Envelope C2</source>
      <translation>Ovojnica C2</translation>
    </message>
    <message>
      <source>Envelope C3</source>
      <translation>Ovojnica C3</translation>
    </message>
    <message>
      <source>Envelope C4</source>
      <translation>Ovojnica C4</translation>
    </message>
    <message>
      <source>Envelope C5</source>
      <translation>Ovojnica C5</translation>
    </message>
    <message>
      <source>Envelope C6</source>
      <translation>Ovojnica C6</translation>
    </message>
    <message>
      <source>Envelope C7</source>
      <translation>Ovojnica C7</translation>
    </message>
    <message>
      <source>Executive (7.5 x 10 in)</source>
      <translation>Executive (7,5 x 10 pal.)</translation>
    </message>
    <message>
      <source>ANSI C</source>
      <translation>ANSI C</translation>
    </message>
    <message>
      <source>ANSI D</source>
      <translation>ANSI D</translation>
    </message>
    <message>
      <source>ANSI E</source>
      <translation>ANSI E</translation>
    </message>
    <message>
      <source>A4 Plus</source>
      <translation>A4 Plus</translation>
    </message>
    <message>
      <source>Custom</source>
      <translation>Po meri</translation>
    </message>
    <message>
      <source>JIS B0</source>
      <translation>JIS B0</translation>
    </message>
    <message>
      <source>JIS B1</source>
      <translation>JIS B1</translation>
    </message>
    <message>
      <source>JIS B2</source>
      <translation>JIS B2</translation>
    </message>
    <message>
      <source>JIS B3</source>
      <translation>JIS B3</translation>
    </message>
    <message>
      <source>JIS B4</source>
      <translation>JIS B4</translation>
    </message>
    <message>
      <source>JIS B5</source>
      <translation>JIS B5</translation>
    </message>
    <message>
      <source>JIS B6</source>
      <translation>JIS B6</translation>
    </message>
    <message>
      <source>JIS B7</source>
      <translation>JIS B7</translation>
    </message>
    <message>
      <source>JIS B8</source>
      <translation>JIS B8</translation>
    </message>
    <message>
      <source>JIS B9</source>
      <translation>JIS B9</translation>
    </message>
    <message>
      <source>A3 Extra</source>
      <translation>A3 Extra</translation>
    </message>
    <message>
      <source>PRC 16K</source>
      <translation>PRC 16K</translation>
    </message>
    <message>
      <source>PRC 32K</source>
      <translation>PRC 32K</translation>
    </message>
    <message>
      <source>Quarto</source>
      <translation>Quarto</translation>
    </message>
    <message>
      <source>PRC 32K Big</source>
      <translation>PRC 32K (velik)</translation>
    </message>
    <message>
      <source>A4 Extra</source>
      <translation>A4 Extra</translation>
    </message>
    <message>
      <source>A4 Small</source>
      <translation>A4 (majhen)</translation>
    </message>
    <message>
      <source>Executive (7.25 x 10.5 in)</source>
      <translation>Executive (7,25 x 10,5 pal.)</translation>
    </message>
    <message>
      <source>Postcard</source>
      <translation>Dopisnica</translation>
    </message>
    <message>
      <source>Tabloid / ANSI B</source>
      <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
      <source>A5 Extra</source>
      <translation>A5 Extra</translation>
    </message>
    <message>
      <source>B5 Extra</source>
      <translation>B5 Extra</translation>
    </message>
    <message>
      <source>Envelope Invite</source>
      <translation>Ovojnica za vabilo</translation>
    </message>
    <message>
      <source>Envelope Chou 3</source>
      <translation>Ovojnica Chou 3</translation>
    </message>
    <message>
      <source>Envelope Chou 4</source>
      <translation>Ovojnica Chou 4</translation>
    </message>
    <message>
      <source>Statement</source>
      <translation>Statement</translation>
    </message>
    <message>
      <source>Fan-fold German (8.5 x 12 in)</source>
      <translation>Neskončni papir nemški (8,5 x 12 pal.)</translation>
    </message>
    <message>
      <source>Envelope PRC 10</source>
      <translation>Ovojnica PRC 10</translation>
    </message>
    <message>
      <source>Envelope Kaku 2</source>
      <translation>Ovojnica Kaku 2</translation>
    </message>
    <message>
      <source>Envelope Kaku 3</source>
      <translation>Ovojnica Kaku 3</translation>
    </message>
    <message>
      <source>Envelope US 9</source>
      <translation>Ovojnica US 9</translation>
    </message>
    <message>
      <source>%1 x %2 in</source>
      <translation>%1 x %2 pal.</translation>
    </message>
    <message>
      <source>Super A</source>
      <translation>Super A</translation>
    </message>
    <message>
      <source>Super B</source>
      <translation>Super B</translation>
    </message>
    <message>
      <source>Fan-fold US (14.875 x 11 in)</source>
      <translation>Neskončni papir ZDA (14,875 x 11 pal.)</translation>
    </message>
    <message>
      <source>Fan-fold German Legal (8.5 x 13 in)</source>
      <translation>Neskončni papir nemški Legal (8,5 x 13 pal.)</translation>
    </message>
    <message>
      <source>Custom (%1in x %2in)</source>
      <translation>Po meri (%1 pal. x %2 pal.)</translation>
    </message>
    <message>
      <source>Custom (%1mm x %2mm)</source>
      <translation>Po meri (%1mm x %2mm)</translation>
    </message>
    <message>
      <source>Custom (%1CC x %2CC)</source>
      <translation>Po meri (%1CC x %2CC)</translation>
    </message>
    <message>
      <source>Custom (%1DD x %2DD)</source>
      <translation>Po meri (%1DD x %2DD)</translation>
    </message>
    <message>
      <source>Custom (%1pc x %2pc)</source>
      <translation>Po meri (%1pc x %2pc)</translation>
    </message>
    <message>
      <source>Custom (%1pt x %2pt)</source>
      <translation>Po meri (%1pt x %2pt)</translation>
    </message>
    <message>
      <source>Letter Plus</source>
      <translation>Letter Plus</translation>
    </message>
    <message>
      <source>Tabloid Extra</source>
      <translation>Tabloid Extra</translation>
    </message>
    <message>
      <source>Envelope Italian</source>
      <translation>Ovojnica italijanska</translation>
    </message>
    <message>
      <source>Double Postcard</source>
      <translation>Dvojna dopisnica</translation>
    </message>
    <message>
      <source>Legal Extra</source>
      <translation>Legal Extra</translation>
    </message>
    <message>
      <source>Folio (8.27 x 13 in)</source>
      <translation>Folio (8,27 x 13 pal.)</translation>
    </message>
    <message>
      <source>Ledger / ANSI B</source>
      <translation>Ledger / ANSI B</translation>
    </message>
    <message>
      <source>JIS B10</source>
      <translation>JIS B10</translation>
    </message>
    <message>
      <source>Envelope Personal</source>
      <translation>Ovojnica osebna</translation>
    </message>
  </context>
  <context>
    <name>QCupsJobWidget</name>
    <message>
      <source>Job</source>
      <translation>Posel</translation>
    </message>
    <message>
      <source>End:</source>
      <translation>Konec:</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Brez</translation>
    </message>
    <message>
      <source>Banner Pages</source>
      <translation>Naslovne strani</translation>
    </message>
    <message>
      <source>Night (18:00 to 05:59)</source>
      <translation>Noč (18:00 do 05:59)</translation>
    </message>
    <message>
      <source>Specific Time</source>
      <translation>Določen čas</translation>
    </message>
    <message>
      <source>Billing information:</source>
      <translation>Podatki za obračun:</translation>
    </message>
    <message>
      <source>Scheduled printing:</source>
      <translation>Načrtovano tiskanje:</translation>
    </message>
    <message>
      <source>Secret</source>
      <translation>Tajno</translation>
    </message>
    <message>
      <source>Top Secret</source>
      <translation>Strogo tajno</translation>
    </message>
    <message>
      <source>Start:</source>
      <translation>Začetek:</translation>
    </message>
    <message>
      <source>Day (06:00 to 17:59)</source>
      <translation>Dan (06:00 do 17:59)</translation>
    </message>
    <message>
      <source>Second Shift (16:00 to 23:59)</source>
      <translation>Druga izmena (16:00 do 23:59)</translation>
    </message>
    <message>
      <source>Job Control</source>
      <translation>Nadzor posla</translation>
    </message>
    <message>
      <source>Weekend (Saturday to Sunday)</source>
      <translation>Konec tedna (sobota do nedelja)</translation>
    </message>
    <message>
      <source>Standard</source>
      <translation>Običajno</translation>
    </message>
    <message>
      <source>Classified</source>
      <translation>Interno</translation>
    </message>
    <message>
      <source>Third Shift (00:00 to 07:59)</source>
      <translation>Tretja izmena (00:00 do 07:59)</translation>
    </message>
    <message>
      <source>Hold Indefinitely</source>
      <translation>Zadrži za nedoločen čas</translation>
    </message>
    <message>
      <source>Print Immediately</source>
      <translation>Natisni takoj</translation>
    </message>
    <message>
      <source>Confidential</source>
      <translation>Zaupno</translation>
    </message>
    <message>
      <source>Job priority:</source>
      <translation>Prednost posla:</translation>
    </message>
    <message>
      <source>Unclassified</source>
      <translation>Javno</translation>
    </message>
  </context>
  <context>
    <name>QCupsPrinterSupport</name>
    <message>
      <source>Authentication needed to use %1 on %2.</source>
      <translation>Za uporabo %1 na %2 je potrebna overitev.</translation>
    </message>
    <message>
      <source>Authentication needed to use %1.</source>
      <translation>Za uporabo %1 je potrebna overitev.</translation>
    </message>
    <message>
      <source>Authentication Needed</source>
      <translation>Potrebna je overitev</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>Geslo:</translation>
    </message>
    <message>
      <source>Username:</source>
      <translation>Uporabniško ime:</translation>
    </message>
  </context>
  <context>
    <name>QFileDialog</name>
    <message>
      <source>Back</source>
      <translation>Nazaj</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Odpri</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Odpri</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Shrani</translation>
    </message>
    <message>
      <source>Files</source>
      <translation>Datoteke</translation>
    </message>
    <message>
      <source>Show </source>
      <translation>Pokaži </translation>
    </message>
    <message>
      <source>'%1' is write protected.
Do you want to delete it anyway?</source>
      <translation>»%1« je zaščitena pred pisanjem.
Ali jo želite vseeno izbrisati?</translation>
    </message>
    <message>
      <source>Are you sure you want to delete '%1'?</source>
      <translation>Ali res želite izbrisati »%1«?</translation>
    </message>
    <message>
      <source>List of places and bookmarks</source>
      <translation>Seznam mest in zaznamkov</translation>
    </message>
    <message>
      <source>File &amp;name:</source>
      <translation>&amp;Ime datoteke:</translation>
    </message>
    <message>
      <source>Alt+Left</source>
      <translation>Alt+Left</translation>
    </message>
    <message>
      <source>Alt+Up</source>
      <translation>Alt+Up</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Izbriši</translation>
    </message>
    <message>
      <source>New Folder</source>
      <translation>Nova mapa</translation>
    </message>
    <message>
      <source>Parent Directory</source>
      <translation>Nadrejena mapa</translation>
    </message>
    <message>
      <source>&amp;New Folder</source>
      <translation>&amp;Nova mapa</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Odstrani</translation>
    </message>
    <message>
      <source>Look in:</source>
      <translation>Išči v:</translation>
    </message>
    <message>
      <source>Alt+Right</source>
      <translation>Alt+Right</translation>
    </message>
    <message>
      <source>Create a New Folder</source>
      <translation>Ustvari novo mapo</translation>
    </message>
    <message>
      <source>Files of type:</source>
      <translation>Datoteke vrste:</translation>
    </message>
    <message>
      <source>Find Directory</source>
      <translation>Najdi mapo</translation>
    </message>
    <message>
      <source>Show &amp;hidden files</source>
      <translation>Pokaži &amp;skrite datoteke</translation>
    </message>
    <message>
      <source>Save As</source>
      <translation>Shrani kot</translation>
    </message>
    <message>
      <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
      <translation>%1
Mape ni mogoče najti.
Preverite, ali je bilo podano pravilno ime mape.</translation>
    </message>
    <message>
      <source>Sidebar</source>
      <translation>Stranska vrstica</translation>
    </message>
    <message>
      <source>List View</source>
      <translation>Pogled seznama</translation>
    </message>
    <message>
      <source>&amp;Choose</source>
      <translation>&amp;Izberi</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Izbriši</translation>
    </message>
    <message>
      <source>All files (*)</source>
      <translation>Vse datoteke (*)</translation>
    </message>
    <message>
      <source>All Files (*)</source>
      <translation>Vse datoteke (*)</translation>
    </message>
    <message>
      <source>Directories</source>
      <translation>Mape</translation>
    </message>
    <message>
      <source>&amp;Rename</source>
      <translation>P&amp;reimenuj</translation>
    </message>
    <message>
      <source>Could not delete directory.</source>
      <translation>Mape ni bilo mogoče izbrisati.</translation>
    </message>
    <message>
      <source>Directory:</source>
      <translation>Mapa:</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to replace it?</source>
      <translation>%1 že obstaja.
Ali jo želite zamenjati?</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Naprej</translation>
    </message>
    <message>
      <source>Go forward</source>
      <translation>Pojdi naprej</translation>
    </message>
    <message>
      <source>Go to the parent directory</source>
      <translation>Pojdi v nadrejeno mapo</translation>
    </message>
    <message>
      <source>Recent Places</source>
      <translation>Nedavna mesta</translation>
    </message>
    <message>
      <source>Go back</source>
      <translation>Pojdi nazaj</translation>
    </message>
    <message>
      <source>Change to detail view mode</source>
      <translation>Preklopi na podroben pogled</translation>
    </message>
    <message>
      <source>Create New Folder</source>
      <translation>Ustvari novo mapo</translation>
    </message>
    <message>
      <source>Detail View</source>
      <translation>Podroben pogled</translation>
    </message>
    <message>
      <source>%1
File not found.
Please verify the correct file name was given.</source>
      <translation>%1
Datoteke ni mogoče najti.
Preverite, ali je bilo podano pravilno ime datoteke.</translation>
    </message>
    <message>
      <source>Change to list view mode</source>
      <translation>Preklopi na pogled seznama</translation>
    </message>
  </context>
  <context>
    <name>QFileSystemModel</name>
    <message>
      <source>Kind</source>
      <translation>Vrsta</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Ime</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>Velikost</translation>
    </message>
    <message>
      <source>Type</source>
      <translation>Vrsta</translation>
    </message>
    <message>
      <source>My Computer</source>
      <translation>Moj računalnik</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Računalnik</translation>
    </message>
    <message>
      <source>Date Modified</source>
      <translation>Datum spremembe</translation>
    </message>
  </context>
  <context>
    <name>QAbstractFileIconProvider</name>
    <message>
      <source>File</source>
      <translation>Datoteka</translation>
    </message>
    <message>
      <source>Alias</source>
      <translation>Vzdevek</translation>
    </message>
    <message>
      <source>Drive</source>
      <translation>Pogon</translation>
    </message>
    <message>
      <source>File Folder</source>
      <translation>Mapa z datotekami</translation>
    </message>
    <message>
      <source>Folder</source>
      <translation>Mapa</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Neznano</translation>
    </message>
    <message>
      <source>Shortcut</source>
      <translation>Bližnjica</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>I&amp;zreži</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Kopiraj</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Ponovi</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Razveljavi</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>Pri&amp;lepi</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Izbriši</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Izberi vse</translation>
    </message>
  </context>
</TS>
