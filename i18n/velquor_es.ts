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
