<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AnimConfig</name>
    <message>
        <source>Not Implemented</source>
        <translation>Non implémenté</translation>
    </message>
</context>
<context>
    <name>AntConfig</name>
    <message>
        <source>&amp;World Size: </source>
        <translation>&amp;Taille du monde&#xa0;: </translation>
    </message>
    <message>
        <source>How many &amp;ants: </source>
        <translation>Nombre de &amp;fourmis&#xa0;: </translation>
    </message>
    <message>
        <source>Food location (&amp;X): </source>
        <translation>Position de la nourriture (&amp;X)&#xa0;: </translation>
    </message>
    <message>
        <source>Food lo&amp;cation (Y): </source>
        <translation>Position de la nourriture (&amp;Y)&#xa0;: </translation>
    </message>
    <message>
        <source>Home &amp;location (X): </source>
        <translation>Position du &amp;nid (X)&#xa0;: </translation>
    </message>
    <message>
        <source>Home l&amp;ocation (Y): </source>
        <translation>Position du n&amp;id (Y)&#xa0;: </translation>
    </message>
    <message>
        <source>Pheromone factor (alpha): </source>
        <translation>Facteur de phéromone (alpha)&#xa0;: </translation>
    </message>
    <message>
        <source>Heuristic factor (beta): </source>
        <translation>Facteur heuristique (beta)&#xa0;: </translation>
    </message>
    <message>
        <source>Pheromone evaporation rate (ro): </source>
        <translation>Taux d&apos;évaporation de la phéromone (ro)&#xa0;: </translation>
    </message>
    <message>
        <source>Simulation parameters</source>
        <translation>Paramètres de la simulation</translation>
    </message>
    <message>
        <source>Cells along each side of the square world, 3 to 30</source>
        <translation>Cases de chaque côté du monde carré, de 3 à 30</translation>
    </message>
    <message>
        <source>Ants that leave home in every generation, 1 to 30</source>
        <translation>Fourmis qui quittent le nid à chaque génération, de 1 à 30</translation>
    </message>
    <message>
        <source>Column of the food cell, counted from 0 at the left</source>
        <translation>Colonne de la case de la nourriture, comptée à partir de 0 à gauche</translation>
    </message>
    <message>
        <source>Row of the food cell, counted from 0 at the top</source>
        <translation>Ligne de la case de la nourriture, comptée à partir de 0 en haut</translation>
    </message>
    <message>
        <source>Column of the home cell, counted from 0 at the left</source>
        <translation>Colonne de la case du nid, comptée à partir de 0 à gauche</translation>
    </message>
    <message>
        <source>Row of the home cell, counted from 0 at the top</source>
        <translation>Ligne de la case du nid, comptée à partir de 0 en haut</translation>
    </message>
    <message>
        <source>How strongly pheromone raises a cell&apos;s routing weight, 0 to 10</source>
        <translation>Combien la phéromone augmente le poids de routage d&apos;une case, de 0 à 10</translation>
    </message>
    <message>
        <source>How strongly short walks raise a cell&apos;s routing weight, 0 to 10</source>
        <translation>Combien les trajets courts augmentent le poids de routage d&apos;une case, de 0 à 10</translation>
    </message>
    <message>
        <source>Share of the pheromone that evaporates in each generation, 0 to 0.99</source>
        <translation>Part de la phéromone qui s&apos;évapore à chaque génération, de 0 à 0,99</translation>
    </message>
</context>
<context>
    <name>ChartFiles</name>
    <message>
        <source>Save Chart as PNG…</source>
        <translation>Enregistrer le graphique en PNG…</translation>
    </message>
    <message>
        <source>Save Data as CSV…</source>
        <translation>Enregistrer les données en CSV…</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>%1.png</source>
        <translation>%1.png</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1: %2</source>
        <translation>Le graphique n&apos;a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Enregistrer les données</translation>
    </message>
    <message>
        <source>%1.csv</source>
        <translation>%1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The data could not be saved as %1: %2</source>
        <translation>Les données n&apos;ont pas pu être enregistrées sous %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Comparison chart</source>
        <translation>Graphique de comparaison</translation>
    </message>
    <message>
        <source>Both colonies&apos; best path so far and mean path at the food per generation</source>
        <translation>Meilleur chemin jusqu&apos;ici et chemin moyen à la nourriture des deux colonies par génération</translation>
    </message>
