<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Introduction:</source>
        <translation>Introducción:</translation>
    </message>
    <message>
        <source>This software allows the user to calculate the heat load of a refrigeration</source>
        <translation>Este programa permite al usuario calcular la carga térmica de un sistema</translation>
    </message>
    <message>
        <source>system and specifies the appropriate compressor capacity.</source>
        <translation>de refrigeración e indica la capacidad adecuada del compresor.</translation>
    </message>
    <message>
        <source>Installation and requirements:</source>
        <translation>Instalación y requisitos:</translation>
    </message>
    <message>
        <source>This software is installed with its Debian package, dorarive</source>
        <translation>El programa se instala con su paquete Debian, dorarive</translation>
    </message>
    <message>
        <source>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), which puts dorarive and</source>
        <translation>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), que instala dorarive y</translation>
    </message>
    <message>
        <source>dorarive-calc in /usr/bin and Nordavik Kaldora in the desktop menu;</source>
        <translation>dorarive-calc en /usr/bin y Nordavik Kaldora en el menú del escritorio;</translation>
    </message>
    <message>
        <source>apt-get remove dorarive takes it off. De-installation removes the software again,</source>
        <translation>apt-get remove dorarive lo desinstala. La desinstalación elimina el programa</translation>
    </message>
    <message>
        <source>completely, and very accurate, according to our experience.</source>
        <translation>por completo y de forma muy limpia, según nuestra experiencia.</translation>
    </message>
    <message>
        <source>The inputs are kept between runs in</source>
        <translation>Los datos se conservan entre sesiones en</translation>
    </message>
    <message>
        <source>~/.config/Nordavik Frimo 042/dorarive.conf; a calculation can be kept in</source>
        <translation>~/.config/Nordavik Frimo 042/dorarive.conf; un cálculo puede guardarse en</translation>
    </message>
    <message>
        <source>a file of its own, NAME.kaldora (Open Ctrl-O, Save Ctrl-S).</source>
        <translation>un archivo propio, NOMBRE.kaldora (Abrir Ctrl-O, Guardar Ctrl-S).</translation>
    </message>
    <message>
        <source>Keys F1 Help, Ctrl-P Print, Alt-U Units, Alt-S Product Selection,</source>
        <translation>Teclas F1 Ayuda, Ctrl-P Imprimir, Alt-U Unidades, Alt-S Selección de</translation>
    </message>
    <message>
        <source>F10 or a right-click on the window every command.</source>
        <translation>productos; F10 o clic derecho, todas las órdenes.</translation>
    </message>
    <message>
        <source>System requirements:</source>
        <translation>Requisitos del sistema:</translation>
    </message>
    <message>
        <source>Min. screen height 768 pixels.</source>
        <translation>Alto mín. de pantalla 768 píxeles.</translation>
    </message>
    <message>
        <source>A 64-bit PC (amd64)</source>
        <translation>PC de 64 bits (amd64)</translation>
    </message>
    <message>
        <source>32 MB RAM min., 64 MB recommended</source>
        <translation>32 MB de RAM mín., 64 MB recomendados</translation>
    </message>
    <message>
        <source>15 MB harddisk space</source>
        <translation>15 MB de espacio en disco</translation>
    </message>
    <message>
        <source>Debian 12 or a compatible Linux, on a GNOME, KDE Plasma or other</source>
        <translation>Debian 12 o un Linux compatible, en un escritorio GNOME, KDE Plasma</translation>
    </message>
    <message>
        <source>X11 or Wayland desktop</source>
        <translation>u otro de X11 o Wayland</translation>
    </message>
    <message>
        <source>Disclaimer:

Nordavik can accept no responsibility for possible errors in this program. Nordavik reserves the right to alter its products without notice. All trademarks in this material are property of the respective companies.

</source>
        <translation>Aviso legal:

Nordavik no asume ninguna responsabilidad por posibles errores en este programa. Nordavik se reserva el derecho de modificar sus productos sin previo aviso. Todas las marcas comerciales mencionadas en este material son propiedad de sus respectivas empresas.

</translation>
    </message>
    <message>
        <source>Help Info</source>
        <translation>Información de ayuda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Aviso legal</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Energy</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Btu/hr</source>
        <translation>Btu/hr</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>ºC</source>
        <translation>ºC</translation>
    </message>
    <message>
        <source>ºF</source>
        <translation>ºF</translation>
    </message>
    <message>
        <source>k Value</source>
        <translation>Valor k</translation>
    </message>
    <message>
        <source>W/m·K</source>
        <translation>W/m·K</translation>
    </message>
    <message>
        <source>BTU/h·ft·°F</source>
        <translation>BTU/h·ft·°F</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litros</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>pies cúbicos</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>kilogramos</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>libras</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
</context>
<context>
    <name>CalcArguments</name>
    <message>
        <source>expected NAME=VALUE, got &apos;%1&apos;</source>
        <translation>se esperaba NAME=VALUE, recibido: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes 0 or 1</source>
        <translation>&apos;%1&apos;: %2 admite 0 o 1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes a whole row number</source>
        <translation>&apos;%1&apos;: %2 admite un número de fila entero</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes a number such as 455.55 or -7</source>
        <translation>&apos;%1&apos;: %2 admite un número como 455.55 o -7</translation>
    </message>
    <message>
        <source>unknown input name in &apos;%1&apos;</source>
        <translation>nombre de dato desconocido en &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CalcBatch</name>
    <message>
        <source>no value of %1 from %2 to %3 gives %4</source>
        <translation>ningún valor de %1 entre %2 y %3 da %4</translation>
    </message>
