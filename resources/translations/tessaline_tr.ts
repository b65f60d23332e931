<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Grafik alanları</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Seriler</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategoriler</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Değerler</translation>
    </message>
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
    <message>
        <source>Legend</source>
        <translation>Gösterge</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Başlık</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Sütun</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Yığılmış sütun</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>%100 yığılmış sütun</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Çubuk</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Yığılmış çubuk</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>%100 yığılmış çubuk</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Çizgi</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Çizgi ve işaretçiler</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Yığılmış çizgi</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Yığılmış çizgi ve işaretçiler</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>%100 yığılmış çizgi</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>%100 yığılmış çizgi ve işaretçiler</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Düzgünleştirilmiş çizgi</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Düzgünleştirilmiş çizgi ve işaretçiler</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Yığılmış düzgünleştirilmiş çizgi</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Yığılmış düzgünleştirilmiş çizgi ve işaretçiler</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>%100 yığılmış düzgünleştirilmiş çizgi</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>%100 yığılmış düzgünleştirilmiş çizgi ve işaretçiler</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Patlatılmış pasta</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Yığılmış pasta</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Halka</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Patlatılmış halka</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Alan</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Yığılmış alan</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>%100 yığılmış alan</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Radar ve işaretçiler</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Dolgulu radar</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Düzgünleştirilmiş radar</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Düzgünleştirilmiş radar ve işaretçiler</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>XY dağılım</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Kabarcık</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>%1 Toplamı</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Genel Toplam</translation>
    </message>
</context>
<context>
    <name>pivot::DetailsView</name>
    <message>
        <source>Details: %1</source>
        <translation>Ayrıntılar: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>İlk %1 satır gösteriliyor.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 satır.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Taşımak için sürükleyin, kaldırmak için özet tablonun dışına sürükleyin; daha fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrele...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Satır alanına taşı</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Sütun alanına taşı</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Filtre alanına taşı</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Sola taşı</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Sağa taşı</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Alanı kaldır</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Alanlar</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Alan ara</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Ölçüler</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Veri alanına ekle</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Satır alanına ekle</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Sütun alanına ekle</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Filtre alanına ekle</translation>
    </message>
</context>
<context>
    <name>pivot::MemberChecklist</name>
    <message>
        <source>Filter: %1</source>
        <translation>Filtre: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Hiçbirini seçme</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Ayrıntıları göster</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Daralt</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Genişlet</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Tüm düzeyi genişlet</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Tüm düzeyi daralt</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrele...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>A&apos;dan Z&apos;ye sırala</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Z&apos;den A&apos;ya sırala</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Özgün sıra</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Alt toplamları göster</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Genel toplamı göster</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Satırları &quot;%1&quot; ölçüsüne göre sırala, önce en büyük</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Satırları &quot;%1&quot; ölçüsüne göre sırala, önce en küçük</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Sütunları &quot;%1&quot; ölçüsüne göre sırala, önce en büyük</translation>
    </message>
</context>
<context>
    <name>pivot::PivotTable</name>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Filtrelemek için alanları buraya sürükleyin</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Sütunlar</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Sütunlar için alanları buraya sürükleyin</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Satırlar</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Satırlar için alanları buraya sürükleyin</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Veri</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Ölçüleri buraya sürükleyin</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Nesne bu özelliği veya yöntemi desteklemiyor: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Özet tablonun bağlantı dizesi yok</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>%1 küpü açılamıyor</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Özet tablo bu XML verilerini kullanamıyor</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>XML verileri %1 küpüne uymuyor</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Geçersiz özellik değeri</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Özet tablo resmi %1 olarak dışa aktaramıyor</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Geçersiz resim boyutu</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Küp eksik bir sonuç döndürdü</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Özellikler</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Veri alanı:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Etiket:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Sayı biçimi:</translation>
    </message>
</context>
</TS>
