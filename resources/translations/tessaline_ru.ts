<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Поля диаграммы</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Ряды</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Значения</translation>
    </message>
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
    <message>
        <source>Legend</source>
        <translation>Легенда</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Гистограмма</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Гистограмма с накоплением</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Гистограмма с накоплением (100 %)</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Линейчатая</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Линейчатая с накоплением</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Линейчатая с накоплением (100 %)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>График с маркерами</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>График с накоплением</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>График с накоплением с маркерами</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>График с накоплением (100 %)</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>График с накоплением с маркерами (100 %)</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Сглаженный график</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Сглаженный график с маркерами</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Сглаженный график с накоплением</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Сглаженный график с накоплением с маркерами</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Сглаженный график с накоплением (100 %)</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Сглаженный график с накоплением с маркерами (100 %)</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Круговая</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Разрезанная круговая</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Круговая с накоплением</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Кольцевая</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Разрезанная кольцевая</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>С областями</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>С областями и накоплением</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>С областями и накоплением (100 %)</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Лепестковая</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Лепестковая с маркерами</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Заполненная лепестковая</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Сглаженная лепестковая</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Сглаженная лепестковая с маркерами</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Точечная XY</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Пузырьковая</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>Итог %1</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Общий итог</translation>
    </message>
</context>
<context>
    <name>pivot::DetailsView</name>
    <message>
        <source>Details: %1</source>
        <translation>Подробности: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Показаны первые %1 строк.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>Строк: %1.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Перетащите, чтобы переместить, или за пределы сводной таблицы, чтобы удалить; правая кнопка мыши — другие действия</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Фильтр...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Переместить в область строк</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Переместить в область столбцов</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Переместить в область фильтра</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Переместить влево</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Переместить вправо</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Удалить поле</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Поиск полей</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Меры</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Добавить в область данных</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Добавить в область строк</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Добавить в область столбцов</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Добавить в область фильтра</translation>
    </message>
</context>
<context>
    <name>pivot::MemberChecklist</name>
    <message>
        <source>Filter: %1</source>
        <translation>Фильтр: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Снять выбор</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Показать подробности</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Развернуть весь уровень</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Свернуть весь уровень</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Фильтр...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Сортировать от А до Я</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Сортировать от Я до А</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Исходный порядок</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Показать промежуточные итоги</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Показать общий итог</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Сортировать строки по «%1», по убыванию</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Сортировать строки по «%1», по возрастанию</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Сортировать столбцы по «%1», по убыванию</translation>
    </message>
</context>
<context>
    <name>pivot::PivotTable</name>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Перетащите сюда поля для фильтра</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Столбцы</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Перетащите сюда поля столбцов</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Строки</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Перетащите сюда поля строк</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Перетащите сюда меры</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Объект не поддерживает это свойство или метод: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>У сводной таблицы нет строки подключения</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Не удается открыть куб %1</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Сводная таблица не может использовать эти данные XML</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>Данные XML не подходят к кубу %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Сводная таблица не может экспортировать рисунок как %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Недопустимый размер рисунка</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Куб вернул неполный результат</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Поле данных:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Подпись:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Числовой формат:</translation>
    </message>
</context>
</TS>
