<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Introduction:</source>
        <translation>Introduzione:</translation>
    </message>
    <message>
        <source>This software allows the user to calculate the heat load of a refrigeration</source>
        <translation>Questo programma calcola il carico termico di un impianto frigorifero</translation>
    </message>
    <message>
        <source>system and specifies the appropriate compressor capacity.</source>
        <translation>e indica la potenza frigorifera adeguata del compressore.</translation>
    </message>
    <message>
        <source>Installation and requirements:</source>
        <translation>Installazione e requisiti:</translation>
    </message>
    <message>
        <source>This software is installed with its Debian package, dorarive</source>
        <translation>Il programma si installa con il suo pacchetto Debian, dorarive</translation>
    </message>
    <message>
        <source>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), which puts dorarive and</source>
        <translation>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), che installa dorarive e</translation>
    </message>
    <message>
        <source>dorarive-calc in /usr/bin and Nordavik Kaldora in the desktop menu;</source>
        <translation>dorarive-calc in /usr/bin e Nordavik Kaldora nel menu del desktop;</translation>
    </message>
    <message>
        <source>apt-get remove dorarive takes it off. De-installation removes the software again,</source>
        <translation>apt-get remove dorarive lo rimuove. La disinstallazione elimina il programma</translation>
    </message>
    <message>
        <source>completely, and very accurate, according to our experience.</source>
        <translation>completamente e con precisione, secondo la nostra esperienza.</translation>
    </message>
    <message>
        <source>The inputs are kept between runs in</source>
        <translation>Tra un avvio e l’altro i dati restano in</translation>
    </message>
    <message>
        <source>~/.config/Nordavik Frimo 042/dorarive.conf; a calculation can be kept in</source>
        <translation>~/.config/Nordavik Frimo 042/dorarive.conf; un calcolo si può salvare in</translation>
    </message>
    <message>
        <source>a file of its own, NAME.kaldora (Open Ctrl-O, Save Ctrl-S).</source>
        <translation>un file a parte, NOME.kaldora (Apri Ctrl-O, Salva Ctrl-S).</translation>
    </message>
    <message>
        <source>Keys F1 Help, Ctrl-P Print, Alt-U Units, Alt-S Product Selection,</source>
        <translation>Tasti F1 Guida, Ctrl-P Stampa, Alt-U Unità, Alt-S Selezione prodotti,</translation>
    </message>
    <message>
        <source>F10 or a right-click on the window every command.</source>
        <translation>F10 o clic destro sulla finestra tutti i comandi.</translation>
    </message>
    <message>
        <source>System requirements:</source>
        <translation>Requisiti di sistema:</translation>
    </message>
    <message>
        <source>Min. screen height 768 pixels.</source>
        <translation>Altezza schermo min. 768 pixel.</translation>
    </message>
    <message>
        <source>A 64-bit PC (amd64)</source>
        <translation>PC a 64 bit (amd64)</translation>
    </message>
    <message>
        <source>32 MB RAM min., 64 MB recommended</source>
        <translation>RAM min. 32 MB, consigliati 64 MB</translation>
    </message>
    <message>
        <source>15 MB harddisk space</source>
        <translation>15 MB di spazio su disco</translation>
    </message>
    <message>
        <source>Debian 12 or a compatible Linux, on a GNOME, KDE Plasma or other</source>
        <translation>Debian 12 o Linux compatibile, su desktop GNOME, KDE Plasma o altro</translation>
    </message>
    <message>
        <source>X11 or Wayland desktop</source>
        <translation>desktop X11 o Wayland</translation>
    </message>
    <message>
        <source>Disclaimer:

Nordavik can accept no responsibility for possible errors in this program. Nordavik reserves the right to alter its products without notice. All trademarks in this material are property of the respective companies.

</source>
        <translation>Note legali:

Nordavik non si assume alcuna responsabilità per eventuali errori in questo programma. Nordavik si riserva il diritto di modificare i propri prodotti senza preavviso. Tutti i marchi citati in questo materiale appartengono alle rispettive società.

</translation>
    </message>
    <message>
        <source>Help Info</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Testo della guida</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Note legali</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Energy</source>
        <translation>Potenza</translation>
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
        <translation>Valore k</translation>
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
        <translation>Volume</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litri</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>piedi cubi</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>chilogrammi</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>libbre</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità di misura</translation>
    </message>
