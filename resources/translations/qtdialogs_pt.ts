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
  <context>
    <name>QPrintDialog</name>
    <message>
      <source>Even Pages</source>
      <translation>Páginas pares</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Imprimir</translation>
    </message>
    <message>
      <source>&amp;Options &lt;&lt;</source>
      <translation>&amp;Opções &lt;&lt;</translation>
    </message>
    <message>
      <source>&amp;Options &gt;&gt;</source>
      <translation>&amp;Opções &gt;&gt;</translation>
    </message>
    <message>
      <source>Left to Right, Top to Bottom</source>
      <translation>Da esquerda para a direita, de cima para baixo</translation>
    </message>
    <message>
      <source>Right to Left, Bottom to Top</source>
      <translation>Da direita para a esquerda, de baixo para cima</translation>
    </message>
    <message>
      <source>Write PDF file</source>
      <translation>Escrever ficheiro PDF</translation>
    </message>
    <message>
      <source>&amp;Print</source>
      <translation>&amp;Imprimir</translation>
    </message>
    <message>
      <source>1 (1x1)</source>
      <translation>1 (1x1)</translation>
    </message>
    <message>
      <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
      <translation>As opções "Páginas por folha" e "Conjunto de páginas" não podem ser utilizadas em simultâneo.
Desative uma delas.</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to overwrite it?</source>
      <translation>%1 já existe.
Pretende substituí-lo?</translation>
    </message>
    <message>
      <source>2 (2x1)</source>
      <translation>2 (2x1)</translation>
    </message>
    <message>
      <source>Left to Right, Bottom to Top</source>
      <translation>Da esquerda para a direita, de baixo para cima</translation>
    </message>
    <message>
      <source>4 (2x2)</source>
      <translation>4 (2x2)</translation>
    </message>
    <message>
      <source>Odd Pages</source>
      <translation>Páginas ímpares</translation>
    </message>
    <message>
      <source>Local file</source>
      <translation>Ficheiro local</translation>
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
      <translation>Existem conflitos nas definições de impressão frente e verso. Pretende corrigi-los?</translation>
    </message>
    <message>
      <source>Print to File (PDF)</source>
      <translation>Imprimir para ficheiro (PDF)</translation>
    </message>
    <message>
      <source>Print To File ...</source>
      <translation>Imprimir para ficheiro...</translation>
    </message>
    <message>
      <source>Invalid Pages Definition</source>
      <translation>Definição de páginas inválida</translation>
    </message>
    <message>
      <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
      <translation>%1 não segue a sintaxe correta. Utilize ',' para separar intervalos e páginas, '-' para definir intervalos e certifique-se de que os intervalos não se sobrepõem.</translation>
    </message>
    <message>
      <source>9 (3x3)</source>
      <translation>9 (3x3)</translation>
    </message>
    <message>
      <source>Right to Left, Top to Bottom</source>
      <translation>Da direita para a esquerda, de cima para baixo</translation>
    </message>
    <message>
      <source>Bottom to Top, Left to Right</source>
      <translation>De baixo para cima, da esquerda para a direita</translation>
    </message>
    <message>
      <source>The 'From' value cannot be greater than the 'To' value.</source>
      <translation>O valor "De" não pode ser superior ao valor "Até".</translation>
    </message>
    <message>
      <source>All Pages</source>
      <translation>Todas as páginas</translation>
    </message>
    <message>
      <source>Duplex Settings Conflicts</source>
      <translation>Conflitos nas definições de frente e verso</translation>
    </message>
    <message>
      <source>%1 is a directory.
Please choose a different file name.</source>
      <translation>%1 é uma pasta.
Escolha um nome de ficheiro diferente.</translation>
    </message>
    <message>
      <source>File %1 is not writable.
Please choose a different file name.</source>
      <translation>Não é possível escrever no ficheiro %1.
