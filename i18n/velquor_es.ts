<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="es">
<context>
    <name>velquor</name>
    <message>
        <source>Iterar</source>
        <translation>Iterar</translation>
    </message>
    <message>
        <source>Predictor</source>
        <translation>Predictor</translation>
    </message>
    <message>
        <source>Buscar</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Potencial</source>
        <translation>Potencial</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Estados</source>
        <translation>&amp;Estados</translation>
    </message>
    <message>
        <source>&amp;Pesos</source>
        <translation>&amp;Pesos</translation>
    </message>
    <message>
        <source>&amp;Fases</source>
        <translation>&amp;Fases</translation>
    </message>
    <message>
        <source>&amp;Aplicar</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>&amp;Velocidad</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Woods-Saxon</source>
        <translation>Woods-Saxon</translation>
    </message>
    <message>
        <source>Oscilador armonico</source>
        <translation>Oscilador armonico</translation>
    </message>
    <message>
        <source>Pozo Finito</source>
        <translation>Pozo Finito</translation>
    </message>
    <message>
        <source>par</source>
        <translation>par</translation>
    </message>
    <message>
        <source>impar</source>
        <translation>impar</translation>
    </message>
    <message>
        <source>Paridad</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Nodos</source>
        <translation>Nodos</translation>
    </message>
    <message>
        <source>Disparo</source>
        <translation>Disparo</translation>
    </message>
    <message>
        <source>Preciso</source>
        <translation>Preciso</translation>
    </message>
    <message>
        <source>Diferencia</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Error estimado</source>
        <translation>Error estimado</translation>
    </message>
    <message>
        <source>Exacto</source>
        <translation>Exacto</translation>
    </message>
    <message>
        <source>Ningun nivel por debajo de E = %1</source>
        <translation>Ningun nivel por debajo de E = %1</translation>
    </message>
    <message>
        <source>Infinitos estados ligados por debajo del continuo en E = %1</source>
        <translation>Infinitos estados ligados por debajo del continuo en E = %1</translation>
    </message>
    <message>
        <source>%1 estado ligado por debajo del continuo en E = %2</source>
        <translation>%1 estado ligado por debajo del continuo en E = %2</translation>
    </message>
    <message>
        <source>%1 estados ligados por debajo del continuo en E = %2</source>
        <translation>%1 estados ligados por debajo del continuo en E = %2</translation>
    </message>
    <message>
        <source>Ajustes...</source>
        <translation>Ajustes...</translation>
    </message>
    <message>
        <source>Niveles</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Evolucion</source>
        <translation>Evolucion</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Sin niveles</source>
        <translation>Sin niveles</translation>
    </message>
    <message>
        <source>Enter a speed between 0 and 100.</source>
        <translation>Enter a speed between 0 and 100.</translation>
    </message>
    <message>
        <source>Enter a time that is not negative.</source>
        <translation>Enter a time that is not negative.</translation>
    </message>
    <message>
        <source>&amp;About velquor...</source>
        <translation>&amp;About velquor...</translation>
    </message>
    <message>
        <source>About velquor</source>
        <translation>About velquor</translation>
    </message>
    <message>
        <source>Bound states by the shooting method</source>
        <translation>Bound states by the shooting method</translation>
    </message>
    <message>
        <source>Shooting method (web)</source>
        <translation>Shooting method (web)</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Enter a positive integer.</translation>
    </message>
    <message>
        <source>Enter an integer between 1 and 100.</source>
        <translation>Enter an integer between 1 and 100.</translation>
    </message>
    <message>
        <source>Poschl-Teller</source>
        <translation>Poschl-Teller</translation>
    </message>
    <message>
        <source>Potencial en V</source>
        <translation>Potencial en V</translation>
    </message>
    <message>
        <source>Pozos multiples</source>
        <translation>Pozos multiples</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Ajustes: %1</source>
        <translation>Ajustes: %1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Copy levels</source>
        <translation>Copy levels</translation>
    </message>
    <message>
        <source>Open scenario…</source>
        <translation>Open scenario…</translation>
    </message>
    <message>
        <source>Save scenario…</source>
        <translation>Save scenario…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved to %1: %2.</source>
        <translation>The picture was not saved to %1: %2.</translation>
    </message>
    <message>
        <source>Save scenario</source>
        <translation>Save scenario</translation>
    </message>
    <message>
        <source>Open scenario</source>
        <translation>Open scenario</translation>
    </message>
    <message>
        <source>Scenarios (*.json)</source>
        <translation>Scenarios (*.json)</translation>
    </message>
    <message>
        <source>The scenario %1 was not opened: %2.</source>
        <translation>The scenario %1 was not opened: %2.</translation>
    </message>
    <message>
        <source>The scenario was not saved to %1: %2.</source>
        <translation>The scenario was not saved to %1: %2.</translation>
    </message>
    <message>
        <source>izq. %1   der. %2</source>
        <translation>izq. %1   der. %2</translation>
    </message>
    <message>
        <source>Paquete</source>
        <translation>Paquete</translation>
    </message>
    <message>
        <source>Enter a speed between 0 and 20.</source>
        <translation>Enter a speed between 0 and 20.</translation>
    </message>
    <message>
        <source>Enter a time between 0 and 1000.</source>
        <translation>Enter a time between 0 and 1000.</translation>
    </message>
    <message>
        <source>V(x) is not even: shot from both ends, matched at V&apos;s minimum (cyan).</source>
        <translation>V(x) is not even: shot from both ends, matched at V&apos;s minimum (cyan).</translation>
    </message>
    <message>
        <source>&amp;Desde</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>&amp;Hasta</source>
        <translation>&amp;Hasta</translation>
    </message>
    <message>
        <source>&amp;E</source>
        <translation>&amp;E</translation>
    </message>
    <message>
        <source>Transmision</source>
        <translation>Transmision</translation>
    </message>
    <message>
        <source>Enter a range from above the lower limit of V to a larger energy.</source>
        <translation>Enter a range from above the lower limit of V to a larger energy.</translation>
    </message>
    <message>
        <source>Resonancias: %1</source>
        <translation>Resonancias: %1</translation>
    </message>
    <message>
        <source>ninguna</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Sin continuo: %1</source>
        <translation>Sin continuo: %1</translation>
    </message>
    <message>
        <source>Trial energy</source>
        <translation>Energia de prueba</translation>
    </message>
    <message>
        <source>The energy at which Predictor draws the solution: a number.</source>
        <translation>La energia a la que Predictor dibuja la solucion: un numero.</translation>
    </message>
    <message>
        <source>Draws the even solution at the trial energy over the potential.</source>
        <translation>Dibuja la solucion par a la energia de prueba sobre el potencial.</translation>
    </message>
    <message>
        <source>One step of the level search.</source>
        <translation>Un paso de la busqueda de niveles.</translation>
    </message>
    <message>
        <source>Runs the search until the next level is found, and records it.</source>
        <translation>Busca hasta encontrar el nivel siguiente, y lo anota.</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Vistas</translation>
    </message>
    <message>
        <source>Normal, Zoom, the table of levels and the evolution in time.</source>
        <translation>Normal, Zoom, la tabla de niveles y la evolucion en el tiempo.</translation>
    </message>
    <message>
        <source>Chooses the potential; choosing one clears the levels found.</source>
        <translation>Elige el potencial; elegir uno borra los niveles encontrados.</translation>
    </message>
    <message>
        <source>Opens an article on the shooting method in the browser.</source>
        <translation>Abre un articulo sobre el metodo de disparo en el navegador.</translation>
    </message>
    <message>
        <source>The chosen potential&apos;s settings, or the formula V(x).</source>
        <translation>Los ajustes del potencial elegido, o la formula V(x).</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Why the search cannot take the chosen potential, if it cannot.</source>
        <translation>Por que la busqueda no puede tomar el potencial elegido, si no puede.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>The potential, the solutions and the levels found.</source>
        <translation>El potencial, las soluciones y los niveles encontrados.</translation>
    </message>
    <message>
        <source>Estados</source>
        <translation>Estados</translation>
    </message>
    <message>
        <source>The levels to superpose, by index from 0, such as 0, 1.</source>
        <translation>Los niveles a superponer, por indice desde 0, como 0, 1.</translation>
    </message>
    <message>
        <source>Pesos</source>
        <translation>Pesos</translation>
    </message>
    <message>
        <source>One weight per level, not all zero.</source>
        <translation>Un peso por nivel, no todos cero.</translation>
    </message>
    <message>
        <source>Fases</source>
        <translation>Fases</translation>
    </message>
    <message>
        <source>One phase per level, in radians.</source>
        <translation>Una fase por nivel, en radianes.</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Takes the levels, weights, phases, speed and time typed.</source>
        <translation>Toma los niveles, pesos, fases, velocidad y tiempo escritos.</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Play o pausa</translation>
    </message>
    <message>
        <source>Starts or stops the motion.</source>
        <translation>Pone en marcha o detiene el movimiento.</translation>
    </message>
    <message>
        <source>t = 0</source>
        <translation>t = 0</translation>
    </message>
    <message>
        <source>Goes back to the start, t = 0.</source>
        <translation>Vuelve al comienzo, t = 0.</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Time units a second, from 0 to 100.</source>
        <translation>Unidades de tiempo por segundo, de 0 a 100.</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>The time shown; type one and apply to jump there.</source>
        <translation>El tiempo mostrado; escriba uno y aplique para saltar alli.</translation>
    </message>
    <message>
        <source>Mean energy</source>
        <translation>Energia media</translation>
    </message>
    <message>
        <source>The state&apos;s mean energy, or why nothing moves.</source>
        <translation>La energia media del estado, o por que nada se mueve.</translation>
    </message>
    <message>
        <source>Oscilador</source>
        <translation>Oscilador</translation>
    </message>
    <message>
        <source>%1, level %2 of %3: E = %4, %5 nodes, %6</source>
        <translation>%1, nivel %2 de %3: E = %4, %5 nodos, %6</translation>
    </message>
    <message>
        <source>%1, trial energy E = %2</source>
        <translation>%1, energia de prueba E = %2</translation>
    </message>
    <message>
        <source>%1: no level found yet</source>
        <translation>%1: ningun nivel encontrado todavia</translation>
    </message>
    <message>
        <source>%1: table of %2 levels</source>
        <translation>%1: tabla de %2 niveles</translation>
    </message>
    <message>
        <source>%1, superposition of levels %2 at t = %3</source>
        <translation>%1, superposicion de los niveles %2 en t = %3</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Copies the address of what the page shows: a scenario in the link.</source>
        <translation>Copia la direccion de lo que muestra la pagina: un escenario en el enlace.</translation>
    </message>
    <message>
        <source>The scenario was not opened: %1.</source>
        <translation>El escenario no se abrio: %1.</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu de la ventana</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;x0</source>
        <translation>&amp;x0</translation>
    </message>
    <message>
        <source>&amp;k0</source>
        <translation>&amp;k0</translation>
    </message>
    <message>
        <source>&amp;sigma</source>
        <translation>&amp;sigma</translation>
    </message>
    <message>
        <source>&amp;Corte</source>
        <translation>&amp;Corte</translation>
    </message>
    <message>
        <source>t = &amp;0</source>
        <translation>t = &amp;0</translation>
    </message>
    <message>
        <source>&amp;t</source>
        <translation>&amp;t</translation>
    </message>
</context>
</TS>
