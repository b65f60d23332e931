<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>chart::ChartFieldList</name>
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
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
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
</context>
<context>
    <name>pivot::DetailsView</name>
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
</context>
<context>
    <name>pivot::FieldChip</name>
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
</context>
<context>
    <name>pivot::FieldListPanel</name>
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
</context>
<context>
    <name>pivot::MemberChecklist</name>
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
</context>
<context>
    <name>pivot::PivotGridView</name>
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
        <source>Filter...</source>
        <translation>Filter...</translation>
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
</context>
<context>
    <name>pivot::PivotTable</name>
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
        <source>The cube returned an incomplete result</source>
        <translation>The cube returned an incomplete result</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
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
</context>
</TS>
