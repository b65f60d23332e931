<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>chart</name>
    <message>
        <source>Chart fields</source>
        <translation>Champs du graphique</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>The picture cannot be exported as %1</source>
        <translation>Impossible d’exporter l’image au format %1</translation>
    </message>
    <message>
        <source>The picture cannot be exported at %1 x %2 pixels</source>
        <translation>Impossible d’exporter l’image en %1 x %2 pixels</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Histogramme</translation>
    </message>
    <message>
        <source>Stacked column</source>
        <translation>Histogramme empilé</translation>
    </message>
    <message>
        <source>100% stacked column</source>
        <translation>Histogramme empilé 100 %</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barres</translation>
    </message>
    <message>
        <source>Stacked bar</source>
        <translation>Barres empilées</translation>
    </message>
    <message>
        <source>100% stacked bar</source>
        <translation>Barres empilées 100 %</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Line with markers</source>
        <translation>Courbe avec marqueurs</translation>
    </message>
    <message>
        <source>Stacked line</source>
        <translation>Courbe empilée</translation>
    </message>
    <message>
        <source>Stacked line with markers</source>
        <translation>Courbe empilée avec marqueurs</translation>
    </message>
    <message>
        <source>100% stacked line</source>
        <translation>Courbe empilée 100 %</translation>
    </message>
    <message>
        <source>100% stacked line with markers</source>
        <translation>Courbe empilée avec marqueurs 100 %</translation>
    </message>
    <message>
        <source>Smooth line</source>
        <translation>Courbe lissée</translation>
    </message>
    <message>
        <source>Smooth line with markers</source>
        <translation>Courbe lissée avec marqueurs</translation>
    </message>
    <message>
        <source>Stacked smooth line</source>
        <translation>Courbe lissée empilée</translation>
    </message>
    <message>
        <source>Stacked smooth line with markers</source>
        <translation>Courbe lissée empilée avec marqueurs</translation>
    </message>
    <message>
        <source>100% stacked smooth line</source>
        <translation>Courbe lissée empilée 100 %</translation>
    </message>
    <message>
        <source>100% stacked smooth line with markers</source>
        <translation>Courbe lissée empilée avec marqueurs 100 %</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Secteurs</translation>
    </message>
    <message>
        <source>Exploded pie</source>
        <translation>Secteurs éclatés</translation>
    </message>
    <message>
        <source>Stacked pie</source>
        <translation>Secteurs empilés</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Exploded doughnut</source>
        <translation>Anneau éclaté</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Aires</translation>
    </message>
    <message>
        <source>Stacked area</source>
        <translation>Aires empilées</translation>
    </message>
    <message>
        <source>100% stacked area</source>
        <translation>Aires empilées 100 %</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Radar with markers</source>
        <translation>Radar avec marqueurs</translation>
    </message>
    <message>
        <source>Filled radar</source>
        <translation>Radar plein</translation>
    </message>
    <message>
        <source>Smooth radar</source>
        <translation>Radar lissé</translation>
    </message>
    <message>
        <source>Smooth radar with markers</source>
        <translation>Radar lissé avec marqueurs</translation>
    </message>
    <message>
        <source>XY scatter</source>
        <translation>Nuage de points XY</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bulles</translation>
    </message>
    <message>
        <source>The picture cannot be exported: %1</source>
        <translation>Impossible d’exporter l’image : %1</translation>
    </message>
    <message>
        <source>no image of a size a GIF can hold</source>
        <translation>une image de cette taille ne tient pas dans un GIF</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>connections</name>
    <message>
        <source>The server and the database are named in %1.</source>
        <translation>Le serveur et la base de données sont indiqués dans %1.</translation>
    </message>
    <message>
        <source>The database %1 on the server %2 holds no cube.</source>
        <translation>La base de données %1 sur le serveur %2 ne contient aucun cube.</translation>
    </message>
    <message>
        <source>The error message is: </source>
        <translation>Le message d’erreur est : </translation>
    </message>
    <message>
        <source>The server name and the database name cannot contain a comma or a line break: ServerName.txt could not hold them.</source>
        <translation>Le nom du serveur et celui de la base de données ne peuvent contenir ni virgule ni saut de ligne : ServerName.txt ne pourrait pas les enregistrer.</translation>
    </message>
    <message>
        <source>Please list the databases of the server %1 and choose one.</source>
        <translation>Veuillez afficher les bases de données du serveur %1 et en choisir une.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: it connects to &quot;%2&quot;, while the reports of this data folder belong to &quot;%3&quot;.</source>
        <translation>Le rapport « %1 » n’a pas été ouvert : il se connecte à « %2 », alors que les rapports de ce dossier de données appartiennent à « %3 ».</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; was not opened: %2</source>
        <translation>Le rapport « %1 » n’a pas été ouvert : %2</translation>
    </message>
