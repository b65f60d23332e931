<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>chart</name>
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
        <source>The picture cannot be exported as %1</source>
        <translation>No se puede exportar la imagen como %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>No se puede exportar la imagen a %1 x %2 píxeles</translation>
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
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>No se puede exportar la imagen: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>una imagen de este tamaño no cabe en un GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>El servidor y la base de datos se indican en %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>La base de datos %1 del servidor %2 no contiene ningún cubo.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>El mensaje de error es: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>El nombre del servidor y el de la base de datos no pueden contener comas ni saltos de línea: ServerName.txt no podría guardarlos.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Muestre las bases de datos del servidor %1 y elija una.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>El informe &quot;%1&quot; no se ha abierto: se conecta a &quot;%2&quot;, mientras que los informes de esta carpeta de datos pertenecen a &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>El informe &quot;%1&quot; no se ha abierto: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>La descripción del informe &quot;%1&quot; es demasiado grande para mostrarla: %2 caracteres, como máximo %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>La descripción del informe &quot;%1&quot; está anidada a demasiada profundidad para mostrarla tal como está escrita; sus niveles más internos se muestran aplanados.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>El catálogo &quot;%1&quot; no contiene cubos.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>El archivo de cubo &quot;%1&quot; no contiene el cubo &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>La cadena de conexión no es válida: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>un valor no tiene palabra clave</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>el puerto de &quot;%1&quot; no es un número</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Los metadatos del cubo no son válidos: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>ningún cubo con el nombre &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>la tabla de hechos</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>un nombre de dimensión</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>la tabla de la dimensión %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>la clave de la dimensión %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>la clave de hechos de la dimensión %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>un nombre de jerarquía</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>la dimensión de la jerarquía %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>los niveles de la jerarquía &quot;%1&quot; no están numerados 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>un nombre de nivel</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>la columna de clave del nivel %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>un nombre de medida</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>En %1, la tabla de dimensión &quot;%2&quot; contiene la clave &quot;%3&quot; más de una vez. Las claves de una tabla de dimensión deben ser únicas.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>el archivo de cubo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>&quot;%1&quot; no es un archivo de cubo.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>El archivo de cubo &quot;%1&quot; tiene el formato %2, que este programa no puede leer.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>El archivo de cubo &quot;%1&quot; debe contener exactamente un cubo.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>El cubo no tiene la jerarquía &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>La consulta tiene demasiadas combinaciones de miembros.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Memoria insuficiente al conectar con el servidor de cubos.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>La consulta no es válida: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>el cubo no tiene la jerarquía &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>el cubo no tiene la medida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>el catálogo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>El archivo de cubo &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>No se puede abrir el archivo de cubo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>El archivo de cubo &quot;%1&quot; no se puede usar (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>un elemento</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 no tiene valor</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>el valor de %1 no tiene comillas de cierre</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>hay texto después del valor entre comillas de %1</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>El archivo de cubo &quot;%1&quot; no tiene la tabla %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (es un %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>El archivo de cubo &quot;%1&quot; no se puede usar: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>El archivo de cubo &quot;%1&quot; no responde: su lectura no devolvió nada durante %2 segundos, así que se detuvo.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>El sistema no pudo iniciar un subproceso</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>No se puede contactar con el servidor de cubos: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>La consulta se ha cancelado: ha dejado de esperar al servidor de cubos.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>El servidor de cubos no ha respondido en %1 segundos; la consulta se ha cancelado.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>En %1, los hechos de &quot;%2&quot; no se pueden asociar con la tabla de dimensión &quot;%3&quot;: el servidor no puede comparar la clave de hechos &quot;%4&quot; con la clave de dimensión &quot;%5&quot; (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>la jerarquía &quot;%1&quot; nombra una dimensión desconocida</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>la jerarquía &quot;%1&quot; no tiene niveles</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>el cubo &quot;%1&quot; no tiene jerarquías</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>la medida &quot;%1&quot; tiene un agregado desconocido &quot;%2&quot;</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>la medida &quot;%1&quot; no tiene columna</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>No se puede imprimir la tabla dinámica:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>No se pudo guardar la imagen en %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: escriba un número entero de píxeles entre 1 y %2.</translation>
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
        <source>Waiting for the cube server: %1 s</source>
        <translation>Esperando al servidor de cubos: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Dejar de esperar</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Leyendo el cubo: %1 de %2 filas</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Leyendo el cubo: %1 filas</translation>
    </message>
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
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>El cubo devolvió un resultado incompleto</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer la carpeta &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: otro archivo ya contiene el informe &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>El informe tiene %1 de sus 4 campos.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>El modo de vista o el tipo de gráfico del informe no es un número.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>El informe tiene %1 de sus 3 campos.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>El modo de vista del informe no es un número.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Un informe necesita un nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>&quot;%1&quot; no puede ser el nombre de un informe.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>El nombre de un informe no puede contener &quot;/&quot; ni &quot;\&quot;.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>El nombre de un informe no puede contener caracteres de control.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>El nombre del informe es demasiado largo.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>No se encontró ningún cubo en %1.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Coloque archivos de cubo (*.cub) en esa carpeta o indique un servidor de cubos en ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 contiene &quot;***&quot;, &quot;XYZ&quot; o &quot;XXX&quot;, que el archivo del informe reserva para sí.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>La tabla dinámica (el nombre de su cubo, servidor o base de datos, un miembro o un título)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>El gráfico</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>La descripción, el tipo o la categoría</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>El modo de vista o el tipo de gráfico no se puede guardar.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Estos archivos y carpetas de informe no se pudieron leer y se han omitido:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>su carpeta lleva fuera de la carpeta de datos.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Guarda el informe actual como un informe nuevo</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: &quot;%2&quot; no se puede guardar en un informe. Escríbalo de otra forma.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Falta el nombre de archivo</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: no es un archivo</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: el archivo es mayor de lo que cabe en un cuadro de texto</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: no se puede leer la página de códigos %2</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>No hay texto que guardar</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Codificación desconocida %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>El texto no se puede escribir en la página de códigos %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: el archivo ya existe</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: es una carpeta</translation>
    </message>
</context>
</TS>