</context>
<context>
    <name>CalcFile</name>
    <message>
        <source>a list</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot;</source>
        <translation>miembro desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not a calculation file: it has no &quot;format&quot; member</source>
        <translation>no es un archivo de cálculo: falta el miembro &quot;format&quot;</translation>
    </message>
    <message>
        <source>not a calculation file: its format is %1, not &quot;%2&quot;</source>
        <translation>no es un archivo de cálculo: su formato es %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>it has no &quot;version&quot; member</source>
        <translation>falta el miembro &quot;version&quot;</translation>
    </message>
    <message>
        <source>version %1 is not known: this program reads version %2</source>
        <translation>versión %1 desconocida: este programa lee la versión %2</translation>
    </message>
    <message>
        <source>&quot;units&quot; is not an object, got %1</source>
        <translation>&quot;units&quot; no es un objeto, recibido: %1</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot; in &quot;units&quot;</source>
        <translation>miembro desconocido &quot;%1&quot; en &quot;units&quot;</translation>
    </message>
    <message>
        <source>&quot;inputs&quot; is not an object, got %1</source>
        <translation>&quot;inputs&quot; no es un objeto, recibido: %1</translation>
    </message>
    <message>
        <source>%1 takes 0 or 1, got %2</source>
        <translation>%1 admite 0 o 1, recibido: %2</translation>
    </message>
    <message>
        <source>%1 takes a number such as 455.55 or -7, got %2</source>
        <translation>%1 admite un número como 455.55 o -7, recibido: %2</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot; in &quot;inputs&quot;</source>
        <translation>miembro desconocido &quot;%1&quot; en &quot;inputs&quot;</translation>
    </message>
    <message>
        <source>%1 takes a whole row number, got %2</source>
        <translation>%1 admite un número de fila entero, recibido: %2</translation>
    </message>
    <message>
        <source>%1 %2 is not a row of its table (0 to %3)</source>
        <translation>%1 %2 no es una fila de su tabla (de 0 a %3)</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON no válido: %1</translation>
    </message>
    <message>
        <source>not a calculation file: the document is not a JSON object</source>
        <translation>no es un archivo de cálculo: el documento no es un objeto JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1: too large for a calculation file (over 1 MiB)</source>
        <translation>%1: demasiado grande para un archivo de cálculo (más de 1 MiB)</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: línea %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: no se puede escribir: %2</translation>
    </message>
</context>
<context>
    <name>CalcFileCommands</name>
    <message>
        <source>The calculation in the window is unchanged.</source>
        <translation>El cálculo de la ventana no se ha modificado.</translation>
    </message>
    <message>
        <source>The calculation was not saved; an existing file is left as it was.</source>
        <translation>El cálculo no se ha guardado; el archivo existente no se ha modificado.</translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation>Guardar cálculo</translation>
    </message>
    <message>
        <source>Open Calculation</source>
        <translation>Abrir cálculo</translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation>Cálculos (*.%1)</translation>
    </message>
</context>
<context>
    <name>CalcOptions</name>
    <message>
        <source>Calculates the heat load and the compressor capacity of a refrigerated cabinet.
Starts from the first-run inputs (or, with --stored, the inputs the window stored, or with
--open, a calculation file), sets NAME=VALUE inputs (unit choices first, then selections and
options, then numbers) and prints the report. Several --open files or a --sweep make one
calculation each; two --sweep options make a grid. --seek NAME RESULT=VALUE finds the value of
NAME that gives RESULT (a member of the JSON results) the VALUE, and prints that calculation.
Exit status: 0 calculated, 1 stopped at an input check or no value found, 2 usage or file error.</source>
        <translation>Calcula la carga térmica y la capacidad requerida del compresor de un mueble frigorífico.
