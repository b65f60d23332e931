<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt">
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Guardar</translation>
    </message>
    <message>
      <source>Save All</source>
      <translation>Guardar tudo</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Abrir</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Sim</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>Sim para &amp;todos</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Não</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>N&amp;ão para todos</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>Interromper</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Repetir</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>Ignorar</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Fechar</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Descartar</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Ajuda</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Aplicar</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>Repor</translation>
    </message>
    <message>
      <source>Restore Defaults</source>
      <translation>Repor predefinições</translation>
    </message>
  </context>
</TS>