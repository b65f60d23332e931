<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="no">
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Lagre</translation>
    </message>
    <message>
      <source>Save All</source>
      <translation>Lagre alle</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Åpne</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Ja</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>Ja til &amp;alle</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Nei</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>N&amp;ei til alle</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>Avbryt</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Prøv igjen</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>Ignorer</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Lukk</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Avbryt</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Forkast</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Hjelp</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Bruk</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>Tilbakestill</translation>
    </message>
    <message>
      <source>Restore Defaults</source>
      <translation>Gjenopprett standardverdier</translation>
    </message>
  </context>
  <context>
    <name>QPrintDialog</name>
    <message>
      <source>Even Pages</source>
      <translation>Partallssider</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Skriv ut</translation>
    </message>
    <message>
      <source>&amp;Options &lt;&lt;</source>
      <translation>&amp;Alternativer &lt;&lt;</translation>
    </message>
    <message>
      <source>&amp;Options &gt;&gt;</source>
      <translation>&amp;Alternativer &gt;&gt;</translation>
    </message>
    <message>
      <source>Left to Right, Top to Bottom</source>
      <translation>Venstre til høyre, topp til bunn</translation>
    </message>
    <message>
      <source>Right to Left, Bottom to Top</source>
      <translation>Høyre til venstre, bunn til topp</translation>
    </message>
    <message>
      <source>Write PDF file</source>
      <translation>Skriv PDF-fil</translation>
    </message>
    <message>
      <source>&amp;Print</source>
      <translation>&amp;Skriv ut</translation>
    </message>
    <message>
      <source>1 (1x1)</source>
      <translation>1 (1x1)</translation>
    </message>
    <message>
      <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
      <translation>Alternativene «Sider per ark» og «Sidesett» kan ikke brukes sammen.
Slå av ett av dem.</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to overwrite it?</source>
      <translation>%1 finnes allerede.
Vil du overskrive den?</translation>
    </message>
    <message>
      <source>2 (2x1)</source>
      <translation>2 (2x1)</translation>
    </message>
    <message>
      <source>Left to Right, Bottom to Top</source>
      <translation>Venstre til høyre, bunn til topp</translation>
    </message>
    <message>
      <source>4 (2x2)</source>
      <translation>4 (2x2)</translation>
    </message>
    <message>
      <source>Odd Pages</source>
      <translation>Oddetallssider</translation>
    </message>
    <message>
      <source>Local file</source>
      <translation>Lokal fil</translation>
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
      <translation>Innstillingene for tosidig utskrift er i konflikt. Vil du rette dem?</translation>
    </message>
    <message>
      <source>Print to File (PDF)</source>
      <translation>Skriv ut til fil (PDF)</translation>
    </message>
    <message>
      <source>Print To File ...</source>
      <translation>Skriv ut til fil ...</translation>
    </message>
    <message>
      <source>Invalid Pages Definition</source>
      <translation>Ugyldig sideangivelse</translation>
    </message>
    <message>
      <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
      <translation>%1 har ikke riktig syntaks. Bruk ',' for å skille områder og sider, '-' for å angi områder, og pass på at områdene ikke overlapper hverandre.</translation>
    </message>
    <message>
      <source>9 (3x3)</source>
      <translation>9 (3x3)</translation>
    </message>
    <message>
      <source>Right to Left, Top to Bottom</source>
      <translation>Høyre til venstre, topp til bunn</translation>
    </message>
    <message>
      <source>Bottom to Top, Left to Right</source>
      <translation>Bunn til topp, venstre til høyre</translation>
    </message>
    <message>
      <source>The 'From' value cannot be greater than the 'To' value.</source>
      <translation>«Fra»-verdien kan ikke være større enn «Til»-verdien.</translation>
    </message>
    <message>
      <source>All Pages</source>
      <translation>Alle sider</translation>
    </message>
    <message>
      <source>Duplex Settings Conflicts</source>
      <translation>Konflikt i innstillingene for tosidig utskrift</translation>
    </message>
    <message>
      <source>%1 is a directory.
Please choose a different file name.</source>
      <translation>%1 er en mappe.
Velg et annet filnavn.</translation>
    </message>
    <message>
      <source>File %1 is not writable.
Please choose a different file name.</source>
      <translation>Kan ikke skrive til filen %1.
