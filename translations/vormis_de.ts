<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AnimConfig</name>
    <message>
        <source>Not Implemented</source>
        <translation>Nicht implementiert</translation>
    </message>
</context>
<context>
    <name>AntConfig</name>
    <message>
        <source>&amp;World Size: </source>
        <translation>&amp;Weltgröße: </translation>
    </message>
    <message>
        <source>How many &amp;ants: </source>
        <translation>&amp;Anzahl der Ameisen: </translation>
    </message>
    <message>
        <source>Food location (&amp;X): </source>
        <translation>Futterposition (&amp;X): </translation>
    </message>
    <message>
        <source>Food lo&amp;cation (Y): </source>
        <translation>Futterposition (&amp;Y): </translation>
    </message>
    <message>
        <source>Home &amp;location (X): </source>
        <translation>&amp;Nestposition (X): </translation>
    </message>
    <message>
        <source>Home l&amp;ocation (Y): </source>
        <translation>Nestp&amp;osition (Y): </translation>
    </message>
    <message>
        <source>Pheromone factor (alpha): </source>
        <translation>Pheromonfaktor (alpha): </translation>
    </message>
    <message>
        <source>Heuristic factor (beta): </source>
        <translation>Heuristikfaktor (beta): </translation>
    </message>
    <message>
        <source>Pheromone evaporation rate (ro): </source>
        <translation>Verdunstungsrate des Pheromons (ro): </translation>
    </message>
    <message>
        <source>Simulation parameters</source>
        <translation>Simulationsparameter</translation>
    </message>
    <message>
        <source>Cells along each side of the square world, 3 to 30</source>
        <translation>Zellen je Seite der quadratischen Welt, 3 bis 30</translation>
    </message>
    <message>
        <source>Ants that leave home in every generation, 1 to 30</source>
        <translation>Ameisen, die in jeder Generation das Nest verlassen, 1 bis 30</translation>
    </message>
    <message>
        <source>Column of the food cell, counted from 0 at the left</source>
        <translation>Spalte der Futterzelle, von 0 am linken Rand gezählt</translation>
    </message>
    <message>
        <source>Row of the food cell, counted from 0 at the top</source>
        <translation>Zeile der Futterzelle, von 0 am oberen Rand gezählt</translation>
    </message>
    <message>
        <source>Column of the home cell, counted from 0 at the left</source>
        <translation>Spalte der Nestzelle, von 0 am linken Rand gezählt</translation>
    </message>
    <message>
        <source>Row of the home cell, counted from 0 at the top</source>
        <translation>Zeile der Nestzelle, von 0 am oberen Rand gezählt</translation>
    </message>
    <message>
        <source>How strongly pheromone raises a cell&apos;s routing weight, 0 to 10</source>
        <translation>Wie stark das Pheromon das Wegegewicht einer Zelle erhöht, 0 bis 10</translation>
    </message>
    <message>
        <source>How strongly short walks raise a cell&apos;s routing weight, 0 to 10</source>
        <translation>Wie stark kurze Wege das Wegegewicht einer Zelle erhöhen, 0 bis 10</translation>
    </message>
    <message>
        <source>Share of the pheromone that evaporates in each generation, 0 to 0.99</source>
        <translation>Anteil des Pheromons, der in jeder Generation verdunstet, 0 bis 0,99</translation>
    </message>
</context>
<context>
    <name>ChartFiles</name>
    <message>
        <source>Save Chart as PNG…</source>
        <translation>Diagramm als PNG speichern…</translation>
    </message>
    <message>
        <source>Save Data as CSV…</source>
        <translation>Daten als CSV speichern…</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>%1.png</source>
        <translation>%1.png</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1: %2</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>%1.csv</source>
        <translation>%1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The data could not be saved as %1: %2</source>
        <translation>Die Daten konnten nicht als %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Comparison chart</source>
        <translation>Vergleichsdiagramm</translation>
    </message>
    <message>
        <source>Both colonies&apos; best path so far and mean path at the food per generation</source>
        <translation>Bester Weg bisher und mittlerer Weg am Futter beider Kolonien je Generation</translation>
    </message>
