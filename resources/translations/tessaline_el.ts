<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>chart::ChartFieldList</name>
    <message>
        <source>Chart fields</source>
        <translation>Πεδία γραφήματος</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Σειρές</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Κατηγορίες</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Τιμές</translation>
    </message>
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
    <message>
        <source>Legend</source>
        <translation>Υπόμνημα</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Τίτλος</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Στήλες</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Στοιβαγμένες στήλες</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Στοιβαγμένες στήλες 100%</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Ράβδοι</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Στοιβαγμένες ράβδοι</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Στοιβαγμένες ράβδοι 100%</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Γραμμή</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Γραμμή με δείκτες</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Στοιβαγμένη γραμμή</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Στοιβαγμένη γραμμή με δείκτες</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Στοιβαγμένη γραμμή 100%</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Στοιβαγμένη γραμμή με δείκτες 100%</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Ομαλή γραμμή</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Ομαλή γραμμή με δείκτες</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Στοιβαγμένη ομαλή γραμμή</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Στοιβαγμένη ομαλή γραμμή με δείκτες</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Στοιβαγμένη ομαλή γραμμή 100%</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Στοιβαγμένη ομαλή γραμμή με δείκτες 100%</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Πίτα</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Αποσπασμένη πίτα</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Στοιβαγμένη πίτα</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Ντόνατ</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Αποσπασμένο ντόνατ</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Περιοχή</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Στοιβαγμένη περιοχή</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Στοιβαγμένη περιοχή 100%</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Ραντάρ</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Ραντάρ με δείκτες</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Γεμάτο ραντάρ</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Ομαλό ραντάρ</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Ομαλό ραντάρ με δείκτες</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Διασπορά XY</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Φυσαλίδες</translation>
    </message>
</context>
<context>
    <name>pivot</name>
    <message>
        <source>%1 Total</source>
        <translation>Σύνολο %1</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Γενικό σύνολο</translation>
    </message>
</context>
<context>
    <name>pivot::DetailsView</name>
    <message>
        <source>Details: %1</source>
        <translation>Λεπτομέρειες: %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Εμφανίζονται οι πρώτες %1 γραμμές.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 γραμμές.</translation>
    </message>
</context>
<context>
    <name>pivot::FieldChip</name>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Σύρετε για μετακίνηση, σύρετε έξω από τον συγκεντρωτικό πίνακα για κατάργηση· δεξί κλικ για περισσότερα</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Φίλτρο...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Μετακίνηση στην περιοχή γραμμών</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Μετακίνηση στην περιοχή στηλών</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Μετακίνηση στην περιοχή φίλτρου</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Μετακίνηση αριστερά</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Μετακίνηση δεξιά</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Κατάργηση πεδίου</translation>
    </message>
</context>
<context>
    <name>pivot::FieldListPanel</name>
    <message>
        <source>Fields</source>
        <translation>Πεδία</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Αναζήτηση πεδίων</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Μετρήσεις</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Προσθήκη στην περιοχή δεδομένων</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Προσθήκη στην περιοχή γραμμών</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Προσθήκη στην περιοχή στηλών</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Προσθήκη στην περιοχή φίλτρου</translation>
    </message>
</context>
<context>
    <name>pivot::MemberChecklist</name>
    <message>
        <source>Filter: %1</source>
        <translation>Φίλτρο: %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Καμία επιλογή</translation>
    </message>
</context>
<context>
    <name>pivot::PivotGridView</name>
    <message>
        <source>Copy</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Εμφάνιση λεπτομερειών</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Σύμπτυξη</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Ανάπτυξη</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Ανάπτυξη ολόκληρου του επιπέδου</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Σύμπτυξη ολόκληρου του επιπέδου</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Φίλτρο...</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Ταξινόμηση από Α έως Ω</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Ταξινόμηση από Ω έως Α</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Αρχική σειρά</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Εμφάνιση μερικών αθροισμάτων</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Εμφάνιση γενικού συνόλου</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Ταξινόμηση γραμμών κατά «%1», πρώτα το μεγαλύτερο</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Ταξινόμηση γραμμών κατά «%1», πρώτα το μικρότερο</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Ταξινόμηση στηλών κατά «%1», πρώτα το μεγαλύτερο</translation>
    </message>
</context>
<context>
    <name>pivot::PivotTable</name>
    <message>
        <source>Filter</source>
        <translation>Φίλτρο</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Σύρετε πεδία εδώ για φιλτράρισμα</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Στήλες</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Σύρετε πεδία εδώ για στήλες</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Γραμμές</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Σύρετε πεδία εδώ για γραμμές</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Δεδομένα</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Σύρετε μετρήσεις εδώ</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Το αντικείμενο δεν υποστηρίζει αυτήν την ιδιότητα ή μέθοδο: %1</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Ο συγκεντρωτικός πίνακας δεν έχει συμβολοσειρά σύνδεσης</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του κύβου %1</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Ο συγκεντρωτικός πίνακας δεν μπορεί να χρησιμοποιήσει αυτά τα δεδομένα XML</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>Τα δεδομένα XML δεν ταιριάζουν στον κύβο %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Μη έγκυρη τιμή ιδιότητας</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Ο συγκεντρωτικός πίνακας δεν μπορεί να εξαγάγει εικόνα ως %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Μη έγκυρο μέγεθος εικόνας</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Ο κύβος επέστρεψε ελλιπές αποτέλεσμα</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
    <message>
        <source>Properties</source>
        <translation>Ιδιότητες</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Πεδίο δεδομένων:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Λεζάντα:</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Μορφή αριθμού:</translation>
    </message>
</context>
</TS>
