<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Über Nordavik Kaldora</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Introduction:</source>
        <translation>Einführung:</translation>
    </message>
    <message>
        <source>This software allows the user to calculate the heat load of a refrigeration</source>
        <translation>Mit diesem Programm lässt sich die Wärmelast eines Kühlgeräts berechnen</translation>
    </message>
    <message>
        <source>system and specifies the appropriate compressor capacity.</source>
        <translation>und die passende Verdichterleistung bestimmen.</translation>
    </message>
    <message>
        <source>Installation and requirements:</source>
        <translation>Installation und Voraussetzungen:</translation>
    </message>
    <message>
        <source>This software is installed with its Debian package, dorarive</source>
        <translation>Das Programm wird mit seinem Debian-Paket dorarive installiert</translation>
    </message>
    <message>
        <source>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), which puts dorarive and</source>
        <translation>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), das dorarive und</translation>
    </message>
    <message>
        <source>dorarive-calc in /usr/bin and Nordavik Kaldora in the desktop menu;</source>
        <translation>dorarive-calc in /usr/bin und Nordavik Kaldora ins Desktop-Menü legt;</translation>
    </message>
    <message>
        <source>apt-get remove dorarive takes it off. De-installation removes the software again,</source>
        <translation>apt-get remove dorarive deinstalliert es. Dabei wird das Programm</translation>
    </message>
    <message>
        <source>completely, and very accurate, according to our experience.</source>
        <translation>nach unserer Erfahrung vollständig und sehr gründlich entfernt.</translation>
    </message>
    <message>
        <source>The inputs are kept between runs in</source>
        <translation>Die Eingaben bleiben gespeichert in</translation>
    </message>
    <message>
        <source>~/.config/Nordavik Frimo 042/dorarive.conf; a calculation can be kept in</source>
        <translation>~/.config/Nordavik Frimo 042/dorarive.conf; eine Berechnung lässt sich</translation>
    </message>
    <message>
        <source>a file of its own, NAME.kaldora (Open Ctrl-O, Save Ctrl-S).</source>
        <translation>als Datei NAME.kaldora sichern (Öffnen Strg-O, Speichern Strg-S).</translation>
    </message>
    <message>
        <source>Keys F1 Help, Ctrl-P Print, Alt-U Units, Alt-S Product Selection,</source>
        <translation>Tasten F1 Hilfe, Strg-P Drucken, Alt-U Einheiten, Alt-S Produktauswahl,</translation>
    </message>
    <message>
        <source>F10 or a right-click on the window every command.</source>
        <translation>F10 oder Rechtsklick ins Fenster für alle Befehle.</translation>
    </message>
    <message>
        <source>System requirements:</source>
        <translation>Systemanforderungen:</translation>
    </message>
    <message>
        <source>Min. screen height 768 pixels.</source>
        <translation>Bildschirmhöhe mind. 768 Pixel.</translation>
    </message>
    <message>
        <source>A 64-bit PC (amd64)</source>
        <translation>Ein 64-Bit-PC (amd64)</translation>
    </message>
    <message>
        <source>32 MB RAM min., 64 MB recommended</source>
        <translation>Mind. 32 MB RAM, 64 MB empfohlen</translation>
    </message>
    <message>
        <source>15 MB harddisk space</source>
        <translation>15 MB Speicherplatz</translation>
    </message>
    <message>
        <source>Debian 12 or a compatible Linux, on a GNOME, KDE Plasma or other</source>
        <translation>Debian 12 oder kompatibles Linux mit GNOME, KDE Plasma oder anderem</translation>
    </message>
    <message>
        <source>X11 or Wayland desktop</source>
        <translation>X11-/Wayland-Desktop</translation>
    </message>
    <message>
        <source>Disclaimer:

Nordavik can accept no responsibility for possible errors in this program. Nordavik reserves the right to alter its products without notice. All trademarks in this material are property of the respective companies.

</source>
        <translation>Haftungsausschluss:

Nordavik übernimmt keine Haftung für mögliche Fehler in diesem Programm. Nordavik behält sich das Recht vor, seine Produkte ohne Vorankündigung zu ändern. Alle in diesem Material genannten Marken sind Eigentum der jeweiligen Unternehmen.

</translation>
    </message>
    <message>
        <source>Help Info</source>
        <translation>Hilfeinformationen</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Energy</source>
        <translation>Leistung</translation>
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
        <translation>Temperatur</translation>
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
        <translation>λ-Wert</translation>
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
        <translation>Liter</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
</context>
<context>
    <name>CalcArguments</name>
    <message>
        <source>expected NAME=VALUE, got &apos;%1&apos;</source>
        <translation>NAME=VALUE erwartet, erhalten: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes 0 or 1</source>
        <translation>&apos;%1&apos;: %2 erwartet 0 oder 1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes a whole row number</source>
        <translation>&apos;%1&apos;: %2 erwartet eine ganzzahlige Zeilennummer</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes a number such as 455.55 or -7</source>
        <translation>&apos;%1&apos;: %2 erwartet eine Zahl wie 455.55 oder -7</translation>
    </message>
    <message>
        <source>unknown input name in &apos;%1&apos;</source>
        <translation>unbekannter Eingabename in &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CalcBatch</name>
    <message>
        <source>no value of %1 from %2 to %3 gives %4</source>
        <translation>kein Wert für %1 von %2 bis %3 ergibt %4</translation>
    </message>
