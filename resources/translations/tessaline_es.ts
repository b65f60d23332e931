<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Campos del gráfico</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
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
        <translation>Leyenda</translation>
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
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Columnas apiladas</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Columnas apiladas al 100%</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barras</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Barras apiladas</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Barras apiladas al 100%</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Líneas con marcadores</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Líneas apiladas</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Líneas apiladas con marcadores</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Líneas apiladas al 100%</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Líneas apiladas con marcadores al 100%</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Líneas suavizadas</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Líneas suavizadas con marcadores</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Líneas suavizadas apiladas</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Líneas suavizadas apiladas con marcadores</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Líneas suavizadas apiladas al 100%</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Líneas suavizadas apiladas con marcadores al 100%</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Circular seccionado</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Circular apilado</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Anillos</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Anillos seccionados</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Áreas</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Áreas apiladas</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Áreas apiladas al 100%</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radial</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Radial con marcadores</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Radial relleno</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Radial suavizado</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Radial suavizado con marcadores</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Dispersión XY</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Burbujas</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Total general</translation>
    </message>
</context>
<context>
    <name>pivot::DetailsView</name>
    <message>
        <source>Details: %1</source>
        <translation>Detalles: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Se muestran las primeras %1 filas.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 filas.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Arrastre para mover, arrastre fuera de la tabla dinámica para quitar; clic derecho para más opciones</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrar...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Mover al área de filas</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Mover al área de columnas</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Mover al área de filtro</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Quitar campo</translation>
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
        <translation>Buscar campos</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Agregar al área de datos</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Agregar al área de filas</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Agregar al área de columnas</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Agregar al área de filtro</translation>
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
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>No seleccionar nada</translation>
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
        <translation>Mostrar detalles</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Contraer</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Expandir</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Expandir todo el nivel</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Contraer todo el nivel</translation>
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
        <translation>Orden original</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Mostrar subtotales</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Mostrar total general</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Ordenar filas por «%1», de mayor a menor</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Ordenar filas por «%1», de menor a mayor</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Ordenar columnas por «%1», de mayor a menor</translation>
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
        <translation>Arrastre campos aquí para filtrar</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Arrastre campos aquí para las columnas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Arrastre campos aquí para las filas</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Arrastre medidas aquí</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>El objeto no admite esta propiedad o método: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>La tabla dinámica no tiene cadena de conexión</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>No se puede abrir el cubo %1</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>La tabla dinámica no puede usar estos datos XML</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>Los datos XML no corresponden al cubo %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>La tabla dinámica no puede exportar una imagen como %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Tamaño de imagen no válido</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>El cubo devolvió un resultado incompleto</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Campo de datos:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Rótulo:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Formato de número:</translation>
    </message>
</context>
</TS>