Parte de los datos del primer inicio (o, con --stored, de los datos guardados por la ventana,
o, con --open, de un archivo de cálculo), asigna los datos NAME=VALUE (primero las unidades,
luego las selecciones y opciones, luego los números) y muestra el informe. Varios archivos
--open o un --sweep dan un cálculo cada uno; dos opciones --sweep dan una cuadrícula.
--seek NAME RESULT=VALUE busca el valor de NAME con el que RESULT (un miembro de los resultados
JSON) toma el valor VALUE, y muestra ese cálculo.
Estado de salida: 0 calculado, 1 detenido en una comprobación de datos o sin valor encontrado, 2 error de uso o de archivo.</translation>
    </message>
    <message>
        <source>Start from the inputs the window stored.</source>
        <translation>Partir de los datos guardados por la ventana.</translation>
    </message>
    <message>
        <source>Print one JSON object instead of the report.</source>
        <translation>Mostrar un objeto JSON en lugar del informe.</translation>
    </message>
    <message>
        <source>Print a table: a header row, then one row per calculation.</source>
        <translation>Mostrar una tabla: una fila de encabezado y luego una fila por cálculo.</translation>
    </message>
    <message>
        <source>Start from a calculation file (repeat it for several files).</source>
        <translation>Partir de un archivo de cálculo (repítalo para varios archivos).</translation>
    </message>
    <message>
        <source>Write the inputs to a calculation file.</source>
        <translation>Escribir los datos en un archivo de cálculo.</translation>
    </message>
    <message>
        <source>Calculate once for each value of a number input, e.g. iDepth=300:600:50 (at most 10000 values); twice for a grid (at most 100000 rows).</source>
        <translation>Calcular una vez por cada valor de un dato numérico, p. ej. iDepth=300:600:50 (10000 valores como máximo); dos veces para una cuadrícula (100000 filas como máximo).</translation>
    </message>
    <message>
        <source>Find the value of a number input within its permitted range that gives a result, e.g. --seek iInsulation requestedCapacity=60.</source>
        <translation>Buscar, dentro de su intervalo permitido, el valor de un dato numérico que da un resultado, p. ej. --seek iInsulation requestedCapacity=60.</translation>
    </message>
    <message>
        <source>An input, e.g. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.</source>
        <translation>Un dato, p. ej. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.</translation>
    </message>
    <message>
        <source>--sweep: %1 twice</source>
        <translation>--sweep: %1 indicado dos veces</translation>
    </message>
    <message>
        <source>--sweep: at most %1 rows, got %2</source>
        <translation>--sweep: %1 filas como máximo, solicitadas: %2</translation>
    </message>
    <message>
        <source>--seek: %1 is no number input</source>
        <translation>--seek: %1 no es un dato numérico</translation>
    </message>
    <message>
        <source>--seek %1 needs RESULT=VALUE, e.g. requestedCapacity=60</source>
        <translation>--seek %1 necesita RESULT=VALUE, p. ej. requestedCapacity=60</translation>
    </message>
    <message>
        <source>--seek: %1 takes a number such as 60 or -7.5, got &quot;%2&quot;</source>
        <translation>--seek: %1 admite un número como 60 o -7.5, recibido: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--json and --csv: choose one output</source>
        <translation>--json y --csv: elija una sola salida</translation>
    </message>
    <message>
        <source>--open and --stored: choose where to start</source>
        <translation>--open y --stored: elija un solo punto de partida</translation>
    </message>
    <message>
        <source>--sweep: at most two inputs, for a grid</source>
        <translation>--sweep: dos datos como máximo, para una cuadrícula</translation>
    </message>
    <message>
        <source>--seek: one input at a time</source>
        <translation>--seek: un solo dato a la vez</translation>
    </message>
    <message>
        <source>--seek and --sweep: choose one</source>
        <translation>--seek y --sweep: elija uno de los dos</translation>
    </message>
    <message>
        <source>--save: one file name</source>
        <translation>--save: un solo nombre de archivo</translation>
    </message>
    <message>
        <source>--save writes one calculation, not several --open files, a --sweep or a --seek</source>
        <translation>--save escribe un solo cálculo, no varios archivos --open, ni un --sweep ni un --seek</translation>
    </message>
</context>
<context>
    <name>ChangeGuard</name>
    <message>
        <source>Save changes to the current calculation?</source>
        <translation>¿Guardar los cambios del cálculo actual?</translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1.</source>
        <translation>No se han podido guardar los datos de entrada en %1.</translation>
    </message>
    <message>
        <source>Save them as a calculation file before closing?</source>
        <translation>¿Guardarlos como archivo de cálculo antes de cerrar?</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Sweep chart</source>
        <translation>Gráfico de barrido</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>No se ha podido escribir la imagen.</translation>
    </message>