Escolha um nome de ficheiro diferente.</translation>
    </message>
    <message>
      <source>Bottom to Top, Right to Left</source>
      <translation>De baixo para cima, da direita para a esquerda</translation>
    </message>
    <message>
      <source>Top to Bottom, Left to Right</source>
      <translation>De cima para baixo, da esquerda para a direita</translation>
    </message>
    <message>
      <source>Top to Bottom, Right to Left</source>
      <translation>De cima para baixo, da direita para a esquerda</translation>
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
      <translation>Formulário</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Tipo:</translation>
    </message>
    <message>
      <source>&amp;Name:</source>
      <translation>&amp;Nome:</translation>
    </message>
    <message>
      <source>Output &amp;file:</source>
      <translation>&amp;Ficheiro de saída:</translation>
    </message>
    <message>
      <source>P&amp;roperties</source>
      <translation>P&amp;ropriedades</translation>
    </message>
    <message>
      <source>Preview</source>
      <translation>Pré-visualização</translation>
    </message>
    <message>
      <source>Printer</source>
      <translation>Impressora</translation>
    </message>
    <message>
      <source>Location:</source>
      <translation>Localização:</translation>
    </message>
  </context>
  <context>
    <name>QPrintSettingsOutput</name>
    <message>
      <source>to</source>
      <translation>a</translation>
    </message>
    <message>
      <source>Off</source>
      <translation>Desligado</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Formulário</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Cor</translation>
    </message>
    <message>
      <source>Print all</source>
      <translation>Imprimir tudo</translation>
    </message>
    <message>
      <source>Pages</source>
      <translation>Páginas</translation>
    </message>
    <message>
      <source>Current Page</source>
      <translation>Página atual</translation>
    </message>
    <message>
      <source>Selection</source>
      <translation>Seleção</translation>
    </message>
    <message>
      <source>Copies</source>
      <translation>Cópias</translation>
    </message>
    <message>
      <source>Print range</source>
      <translation>Intervalo de impressão</translation>
    </message>
    <message>
      <source>Color Mode</source>
      <translation>Modo de cor</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>Opções</translation>
    </message>
    <message>
      <source>Output Settings</source>
      <translation>Definições de saída</translation>
    </message>
    <message>
      <source>Reverse</source>
      <translation>Ordem inversa</translation>
    </message>
    <message>
      <source>Grayscale</source>
      <translation>Escala de cinzentos</translation>
    </message>
    <message>
      <source>Collate</source>
      <translation>Agrupar</translation>
    </message>
    <message>
      <source>Copies:</source>
      <translation>Cópias:</translation>
    </message>
    <message>
      <source>Short side binding</source>
      <translation>Encadernação pelo lado curto</translation>
    </message>
    <message>
      <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
      <translation>Especifique páginas ou intervalos separados por vírgulas. Um intervalo é indicado por dois números separados por um hífen. Ex.: 3,5-7,9 imprime as páginas 3, 5, 6, 7 e 9.</translation>
    </message>
    <message>
      <source>Pages from</source>
      <translation>Páginas de</translation>
    </message>
    <message>
      <source>Double Sided Printing</source>
      <translation>Impressão frente e verso</translation>
    </message>
    <message>
      <source>Page Set:</source>
      <translation>Conjunto de páginas:</translation>
    </message>
    <message>
      <source>Long side binding</source>
      <translation>Encadernação pelo lado comprido</translation>
    </message>
  </context>
  <context>
    <name>QPrintPropertiesWidget</name>
    <message>
      <source>Form</source>
      <translation>Formulário</translation>
    </message>
    <message>
      <source>Page</source>
      <translation>Página</translation>
    </message>
    <message>
      <source>There are conflicts in some options. Please fix them.</source>
      <translation>Existem conflitos em algumas opções. Corrija-os.</translation>
    </message>
    <message>
      <source>Advanced</source>
      <translation>Avançadas</translation>
    </message>
  </context>
  <context>
    <name>QPrintPropertiesDialog</name>
    <message>
      <source>Advanced Option Conflicts</source>
      <translation>Conflitos nas opções avançadas</translation>
    </message>
    <message>
      <source>Job Options</source>
      <translation>Opções do trabalho</translation>
    </message>
    <message>
      <source>Page Setup Conflicts</source>
      <translation>Conflitos na configuração da página</translation>
    </message>
    <message>
      <source>There are conflicts in some advanced options. Do you want to fix them?</source>
      <translation>Existem conflitos em algumas opções avançadas. Pretende corrigi-los?</translation>
    </message>
    <message>
      <source>There are conflicts in page setup options. Do you want to fix them?</source>
      <translation>Existem conflitos nas opções de configuração da página. Pretende corrigi-los?</translation>
    </message>
    <message>
      <source>Printer Properties</source>
      <translation>Propriedades da impressora</translation>
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
      <translation>pol.</translation>
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
      <translation>Formulário</translation>
    </message>
    <message>
      <source>bottom margin</source>
      <translation>margem inferior</translation>
    </message>
    <message>
      <source>Paper</source>
      <translation>Papel</translation>
    </message>
    <message>
      <source>Paper source:</source>
      <translation>Origem do papel:</translation>
    </message>
    <message>
      <source>right margin</source>
      <translation>margem direita</translation>
    </message>
    <message>
      <source>Pica (P̸)</source>
      <translation>Pica (P̸)</translation>
    </message>
    <message>
      <source>Margins</source>
      <translation>Margens</translation>
    </message>
    <message>
      <source>Custom</source>
      <translation>Personalizado</translation>
    </message>
    <message>
      <source>Landscape</source>
      <translation>Horizontal</translation>
    </message>
    <message>
      <source>Page Layout</source>
      <translation>Esquema da página</translation>
    </message>
    <message>
      <source>Width:</source>
      <translation>Largura:</translation>
    </message>
    <message>
      <source>Orientation</source>
      <translation>Orientação</translation>
    </message>
    <message>
      <source>Didot (DD)</source>
      <translation>Didot (DD)</translation>
    </message>
    <message>
      <source>Portrait</source>
      <translation>Vertical</translation>
    </message>
    <message>
      <source>Page order:</source>
      <translation>Ordem das páginas:</translation>
    </message>
    <message>
      <source>top margin</source>
      <translation>margem superior</translation>
    </message>
    <message>
      <source>left margin</source>
      <translation>margem esquerda</translation>
    </message>
    <message>
      <source>Page size:</source>
      <translation>Tamanho da página:</translation>
    </message>
    <message>
      <source>Cicero (CC)</source>
      <translation>Cícero (CC)</translation>
    </message>
    <message>
      <source>Reverse portrait</source>
      <translation>Vertical invertido</translation>
    </message>
    <message>
      <source>Millimeters (mm)</source>
      <translation>Milímetros (mm)</translation>
    </message>
    <message>
      <source>Points (pt)</source>
      <translation>Pontos (pt)</translation>
    </message>
    <message>
      <source>Pages per sheet:</source>
      <translation>Páginas por folha:</translation>
    </message>
    <message>
      <source>Inches (in)</source>
      <translation>Polegadas (pol.)</translation>
    </message>
    <message>
      <source>Reverse landscape</source>
      <translation>Horizontal invertido</translation>
    </message>
    <message>
      <source>Height:</source>
      <translation>Altura:</translation>
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
      <translation>Envelope Monarch</translation>
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
      <translation>Letter pequeno</translation>
    </message>
    <message>
      <source>Envelope You 4</source>
      <translation>Envelope You 4</translation>
    </message>
    <message>
      <source>Envelope US 10</source>
      <translation>Envelope US 10</translation>
    </message>
    <message>
      <source>Envelope US 11</source>
      <translation>Envelope US 11</translation>
    </message>
    <message>
      <source>Envelope US 12</source>
      <translation>Envelope US 12</translation>
    </message>
    <message>
      <source>Envelope US 14</source>
      <translation>Envelope US 14</translation>
    </message>
    <message>
      <source>Envelope PRC 1</source>
      <translation>Envelope PRC 1</translation>
    </message>
    <message>
      <source>Envelope PRC 2</source>
      <translation>Envelope PRC 2</translation>
    </message>
    <message>
      <source>Envelope PRC 3</source>
      <translation>Envelope PRC 3</translation>
    </message>
    <message>
      <source>Envelope PRC 4</source>
      <translation>Envelope PRC 4</translation>
    </message>
    <message>
      <source>Envelope PRC 5</source>
      <translation>Envelope PRC 5</translation>
    </message>
    <message>
      <source>Envelope PRC 6</source>
      <translation>Envelope PRC 6</translation>
    </message>
    <message>
      <source>Envelope PRC 7</source>
      <translation>Envelope PRC 7</translation>
    </message>
    <message>
      <source>Envelope PRC 8</source>
      <translation>Envelope PRC 8</translation>
    </message>
    <message>
      <source>Envelope PRC 9</source>
      <translation>Envelope PRC 9</translation>
    </message>
    <message>
      <source>Envelope C65</source>
      <translation>Envelope C65</translation>
    </message>
    <message>
      <source>Envelope DL</source>
      <translation>Envelope DL</translation>
    </message>
    <message>
      <source>Envelope B4</source>
      <translation>Envelope B4</translation>
    </message>
    <message>
      <source>Envelope B5</source>
      <translation>Envelope B5</translation>
    </message>
    <message>
      <source>Envelope B6</source>
      <translation>Envelope B6</translation>
    </message>
    <message>
      <source>Envelope C0</source>
      <translation>Envelope C0</translation>
    </message>
    <message>
      <source>Envelope C1</source>
      <translation>Envelope C1</translation>
    </message>
    <message>
      <source>Envelope C2</source>
      <translation>Envelope C2</translation>
    </message>
    <message>
      <source>Envelope C3</source>
      <translation>Envelope C3</translation>
    </message>
    <message>
      <source>Envelope C4</source>
      <translation>Envelope C4</translation>
    </message>
    <message>
      <source>Envelope C5</source>
      <translation>Envelope C5</translation>
    </message>
    <message>
      <source>Envelope C6</source>
      <translation>Envelope C6</translation>
    </message>
    <message>
      <source>Envelope C7</source>
      <translation>Envelope C7</translation>
    </message>
    <message>
      <source>Executive (7.5 x 10 in)</source>
      <translation>Executive (7,5 x 10 pol.)</translation>
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
      <translation>Personalizado</translation>
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
      <translation>PRC 32K grande</translation>
    </message>
    <message>
      <source>A4 Extra</source>
      <translation>A4 Extra</translation>
    </message>
    <message>
      <source>A4 Small</source>
      <translation>A4 pequeno</translation>
    </message>
    <message>
      <source>Executive (7.25 x 10.5 in)</source>
      <translation>Executive (7,25 x 10,5 pol.)</translation>
    </message>
    <message>
      <source>Postcard</source>
      <translation>Postal</translation>
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
      <translation>Envelope convite</translation>
    </message>
    <message>
      <source>Envelope Chou 3</source>
      <translation>Envelope Chou 3</translation>
    </message>
    <message>
      <source>Envelope Chou 4</source>
      <translation>Envelope Chou 4</translation>
    </message>
    <message>
      <source>Statement</source>
      <translation>Statement</translation>
    </message>
    <message>
      <source>Fan-fold German (8.5 x 12 in)</source>
      <translation>Papel contínuo alemão (8,5 x 12 pol.)</translation>
    </message>
    <message>
      <source>Envelope PRC 10</source>
      <translation>Envelope PRC 10</translation>
    </message>
    <message>
      <source>Envelope Kaku 2</source>
      <translation>Envelope Kaku 2</translation>
    </message>
    <message>
      <source>Envelope Kaku 3</source>
      <translation>Envelope Kaku 3</translation>
    </message>
    <message>
      <source>Envelope US 9</source>
      <translation>Envelope US 9</translation>
    </message>
    <message>
      <source>%1 x %2 in</source>
      <translation>%1 x %2 pol.</translation>
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
      <translation>Papel contínuo EUA (14,875 x 11 pol.)</translation>
    </message>
    <message>
      <source>Fan-fold German Legal (8.5 x 13 in)</source>
      <translation>Papel contínuo alemão Legal (8,5 x 13 pol.)</translation>
    </message>
    <message>
      <source>Custom (%1in x %2in)</source>
      <translation>Personalizado (%1 pol. x %2 pol.)</translation>
    </message>
    <message>
      <source>Custom (%1mm x %2mm)</source>
      <translation>Personalizado (%1mm x %2mm)</translation>
    </message>
    <message>
      <source>Custom (%1CC x %2CC)</source>
      <translation>Personalizado (%1CC x %2CC)</translation>
    </message>
    <message>
      <source>Custom (%1DD x %2DD)</source>
      <translation>Personalizado (%1DD x %2DD)</translation>
    </message>
    <message>
      <source>Custom (%1pc x %2pc)</source>
      <translation>Personalizado (%1pc x %2pc)</translation>
    </message>
    <message>
      <source>Custom (%1pt x %2pt)</source>
      <translation>Personalizado (%1pt x %2pt)</translation>
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
      <translation>Envelope italiano</translation>
    </message>
    <message>
      <source>Double Postcard</source>
      <translation>Postal duplo</translation>
    </message>
    <message>
      <source>Legal Extra</source>
      <translation>Legal Extra</translation>
    </message>
    <message>
      <source>Folio (8.27 x 13 in)</source>
      <translation>Folio (8,27 x 13 pol.)</translation>
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
      <translation>Envelope pessoal</translation>
    </message>
  </context>
  <context>
    <name>QCupsJobWidget</name>
    <message>
      <source>Job</source>
      <translation>Trabalho</translation>
    </message>
    <message>
      <source>End:</source>
      <translation>Fim:</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Nenhuma</translation>
    </message>
    <message>
      <source>Banner Pages</source>
      <translation>Páginas de rosto</translation>
    </message>
    <message>
      <source>Night (18:00 to 05:59)</source>
      <translation>Noite (18:00 às 05:59)</translation>
    </message>
    <message>
      <source>Specific Time</source>
      <translation>Hora específica</translation>
    </message>
    <message>
      <source>Billing information:</source>
      <translation>Informações de faturação:</translation>
    </message>
    <message>
      <source>Scheduled printing:</source>
      <translation>Impressão agendada:</translation>
    </message>
    <message>
      <source>Secret</source>
      <translation>Secreto</translation>
    </message>
    <message>
      <source>Top Secret</source>
      <translation>Muito secreto</translation>
    </message>
    <message>
      <source>Start:</source>
      <translation>Início:</translation>
    </message>
    <message>
      <source>Day (06:00 to 17:59)</source>
      <translation>Dia (06:00 às 17:59)</translation>
    </message>
    <message>
      <source>Second Shift (16:00 to 23:59)</source>
      <translation>Segundo turno (16:00 às 23:59)</translation>
    </message>
    <message>
      <source>Job Control</source>
      <translation>Controlo do trabalho</translation>
    </message>
    <message>
      <source>Weekend (Saturday to Sunday)</source>
      <translation>Fim de semana (sábado a domingo)</translation>
    </message>
    <message>
      <source>Standard</source>
      <translation>Padrão</translation>
    </message>
    <message>
      <source>Classified</source>
      <translation>Classificado</translation>
    </message>
    <message>
      <source>Third Shift (00:00 to 07:59)</source>
      <translation>Terceiro turno (00:00 às 07:59)</translation>
    </message>
    <message>
      <source>Hold Indefinitely</source>
      <translation>Reter indefinidamente</translation>
    </message>
    <message>
      <source>Print Immediately</source>
      <translation>Imprimir imediatamente</translation>
    </message>
    <message>
      <source>Confidential</source>
      <translation>Confidencial</translation>
    </message>
    <message>
      <source>Job priority:</source>
      <translation>Prioridade do trabalho:</translation>
    </message>
    <message>
      <source>Unclassified</source>
      <translation>Não classificado</translation>
    </message>
  </context>
  <context>
    <name>QCupsPrinterSupport</name>
    <message>
      <source>Authentication needed to use %1 on %2.</source>
      <translation>É necessária autenticação para utilizar %1 em %2.</translation>
    </message>
    <message>
      <source>Authentication needed to use %1.</source>
      <translation>É necessária autenticação para utilizar %1.</translation>
    </message>
    <message>
      <source>Authentication Needed</source>
      <translation>Autenticação necessária</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>Palavra-passe:</translation>
    </message>
    <message>
      <source>Username:</source>
      <translation>Nome de utilizador:</translation>
    </message>
  </context>
  <context>
    <name>QFileDialog</name>
    <message>
      <source>Back</source>
      <translation>Recuar</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Abrir</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Abrir</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Guardar</translation>
    </message>
    <message>
      <source>Files</source>
      <translation>Ficheiros</translation>
    </message>
    <message>
      <source>Show </source>
      <translation>Mostrar </translation>
    </message>
    <message>
      <source>'%1' is write protected.