</context>
<context>
    <name>CompareSide</name>
    <message>
        <source>alpha:</source>
        <translation>alpha&#xa0;:</translation>
    </message>
    <message>
        <source>beta:</source>
        <translation>beta&#xa0;:</translation>
    </message>
    <message>
        <source>ro:</source>
        <translation>ro&#xa0;:</translation>
    </message>
    <message>
        <source>How strongly the pheromone weighs in the choice, 0 to 10</source>
        <translation>Le poids de la phéromone dans le choix, de 0 à 10</translation>
    </message>
    <message>
        <source>How strongly the heuristic weighs in the choice, 0 to 10</source>
        <translation>Le poids de l&apos;heuristique dans le choix, de 0 à 10</translation>
    </message>
    <message>
        <source>Share of the pheromone that evaporates in each generation, 0 to 0.99</source>
        <translation>Part de la phéromone qui s&apos;évapore à chaque génération, de 0 à 0,99</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Left world</source>
        <translation>Monde de gauche</translation>
    </message>
    <message>
        <source>Right world</source>
        <translation>Monde de droite</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparaison</translation>
    </message>
    <message>
        <source>Compare Rules — Vormis</source>
        <translation>Comparer des règles — Vormis</translation>
    </message>
    <message>
        <source>&amp;Advance</source>
        <translation>&amp;Avancer</translation>
    </message>
    <message>
        <source>Runs as many generations on both sides as the number below asks for</source>
        <translation>Exécute des deux côtés autant de générations que le nombre ci-dessous</translation>
    </message>
    <message>
        <source>Generations per advance</source>
        <translation>Générations par appui sur Avancer</translation>
    </message>
    <message>
        <source>Ru&amp;n</source>
        <translation>&amp;Exécution continue</translation>
    </message>
    <message>
        <source>Advances both sides every 250 ms until pressed again</source>
        <translation>Avance des deux côtés toutes les 250 ms jusqu&apos;à un nouvel appui</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Re&amp;set</source>
        <translation>Réi&amp;nitialiser</translation>
    </message>
    <message>
        <source>Starts both colonies afresh from the seed</source>
        <translation>Redémarre les deux colonies depuis la graine</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>É&amp;changer</translation>
    </message>
    <message>
        <source>Exchanges the two sides, rules and colonies</source>
        <translation>Échange les deux côtés, règles et colonies</translation>
    </message>
    <message>
        <source>See&amp;d:</source>
        <translation>&amp;Graine&#xa0;:</translation>
    </message>
    <message>
        <source>The seed both colonies start from, as vormis-run&apos;s --seed</source>
        <translation>La graine des deux colonies, comme --seed de vormis-run</translation>
    </message>
    <message>
        <source>Generation: %1</source>
        <translation>Génération&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, left</source>
        <translation>%1, gauche</translation>
    </message>
    <message>
        <source>%1, right</source>
        <translation>%1, droite</translation>
    </message>
    <message>
        <source>%1 against %2; %3x%3, %4 ants; seed %5</source>
        <translation>%1 contre %2&#xa0;; %3x%3, %4 fourmis&#xa0;; graine %5</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Configuration Dialog</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>Valeurs par &amp;défaut</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Explains each parameter of the page</source>
        <translation>Explique chaque paramètre de la page</translation>
    </message>
    <message>
        <source>Fills the page with the values the program starts with; nothing changes before Ok</source>
        <translation>Remplit la page avec les valeurs de départ du programme&#xa0;; rien ne change avant OK</translation>
    </message>
    <message>
        <source>Starts the colony afresh with these values</source>
        <translation>Redémarre la colonie avec ces valeurs</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Ferme la boîte de dialogue sans rien changer</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Chooses the page of settings shown beside it</source>
        <translation>Choisit la page de réglages affichée à côté</translation>
    </message>
    <message>
        <source>Ants</source>
        <translation>Fourmis</translation>
    </message>
    <message>
        <source>Simulation parameters</source>
        <translation>Paramètres de la simulation</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;World size&lt;/b&gt;: the world is a square of 3 to 30 cells a side.&lt;/p&gt;&lt;p&gt;&lt;b&gt;How many ants&lt;/b&gt;: 1 to 30 ants leave home in every generation.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Food location&lt;/b&gt; and &lt;b&gt;Home location&lt;/b&gt;: the cells of the food and of the ants&apos; home. X is the column and Y the row, both counted from 0 at the top-left corner. A value outside the world is moved back inside: the food to the last column or row, the home to 0.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pheromone factor (alpha)&lt;/b&gt;: under the window&apos;s own rule, an ant that reaches the food adds alpha times each cell&apos;s pheromone to the cell&apos;s routing weight, which only ever grows, so alpha changes the trails more than the ants&apos; choices. Under the textbook rules (the Rule page), the ants weigh each neighbour by its pheromone to the power alpha: at 0 they ignore pheromone and walk by the heuristic alone; from 1 on the trails draw them and the colony converges (under Ant System, alpha 2 brings it to the shortest path on an open world).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Heuristic factor (beta)&lt;/b&gt;: under the window&apos;s own rule, an arriving ant adds beta times each cell&apos;s heuristic, which grows more for short walks, to the cell&apos;s routing weight. Under the textbook rules, the ants weigh each neighbour by its nearness to the food to the power beta: the higher beta, the straighter they head for the food, walls or not.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pheromone evaporation rate (ro)&lt;/b&gt;: the share of pheromone that evaporates in each generation. 0 keeps it for ever; 0.99 wipes out nearly all of it every generation. Under the window&apos;s own rule only the trails shown evaporate, so ro hardly changes what the ants do. Under Ant System a higher ro makes the colony forget old trails sooner: it settles on the shortest path sooner, and forgets a path that led it into a trap. With alpha 0 ro makes no difference.&lt;/p&gt;&lt;p&gt;A bigger world makes the colony slower to settle on a route; more ants explore more of the world in each generation.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Rule&lt;/b&gt; (the Rule page): how the ants choose and how the pheromone changes, and the rule&apos;s own parameters: q0 and xi of Ant Colony System, elite of Elitist, rank of Rank-based and restart of MAX-MIN Ant System. A fixed seed makes every start repeat the same generations.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Defaults&lt;/i&gt; fills in the values the program starts with. Nothing changes until you press &lt;i&gt;Ok&lt;/i&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Taille du monde&lt;/b&gt;&#xa0;: le monde est un carré de 3 à 30 cases de côté.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Nombre de fourmis&lt;/b&gt;&#xa0;: de 1 à 30 fourmis quittent le nid à chaque génération.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Position de la nourriture&lt;/b&gt; et &lt;b&gt;position du nid&lt;/b&gt;&#xa0;: les cases de la nourriture et du nid des fourmis. X est la colonne et Y la ligne, toutes deux comptées à partir de 0 dans le coin supérieur gauche. Une valeur hors du monde est ramenée à l&apos;intérieur&#xa0;: la nourriture à la dernière colonne ou ligne, le nid à 0.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Facteur de phéromone (alpha)&lt;/b&gt;&#xa0;: avec la règle propre à la fenêtre, une fourmi qui atteint la nourriture ajoute alpha fois la phéromone de chaque case au poids de routage de la case, qui ne fait que croître&#xa0;; alpha modifie donc davantage les pistes que les choix des fourmis. Avec les règles classiques (page Règle), les fourmis pondèrent chaque voisin par sa phéromone à la puissance alpha&#xa0;: à 0, elles ignorent la phéromone et suivent la seule heuristique&#xa0;; à partir de 1, les pistes les attirent et la colonie converge (avec Ant System, alpha 2 l&apos;amène au plus court chemin dans un monde ouvert).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Facteur heuristique (beta)&lt;/b&gt;&#xa0;: avec la règle propre à la fenêtre, une fourmi qui arrive ajoute beta fois l&apos;heuristique de chaque case, qui croît davantage pour les trajets courts, au poids de routage de la case. Avec les règles classiques, les fourmis pondèrent chaque voisin par sa proximité de la nourriture à la puissance beta&#xa0;: plus beta est élevé, plus elles vont droit vers la nourriture, murs ou pas.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Taux d&apos;évaporation de la phéromone (ro)&lt;/b&gt;&#xa0;: la part de phéromone qui s&apos;évapore à chaque génération. 0 la conserve pour toujours&#xa0;; 0,99 en efface presque tout à chaque génération. Avec la règle propre à la fenêtre, seules les pistes affichées s&apos;évaporent&#xa0;: ro ne change donc guère ce que font les fourmis. Avec Ant System, un ro plus élevé fait oublier plus vite les anciennes pistes à la colonie&#xa0;: elle se fixe plus tôt sur le plus court chemin et oublie un chemin qui l&apos;a menée dans un piège. Avec alpha 0, ro ne change rien.&lt;/p&gt;&lt;p&gt;Dans un monde plus grand, la colonie met plus longtemps à se fixer sur un itinéraire&#xa0;; plus de fourmis explorent une plus grande partie du monde à chaque génération.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Règle&lt;/b&gt; (page Règle)&#xa0;: comment les fourmis choisissent et comment la phéromone évolue, ainsi que les paramètres propres à la règle&#xa0;: q0 et xi d&apos;Ant Colony System, elite d&apos;Elitist, rank de Rank-based et restart de MAX-MIN Ant System. Avec une graine fixe, chaque démarrage répète les mêmes générations.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Valeurs par défaut&lt;/i&gt; remplit la page avec les valeurs de départ du programme. Rien ne change avant que vous appuyiez sur &lt;i&gt;OK&lt;/i&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Convergence chart</source>
        <translation>Graphique de convergence</translation>
    </message>
    <message>
        <source>Path lengths and ants at the food per generation since the colony&apos;s start</source>
        <translation>Longueurs des chemins et fourmis à la nourriture par génération depuis le démarrage de la colonie</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Point at the chart to read a generation; right-click to save it.</source>
        <translation>Pointez sur le graphique pour lire une génération&#xa0;; clic droit pour l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Generation %1: shortest %2, mean %3, best so far %4; %5 of %6 ants at the food</source>
        <translation>Génération %1&#xa0;: plus court %2, moyenne %3, meilleur jusqu&apos;ici %4&#xa0;; %5 fourmis sur %6 à la nourriture</translation>
    </message>
    <message>
        <source>%1, alpha %2, beta %3, ro %4</source>
        <translation>%1, alpha %2, beta %3, ro %4</translation>
    </message>
    <message>
        <source>%1; %2x%2, %3 ants; seed %4</source>
        <translation>%1&#xa0;; %2x%2, %3 fourmis&#xa0;; graine %4</translation>
    </message>