</context>
<context>
    <name>Checks</name>
    <message>
        <source>Invalid cabinet depth.</source>
        <translation>Profundidad del mueble no válida.</translation>
    </message>
    <message>
        <source>Invalid cabinet width.</source>
        <translation>Anchura del mueble no válida.</translation>
    </message>
    <message>
        <source>Invalid cabinet height.</source>
        <translation>Altura del mueble no válida.</translation>
    </message>
    <message>
        <source>Invalid door width.</source>
        <translation>Anchura de la puerta no válida.</translation>
    </message>
    <message>
        <source>Invalid door height.</source>
        <translation>Altura de la puerta no válida.</translation>
    </message>
    <message>
        <source>Start temp less than end temp.</source>
        <translation>Temp. inicial menor que la final.</translation>
    </message>
    <message>
        <source>End temp less than box temp.</source>
        <translation>Temp. final menor que la interior.</translation>
    </message>
    <message>
        <source>Start temp invalid</source>
        <translation>Temp. inicial no válida</translation>
    </message>
    <message>
        <source>Invalid cool down mass.</source>
        <translation>Masa a enfriar no válida.</translation>
    </message>
    <message>
        <source>Invalid cool down time.</source>
        <translation>Tiempo de enfriamiento no válido.</translation>
    </message>
    <message>
        <source>Ambient must be greater than box.</source>
        <translation>La temp. ambiente debe superar la interior.</translation>
    </message>
    <message>
        <source>Ambient temperature invalid.</source>
        <translation>Temperatura ambiente no válida.</translation>
    </message>
    <message>
        <source>Box temperature invalid.</source>
        <translation>Temperatura interior no válida.</translation>
    </message>
    <message>
        <source>Evaporating temp invalid</source>
        <translation>Temp. de evaporación no válida</translation>
    </message>
    <message>
        <source>Condensing temp invalid.</source>
        <translation>Temp. de condensación no válida.</translation>
    </message>
    <message>
        <source>Invalid subcooling amount.</source>
        <translation>Subenfriamiento no válido.</translation>
    </message>
    <message>
        <source>Evaporating temp greater than box temp.</source>
        <translation>Temp. de evaporación mayor que la interior.</translation>
    </message>
    <message>
        <source>Invalid insulation thickness.</source>
        <translation>Espesor del aislamiento no válido.</translation>
    </message>
    <message>
        <source>Invalid door insulation thickness.</source>
        <translation>Espesor del aislamiento de la puerta no válido.</translation>
    </message>
    <message>
        <source>Invalid door/lid openings load.</source>
        <translation>Carga por aperturas de puerta o tapa no válida.</translation>
    </message>
    <message>
        <source>Invalid fan load.</source>
        <translation>Carga del ventilador no válida.</translation>
    </message>
    <message>
        <source>Invalid light load.</source>
        <translation>Carga de iluminación no válida.</translation>
    </message>
    <message>
        <source>Invalid antisweat load.</source>
        <translation>Carga de anticondensación no válida.</translation>
    </message>
    <message>
        <source>Invalid max runtime value.</source>
        <translation>Tiempo máx. de funcionamiento no válido.</translation>
    </message>
    <message>
        <source>Invalid insulation k value.</source>
        <translation>Valor k del aislamiento no válido.</translation>
    </message>
    <message>
        <source>Invalid door k value.</source>
        <translation>Valor k de la puerta no válido.</translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation>Error: %s</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>de %d a %d</translation>
    </message>
    <message>
        <source>%0.1f to %0.1f hours</source>
        <translation>de %0.1f a %0.1f horas</translation>
    </message>
    <message>
        <source>%d%s to %d%s</source>
        <translation>de %d%s a %d%s</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Advertencia: %s</translation>
    </message>
</context>
<context>
    <name>CommandMenu</name>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Sav&amp;e</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Sa&amp;ve As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Unidades...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>What &amp;If...</source>
        <translation>¿Qué pasaría s&amp;i...?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Product &amp;Selection</source>
        <translation>&amp;Selección de productos</translation>
    </message>
    <message>
        <source>Visit &amp;Nordavik on the Web</source>
        <translation>&amp;Visitar la web de Nordavik</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>No hay archivos recientes</translation>
    </message>
</context>
<context>
    <name>DoraRiveDlg</name>
    <message>
        <source>The inputs could not be stored in %1; they are saved in %2</source>
        <translation>No se han podido guardar los datos de entrada en %1; se han guardado en %2</translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1, nor saved to a file (%2); here they are:</source>
        <translation>No se han podido guardar los datos de entrada en %1 ni en un archivo (%2); son los siguientes:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation>Mostrar la información de ayuda</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation>Imprimir el cálculo actual</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation>Configurar las unidades</translation>
    </message>
    <message>
        <source>Product Selection</source>
        <translation>Selección de productos</translation>
    </message>
    <message>
        <source>Product selection web pages.</source>
        <translation>Páginas web de selección de productos.</translation>
    </message>
</context>
<context>
    <name>FormHelp</name>
    <message>
        <source>Outside air surrounding the appliance. It is recommended to use the most typical ambient temperature during a year. Be aware that load increases in very hot ambient conditions. If the compressor is selected for the highest ambient temperatures in the year, it may be oversized during the cooler period in winter.</source>
        <translation>Aire exterior que rodea el equipo. Se recomienda usar la temperatura ambiente más habitual a lo largo del año. Tenga en cuenta que la carga aumenta con temperaturas ambiente muy altas. Si el compresor se selecciona para las temperaturas ambiente más altas del año, puede quedar sobredimensionado durante el periodo más frío del invierno.</translation>
    </message>
    <message>
        <source>Average temperature inside the appliance. Do not enter lower value than requested for the specific refrigerated goods, as heat load increases.</source>
        <translation>Temperatura media en el interior del equipo. No introduzca un valor inferior al requerido para el producto refrigerado concreto, ya que la carga térmica aumenta.</translation>
    </message>
    <message>
        <source>Additional load added due to door or lid openings. In most cases the load is so small that it can be ignored. In case there are many openings per day it must be added. An up-right door opening will add more load than a lid opening on a chest cabinet.</source>
        <translation>Carga adicional debida a las aperturas de puerta o tapa. En la mayoría de los casos esta carga es tan pequeña que puede despreciarse. Si hay muchas aperturas al día, debe sumarse. La apertura de una puerta vertical añade más carga que la apertura de la tapa de un arcón.</translation>
    </message>
    <message>
        <source>Heat elements or hot-gas pipe can be installed in the door frame to prevent humid air to condensate and form ice around the door. In most case this heat load can be ignored. If there is considerable anti-sweat load it must be added as heat load.</source>
        <translation>En el marco de la puerta pueden instalarse resistencias eléctricas o una tubería de gas caliente para evitar que el aire húmedo se condense y forme hielo alrededor de la puerta. En la mayoría de los casos esta carga térmica puede despreciarse. Si la carga de la resistencia anticondensación es considerable, debe sumarse como carga térmica.</translation>
    </message>
    <message>
        <source>The mass of goods that needs to be cooled down in a certain time from start to stop temperature. Be aware cool down load can be very high and will require a lot of compressor capacity. In most cases cool-down load can be ignore unless it is recurring on a daily basis. Latent heat in transition phase of liquid not incorporated. If in doubt contact Nordavik for further advice.</source>
        <translation>Masa de producto que debe enfriarse en un tiempo determinado desde la temperatura inicial hasta la temperatura final. Tenga en cuenta que la carga de enfriamiento puede ser muy alta y requerir mucha capacidad del compresor. En la mayoría de los casos la carga de enfriamiento puede despreciarse, salvo que se repita a diario. No se incluye el calor latente del cambio de fase del líquido. En caso de duda, consulte a Nordavik.</translation>
    </message>
    <message>
        <source>It is recommended to have a maximum 75% running time of the compressor, in a thermostat cycle, in order to have some extra pull-down capacity or if load increases.</source>
        <translation>Se recomienda un tiempo de funcionamiento máximo del compresor del 75 % por ciclo de termostato, para disponer de capacidad adicional en la puesta a régimen o si aumenta la carga.</translation>
    </message>