</context>
<context>
    <name>CalcFile</name>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot;</source>
        <translation>unbekanntes Element &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not a calculation file: it has no &quot;format&quot; member</source>
        <translation>keine Berechnungsdatei: Das Element &quot;format&quot; fehlt</translation>
    </message>
    <message>
        <source>not a calculation file: its format is %1, not &quot;%2&quot;</source>
        <translation>keine Berechnungsdatei: Das Format ist %1, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <source>it has no &quot;version&quot; member</source>
        <translation>das Element &quot;version&quot; fehlt</translation>
    </message>
    <message>
        <source>version %1 is not known: this program reads version %2</source>
        <translation>Version %1 ist unbekannt: Dieses Programm liest Version %2</translation>
    </message>
    <message>
        <source>&quot;units&quot; is not an object, got %1</source>
        <translation>&quot;units&quot; ist kein Objekt, erhalten: %1</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot; in &quot;units&quot;</source>
        <translation>unbekanntes Element &quot;%1&quot; in &quot;units&quot;</translation>
    </message>
    <message>
        <source>&quot;inputs&quot; is not an object, got %1</source>
        <translation>&quot;inputs&quot; ist kein Objekt, erhalten: %1</translation>
    </message>
    <message>
        <source>%1 takes 0 or 1, got %2</source>
        <translation>%1 erwartet 0 oder 1, erhalten: %2</translation>
    </message>
    <message>
        <source>%1 takes a number such as 455.55 or -7, got %2</source>
        <translation>%1 erwartet eine Zahl wie 455.55 oder -7, erhalten: %2</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot; in &quot;inputs&quot;</source>
        <translation>unbekanntes Element &quot;%1&quot; in &quot;inputs&quot;</translation>
    </message>
    <message>
        <source>%1 takes a whole row number, got %2</source>
        <translation>%1 erwartet eine ganzzahlige Zeilennummer, erhalten: %2</translation>
    </message>
    <message>
        <source>%1 %2 is not a row of its table (0 to %3)</source>
        <translation>%1 %2 ist keine Zeile der zugehörigen Tabelle (0 bis %3)</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>kein gültiges JSON: %1</translation>
    </message>
    <message>
        <source>not a calculation file: the document is not a JSON object</source>
        <translation>keine Berechnungsdatei: Das Dokument ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: too large for a calculation file (over 1 MiB)</source>
        <translation>%1: zu groß für eine Berechnungsdatei (über 1 MiB)</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CalcFileCommands</name>
    <message>
        <source>The calculation in the window is unchanged.</source>
        <translation>Die Berechnung im Fenster bleibt unverändert.</translation>
    </message>
    <message>
        <source>The calculation was not saved; an existing file is left as it was.</source>
        <translation>Die Berechnung wurde nicht gespeichert; eine vorhandene Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation>Berechnung speichern</translation>
    </message>
    <message>
        <source>Open Calculation</source>
        <translation>Berechnung öffnen</translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation>Berechnungen (*.%1)</translation>
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
        <translation>Berechnet die Wärmelast und die erforderliche Verdichterleistung eines Kühlmöbels.
