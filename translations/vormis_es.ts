<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AnimConfig</name>
    <message>
        <source>Not Implemented</source>
        <translation>No implementado</translation>
    </message>
</context>
<context>
    <name>AntConfig</name>
    <message>
        <source>&amp;World Size: </source>
        <translation>&amp;Tamaño del mundo: </translation>
    </message>
    <message>
        <source>How many &amp;ants: </source>
        <translation>Número de &amp;hormigas: </translation>
    </message>
    <message>
        <source>Food location (&amp;X): </source>
        <translation>Posición de la comida (&amp;X): </translation>
    </message>
    <message>
        <source>Food lo&amp;cation (Y): </source>
        <translation>Posición de la comida (&amp;Y): </translation>
    </message>
    <message>
        <source>Home &amp;location (X): </source>
        <translation>Posición del &amp;nido (X): </translation>
    </message>
    <message>
        <source>Home l&amp;ocation (Y): </source>
        <translation>Posición del n&amp;ido (Y): </translation>
    </message>
    <message>
        <source>Pheromone factor (alpha): </source>
        <translation>Factor de feromona (alpha): </translation>
    </message>
    <message>
        <source>Heuristic factor (beta): </source>
        <translation>Factor heurístico (beta): </translation>
    </message>
    <message>
        <source>Pheromone evaporation rate (ro): </source>
        <translation>Tasa de evaporación de la feromona (ro): </translation>
    </message>
    <message>
        <source>Simulation parameters</source>
        <translation>Parámetros de la simulación</translation>
    </message>
    <message>
        <source>Cells along each side of the square world, 3 to 30</source>
        <translation>Celdas por lado del mundo cuadrado, de 3 a 30</translation>
    </message>
    <message>
        <source>Ants that leave home in every generation, 1 to 30</source>
        <translation>Hormigas que salen del nido en cada generación, de 1 a 30</translation>
    </message>
    <message>
        <source>Column of the food cell, counted from 0 at the left</source>
        <translation>Columna de la celda de la comida, contada desde 0 a la izquierda</translation>
    </message>
    <message>
        <source>Row of the food cell, counted from 0 at the top</source>
        <translation>Fila de la celda de la comida, contada desde 0 arriba</translation>
    </message>
    <message>
        <source>Column of the home cell, counted from 0 at the left</source>
        <translation>Columna de la celda del nido, contada desde 0 a la izquierda</translation>
    </message>
    <message>
        <source>Row of the home cell, counted from 0 at the top</source>
        <translation>Fila de la celda del nido, contada desde 0 arriba</translation>
    </message>
    <message>
        <source>How strongly pheromone raises a cell&apos;s routing weight, 0 to 10</source>
        <translation>Cuánto aumenta la feromona el peso de ruta de una celda, de 0 a 10</translation>
    </message>
    <message>
        <source>How strongly short walks raise a cell&apos;s routing weight, 0 to 10</source>
        <translation>Cuánto aumentan los recorridos cortos el peso de ruta de una celda, de 0 a 10</translation>
    </message>
    <message>
        <source>Share of the pheromone that evaporates in each generation, 0 to 0.99</source>
        <translation>Fracción de la feromona que se evapora en cada generación, de 0 a 0,99</translation>
    </message>