</context>
<context>
    <name>FormSheet</name>
    <message>
        <source>Conditions:</source>
        <translation>Condiciones:</translation>
    </message>
    <message>
        <source>   Ambient temperature</source>
        <translation>   Temperatura ambiente</translation>
    </message>
    <message>
        <source>   Temperature inside box</source>
        <translation>   Temperatura interior</translation>
    </message>
    <message>
        <source>   Detailed conditions</source>
        <translation>   Condiciones detalladas</translation>
    </message>
    <message>
        <source>   Evaporating temperature</source>
        <translation>   Temp. de evaporación</translation>
    </message>
    <message>
        <source>   Condensing temperature</source>
        <translation>   Temp. de condensación</translation>
    </message>
    <message>
        <source>   Subcooling</source>
        <translation>   Subenfriamiento</translation>
    </message>
    <message>
        <source>Cabinet Design:</source>
        <translation>Diseño del mueble:</translation>
    </message>
    <message>
        <source>   Depth (inner dimensions)</source>
        <translation>   Profundidad (interior)</translation>
    </message>
    <message>
        <source>   Width</source>
        <translation>   Anchura</translation>
    </message>
    <message>
        <source>   Height</source>
        <translation>   Altura</translation>
    </message>
    <message>
        <source>   Net volume</source>
        <translation>   Volumen neto</translation>
    </message>
    <message>
        <source>   Insulation type</source>
        <translation>   Tipo de aislamiento</translation>
    </message>
    <message>
        <source>   Insulation k value</source>
        <translation>   Valor k del aislamiento</translation>
    </message>
    <message>
        <source>   Insulation thickness</source>
        <translation>   Espesor del aislamiento</translation>
    </message>
    <message>
        <source>   Door has different insulation</source>
        <translation>   Puerta con otro aislamiento</translation>
    </message>
    <message>
        <source>Door Design:</source>
        <translation>Diseño de la puerta:</translation>
    </message>
    <message>
        <source>   Width (inner dimensions)</source>
        <translation>   Anchura (interior)</translation>
    </message>
    <message>
        <source>Additional Heat Load:</source>
        <translation>Carga térmica adicional:</translation>
    </message>
    <message>
        <source>   Door or lid openings</source>
        <translation>   Aperturas de puerta o tapa</translation>
    </message>
    <message>
        <source>   Light</source>
        <translation>   Iluminación</translation>
    </message>
    <message>
        <source>   Fan</source>
        <translation>   Ventilador</translation>
    </message>
    <message>
        <source>   Antisweat</source>
        <translation>   Anticondensación</translation>
    </message>
    <message>
        <source>Cool Down Load:</source>
        <translation>Carga de enfriamiento:</translation>
    </message>
    <message>
        <source>   Cool down mass</source>
        <translation>   Masa a enfriar</translation>
    </message>
    <message>
        <source>   Type of product</source>
        <translation>   Tipo de producto</translation>
    </message>
    <message>
        <source>   Start temperature</source>
        <translation>   Temperatura inicial</translation>
    </message>
    <message>
        <source>   End temperature</source>
        <translation>   Temperatura final</translation>
    </message>
    <message>
        <source>   Cool down time</source>
        <translation>   Tiempo de enfriamiento</translation>
    </message>
    <message>
        <source>Compressor:</source>
        <translation>Compresor:</translation>
    </message>
    <message>
        <source>   Max runtime</source>
        <translation>   Funcionamiento máx.</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Carga:</translation>
    </message>
    <message>
        <source>   Cabinet load</source>
        <translation>   Carga del mueble</translation>
    </message>
    <message>
        <source>   Door load</source>
        <translation>   Carga de la puerta</translation>
    </message>
    <message>
        <source>   Additional heat load</source>
        <translation>   Carga térmica adicional</translation>
    </message>
    <message>
        <source>   Cool down load</source>
        <translation>   Carga de enfriamiento</translation>
    </message>
