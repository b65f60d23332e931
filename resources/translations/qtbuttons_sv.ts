<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="sv">
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Spara</translation>
    </message>
    <message>
      <source>Save All</source>
      <translation>Spara alla</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Öppna</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Ja</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>Ja till &amp;alla</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Nej</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>N&amp;ej till alla</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>Avbryt</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Försök igen</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>Ignorera</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Stäng</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Avbryt</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Förkasta</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Hjälp</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Verkställ</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>Återställ</translation>
    </message>
    <message>
      <source>Restore Defaults</source>
      <translation>Återställ standardvärden</translation>
    </message>
  </context>
</TS>