</context>
<context>
    <name>description</name>
    <message>
        <source>The description of the report &quot;%1&quot; is too large to show: %2 characters, at most %3.</source>
        <translation>La description du rapport « %1 » est trop grande pour être affichée : %2 caractères, au plus %3.</translation>
    </message>
    <message>
        <source>The description of the report &quot;%1&quot; nests too deeply to show as written; its innermost levels are shown flattened.</source>
        <translation>La description du rapport « %1 » est imbriquée trop profondément pour être affichée telle quelle ; ses niveaux les plus internes sont affichés aplatis.</translation>
    </message>
</context>
<context>
    <name>olap</name>
    <message>
        <source>The catalog &quot;%1&quot; holds no cubes.</source>
        <translation>Le catalogue « %1 » ne contient aucun cube.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; holds no cube &quot;%2&quot;.</source>
        <translation>Le fichier de cube « %1 » ne contient pas de cube « %2 ».</translation>
    </message>
    <message>
        <source>The connection string is not valid: </source>
        <translation>La chaîne de connexion n’est pas valide : </translation>
    </message>
    <message>
        <source>a value has no keyword</source>
        <translation>une valeur n’a pas de mot clé</translation>
    </message>
    <message>
        <source>the port of &quot;%1&quot; is not a number</source>
        <translation>le port de « %1 » n’est pas un nombre</translation>
    </message>
    <message>
        <source>The cube metadata is not valid: </source>
        <translation>Les métadonnées du cube ne sont pas valides : </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>il manque %1</translation>
    </message>
    <message>
        <source>no cube named &quot;%1&quot;</source>
        <translation>aucun cube nommé « %1 »</translation>
    </message>
    <message>
        <source>the fact table</source>
        <translation>la table de faits</translation>
    </message>
    <message>
        <source>a dimension name</source>
        <translation>un nom de dimension</translation>
    </message>
    <message>
        <source>the table of dimension %1</source>
        <translation>la table de la dimension %1</translation>
    </message>
    <message>
        <source>the key of dimension %1</source>
        <translation>la clé de la dimension %1</translation>
    </message>
    <message>
        <source>the fact key of dimension %1</source>
        <translation>la clé de faits de la dimension %1</translation>
    </message>
    <message>
        <source>a hierarchy name</source>
        <translation>un nom de hiérarchie</translation>
    </message>
    <message>
        <source>the dimension of hierarchy %1</source>
        <translation>la dimension de la hiérarchie %1</translation>
    </message>
    <message>
        <source>the levels of hierarchy &quot;%1&quot; are not numbered 1, 2, 3...</source>
        <translation>les niveaux de la hiérarchie « %1 » ne sont pas numérotés 1, 2, 3...</translation>
    </message>
    <message>
        <source>a level name</source>
        <translation>un nom de niveau</translation>
    </message>
    <message>
        <source>the key column of level %1</source>
        <translation>la colonne clé du niveau %1</translation>
    </message>
    <message>
        <source>a measure name</source>
        <translation>un nom de mesure</translation>
    </message>
    <message>
        <source>In %1, the dimension table &quot;%2&quot; holds the key &quot;%3&quot; more than once. The keys of a dimension table must be unique.</source>
        <translation>Dans %1, la table de dimension « %2 » contient la clé « %3 » plus d’une fois. Les clés d’une table de dimension doivent être uniques.</translation>
    </message>
    <message>
        <source>the cube file &quot;%1&quot;</source>
        <translation>le fichier de cube « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cube file.</source>
        <translation>« %1 » n’est pas un fichier de cube.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has format %2, which this program cannot read.</source>
        <translation>Le fichier de cube « %1 » est au format %2, que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; must hold exactly one cube.</source>
        <translation>Le fichier de cube « %1 » doit contenir exactement un cube.</translation>
    </message>
    <message>
        <source>The cube has no hierarchy &quot;%1&quot;.</source>
        <translation>Le cube n’a pas de hiérarchie « %1 ».</translation>
    </message>
    <message>
        <source>The query has too many member combinations.</source>
        <translation>La requête comporte trop de combinaisons de membres.</translation>
    </message>
    <message>
        <source>Out of memory while connecting to the cube server.</source>
        <translation>Mémoire insuffisante lors de la connexion au serveur de cubes.</translation>
    </message>
    <message>
        <source>The query is not valid: </source>
        <translation>La requête n’est pas valide : </translation>
    </message>
    <message>
        <source>the cube has no hierarchy &quot;%1&quot;</source>
        <translation>le cube n’a pas de hiérarchie « %1 »</translation>
    </message>
    <message>
        <source>the cube has no measure &quot;%1&quot;</source>
        <translation>le cube n’a pas de mesure « %1 »</translation>
    </message>
    <message>
        <source>the catalog &quot;%1&quot;</source>
        <translation>le catalogue « %1 »</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier de cube « %1 » n’existe pas.</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Impossible d’ouvrir le fichier de cube « %1 » : %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used (%2): %3</source>
        <translation>Le fichier de cube « %1 » ne peut pas être utilisé (%2) : %3</translation>
    </message>
    <message>
        <source>an item</source>
        <translation>un élément</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 n’a pas de valeur</translation>
    </message>
    <message>
        <source>the value of %1 has no closing quote</source>
        <translation>la valeur de %1 n’a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>text follows the quoted value of %1</source>
        <translation>du texte suit la valeur entre guillemets de %1</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; has no table %2%3.</source>
        <translation>Le fichier de cube « %1 » n’a pas de table %2%3.</translation>
    </message>
    <message>
        <source> (it is a %1)</source>
        <translation> (c’est un objet %1)</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; cannot be used: %2</source>
        <translation>Le fichier de cube « %1 » ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>The cube file &quot;%1&quot; does not answer: reading it gave nothing for %2 seconds, so it was stopped.</source>
        <translation>Le fichier de cube « %1 » ne répond pas : sa lecture n’a rien donné pendant %2 secondes, elle a donc été arrêtée.</translation>
    </message>
    <message>
        <source>The system could not start a thread</source>
        <translation>Le système n’a pas pu démarrer de thread</translation>
    </message>
    <message>
        <source>The cube server cannot be reached: %1</source>
        <translation>Le serveur de cubes est injoignable : %1</translation>
    </message>
    <message>
        <source>The query was cancelled: you stopped waiting for the cube server.</source>
        <translation>La requête a été annulée : vous avez cessé d’attendre le serveur de cubes.</translation>
    </message>
    <message>
        <source>The cube server did not answer within %1 seconds; the query was cancelled.</source>
        <translation>Le serveur de cubes n’a pas répondu en %1 secondes ; la requête a été annulée.</translation>
    </message>
    <message>
        <source>In %1, the facts of &quot;%2&quot; cannot be matched to the dimension table &quot;%3&quot;: the server cannot compare the fact key &quot;%4&quot; with the dimension key &quot;%5&quot; (%6).</source>
        <translation>Dans %1, les faits de « %2 » ne peuvent pas être reliés à la table de dimension « %3 » : le serveur ne sait pas comparer la clé de fait « %4 » à la clé de dimension « %5 » (%6).</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; names an unknown dimension</source>
        <translation>la hiérarchie « %1 » nomme une dimension inconnue</translation>
    </message>
    <message>
        <source>hierarchy &quot;%1&quot; has no levels</source>
        <translation>la hiérarchie « %1 » n’a aucun niveau</translation>
    </message>
    <message>
        <source>cube &quot;%1&quot; has no hierarchies</source>
        <translation>le cube « %1 » n’a aucune hiérarchie</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has an unknown aggregate &quot;%2&quot;</source>
        <translation>la mesure « %1 » a un agrégat inconnu « %2 »</translation>
    </message>
    <message>
        <source>measure &quot;%1&quot; has no column</source>
        <translation>la mesure « %1 » n’a aucune colonne</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>The pivot table cannot be printed:
%1</source>
        <translation>Impossible d’imprimer le tableau croisé :
%1</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1:
%2</source>
        <translation>Impossible d’enregistrer l’image dans %1 :
%2</translation>
    </message>
    <message>
        <source>%1: please type a whole number of pixels from 1 to %2.</source>
        <translation>%1 : veuillez saisir un nombre entier de pixels compris entre 1 et %2.</translation>
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
        <translation>Total général</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Détails : %1</translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Les %1 premières lignes sont affichées.</translation>
    </message>
    <message>
        <source>%1 rows.</source>
        <translation>%1 lignes.</translation>
    </message>
    <message>
        <source>Drag to move, drag off the pivot table to remove; right-click for more</source>
        <translation>Faites glisser pour déplacer, hors du tableau croisé pour supprimer ; clic droit pour plus d’options</translation>
    </message>
    <message>
        <source>Filter...</source>
        <translation>Filtrer...</translation>
    </message>
    <message>
        <source>Move to Row Area</source>
        <translation>Déplacer vers la zone des lignes</translation>
    </message>
    <message>
        <source>Move to Column Area</source>
        <translation>Déplacer vers la zone des colonnes</translation>
    </message>
    <message>
        <source>Move to Filter Area</source>
        <translation>Déplacer vers la zone de filtre</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Déplacer vers la gauche</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Déplacer vers la droite</translation>
    </message>
    <message>
        <source>Remove Field</source>
        <translation>Supprimer le champ</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Champs</translation>
    </message>
    <message>
        <source>Search fields</source>
        <translation>Rechercher des champs</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Add to Data Area</source>
        <translation>Ajouter à la zone de données</translation>
    </message>
    <message>
        <source>Add to Row Area</source>
        <translation>Ajouter à la zone des lignes</translation>
    </message>
    <message>
        <source>Add to Column Area</source>
        <translation>Ajouter à la zone des colonnes</translation>
    </message>
    <message>
        <source>Add to Filter Area</source>
        <translation>Ajouter à la zone de filtre</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtre : %1</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Ne rien sélectionner</translation>
    </message>
    <message>
        <source>The pivot table has no connection string</source>
        <translation>Le tableau croisé n’a pas de chaîne de connexion</translation>
    </message>
    <message>
        <source>Cube %1 cannot be opened</source>
        <translation>Impossible d’ouvrir le cube %1</translation>
    </message>
    <message>
        <source>The pivot table cannot use this XML data</source>
        <translation>Le tableau croisé ne peut pas utiliser ces données XML</translation>
    </message>
    <message>
        <source>The XML data does not fit cube %1</source>
        <translation>Les données XML ne correspondent pas au cube %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Show Details</source>
        <translation>Afficher les détails</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Développer</translation>
    </message>
    <message>
        <source>Expand Entire Level</source>
        <translation>Développer tout le niveau</translation>
    </message>
    <message>
        <source>Collapse Entire Level</source>
        <translation>Réduire tout le niveau</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Trier de A à Z</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Trier de Z à A</translation>
    </message>
    <message>
        <source>Original Order</source>
        <translation>Ordre d’origine</translation>
    </message>
    <message>
        <source>Show Subtotals</source>
        <translation>Afficher les sous-totaux</translation>
    </message>
    <message>
        <source>Show Grand Total</source>
        <translation>Afficher le total général</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Largest First</source>
        <translation>Trier les lignes par « %1 », du plus grand au plus petit</translation>
    </message>
    <message>
        <source>Sort Rows by &quot;%1&quot;, Smallest First</source>
        <translation>Trier les lignes par « %1 », du plus petit au plus grand</translation>
    </message>
    <message>
        <source>Sort Columns by &quot;%1&quot;, Largest First</source>
        <translation>Trier les colonnes par « %1 », du plus grand au plus petit</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Drag fields here to filter</source>
        <translation>Déposez ici les champs de filtre</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Drag fields here for columns</source>
        <translation>Déposez ici les champs de colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Drag fields here for rows</source>
        <translation>Déposez ici les champs de lignes</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Drag measures here</source>
        <translation>Déposez ici les mesures</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method: %1</source>
        <translation>Cet objet ne gère pas cette propriété ou méthode : %1</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>The pivot table cannot export a picture as %1</source>
        <translation>Le tableau croisé ne peut pas exporter d’image au format %1</translation>
    </message>
    <message>
        <source>Invalid picture size</source>
        <translation>Taille d’image non valide</translation>
    </message>
    <message>
        <source>Waiting for the cube server: %1 s</source>
        <translation>En attente du serveur de cubes : %1 s</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Cesser d’attendre</translation>
    </message>
    <message>
        <source>Reading the cube: %1 of %2 rows</source>
        <translation>Lecture du cube : %1 lignes sur %2</translation>
    </message>
    <message>
        <source>Reading the cube: %1 rows</source>
        <translation>Lecture du cube : %1 lignes</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Data field:</source>
        <translation>Champ de données :</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Libellé :</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Format de nombre :</translation>
    </message>
    <message>
        <source>The cube returned an incomplete result</source>
        <translation>Le cube a renvoyé un résultat incomplet</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire le dossier « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>reports</name>
    <message>
        <source>%1: another file holds the report &quot;%2&quot; already.</source>
        <translation>%1 : un autre fichier contient déjà le rapport « %2 ».</translation>
    </message>
    <message>
        <source>The report has %1 of its 4 fields.</source>
        <translation>Le rapport n’a que %1 de ses 4 champs.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode or chart type is not a number.</source>
        <translation>Le mode d’affichage ou le type de graphique du rapport n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The report has %1 of its 3 fields.</source>
        <translation>Le rapport n’a que %1 de ses 3 champs.</translation>
    </message>
    <message>
        <source>The report&apos;s view mode is not a number.</source>
        <translation>Le mode d’affichage du rapport n’est pas un nombre.</translation>
    </message>
    <message>
        <source>A report needs a name.</source>
        <translation>Un rapport doit avoir un nom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a report.</source>
        <translation>« %1 » ne peut pas être le nom d’un rapport.</translation>
    </message>
    <message>
        <source>A report name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Un nom de rapport ne peut pas contenir « / » ni « \ ».</translation>
    </message>
    <message>
        <source>A report name cannot contain control characters.</source>
        <translation>Un nom de rapport ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>The report name is too long.</source>
        <translation>Le nom du rapport est trop long.</translation>
    </message>
    <message>
        <source>No cube was found in %1.</source>
        <translation>Aucun cube n’a été trouvé dans %1.</translation>
    </message>
    <message>
        <source>Put cube files (*.cub) in that folder, or name a cube server in ServerName.txt.</source>
        <translation>Placez des fichiers de cube (*.cub) dans ce dossier ou indiquez un serveur de cubes dans ServerName.txt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;***&quot;, &quot;XYZ&quot; or &quot;XXX&quot;, which the report file keeps for itself.</source>
        <translation>%1 contient « *** », « XYZ » ou « XXX », que le fichier de rapport se réserve.</translation>
    </message>
    <message>
        <source>The pivot table (the name of its cube, server or database, a member or a title)</source>
        <translation>Le tableau croisé (le nom de son cube, serveur ou base de données, un membre ou un titre)</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Le graphique</translation>
    </message>
    <message>
        <source>The description, type or category</source>
        <translation>La description, le type ou la catégorie</translation>
    </message>
    <message>
        <source>The view mode or chart type cannot be stored.</source>
        <translation>Le mode d’affichage ou le type de graphique ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>These report files and folders could not be read and were left out:</source>
        <translation>Ces fichiers et dossiers de rapport n’ont pas pu être lus et ont été ignorés :</translation>
    </message>
    <message>
        <source>its folder leads out of the data folder.</source>
        <translation>son dossier mène hors du dossier de données.</translation>
    </message>