</context>
<context>
    <name>InputRounds</name>
    <message>
        <source>%1 ignored: its material is not &quot;Customized&quot;</source>
        <translation>%1 ignorado: su material no es «Personalizado»</translation>
    </message>
</context>
<context>
    <name>Materials</name>
    <message>
        <source>Customized</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Polyurethane foam</source>
        <translation>Espuma de poliuretano</translation>
    </message>
    <message>
        <source>Cyclopentane</source>
        <translation>Ciclopentano</translation>
    </message>
    <message>
        <source>Polystyrol</source>
        <translation>Poliestireno</translation>
    </message>
    <message>
        <source>Rockwool</source>
        <translation>Lana de roca</translation>
    </message>
    <message>
        <source>Glass 2 layer</source>
        <translation>Vidrio doble</translation>
    </message>
    <message>
        <source>Glass 3 layer</source>
        <translation>Vidrio triple</translation>
    </message>
    <message>
        <source>Glass &apos;Super low energy&apos;</source>
        <translation>Vidrio «súper bajo consumo»</translation>
    </message>
</context>
<context>
    <name>NumericBehavior</name>
    <message>
        <source>Please specify a valid numeric value.</source>
        <translation>Introduzca un valor numérico válido.</translation>
    </message>
    <message>
        <source>Please specify a numeric value between </source>
        <translation>Introduzca un valor numérico entre </translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Please specify a numeric value greater than or equal to </source>
        <translation>Introduzca un valor numérico mayor o igual que </translation>
    </message>
    <message>
        <source>Please specify a numeric value less than or equal to </source>
        <translation>Introduzca un valor numérico menor o igual que </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>OpenError</name>
    <message>
        <source>The web browser registered for web pages
could not be started.</source>
        <translation>No se ha podido iniciar el navegador web
registrado para páginas web.</translation>
    </message>
    <message>
        <source>The web browser registered for web pages
is not installed.</source>
        <translation>El navegador web registrado para páginas web