Velg et annet filnavn.</translation>
    </message>
    <message>
      <source>Bottom to Top, Right to Left</source>
      <translation>Bunn til topp, høyre til venstre</translation>
    </message>
    <message>
      <source>Top to Bottom, Left to Right</source>
      <translation>Topp til bunn, venstre til høyre</translation>
    </message>
    <message>
      <source>Top to Bottom, Right to Left</source>
      <translation>Topp til bunn, høyre til venstre</translation>
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
      <translation>Skjema</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Type:</translation>
    </message>
    <message>
      <source>&amp;Name:</source>
      <translation>&amp;Navn:</translation>
    </message>
    <message>
      <source>Output &amp;file:</source>
      <translation>Utdata&amp;fil:</translation>
    </message>
    <message>
      <source>P&amp;roperties</source>
      <translation>&amp;Egenskaper</translation>
    </message>
    <message>
      <source>Preview</source>
      <translation>Forhåndsvisning</translation>
    </message>
    <message>
      <source>Printer</source>
      <translation>Skriver</translation>
    </message>
    <message>
      <source>Location:</source>
      <translation>Plassering:</translation>
    </message>
  </context>
  <context>
    <name>QPrintSettingsOutput</name>
    <message>
      <source>to</source>
      <translation>til</translation>
    </message>
    <message>
      <source>Off</source>
      <translation>Av</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Skjema</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Farge</translation>
    </message>
    <message>
      <source>Print all</source>
      <translation>Skriv ut alt</translation>
    </message>
    <message>
      <source>Pages</source>
      <translation>Sider</translation>
    </message>
    <message>
      <source>Current Page</source>
      <translation>Gjeldende side</translation>
    </message>
    <message>
      <source>Selection</source>
      <translation>Utvalg</translation>
    </message>
    <message>
      <source>Copies</source>
      <translation>Kopier</translation>
    </message>
    <message>
      <source>Print range</source>
      <translation>Utskriftsområde</translation>
    </message>
    <message>
      <source>Color Mode</source>
      <translation>Fargemodus</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>Alternativer</translation>
    </message>
    <message>
      <source>Output Settings</source>
      <translation>Utdatainnstillinger</translation>
    </message>
    <message>
      <source>Reverse</source>
      <translation>Omvendt rekkefølge</translation>
    </message>
    <message>
      <source>Grayscale</source>
      <translation>Gråtoner</translation>
    </message>
    <message>
      <source>Collate</source>
      <translation>Sorter</translation>
    </message>
    <message>
      <source>Copies:</source>
      <translation>Kopier:</translation>
    </message>
    <message>
      <source>Short side binding</source>
      <translation>Innbinding på kortsiden</translation>
    </message>
    <message>
      <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
      <translation>Angi sider eller områder atskilt med komma. Et område angis med to tall atskilt med bindestrek. F.eks.: 3,5-7,9 skriver ut sidene 3, 5, 6, 7 og 9.</translation>
    </message>
    <message>
      <source>Pages from</source>
      <translation>Sider fra</translation>
    </message>
    <message>
      <source>Double Sided Printing</source>
      <translation>Tosidig utskrift</translation>
    </message>
    <message>
      <source>Page Set:</source>
      <translation>Sidesett:</translation>
    </message>
    <message>
      <source>Long side binding</source>
      <translation>Innbinding på langsiden</translation>
    </message>
  </context>
  <context>
    <name>QPrintPropertiesWidget</name>
    <message>
      <source>Form</source>
      <translation>Skjema</translation>
    </message>
    <message>
      <source>Page</source>
      <translation>Side</translation>
    </message>
    <message>
      <source>There are conflicts in some options. Please fix them.</source>
      <translation>Noen av alternativene er i konflikt. Rett dem.</translation>
    </message>
    <message>
      <source>Advanced</source>
      <translation>Avansert</translation>
    </message>
  </context>
  <context>
    <name>QPrintPropertiesDialog</name>
    <message>
      <source>Advanced Option Conflicts</source>
      <translation>Konflikt i avanserte alternativer</translation>
    </message>
    <message>
      <source>Job Options</source>
      <translation>Jobbalternativer</translation>
    </message>
    <message>
      <source>Page Setup Conflicts</source>
      <translation>Konflikt i utskriftsformatet</translation>
    </message>
    <message>
      <source>There are conflicts in some advanced options. Do you want to fix them?</source>
      <translation>Noen av de avanserte alternativene er i konflikt. Vil du rette dem?</translation>
    </message>
    <message>
      <source>There are conflicts in page setup options. Do you want to fix them?</source>
      <translation>Alternativene for utskriftsformat er i konflikt. Vil du rette dem?</translation>
    </message>
    <message>
      <source>Printer Properties</source>
      <translation>Skriveregenskaper</translation>
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
      <translation>tom</translation>
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
      <translation>Skjema</translation>
    </message>
    <message>
      <source>bottom margin</source>
      <translation>nedre marg</translation>
    </message>
    <message>
      <source>Paper</source>
      <translation>Papir</translation>
    </message>
    <message>
      <source>Paper source:</source>
      <translation>Papirkilde:</translation>
    </message>
    <message>
      <source>right margin</source>
      <translation>høyre marg</translation>
    </message>
    <message>
      <source>Pica (P̸)</source>
      <translation>Pica (P̸)</translation>
    </message>
    <message>
      <source>Margins</source>
      <translation>Marger</translation>
    </message>
    <message>
      <source>Custom</source>
      <translation>Egendefinert</translation>
    </message>
    <message>
      <source>Landscape</source>
      <translation>Liggende</translation>
    </message>
    <message>
      <source>Page Layout</source>
      <translation>Sideoppsett</translation>
    </message>
    <message>
      <source>Width:</source>
      <translation>Bredde:</translation>
    </message>
    <message>
      <source>Orientation</source>
      <translation>Retning</translation>
    </message>
    <message>
      <source>Didot (DD)</source>
      <translation>Didot (DD)</translation>
    </message>
    <message>
      <source>Portrait</source>
      <translation>Stående</translation>
    </message>
    <message>
      <source>Page order:</source>
      <translation>Siderekkefølge:</translation>
    </message>
    <message>
      <source>top margin</source>
      <translation>øvre marg</translation>
    </message>
    <message>
      <source>left margin</source>
      <translation>venstre marg</translation>
    </message>
    <message>
      <source>Page size:</source>
      <translation>Papirstørrelse:</translation>
    </message>
    <message>
      <source>Cicero (CC)</source>
      <translation>Cicero (CC)</translation>
    </message>
    <message>
      <source>Reverse portrait</source>
      <translation>Omvendt stående</translation>
    </message>
    <message>
      <source>Millimeters (mm)</source>
      <translation>Millimeter (mm)</translation>
    </message>
    <message>
      <source>Points (pt)</source>
      <translation>Punkter (pt)</translation>
    </message>
    <message>
      <source>Pages per sheet:</source>
      <translation>Sider per ark:</translation>
    </message>
    <message>
      <source>Inches (in)</source>
      <translation>Tommer (tom)</translation>
    </message>
    <message>
      <source>Reverse landscape</source>
      <translation>Omvendt liggende</translation>
    </message>
    <message>
      <source>Height:</source>
      <translation>Høyde:</translation>
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
      <translation>Konvolutt Monarch</translation>
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
      <translation>Letter liten</translation>
    </message>
    <message>
      <source>Envelope You 4</source>
      <translation>Konvolutt You 4</translation>
    </message>
    <message>
      <source>Envelope US 10</source>
      <translation>Konvolutt US 10</translation>
    </message>
    <message>
      <source>Envelope US 11</source>
      <translation>Konvolutt US 11</translation>
    </message>
    <message>
      <source>Envelope US 12</source>
      <translation>Konvolutt US 12</translation>
    </message>
    <message>
      <source>Envelope US 14</source>
      <translation>Konvolutt US 14</translation>
    </message>
    <message>
      <source>Envelope PRC 1</source>
      <translation>Konvolutt PRC 1</translation>
    </message>
    <message>
      <source>Envelope PRC 2</source>
      <translation>Konvolutt PRC 2</translation>
    </message>
    <message>
      <source>Envelope PRC 3</source>
      <translation>Konvolutt PRC 3</translation>
    </message>
    <message>
      <source>Envelope PRC 4</source>
      <translation>Konvolutt PRC 4</translation>
    </message>
    <message>
      <source>Envelope PRC 5</source>
      <translation>Konvolutt PRC 5</translation>
    </message>
    <message>
      <source>Envelope PRC 6</source>
      <translation>Konvolutt PRC 6</translation>
    </message>
    <message>
      <source>Envelope PRC 7</source>
      <translation>Konvolutt PRC 7</translation>
    </message>
    <message>
      <source>Envelope PRC 8</source>
      <translation>Konvolutt PRC 8</translation>
    </message>
    <message>
      <source>Envelope PRC 9</source>
      <translation>Konvolutt PRC 9</translation>
    </message>
    <message>
      <source>Envelope C65</source>
      <translation>Konvolutt C65</translation>
    </message>
    <message>
      <source>Envelope DL</source>
      <translation>Konvolutt DL</translation>
    </message>
    <message>
      <source>Envelope B4</source>
      <translation>Konvolutt B4</translation>
    </message>
    <message>
      <source>Envelope B5</source>
      <translation>Konvolutt B5</translation>
    </message>
    <message>
      <source>Envelope B6</source>
      <translation>Konvolutt B6</translation>
    </message>
    <message>
      <source>Envelope C0</source>
      <translation>Konvolutt C0</translation>
    </message>
    <message>
      <source>Envelope C1</source>
      <translation>Konvolutt C1</translation>
    </message>
    <message>
      <source>Envelope C2</source>
      <translation>Konvolutt C2</translation>
    </message>
    <message>
      <source>Envelope C3</source>
      <translation>Konvolutt C3</translation>
    </message>
    <message>
      <source>Envelope C4</source>
      <translation>Konvolutt C4</translation>
    </message>
    <message>
      <source>Envelope C5</source>
      <translation>Konvolutt C5</translation>
    </message>
    <message>
      <source>Envelope C6</source>
      <translation>Konvolutt C6</translation>
    </message>
    <message>
      <source>Envelope C7</source>
      <translation>Konvolutt C7</translation>
    </message>
    <message>
      <source>Executive (7.5 x 10 in)</source>
      <translation>Executive (7,5 x 10 tom)</translation>
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
      <translation>Egendefinert</translation>
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
      <translation>PRC 32K stor</translation>
    </message>
    <message>
      <source>A4 Extra</source>
      <translation>A4 Extra</translation>
    </message>
    <message>
      <source>A4 Small</source>
      <translation>A4 liten</translation>
    </message>
    <message>
      <source>Executive (7.25 x 10.5 in)</source>
      <translation>Executive (7,25 x 10,5 tom)</translation>
    </message>
    <message>
      <source>Postcard</source>
      <translation>Postkort</translation>
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
      <translation>Konvolutt invitasjon</translation>
    </message>
    <message>
      <source>Envelope Chou 3</source>
      <translation>Konvolutt Chou 3</translation>
    </message>
    <message>
      <source>Envelope Chou 4</source>
      <translation>Konvolutt Chou 4</translation>
    </message>
    <message>
      <source>Statement</source>
      <translation>Statement</translation>
    </message>
    <message>
      <source>Fan-fold German (8.5 x 12 in)</source>
      <translation>Endeløst papir tysk (8,5 x 12 tom)</translation>
    </message>
    <message>
      <source>Envelope PRC 10</source>
      <translation>Konvolutt PRC 10</translation>
    </message>
    <message>
      <source>Envelope Kaku 2</source>
      <translation>Konvolutt Kaku 2</translation>
    </message>
    <message>
      <source>Envelope Kaku 3</source>
      <translation>Konvolutt Kaku 3</translation>
    </message>
    <message>
      <source>Envelope US 9</source>
      <translation>Konvolutt US 9</translation>
    </message>
    <message>
      <source>%1 x %2 in</source>
      <translation>%1 x %2 tom</translation>
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
      <translation>Endeløst papir USA (14,875 x 11 tom)</translation>
    </message>
    <message>
      <source>Fan-fold German Legal (8.5 x 13 in)</source>
      <translation>Endeløst papir tysk Legal (8,5 x 13 tom)</translation>
    </message>
    <message>
      <source>Custom (%1in x %2in)</source>
      <translation>Egendefinert (%1 tom x %2 tom)</translation>
    </message>
    <message>
      <source>Custom (%1mm x %2mm)</source>
      <translation>Egendefinert (%1mm x %2mm)</translation>
    </message>
    <message>
      <source>Custom (%1CC x %2CC)</source>
      <translation>Egendefinert (%1CC x %2CC)</translation>
    </message>
    <message>
      <source>Custom (%1DD x %2DD)</source>
      <translation>Egendefinert (%1DD x %2DD)</translation>
    </message>
    <message>
      <source>Custom (%1pc x %2pc)</source>
      <translation>Egendefinert (%1pc x %2pc)</translation>
    </message>
    <message>
      <source>Custom (%1pt x %2pt)</source>
      <translation>Egendefinert (%1pt x %2pt)</translation>
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
      <translation>Konvolutt italiensk</translation>
    </message>
    <message>
      <source>Double Postcard</source>
      <translation>Dobbelt postkort</translation>
    </message>
    <message>
      <source>Legal Extra</source>
      <translation>Legal Extra</translation>
    </message>
    <message>
      <source>Folio (8.27 x 13 in)</source>
      <translation>Folio (8,27 x 13 tom)</translation>
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
      <translation>Konvolutt personlig</translation>
    </message>
  </context>
  <context>
    <name>QCupsJobWidget</name>
    <message>
      <source>Job</source>
      <translation>Jobb</translation>
    </message>
    <message>
      <source>End:</source>
      <translation>Slutt:</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Ingen</translation>
    </message>
    <message>
      <source>Banner Pages</source>
      <translation>Bannersider</translation>
    </message>
    <message>
      <source>Night (18:00 to 05:59)</source>
      <translation>Natt (18:00 til 05:59)</translation>
    </message>
    <message>
      <source>Specific Time</source>
      <translation>Bestemt tidspunkt</translation>
    </message>
    <message>
      <source>Billing information:</source>
      <translation>Faktureringsinformasjon:</translation>
    </message>
    <message>
      <source>Scheduled printing:</source>
      <translation>Planlagt utskrift:</translation>
    </message>
    <message>
      <source>Secret</source>
      <translation>Hemmelig</translation>
    </message>
    <message>
      <source>Top Secret</source>
      <translation>Strengt hemmelig</translation>
    </message>
    <message>
      <source>Start:</source>
      <translation>Start:</translation>
    </message>
    <message>
      <source>Day (06:00 to 17:59)</source>
      <translation>Dag (06:00 til 17:59)</translation>
    </message>
    <message>
      <source>Second Shift (16:00 to 23:59)</source>
      <translation>Andre skift (16:00 til 23:59)</translation>
    </message>
    <message>
      <source>Job Control</source>
      <translation>Jobbkontroll</translation>
    </message>
    <message>
      <source>Weekend (Saturday to Sunday)</source>
      <translation>Helg (lørdag til søndag)</translation>
    </message>
    <message>
      <source>Standard</source>
      <translation>Standard</translation>
    </message>
    <message>
      <source>Classified</source>
      <translation>Gradert</translation>
    </message>
    <message>
      <source>Third Shift (00:00 to 07:59)</source>
      <translation>Tredje skift (00:00 til 07:59)</translation>
    </message>
    <message>
      <source>Hold Indefinitely</source>
      <translation>Hold tilbake på ubestemt tid</translation>
    </message>
    <message>
      <source>Print Immediately</source>
      <translation>Skriv ut umiddelbart</translation>
    </message>
    <message>
      <source>Confidential</source>
      <translation>Konfidensielt</translation>
    </message>
    <message>
      <source>Job priority:</source>
      <translation>Jobbprioritet:</translation>
    </message>
    <message>
      <source>Unclassified</source>
      <translation>Ugradert</translation>
    </message>
  </context>
  <context>
    <name>QCupsPrinterSupport</name>
    <message>
      <source>Authentication needed to use %1 on %2.</source>
      <translation>Det kreves autentisering for å bruke %1 på %2.</translation>
    </message>
    <message>
      <source>Authentication needed to use %1.</source>
      <translation>Det kreves autentisering for å bruke %1.</translation>
    </message>
    <message>
      <source>Authentication Needed</source>
      <translation>Autentisering kreves</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>Passord:</translation>
    </message>
    <message>
      <source>Username:</source>
      <translation>Brukernavn:</translation>
    </message>
  </context>
  <context>
    <name>QFileDialog</name>
    <message>
      <source>Back</source>
      <translation>Tilbake</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Åpne</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Åpne</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Lagre</translation>
    </message>
    <message>
      <source>Files</source>
      <translation>Filer</translation>
    </message>
    <message>
      <source>Show </source>
      <translation>Vis </translation>
    </message>
    <message>
      <source>'%1' is write protected.