Beginnt mit den Eingaben des ersten Starts (mit --stored mit den vom Fenster gespeicherten
Eingaben, mit --open mit einer Berechnungsdatei), setzt die Eingaben NAME=VALUE (zuerst die
Einheiten, dann Auswahlen und Optionen, dann Zahlen) und gibt den Bericht aus. Mehrere
--open-Dateien oder ein --sweep ergeben je eine Berechnung; zwei --sweep-Optionen ein Raster.
--seek NAME RESULT=VALUE sucht den Wert von NAME, mit dem RESULT (ein Element der
JSON-Ergebnisse) den Wert VALUE annimmt, und gibt diese Berechnung aus.
Exit-Status: 0 berechnet, 1 an einer Eingabeprüfung gestoppt oder kein Wert gefunden, 2 Aufruf- oder Dateifehler.</translation>
    </message>
    <message>
        <source>Start from the inputs the window stored.</source>
        <translation>Mit den Eingaben beginnen, die das Fenster gespeichert hat.</translation>
    </message>
    <message>
        <source>Print one JSON object instead of the report.</source>
        <translation>Ein JSON-Objekt statt des Berichts ausgeben.</translation>
    </message>
    <message>
        <source>Print a table: a header row, then one row per calculation.</source>
        <translation>Eine Tabelle ausgeben: eine Kopfzeile, dann eine Zeile je Berechnung.</translation>
    </message>
    <message>
        <source>Start from a calculation file (repeat it for several files).</source>
        <translation>Mit einer Berechnungsdatei beginnen (für mehrere Dateien wiederholen).</translation>
    </message>
    <message>
        <source>Write the inputs to a calculation file.</source>
        <translation>Die Eingaben in eine Berechnungsdatei schreiben.</translation>
    </message>
    <message>
        <source>Calculate once for each value of a number input, e.g. iDepth=300:600:50 (at most 10000 values); twice for a grid (at most 100000 rows).</source>
        <translation>Einmal je Wert einer Zahleneingabe berechnen, z. B. iDepth=300:600:50 (höchstens 10000 Werte); zweimal angegeben ein Raster (höchstens 100000 Zeilen).</translation>
    </message>
    <message>
        <source>Find the value of a number input within its permitted range that gives a result, e.g. --seek iInsulation requestedCapacity=60.</source>
        <translation>Den Wert einer Zahleneingabe in ihrem zulässigen Bereich suchen, der ein Ergebnis ergibt, z. B. --seek iInsulation requestedCapacity=60.</translation>
    </message>
    <message>
        <source>An input, e.g. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.</source>
        <translation>Eine Eingabe, z. B. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.</translation>
    </message>
    <message>
        <source>--sweep: %1 twice</source>
        <translation>--sweep: %1 zweimal angegeben</translation>
    </message>
    <message>
        <source>--sweep: at most %1 rows, got %2</source>
        <translation>--sweep: höchstens %1 Zeilen, angefordert: %2</translation>
    </message>
    <message>
        <source>--seek: %1 is no number input</source>
        <translation>--seek: %1 ist keine Zahleneingabe</translation>
    </message>
    <message>
        <source>--seek %1 needs RESULT=VALUE, e.g. requestedCapacity=60</source>
        <translation>--seek %1 benötigt RESULT=VALUE, z. B. requestedCapacity=60</translation>
    </message>
    <message>
        <source>--seek: %1 takes a number such as 60 or -7.5, got &quot;%2&quot;</source>
        <translation>--seek: %1 erwartet eine Zahl wie 60 oder -7.5, erhalten: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--json and --csv: choose one output</source>
        <translation>--json und --csv: nur eine Ausgabe wählen</translation>
    </message>
    <message>
        <source>--open and --stored: choose where to start</source>
        <translation>--open und --stored: nur einen Ausgangspunkt wählen</translation>
    </message>
    <message>
        <source>--sweep: at most two inputs, for a grid</source>
        <translation>--sweep: höchstens zwei Eingaben, für ein Raster</translation>
    </message>
    <message>
        <source>--seek: one input at a time</source>
        <translation>--seek: jeweils nur eine Eingabe</translation>
    </message>
    <message>
        <source>--seek and --sweep: choose one</source>
        <translation>--seek und --sweep: nur eines von beiden wählen</translation>
    </message>
    <message>
        <source>--save: one file name</source>
        <translation>--save: genau ein Dateiname</translation>
    </message>
    <message>
        <source>--save writes one calculation, not several --open files, a --sweep or a --seek</source>
        <translation>--save schreibt nur eine Berechnung, nicht mehrere --open-Dateien, einen --sweep oder einen --seek</translation>
    </message>
</context>
<context>
    <name>ChangeGuard</name>
    <message>
        <source>Save changes to the current calculation?</source>
        <translation>Änderungen an der aktuellen Berechnung speichern?</translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1.</source>
        <translation>Die Eingaben konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Save them as a calculation file before closing?</source>
        <translation>Sollen sie vor dem Schließen als Berechnungsdatei gespeichert werden?</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Sweep chart</source>
        <translation>Variationsdiagramm</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Das Bild konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Checks</name>
    <message>
        <source>Invalid cabinet depth.</source>
        <translation>Ungültige Gehäusetiefe.</translation>
    </message>
    <message>
        <source>Invalid cabinet width.</source>
        <translation>Ungültige Gehäusebreite.</translation>
    </message>
    <message>
        <source>Invalid cabinet height.</source>
        <translation>Ungültige Gehäusehöhe.</translation>
    </message>
    <message>
        <source>Invalid door width.</source>
        <translation>Ungültige Türbreite.</translation>
    </message>
    <message>
        <source>Invalid door height.</source>
        <translation>Ungültige Türhöhe.</translation>
    </message>
    <message>
        <source>Start temp less than end temp.</source>
        <translation>Anfangstemperatur niedriger als Endtemperatur.</translation>
    </message>
    <message>
        <source>End temp less than box temp.</source>
        <translation>Endtemperatur niedriger als Innentemperatur.</translation>
    </message>
    <message>
        <source>Start temp invalid</source>
        <translation>Anfangstemperatur ungültig</translation>
    </message>
    <message>
        <source>Invalid cool down mass.</source>
        <translation>Ungültige Abkühlmasse.</translation>
    </message>
    <message>
        <source>Invalid cool down time.</source>
        <translation>Ungültige Abkühlzeit.</translation>
    </message>
    <message>
        <source>Ambient must be greater than box.</source>
        <translation>Die Umgebungstemperatur muss höher als die Innentemperatur sein.</translation>
    </message>
    <message>
        <source>Ambient temperature invalid.</source>
        <translation>Umgebungstemperatur ungültig.</translation>
    </message>
    <message>
        <source>Box temperature invalid.</source>
        <translation>Innentemperatur ungültig.</translation>
    </message>
    <message>
        <source>Evaporating temp invalid</source>
        <translation>Verdampfungstemperatur ungültig</translation>
    </message>
    <message>
        <source>Condensing temp invalid.</source>
        <translation>Verflüssigungstemperatur ungültig.</translation>
    </message>
    <message>
        <source>Invalid subcooling amount.</source>
        <translation>Ungültiger Wert für die Unterkühlung.</translation>
    </message>
    <message>
        <source>Evaporating temp greater than box temp.</source>
        <translation>Verdampfungstemperatur höher als Innentemperatur.</translation>
    </message>
    <message>
        <source>Invalid insulation thickness.</source>
        <translation>Ungültige Isolierdicke.</translation>
    </message>
    <message>
        <source>Invalid door insulation thickness.</source>
        <translation>Ungültige Isolierdicke der Tür.</translation>
    </message>
    <message>
        <source>Invalid door/lid openings load.</source>
        <translation>Ungültige Last durch Tür-/Deckelöffnungen.</translation>
    </message>
    <message>
        <source>Invalid fan load.</source>
        <translation>Ungültige Ventilatorlast.</translation>
    </message>
    <message>
        <source>Invalid light load.</source>
        <translation>Ungültige Beleuchtungslast.</translation>
    </message>
    <message>
        <source>Invalid antisweat load.</source>
        <translation>Ungültige Leistung der Rahmenheizung.</translation>
    </message>
    <message>
        <source>Invalid max runtime value.</source>
        <translation>Ungültiger Wert für die max. Laufzeit.</translation>
    </message>
    <message>
        <source>Invalid insulation k value.</source>
        <translation>Ungültiger λ-Wert der Isolierung.</translation>
    </message>
    <message>
        <source>Invalid door k value.</source>
        <translation>Ungültiger λ-Wert der Tür.</translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation>Fehler: %s</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>%d bis %d</translation>
    </message>
    <message>
        <source>%0.1f to %0.1f hours</source>
        <translation>%0.1f bis %0.1f Stunden</translation>
    </message>
    <message>
        <source>%d%s to %d%s</source>
        <translation>%d%s bis %d%s</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Warnung: %s</translation>
    </message>