</context>
<context>
    <name>CompareSide</name>
    <message>
        <source>alpha:</source>
        <translation>alpha:</translation>
    </message>
    <message>
        <source>beta:</source>
        <translation>beta:</translation>
    </message>
    <message>
        <source>ro:</source>
        <translation>ro:</translation>
    </message>
    <message>
        <source>How strongly the pheromone weighs in the choice, 0 to 10</source>
        <translation>Wie stark das Pheromon in die Wahl eingeht, 0 bis 10</translation>
    </message>
    <message>
        <source>How strongly the heuristic weighs in the choice, 0 to 10</source>
        <translation>Wie stark die Heuristik in die Wahl eingeht, 0 bis 10</translation>
    </message>
    <message>
        <source>Share of the pheromone that evaporates in each generation, 0 to 0.99</source>
        <translation>Anteil des Pheromons, der in jeder Generation verdunstet, 0 bis 0,99</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Left world</source>
        <translation>Linke Welt</translation>
    </message>
    <message>
        <source>Right world</source>
        <translation>Rechte Welt</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>vergleich</translation>
    </message>
    <message>
        <source>Compare Rules — Vormis</source>
        <translation>Regeln vergleichen — Vormis</translation>
    </message>
    <message>
        <source>&amp;Advance</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Runs as many generations on both sides as the number below asks for</source>
        <translation>Führt auf beiden Seiten so viele Generationen aus, wie die Zahl darunter angibt</translation>
    </message>
    <message>
        <source>Generations per advance</source>
        <translation>Generationen pro Klick auf Weiter</translation>
    </message>
    <message>
        <source>Ru&amp;n</source>
        <translation>&amp;Fortlaufend</translation>
    </message>
    <message>
        <source>Advances both sides every 250 ms until pressed again</source>
        <translation>Geht auf beiden Seiten alle 250 ms weiter, bis erneut gedrückt wird</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Re&amp;set</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Starts both colonies afresh from the seed</source>
        <translation>Startet beide Kolonien neu vom Startwert</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>&amp;Tauschen</translation>
    </message>
    <message>
        <source>Exchanges the two sides, rules and colonies</source>
        <translation>Tauscht die beiden Seiten, Regeln und Kolonien</translation>
    </message>
    <message>
        <source>See&amp;d:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>The seed both colonies start from, as vormis-run&apos;s --seed</source>
        <translation>Der Startwert beider Kolonien, wie --seed von vormis-run</translation>
    </message>
    <message>
        <source>Generation: %1</source>
        <translation>Generation: %1</translation>
    </message>
    <message>
        <source>%1, left</source>
        <translation>%1, links</translation>
    </message>
    <message>
        <source>%1, right</source>
        <translation>%1, rechts</translation>
    </message>
    <message>
        <source>%1 against %2; %3x%3, %4 ants; seed %5</source>
        <translation>%1 gegen %2; %3x%3, %4 Ameisen; Startwert %5</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Configuration Dialog</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Standardwerte</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Explains each parameter of the page</source>
        <translation>Erklärt jeden Parameter der Seite</translation>
    </message>
    <message>
        <source>Fills the page with the values the program starts with; nothing changes before Ok</source>
        <translation>Füllt die Seite mit den Werten, mit denen das Programm startet; vor OK ändert sich nichts</translation>
    </message>
    <message>
        <source>Starts the colony afresh with these values</source>
        <translation>Startet die Kolonie mit diesen Werten neu</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Schließt den Dialog, ohne etwas zu ändern</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Chooses the page of settings shown beside it</source>
        <translation>Wählt die daneben gezeigte Seite der Einstellungen</translation>
    </message>
    <message>
        <source>Ants</source>
        <translation>Ameisen</translation>
    </message>
    <message>
        <source>Simulation parameters</source>
        <translation>Simulationsparameter</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;World size&lt;/b&gt;: the world is a square of 3 to 30 cells a side.&lt;/p&gt;&lt;p&gt;&lt;b&gt;How many ants&lt;/b&gt;: 1 to 30 ants leave home in every generation.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Food location&lt;/b&gt; and &lt;b&gt;Home location&lt;/b&gt;: the cells of the food and of the ants&apos; home. X is the column and Y the row, both counted from 0 at the top-left corner. A value outside the world is moved back inside: the food to the last column or row, the home to 0.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pheromone factor (alpha)&lt;/b&gt;: under the window&apos;s own rule, an ant that reaches the food adds alpha times each cell&apos;s pheromone to the cell&apos;s routing weight, which only ever grows, so alpha changes the trails more than the ants&apos; choices. Under the textbook rules (the Rule page), the ants weigh each neighbour by its pheromone to the power alpha: at 0 they ignore pheromone and walk by the heuristic alone; from 1 on the trails draw them and the colony converges (under Ant System, alpha 2 brings it to the shortest path on an open world).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Heuristic factor (beta)&lt;/b&gt;: under the window&apos;s own rule, an arriving ant adds beta times each cell&apos;s heuristic, which grows more for short walks, to the cell&apos;s routing weight. Under the textbook rules, the ants weigh each neighbour by its nearness to the food to the power beta: the higher beta, the straighter they head for the food, walls or not.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pheromone evaporation rate (ro)&lt;/b&gt;: the share of pheromone that evaporates in each generation. 0 keeps it for ever; 0.99 wipes out nearly all of it every generation. Under the window&apos;s own rule only the trails shown evaporate, so ro hardly changes what the ants do. Under Ant System a higher ro makes the colony forget old trails sooner: it settles on the shortest path sooner, and forgets a path that led it into a trap. With alpha 0 ro makes no difference.&lt;/p&gt;&lt;p&gt;A bigger world makes the colony slower to settle on a route; more ants explore more of the world in each generation.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Rule&lt;/b&gt; (the Rule page): how the ants choose and how the pheromone changes, and the rule&apos;s own parameters: q0 and xi of Ant Colony System, elite of Elitist, rank of Rank-based and restart of MAX-MIN Ant System. A fixed seed makes every start repeat the same generations.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Defaults&lt;/i&gt; fills in the values the program starts with. Nothing changes until you press &lt;i&gt;Ok&lt;/i&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Weltgröße&lt;/b&gt;: Die Welt ist ein Quadrat mit 3 bis 30 Zellen je Seite.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Anzahl der Ameisen&lt;/b&gt;: 1 bis 30 Ameisen verlassen in jeder Generation das Nest.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Futterposition&lt;/b&gt; und &lt;b&gt;Nestposition&lt;/b&gt;: die Zellen des Futters und des Nests der Ameisen. X ist die Spalte und Y die Zeile, beide von 0 an in der linken oberen Ecke gezählt. Ein Wert außerhalb der Welt wird nach innen zurückgeholt: das Futter in die letzte Spalte oder Zeile, das Nest auf 0.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pheromonfaktor (alpha)&lt;/b&gt;: Unter der eigenen Regel des Fensters addiert eine Ameise, die das Futter erreicht, alpha mal das Pheromon jeder Zelle zum Wegegewicht der Zelle, das immer nur wächst; alpha verändert daher eher die Spuren als die Entscheidungen der Ameisen. Unter den Lehrbuchregeln (Seite Regel) gewichten die Ameisen jeden Nachbarn mit seinem Pheromon hoch alpha: Bei 0 beachten sie das Pheromon nicht und richten sich allein nach der Heuristik; ab 1 ziehen die Spuren sie an, und die Kolonie konvergiert (unter Ant System bringt alpha 2 sie in einer offenen Welt auf den kürzesten Weg).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Heuristikfaktor (beta)&lt;/b&gt;: Unter der eigenen Regel des Fensters addiert eine ankommende Ameise beta mal die Heuristik jeder Zelle, die bei kurzen Wegen stärker wächst, zum Wegegewicht der Zelle. Unter den Lehrbuchregeln gewichten die Ameisen jeden Nachbarn mit seiner Nähe zum Futter hoch beta: Je höher beta, desto geradliniger halten sie auf das Futter zu, ob Wände im Weg stehen oder nicht.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Verdunstungsrate des Pheromons (ro)&lt;/b&gt;: der Anteil des Pheromons, der in jeder Generation verdunstet. 0 bewahrt es für immer; 0,99 löscht in jeder Generation fast alles aus. Unter der eigenen Regel des Fensters verdunsten nur die angezeigten Spuren, daher ändert ro kaum etwas an dem, was die Ameisen tun. Unter Ant System lässt ein höheres ro die Kolonie alte Spuren schneller vergessen: Sie findet früher zum kürzesten Weg und vergisst einen Weg, der sie in eine Falle geführt hat. Bei alpha 0 macht ro keinen Unterschied.&lt;/p&gt;&lt;p&gt;In einer größeren Welt legt sich die Kolonie langsamer auf eine Route fest; mehr Ameisen erkunden in jeder Generation mehr von der Welt.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Regel&lt;/b&gt; (Seite Regel): wie die Ameisen wählen und wie sich das Pheromon ändert, dazu die eigenen Parameter der Regel: q0 und xi von Ant Colony System, elite von Elitist, rank von Rank-based und restart von MAX-MIN Ant System. Mit einem festen Startwert wiederholt jeder Start dieselben Generationen.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Standardwerte&lt;/i&gt; trägt die Werte ein, mit denen das Programm startet. Nichts ändert sich, bevor Sie &lt;i&gt;OK&lt;/i&gt; drücken.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Convergence chart</source>
        <translation>Konvergenzdiagramm</translation>
    </message>
    <message>
        <source>Path lengths and ants at the food per generation since the colony&apos;s start</source>
        <translation>Weglängen und Ameisen am Futter je Generation seit dem Start der Kolonie</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Point at the chart to read a generation; right-click to save it.</source>
        <translation>Zeigen Sie auf das Diagramm, um eine Generation abzulesen; Rechtsklick zum Speichern.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Generation %1: shortest %2, mean %3, best so far %4; %5 of %6 ants at the food</source>
        <translation>Generation %1: kürzester %2, Mittel %3, bester bisher %4; %5 von %6 Ameisen am Futter</translation>
    </message>
    <message>
        <source>%1, alpha %2, beta %3, ro %4</source>
        <translation>%1, alpha %2, beta %3, ro %4</translation>
    </message>
    <message>
        <source>%1; %2x%2, %3 ants; seed %4</source>
        <translation>%1; %2x%2, %3 Ameisen; Startwert %4</translation>
    </message>
