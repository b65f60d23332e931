<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>chart</name>
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
        <source>The picture cannot be exported as %1</source>
        <translation>Не удается экспортировать изображение в формате %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Не удается экспортировать изображение размером %1 x %2 пикселей</translation>
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
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Не удается экспортировать изображение: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>изображение такого размера не помещается в GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Сервер и база данных указаны в файле %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>База данных %1 на сервере %2 не содержит ни одного куба.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Сообщение об ошибке: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Имя сервера и имя базы данных не могут содержать запятую или перевод строки: файл ServerName.txt не сможет их сохранить.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Выведите список баз данных сервера %1 и выберите одну из них.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Отчёт «%1» не открыт: он подключается к «%2», а отчёты этой папки данных относятся к «%3».</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Отчёт «%1» не открыт: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>Описание отчёта «%1» слишком велико для показа: %2 символов, не более %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>Описание отчёта «%1» вложено слишком глубоко, чтобы показать его как написано; его самые внутренние уровни показаны упрощённо.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Каталог «%1» не содержит кубов.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Файл куба «%1» не содержит куба «%2».</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>Строка подключения недопустима: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>у значения нет ключевого слова</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>порт в «%1» не является числом</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Метаданные куба недопустимы: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>отсутствует %1</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>нет куба с именем «%1»</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>таблица фактов</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>имя измерения</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>таблица измерения %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>ключ измерения %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>ключ фактов измерения %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>имя иерархии</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>измерение иерархии %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>уровни иерархии «%1» не пронумерованы 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>имя уровня</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>ключевой столбец уровня %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>имя меры</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>В %1 таблица измерения «%2» содержит ключ «%3» более одного раза. Ключи таблицы измерения должны быть уникальными.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>файле куба «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>«%1» не является файлом куба.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Файл куба «%1» имеет формат %2, который эта программа не может прочитать.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Файл куба «%1» должен содержать ровно один куб.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>В кубе нет иерархии «%1».</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>В запросе слишком много сочетаний элементов.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Недостаточно памяти при подключении к серверу кубов.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>Запрос недопустим: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>в кубе нет иерархии «%1»</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>в кубе нет меры «%1»</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>каталоге «%1»</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Файл куба «%1» не существует.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Не удается открыть файл куба «%1»: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Файл куба «%1» нельзя использовать (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>элемент</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>у %1 нет значения</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>у значения %1 нет закрывающей кавычки</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>после значения %1 в кавычках стоит текст</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>В файле куба «%1» нет таблицы %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (это %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Файл куба «%1» нельзя использовать: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Файл куба «%1» не отвечает: чтение ничего не дало за %2 с, поэтому оно было остановлено.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Системе не удалось запустить поток</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Сервер кубов недоступен: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>Запрос отменён: вы перестали ждать сервер кубов.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Сервер кубов не ответил в течение %1 с; запрос отменён.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>В %1 факты из «%2» нельзя сопоставить с таблицей измерения «%3»: сервер не может сравнить ключ фактов «%4» с ключом измерения «%5» (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>иерархия «%1» ссылается на неизвестное измерение</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>у иерархии «%1» нет уровней</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>у куба «%1» нет иерархий</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>у меры «%1» неизвестная агрегатная функция «%2»</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>у меры «%1» нет столбца</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Не удается напечатать сводную таблицу:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Не удалось сохранить изображение в %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: введите целое число пикселей от 1 до %2.</translation>
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
        <source>Waiting for the cube server: %1 s</source>
        <translation>Ожидание сервера кубов: %1 с</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Перестать ждать</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Чтение куба: %1 из %2 строк</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Чтение куба: %1 строк</translation>
    </message>
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
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Куб вернул неполный результат</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Не удается прочитать папку «%1»: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: отчёт «%2» уже хранится в другом файле.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>В отчёте %1 из 4 полей.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Режим просмотра или тип диаграммы отчёта не является числом.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>В отчёте %1 из 3 полей.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Режим просмотра отчёта не является числом.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>У отчёта должно быть имя.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>«%1» не может быть именем отчёта.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Имя отчёта не может содержать «/» или «\».</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Имя отчёта не может содержать управляющие символы.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Имя отчёта слишком длинное.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>В %1 не найдено ни одного куба.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Поместите файлы кубов (*.cub) в эту папку или укажите сервер кубов в файле ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 содержит «***», «XYZ» или «XXX», которые файл отчёта использует сам.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Сводная таблица (имя её куба, сервера или базы данных, элемент или заголовок)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>Описание, тип или категория</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>Режим просмотра или тип диаграммы нельзя сохранить.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Эти файлы и папки отчётов не удалось прочитать, и они были пропущены:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>его папка ведёт за пределы папки данных.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Сохраняет текущий отчёт как новый отчёт</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: «%2» нельзя сохранить в отчёте. Напишите это иначе.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Не указано имя файла</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: не является файлом</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: файл больше, чем может вместить текстовое поле</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: кодовую страницу %2 прочитать нельзя</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Нет текста для сохранения</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Неизвестная кодировка %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Текст нельзя записать в кодовой странице %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: файл уже существует</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: это папка</translation>
    </message>
</context>
</TS>