</context>
<context>
    <name>CommandMenu</name>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Sav&amp;e</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Sa&amp;ve As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Einheiten...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>What &amp;If...</source>
        <translation>&amp;Was wäre, wenn...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Product &amp;Selection</source>
        <translation>&amp;Produktauswahl</translation>
    </message>
    <message>
        <source>Visit &amp;Nordavik on the Web</source>
        <translation>Nordavik im &amp;Internet besuchen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
</context>
<context>
    <name>DoraRiveDlg</name>
    <message>
        <source>The inputs could not be stored in %1; they are saved in %2</source>
        <translation>Die Eingaben konnten nicht in %1 gespeichert werden; sie wurden in %2 gesichert</translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1, nor saved to a file (%2); here they are:</source>
        <translation>Die Eingaben konnten weder in %1 gespeichert noch in einer Datei (%2) gesichert werden; hier sind sie:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation>Hilfeinformationen anzeigen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation>Aktuelle Berechnung drucken</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation>Einheiten festlegen</translation>
    </message>
    <message>
        <source>Product Selection</source>
        <translation>Produktauswahl</translation>
    </message>
    <message>
        <source>Product selection web pages.</source>
        <translation>Webseiten zur Produktauswahl.</translation>
    </message>
</context>
<context>
    <name>FormHelp</name>
    <message>
        <source>Outside air surrounding the appliance. It is recommended to use the most typical ambient temperature during a year. Be aware that load increases in very hot ambient conditions. If the compressor is selected for the highest ambient temperatures in the year, it may be oversized during the cooler period in winter.</source>
        <translation>Außenluft in der Umgebung des Geräts. Es wird empfohlen, die im Jahresverlauf typischste Umgebungstemperatur zu verwenden. Bei sehr hohen Umgebungstemperaturen steigt die Wärmelast. Wird der Verdichter für die höchsten Umgebungstemperaturen des Jahres ausgewählt, ist er in der kühleren Jahreszeit im Winter möglicherweise überdimensioniert.</translation>
    </message>
    <message>
        <source>Average temperature inside the appliance. Do not enter lower value than requested for the specific refrigerated goods, as heat load increases.</source>
        <translation>Mittlere Temperatur im Innenraum des Geräts. Keinen niedrigeren Wert eingeben, als für die jeweilige Kühlware erforderlich ist, da sonst die Wärmelast steigt.</translation>
    </message>
    <message>
        <source>Additional load added due to door or lid openings. In most cases the load is so small that it can be ignored. In case there are many openings per day it must be added. An up-right door opening will add more load than a lid opening on a chest cabinet.</source>
        <translation>Zusätzliche Wärmelast durch Tür- oder Deckelöffnungen. In den meisten Fällen ist diese Last so gering, dass sie vernachlässigt werden kann. Bei vielen Öffnungen pro Tag muss sie berücksichtigt werden. Das Öffnen einer Tür an einem stehenden Gerät verursacht mehr Last als das Öffnen des Deckels einer Truhe.</translation>
    </message>
    <message>
        <source>Heat elements or hot-gas pipe can be installed in the door frame to prevent humid air to condensate and form ice around the door. In most case this heat load can be ignored. If there is considerable anti-sweat load it must be added as heat load.</source>
        <translation>Im Türrahmen können Heizelemente oder eine Heißgasleitung eingebaut sein (Rahmenheizung), damit feuchte Luft nicht kondensiert und sich kein Eis um die Tür bildet. In den meisten Fällen kann diese Wärmelast vernachlässigt werden. Ist die Leistung der Rahmenheizung erheblich, muss sie als Wärmelast berücksichtigt werden.</translation>
    </message>
    <message>
        <source>The mass of goods that needs to be cooled down in a certain time from start to stop temperature. Be aware cool down load can be very high and will require a lot of compressor capacity. In most cases cool-down load can be ignore unless it is recurring on a daily basis. Latent heat in transition phase of liquid not incorporated. If in doubt contact Nordavik for further advice.</source>
        <translation>Die Masse der Ware, die in einer bestimmten Zeit von der Anfangs- auf die Endtemperatur abgekühlt werden muss. Die Abkühllast kann sehr hoch sein und erfordert dann viel Verdichterleistung. In den meisten Fällen kann die Abkühllast vernachlässigt werden, sofern sie nicht täglich wiederkehrt. Latente Wärme beim Phasenübergang von Flüssigkeiten ist nicht berücksichtigt. Im Zweifelsfall wenden Sie sich bitte an Nordavik.</translation>
    </message>
    <message>
        <source>It is recommended to have a maximum 75% running time of the compressor, in a thermostat cycle, in order to have some extra pull-down capacity or if load increases.</source>
        <translation>Es wird empfohlen, die Laufzeit des Verdichters in einem Thermostatzyklus auf höchstens 75% zu begrenzen, um Leistungsreserven für das Abkühlen oder für steigende Wärmelast zu haben.</translation>
    </message>
