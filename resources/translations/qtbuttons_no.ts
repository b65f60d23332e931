<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="nb">
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
</TS>