</context>
<context>
    <name>ChartFiles</name>
    <message>
        <source>Save Chart as PNG…</source>
        <translation>Guardar gráfico como PNG…</translation>
    </message>
    <message>
        <source>Save Data as CSV…</source>
        <translation>Guardar datos como CSV…</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>%1.png</source>
        <translation>%1.png</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1: %2</source>
        <translation>No se pudo guardar el gráfico como %1: %2</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>%1.csv</source>
        <translation>%1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The data could not be saved as %1: %2</source>
        <translation>No se pudieron guardar los datos como %1: %2</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Comparison chart</source>
        <translation>Gráfico de comparación</translation>
    </message>
    <message>
        <source>Both colonies&apos; best path so far and mean path at the food per generation</source>
        <translation>Mejor camino hasta ahora y camino medio en la comida de ambas colonias por generación</translation>
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
        <translation>Cuánto pesa la feromona en la elección, de 0 a 10</translation>
    </message>
    <message>
        <source>How strongly the heuristic weighs in the choice, 0 to 10</source>
        <translation>Cuánto pesa la heurística en la elección, de 0 a 10</translation>
    </message>
    <message>
        <source>Share of the pheromone that evaporates in each generation, 0 to 0.99</source>
        <translation>Fracción de la feromona que se evapora en cada generación, de 0 a 0,99</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Left world</source>
        <translation>Mundo izquierdo</translation>
    </message>
    <message>
        <source>Right world</source>
        <translation>Mundo derecho</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparacion</translation>
    </message>
    <message>
        <source>Compare Rules — Vormis</source>
        <translation>Comparar reglas — Vormis</translation>
    </message>
    <message>
        <source>&amp;Advance</source>
        <translation>&amp;Avanzar</translation>
    </message>
    <message>
        <source>Runs as many generations on both sides as the number below asks for</source>
        <translation>Ejecuta en ambos lados tantas generaciones como indica el número de abajo</translation>
    </message>
    <message>
        <source>Generations per advance</source>
        <translation>Generaciones por pulsación de Avanzar</translation>
    </message>
    <message>
        <source>Ru&amp;n</source>
        <translation>Ejecución &amp;continua</translation>
    </message>
    <message>
        <source>Advances both sides every 250 ms until pressed again</source>
        <translation>Avanza ambos lados cada 250 ms hasta que se vuelva a pulsar</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Re&amp;set</source>
        <translation>Re&amp;iniciar</translation>
    </message>
    <message>
        <source>Starts both colonies afresh from the seed</source>
        <translation>Reinicia ambas colonias desde la semilla</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>I&amp;ntercambiar</translation>
    </message>
    <message>
        <source>Exchanges the two sides, rules and colonies</source>
        <translation>Intercambia los dos lados, reglas y colonias</translation>
    </message>
    <message>
        <source>See&amp;d:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <source>The seed both colonies start from, as vormis-run&apos;s --seed</source>
        <translation>La semilla de ambas colonias, como --seed de vormis-run</translation>
    </message>
    <message>
        <source>Generation: %1</source>
        <translation>Generación: %1</translation>
    </message>
    <message>
        <source>%1, left</source>
        <translation>%1, izquierda</translation>
    </message>
    <message>
        <source>%1, right</source>
        <translation>%1, derecha</translation>
    </message>
    <message>
        <source>%1 against %2; %3x%3, %4 ants; seed %5</source>
        <translation>%1 frente a %2; %3x%3, %4 hormigas; semilla %5</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Configuration Dialog</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>Valores &amp;predeterminados</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Explains each parameter of the page</source>
        <translation>Explica cada parámetro de la página</translation>
    </message>
    <message>
        <source>Fills the page with the values the program starts with; nothing changes before Ok</source>
        <translation>Rellena la página con los valores con los que arranca el programa; nada cambia antes de Aceptar</translation>
    </message>
    <message>
        <source>Starts the colony afresh with these values</source>
        <translation>Reinicia la colonia con estos valores</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Cierra el diálogo sin cambiar nada</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Chooses the page of settings shown beside it</source>
        <translation>Elige la página de ajustes que se muestra al lado</translation>
    </message>
    <message>
        <source>Ants</source>
        <translation>Hormigas</translation>
    </message>
    <message>
        <source>Simulation parameters</source>
        <translation>Parámetros de la simulación</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;World size&lt;/b&gt;: the world is a square of 3 to 30 cells a side.&lt;/p&gt;&lt;p&gt;&lt;b&gt;How many ants&lt;/b&gt;: 1 to 30 ants leave home in every generation.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Food location&lt;/b&gt; and &lt;b&gt;Home location&lt;/b&gt;: the cells of the food and of the ants&apos; home. X is the column and Y the row, both counted from 0 at the top-left corner. A value outside the world is moved back inside: the food to the last column or row, the home to 0.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pheromone factor (alpha)&lt;/b&gt;: under the window&apos;s own rule, an ant that reaches the food adds alpha times each cell&apos;s pheromone to the cell&apos;s routing weight, which only ever grows, so alpha changes the trails more than the ants&apos; choices. Under the textbook rules (the Rule page), the ants weigh each neighbour by its pheromone to the power alpha: at 0 they ignore pheromone and walk by the heuristic alone; from 1 on the trails draw them and the colony converges (under Ant System, alpha 2 brings it to the shortest path on an open world).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Heuristic factor (beta)&lt;/b&gt;: under the window&apos;s own rule, an arriving ant adds beta times each cell&apos;s heuristic, which grows more for short walks, to the cell&apos;s routing weight. Under the textbook rules, the ants weigh each neighbour by its nearness to the food to the power beta: the higher beta, the straighter they head for the food, walls or not.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pheromone evaporation rate (ro)&lt;/b&gt;: the share of pheromone that evaporates in each generation. 0 keeps it for ever; 0.99 wipes out nearly all of it every generation. Under the window&apos;s own rule only the trails shown evaporate, so ro hardly changes what the ants do. Under Ant System a higher ro makes the colony forget old trails sooner: it settles on the shortest path sooner, and forgets a path that led it into a trap. With alpha 0 ro makes no difference.&lt;/p&gt;&lt;p&gt;A bigger world makes the colony slower to settle on a route; more ants explore more of the world in each generation.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Rule&lt;/b&gt; (the Rule page): how the ants choose and how the pheromone changes, and the rule&apos;s own parameters: q0 and xi of Ant Colony System, elite of Elitist, rank of Rank-based and restart of MAX-MIN Ant System. A fixed seed makes every start repeat the same generations.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Defaults&lt;/i&gt; fills in the values the program starts with. Nothing changes until you press &lt;i&gt;Ok&lt;/i&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tamaño del mundo&lt;/b&gt;: el mundo es un cuadrado de 3 a 30 celdas de lado.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Número de hormigas&lt;/b&gt;: de 1 a 30 hormigas salen del nido en cada generación.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Posición de la comida&lt;/b&gt; y &lt;b&gt;posición del nido&lt;/b&gt;: las celdas de la comida y del nido de las hormigas. X es la columna; Y, la fila; ambas se cuentan desde 0 en la esquina superior izquierda. Un valor fuera del mundo se devuelve al interior: la comida a la última columna o fila, el nido a 0.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Factor de feromona (alpha)&lt;/b&gt;: con la regla propia de la ventana, una hormiga que llega a la comida suma alpha veces la feromona de cada celda al peso de ruta de la celda, que solo crece, así que alpha cambia más los rastros que las decisiones de las hormigas. Con las reglas clásicas (la página Regla), las hormigas ponderan cada vecino por su feromona elevada a alpha: con 0 ignoran la feromona y se guían solo por la heurística; a partir de 1 los rastros las atraen y la colonia converge (con Ant System, alpha 2 la lleva al camino más corto en un mundo abierto).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Factor heurístico (beta)&lt;/b&gt;: con la regla propia de la ventana, una hormiga que llega suma beta veces la heurística de cada celda, que crece más con los recorridos cortos, al peso de ruta de la celda. Con las reglas clásicas, las hormigas ponderan cada vecino por su cercanía a la comida elevada a beta: cuanto mayor es beta, más directamente se dirigen a la comida, haya muros o no.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Tasa de evaporación de la feromona (ro)&lt;/b&gt;: la fracción de feromona que se evapora en cada generación. 0 la conserva para siempre; 0,99 borra casi toda en cada generación. Con la regla propia de la ventana solo se evaporan los rastros mostrados, así que ro apenas cambia lo que hacen las hormigas. Con Ant System, un ro más alto hace que la colonia olvide antes los rastros viejos: se asienta antes en el camino más corto y olvida un camino que la llevó a una trampa. Con alpha 0, ro no cambia nada.&lt;/p&gt;&lt;p&gt;En un mundo más grande la colonia tarda más en asentarse en una ruta; más hormigas exploran más parte del mundo en cada generación.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Regla&lt;/b&gt; (la página Regla): cómo eligen las hormigas y cómo cambia la feromona, y los parámetros propios de la regla: q0 y xi de Ant Colony System, elite de Elitist, rank de Rank-based y restart de MAX-MIN Ant System. Con una semilla fija, cada inicio repite las mismas generaciones.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Valores predeterminados&lt;/i&gt; rellena la página con los valores con los que arranca el programa. Nada cambia hasta que pulse &lt;i&gt;Aceptar&lt;/i&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Convergence chart</source>
        <translation>Gráfico de convergencia</translation>
    </message>
    <message>
        <source>Path lengths and ants at the food per generation since the colony&apos;s start</source>
        <translation>Longitudes de los caminos y hormigas en la comida por generación desde el inicio de la colonia</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Point at the chart to read a generation; right-click to save it.</source>
        <translation>Señale el gráfico para leer una generación; clic derecho para guardarlo.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Generation %1: shortest %2, mean %3, best so far %4; %5 of %6 ants at the food</source>
        <translation>Generación %1: más corto %2, media %3, mejor hasta ahora %4; %5 de %6 hormigas en la comida</translation>
    </message>
    <message>
        <source>%1, alpha %2, beta %3, ro %4</source>
        <translation>%1, alpha %2, beta %3, ro %4</translation>
    </message>
    <message>
        <source>%1; %2x%2, %3 ants; seed %4</source>
        <translation>%1; %2x%2, %3 hormigas; semilla %4</translation>
    </message>
