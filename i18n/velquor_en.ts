<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>velquor</name>
    <message>
        <source>Iterar</source>
        <translation>Iterate</translation>
    </message>
    <message>
        <source>Predictor</source>
        <translation>Predictor</translation>
    </message>
    <message>
        <source>Buscar</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Potencial</source>
        <translation>Potential</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Estados</source>
        <translation>&amp;States</translation>
    </message>
    <message>
        <source>&amp;Pesos</source>
        <translation>&amp;Weights</translation>
    </message>
    <message>
        <source>&amp;Fases</source>
        <translation>&amp;Phase</translation>
    </message>
    <message>
        <source>&amp;Aplicar</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;Velocidad</source>
        <translation>Spee&amp;d</translation>
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
        <translation>Harmonic oscillator</translation>
    </message>
    <message>
        <source>Pozo Finito</source>
        <translation>Finite well</translation>
    </message>
    <message>
        <source>par</source>
        <translation>even</translation>
    </message>
    <message>
        <source>impar</source>
        <translation>odd</translation>
    </message>
    <message>
        <source>Paridad</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Nodos</source>
        <translation>Nodes</translation>
    </message>
    <message>
        <source>Disparo</source>
        <translation>Shooting</translation>
    </message>
    <message>
        <source>Preciso</source>
        <translation>Accurate</translation>
    </message>
    <message>
        <source>Diferencia</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Error estimado</source>
        <translation>Estimated error</translation>
    </message>
    <message>
        <source>Exacto</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Ningun nivel por debajo de E = %1</source>
        <translation>No level below E = %1</translation>
    </message>
    <message>
        <source>Infinitos estados ligados por debajo del continuo en E = %1</source>
        <translation>Infinitely many bound states below the continuum at E = %1</translation>
    </message>
    <message>
        <source>%1 estado ligado por debajo del continuo en E = %2</source>
        <translation>%1 bound state below the continuum at E = %2</translation>
    </message>
    <message>
        <source>%1 estados ligados por debajo del continuo en E = %2</source>
        <translation>%1 bound states below the continuum at E = %2</translation>
    </message>
    <message>
        <source>Ajustes...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Niveles</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Evolucion</source>
        <translation>Evolution</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sin niveles</source>
        <translation>No levels</translation>
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
        <translation>V-shaped potential</translation>
    </message>
    <message>
        <source>Pozos multiples</source>
        <translation>Multiple wells</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Ajustes: %1</source>
        <translation>Settings: %1</translation>
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
        <translation>left %1   right %2</translation>
    </message>
    <message>
        <source>Paquete</source>
        <translation>Packet</translation>
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
        <translation>&amp;From</translation>
    </message>
    <message>
        <source>&amp;Hasta</source>
        <translation>&amp;To</translation>
    </message>
    <message>
        <source>&amp;E</source>
        <translation>&amp;E</translation>
    </message>
    <message>
        <source>Transmision</source>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>Enter a range from above the lower limit of V to a larger energy.</source>
        <translation>Enter a range from above the lower limit of V to a larger energy.</translation>
    </message>
    <message>
        <source>Resonancias: %1</source>
        <translation>Resonances: %1</translation>
    </message>
    <message>
        <source>ninguna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Sin continuo: %1</source>
        <translation>No continuum: %1</translation>
    </message>
    <message>
        <source>Trial energy</source>
        <translation>Trial energy</translation>
    </message>
    <message>
        <source>The energy at which Predictor draws the solution: a number.</source>
        <translation>The energy at which Predictor draws the solution: a number.</translation>
    </message>
    <message>
        <source>Draws the even solution at the trial energy over the potential.</source>
        <translation>Draws the even solution at the trial energy over the potential.</translation>
    </message>
    <message>
        <source>One step of the level search.</source>
        <translation>One step of the level search.</translation>
    </message>
    <message>
        <source>Runs the search until the next level is found, and records it.</source>
        <translation>Runs the search until the next level is found, and records it.</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Views</translation>
    </message>
    <message>
        <source>Normal, Zoom, the table of levels and the evolution in time.</source>
        <translation>Normal, Zoom, the table of levels and the evolution in time.</translation>
    </message>
    <message>
        <source>Chooses the potential; choosing one clears the levels found.</source>
        <translation>Chooses the potential; choosing one clears the levels found.</translation>
    </message>
    <message>
        <source>Opens an article on the shooting method in the browser.</source>
        <translation>Opens an article on the shooting method in the browser.</translation>
    </message>
    <message>
        <source>The chosen potential&apos;s settings, or the formula V(x).</source>
        <translation>The chosen potential&apos;s settings, or the formula V(x).</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Why the search cannot take the chosen potential, if it cannot.</source>
        <translation>Why the search cannot take the chosen potential, if it cannot.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>The potential, the solutions and the levels found.</source>
        <translation>The potential, the solutions and the levels found.</translation>
    </message>
    <message>
        <source>Estados</source>
        <translation>States</translation>
    </message>
    <message>
        <source>The levels to superpose, by index from 0, such as 0, 1.</source>
        <translation>The levels to superpose, by index from 0, such as 0, 1.</translation>
    </message>
    <message>
        <source>Pesos</source>
        <translation>Weights</translation>
    </message>
    <message>
        <source>One weight per level, not all zero.</source>
        <translation>One weight per level, not all zero.</translation>
    </message>
    <message>
        <source>Fases</source>
        <translation>Phases</translation>
    </message>
    <message>
        <source>One phase per level, in radians.</source>
        <translation>One phase per level, in radians.</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Takes the levels, weights, phases, speed and time typed.</source>
        <translation>Takes the levels, weights, phases, speed and time typed.</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Play or pause</translation>
    </message>
    <message>
        <source>Starts or stops the motion.</source>
        <translation>Starts or stops the motion.</translation>
    </message>
    <message>
        <source>t = 0</source>
        <translation>t = 0</translation>
    </message>
    <message>
        <source>Goes back to the start, t = 0.</source>
        <translation>Goes back to the start, t = 0.</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Time units a second, from 0 to 100.</source>
        <translation>Time units a second, from 0 to 100.</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>The time shown; type one and apply to jump there.</source>
        <translation>The time shown; type one and apply to jump there.</translation>
    </message>
    <message>
        <source>Mean energy</source>
        <translation>Mean energy</translation>
    </message>
    <message>
        <source>The state&apos;s mean energy, or why nothing moves.</source>
        <translation>The state&apos;s mean energy, or why nothing moves.</translation>
    </message>
    <message>
        <source>Oscilador</source>
        <translation>Oscillator</translation>
    </message>
    <message>
        <source>%1, level %2 of %3: E = %4, %5 nodes, %6</source>
        <translation>%1, level %2 of %3: E = %4, %5 nodes, %6</translation>
    </message>
    <message>
        <source>%1, trial energy E = %2</source>
        <translation>%1, trial energy E = %2</translation>
    </message>
    <message>
        <source>%1: no level found yet</source>
        <translation>%1: no level found yet</translation>
    </message>
    <message>
        <source>%1: table of %2 levels</source>
        <translation>%1: table of %2 levels</translation>
    </message>
    <message>
        <source>%1, superposition of levels %2 at t = %3</source>
        <translation>%1, superposition of levels %2 at t = %3</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Copies the address of what the page shows: a scenario in the link.</source>
        <translation>Copies the address of what the page shows: a scenario in the link.</translation>
    </message>
    <message>
        <source>The scenario was not opened: %1.</source>
        <translation>The scenario was not opened: %1.</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Window menu</translation>
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
        <translation>&amp;Split</translation>
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