</context>
<context>
    <name>CalcArguments</name>
    <message>
        <source>expected NAME=VALUE, got &apos;%1&apos;</source>
        <translation>atteso NAME=VALUE, ricevuto: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes 0 or 1</source>
        <translation>&apos;%1&apos;: %2 accetta 0 o 1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes a whole row number</source>
        <translation>&apos;%1&apos;: %2 accetta un numero di riga intero</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes a number such as 455.55 or -7</source>
        <translation>&apos;%1&apos;: %2 accetta un numero come 455.55 o -7</translation>
    </message>
    <message>
        <source>unknown input name in &apos;%1&apos;</source>
        <translation>nome di dato sconosciuto in &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CalcBatch</name>
    <message>
        <source>no value of %1 from %2 to %3 gives %4</source>
        <translation>nessun valore di %1 tra %2 e %3 dà come risultato %4</translation>
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
        <translation>un oggetto</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot;</source>
        <translation>membro sconosciuto &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not a calculation file: it has no &quot;format&quot; member</source>
        <translation>non è un file di calcolo: manca il membro &quot;format&quot;</translation>
    </message>
    <message>
        <source>not a calculation file: its format is %1, not &quot;%2&quot;</source>
        <translation>non è un file di calcolo: il formato è %1, non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>it has no &quot;version&quot; member</source>
        <translation>manca il membro &quot;version&quot;</translation>
    </message>
    <message>
        <source>version %1 is not known: this program reads version %2</source>
        <translation>versione %1 sconosciuta: questo programma legge la versione %2</translation>
    </message>
    <message>
        <source>&quot;units&quot; is not an object, got %1</source>
        <translation>&quot;units&quot; non è un oggetto, ricevuto: %1</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot; in &quot;units&quot;</source>
        <translation>membro sconosciuto &quot;%1&quot; in &quot;units&quot;</translation>
    </message>
    <message>
        <source>&quot;inputs&quot; is not an object, got %1</source>
        <translation>&quot;inputs&quot; non è un oggetto, ricevuto: %1</translation>
    </message>
    <message>
        <source>%1 takes 0 or 1, got %2</source>
        <translation>%1 accetta 0 o 1, ricevuto: %2</translation>
    </message>
    <message>
        <source>%1 takes a number such as 455.55 or -7, got %2</source>
        <translation>%1 accetta un numero come 455.55 o -7, ricevuto: %2</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot; in &quot;inputs&quot;</source>
        <translation>membro sconosciuto &quot;%1&quot; in &quot;inputs&quot;</translation>
    </message>
    <message>
        <source>%1 takes a whole row number, got %2</source>
        <translation>%1 accetta un numero di riga intero, ricevuto: %2</translation>
    </message>
    <message>
        <source>%1 %2 is not a row of its table (0 to %3)</source>
        <translation>%1 %2 non è una riga della sua tabella (da 0 a %3)</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON non valido: %1</translation>
    </message>
    <message>
        <source>not a calculation file: the document is not a JSON object</source>
        <translation>non è un file di calcolo: il documento non è un oggetto JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: impossibile leggere il file: %2</translation>
    </message>
    <message>
        <source>%1: too large for a calculation file (over 1 MiB)</source>
        <translation>%1: troppo grande per un file di calcolo (oltre 1 MiB)</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: riga %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: impossibile scrivere il file: %2</translation>
    </message>
</context>
<context>
    <name>CalcFileCommands</name>
    <message>
        <source>The calculation in the window is unchanged.</source>
        <translation>Il calcolo nella finestra non è stato modificato.</translation>
    </message>
    <message>
        <source>The calculation was not saved; an existing file is left as it was.</source>
        <translation>Il calcolo non è stato salvato; un eventuale file esistente è rimasto invariato.</translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation>Salva calcolo</translation>
    </message>
    <message>
        <source>Open Calculation</source>
        <translation>Apri calcolo</translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation>Calcoli (*.%1)</translation>
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
        <translation>Calcola il carico termico e la potenza frigorifera richiesta di un mobile refrigerato.
