<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>chart</name>
    <message>
        <source>Chart fields</source>
        <translation>Campos do gráfico</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>The picture cannot be exported as %1</source>
        <translation>Não é possível exportar a imagem como %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Não é possível exportar a imagem com %1 x %2 píxeis</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Colunas empilhadas</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Colunas empilhadas a 100%</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barras</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Barras empilhadas</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Barras empilhadas a 100%</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Linhas com marcadores</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Linhas empilhadas</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Linhas empilhadas com marcadores</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Linhas empilhadas a 100%</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Linhas empilhadas com marcadores a 100%</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Linhas suavizadas</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Linhas suavizadas com marcadores</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Linhas suavizadas empilhadas</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Linhas suavizadas empilhadas com marcadores</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Linhas suavizadas empilhadas a 100%</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Linhas suavizadas empilhadas com marcadores a 100%</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Circular destacado</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Circular empilhado</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Anel</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Anel destacado</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Área empilhada</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Área empilhada a 100%</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Radar com marcadores</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Radar preenchido</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Radar suavizado</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Radar suavizado com marcadores</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Dispersão XY</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bolhas</translation>
    </message>
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Não é possível exportar a imagem: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>uma imagem deste tamanho não cabe num GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória esgotada</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>O servidor e a base de dados estão indicados em %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>A base de dados %1 no servidor %2 não contém nenhum cubo.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>A mensagem de erro é: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>O nome do servidor e o nome da base de dados não podem conter vírgulas nem quebras de linha: o ServerName.txt não os conseguiria guardar.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Liste as bases de dados do servidor %1 e escolha uma.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>O relatório &quot;%1&quot; não foi aberto: liga-se a &quot;%2&quot;, mas os relatórios desta pasta de dados pertencem a &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>O relatório &quot;%1&quot; não foi aberto: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>A descrição do relatório &quot;%1&quot; é demasiado grande para ser mostrada: %2 caracteres, no máximo %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>A descrição do relatório &quot;%1&quot; está aninhada demasiado fundo para ser mostrada como foi escrita; os níveis mais interiores são mostrados achatados.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>O catálogo &quot;%1&quot; não contém cubos.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>O ficheiro de cubo &quot;%1&quot; não contém o cubo &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>A cadeia de ligação não é válida: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>um valor não tem palavra-chave</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>a porta de &quot;%1&quot; não é um número</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Os metadados do cubo não são válidos: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>nenhum cubo com o nome &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>a tabela de factos</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>um nome de dimensão</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>a tabela da dimensão %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>a chave da dimensão %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>a chave de factos da dimensão %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>um nome de hierarquia</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>a dimensão da hierarquia %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>os níveis da hierarquia &quot;%1&quot; não estão numerados 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>um nome de nível</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>a coluna de chave do nível %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>um nome de medida</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>No %1, a tabela de dimensão &quot;%2&quot; contém a chave &quot;%3&quot; mais de uma vez. As chaves de uma tabela de dimensão têm de ser únicas.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>ficheiro de cubo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>&quot;%1&quot; não é um ficheiro de cubo.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>O ficheiro de cubo &quot;%1&quot; tem o formato %2, que este programa não consegue ler.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>O ficheiro de cubo &quot;%1&quot; tem de conter exatamente um cubo.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>O cubo não tem a hierarquia &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>A consulta tem demasiadas combinações de membros.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Memória esgotada ao ligar ao servidor de cubos.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>A consulta não é válida: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>o cubo não tem a hierarquia &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>o cubo não tem a medida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>catálogo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>O ficheiro de cubo &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Não é possível abrir o ficheiro de cubo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>O ficheiro de cubo &quot;%1&quot; não pode ser utilizado (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>um item</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 não tem valor</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>o valor de %1 não tem aspas de fecho</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>há texto depois do valor entre aspas de %1</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>O ficheiro de cubo &quot;%1&quot; não tem a tabela %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (é um %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>O ficheiro de cubo &quot;%1&quot; não pode ser utilizado: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>O ficheiro de cubo &quot;%1&quot; não responde: a leitura não devolveu nada durante %2 segundos, pelo que foi interrompida.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>O sistema não conseguiu iniciar um thread</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Não é possível contactar o servidor de cubos: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>A consulta foi cancelada: deixou de esperar pelo servidor de cubos.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>O servidor de cubos não respondeu em %1 segundos; a consulta foi cancelada.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>No %1, os factos de &quot;%2&quot; não podem ser associados à tabela de dimensão &quot;%3&quot;: o servidor não consegue comparar a chave de factos &quot;%4&quot; com a chave de dimensão &quot;%5&quot; (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>a hierarquia &quot;%1&quot; indica uma dimensão desconhecida</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>a hierarquia &quot;%1&quot; não tem níveis</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>o cubo &quot;%1&quot; não tem hierarquias</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>a medida &quot;%1&quot; tem uma agregação desconhecida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>a medida &quot;%1&quot; não tem coluna</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Não é possível imprimir a tabela dinâmica:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Não foi possível guardar a imagem em %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: escreva um número inteiro de píxeis entre 1 e %2.</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>Total de %1</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Total geral</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Detalhes: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>São mostradas as primeiras %1 linhas.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 linhas.</translation>
    </message>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Arraste para mover, arraste para fora da tabela dinâmica para remover; clique com o botão direito para mais opções</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrar...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Mover para a área de linhas</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Mover para a área de colunas</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Mover para a área de filtro</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Remover campo</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Campos</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Procurar campos</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Adicionar à área de dados</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Adicionar à área de linhas</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Adicionar à área de colunas</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Adicionar à área de filtro</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Não selecionar nenhum</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>A tabela dinâmica não tem cadeia de ligação</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Não é possível abrir o cubo %1</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>A tabela dinâmica não pode utilizar estes dados XML</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>Os dados XML não correspondem ao cubo %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Mostrar detalhes</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Expandir</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Expandir todo o nível</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Reduzir todo o nível</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Ordenar de A a Z</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Ordenar de Z a A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Ordem original</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Mostrar subtotais</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Mostrar total geral</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Ordenar linhas por «%1», do maior para o menor</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Ordenar linhas por «%1», do menor para o maior</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Ordenar colunas por «%1», do maior para o menor</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Arraste campos para aqui para filtrar</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Arraste campos para aqui para as colunas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Arraste campos para aqui para as linhas</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Arraste medidas para aqui</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>O objeto não suporta esta propriedade ou método: %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>A tabela dinâmica não pode exportar uma imagem como %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Tamanho de imagem inválido</translation>
    </message>
    <message>
        <source>Waiting for the cube server: %1 s</source>
        <translation>A aguardar o servidor de cubos: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Deixar de esperar</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>A ler o cubo: %1 de %2 linhas</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>A ler o cubo: %1 linhas</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Campo de dados:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Rótulo:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Formato numérico:</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>O cubo devolveu um resultado incompleto</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Não é possível ler a pasta &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: outro ficheiro já contém o relatório &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>O relatório tem %1 dos seus 4 campos.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>O modo de visualização ou o tipo de gráfico do relatório não é um número.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>O relatório tem %1 dos seus 3 campos.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>O modo de visualização do relatório não é um número.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Um relatório precisa de um nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>&quot;%1&quot; não pode ser o nome de um relatório.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>O nome de um relatório não pode conter &quot;/&quot; nem &quot;\&quot;.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>O nome de um relatório não pode conter caracteres de controlo.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>O nome do relatório é demasiado longo.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>Não foi encontrado nenhum cubo em %1.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Coloque ficheiros de cubo (*.cub) nessa pasta ou indique um servidor de cubos em ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 contém &quot;***&quot;, &quot;XYZ&quot; ou &quot;XXX&quot;, que o ficheiro do relatório reserva para si.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>A tabela dinâmica (o nome do cubo, servidor ou base de dados, um membro ou um título)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>O gráfico</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>A descrição, o tipo ou a categoria</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>O modo de visualização ou o tipo de gráfico não pode ser guardado.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Não foi possível ler estes ficheiros e pastas de relatório, que foram omitidos:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>a sua pasta conduz para fora da pasta de dados.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Guarda o relatório atual como um novo relatório</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: &quot;%2&quot; não pode ser guardado num relatório. Escreva-o de outra forma.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Imagens (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Sem nome de ficheiro</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: não é um ficheiro</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: o ficheiro é maior do que uma caixa de texto pode conter</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: a página de códigos %2 não pode ser lida</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Não há texto para guardar</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Codificação desconhecida %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>O texto não pode ser escrito na página de códigos %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: o ficheiro já existe</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: é uma pasta</translation>
    </message>
</context>
</TS>
