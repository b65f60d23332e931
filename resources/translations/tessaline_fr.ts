<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>chart::ChartFieldList</name>
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
</context>
<context>
    <name>chart::ChartPropertyToolbox</name>
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
</context>
<context>
    <name>pivot::DetailsView</name>
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
</context>
<context>
    <name>pivot::FieldChip</name>
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
</context>
<context>
    <name>pivot::FieldListPanel</name>
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
</context>
<context>
    <name>pivot::MemberChecklist</name>
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
</context>
<context>
    <name>pivot::PivotGridView</name>
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
        <source>Filter...</source>
        <translation>Filtrer...</translation>
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
</context>
<context>
    <name>pivot::PivotTable</name>
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
        <source>The cube returned an incomplete result</source>
        <translation>Le cube a renvoyé un résultat incomplet</translation>
    </message>
</context>
<context>
    <name>pivot::PropertyToolbox</name>
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
</context>
</TS>