</context>
<context>
    <name>ConvergenceDock</name>
    <message>
        <source>Convergence</source>
        <translation>Konvergenz</translation>
    </message>
    <message>
        <source>Values under the mouse</source>
        <translation>Werte unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>convergence</source>
        <translation>konvergenz</translation>
    </message>
</context>
<context>
    <name>LineChart</name>
    <message>
        <source>generation</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>path length (cells, home and food included)</source>
        <translation>Weglänge (Zellen, Nest und Futter mitgezählt)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>ants at the food</source>
        <translation>Ameisen am Futter</translation>
    </message>
    <message>
        <source>no ant reached the food</source>
        <translation>keine Ameise hat das Futter erreicht</translation>
    </message>
    <message>
        <source>best of the generation</source>
        <translation>Bester der Generation</translation>
    </message>
    <message>
        <source>mean of the ants at the food</source>
        <translation>Mittel der Ameisen am Futter</translation>
    </message>
    <message>
        <source>best so far</source>
        <translation>Bester bisher</translation>
    </message>
    <message>
        <source>shortest possible (%1)</source>
        <translation>kürzest möglich (%1)</translation>
    </message>
    <message>
        <source>no path from home to food</source>
        <translation>kein Weg vom Nest zum Futter</translation>
    </message>
    <message>
        <source>ants at the food (right)</source>
        <translation>Ameisen am Futter (rechts)</translation>
    </message>
    <message>
        <source>Path length per generation</source>
        <translation>Weglänge pro Generation</translation>
    </message>
    <message>
        <source>%1: best so far</source>
        <translation>%1: bester bisher</translation>
    </message>
    <message>
        <source>%1: mean at the food</source>
        <translation>%1: Mittel am Futter</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>Zellen</translation>
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
        <translation>&amp;Konvergenzdiagramm</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Show the path lengths of the generations as a chart</source>
        <translation>Zeigt die Weglängen der Generationen als Diagramm</translation>
    </message>
    <message>
        <source>Start Animation</source>
        <translation>Animation starten</translation>
    </message>
    <message>
        <source>Stop Animation</source>
        <translation>Animation beenden</translation>
    </message>
    <message>
        <source>Advance </source>
        <translation>Weiter </translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Generation: </source>
        <translation>Generation: </translation>
    </message>
    <message>
        <source>Ants: </source>
        <translation>Ameisen: </translation>
    </message>
    <message>
        <source>Steps: </source>
        <translation>Schritte: </translation>
    </message>
    <message>
        <source>World Size: </source>
        <translation>Weltgröße: </translation>
    </message>
    <message>
        <source>Animation Speed:</source>
        <translation>Animationstempo:</translation>
    </message>
    <message>
        <source>Shortest path this gen.</source>
        <translation>Kürzester Weg der Gen.</translation>
    </message>
    <message>
        <source>Shortest path so far</source>
        <translation>Kürzester Weg bisher</translation>
    </message>
    <message>
        <source>Show Pheromone Trails</source>
        <translation>Pheromonspuren zeigen</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Gitter zeigen</translation>
    </message>
    <message>
        <source>Replays the last generation with one walking ant per ant of the colony</source>
        <translation>Spielt die letzte Generation noch einmal ab, mit einer laufenden Ameise je Ameise der Kolonie</translation>
    </message>
    <message>
        <source>Removes the animated ants</source>
        <translation>Entfernt die animierten Ameisen</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Runs as many generations as the number beside it asks for</source>
        <translation>Führt so viele Generationen aus, wie die Zahl daneben angibt</translation>
    </message>
    <message>
        <source>Generations per advance</source>
        <translation>Generationen pro Klick auf Weiter</translation>
    </message>
    <message>
        <source>How many generations one press of Advance runs, 1 to 30</source>
        <translation>Wie viele Generationen ein Druck auf Weiter ausführt, 1 bis 30</translation>
    </message>
    <message>
        <source>Opens the dialog for the world size, the ants, home, food and the colony&apos;s factors</source>
        <translation>Öffnet den Dialog für Weltgröße, Ameisen, Nest, Futter und die Faktoren der Kolonie</translation>
    </message>
    <message>
        <source>Loads the example world: 8 by 8 cells with walls</source>
        <translation>Lädt die Beispielwelt: 8 mal 8 Zellen mit Wänden</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animationstempo</translation>
    </message>
    <message>
        <source>How fast the animated ants walk, from 0 (slowest) to 4</source>
        <translation>Wie schnell die animierten Ameisen laufen, von 0 (am langsamsten) bis 4</translation>
    </message>
    <message>
        <source>Shortest path this generation</source>
        <translation>Kürzester Weg dieser Generation</translation>
    </message>
    <message>
        <source>Draws the shortest path of the last generation in red from the next step on</source>
        <translation>Zeichnet ab dem nächsten Schritt den kürzesten Weg der letzten Generation in Rot</translation>
    </message>
    <message>
        <source>Draws the shortest path found since the last reset in black from the next step on</source>
        <translation>Zeichnet ab dem nächsten Schritt den seit dem letzten Neustart gefundenen kürzesten Weg in Schwarz</translation>
    </message>
    <message>
        <source>Show pheromone trails</source>
        <translation>Pheromonspuren zeigen</translation>
    </message>
    <message>
        <source>Shades each cell by its pheromone from the next step on</source>
        <translation>Schattiert ab dem nächsten Schritt jede Zelle nach ihrem Pheromon</translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation>Gitter zeigen</translation>
    </message>
    <message>
        <source>Draws the cell grid from the next step on</source>
        <translation>Zeichnet ab dem nächsten Schritt das Zellgitter</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>Generations run since the colony was last reset</source>
        <translation>Seit dem letzten Neustart der Kolonie ausgeführte Generationen</translation>
    </message>
    <message>
        <source>Ants</source>
        <translation>Ameisen</translation>
    </message>
    <message>
        <source>Number of ants in the colony</source>
        <translation>Anzahl der Ameisen in der Kolonie</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Length in cells of the best path so far; 32000 while none is known</source>
        <translation>Länge des bisher besten Wegs in Zellen; 32000, solange keiner bekannt ist</translation>
    </message>
    <message>
        <source>World size</source>
        <translation>Weltgröße</translation>
    </message>
    <message>
        <source>Cells along each side of the world</source>
        <translation>Zellen je Seite der Welt</translation>
    </message>
    <message>
        <source>World</source>
        <translation>Welt</translation>
    </message>
    <message>
        <source>the best path so far is %1 cells long</source>
        <translation>der bisher beste Weg ist %1 Zellen lang</translation>
    </message>
    <message>
        <source>no path to the food has been found yet</source>
        <translation>noch wurde kein Weg zum Futter gefunden</translation>
    </message>
    <message>
        <source>No ants are animating.</source>
        <translation>Keine Ameisen sind animiert.</translation>
    </message>
    <message>
        <source>1 ant animating.</source>
        <translation>1 Ameise animiert.</translation>
    </message>
    <message>
        <source>%1 ants animating.</source>
        <translation>%1 Ameisen animiert.</translation>
    </message>
    <message>
        <source>World of %1 by %1 cells, home at column %2 row %3, food at column %4 row %5. Generation %6; %7. %8</source>
        <translation>Welt aus %1 mal %1 Zellen, Nest in Spalte %2 Zeile %3, Futter in Spalte %4 Zeile %5. Generation %6; %7. %8</translation>
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
        <translation>Regel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>&amp;Configure Vormis</source>
        <translation>Vormis &amp;konfigurieren</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Configure the application</source>
        <translation>Konfiguriert das Programm</translation>
    </message>
    <message>
        <source>About Tab</source>
        <translation>Über Vormis</translation>
    </message>
    <message>
        <source>Show the Application&apos;s About box</source>
        <translation>Zeigt Informationen über das Programm</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>Show the Qt library&apos;s About box</source>
        <translation>Zeigt Informationen über die Qt-Bibliothek</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About Vormis</source>
        <translation>Über Vormis</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Vormis %1&lt;/h2&gt;&lt;p&gt;This is a front-end for libtrailnet.&lt;/p&gt;&lt;p&gt;Vormis shows ant-colony optimisation at work: a colony of ants searches a grid world for a short path from home to food, and the window shows the pheromone trails, each generation&apos;s shortest path and the best path found so far.&lt;/p&gt;&lt;p&gt;Vormis is free software under the GNU General Public License, version 3 or later. It runs on Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Vormis %1&lt;/h2&gt;&lt;p&gt;Dies ist eine Oberfläche für libtrailnet.&lt;/p&gt;&lt;p&gt;Vormis zeigt Ameisenkolonieoptimierung bei der Arbeit: Eine Ameisenkolonie sucht in einer Gitterwelt einen kurzen Weg vom Nest zum Futter, und das Fenster zeigt die Pheromonspuren, den kürzesten Weg jeder Generation und den besten bisher gefundenen Weg.&lt;/p&gt;&lt;p&gt;Vormis ist freie Software unter der GNU General Public License, Version 3 oder später. Es läuft mit Qt %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Compare &amp;Rules…</source>
        <translation>&amp;Regeln vergleichen…</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Compare two rules side by side on this world, from the same seed</source>
        <translation>Zwei Regeln nebeneinander auf dieser Welt vergleichen, vom selben Startwert</translation>
    </message>
    <message>
        <source>%1 — food out of reach</source>
        <translation>%1 — Futter unerreichbar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
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
        <translation>&amp;q0: </translation>
    </message>
    <message>
        <source>Ant Colony System: how often an ant takes the best-looking neighbour outright, 0 to 1</source>
        <translation>Ant Colony System: wie oft eine Ameise ohne Weiteres den vielversprechendsten Nachbarn nimmt, 0 bis 1</translation>
    </message>
    <message>
        <source>x&amp;i: </source>
        <translation>x&amp;i: </translation>
    </message>
    <message>
        <source>Ant Colony System: how far a cell&apos;s pheromone goes back to its start value when an ant enters it, 0 to 1</source>
        <translation>Ant Colony System: wie weit das Pheromon einer Zelle zu seinem Anfangswert zurückgeht, wenn eine Ameise sie betritt, 0 bis 1</translation>
    </message>
    <message>
        <source>&amp;elite: </source>
        <translation>&amp;elite: </translation>
    </message>
    <message>
        <source>Elitist Ant System: how many ants&apos; pheromone the best path so far gains in every generation, 0 to 1000</source>
        <translation>Elitist Ant System: das Pheromon wie vieler Ameisen der bisher beste Weg in jeder Generation zusätzlich erhält, 0 bis 1000</translation>
    </message>
    <message>
        <source>ran&amp;k: </source>
        <translation>ran&amp;k: </translation>
    </message>
    <message>
        <source>Rank-based Ant System&apos;s w: the w - 1 best ants of a generation add pheromone, 1 to 1000</source>
        <translation>w des Rank-based Ant System: Die w - 1 besten Ameisen einer Generation geben Pheromon ab, 1 bis 1000</translation>
    </message>
    <message>
        <source>restar&amp;t: </source>
        <translation>restar&amp;t: </translation>
    </message>
    <message>
        <source>MAX-MIN Ant System: generations without a shorter path before the pheromone starts afresh; 0 never, up to 1000000</source>
        <translation>MAX-MIN Ant System: Generationen ohne kürzeren Weg, bevor das Pheromon neu beginnt; 0 nie, bis 1000000</translation>
    </message>
    <message>
        <source>Vormis (the window&apos;s own)</source>
        <translation>Vormis (die eigene des Fensters)</translation>
    </message>
    <message>
        <source>Routing weights that only grow: an ant at the food adds alpha × pheromone + beta × heuristic to each cell of its path. Only the pheromone evaporates; the colony does not settle.</source>
        <translation>Wegegewichte, die nur wachsen: Eine Ameise am Futter addiert alpha × Pheromon + beta × Heuristik zu jeder Zelle ihres Wegs. Nur das Pheromon verdunstet; die Kolonie kommt nicht zur Ruhe.</translation>
    </message>
    <message>
        <source>Vormis&apos;s own rule, from no paper.</source>
        <translation>Die eigene Regel von Vormis, aus keiner Veröffentlichung.</translation>
    </message>
    <message>
        <source>Ant System</source>
        <translation>Ant System</translation>
    </message>
    <message>
        <source>Choice in proportion to pheromone^alpha × heuristic^beta. Each generation all pheromone loses the share ro, and each ant at the food adds 1/L to its path of L cells.</source>
        <translation>Wahl im Verhältnis zu Pheromon^alpha × Heuristik^beta. In jeder Generation verliert alles Pheromon den Anteil ro, und jede Ameise am Futter addiert 1/L zu ihrem Weg aus L Zellen.</translation>
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
        <translation>Mit der Wahrscheinlichkeit q0 ohne Weiteres die vielversprechendste Zelle, sonst wie Ant System. Wer eine Zelle betritt, führt ihr Pheromon um xi zum Anfangswert zurück; nur der bisher beste Weg gewinnt hinzu.</translation>
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
        <translation>Wie Ant System, aber nur die beste Ameise der Generation gibt Pheromon ab, das zwischen zwei Grenzen bleibt; nach restart Generationen ohne kürzeren Weg beginnt es neu.</translation>
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
        <translation>Ant System, bei dem der bisher beste Weg in jeder Generation so viel Pheromon zusätzlich erhält, wie ihm elite weitere Ameisen gäben.</translation>
    </message>
    <message>
        <source>The elitist strategy of Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B 26(1):29–41, 1996.</source>
        <translation>Die Elitestrategie von Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B 26(1):29–41, 1996.</translation>
    </message>
    <message>
        <source>Rank-based Ant System</source>
        <translation>Rank-based Ant System</translation>
    </message>
    <message>
        <source>Only the rank - 1 best ants of the generation add pheromone, the better ranked the more, and the best path so far as much as rank ants.</source>
        <translation>Nur die rank - 1 besten Ameisen der Generation geben Pheromon ab, je besser platziert, desto mehr, und der bisher beste Weg so viel wie rank Ameisen.</translation>
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
        <translation>Der bisher beste Weg erhält Pheromon, der längste Weg der Generation verliert zusätzlich, das Pheromon mutiert, und die Kolonie beginnt neu, sobald sie konvergiert ist.</translation>
    </message>
    <message>
        <source>Cordón, Fernández de Viana, Herrera, Proceedings of ANTS 2000, Brussels, 2000.</source>
        <translation>Cordón, Fernández de Viana, Herrera, Proceedings of ANTS 2000, Brüssel, 2000.</translation>
    </message>
    <message>
        <source>&amp;Rule: </source>
        <translation>&amp;Regel: </translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>How the ants choose their next cell and how the pheromone changes</source>
        <translation>Wie die Ameisen ihre nächste Zelle wählen und wie sich das Pheromon ändert</translation>
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
        <translation>Regel</translation>
    </message>
    <message>
        <source>&amp;New seed at every start</source>
        <translation>&amp;Neuer Startwert bei jedem Start</translation>
    </message>
    <message>
        <source>Each start of the colony draws other random numbers</source>
        <translation>Jeder Start der Kolonie zieht andere Zufallszahlen</translation>
    </message>
    <message>
        <source>&amp;Same seed at every start: </source>
        <translation>&amp;Gleicher Startwert bei jedem Start: </translation>
    </message>
    <message>
        <source>Each start of the colony repeats the same generations, as vormis-run does with the same --seed</source>
        <translation>Jeder Start der Kolonie wiederholt dieselben Generationen, wie vormis-run mit demselben --seed</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>The seed every start takes, 0 to 4294967295</source>
        <translation>Der Startwert, den jeder Start nimmt, 0 bis 4294967295</translation>
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
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Fortlaufend</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Advance again and again until Run is unchecked</source>
        <translation>Drückt immer wieder Weiter, bis Fortlaufend abgewählt wird</translation>
    </message>
    <message>
        <source>Start &amp;Animation</source>
        <translation>&amp;Animation starten</translation>
    </message>
    <message>
        <source>S&amp;top Animation</source>
        <translation>Animation &amp;beenden</translation>
    </message>