</context>
<context>
    <name>ConvergenceDock</name>
    <message>
        <source>Convergence</source>
        <translation>Convergencia</translation>
    </message>
    <message>
        <source>Values under the mouse</source>
        <translation>Valores bajo el ratón</translation>
    </message>
    <message>
        <source>convergence</source>
        <translation>convergencia</translation>
    </message>
</context>
<context>
    <name>LineChart</name>
    <message>
        <source>generation</source>
        <translation>generación</translation>
    </message>
    <message>
        <source>path length (cells, home and food included)</source>
        <translation>longitud del camino (celdas, nido y comida incluidos)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>ants at the food</source>
        <translation>hormigas en la comida</translation>
    </message>
    <message>
        <source>no ant reached the food</source>
        <translation>ninguna hormiga llegó a la comida</translation>
    </message>
    <message>
        <source>best of the generation</source>
        <translation>mejor de la generación</translation>
    </message>
    <message>
        <source>mean of the ants at the food</source>
        <translation>media de las hormigas en la comida</translation>
    </message>
    <message>
        <source>best so far</source>
        <translation>mejor hasta ahora</translation>
    </message>
    <message>
        <source>shortest possible (%1)</source>
        <translation>más corto posible (%1)</translation>
    </message>
    <message>
        <source>no path from home to food</source>
        <translation>ningún camino del nido a la comida</translation>
    </message>
    <message>
        <source>ants at the food (right)</source>
        <translation>hormigas en la comida (derecha)</translation>
    </message>
    <message>
        <source>Path length per generation</source>
        <translation>Longitud del camino por generación</translation>
    </message>
    <message>
        <source>%1: best so far</source>
        <translation>%1: mejor hasta ahora</translation>
    </message>
    <message>
        <source>%1: mean at the food</source>
        <translation>%1: media en la comida</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>celdas</translation>
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
        <translation>Gráfico de &amp;convergencia</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Show the path lengths of the generations as a chart</source>
        <translation>Muestra las longitudes de los caminos de las generaciones en un gráfico</translation>
    </message>
    <message>
        <source>Start Animation</source>
        <translation>Iniciar animación</translation>
    </message>
    <message>
        <source>Stop Animation</source>
        <translation>Detener animación</translation>
    </message>
    <message>
        <source>Advance </source>
        <translation>Avanzar </translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Generation: </source>
        <translation>Generación: </translation>
    </message>
    <message>
        <source>Ants: </source>
        <translation>Hormigas: </translation>
    </message>
    <message>
        <source>Steps: </source>
        <translation>Pasos: </translation>
    </message>
    <message>
        <source>World Size: </source>
        <translation>Mundo: </translation>
    </message>
    <message>
        <source>Animation Speed:</source>
        <translation>Velocidad de animación:</translation>
    </message>
    <message>
        <source>Shortest path this gen.</source>
        <translation>Camino más corto (gen.)</translation>
    </message>
    <message>
        <source>Shortest path so far</source>
        <translation>Camino más corto global</translation>
    </message>
    <message>
        <source>Show Pheromone Trails</source>
        <translation>Ver rastros de feromona</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Ver cuadrícula</translation>
    </message>
    <message>
        <source>Replays the last generation with one walking ant per ant of the colony</source>
        <translation>Reproduce la última generación con una hormiga en marcha por cada hormiga de la colonia</translation>
    </message>
    <message>
        <source>Removes the animated ants</source>
        <translation>Quita las hormigas animadas</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avanzar</translation>
    </message>
    <message>
        <source>Runs as many generations as the number beside it asks for</source>
        <translation>Ejecuta tantas generaciones como indica el número de al lado</translation>
    </message>
    <message>
        <source>Generations per advance</source>
        <translation>Generaciones por pulsación de Avanzar</translation>
    </message>
    <message>
        <source>How many generations one press of Advance runs, 1 to 30</source>
        <translation>Cuántas generaciones ejecuta una pulsación de Avanzar, de 1 a 30</translation>
    </message>
    <message>
        <source>Opens the dialog for the world size, the ants, home, food and the colony&apos;s factors</source>
        <translation>Abre el diálogo del tamaño del mundo, las hormigas, el nido, la comida y los factores de la colonia</translation>
    </message>
    <message>
        <source>Loads the example world: 8 by 8 cells with walls</source>
        <translation>Carga el mundo de ejemplo: 8 por 8 celdas con muros</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Velocidad de animación</translation>
    </message>
    <message>
        <source>How fast the animated ants walk, from 0 (slowest) to 4</source>
        <translation>Rapidez con la que caminan las hormigas animadas, de 0 (la más lenta) a 4</translation>
    </message>
    <message>
        <source>Shortest path this generation</source>
        <translation>Camino más corto de esta generación</translation>
    </message>
    <message>
        <source>Draws the shortest path of the last generation in red from the next step on</source>
        <translation>Dibuja en rojo el camino más corto de la última generación a partir del siguiente paso</translation>
    </message>
    <message>
        <source>Draws the shortest path found since the last reset in black from the next step on</source>
        <translation>Dibuja en negro el camino más corto hallado desde el último reinicio, a partir del siguiente paso</translation>
    </message>
    <message>
        <source>Show pheromone trails</source>
        <translation>Mostrar rastros de feromona</translation>
    </message>
    <message>
        <source>Shades each cell by its pheromone from the next step on</source>
        <translation>Sombrea cada celda según su feromona a partir del siguiente paso</translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation>Mostrar cuadrícula</translation>
    </message>
    <message>
        <source>Draws the cell grid from the next step on</source>
        <translation>Dibuja la cuadrícula de celdas a partir del siguiente paso</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generación</translation>
    </message>
    <message>
        <source>Generations run since the colony was last reset</source>
        <translation>Generaciones ejecutadas desde el último reinicio de la colonia</translation>
    </message>
    <message>
        <source>Ants</source>
        <translation>Hormigas</translation>
    </message>
    <message>
        <source>Number of ants in the colony</source>
        <translation>Número de hormigas de la colonia</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Length in cells of the best path so far; 32000 while none is known</source>
        <translation>Longitud en celdas del mejor camino hasta ahora; 32000 mientras no se conozca ninguno</translation>
    </message>
    <message>
        <source>World size</source>
        <translation>Tamaño del mundo</translation>
    </message>
    <message>
        <source>Cells along each side of the world</source>
        <translation>Celdas por lado del mundo</translation>
    </message>
    <message>
        <source>World</source>
        <translation>Mundo</translation>
    </message>
    <message>
        <source>the best path so far is %1 cells long</source>
        <translation>el mejor camino hasta ahora mide %1 celdas</translation>
    </message>
    <message>
        <source>no path to the food has been found yet</source>
        <translation>aún no se ha encontrado ningún camino a la comida</translation>
    </message>
    <message>
        <source>No ants are animating.</source>
        <translation>No hay hormigas animadas.</translation>
    </message>
    <message>
        <source>1 ant animating.</source>
        <translation>1 hormiga animada.</translation>
    </message>
    <message>
        <source>%1 ants animating.</source>
        <translation>%1 hormigas animadas.</translation>
    </message>
    <message>
        <source>World of %1 by %1 cells, home at column %2 row %3, food at column %4 row %5. Generation %6; %7. %8</source>
        <translation>Mundo de %1 por %1 celdas, nido en la columna %2 fila %3, comida en la columna %4 fila %5. Generación %6; %7. %8</translation>
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
        <translation>Regla</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Sale de la aplicación</translation>
    </message>
    <message>
        <source>&amp;Configure Vormis</source>
        <translation>&amp;Configurar Vormis</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Configure the application</source>
        <translation>Configura la aplicación</translation>
    </message>
    <message>
        <source>About Tab</source>
        <translation>Acerca de Vormis</translation>
    </message>
    <message>
        <source>Show the Application&apos;s About box</source>
        <translation>Muestra la ventana Acerca de de la aplicación</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <source>Show the Qt library&apos;s About box</source>
        <translation>Muestra la ventana Acerca de de la biblioteca Qt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About Vormis</source>
        <translation>Acerca de Vormis</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Vormis %1&lt;/h2&gt;&lt;p&gt;This is a front-end for libtrailnet.&lt;/p&gt;&lt;p&gt;Vormis shows ant-colony optimisation at work: a colony of ants searches a grid world for a short path from home to food, and the window shows the pheromone trails, each generation&apos;s shortest path and the best path found so far.&lt;/p&gt;&lt;p&gt;Vormis is free software under the GNU General Public License, version 3 or later. It runs on Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Vormis %1&lt;/h2&gt;&lt;p&gt;Esta es una interfaz para libtrailnet.&lt;/p&gt;&lt;p&gt;Vormis muestra la optimización por colonias de hormigas en acción: una colonia de hormigas busca en un mundo cuadriculado un camino corto del nido a la comida, y la ventana muestra los rastros de feromona, el camino más corto de cada generación y el mejor camino encontrado hasta ahora.&lt;/p&gt;&lt;p&gt;Vormis es software libre bajo la Licencia Pública General de GNU, versión 3 o posterior. Funciona con Qt %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Compare &amp;Rules…</source>
        <translation>Comparar re&amp;glas…</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Compare two rules side by side on this world, from the same seed</source>
        <translation>Comparar dos reglas lado a lado en este mundo, desde la misma semilla</translation>
    </message>
    <message>
        <source>%1 — food out of reach</source>
        <translation>%1 — comida fuera de alcance</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
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
        <translation>Ant Colony System: con qué frecuencia una hormiga toma directamente el vecino más prometedor, de 0 a 1</translation>
    </message>
    <message>
        <source>x&amp;i: </source>
        <translation>x&amp;i: </translation>
    </message>
    <message>
        <source>Ant Colony System: how far a cell&apos;s pheromone goes back to its start value when an ant enters it, 0 to 1</source>
        <translation>Ant Colony System: cuánto vuelve la feromona de una celda hacia su valor inicial cuando una hormiga entra en ella, de 0 a 1</translation>
    </message>
    <message>
        <source>&amp;elite: </source>
        <translation>&amp;elite: </translation>
    </message>
    <message>
        <source>Elitist Ant System: how many ants&apos; pheromone the best path so far gains in every generation, 0 to 1000</source>
        <translation>Elitist Ant System: la feromona de cuántas hormigas recibe además el mejor camino hasta ahora en cada generación, de 0 a 1000</translation>
    </message>
    <message>
        <source>ran&amp;k: </source>
        <translation>ran&amp;k: </translation>
    </message>
    <message>
        <source>Rank-based Ant System&apos;s w: the w - 1 best ants of a generation add pheromone, 1 to 1000</source>
        <translation>w de Rank-based Ant System: las w - 1 mejores hormigas de una generación depositan feromona, de 1 a 1000</translation>
    </message>
    <message>
        <source>restar&amp;t: </source>
        <translation>restar&amp;t: </translation>
    </message>
    <message>
        <source>MAX-MIN Ant System: generations without a shorter path before the pheromone starts afresh; 0 never, up to 1000000</source>
        <translation>MAX-MIN Ant System: generaciones sin un camino más corto antes de que la feromona empiece de nuevo; 0 nunca, hasta 1000000</translation>
    </message>
    <message>
        <source>Vormis (the window&apos;s own)</source>
        <translation>Vormis (la propia de la ventana)</translation>
    </message>
    <message>
        <source>Routing weights that only grow: an ant at the food adds alpha × pheromone + beta × heuristic to each cell of its path. Only the pheromone evaporates; the colony does not settle.</source>
        <translation>Pesos de ruta que solo crecen: una hormiga que llega a la comida suma alpha × feromona + beta × heurística a cada celda de su camino. Solo se evapora la feromona; la colonia no se estabiliza.</translation>
    </message>
    <message>
        <source>Vormis&apos;s own rule, from no paper.</source>
        <translation>La regla propia de Vormis, sin artículo de origen.</translation>
    </message>
    <message>
        <source>Ant System</source>
        <translation>Ant System</translation>
    </message>
    <message>
        <source>Choice in proportion to pheromone^alpha × heuristic^beta. Each generation all pheromone loses the share ro, and each ant at the food adds 1/L to its path of L cells.</source>
        <translation>Elección proporcional a feromona^alpha × heurística^beta. En cada generación toda la feromona pierde la fracción ro, y cada hormiga que llega a la comida suma 1/L a su camino de L celdas.</translation>
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
        <translation>Con probabilidad q0, directamente la celda más prometedora; si no, como Ant System. Entrar en una celda devuelve su feromona hacia el valor inicial según xi; solo gana el mejor camino hasta ahora.</translation>
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
        <translation>Como Ant System, pero solo la mejor hormiga de la generación deposita feromona, que se mantiene entre dos límites; tras restart generaciones sin un camino más corto, empieza de nuevo.</translation>
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
        <translation>Ant System en el que el mejor camino hasta ahora recibe en cada generación tanta feromona adicional como le darían elite hormigas más.</translation>
    </message>
    <message>
        <source>The elitist strategy of Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B 26(1):29–41, 1996.</source>
        <translation>La estrategia elitista de Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B 26(1):29–41, 1996.</translation>
    </message>
    <message>
        <source>Rank-based Ant System</source>
        <translation>Rank-based Ant System</translation>
    </message>
    <message>
        <source>Only the rank - 1 best ants of the generation add pheromone, the better ranked the more, and the best path so far as much as rank ants.</source>
        <translation>Solo las rank - 1 mejores hormigas de la generación depositan feromona, más cuanto mejor clasificadas, y el mejor camino hasta ahora tanto como rank hormigas.</translation>
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
        <translation>El mejor camino hasta ahora gana feromona, el camino más largo de la generación pierde más, la feromona muta y la colonia empieza de nuevo una vez que ha convergido.</translation>
    </message>
    <message>
        <source>Cordón, Fernández de Viana, Herrera, Proceedings of ANTS 2000, Brussels, 2000.</source>
        <translation>Cordón, Fernández de Viana, Herrera, Proceedings of ANTS 2000, Bruselas, 2000.</translation>
    </message>
    <message>
        <source>&amp;Rule: </source>
        <translation>&amp;Regla: </translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>How the ants choose their next cell and how the pheromone changes</source>
        <translation>Cómo eligen las hormigas su siguiente celda y cómo cambia la feromona</translation>
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
        <translation>Regla</translation>
    </message>
    <message>
        <source>&amp;New seed at every start</source>
        <translation>&amp;Nueva semilla en cada inicio</translation>
    </message>
    <message>
        <source>Each start of the colony draws other random numbers</source>
        <translation>Cada inicio de la colonia sortea otros números aleatorios</translation>
    </message>
    <message>
        <source>&amp;Same seed at every start: </source>
        <translation>&amp;Misma semilla en cada inicio: </translation>
    </message>
    <message>
        <source>Each start of the colony repeats the same generations, as vormis-run does with the same --seed</source>
        <translation>Cada inicio de la colonia repite las mismas generaciones, como vormis-run con el mismo --seed</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>The seed every start takes, 0 to 4294967295</source>
        <translation>La semilla que toma cada inicio, de 0 a 4294967295</translation>
    </message>