</context>
<context>
    <name>ConvergenceDock</name>
    <message>
        <source>Convergence</source>
        <translation>Convergence</translation>
    </message>
    <message>
        <source>Values under the mouse</source>
        <translation>Valeurs sous la souris</translation>
    </message>
    <message>
        <source>convergence</source>
        <translation>convergence</translation>
    </message>
</context>
<context>
    <name>LineChart</name>
    <message>
        <source>generation</source>
        <translation>génération</translation>
    </message>
    <message>
        <source>path length (cells, home and food included)</source>
        <translation>longueur du chemin (cases, nid et nourriture compris)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>ants at the food</source>
        <translation>fourmis à la nourriture</translation>
    </message>
    <message>
        <source>no ant reached the food</source>
        <translation>aucune fourmi n&apos;a atteint la nourriture</translation>
    </message>
    <message>
        <source>best of the generation</source>
        <translation>meilleur de la génération</translation>
    </message>
    <message>
        <source>mean of the ants at the food</source>
        <translation>moyenne des fourmis à la nourriture</translation>
    </message>
    <message>
        <source>best so far</source>
        <translation>meilleur jusqu&apos;ici</translation>
    </message>
    <message>
        <source>shortest possible (%1)</source>
        <translation>plus court possible (%1)</translation>
    </message>
    <message>
        <source>no path from home to food</source>
        <translation>aucun chemin du nid à la nourriture</translation>
    </message>
    <message>
        <source>ants at the food (right)</source>
        <translation>fourmis à la nourriture (à droite)</translation>
    </message>
    <message>
        <source>Path length per generation</source>
        <translation>Longueur du chemin par génération</translation>
    </message>
    <message>
        <source>%1: best so far</source>
        <translation>%1&#xa0;: meilleur jusqu&apos;ici</translation>
    </message>
    <message>
        <source>%1: mean at the food</source>
        <translation>%1&#xa0;: moyenne à la nourriture</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>cases</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vormis</source>
        <translation>Vormis</translation>
    </message>
    <message>
        <source>&amp;Convergence Chart</source>
        <translation>&amp;Graphique de convergence</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Show the path lengths of the generations as a chart</source>
        <translation>Affiche les longueurs des chemins des générations dans un graphique</translation>
    </message>
    <message>
        <source>Start Animation</source>
        <translation>Démarrer l&apos;animation</translation>
    </message>
    <message>
        <source>Stop Animation</source>
        <translation>Arrêter l&apos;animation</translation>
    </message>
    <message>
        <source>Advance </source>
        <translation>Avancer </translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Generation: </source>
        <translation>Génération&#xa0;: </translation>
    </message>
    <message>
        <source>Ants: </source>
        <translation>Fourmis&#xa0;: </translation>
    </message>
    <message>
        <source>Steps: </source>
        <translation>Pas&#xa0;: </translation>
    </message>
    <message>
        <source>World Size: </source>
        <translation>Taille du monde&#xa0;: </translation>
    </message>
    <message>
        <source>Animation Speed:</source>
        <translation>Vitesse d&apos;animation&#xa0;:</translation>
    </message>
    <message>
        <source>Shortest path this gen.</source>
        <translation>Plus court chemin (gén.)</translation>
    </message>
    <message>
        <source>Shortest path so far</source>
        <translation>Plus court chemin trouvé</translation>
    </message>
    <message>
        <source>Show Pheromone Trails</source>
        <translation>Pistes de phéromone</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Replays the last generation with one walking ant per ant of the colony</source>
        <translation>Rejoue la dernière génération avec une fourmi en marche par fourmi de la colonie</translation>
    </message>
    <message>
        <source>Removes the animated ants</source>
        <translation>Retire les fourmis animées</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Runs as many generations as the number beside it asks for</source>
        <translation>Exécute autant de générations que l&apos;indique le nombre à côté</translation>
    </message>
    <message>
        <source>Generations per advance</source>
        <translation>Générations par appui sur Avancer</translation>
    </message>
    <message>
        <source>How many generations one press of Advance runs, 1 to 30</source>
        <translation>Nombre de générations qu&apos;exécute un appui sur Avancer, de 1 à 30</translation>
    </message>
    <message>
        <source>Opens the dialog for the world size, the ants, home, food and the colony&apos;s factors</source>
        <translation>Ouvre la boîte de dialogue de la taille du monde, des fourmis, du nid, de la nourriture et des facteurs de la colonie</translation>
    </message>
    <message>
        <source>Loads the example world: 8 by 8 cells with walls</source>
        <translation>Charge le monde d&apos;exemple&#xa0;: 8 sur 8 cases avec des murs</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Vitesse d&apos;animation</translation>
    </message>
    <message>
        <source>How fast the animated ants walk, from 0 (slowest) to 4</source>
        <translation>Vitesse de marche des fourmis animées, de 0 (la plus lente) à 4</translation>
    </message>
    <message>
        <source>Shortest path this generation</source>
        <translation>Plus court chemin de cette génération</translation>
    </message>
    <message>
        <source>Draws the shortest path of the last generation in red from the next step on</source>
        <translation>Dessine en rouge le plus court chemin de la dernière génération à partir de l&apos;étape suivante</translation>
    </message>
    <message>
        <source>Draws the shortest path found since the last reset in black from the next step on</source>
        <translation>Dessine en noir le plus court chemin trouvé depuis la dernière réinitialisation, à partir de l&apos;étape suivante</translation>
    </message>
    <message>
        <source>Show pheromone trails</source>
        <translation>Afficher les pistes de phéromone</translation>
    </message>
    <message>
        <source>Shades each cell by its pheromone from the next step on</source>
        <translation>Colore chaque case selon sa phéromone à partir de l&apos;étape suivante</translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation>Afficher la grille</translation>
    </message>
    <message>
        <source>Draws the cell grid from the next step on</source>
        <translation>Dessine la grille des cases à partir de l&apos;étape suivante</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Génération</translation>
    </message>
    <message>
        <source>Generations run since the colony was last reset</source>
        <translation>Générations exécutées depuis la dernière réinitialisation de la colonie</translation>
    </message>
    <message>
        <source>Ants</source>
        <translation>Fourmis</translation>
    </message>
    <message>
        <source>Number of ants in the colony</source>
        <translation>Nombre de fourmis dans la colonie</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Length in cells of the best path so far; 32000 while none is known</source>
        <translation>Longueur en cases du meilleur chemin jusqu&apos;ici&#xa0;; 32000 tant qu&apos;aucun n&apos;est connu</translation>
    </message>
    <message>
        <source>World size</source>
        <translation>Taille du monde</translation>
    </message>
    <message>
        <source>Cells along each side of the world</source>
        <translation>Cases de chaque côté du monde</translation>
    </message>
    <message>
        <source>World</source>
        <translation>Monde</translation>
    </message>
    <message>
        <source>the best path so far is %1 cells long</source>
        <translation>le meilleur chemin jusqu&apos;ici mesure %1 cases</translation>
    </message>
    <message>
        <source>no path to the food has been found yet</source>
        <translation>aucun chemin vers la nourriture n&apos;a encore été trouvé</translation>
    </message>
    <message>
        <source>No ants are animating.</source>
        <translation>Aucune fourmi n&apos;est animée.</translation>
    </message>
    <message>
        <source>1 ant animating.</source>
        <translation>1 fourmi animée.</translation>
    </message>
    <message>
        <source>%1 ants animating.</source>
        <translation>%1 fourmis animées.</translation>
    </message>
    <message>
        <source>World of %1 by %1 cells, home at column %2 row %3, food at column %4 row %5. Generation %6; %7. %8</source>
        <translation>Monde de %1 sur %1 cases, nid en colonne %2 ligne %3, nourriture en colonne %4 ligne %5. Génération %6&#xa0;; %7. %8</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 — Vormis</source>
        <translation>%1 — Vormis</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Quitte l&apos;application</translation>
    </message>
    <message>
        <source>&amp;Configure Vormis</source>
        <translation>&amp;Configurer Vormis</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Configure the application</source>
        <translation>Configure l&apos;application</translation>
    </message>
    <message>
        <source>About Tab</source>
        <translation>À propos de Vormis</translation>
    </message>
    <message>
        <source>Show the Application&apos;s About box</source>
        <translation>Affiche la fenêtre À propos de l&apos;application</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>Show the Qt library&apos;s About box</source>
        <translation>Affiche la fenêtre À propos de la bibliothèque Qt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>About Vormis</source>
        <translation>À propos de Vormis</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Vormis %1&lt;/h2&gt;&lt;p&gt;This is a front-end for libtrailnet.&lt;/p&gt;&lt;p&gt;Vormis shows ant-colony optimisation at work: a colony of ants searches a grid world for a short path from home to food, and the window shows the pheromone trails, each generation&apos;s shortest path and the best path found so far.&lt;/p&gt;&lt;p&gt;Vormis is free software under the GNU General Public License, version 3 or later. It runs on Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Vormis %1&lt;/h2&gt;&lt;p&gt;Ceci est une interface pour libtrailnet.&lt;/p&gt;&lt;p&gt;Vormis montre l&apos;optimisation par colonies de fourmis à l&apos;œuvre&#xa0;: une colonie de fourmis cherche dans un monde quadrillé un chemin court du nid à la nourriture, et la fenêtre montre les pistes de phéromone, le plus court chemin de chaque génération et le meilleur chemin trouvé jusqu&apos;ici.&lt;/p&gt;&lt;p&gt;Vormis est un logiciel libre sous licence publique générale GNU (GPL), version 3 ou ultérieure. Il fonctionne avec Qt %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Compare &amp;Rules…</source>
        <translation>&amp;Comparer des règles…</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Compare two rules side by side on this world, from the same seed</source>
        <translation>Comparer deux règles côte à côte sur ce monde, depuis la même graine</translation>
    </message>
    <message>
        <source>%1 — food out of reach</source>
        <translation>%1 — nourriture hors d&apos;atteinte</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