</context>
<context>
    <name>FormSheet</name>
    <message>
        <source>Conditions:</source>
        <translation>Bedingungen:</translation>
    </message>
    <message>
        <source>   Ambient temperature</source>
        <translation>   Umgebungstemperatur</translation>
    </message>
    <message>
        <source>   Temperature inside box</source>
        <translation>   Innentemperatur</translation>
    </message>
    <message>
        <source>   Detailed conditions</source>
        <translation>   Detaillierte Bedingungen</translation>
    </message>
    <message>
        <source>   Evaporating temperature</source>
        <translation>   Verdampfungstemperatur</translation>
    </message>
    <message>
        <source>   Condensing temperature</source>
        <translation>   Verflüssigungstemperatur</translation>
    </message>
    <message>
        <source>   Subcooling</source>
        <translation>   Unterkühlung</translation>
    </message>
    <message>
        <source>Cabinet Design:</source>
        <translation>Gehäuse:</translation>
    </message>
    <message>
        <source>   Depth (inner dimensions)</source>
        <translation>   Tiefe (Innenmaße)</translation>
    </message>
    <message>
        <source>   Width</source>
        <translation>   Breite</translation>
    </message>
    <message>
        <source>   Height</source>
        <translation>   Höhe</translation>
    </message>
    <message>
        <source>   Net volume</source>
        <translation>   Nettovolumen</translation>
    </message>
    <message>
        <source>   Insulation type</source>
        <translation>   Isolierstoff</translation>
    </message>
    <message>
        <source>   Insulation k value</source>
        <translation>   λ-Wert Isolierung</translation>
    </message>
    <message>
        <source>   Insulation thickness</source>
        <translation>   Isolierdicke</translation>
    </message>
    <message>
        <source>   Door has different insulation</source>
        <translation>   Tür mit abweichender Isolierung</translation>
    </message>
    <message>
        <source>Door Design:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>   Width (inner dimensions)</source>
        <translation>   Breite (Innenmaße)</translation>
    </message>
    <message>
        <source>Additional Heat Load:</source>
        <translation>Zusätzliche Wärmelast:</translation>
    </message>
    <message>
        <source>   Door or lid openings</source>
        <translation>   Tür-/Deckelöffnungen</translation>
    </message>
    <message>
        <source>   Light</source>
        <translation>   Beleuchtung</translation>
    </message>
    <message>
        <source>   Fan</source>
        <translation>   Ventilator</translation>
    </message>
    <message>
        <source>   Antisweat</source>
        <translation>   Rahmenheizung</translation>
    </message>
    <message>
        <source>Cool Down Load:</source>
        <translation>Abkühllast:</translation>
    </message>
    <message>
        <source>   Cool down mass</source>
        <translation>   Abkühlmasse</translation>
    </message>
    <message>
        <source>   Type of product</source>
        <translation>   Warenart</translation>
    </message>
    <message>
        <source>   Start temperature</source>
        <translation>   Anfangstemperatur</translation>
    </message>
    <message>
        <source>   End temperature</source>
        <translation>   Endtemperatur</translation>
    </message>
    <message>
        <source>   Cool down time</source>
        <translation>   Abkühlzeit</translation>
    </message>
    <message>
        <source>Compressor:</source>
        <translation>Verdichter:</translation>
    </message>
    <message>
        <source>   Max runtime</source>
        <translation>   Max. Laufzeit</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Wärmelast:</translation>
    </message>
    <message>
        <source>   Cabinet load</source>
        <translation>   Gehäuselast</translation>
    </message>
    <message>
        <source>   Door load</source>
        <translation>   Türlast</translation>
    </message>
    <message>
        <source>   Additional heat load</source>
        <translation>   Zusätzliche Wärmelast</translation>
    </message>
    <message>
        <source>   Cool down load</source>
        <translation>   Abkühllast</translation>
    </message>