</context>
<context>
    <name>SimulationMenu</name>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulación</translation>
    </message>
    <message>
        <source>&amp;Advance</source>
        <translation>&amp;Avanzar</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>Ejecución &amp;continua</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Advance again and again until Run is unchecked</source>
        <translation>Avanza una y otra vez hasta que se desmarque Ejecución continua</translation>
    </message>
    <message>
        <source>Start &amp;Animation</source>
        <translation>&amp;Iniciar animación</translation>
    </message>
    <message>
        <source>S&amp;top Animation</source>
        <translation>&amp;Detener animación</translation>
    </message>
</context>
<context>
    <name>ViewZoom</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
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
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Fit World to Window</source>
        <translation>A&amp;justar el mundo a la ventana</translation>
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
        <translation>Dibujar muros</translation>
    </message>
    <message>
        <source>Erase Walls</source>
        <translation>Borrar muros</translation>
    </message>
    <message>
        <source>Move Home</source>
        <translation>Mover el nido</translation>
    </message>
    <message>
        <source>Move Food</source>
        <translation>Mover la comida</translation>
    </message>
</context>
<context>
    <name>WorldFiles</name>
    <message>
        <source>&amp;Open World…</source>
        <translation>&amp;Abrir mundo…</translation>
    </message>
    <message>
        <source>Open a world file: its size, home, food and walls</source>
        <translation>Abrir un archivo de mundo: su tamaño, nido, comida y muros</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save World</source>
        <translation>&amp;Guardar mundo</translation>
    </message>
    <message>
        <source>Save the world to its file, or ask for one</source>
        <translation>Guardar el mundo en su archivo, o pedir uno</translation>
    </message>
    <message>
        <source>Save World &amp;As…</source>
        <translation>Guardar mundo &amp;como…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Save the world to a file of your choice</source>
        <translation>Guardar el mundo en un archivo de su elección</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>&amp;Exportar imagen…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Save the world as shown as a PNG picture</source>
        <translation>Guardar el mundo tal como se ve como imagen PNG</translation>
    </message>
    <message>
        <source>Unsaved Edits</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>The world has edits that are not saved. Save them?</source>
        <translation>El mundo tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>Open World</source>
        <translation>Abrir mundo</translation>
    </message>
    <message>
        <source>%1: a %2x%2 world; the window shows 3 to %3 cells a side, vormis-run takes larger worlds</source>
        <translation>%1: un mundo de %2x%2; la ventana muestra de 3 a %3 celdas de lado, vormis-run admite mundos mayores</translation>
    </message>
    <message>
        <source>World files (*.txt);;All files (*)</source>
        <translation>Archivos de mundo (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save World As</source>
        <translation>Guardar mundo como</translation>
    </message>
    <message>
        <source>Save World</source>
        <translation>Guardar mundo</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>%1: the picture could not be made</source>
        <translation>%1: no se pudo crear la imagen</translation>
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
        <translation>mundo</translation>
    </message>
</context>
</TS>