Do you want to delete it anyway?</source>
      <translation>«%1» er skrivebeskyttet.
Vil du slette den likevel?</translation>
    </message>
    <message>
      <source>Are you sure you want to delete '%1'?</source>
      <translation>Er du sikker på at du vil slette «%1»?</translation>
    </message>
    <message>
      <source>List of places and bookmarks</source>
      <translation>Liste over steder og bokmerker</translation>
    </message>
    <message>
      <source>File &amp;name:</source>
      <translation>Fil&amp;navn:</translation>
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
      <translation>Slett</translation>
    </message>
    <message>
      <source>New Folder</source>
      <translation>Ny mappe</translation>
    </message>
    <message>
      <source>Parent Directory</source>
      <translation>Overordnet mappe</translation>
    </message>
    <message>
      <source>&amp;New Folder</source>
      <translation>&amp;Ny mappe</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Fjern</translation>
    </message>
    <message>
      <source>Look in:</source>
      <translation>Søk i:</translation>
    </message>
    <message>
      <source>Alt+Right</source>
      <translation>Alt+Right</translation>
    </message>
    <message>
      <source>Create a New Folder</source>
      <translation>Opprett en ny mappe</translation>
    </message>
    <message>
      <source>Files of type:</source>
      <translation>Filtype:</translation>
    </message>
    <message>
      <source>Find Directory</source>
      <translation>Finn mappe</translation>
    </message>
    <message>
      <source>Show &amp;hidden files</source>
      <translation>Vis s&amp;kjulte filer</translation>
    </message>
    <message>
      <source>Save As</source>
      <translation>Lagre som</translation>
    </message>
    <message>
      <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
      <translation>%1