Parte dai dati del primo avvio (oppure, con --stored, dai dati memorizzati dalla finestra, oppure,
con --open, da un file di calcolo), imposta i dati NAME=VALUE (prima le unità, poi le selezioni
e le opzioni, poi i numeri) e stampa il rapporto. Più file --open o un --sweep danno un calcolo
ciascuno; due opzioni --sweep danno una griglia. --seek NAME RESULT=VALUE cerca il valore di NAME
per cui RESULT (un membro dei risultati JSON) assume il valore VALUE, e stampa quel calcolo.
Stato di uscita: 0 calcolato, 1 fermato da un controllo dei dati o nessun valore trovato, 2 errore di utilizzo o di file.</translation>
    </message>
    <message>
        <source>Start from the inputs the window stored.</source>
        <translation>Partire dai dati memorizzati dalla finestra.</translation>
    </message>
    <message>
        <source>Print one JSON object instead of the report.</source>
        <translation>Stampare un oggetto JSON invece del rapporto.</translation>
    </message>
    <message>
        <source>Print a table: a header row, then one row per calculation.</source>
        <translation>Stampare una tabella: una riga di intestazione, poi una riga per calcolo.</translation>
    </message>
    <message>
        <source>Start from a calculation file (repeat it for several files).</source>
        <translation>Partire da un file di calcolo (ripeterlo per più file).</translation>
    </message>
    <message>
        <source>Write the inputs to a calculation file.</source>
        <translation>Scrivere i dati in un file di calcolo.</translation>
    </message>
    <message>
        <source>Calculate once for each value of a number input, e.g. iDepth=300:600:50 (at most 10000 values); twice for a grid (at most 100000 rows).</source>
        <translation>Calcolare una volta per ogni valore di un dato numerico, ad es. iDepth=300:600:50 (al massimo 10000 valori); due volte per una griglia (al massimo 100000 righe).</translation>
    </message>
    <message>
        <source>Find the value of a number input within its permitted range that gives a result, e.g. --seek iInsulation requestedCapacity=60.</source>
        <translation>Cercare, entro il suo intervallo ammesso, il valore di un dato numerico che dà un risultato, ad es. --seek iInsulation requestedCapacity=60.</translation>
    </message>
    <message>
        <source>An input, e.g. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.</source>
        <translation>Un dato, ad es. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.</translation>
    </message>
    <message>
        <source>--sweep: %1 twice</source>
        <translation>--sweep: %1 indicato due volte</translation>
    </message>
    <message>
        <source>--sweep: at most %1 rows, got %2</source>
        <translation>--sweep: al massimo %1 righe, richieste: %2</translation>
    </message>
    <message>
        <source>--seek: %1 is no number input</source>
        <translation>--seek: %1 non è un dato numerico</translation>
    </message>
    <message>
        <source>--seek %1 needs RESULT=VALUE, e.g. requestedCapacity=60</source>
        <translation>--seek %1 richiede RESULT=VALUE, ad es. requestedCapacity=60</translation>
    </message>
    <message>
        <source>--seek: %1 takes a number such as 60 or -7.5, got &quot;%2&quot;</source>
        <translation>--seek: %1 accetta un numero come 60 o -7.5, ricevuto: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--json and --csv: choose one output</source>
        <translation>--json e --csv: scegliere un solo formato di uscita</translation>
    </message>
    <message>
        <source>--open and --stored: choose where to start</source>
        <translation>--open e --stored: scegliere un solo punto di partenza</translation>
    </message>
    <message>
        <source>--sweep: at most two inputs, for a grid</source>
        <translation>--sweep: al massimo due dati, per una griglia</translation>
    </message>
    <message>
        <source>--seek: one input at a time</source>
        <translation>--seek: un solo dato alla volta</translation>
    </message>
    <message>
        <source>--seek and --sweep: choose one</source>
        <translation>--seek e --sweep: sceglierne uno solo</translation>
    </message>
    <message>
        <source>--save: one file name</source>
        <translation>--save: un solo nome di file</translation>
    </message>
    <message>
        <source>--save writes one calculation, not several --open files, a --sweep or a --seek</source>
        <translation>--save scrive un solo calcolo, non più file --open, né un --sweep né un --seek</translation>
    </message>
</context>
<context>
    <name>ChangeGuard</name>
    <message>
        <source>Save changes to the current calculation?</source>
        <translation>Salvare le modifiche al calcolo attuale?</translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1.</source>
        <translation>Impossibile memorizzare i dati inseriti in %1.</translation>
    </message>
    <message>
        <source>Save them as a calculation file before closing?</source>
        <translation>Salvarli in un file di calcolo prima di chiudere?</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Sweep chart</source>
        <translation>Grafico della variazione</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Impossibile scrivere l&apos;immagine.</translation>
    </message>