Do you want to delete it anyway?</source>
      <translation>'%1' está protegido contra escrita.
Pretende eliminá-lo mesmo assim?</translation>
    </message>
    <message>
      <source>Are you sure you want to delete '%1'?</source>
      <translation>Tem a certeza de que pretende eliminar '%1'?</translation>
    </message>
    <message>
      <source>List of places and bookmarks</source>
      <translation>Lista de locais e marcadores</translation>
    </message>
    <message>
      <source>File &amp;name:</source>
      <translation>&amp;Nome do ficheiro:</translation>
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
      <translation>Eliminar</translation>
    </message>
    <message>
      <source>New Folder</source>
      <translation>Nova pasta</translation>
    </message>
    <message>
      <source>Parent Directory</source>
      <translation>Pasta superior</translation>
    </message>
    <message>
      <source>&amp;New Folder</source>
      <translation>&amp;Nova pasta</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Remover</translation>
    </message>
    <message>
      <source>Look in:</source>
      <translation>Procurar em:</translation>
    </message>
    <message>
      <source>Alt+Right</source>
      <translation>Alt+Right</translation>
    </message>
    <message>
      <source>Create a New Folder</source>
      <translation>Criar uma nova pasta</translation>
    </message>
    <message>
      <source>Files of type:</source>
      <translation>Ficheiros do tipo:</translation>
    </message>
    <message>
      <source>Find Directory</source>
      <translation>Localizar pasta</translation>
    </message>
    <message>
      <source>Show &amp;hidden files</source>
      <translation>Mostrar ficheiros &amp;ocultos</translation>
    </message>
    <message>
      <source>Save As</source>
      <translation>Guardar como</translation>
    </message>
    <message>
      <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
      <translation>%1