</context>
<context>
    <name>InputRounds</name>
    <message>
        <source>%1 ignored: its material is not &quot;Customized&quot;</source>
        <translation>%1 ignoriert: Das Material ist nicht „Benutzerdefiniert“</translation>
    </message>
</context>
<context>
    <name>Materials</name>
    <message>
        <source>Customized</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Polyurethane foam</source>
        <translation>PU-Schaum</translation>
    </message>
    <message>
        <source>Cyclopentane</source>
        <translation>Cyclopentan</translation>
    </message>
    <message>
        <source>Polystyrol</source>
        <translation>Polystyrol</translation>
    </message>
    <message>
        <source>Rockwool</source>
        <translation>Steinwolle</translation>
    </message>
    <message>
        <source>Glass 2 layer</source>
        <translation>Zweifachverglasung</translation>
    </message>
    <message>
        <source>Glass 3 layer</source>
        <translation>Dreifachverglasung</translation>
    </message>
    <message>
        <source>Glass &apos;Super low energy&apos;</source>
        <translation>Glas „Super Low Energy“</translation>
    </message>
</context>
<context>
    <name>NumericBehavior</name>
    <message>
        <source>Please specify a valid numeric value.</source>
        <translation>Bitte einen gültigen Zahlenwert angeben.</translation>
    </message>
    <message>
        <source>Please specify a numeric value between </source>
        <translation>Erforderlich ist ein Zahlenwert zwischen </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Please specify a numeric value greater than or equal to </source>
        <translation>Erforderlich ist ein Zahlenwert größer oder gleich </translation>
    </message>
    <message>
        <source>Please specify a numeric value less than or equal to </source>
        <translation>Erforderlich ist ein Zahlenwert kleiner oder gleich </translation>
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
        <translation>Der für Webseiten registrierte Webbrowser
konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The web browser registered for web pages
is not installed.</source>
        <translation>Der für Webseiten registrierte Webbrowser
ist nicht installiert.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für diesen Vorgang war nicht genügend Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Es ist eine Freigabeverletzung aufgetreten. </translation>
    </message>
    <message>
        <source>xdg-open could not open it, and the web browser
registered for web pages ended with an error.</source>
        <translation>xdg-open konnte die Adresse nicht öffnen, und der für
Webseiten registrierte Webbrowser wurde mit einem Fehler beendet.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen
werden, weil die Anfrage zu lange gedauert hat.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen
werden, weil gerade andere DDE-Transaktionen
verarbeitet wurden.</translation>
    </message>
    <message>
        <source>xdg-open could not open it, and no web browser
is registered for web pages (text/html).</source>
        <translation>xdg-open konnte die Adresse nicht öffnen, und für
Webseiten (text/html) ist kein Webbrowser registriert.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene DLL (Dynamic Link Library) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ein unbekannter Fehler (%1) ist aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Der Link konnte nicht geöffnet werden:

</translation>
    </message>
    <message>
        <source>To open it in a browser by hand, copy the address:</source>
        <translation>Kopieren Sie die Adresse, um sie von Hand in einem Browser zu öffnen:</translation>
    </message>
</context>
<context>
    <name>Products</name>
    <message>
        <source>Cream</source>
        <translation>Sahne</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Speiseeis</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Milch</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Käse</translation>
    </message>
    <message>
        <source>Butter</source>
        <translation>Butter</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Brot</translation>
    </message>
    <message>
        <source>Beer</source>
        <translation>Bier</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Poultry</source>
        <translation>Geflügel</translation>
    </message>
    <message>
        <source>Sheep meagre</source>
        <translation>Schaffleisch, mager</translation>
    </message>
    <message>
        <source>Veal</source>
        <translation>Kalbfleisch</translation>
    </message>
    <message>
        <source>Lamb</source>
        <translation>Lammfleisch</translation>
    </message>
    <message>
        <source>Beef</source>
        <translation>Rindfleisch</translation>
    </message>
    <message>
        <source>Sausage</source>
        <translation>Wurst</translation>
    </message>
    <message>
        <source>Pork</source>
        <translation>Schweinefleisch</translation>
    </message>
    <message>
        <source>Fish meagre</source>
        <translation>Fisch, mager</translation>
    </message>
    <message>
        <source>Fisk fat</source>
        <translation>Fisch, fett</translation>
    </message>
    <message>
        <source>Vegetables (average)</source>
        <translation>Gemüse (Durchschnitt)</translation>
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
        <translation>Wärmelasten: Nordavik Engineering</translation>
    </message>
    <message>
        <source>Program: the Kaldora team</source>
        <translation>Programm: das Kaldora-Team</translation>
    </message>
    <message>
        <source>Nordavik and Kaldora are trademarks of Nordavik. All rights reserved.</source>
        <translation>Nordavik und Kaldora sind Marken von Nordavik. Alle Rechte vorbehalten.</translation>
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
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>ReportLines</name>
    <message>
        <source>Compressor Selection Conditions:</source>
        <translation>Bedingungen für die Verdichterauswahl:</translation>
    </message>
