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
</TS>