</context>
<context>
    <name>Checks</name>
    <message>
        <source>Invalid cabinet depth.</source>
        <translation>Profondità del mobile non valida.</translation>
    </message>
    <message>
        <source>Invalid cabinet width.</source>
        <translation>Larghezza del mobile non valida.</translation>
    </message>
    <message>
        <source>Invalid cabinet height.</source>
        <translation>Altezza del mobile non valida.</translation>
    </message>
    <message>
        <source>Invalid door width.</source>
        <translation>Larghezza della porta non valida.</translation>
    </message>
    <message>
        <source>Invalid door height.</source>
        <translation>Altezza della porta non valida.</translation>
    </message>
    <message>
        <source>Start temp less than end temp.</source>
        <translation>Temperatura iniziale inferiore alla temperatura finale.</translation>
    </message>
    <message>
        <source>End temp less than box temp.</source>
        <translation>Temperatura finale inferiore alla temperatura interna.</translation>
    </message>
    <message>
        <source>Start temp invalid</source>
        <translation>Temperatura iniziale non valida</translation>
    </message>
    <message>
        <source>Invalid cool down mass.</source>
        <translation>Massa da raffreddare non valida.</translation>
    </message>
    <message>
        <source>Invalid cool down time.</source>
        <translation>Tempo di raffreddamento non valido.</translation>
    </message>
    <message>
        <source>Ambient must be greater than box.</source>
        <translation>La temperatura ambiente deve essere superiore alla temperatura interna.</translation>
    </message>
    <message>
        <source>Ambient temperature invalid.</source>
        <translation>Temperatura ambiente non valida.</translation>
    </message>
    <message>
        <source>Box temperature invalid.</source>
        <translation>Temperatura interna non valida.</translation>
    </message>
    <message>
        <source>Evaporating temp invalid</source>
        <translation>Temperatura di evaporazione non valida</translation>
    </message>
    <message>
        <source>Condensing temp invalid.</source>
        <translation>Temperatura di condensazione non valida.</translation>
    </message>
    <message>
        <source>Invalid subcooling amount.</source>
        <translation>Valore di sottoraffreddamento non valido.</translation>
    </message>
    <message>
        <source>Evaporating temp greater than box temp.</source>
        <translation>Temperatura di evaporazione superiore alla temperatura interna.</translation>
    </message>
    <message>
        <source>Invalid insulation thickness.</source>
        <translation>Spessore dell&apos;isolamento non valido.</translation>
    </message>
    <message>
        <source>Invalid door insulation thickness.</source>
        <translation>Spessore dell&apos;isolamento della porta non valido.</translation>
    </message>
    <message>
        <source>Invalid door/lid openings load.</source>
        <translation>Carico per aperture porta/coperchio non valido.</translation>
    </message>
    <message>
        <source>Invalid fan load.</source>
        <translation>Carico del ventilatore non valido.</translation>
    </message>
    <message>
        <source>Invalid light load.</source>
        <translation>Carico dell&apos;illuminazione non valido.</translation>
    </message>
    <message>
        <source>Invalid antisweat load.</source>
        <translation>Carico delle resistenze anticondensa non valido.</translation>
    </message>
    <message>
        <source>Invalid max runtime value.</source>
        <translation>Tempo di funzionamento massimo non valido.</translation>
    </message>
    <message>
        <source>Invalid insulation k value.</source>
        <translation>Valore k dell&apos;isolamento non valido.</translation>
    </message>
    <message>
        <source>Invalid door k value.</source>
        <translation>Valore k della porta non valido.</translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation>Errore: %s</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>da %d a %d</translation>
    </message>
    <message>
        <source>%0.1f to %0.1f hours</source>
        <translation>da %0.1f a %0.1f ore</translation>
    </message>
    <message>
        <source>%d%s to %d%s</source>
        <translation>da %d%s a %d%s</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Avviso: %s</translation>
    </message>
</context>
<context>
    <name>CommandMenu</name>
    <message>
        <source>&amp;About...</source>
        <translation>In&amp;formazioni...</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Sav&amp;e</source>
        <translation>Sa&amp;lva</translation>
    </message>
    <message>
        <source>Sa&amp;ve As...</source>
        <translation>Salva co&amp;me...</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Unità di misura...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>What &amp;If...</source>
        <translation>Analisi what-&amp;if...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Product &amp;Selection</source>
        <translation>&amp;Selezione prodotti</translation>
    </message>
    <message>
        <source>Visit &amp;Nordavik on the Web</source>
        <translation>Visita Nordavi&amp;k sul web</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Nessun file recente</translation>
    </message>
</context>
<context>
    <name>DoraRiveDlg</name>
    <message>
        <source>The inputs could not be stored in %1; they are saved in %2</source>
        <translation>Impossibile memorizzare i dati inseriti in %1; sono stati salvati in %2</translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1, nor saved to a file (%2); here they are:</source>
        <translation>Impossibile memorizzare i dati inseriti in %1 o salvarli in un file (%2); eccoli:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation>Mostra la guida</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation>Stampa il calcolo attuale</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità di misura</translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation>Imposta le unità di misura</translation>
    </message>
    <message>
        <source>Product Selection</source>
        <translation>Selezione prodotti</translation>
    </message>
    <message>
        <source>Product selection web pages.</source>
        <translation>Pagine web per la selezione dei prodotti.</translation>
    </message>
