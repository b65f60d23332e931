<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>chart::ChartFieldList</name>
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
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
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
</context>
<context>
    <name>pivot::DetailsView</name>
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
</context>
<context>
    <name>pivot::FieldChip</name>
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
</context>
<context>
    <name>pivot::FieldListPanel</name>
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
</context>
<context>
    <name>pivot::MemberChecklist</name>
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
</context>
<context>
    <name>pivot::PivotGridView</name>
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
        <source>Filter...</source>
        <translation>Filtrar...</translation>
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
</context>
<context>
    <name>pivot::PivotTable</name>
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
        <source>The cube returned an incomplete result</source>
        <translation>O cubo devolveu um resultado incompleto</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
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
</context>
</TS>
