<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>chart</name>
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
        <source>The picture cannot be exported as %1</source>
        <translation>Δεν είναι δυνατή η εξαγωγή της εικόνας ως %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Δεν είναι δυνατή η εξαγωγή της εικόνας σε %1 x %2 pixel</translation>
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
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Δεν είναι δυνατή η εξαγωγή της εικόνας: %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>μια εικόνα αυτού του μεγέθους δεν χωράει σε GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>η μνήμη εξαντλήθηκε</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Ο διακομιστής και η βάση δεδομένων ορίζονται στο %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>Η βάση δεδομένων %1 στον διακομιστή %2 δεν περιέχει κανέναν κύβο.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Το μήνυμα σφάλματος είναι: </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Το όνομα του διακομιστή και το όνομα της βάσης δεδομένων δεν μπορούν να περιέχουν κόμμα ή αλλαγή γραμμής: το ServerName.txt δεν θα μπορούσε να τα αποθηκεύσει.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Εμφανίστε τις βάσεις δεδομένων του διακομιστή %1 και επιλέξτε μία.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Η αναφορά «%1» δεν άνοιξε: συνδέεται με «%2», ενώ οι αναφορές αυτού του φακέλου δεδομένων ανήκουν σε «%3».</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Η αναφορά «%1» δεν άνοιξε: %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>Η περιγραφή της αναφοράς «%1» είναι πολύ μεγάλη για να εμφανιστεί: %2 χαρακτήρες, το πολύ %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>Η περιγραφή της αναφοράς «%1» έχει υπερβολικά βαθιά ένθεση για να εμφανιστεί όπως γράφτηκε· τα εσωτερικότερα επίπεδά της εμφανίζονται ισοπεδωμένα.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Ο κατάλογος «%1» δεν περιέχει κύβους.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Το αρχείο κύβου «%1» δεν περιέχει κύβο «%2».</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>Η συμβολοσειρά σύνδεσης δεν είναι έγκυρη: </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>μια τιμή δεν έχει λέξη-κλειδί</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>η θύρα του «%1» δεν είναι αριθμός</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Τα μεταδεδομένα του κύβου δεν είναι έγκυρα: </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>λείπει %1</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>κανένας κύβος με όνομα «%1»</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>ο πίνακας γεγονότων</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>ένα όνομα διάστασης</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>ο πίνακας της διάστασης %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>το κλειδί της διάστασης %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>το κλειδί γεγονότων της διάστασης %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>ένα όνομα ιεραρχίας</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>η διάσταση της ιεραρχίας %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>τα επίπεδα της ιεραρχίας «%1» δεν είναι αριθμημένα 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>ένα όνομα επιπέδου</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>η στήλη κλειδιού του επιπέδου %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>ένα όνομα μέτρησης</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>%1: ο πίνακας διάστασης «%2» περιέχει το κλειδί «%3» περισσότερες από μία φορές. Τα κλειδιά ενός πίνακα διάστασης πρέπει να είναι μοναδικά.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>Αρχείο κύβου «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>Το «%1» δεν είναι αρχείο κύβου.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Το αρχείο κύβου «%1» έχει μορφή %2, την οποία αυτό το πρόγραμμα δεν μπορεί να διαβάσει.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Το αρχείο κύβου «%1» πρέπει να περιέχει ακριβώς έναν κύβο.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Ο κύβος δεν έχει ιεραρχία «%1».</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>Το ερώτημα έχει πάρα πολλούς συνδυασμούς μελών.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Η μνήμη εξαντλήθηκε κατά τη σύνδεση με τον διακομιστή κύβων.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>Το ερώτημα δεν είναι έγκυρο: </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>ο κύβος δεν έχει ιεραρχία «%1»</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>ο κύβος δεν έχει μέτρηση «%1»</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>Κατάλογος «%1»</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Το αρχείο κύβου «%1» δεν υπάρχει.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του αρχείου κύβου «%1»: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Το αρχείο κύβου «%1» δεν μπορεί να χρησιμοποιηθεί (%2): %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>ένα στοιχείο</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>το %1 δεν έχει τιμή</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>η τιμή του %1 δεν έχει εισαγωγικό κλεισίματος</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>ακολουθεί κείμενο μετά την τιμή του %1 σε εισαγωγικά</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Το αρχείο κύβου «%1» δεν έχει πίνακα %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (είναι %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Το αρχείο κύβου «%1» δεν μπορεί να χρησιμοποιηθεί: %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Το αρχείο κύβου «%1» δεν αποκρίνεται: η ανάγνωσή του δεν έδωσε τίποτα για %2 δευτερόλεπτα, γι’ αυτό διακόπηκε.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Το σύστημα δεν μπόρεσε να ξεκινήσει νήμα</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Ο διακομιστής κύβων δεν είναι προσβάσιμος: %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>Το ερώτημα ακυρώθηκε: σταματήσατε να περιμένετε τον διακομιστή κύβων.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Ο διακομιστής κύβων δεν απάντησε μέσα σε %1 δευτερόλεπτα· το ερώτημα ακυρώθηκε.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>%1: τα γεγονότα του «%2» δεν μπορούν να αντιστοιχιστούν στον πίνακα διάστασης «%3»: ο διακομιστής δεν μπορεί να συγκρίνει το κλειδί γεγονότων «%4» με το κλειδί διάστασης «%5» (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>η ιεραρχία «%1» αναφέρει άγνωστη διάσταση</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>η ιεραρχία «%1» δεν έχει επίπεδα</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>ο κύβος «%1» δεν έχει ιεραρχίες</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>η μέτρηση «%1» έχει άγνωστη συνάθροιση «%2»</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>η μέτρηση «%1» δεν έχει στήλη</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Δεν είναι δυνατή η εκτύπωση του συγκεντρωτικού πίνακα:
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση της εικόνας στο %1:
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1: πληκτρολογήστε έναν ακέραιο αριθμό pixel από 1 έως %2.</translation>
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
        <source>Waiting for the cube server: %1 s</source>
        <translation>Αναμονή για τον διακομιστή κύβων: %1 δευτ.</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Διακοπή αναμονής</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Ανάγνωση του κύβου: %1 από %2 γραμμές</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Ανάγνωση του κύβου: %1 γραμμές</translation>
    </message>
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
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Ο κύβος επέστρεψε ελλιπές αποτέλεσμα</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του φακέλου «%1»: %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1: ένα άλλο αρχείο περιέχει ήδη την αναφορά «%2».</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Η αναφορά έχει %1 από τα 4 πεδία της.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Η λειτουργία προβολής ή ο τύπος γραφήματος της αναφοράς δεν είναι αριθμός.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Η αναφορά έχει %1 από τα 3 πεδία της.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Η λειτουργία προβολής της αναφοράς δεν είναι αριθμός.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Μια αναφορά χρειάζεται όνομα.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>Το «%1» δεν μπορεί να είναι όνομα αναφοράς.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Το όνομα μιας αναφοράς δεν μπορεί να περιέχει «/» ή «\».</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Το όνομα μιας αναφοράς δεν μπορεί να περιέχει χαρακτήρες ελέγχου.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Το όνομα της αναφοράς είναι πολύ μεγάλο.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>Δεν βρέθηκε κανένας κύβος στο %1.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Τοποθετήστε αρχεία κύβων (*.cub) σε αυτόν τον φάκελο ή ορίστε έναν διακομιστή κύβων στο ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 περιέχει «***», «XYZ» ή «XXX», που το αρχείο αναφοράς κρατά για τον εαυτό του.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Ο συγκεντρωτικός πίνακας (το όνομα του κύβου, του διακομιστή ή της βάσης δεδομένων του, ένα μέλος ή ένας τίτλος)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Το γράφημα</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>Η περιγραφή, ο τύπος ή η κατηγορία</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>Η λειτουργία προβολής ή ο τύπος γραφήματος δεν μπορεί να αποθηκευτεί.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Τα παρακάτω αρχεία και φάκελοι αναφορών δεν ήταν δυνατό να διαβαστούν και παραλείφθηκαν:</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>ο φάκελός της οδηγεί έξω από τον φάκελο δεδομένων.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Αποθηκεύει την τρέχουσα αναφορά ως νέα αναφορά</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1: Το «%2» δεν μπορεί να αποθηκευτεί σε αναφορά. Γράψτε το με άλλον τρόπο.</translation>
    </message>
</context>
<context>
    <name>savereport::htmleditor</name>
    <message>
        <source>Images (%1)</source>
        <translation>Εικόνες (%1)</translation>
    </message>
</context>
<context>
    <name>unitext</name>
    <message>
        <source>No file name</source>
        <translation>Δεν υπάρχει όνομα αρχείου</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1: δεν είναι αρχείο</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1: το αρχείο είναι μεγαλύτερο από όσο χωράει ένα πλαίσιο κειμένου</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1: η κωδικοσελίδα %2 δεν μπορεί να διαβαστεί</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Δεν υπάρχει κείμενο για αποθήκευση</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Άγνωστη κωδικοποίηση %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Το κείμενο δεν μπορεί να γραφτεί στην κωδικοσελίδα %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1: το αρχείο υπάρχει ήδη</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: είναι φάκελος</translation>
    </message>
</context>
</TS>