</context>
<context>
    <name>FormHelp</name>
    <message>
        <source>Outside air surrounding the appliance. It is recommended to use the most typical ambient temperature during a year. Be aware that load increases in very hot ambient conditions. If the compressor is selected for the highest ambient temperatures in the year, it may be oversized during the cooler period in winter.</source>
        <translation>Aria esterna che circonda l&apos;apparecchio. Si consiglia di usare la temperatura ambiente più tipica nel corso dell&apos;anno. Tenere presente che il carico termico aumenta con temperature ambiente molto elevate. Se il compressore viene scelto per le temperature ambiente più alte dell&apos;anno, può risultare sovradimensionato nel periodo più freddo, in inverno.</translation>
    </message>
    <message>
        <source>Average temperature inside the appliance. Do not enter lower value than requested for the specific refrigerated goods, as heat load increases.</source>
        <translation>Temperatura media all&apos;interno dell&apos;apparecchio. Non inserire un valore inferiore a quello richiesto per la specifica merce refrigerata, perché il carico termico aumenta.</translation>
    </message>
    <message>
        <source>Additional load added due to door or lid openings. In most cases the load is so small that it can be ignored. In case there are many openings per day it must be added. An up-right door opening will add more load than a lid opening on a chest cabinet.</source>
        <translation>Carico aggiuntivo dovuto alle aperture della porta o del coperchio. Nella maggior parte dei casi il carico è così ridotto da poter essere trascurato. Se le aperture giornaliere sono numerose, occorre aggiungerlo. L&apos;apertura di una porta verticale comporta un carico maggiore rispetto all&apos;apertura del coperchio di un mobile a pozzetto.</translation>
    </message>
    <message>
        <source>Heat elements or hot-gas pipe can be installed in the door frame to prevent humid air to condensate and form ice around the door. In most case this heat load can be ignored. If there is considerable anti-sweat load it must be added as heat load.</source>
        <translation>Nel telaio della porta si possono installare resistenze elettriche o un tubo del gas caldo per evitare che l&apos;aria umida condensi e formi ghiaccio intorno alla porta. Nella maggior parte dei casi questo carico termico può essere trascurato. Se il carico delle resistenze anticondensa è considerevole, occorre aggiungerlo come carico termico.</translation>
    </message>
    <message>
        <source>The mass of goods that needs to be cooled down in a certain time from start to stop temperature. Be aware cool down load can be very high and will require a lot of compressor capacity. In most cases cool-down load can be ignore unless it is recurring on a daily basis. Latent heat in transition phase of liquid not incorporated. If in doubt contact Nordavik for further advice.</source>
        <translation>La massa di prodotti da raffreddare in un determinato tempo dalla temperatura iniziale a quella finale. Tenere presente che il carico di raffreddamento prodotti può essere molto elevato e richiedere molta potenza frigorifera del compressore. Nella maggior parte dei casi il carico di raffreddamento prodotti può essere trascurato, a meno che non si ripeta ogni giorno. Il calore latente del passaggio di stato del liquido non è considerato. In caso di dubbio, contattare Nordavik per ulteriori consigli.</translation>
    </message>
    <message>
        <source>It is recommended to have a maximum 75% running time of the compressor, in a thermostat cycle, in order to have some extra pull-down capacity or if load increases.</source>
        <translation>Si consiglia un tempo di funzionamento massimo del compressore del 75% in un ciclo del termostato, così da disporre di una riserva di potenza per la messa a regime o per un eventuale aumento del carico.</translation>
    </message>
</context>
<context>
    <name>FormSheet</name>
    <message>
        <source>Conditions:</source>
        <translation>Condizioni:</translation>
    </message>
    <message>
        <source>   Ambient temperature</source>
        <translation>   Temperatura ambiente</translation>
    </message>
    <message>
        <source>   Temperature inside box</source>
        <translation>   Temperatura interna</translation>
    </message>
    <message>
        <source>   Detailed conditions</source>
        <translation>   Condizioni dettagliate</translation>
    </message>
    <message>
        <source>   Evaporating temperature</source>
        <translation>   Temperatura di evaporazione</translation>
    </message>
    <message>
        <source>   Condensing temperature</source>
        <translation>   Temperatura di condensazione</translation>
    </message>
    <message>
        <source>   Subcooling</source>
        <translation>   Sottoraffreddamento</translation>
    </message>
    <message>
        <source>Cabinet Design:</source>
        <translation>Struttura del mobile:</translation>
    </message>
    <message>
        <source>   Depth (inner dimensions)</source>
        <translation>   Profondità (misure interne)</translation>
    </message>
    <message>
        <source>   Width</source>
        <translation>   Larghezza</translation>
    </message>
    <message>
        <source>   Height</source>
        <translation>   Altezza</translation>
    </message>
    <message>
        <source>   Net volume</source>
        <translation>   Volume netto</translation>
    </message>
    <message>
        <source>   Insulation type</source>
        <translation>   Tipo di isolamento</translation>
    </message>
    <message>
        <source>   Insulation k value</source>
        <translation>   Valore k isolamento</translation>
    </message>
    <message>
        <source>   Insulation thickness</source>
        <translation>   Spessore isolamento</translation>
    </message>
    <message>
        <source>   Door has different insulation</source>
        <translation>   Porta con isolamento diverso</translation>
    </message>
    <message>
        <source>Door Design:</source>
        <translation>Struttura della porta:</translation>
    </message>
    <message>
        <source>   Width (inner dimensions)</source>
        <translation>   Larghezza (misure interne)</translation>
    </message>
    <message>
        <source>Additional Heat Load:</source>
        <translation>Carico termico aggiuntivo:</translation>
    </message>
    <message>
        <source>   Door or lid openings</source>
        <translation>   Aperture porta/coperchio</translation>
    </message>
    <message>
        <source>   Light</source>
        <translation>   Illuminazione</translation>
    </message>
    <message>
        <source>   Fan</source>
        <translation>   Ventilatore</translation>
    </message>
    <message>
        <source>   Antisweat</source>
        <translation>   Anticondensa</translation>
    </message>
    <message>
        <source>Cool Down Load:</source>
        <translation>Raffreddamento prodotti:</translation>
    </message>
    <message>
        <source>   Cool down mass</source>
        <translation>   Massa da raffreddare</translation>
    </message>
    <message>
        <source>   Type of product</source>
        <translation>   Tipo di prodotto</translation>
    </message>
    <message>
        <source>   Start temperature</source>
        <translation>   Temperatura iniziale</translation>
    </message>
    <message>
        <source>   End temperature</source>
        <translation>   Temperatura finale</translation>
    </message>
    <message>
        <source>   Cool down time</source>
        <translation>   Tempo di raffreddamento</translation>
    </message>
    <message>
        <source>Compressor:</source>
        <translation>Compressore:</translation>
    </message>
    <message>
        <source>   Max runtime</source>
        <translation>   Tempo funzionamento max</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Carico termico:</translation>
    </message>
    <message>
        <source>   Cabinet load</source>
        <translation>   Carico del mobile</translation>
    </message>
    <message>
        <source>   Door load</source>
        <translation>   Carico della porta</translation>
    </message>
    <message>
        <source>   Additional heat load</source>
        <translation>   Carico aggiuntivo</translation>
    </message>
    <message>
        <source>   Cool down load</source>
        <translation>   Carico raffreddamento</translation>
    </message>
