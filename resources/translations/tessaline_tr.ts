<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>chart</name>
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
        <source>The picture cannot be exported as %1</source>
        <translation>Resim %1 olarak dışa aktarılamıyor</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Resim %1 x %2 piksel boyutunda dışa aktarılamıyor</translation>
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
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Resim dışa aktarılamıyor: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>bu boyutta bir resim GIF olarak saklanamaz</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>bellek yetersiz</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Sunucu ve veritabanı %1 dosyasında belirtilir.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>%2 sunucusundaki %1 veritabanında küp yok.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Hata iletisi: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Sunucu adı ve veritabanı adı virgül veya satır sonu içeremez: ServerName.txt bunları saklayamaz.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Lütfen %1 sunucusunun veritabanlarını listeleyip birini seçin.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>&quot;%1&quot; raporu açılmadı: &quot;%2&quot; kaynağına bağlanıyor, oysa bu veri klasörünün raporları &quot;%3&quot; kaynağına ait.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>&quot;%1&quot; raporu açılmadı: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>&quot;%1&quot; raporunun açıklaması gösterilemeyecek kadar büyük: %2 karakter, en fazla %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>&quot;%1&quot; raporunun açıklaması yazıldığı gibi gösterilemeyecek kadar derin iç içe geçmiş; en içteki düzeyleri düzleştirilerek gösteriliyor.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>&quot;%1&quot; kataloğunda küp yok.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; küp dosyasında &quot;%2&quot; küpü yok.</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>Bağlantı dizesi geçerli değil: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>bir değerin anahtar sözcüğü yok</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; bağlantı noktası bir sayı değil</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Küp meta verileri geçerli değil: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 eksik</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>&quot;%1&quot; adlı küp yok</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>olgu tablosu</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>bir boyut adı</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>%1 boyutunun tablosu</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>%1 boyutunun anahtarı</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>%1 boyutunun olgu anahtarı</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>bir hiyerarşi adı</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>%1 hiyerarşisinin boyutu</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>&quot;%1&quot; hiyerarşisinin düzeyleri 1, 2, 3... diye numaralanmamış</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>bir düzey adı</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>%1 düzeyinin anahtar sütunu</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>bir ölçü adı</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>%1: &quot;%2&quot; boyut tablosunda &quot;%3&quot; anahtarı birden çok kez geçiyor. Bir boyut tablosunun anahtarları benzersiz olmalıdır.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>&quot;%1&quot; küp dosyası</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>&quot;%1&quot; bir küp dosyası değil.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>&quot;%1&quot; küp dosyası %2 biçiminde; bu program bu biçimi okuyamaz.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>&quot;%1&quot; küp dosyası tam olarak bir küp içermelidir.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Küpte &quot;%1&quot; hiyerarşisi yok.</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>Sorguda çok fazla üye birleşimi var.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Küp sunucusuna bağlanırken bellek yetersiz kaldı.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>Sorgu geçerli değil: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>küpte &quot;%1&quot; hiyerarşisi yok</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>küpte &quot;%1&quot; ölçüsü yok</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kataloğu</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>&quot;%1&quot; küp dosyası yok.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>&quot;%1&quot; küp dosyası açılamıyor: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>&quot;%1&quot; küp dosyası kullanılamıyor (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>bir öğe</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 için değer yok</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>%1 değerinin kapanış tırnağı yok</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>%1 için tırnak içindeki değerden sonra metin var</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>&quot;%1&quot; küp dosyasında %2%3 tablosu yok.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (bir %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>&quot;%1&quot; küp dosyası kullanılamıyor: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>&quot;%1&quot; küp dosyası yanıt vermiyor: okuma %2 saniye boyunca hiçbir şey döndürmediği için durduruldu.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Sistem bir iş parçacığı başlatamadı</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Küp sunucusuna ulaşılamıyor: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>Sorgu iptal edildi: küp sunucusunu beklemeyi bıraktınız.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Küp sunucusu %1 saniye içinde yanıt vermedi; sorgu iptal edildi.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>%1: &quot;%2&quot; tablosunun olguları &quot;%3&quot; boyut tablosuyla eşleştirilemiyor: sunucu &quot;%4&quot; olgu anahtarını &quot;%5&quot; boyut anahtarıyla karşılaştıramıyor (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>&quot;%1&quot; hiyerarşisi bilinmeyen bir boyutu adlandırıyor</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>&quot;%1&quot; hiyerarşisinin düzeyi yok</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>&quot;%1&quot; küpünün hiyerarşisi yok</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>&quot;%1&quot; ölçüsünün toplama işlevi &quot;%2&quot; bilinmiyor</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>&quot;%1&quot; ölçüsünün sütunu yok</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Özet tablo yazdırılamıyor:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Resim %1 konumuna kaydedilemedi:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: lütfen 1 ile %2 arasında tam sayı olarak piksel değeri yazın.</translation>
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
        <source>Waiting for the cube server: %1 s</source>
        <translation>Küp sunucusu bekleniyor: %1 sn</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Beklemeyi bırak</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Küp okunuyor: %1 / %2 satır</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Küp okunuyor: %1 satır</translation>
    </message>
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
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Küp eksik bir sonuç döndürdü</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>&quot;%1&quot; klasörü okunamıyor: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: &quot;%2&quot; raporu zaten başka bir dosyada bulunuyor.</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Raporun 4 alanından yalnızca %1 tanesi var.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Raporun görünüm modu veya grafik türü bir sayı değil.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Raporun 3 alanından yalnızca %1 tanesi var.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Raporun görünüm modu bir sayı değil.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Raporun bir adı olmalıdır.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>&quot;%1&quot; bir rapor adı olamaz.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Rapor adı &quot;/&quot; veya &quot;\&quot; içeremez.</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Rapor adı denetim karakterleri içeremez.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Rapor adı çok uzun.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>%1 içinde küp bulunamadı.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Bu klasöre küp dosyaları (*.cub) koyun veya ServerName.txt dosyasında bir küp sunucusu belirtin.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1; rapor dosyasının kendine ayırdığı &quot;***&quot;, &quot;XYZ&quot; veya &quot;XXX&quot; dizilerini içeriyor.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Özet tablo (küpünün, sunucusunun veya veritabanının adı, bir üye ya da bir başlık)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>Açıklama, tür veya kategori</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>Görünüm modu veya grafik türü kaydedilemez.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Şu rapor dosyaları ve klasörleri okunamadığı için atlandı:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>klasörü veri klasörünün dışına çıkıyor.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Geçerli raporu yeni bir rapor olarak kaydeder</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: &quot;%2&quot; bir rapora kaydedilemez. Lütfen başka bir şekilde yazın.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Resimler (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Dosya adı yok</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: dosya değil</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: dosya, bir metin kutusunun alabileceğinden büyük</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: %2 kod sayfası okunamıyor</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Kaydedilecek metin yok</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Bilinmeyen kodlama %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Metin %1 kod sayfasında yazılamıyor</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: dosya zaten var</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: bir klasör</translation>
    </message>
</context>
</TS>
