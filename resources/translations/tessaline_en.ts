<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>chart</name>
    <message>
        <source>Chart fields</source>
        <translation>Chart fields</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>The picture cannot be exported as %1</source>
        <translation>The picture cannot be exported as %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>The picture cannot be exported at %1 x %2 pixels</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Stacked column</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>100% stacked column</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Stacked bar</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>100% stacked bar</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Line with markers</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Stacked line</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Stacked line with markers</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>100% stacked line</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>100% stacked line with markers</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Smooth line</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Smooth line with markers</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Stacked smooth line</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Stacked smooth line with markers</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>100% stacked smooth line</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>100% stacked smooth line with markers</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Pie</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Exploded pie</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Stacked pie</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Doughnut</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Exploded doughnut</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Stacked area</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>100% stacked area</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Radar with markers</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Filled radar</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Smooth radar</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Smooth radar with markers</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>XY scatter</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bubble</translation>
    </message>
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>The picture cannot be exported: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>no image of a size a GIF can hold</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>The server and the database are named in %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>The database %1 on the server %2 holds no cube.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>The error message is: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Please list the databases of the server %1 and choose one.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>The report &quot;%1&quot; was not opened: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>The catalog &quot;%1&quot; holds no cubes.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>The connection string is not valid: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>a value has no keyword</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>the port of &quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>The cube metadata is not valid: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>no cube named &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>the fact table</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>a dimension name</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>the table of dimension %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>the key of dimension %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>the fact key of dimension %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>a hierarchy name</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>the dimension of hierarchy %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>a level name</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>the key column of level %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>a measure name</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>the cube file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>&quot;%1&quot; is not a cube file.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>The cube file &quot;%1&quot; has format %2, which this program cannot read.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>The cube file &quot;%1&quot; must hold exactly one cube.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>The cube has no hierarchy &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>The query has too many member combinations.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Out of memory while connecting to the cube server.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>The query is not valid: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>the cube has no hierarchy &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>the cube has no measure &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>the catalog &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>The cube file &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>The cube file &quot;%1&quot; cannot be opened: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>The cube file &quot;%1&quot; cannot be used (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>an item</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 has no value</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>the value of %1 has no closing quote</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>text follows the quoted value of %1</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>The cube file &quot;%1&quot; has no table %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (it is a %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>The cube file &quot;%1&quot; cannot be used: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>The system could not start a thread</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>The cube server cannot be reached: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>The query was cancelled: you stopped waiting for the cube server.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>The cube server did not answer within %1 seconds; the query was cancelled.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>hierarchy &quot;%1&quot; names an unknown dimension</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>hierarchy &quot;%1&quot; has no levels</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>cube &quot;%1&quot; has no hierarchies</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>measure &quot;%1&quot; has no column</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>The pivot table cannot be printed:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>The picture could not be saved to %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: please type a whole number of pixels from 1 to %2.</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>%1 Total</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Grand Total</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Details: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>The first %1 rows are shown.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 rows.</translation>
    </message>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Drag to move, drag off the pivot table to remove; right-click for more</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filter...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Move to Row Area</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Move to Column Area</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Move to Filter Area</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Move Left</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Move Right</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Remove Field</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Search fields</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Measures</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Add to Data Area</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Add to Row Area</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Add to Column Area</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Add to Filter Area</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Select None</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>The pivot table has no connection string</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Cube %1 cannot be opened</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>The pivot table cannot use this XML data</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>The XML data does not fit cube %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Show Details</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Collapse</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Expand</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Expand Entire Level</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Collapse Entire Level</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Sort A to Z</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Sort Z to A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Original Order</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Show Subtotals</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Show Grand Total</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Sort Rows by &quot;%1&quot;, Largest First</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Sort Rows by &quot;%1&quot;, Smallest First</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Sort Columns by &quot;%1&quot;, Largest First</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Drag fields here to filter</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Drag fields here for columns</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Drag fields here for rows</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Drag measures here</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Object doesn&apos;t support this property or method: %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Invalid property value</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>The pivot table cannot export a picture as %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Invalid picture size</translation>
    </message>
    <message>
        <source>Waiting for the cube server: %1 s</source>
        <translation>Waiting for the cube server: %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Stop waiting</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Reading the cube: %1 of %2 rows</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Reading the cube: %1 rows</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Data field:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Caption:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Number format:</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>The cube returned an incomplete result</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>The folder &quot;%1&quot; cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: another file holds the report &quot;%2&quot; already.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>The report has %1 of its 4 fields.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>The report&apos;s view mode or chart type is not a number.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>The report has %1 of its 3 fields.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>The report&apos;s view mode is not a number.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>A report needs a name.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>&quot;%1&quot; cannot be the name of a report.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>A report name cannot contain control characters.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>The report name is too long.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>No cube was found in %1.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>The pivot table (the name of its cube, server or database, a member or a title)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>The chart</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>The description, type or category</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>The view mode or chart type cannot be stored.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>These report files and folders could not be read and were left out:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>its folder leads out of the data folder.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Saves the current report as a new report</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>No file name</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: not a file</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: the file is larger than a text box can hold</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: code page %2 cannot be read</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>No text to save</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Unknown encoding %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>The text cannot be written in code page %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: the file exists</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: is a folder</translation>
    </message>
</context>
</TS>