</context>
<context>
    <name>Rule</name>
    <message>
        <source>the window&apos;s rule</source>
        <translation>Vormis</translation>
    </message>
    <message>
        <source>Ant System</source>
        <translation>Ant System</translation>
    </message>
    <message>
        <source>Ant Colony System</source>
        <translation>Ant Colony System</translation>
    </message>
    <message>
        <source>MAX-MIN Ant System</source>
        <translation>MAX-MIN Ant System</translation>
    </message>
    <message>
        <source>Elitist Ant System</source>
        <translation>Elitist Ant System</translation>
    </message>
    <message>
        <source>Rank-based Ant System</source>
        <translation>Rank-based Ant System</translation>
    </message>
    <message>
        <source>Best-Worst Ant System</source>
        <translation>Best-Worst Ant System</translation>
    </message>
</context>
<context>
    <name>RuleChoice</name>
    <message>
        <source>&amp;q0: </source>
        <translation>&amp;q0&#xa0;: </translation>
    </message>
    <message>
        <source>Ant Colony System: how often an ant takes the best-looking neighbour outright, 0 to 1</source>
        <translation>Ant Colony System&#xa0;: fréquence à laquelle une fourmi prend d&apos;emblée le voisin le plus prometteur, de 0 à 1</translation>
    </message>
    <message>
        <source>x&amp;i: </source>
        <translation>x&amp;i&#xa0;: </translation>
    </message>
    <message>
        <source>Ant Colony System: how far a cell&apos;s pheromone goes back to its start value when an ant enters it, 0 to 1</source>
        <translation>Ant Colony System&#xa0;: combien la phéromone d&apos;une case revient vers sa valeur initiale quand une fourmi y entre, de 0 à 1</translation>
    </message>
    <message>
        <source>&amp;elite: </source>
        <translation>&amp;elite&#xa0;: </translation>
    </message>
    <message>
        <source>Elitist Ant System: how many ants&apos; pheromone the best path so far gains in every generation, 0 to 1000</source>
        <translation>Elitist Ant System&#xa0;: la phéromone de combien de fourmis le meilleur chemin jusqu&apos;ici reçoit en plus à chaque génération, de 0 à 1000</translation>
    </message>
    <message>
        <source>ran&amp;k: </source>
        <translation>ran&amp;k&#xa0;: </translation>
    </message>
    <message>
        <source>Rank-based Ant System&apos;s w: the w - 1 best ants of a generation add pheromone, 1 to 1000</source>
        <translation>w de Rank-based Ant System&#xa0;: les w - 1 meilleures fourmis d&apos;une génération déposent de la phéromone, de 1 à 1000</translation>
    </message>
    <message>
        <source>restar&amp;t: </source>
        <translation>restar&amp;t&#xa0;: </translation>
    </message>
    <message>
        <source>MAX-MIN Ant System: generations without a shorter path before the pheromone starts afresh; 0 never, up to 1000000</source>
        <translation>MAX-MIN Ant System&#xa0;: générations sans chemin plus court avant que la phéromone ne reparte de zéro&#xa0;; 0 jamais, jusqu&apos;à 1000000</translation>
    </message>
    <message>
        <source>Vormis (the window&apos;s own)</source>
        <translation>Vormis (la règle propre à la fenêtre)</translation>
    </message>
    <message>
        <source>Routing weights that only grow: an ant at the food adds alpha × pheromone + beta × heuristic to each cell of its path. Only the pheromone evaporates; the colony does not settle.</source>
        <translation>Des poids de routage qui ne font que croître&#xa0;: une fourmi arrivée à la nourriture ajoute alpha × phéromone + beta × heuristique à chaque case de son chemin. Seule la phéromone s&apos;évapore&#xa0;; la colonie ne se stabilise pas.</translation>
    </message>
    <message>
        <source>Vormis&apos;s own rule, from no paper.</source>
        <translation>La règle propre de Vormis, tirée d&apos;aucun article.</translation>
    </message>
    <message>
        <source>Ant System</source>
        <translation>Ant System</translation>
    </message>
    <message>
        <source>Choice in proportion to pheromone^alpha × heuristic^beta. Each generation all pheromone loses the share ro, and each ant at the food adds 1/L to its path of L cells.</source>
        <translation>Choix proportionnel à phéromone^alpha × heuristique^beta. À chaque génération, toute la phéromone perd la part ro, et chaque fourmi arrivée à la nourriture ajoute 1/L à son chemin de L cases.</translation>
    </message>
    <message>
        <source>Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B 26(1):29–41, 1996.</source>
        <translation>Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B 26(1):29–41, 1996.</translation>
    </message>
    <message>
        <source>Ant Colony System</source>
        <translation>Ant Colony System</translation>
    </message>
    <message>
        <source>With probability q0 the best-looking cell outright, else as Ant System. Entering a cell takes its pheromone back towards the start by xi; only the best path so far gains.</source>
        <translation>Avec la probabilité q0, d&apos;emblée la case la plus prometteuse, sinon comme Ant System. Entrer dans une case ramène sa phéromone vers sa valeur initiale selon xi&#xa0;; seul le meilleur chemin jusqu&apos;ici en gagne.</translation>
    </message>
    <message>
        <source>Dorigo, Gambardella, IEEE Trans. Evol. Comp. 1(1):53–66, 1997.</source>
        <translation>Dorigo, Gambardella, IEEE Trans. Evol. Comp. 1(1):53–66, 1997.</translation>
    </message>
    <message>
        <source>MAX-MIN Ant System</source>
        <translation>MAX-MIN Ant System</translation>
    </message>
    <message>
        <source>As Ant System, but only the generation&apos;s best ant adds pheromone, which stays between two bounds; after restart generations without a shorter path it starts afresh.</source>
        <translation>Comme Ant System, mais seule la meilleure fourmi de la génération dépose de la phéromone, qui reste entre deux bornes&#xa0;; après restart générations sans chemin plus court, elle repart de zéro.</translation>
    </message>
    <message>
        <source>Stützle, Hoos, Future Generation Computer Systems 16(8):889–914, 2000.</source>
        <translation>Stützle, Hoos, Future Generation Computer Systems 16(8):889–914, 2000.</translation>
    </message>
    <message>
        <source>Elitist Ant System</source>
        <translation>Elitist Ant System</translation>
    </message>
    <message>
        <source>Ant System in which the best path so far gains as much pheromone more in every generation as elite more ants would give it.</source>
        <translation>Ant System où le meilleur chemin jusqu&apos;ici reçoit à chaque génération autant de phéromone en plus que lui en donneraient elite fourmis de plus.</translation>
    </message>
    <message>
        <source>The elitist strategy of Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B 26(1):29–41, 1996.</source>
        <translation>La stratégie élitiste de Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B 26(1):29–41, 1996.</translation>
    </message>
    <message>
        <source>Rank-based Ant System</source>
        <translation>Rank-based Ant System</translation>
    </message>
    <message>
        <source>Only the rank - 1 best ants of the generation add pheromone, the better ranked the more, and the best path so far as much as rank ants.</source>
        <translation>Seules les rank - 1 meilleures fourmis de la génération déposent de la phéromone, d&apos;autant plus qu&apos;elles sont mieux classées, et le meilleur chemin jusqu&apos;ici autant que rank fourmis.</translation>
    </message>
    <message>
        <source>Bullnheimer, Hartl, Strauss, Central European J. of Operations Research 7(1):25–38, 1999.</source>
        <translation>Bullnheimer, Hartl, Strauss, Central European J. of Operations Research 7(1):25–38, 1999.</translation>
    </message>
    <message>
        <source>Best-Worst Ant System</source>
        <translation>Best-Worst Ant System</translation>
    </message>
    <message>
        <source>The best path so far gains pheromone, the generation&apos;s longest path loses more, the pheromone mutates, and the colony starts afresh once it has converged.</source>
        <translation>Le meilleur chemin jusqu&apos;ici gagne de la phéromone, le plus long chemin de la génération en perd davantage, la phéromone mute, et la colonie repart de zéro une fois qu&apos;elle a convergé.</translation>
    </message>
    <message>
        <source>Cordón, Fernández de Viana, Herrera, Proceedings of ANTS 2000, Brussels, 2000.</source>
        <translation>Cordón, Fernández de Viana, Herrera, Proceedings of ANTS 2000, Bruxelles, 2000.</translation>
    </message>
    <message>
        <source>&amp;Rule: </source>
        <translation>&amp;Règle&#xa0;: </translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>How the ants choose their next cell and how the pheromone changes</source>
        <translation>Comment les fourmis choisissent leur prochaine case et comment la phéromone évolue</translation>
    </message>
    <message>
        <source>%1&lt;br&gt;&lt;i&gt;%2&lt;/i&gt;</source>
        <translation>%1&lt;br&gt;&lt;i&gt;%2&lt;/i&gt;</translation>
    </message>