</context>
<context>
    <name>InputRounds</name>
    <message>
        <source>%1 ignored: its material is not &quot;Customized&quot;</source>
        <translation>%1 ignorato: il materiale non è «Personalizzato»</translation>
    </message>
</context>
<context>
    <name>Materials</name>
    <message>
        <source>Customized</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Polyurethane foam</source>
        <translation>Schiuma poliuretanica</translation>
    </message>
    <message>
        <source>Cyclopentane</source>
        <translation>Ciclopentano</translation>
    </message>
    <message>
        <source>Polystyrol</source>
        <translation>Polistirene</translation>
    </message>
    <message>
        <source>Rockwool</source>
        <translation>Lana di roccia</translation>
    </message>
    <message>
        <source>Glass 2 layer</source>
        <translation>Vetro a 2 strati</translation>
    </message>
    <message>
        <source>Glass 3 layer</source>
        <translation>Vetro a 3 strati</translation>
    </message>
    <message>
        <source>Glass &apos;Super low energy&apos;</source>
        <translation>Vetro &apos;bassissima emissività&apos;</translation>
    </message>
</context>
<context>
    <name>NumericBehavior</name>
    <message>
        <source>Please specify a valid numeric value.</source>
        <translation>Inserire un valore numerico valido.</translation>
    </message>
    <message>
        <source>Please specify a numeric value between </source>
        <translation>Inserire un valore numerico compreso tra </translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Please specify a numeric value greater than or equal to </source>
        <translation>Inserire un valore numerico maggiore o uguale a </translation>
    </message>
    <message>
        <source>Please specify a numeric value less than or equal to </source>
        <translation>Inserire un valore numerico minore o uguale a </translation>
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
        <translation>Impossibile avviare il browser web registrato
per le pagine web.</translation>
    </message>
    <message>
        <source>The web browser registered for web pages
is not installed.</source>
        <translation>Il browser web registrato per le pagine web