</context>
<context>
    <name>reportwindow</name>
    <message>
        <source>Saves the current report as a new report</source>
        <translation>Enregistre le rapport actuel comme nouveau rapport</translation>
    </message>
</context>
<context>
    <name>savereport</name>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored in a report. Please write it another way.</source>
        <translation>%1 : « %2 » ne peut pas être enregistré dans un rapport. Veuillez l’écrire autrement.</translation>
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
        <translation>Aucun nom de fichier</translation>
    </message>
    <message>
        <source>%1: not a file</source>
        <translation>%1 : n’est pas un fichier</translation>
    </message>
    <message>
        <source>%1: the file is larger than a text box can hold</source>
        <translation>%1 : le fichier est plus grand que ce qu’une zone de texte peut contenir</translation>
    </message>
    <message>
        <source>%1: code page %2 cannot be read</source>
        <translation>%1 : la page de codes %2 ne peut pas être lue</translation>
    </message>
    <message>
        <source>No text to save</source>
        <translation>Aucun texte à enregistrer</translation>
    </message>
    <message>
        <source>Unknown encoding %1</source>
        <translation>Encodage inconnu %1</translation>
    </message>
    <message>
        <source>The text cannot be written in code page %1</source>
        <translation>Le texte ne peut pas être écrit dans la page de codes %1</translation>
    </message>
    <message>
        <source>%1: the file exists</source>
        <translation>%1 : le fichier existe déjà</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1 : est un dossier</translation>
    </message>
</context>
</TS>