</context>
<context>
    <name>RulePage</name>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>&amp;New seed at every start</source>
        <translation>&amp;Nouvelle graine à chaque démarrage</translation>
    </message>
    <message>
        <source>Each start of the colony draws other random numbers</source>
        <translation>Chaque démarrage de la colonie tire d&apos;autres nombres aléatoires</translation>
    </message>
    <message>
        <source>&amp;Same seed at every start: </source>
        <translation>&amp;Même graine à chaque démarrage&#xa0;: </translation>
    </message>
    <message>
        <source>Each start of the colony repeats the same generations, as vormis-run does with the same --seed</source>
        <translation>Chaque démarrage de la colonie répète les mêmes générations, comme vormis-run avec le même --seed</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>The seed every start takes, 0 to 4294967295</source>
        <translation>La graine que prend chaque démarrage, de 0 à 4294967295</translation>
    </message>
</context>
<context>
    <name>SimulationMenu</name>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;Advance</source>
        <translation>&amp;Avancer</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Exécution continue</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Advance again and again until Run is unchecked</source>
        <translation>Avance encore et encore jusqu&apos;à ce qu&apos;Exécution continue soit décoché</translation>
    </message>
    <message>
        <source>Start &amp;Animation</source>
        <translation>&amp;Démarrer l&apos;animation</translation>
    </message>
    <message>
        <source>S&amp;top Animation</source>
        <translation>A&amp;rrêter l&apos;animation</translation>
    </message>