Pasta não encontrada.
Verifique se foi indicado o nome de pasta correto.</translation>
    </message>
    <message>
      <source>Sidebar</source>
      <translation>Barra lateral</translation>
    </message>
    <message>
      <source>List View</source>
      <translation>Vista de lista</translation>
    </message>
    <message>
      <source>&amp;Choose</source>
      <translation>&amp;Escolher</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Eliminar</translation>
    </message>
    <message>
      <source>All files (*)</source>
      <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
      <source>All Files (*)</source>
      <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
      <source>Directories</source>
      <translation>Pastas</translation>
    </message>
    <message>
      <source>&amp;Rename</source>
      <translation>&amp;Mudar o nome</translation>
    </message>
    <message>
      <source>Could not delete directory.</source>
      <translation>Não foi possível eliminar a pasta.</translation>
    </message>
    <message>
      <source>Directory:</source>
      <translation>Pasta:</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to replace it?</source>
      <translation>%1 já existe.
Pretende substituí-lo?</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Avançar</translation>
    </message>
    <message>
      <source>Go forward</source>
      <translation>Avançar</translation>
    </message>
    <message>
      <source>Go to the parent directory</source>
      <translation>Ir para a pasta superior</translation>
    </message>
    <message>
      <source>Recent Places</source>
      <translation>Locais recentes</translation>
    </message>
    <message>
      <source>Go back</source>
      <translation>Recuar</translation>
    </message>
    <message>
      <source>Change to detail view mode</source>
      <translation>Mudar para a vista de detalhes</translation>
    </message>
    <message>
      <source>Create New Folder</source>
      <translation>Criar nova pasta</translation>
    </message>
    <message>
      <source>Detail View</source>
      <translation>Vista de detalhes</translation>
    </message>
    <message>
      <source>%1