</context>
<context>
    <name>RescueFile</name>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>ResultHelp</name>
    <message>
        <source>Cooling capacity required to remove the heat load. In the calculation the maximum runtime value has been multiplied.</source>
        <translation>Kälteleistung, die zum Abführen der Wärmelast erforderlich ist. Die max. Laufzeit ist in der Berechnung bereits berücksichtigt.</translation>
    </message>
    <message>
        <source>T Evaporator is a calculated value based on the Temperature inside the box – 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the evaporator design, type and effectiveness of heat exchange the delta t may be higher or lower. If the compressor capacity is much higher than the heat load then the delta will also be much bigger. In that case V-speed compressors have the advantage that speed can be adapted to the heat load, and thereby save energy and maybe go one size down in compressor displacement. Contact Nordavik for more info. When selecting the compressor and there is a big deviation to the suggested T evaporator temperature, the compressor must be selected at the lower or higher evaporator temperature.</source>
        <translation>T Verdampfer ist ein berechneter Wert: nach der Faustregel die Innentemperatur – 10 Grad. Die Temperaturdifferenz Delta t beträgt dann 10 K. Je nach Bauart und Typ des Verdampfers und Wirksamkeit des Wärmeübergangs kann Delta t höher oder niedriger sein. Ist die Verdichterleistung viel höher als die Wärmelast, wird auch Delta t wesentlich größer. In diesem Fall haben drehzahlgeregelte Verdichter den Vorteil, dass die Drehzahl an die Wärmelast angepasst werden kann; so lässt sich Energie sparen und der Verdichter eventuell eine Baugröße (Hubvolumen) kleiner wählen. Weitere Informationen erhalten Sie bei Nordavik. Weicht die Verdampfungstemperatur bei der Verdichterauswahl stark vom vorgeschlagenen Wert T Verdampfer ab, muss der Verdichter für die niedrigere bzw. höhere Verdampfungstemperatur ausgewählt werden.</translation>
    </message>
    <message>
        <source>T Condenser is a calculated value based on Ambient temperature + 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the condenser design, type and effectiveness of heat exchange the delta t may be higher or lower. If the condenser is undersized delta T will be much higher than 10K. Consequently energy consumption will increase rapidly.</source>
        <translation>T Verflüssiger ist ein berechneter Wert: nach der Faustregel die Umgebungstemperatur + 10 Grad. Die Temperaturdifferenz Delta t beträgt dann 10 K. Je nach Bauart und Typ des Verflüssigers und Wirksamkeit des Wärmeübergangs kann Delta t höher oder niedriger sein. Ist der Verflüssiger unterdimensioniert, liegt Delta t deutlich über 10 K. Dadurch steigt der Energieverbrauch rasch an.</translation>
    </message>
    <message>
        <source>Sub-cooling is the temperature difference between saturated liquid temperature and actual liquid temperature.</source>
        <translation>Die Unterkühlung ist die Temperaturdifferenz zwischen der Sättigungstemperatur und der tatsächlichen Temperatur des flüssigen Kältemittels.</translation>
    </message>
</context>
<context>
    <name>ResultMember</name>
    <message>
        <source>Net volume</source>
        <translation>Nettovolumen</translation>
    </message>
    <message>
        <source>Cabinet load</source>
        <translation>Gehäuselast</translation>
    </message>
    <message>
        <source>Door load</source>
        <translation>Türlast</translation>
    </message>
    <message>
        <source>Transmission load</source>
        <translation>Transmissionslast</translation>
    </message>
    <message>
        <source>Additional heat load</source>
        <translation>Zusätzliche Wärmelast</translation>
    </message>
    <message>
        <source>Cool down load</source>
        <translation>Abkühllast</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Compressor Selection Conditions</source>
        <translation>Bedingungen für die Verdichterauswahl</translation>
    </message>
    <message>
        <source>Requested compressor capacity</source>
        <translation>Erforderliche Verdichterleistung</translation>
    </message>
    <message>
        <source>T Evaporator</source>
        <translation>T Verdampfer</translation>
    </message>
    <message>
        <source>T Condenser</source>
        <translation>T Verflüssiger</translation>
    </message>
    <message>
        <source>Subcooling</source>
        <translation>Unterkühlung</translation>
    </message>