</context>
<context>
    <name>ViewZoom</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Fit World to Window</source>
        <translation>&amp;Ajuster le monde à la fenêtre</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
</context>
<context>
    <name>WorldEditor</name>
    <message>
        <source>Draw Walls</source>
        <translation>Dessiner des murs</translation>
    </message>
    <message>
        <source>Erase Walls</source>
        <translation>Effacer des murs</translation>
    </message>
    <message>
        <source>Move Home</source>
        <translation>Déplacer le nid</translation>
    </message>
    <message>
        <source>Move Food</source>
        <translation>Déplacer la nourriture</translation>
    </message>
</context>
<context>
    <name>WorldFiles</name>
    <message>
        <source>&amp;Open World…</source>
        <translation>&amp;Ouvrir un monde…</translation>
    </message>
    <message>
        <source>Open a world file: its size, home, food and walls</source>
        <translation>Ouvrir un fichier de monde&#xa0;: sa taille, le nid, la nourriture et les murs</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouverts &amp;récemment</translation>
    </message>
    <message>
        <source>&amp;Save World</source>
        <translation>&amp;Enregistrer le monde</translation>
    </message>
    <message>
        <source>Save the world to its file, or ask for one</source>
        <translation>Enregistrer le monde dans son fichier, ou en demander un</translation>
    </message>
    <message>
        <source>Save World &amp;As…</source>
        <translation>Enregistrer le monde &amp;sous…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Save the world to a file of your choice</source>
        <translation>Enregistrer le monde dans le fichier de votre choix</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>E&amp;xporter l&apos;image…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Save the world as shown as a PNG picture</source>
        <translation>Enregistrer le monde tel qu&apos;il est affiché en image PNG</translation>
    </message>
    <message>
        <source>Unsaved Edits</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>The world has edits that are not saved. Save them?</source>
        <translation>Le monde a des modifications qui ne sont pas enregistrées. Les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Open World</source>
        <translation>Ouvrir un monde</translation>
    </message>
    <message>
        <source>%1: a %2x%2 world; the window shows 3 to %3 cells a side, vormis-run takes larger worlds</source>
        <translation>%1&#xa0;: un monde de %2x%2&#xa0;; la fenêtre montre de 3 à %3 cases de côté, vormis-run accepte des mondes plus grands</translation>
    </message>
    <message>
        <source>World files (*.txt);;All files (*)</source>
        <translation>Fichiers de monde (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save World As</source>
        <translation>Enregistrer le monde sous</translation>
    </message>
    <message>
        <source>Save World</source>
        <translation>Enregistrer le monde</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>%1: the picture could not be made</source>
        <translation>%1&#xa0;: l&apos;image n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>world</source>
        <translation>monde</translation>
    </message>
</context>
</TS>