File not found.
Please verify the correct file name was given.</source>
      <translation>%1
Ficheiro não encontrado.
Verifique se foi indicado o nome de ficheiro correto.</translation>
    </message>
    <message>
      <source>Change to list view mode</source>
      <translation>Mudar para a vista de lista</translation>
    </message>
  </context>
  <context>
    <name>QFileSystemModel</name>
    <message>
      <source>Kind</source>
      <translation>Tipo</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nome</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>Tamanho</translation>
    </message>
    <message>
      <source>Type</source>
      <translation>Tipo</translation>
    </message>
    <message>
      <source>My Computer</source>
      <translation>O meu computador</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Computador</translation>
    </message>
    <message>
      <source>Date Modified</source>
      <translation>Data de modificação</translation>
    </message>
  </context>
  <context>
    <name>QAbstractFileIconProvider</name>
    <message>
      <source>File</source>
      <translation>Ficheiro</translation>
    </message>
    <message>
      <source>Alias</source>
      <translation>Alias</translation>
    </message>
    <message>
      <source>Drive</source>
      <translation>Unidade</translation>
    </message>
    <message>
      <source>File Folder</source>
      <translation>Pasta de ficheiros</translation>
    </message>
    <message>
      <source>Folder</source>
      <translation>Pasta</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Desconhecido</translation>
    </message>
    <message>
      <source>Shortcut</source>
      <translation>Atalho</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>Cor&amp;tar</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Copiar</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Refazer</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>An&amp;ular</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>Co&amp;lar</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Eliminar</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Selecionar tudo</translation>
    </message>
  </context>
</TS>