Fant ikke mappen.
Kontroller at riktig mappenavn er oppgitt.</translation>
    </message>
    <message>
      <source>Sidebar</source>
      <translation>Sidepanel</translation>
    </message>
    <message>
      <source>List View</source>
      <translation>Listevisning</translation>
    </message>
    <message>
      <source>&amp;Choose</source>
      <translation>&amp;Velg</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Slett</translation>
    </message>
    <message>
      <source>All files (*)</source>
      <translation>Alle filer (*)</translation>
    </message>
    <message>
      <source>All Files (*)</source>
      <translation>Alle filer (*)</translation>
    </message>
    <message>
      <source>Directories</source>
      <translation>Mapper</translation>
    </message>
    <message>
      <source>&amp;Rename</source>
      <translation>&amp;Gi nytt navn</translation>
    </message>
    <message>
      <source>Could not delete directory.</source>
      <translation>Kunne ikke slette mappen.</translation>
    </message>
    <message>
      <source>Directory:</source>
      <translation>Mappe:</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to replace it?</source>
      <translation>%1 finnes allerede.
Vil du erstatte den?</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Fremover</translation>
    </message>
    <message>
      <source>Go forward</source>
      <translation>Gå fremover</translation>
    </message>
    <message>
      <source>Go to the parent directory</source>
      <translation>Gå til overordnet mappe</translation>
    </message>
    <message>
      <source>Recent Places</source>
      <translation>Nylig brukte steder</translation>
    </message>
    <message>
      <source>Go back</source>
      <translation>Gå tilbake</translation>
    </message>
    <message>
      <source>Change to detail view mode</source>
      <translation>Bytt til detaljvisning</translation>
    </message>
    <message>
      <source>Create New Folder</source>
      <translation>Opprett ny mappe</translation>
    </message>
    <message>
      <source>Detail View</source>
      <translation>Detaljvisning</translation>
    </message>
    <message>
      <source>%1