no está instalado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se ha encontrado la ruta especificada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo ha denegado
el acceso al archivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No hay memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(.EXE no Win32 o error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se ha producido una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>xdg-open could not open it, and the web browser
registered for web pages ended with an error.</source>
        <translation>xdg-open no ha podido abrirlo y el navegador web
registrado para páginas web ha terminado con un error.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>No se ha podido completar la transacción DDE
porque se ha agotado el tiempo de espera de la solicitud.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE ha fallado.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>No se ha podido completar la transacción DDE
porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>xdg-open could not open it, and no web browser
is registered for web pages (text/html).</source>
        <translation>xdg-open no ha podido abrirlo y no hay ningún navegador
web registrado para páginas web (text/html).</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se ha encontrado la biblioteca de vínculos dinámicos especificada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se ha producido un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>No se puede abrir el hipervínculo:

</translation>
    </message>
    <message>
        <source>To open it in a browser by hand, copy the address:</source>
        <translation>Para abrirlo manualmente en un navegador, copie la dirección:</translation>
    </message>
</context>
<context>
    <name>Products</name>
    <message>
        <source>Cream</source>
        <translation>Nata</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Helado</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Leche</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Queso</translation>
    </message>
    <message>
        <source>Butter</source>
        <translation>Mantequilla</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Beer</source>
        <translation>Cerveza</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Poultry</source>
        <translation>Aves de corral</translation>
    </message>
    <message>
        <source>Sheep meagre</source>
        <translation>Ovino magro</translation>
    </message>
    <message>
        <source>Veal</source>
        <translation>Ternera</translation>
    </message>
    <message>
        <source>Lamb</source>
        <translation>Cordero</translation>
    </message>
    <message>
        <source>Beef</source>
        <translation>Vacuno</translation>
    </message>
    <message>
        <source>Sausage</source>
        <translation>Embutidos</translation>
    </message>
    <message>
        <source>Pork</source>
        <translation>Cerdo</translation>
    </message>
    <message>
        <source>Fish meagre</source>
        <translation>Pescado magro</translation>
    </message>
    <message>
        <source>Fisk fat</source>
        <translation>Pescado graso</translation>
    </message>
    <message>
        <source>Vegetables (average)</source>
        <translation>Verduras (media)</translation>
    </message>
</context>
<context>
    <name>ProgramNotices</name>
    <message>
        <source>Copyright © 2026 Nordavik</source>
        <translation>Copyright © 2026 Nordavik</translation>
    </message>
    <message>
        <source>Heat loads: Nordavik Engineering</source>
        <translation>Cargas térmicas: Nordavik Engineering</translation>
    </message>
    <message>
        <source>Program: the Kaldora team</source>
        <translation>Programa: el equipo de Kaldora</translation>
    </message>
    <message>
        <source>Nordavik and Kaldora are trademarks of Nordavik. All rights reserved.</source>
        <translation>Nordavik y Kaldora son marcas comerciales de Nordavik. Reservados todos los derechos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>ReportLines</name>
    <message>
        <source>Compressor Selection Conditions:</source>
        <translation>Condiciones de selección del compresor:</translation>
    </message>
</context>
<context>
    <name>RescueFile</name>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: no se puede crear</translation>
    </message>
</context>
<context>
    <name>ResultHelp</name>
    <message>
        <source>Cooling capacity required to remove the heat load. In the calculation the maximum runtime value has been multiplied.</source>
        <translation>Capacidad frigorífica necesaria para eliminar la carga térmica. En el cálculo se ha aplicado el tiempo máximo de funcionamiento como factor.</translation>
    </message>
    <message>
        <source>T Evaporator is a calculated value based on the Temperature inside the box – 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the evaporator design, type and effectiveness of heat exchange the delta t may be higher or lower. If the compressor capacity is much higher than the heat load then the delta will also be much bigger. In that case V-speed compressors have the advantage that speed can be adapted to the heat load, and thereby save energy and maybe go one size down in compressor displacement. Contact Nordavik for more info. When selecting the compressor and there is a big deviation to the suggested T evaporator temperature, the compressor must be selected at the lower or higher evaporator temperature.</source>
        <translation>T evaporación es un valor calculado a partir de la temperatura interior – 10 grados, como regla práctica. El delta t es entonces de 10 K. Según el diseño y el tipo del evaporador y la eficacia del intercambio térmico, el delta t puede ser mayor o menor. Si la capacidad del compresor es muy superior a la carga térmica, el delta también será mucho mayor. En ese caso, los compresores de velocidad variable tienen la ventaja de que su velocidad puede adaptarse a la carga térmica, con lo que ahorran energía y quizá permitan bajar un tamaño en la cilindrada del compresor. Para más información, consulte a Nordavik. Si al seleccionar el compresor hay una gran desviación respecto a la T evaporación propuesta, el compresor debe seleccionarse a la temperatura de evaporación más baja o más alta.</translation>
    </message>
    <message>
        <source>T Condenser is a calculated value based on Ambient temperature + 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the condenser design, type and effectiveness of heat exchange the delta t may be higher or lower. If the condenser is undersized delta T will be much higher than 10K. Consequently energy consumption will increase rapidly.</source>
        <translation>T condensación es un valor calculado a partir de la temperatura ambiente + 10 grados, como regla práctica. El delta t es entonces de 10 K. Según el diseño y el tipo del condensador y la eficacia del intercambio térmico, el delta t puede ser mayor o menor. Si el condensador está subdimensionado, el delta T será muy superior a 10 K. En consecuencia, el consumo de energía aumentará rápidamente.</translation>
    </message>
    <message>
        <source>Sub-cooling is the temperature difference between saturated liquid temperature and actual liquid temperature.</source>
        <translation>El subenfriamiento es la diferencia entre la temperatura de líquido saturado y la temperatura real del líquido.</translation>
    </message>
</context>
<context>
    <name>ResultMember</name>
    <message>
        <source>Net volume</source>
        <translation>Volumen neto</translation>
    </message>
    <message>
        <source>Cabinet load</source>
        <translation>Carga del mueble</translation>
    </message>
    <message>
        <source>Door load</source>
        <translation>Carga de la puerta</translation>
    </message>
    <message>
        <source>Transmission load</source>
        <translation>Carga por transmisión</translation>
    </message>
    <message>
        <source>Additional heat load</source>
        <translation>Carga térmica adicional</translation>
    </message>
    <message>
        <source>Cool down load</source>
        <translation>Carga de enfriamiento</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Compressor Selection Conditions</source>
        <translation>Condiciones de selección del compresor</translation>
    </message>
    <message>
        <source>Requested compressor capacity</source>
        <translation>Capacidad requerida</translation>
    </message>
    <message>
        <source>T Evaporator</source>
        <translation>T evaporación</translation>
    </message>
    <message>
        <source>T Condenser</source>
        <translation>T condensación</translation>
    </message>
    <message>
        <source>Subcooling</source>
        <translation>Subenfriamiento</translation>
    </message>
</context>
<context>
    <name>SeekPanel</name>
    <message>
        <source>Goal seek</source>
        <translation>Buscar objetivo</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Use answer</source>
        <translation>Utili&amp;zar respuesta</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Wanted value</source>
        <translation>Valor objetivo</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>so that r&amp;esult</source>
        <translation>de modo que el re&amp;sultado</translation>
    </message>
    <message>
        <source>= &amp;wanted value</source>
        <translation>= valor ob&amp;jetivo</translation>
    </message>
    <message>
        <source>%1 gives %2.</source>
        <translation>Con %1 se obtiene %2.</translation>
    </message>
    <message>
        <source>The result is not monotone in this range: %1 gives %2 at each of %3.</source>
        <translation>El resultado no es monótono en este intervalo: se obtiene %2 con cada uno de estos valores de %1: %3.</translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3: in this range the result runs from %4 to %5 %6.</source>
        <translation>Ningún valor entre %1 y %2 da %3: en este intervalo, el resultado va de %4 a %5 %6.</translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3.</source>
        <translation>Ningún valor entre %1 y %2 da %3.</translation>
    </message>
    <message>
        <source>Part of the range stops at a check: %1</source>
        <translation>Parte del intervalo no supera una comprobación: %1</translation>
    </message>
    <message>
        <source>Find %1 from %2 to %3</source>
        <translation>Buscar %1 entre %2 y %3</translation>
    </message>
</context>
<context>
    <name>SheetPainter</name>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
</context>
<context>
    <name>SheetReading</name>
    <message>
        <source>From the last complete calculation: the current inputs stop at a check.</source>
        <translation>Del último cálculo completo: los datos de entrada actuales no superan una comprobación.</translation>
    </message>
</context>
<context>
    <name>SpokenUnits</name>
    <message>
        <source>BTU per hour foot degree Fahrenheit</source>
        <translation>BTU por hora, pie y grado Fahrenheit</translation>
    </message>
    <message>
        <source>watts per metre kelvin</source>
        <translation>vatios por metro y kelvin</translation>
    </message>
    <message>
        <source>BTU per hour</source>
        <translation>BTU por hora</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>pies cúbicos</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>grados Celsius</translation>
    </message>
    <message>
        <source>degrees Fahrenheit</source>
        <translation>grados Fahrenheit</translation>
    </message>
    <message>
        <source>kelvin</source>
        <translation>kelvin</translation>
    </message>
</context>
<context>
    <name>SweepChart</name>
    <message>
        <source>the calculation stops here</source>
        <translation>el cálculo se detiene aquí</translation>
    </message>
</context>
<context>
    <name>SweepRange</name>
    <message>
        <source>&apos;--sweep %1&apos;: expected NAME=FROM:TO:STEP with NAME a number input such as iDepth</source>
        <translation>&apos;--sweep %1&apos;: se esperaba NAME=FROM:TO:STEP, siendo NAME un dato numérico como iDepth</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: FROM, TO and STEP take numbers such as 455.55 or -7 (at most %2 whole digits and %3 decimals)</source>
        <translation>&apos;--sweep %1&apos;: FROM, TO y STEP admiten números como 455.55 o -7 (como máximo %2 cifras enteras y %3 decimales)</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: STEP must lead from FROM to TO</source>
        <translation>&apos;--sweep %1&apos;: STEP debe llevar de FROM a TO</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: more than %2 values</source>
        <translation>&apos;--sweep %1&apos;: más de %2 valores</translation>
    </message>
</context>
<context>
    <name>UnitLabel</name>
    <message>
        <source>in.</source>
        <translation>in.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>ºF</source>
        <translation>ºF</translation>
    </message>
    <message>
        <source>ºC</source>
        <translation>ºC</translation>
    </message>
    <message>
        <source>ft3</source>
        <translation>ft3</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>Btu/hr</source>
        <translation>Btu/hr</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>BTU/h·ft·°F</source>
        <translation>BTU/h·ft·°F</translation>
    </message>
    <message>
        <source>W/m·K</source>
        <translation>W/m·K</translation>
    </message>
    <message>
        <source>ºK</source>
        <translation>ºK</translation>
    </message>
</context>
<context>
    <name>VariantComparison</name>
    <message>
        <source>on</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Variants side by side</source>
        <translation>Variantes en paralelo</translation>
    </message>
    <message>
        <source>Comparison of the variants</source>
        <translation>Comparación de las variantes</translation>
    </message>
    <message>
        <source>Show ever&amp;y input</source>
        <translation>&amp;Mostrar todas las entradas</translation>
    </message>
    <message>
        <source>&amp;Keep as variant</source>
        <translation>C&amp;onservar como variante</translation>
    </message>
    <message>
        <source>Open fi&amp;les...</source>
        <translation>&amp;Abrir archivos...</translation>
    </message>
    <message>
        <source>&amp;Put back</source>
        <translation>Devo&amp;lver al cálculo</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Save va&amp;riant as...</source>
        <translation>G&amp;uardar variante como...</translation>
    </message>
    <message>
        <source>Copy t&amp;able</source>
        <translation>Cop&amp;iar tabla</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Open Calculations</source>
        <translation>Abrir cálculos</translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation>Cálculos (*.%1)</translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation>Guardar cálculo</translation>
    </message>
</context>
<context>
    <name>WebAddresses</name>
    <message>
        <source>Visit Nordavik on the Web</source>
        <translation>Visitar la web de Nordavik</translation>
    </message>
</context>
<context>
    <name>WhatIfWindow</name>
    <message>
        <source>What If</source>
        <translation>¿Qué pasaría si?</translation>
    </message>
    <message>
        <source>Sweep chart</source>
        <translation>Gráfico de barrido</translation>
    </message>
    <message>
        <source>Points of the sweep</source>
        <translation>Puntos del barrido</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>Grá&amp;fico</translation>
    </message>
    <message>
        <source>&amp;Table of points</source>
        <translation>&amp;Tabla de puntos</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>&amp;Entrada:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Pasos:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>CS&amp;V...</source>
        <translation>CS&amp;V...</translation>
    </message>
    <message>
        <source>P&amp;NG...</source>
        <translation>P&amp;NG...</translation>
    </message>
    <message>
        <source>SV&amp;G...</source>
        <translation>SV&amp;G...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Tablas CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Imágenes SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation>La impresora no ha podido iniciar el trabajo.</translation>
    </message>
</context>
</TS>