</context>
<context>
    <name>SeekPanel</name>
    <message>
        <source>Goal seek</source>
        <translation>Zielwertsuche</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Use answer</source>
        <translation>Antwort &amp;übernehmen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Wanted value</source>
        <translation>Zielwert</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>so that r&amp;esult</source>
        <translation>sodass &amp;Ergebnis</translation>
    </message>
    <message>
        <source>= &amp;wanted value</source>
        <translation>= Ziel&amp;wert</translation>
    </message>
    <message>
        <source>%1 gives %2.</source>
        <translation>%1 ergibt %2.</translation>
    </message>
    <message>
        <source>The result is not monotone in this range: %1 gives %2 at each of %3.</source>
        <translation>Das Ergebnis ist in diesem Bereich nicht monoton: %1 ergibt %2 bei jedem der Werte %3.</translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3: in this range the result runs from %4 to %5 %6.</source>
        <translation>Kein Wert von %1 bis %2 ergibt %3: In diesem Bereich reicht das Ergebnis von %4 bis %5 %6.</translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3.</source>
        <translation>Kein Wert von %1 bis %2 ergibt %3.</translation>
    </message>
    <message>
        <source>Part of the range stops at a check: %1</source>
        <translation>In einem Teil des Bereichs greift eine Eingabeprüfung: %1</translation>
    </message>
    <message>
        <source>Find %1 from %2 to %3</source>
        <translation>%1 von %2 bis %3 suchen</translation>
    </message>
</context>
<context>
    <name>SheetPainter</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>SheetReading</name>
    <message>
        <source>From the last complete calculation: the current inputs stop at a check.</source>
        <translation>Aus der letzten vollständigen Berechnung: Die aktuellen Eingaben bestehen eine Eingabeprüfung nicht.</translation>
    </message>
</context>
<context>
    <name>SpokenUnits</name>
    <message>
        <source>BTU per hour foot degree Fahrenheit</source>
        <translation>BTU pro Stunde, Fuß und Grad Fahrenheit</translation>
    </message>
    <message>
        <source>watts per metre kelvin</source>
        <translation>Watt pro Meter und Kelvin</translation>
    </message>
    <message>
        <source>BTU per hour</source>
        <translation>BTU pro Stunde</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>Grad Celsius</translation>
    </message>
    <message>
        <source>degrees Fahrenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <source>kelvin</source>
        <translation>Kelvin</translation>
    </message>
</context>
<context>
    <name>SweepChart</name>
    <message>
        <source>the calculation stops here</source>
        <translation>hier bricht die Berechnung ab</translation>
    </message>
</context>
<context>
    <name>SweepRange</name>
    <message>
        <source>&apos;--sweep %1&apos;: expected NAME=FROM:TO:STEP with NAME a number input such as iDepth</source>
        <translation>&apos;--sweep %1&apos;: NAME=FROM:TO:STEP erwartet, wobei NAME eine Zahleneingabe wie iDepth ist</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: FROM, TO and STEP take numbers such as 455.55 or -7 (at most %2 whole digits and %3 decimals)</source>
        <translation>&apos;--sweep %1&apos;: FROM, TO und STEP erwarten Zahlen wie 455.55 oder -7 (höchstens %2 Vorkomma- und %3 Nachkommastellen)</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: STEP must lead from FROM to TO</source>
        <translation>&apos;--sweep %1&apos;: STEP muss von FROM nach TO führen</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: more than %2 values</source>
        <translation>&apos;--sweep %1&apos;: mehr als %2 Werte</translation>
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
        <translation>Stunden</translation>
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
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Variants side by side</source>
        <translation>Varianten nebeneinander</translation>
    </message>
    <message>
        <source>Comparison of the variants</source>
        <translation>Vergleich der Varianten</translation>
    </message>
    <message>
        <source>Show ever&amp;y input</source>
        <translation>&amp;Alle Eingaben anzeigen</translation>
    </message>
    <message>
        <source>&amp;Keep as variant</source>
        <translation>A&amp;ls Variante behalten</translation>
    </message>
    <message>
        <source>Open fi&amp;les...</source>
        <translation>Dateien ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Put back</source>
        <translation>In Berechnung überneh&amp;men</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Save va&amp;riant as...</source>
        <translation>Variante speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Copy t&amp;able</source>
        <translation>&amp;Tabelle kopieren</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Open Calculations</source>
        <translation>Berechnungen öffnen</translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation>Berechnungen (*.%1)</translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation>Berechnung speichern</translation>
    </message>
</context>
<context>
    <name>WebAddresses</name>
    <message>
        <source>Visit Nordavik on the Web</source>
        <translation>Nordavik im Internet besuchen</translation>
    </message>
</context>
<context>
    <name>WhatIfWindow</name>
    <message>
        <source>What If</source>
        <translation>Was wäre, wenn</translation>
    </message>
    <message>
        <source>Sweep chart</source>
        <translation>Variationsdiagramm</translation>
    </message>
    <message>
        <source>Points of the sweep</source>
        <translation>Punkte der Variation</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>&amp;Table of points</source>
        <translation>&amp;Punktetabelle</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>E&amp;ingabe:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>Sc&amp;hritte:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>CS&amp;V...</source>
        <translation>&amp;CSV...</translation>
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
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>CSV-Tabellen (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation>Der Drucker konnte den Auftrag nicht starten.</translation>
    </message>
</context>
</TS>