File not found.
Please verify the correct file name was given.</source>
      <translation>%1
Fant ikke filen.
Kontroller at riktig filnavn er oppgitt.</translation>
    </message>
    <message>
      <source>Change to list view mode</source>
      <translation>Bytt til listevisning</translation>
    </message>
  </context>
  <context>
    <name>QFileSystemModel</name>
    <message>
      <source>Kind</source>
      <translation>Art</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Navn</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>Størrelse</translation>
    </message>
    <message>
      <source>Type</source>
      <translation>Type</translation>
    </message>
    <message>
      <source>My Computer</source>
      <translation>Min datamaskin</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Datamaskin</translation>
    </message>
    <message>
      <source>Date Modified</source>
      <translation>Endret</translation>
    </message>
  </context>
  <context>
    <name>QAbstractFileIconProvider</name>
    <message>
      <source>File</source>
      <translation>Fil</translation>
    </message>
    <message>
      <source>Alias</source>
      <translation>Alias</translation>
    </message>
    <message>
      <source>Drive</source>
      <translation>Stasjon</translation>
    </message>
    <message>
      <source>File Folder</source>
      <translation>Filmappe</translation>
    </message>
    <message>
      <source>Folder</source>
      <translation>Mappe</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Ukjent</translation>
    </message>
    <message>
      <source>Shortcut</source>
      <translation>Snarvei</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>Klipp u&amp;t</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Kopier</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Gjør om</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Angre</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Lim inn</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Slett</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Merk alt</translation>
    </message>
  </context>
</TS>