</context>
<context>
    <name>ViewZoom</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
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
        <translation>Verk&amp;leinern</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Fit World to Window</source>
        <translation>Welt an &amp;Fenster anpassen</translation>
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
        <translation>Wände zeichnen</translation>
    </message>
    <message>
        <source>Erase Walls</source>
        <translation>Wände entfernen</translation>
    </message>
    <message>
        <source>Move Home</source>
        <translation>Nest verschieben</translation>
    </message>
    <message>
        <source>Move Food</source>
        <translation>Futter verschieben</translation>
    </message>
</context>
<context>
    <name>WorldFiles</name>
    <message>
        <source>&amp;Open World…</source>
        <translation>Welt ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open a world file: its size, home, food and walls</source>
        <translation>Eine Weltdatei öffnen: ihre Größe, Nest, Futter und Wände</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save World</source>
        <translation>Welt &amp;speichern</translation>
    </message>
    <message>
        <source>Save the world to its file, or ask for one</source>
        <translation>Die Welt in ihre Datei speichern oder nach einer fragen</translation>
    </message>
    <message>
        <source>Save World &amp;As…</source>
        <translation>Welt speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Save the world to a file of your choice</source>
        <translation>Die Welt in eine Datei Ihrer Wahl speichern</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>Bild &amp;exportieren…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Save the world as shown as a PNG picture</source>
        <translation>Die Welt, wie sie zu sehen ist, als PNG-Bild speichern</translation>
    </message>
    <message>
        <source>Unsaved Edits</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The world has edits that are not saved. Save them?</source>
        <translation>Die Welt hat Änderungen, die nicht gespeichert sind. Speichern?</translation>
    </message>
    <message>
        <source>Open World</source>
        <translation>Welt öffnen</translation>
    </message>
    <message>
        <source>%1: a %2x%2 world; the window shows 3 to %3 cells a side, vormis-run takes larger worlds</source>
        <translation>%1: eine %2x%2-Welt; das Fenster zeigt 3 bis %3 Zellen je Seite, vormis-run nimmt größere Welten</translation>
    </message>
    <message>
        <source>World files (*.txt);;All files (*)</source>
        <translation>Weltdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save World As</source>
        <translation>Welt speichern unter</translation>
    </message>
    <message>
        <source>Save World</source>
        <translation>Welt speichern</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>%1: the picture could not be made</source>
        <translation>%1: Das Bild konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>world</source>
        <translation>welt</translation>
    </message>
</context>
</TS>