non è installato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Il percorso specificato non è stato trovato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file specificato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(.EXE non Win32 o errore nell&apos;immagine .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione. </translation>
    </message>
    <message>
        <source>xdg-open could not open it, and the web browser
registered for web pages ended with an error.</source>
        <translation>xdg-open non è riuscito ad aprirlo e il browser web
registrato per le pagine web è terminato con un errore.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Impossibile completare la transazione DDE
perché la richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transazione DDE non è riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Impossibile completare la transazione DDE
perché erano in corso
altre transazioni DDE.</translation>
    </message>
    <message>
        <source>xdg-open could not open it, and no web browser
is registered for web pages (text/html).</source>
        <translation>xdg-open non è riuscito ad aprirlo e nessun browser web
è registrato per le pagine web (text/html).</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La libreria a collegamento dinamico specificata non è stata trovata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Impossibile aprire il collegamento:

</translation>
    </message>
    <message>
        <source>To open it in a browser by hand, copy the address:</source>
        <translation>Per aprirlo manualmente in un browser, copiare l&apos;indirizzo:</translation>
    </message>
</context>
<context>
    <name>Products</name>
    <message>
        <source>Cream</source>
        <translation>Panna</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Gelato</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Latte</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Formaggio</translation>
    </message>
    <message>
        <source>Butter</source>
        <translation>Burro</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pane</translation>
    </message>
    <message>
        <source>Beer</source>
        <translation>Birra</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Poultry</source>
        <translation>Pollame</translation>
    </message>
    <message>
        <source>Sheep meagre</source>
        <translation>Carne ovina magra</translation>
    </message>
    <message>
        <source>Veal</source>
        <translation>Vitello</translation>
    </message>
    <message>
        <source>Lamb</source>
        <translation>Agnello</translation>
    </message>
    <message>
        <source>Beef</source>
        <translation>Manzo</translation>
    </message>
    <message>
        <source>Sausage</source>
        <translation>Salsiccia</translation>
    </message>
    <message>
        <source>Pork</source>
        <translation>Maiale</translation>
    </message>
    <message>
        <source>Fish meagre</source>
        <translation>Pesce magro</translation>
    </message>
    <message>
        <source>Fisk fat</source>
        <translation>Pesce grasso</translation>
    </message>
    <message>
        <source>Vegetables (average)</source>
        <translation>Verdure (media)</translation>
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
        <translation>Carichi termici: Nordavik Engineering</translation>
    </message>
    <message>
        <source>Program: the Kaldora team</source>
        <translation>Programma: il team Kaldora</translation>
    </message>
    <message>
        <source>Nordavik and Kaldora are trademarks of Nordavik. All rights reserved.</source>
        <translation>Nordavik e Kaldora sono marchi di Nordavik. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>ReportLines</name>
    <message>
        <source>Compressor Selection Conditions:</source>
        <translation>Condizioni per la scelta del compressore:</translation>
    </message>
</context>
<context>
    <name>RescueFile</name>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: impossibile creare il file</translation>
    </message>
</context>
<context>
    <name>ResultHelp</name>
    <message>
        <source>Cooling capacity required to remove the heat load. In the calculation the maximum runtime value has been multiplied.</source>
        <translation>Potenza frigorifera necessaria per smaltire il carico termico. Nel calcolo è stato applicato il fattore del tempo di funzionamento massimo.</translation>
    </message>
    <message>
        <source>T Evaporator is a calculated value based on the Temperature inside the box – 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the evaporator design, type and effectiveness of heat exchange the delta t may be higher or lower. If the compressor capacity is much higher than the heat load then the delta will also be much bigger. In that case V-speed compressors have the advantage that speed can be adapted to the heat load, and thereby save energy and maybe go one size down in compressor displacement. Contact Nordavik for more info. When selecting the compressor and there is a big deviation to the suggested T evaporator temperature, the compressor must be selected at the lower or higher evaporator temperature.</source>
        <translation>T evaporatore è un valore calcolato partendo dalla temperatura interna – 10 gradi, come regola pratica. Il delta t è quindi di 10 K. A seconda della struttura e del tipo di evaporatore e dell&apos;efficacia dello scambio termico, il delta t può essere maggiore o minore. Se la potenza frigorifera del compressore è molto superiore al carico termico, anche il delta t sarà molto maggiore. In tal caso i compressori a velocità variabile offrono il vantaggio di adattare la velocità al carico termico, risparmiando così energia e permettendo forse di scegliere un compressore di cilindrata inferiore. Contattare Nordavik per maggiori informazioni. Se nella scelta del compressore vi è un forte scostamento dalla temperatura T evaporatore suggerita, il compressore deve essere scelto alla temperatura di evaporazione più bassa o più alta.</translation>
    </message>
    <message>
        <source>T Condenser is a calculated value based on Ambient temperature + 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the condenser design, type and effectiveness of heat exchange the delta t may be higher or lower. If the condenser is undersized delta T will be much higher than 10K. Consequently energy consumption will increase rapidly.</source>
        <translation>T condensatore è un valore calcolato partendo dalla temperatura ambiente + 10 gradi, come regola pratica. Il delta t è quindi di 10 K. A seconda della struttura e del tipo di condensatore e dell&apos;efficacia dello scambio termico, il delta t può essere maggiore o minore. Se il condensatore è sottodimensionato, il delta T sarà molto superiore a 10 K. Di conseguenza il consumo di energia aumenterà rapidamente.</translation>
    </message>
    <message>
        <source>Sub-cooling is the temperature difference between saturated liquid temperature and actual liquid temperature.</source>
        <translation>Il sottoraffreddamento è la differenza tra la temperatura del liquido saturo e la temperatura effettiva del liquido.</translation>
    </message>
</context>
<context>
    <name>ResultMember</name>
    <message>
        <source>Net volume</source>
        <translation>Volume netto</translation>
    </message>
    <message>
        <source>Cabinet load</source>
        <translation>Carico del mobile</translation>
    </message>
    <message>
        <source>Door load</source>
        <translation>Carico della porta</translation>
    </message>
    <message>
        <source>Transmission load</source>
        <translation>Carico per trasmissione</translation>
    </message>
    <message>
        <source>Additional heat load</source>
        <translation>Carico termico aggiuntivo</translation>
    </message>
    <message>
        <source>Cool down load</source>
        <translation>Carico raffreddamento prodotti</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Compressor Selection Conditions</source>
        <translation>Condizioni per la scelta del compressore</translation>
    </message>
    <message>
        <source>Requested compressor capacity</source>
        <translation>Potenza frigorifera richiesta</translation>
    </message>
    <message>
        <source>T Evaporator</source>
        <translation>T evaporatore</translation>
    </message>
    <message>
        <source>T Condenser</source>
        <translation>T condensatore</translation>
    </message>
    <message>
        <source>Subcooling</source>
        <translation>Sottoraffreddamento</translation>
    </message>
</context>
<context>
    <name>SeekPanel</name>
    <message>
        <source>Goal seek</source>
        <translation>Ricerca obiettivo</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>C&amp;erca</translation>
    </message>
    <message>
        <source>&amp;Use answer</source>
        <translation>Usa solu&amp;zione</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Wanted value</source>
        <translation>Valore desiderato</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Soluzioni</translation>
    </message>
    <message>
        <source>so that r&amp;esult</source>
        <translation>in modo c&amp;he il risultato</translation>
    </message>
    <message>
        <source>= &amp;wanted value</source>
        <translation>= va&amp;lore desiderato</translation>
    </message>
    <message>
        <source>%1 gives %2.</source>
        <translation>Con %1 si ottiene %2.</translation>
    </message>
    <message>
        <source>The result is not monotone in this range: %1 gives %2 at each of %3.</source>
        <translation>Il risultato non è monotono in questo intervallo: si ottiene %2 con ciascuno di questi valori di %1: %3.</translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3: in this range the result runs from %4 to %5 %6.</source>
        <translation>Nessun valore tra %1 e %2 dà come risultato %3: in questo intervallo il risultato varia da %4 a %5 %6.</translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3.</source>
        <translation>Nessun valore tra %1 e %2 dà come risultato %3.</translation>
    </message>
    <message>
        <source>Part of the range stops at a check: %1</source>
        <translation>In una parte dell&apos;intervallo il calcolo si ferma a un controllo: %1</translation>
    </message>
    <message>
        <source>Find %1 from %2 to %3</source>
        <translation>Cerca %1 tra %2 e %3</translation>
    </message>
</context>
<context>
    <name>SheetPainter</name>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
</context>
<context>
    <name>SheetReading</name>
    <message>
        <source>From the last complete calculation: the current inputs stop at a check.</source>
        <translation>Dall&apos;ultimo calcolo completo: i dati inseriti attuali non superano un controllo.</translation>
    </message>
</context>
<context>
    <name>SpokenUnits</name>
    <message>
        <source>BTU per hour foot degree Fahrenheit</source>
        <translation>BTU all&apos;ora per piede per grado Fahrenheit</translation>
    </message>
    <message>
        <source>watts per metre kelvin</source>
        <translation>watt per metro kelvin</translation>
    </message>
    <message>
        <source>BTU per hour</source>
        <translation>BTU all&apos;ora</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>piedi cubi</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>gradi Celsius</translation>
    </message>
    <message>
        <source>degrees Fahrenheit</source>
        <translation>gradi Fahrenheit</translation>
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
        <translation>qui il calcolo si interrompe</translation>
    </message>
</context>
<context>
    <name>SweepRange</name>
    <message>
        <source>&apos;--sweep %1&apos;: expected NAME=FROM:TO:STEP with NAME a number input such as iDepth</source>
        <translation>&apos;--sweep %1&apos;: atteso NAME=FROM:TO:STEP, dove NAME è un dato numerico come iDepth</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: FROM, TO and STEP take numbers such as 455.55 or -7 (at most %2 whole digits and %3 decimals)</source>
        <translation>&apos;--sweep %1&apos;: FROM, TO e STEP accettano numeri come 455.55 o -7 (al massimo %2 cifre intere e %3 decimali)</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: STEP must lead from FROM to TO</source>
        <translation>&apos;--sweep %1&apos;: STEP deve portare da FROM a TO</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: more than %2 values</source>
        <translation>&apos;--sweep %1&apos;: più di %2 valori</translation>
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
        <translation>ore</translation>
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
        <translation>sì</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Variants side by side</source>
        <translation>Varianti a confronto</translation>
    </message>
    <message>
        <source>Comparison of the variants</source>
        <translation>Confronto delle varianti</translation>
    </message>
    <message>
        <source>Show ever&amp;y input</source>
        <translation>Mostra t&amp;utti i dati inseriti</translation>
    </message>
    <message>
        <source>&amp;Keep as variant</source>
        <translation>C&amp;onserva come variante</translation>
    </message>
    <message>
        <source>Open fi&amp;les...</source>
        <translation>Apri &amp;file...</translation>
    </message>
    <message>
        <source>&amp;Put back</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ri&amp;muovi</translation>
    </message>
    <message>
        <source>Save va&amp;riant as...</source>
        <translation>Salva varian&amp;te come...</translation>
    </message>
    <message>
        <source>Copy t&amp;able</source>
        <translation>Copia ta&amp;bella</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Open Calculations</source>
        <translation>Apri calcoli</translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation>Calcoli (*.%1)</translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation>Salva calcolo</translation>
    </message>
</context>
<context>
    <name>WebAddresses</name>
    <message>
        <source>Visit Nordavik on the Web</source>
        <translation>Visita Nordavik sul web</translation>
    </message>
</context>
<context>
    <name>WhatIfWindow</name>
    <message>
        <source>What If</source>
        <translation>Analisi what-if</translation>
    </message>
    <message>
        <source>Sweep chart</source>
        <translation>Grafico della variazione</translation>
    </message>
    <message>
        <source>Points of the sweep</source>
        <translation>Punti della variazione</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>&amp;Table of points</source>
        <translation>Tabella dei punti</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>&amp;Parametro:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Da:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;A:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>Pa&amp;ssi:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
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
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Tabelle CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Immagini SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation>Impossibile avviare il lavoro di stampa.</translation>
    </message>
</context>
</TS>
