<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Introduction:</source>
        <translation>Introduction :</translation>
    </message>
    <message>
        <source>This software allows the user to calculate the heat load of a refrigeration</source>
        <translation>Ce logiciel calcule la charge thermique d’une installation frigorifique</translation>
    </message>
    <message>
        <source>system and specifies the appropriate compressor capacity.</source>
        <translation>et indique la puissance frigorifique requise du compresseur.</translation>
    </message>
    <message>
        <source>Installation and requirements:</source>
        <translation>Installation et prérequis :</translation>
    </message>
    <message>
        <source>This software is installed with its Debian package, dorarive</source>
        <translation>Ce logiciel est installé avec son paquet Debian, dorarive</translation>
    </message>
    <message>
        <source>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), which puts dorarive and</source>
        <translation>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), qui place dorarive et</translation>
    </message>
    <message>
        <source>dorarive-calc in /usr/bin and Nordavik Kaldora in the desktop menu;</source>
        <translation>dorarive-calc dans /usr/bin et Nordavik Kaldora dans le menu du bureau ;</translation>
    </message>
    <message>
        <source>apt-get remove dorarive takes it off. De-installation removes the software again,</source>
        <translation>apt-get remove dorarive le retire. La désinstallation supprime le logiciel,</translation>
    </message>
    <message>
        <source>completely, and very accurate, according to our experience.</source>
        <translation>complètement et très proprement, selon notre expérience.</translation>
    </message>
    <message>
        <source>The inputs are kept between runs in</source>
        <translation>Entre deux sessions, les saisies restent dans</translation>
    </message>
    <message>
        <source>~/.config/Nordavik Frimo 042/dorarive.conf; a calculation can be kept in</source>
        <translation>~/.config/Nordavik Frimo 042/dorarive.conf ; un calcul s’enregistre dans</translation>
    </message>
    <message>
        <source>a file of its own, NAME.kaldora (Open Ctrl-O, Save Ctrl-S).</source>
        <translation>un fichier à part, NOM.kaldora (Ouvrir Ctrl-O, Enregistrer Ctrl-S).</translation>
    </message>
    <message>
        <source>Keys F1 Help, Ctrl-P Print, Alt-U Units, Alt-S Product Selection,</source>
        <translation>F1 Aide, Ctrl-P Imprimer, Alt-U Unités, Alt-S Sélection de produits,</translation>
    </message>
    <message>
        <source>F10 or a right-click on the window every command.</source>
        <translation>F10 ou clic droit dans la fenêtre, toutes les commandes.</translation>
    </message>
    <message>
        <source>System requirements:</source>
        <translation>Configuration requise :</translation>
    </message>
    <message>
        <source>Min. screen height 768 pixels.</source>
        <translation>Hauteur d’écran min. 768 pixels.</translation>
    </message>
    <message>
        <source>A 64-bit PC (amd64)</source>
        <translation>Un PC 64 bits (amd64)</translation>
    </message>
    <message>
        <source>32 MB RAM min., 64 MB recommended</source>
        <translation>32 Mo de RAM min., 64 Mo recommandés</translation>
    </message>
    <message>
        <source>15 MB harddisk space</source>
        <translation>15 Mo d’espace disque</translation>
    </message>
    <message>
        <source>Debian 12 or a compatible Linux, on a GNOME, KDE Plasma or other</source>
        <translation>Debian 12 ou un Linux compatible, sous GNOME, KDE Plasma ou un autre</translation>
    </message>
    <message>
        <source>X11 or Wayland desktop</source>
        <translation>bureau X11 ou Wayland</translation>
    </message>
    <message>
        <source>Disclaimer:

Nordavik can accept no responsibility for possible errors in this program. Nordavik reserves the right to alter its products without notice. All trademarks in this material are property of the respective companies.

</source>
        <translation>Avertissement&#xa0;:

Nordavik décline toute responsabilité pour d&apos;éventuelles erreurs dans ce programme. Nordavik se réserve le droit de modifier ses produits sans préavis. Toutes les marques citées dans ce document appartiennent à leurs propriétaires respectifs.

</translation>
    </message>
    <message>
        <source>Help Info</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Energy</source>
        <translation>Puissance</translation>
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
        <translation>Température</translation>
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
        <translation>Conductivité λ</translation>
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
        <translation>litres</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>pieds cubes</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>kilogrammes</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>livres</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
</context>
<context>
    <name>CalcArguments</name>
    <message>
        <source>expected NAME=VALUE, got &apos;%1&apos;</source>
        <translation>NAME=VALUE attendu, reçu&#xa0;: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes 0 or 1</source>
        <translation>&apos;%1&apos;&#xa0;: %2 attend 0 ou 1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes a whole row number</source>
        <translation>&apos;%1&apos;&#xa0;: %2 attend un numéro de ligne entier</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 takes a number such as 455.55 or -7</source>
        <translation>&apos;%1&apos;&#xa0;: %2 attend un nombre tel que 455.55 ou -7</translation>
    </message>
    <message>
        <source>unknown input name in &apos;%1&apos;</source>
        <translation>nom de saisie inconnu dans &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CalcBatch</name>
    <message>
        <source>no value of %1 from %2 to %3 gives %4</source>
        <translation>aucune valeur de %1 entre %2 et %3 ne donne %4</translation>
    </message>
</context>
<context>
    <name>CalcFile</name>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot;</source>
        <translation>membre &quot;%1&quot; inconnu</translation>
    </message>
    <message>
        <source>not a calculation file: it has no &quot;format&quot; member</source>
        <translation>pas un fichier de calcul&#xa0;: le membre &quot;format&quot; est absent</translation>
    </message>
    <message>
        <source>not a calculation file: its format is %1, not &quot;%2&quot;</source>
        <translation>pas un fichier de calcul&#xa0;: son format est %1, et non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>it has no &quot;version&quot; member</source>
        <translation>le membre &quot;version&quot; est absent</translation>
    </message>
    <message>
        <source>version %1 is not known: this program reads version %2</source>
        <translation>version %1 inconnue&#xa0;: ce programme lit la version %2</translation>
    </message>
    <message>
        <source>&quot;units&quot; is not an object, got %1</source>
        <translation>&quot;units&quot; n’est pas un objet, reçu&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot; in &quot;units&quot;</source>
        <translation>membre &quot;%1&quot; inconnu dans &quot;units&quot;</translation>
    </message>
    <message>
        <source>&quot;inputs&quot; is not an object, got %1</source>
        <translation>&quot;inputs&quot; n’est pas un objet, reçu&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 takes 0 or 1, got %2</source>
        <translation>%1 attend 0 ou 1, reçu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 takes a number such as 455.55 or -7, got %2</source>
        <translation>%1 attend un nombre tel que 455.55 ou -7, reçu&#xa0;: %2</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot; in &quot;inputs&quot;</source>
        <translation>membre &quot;%1&quot; inconnu dans &quot;inputs&quot;</translation>
    </message>
    <message>
        <source>%1 takes a whole row number, got %2</source>
        <translation>%1 attend un numéro de ligne entier, reçu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 %2 is not a row of its table (0 to %3)</source>
        <translation>%1 %2 n’est pas une ligne de sa table (0 à %3)</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a calculation file: the document is not a JSON object</source>
        <translation>pas un fichier de calcul&#xa0;: le document n’est pas un objet JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1&#xa0;: lecture impossible&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: too large for a calculation file (over 1 MiB)</source>
        <translation>%1&#xa0;: trop volumineux pour un fichier de calcul (plus de 1 Mio)</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1&#xa0;: ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1&#xa0;: écriture impossible&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CalcFileCommands</name>
    <message>
        <source>The calculation in the window is unchanged.</source>
        <translation>Le calcul affiché dans la fenêtre n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The calculation was not saved; an existing file is left as it was.</source>
        <translation>Le calcul n&apos;a pas été enregistré&#xa0;; un fichier existant reste inchangé.</translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation>Enregistrer le calcul</translation>
    </message>
    <message>
        <source>Open Calculation</source>
        <translation>Ouvrir un calcul</translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation>Calculs (*.%1)</translation>
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
        <translation>Calcule la charge thermique et la puissance frigorifique requise d’un meuble frigorifique.
Part des saisies du premier lancement (ou, avec --stored, des saisies enregistrées par la
fenêtre, ou, avec --open, d’un fichier de calcul), applique les saisies NAME=VALUE (d’abord les
unités, puis les sélections et les options, puis les nombres) et affiche le rapport. Plusieurs
fichiers --open ou un --sweep donnent chacun un calcul&#xa0;; deux options --sweep donnent une grille.
--seek NAME RESULT=VALUE cherche la valeur de NAME pour laquelle RESULT (un membre des résultats
JSON) vaut VALUE, et affiche ce calcul.
Code de sortie&#xa0;: 0 calculé, 1 arrêté par un contrôle de saisie ou aucune valeur trouvée, 2 erreur d’utilisation ou de fichier.</translation>
    </message>
    <message>
        <source>Start from the inputs the window stored.</source>
        <translation>Partir des saisies enregistrées par la fenêtre.</translation>
    </message>
    <message>
        <source>Print one JSON object instead of the report.</source>
        <translation>Afficher un objet JSON au lieu du rapport.</translation>
    </message>
    <message>
        <source>Print a table: a header row, then one row per calculation.</source>
        <translation>Afficher un tableau&#xa0;: une ligne d’en-tête, puis une ligne par calcul.</translation>
    </message>
    <message>
        <source>Start from a calculation file (repeat it for several files).</source>
        <translation>Partir d’un fichier de calcul (à répéter pour plusieurs fichiers).</translation>
    </message>
    <message>
        <source>Write the inputs to a calculation file.</source>
        <translation>Écrire les saisies dans un fichier de calcul.</translation>
    </message>
    <message>
        <source>Calculate once for each value of a number input, e.g. iDepth=300:600:50 (at most 10000 values); twice for a grid (at most 100000 rows).</source>
        <translation>Calculer une fois pour chaque valeur d’une saisie numérique, p. ex. iDepth=300:600:50 (10000 valeurs au plus)&#xa0;; deux fois pour une grille (100000 lignes au plus).</translation>
    </message>
    <message>
        <source>Find the value of a number input within its permitted range that gives a result, e.g. --seek iInsulation requestedCapacity=60.</source>
        <translation>Chercher, dans sa plage admise, la valeur d’une saisie numérique qui donne un résultat, p. ex. --seek iInsulation requestedCapacity=60.</translation>
    </message>
    <message>
        <source>An input, e.g. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.</source>
        <translation>Une saisie, p. ex. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.</translation>
    </message>
    <message>
        <source>--sweep: %1 twice</source>
        <translation>--sweep&#xa0;: %1 indiqué deux fois</translation>
    </message>
    <message>
        <source>--sweep: at most %1 rows, got %2</source>
        <translation>--sweep&#xa0;: %1 lignes au plus, demandées&#xa0;: %2</translation>
    </message>
    <message>
        <source>--seek: %1 is no number input</source>
        <translation>--seek&#xa0;: %1 n’est pas une saisie numérique</translation>
    </message>
    <message>
        <source>--seek %1 needs RESULT=VALUE, e.g. requestedCapacity=60</source>
        <translation>--seek %1 nécessite RESULT=VALUE, p. ex. requestedCapacity=60</translation>
    </message>
    <message>
        <source>--seek: %1 takes a number such as 60 or -7.5, got &quot;%2&quot;</source>
        <translation>--seek&#xa0;: %1 attend un nombre tel que 60 ou -7.5, reçu&#xa0;: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--json and --csv: choose one output</source>
        <translation>--json et --csv&#xa0;: choisissez un seul format de sortie</translation>
    </message>
    <message>
        <source>--open and --stored: choose where to start</source>
        <translation>--open et --stored&#xa0;: choisissez un seul point de départ</translation>
    </message>
    <message>
        <source>--sweep: at most two inputs, for a grid</source>
        <translation>--sweep&#xa0;: deux saisies au plus, pour une grille</translation>
    </message>
    <message>
        <source>--seek: one input at a time</source>
        <translation>--seek&#xa0;: une seule saisie à la fois</translation>
    </message>
    <message>
        <source>--seek and --sweep: choose one</source>
        <translation>--seek et --sweep&#xa0;: choisissez l’un des deux</translation>
    </message>
    <message>
        <source>--save: one file name</source>
        <translation>--save&#xa0;: un seul nom de fichier</translation>
    </message>
    <message>
        <source>--save writes one calculation, not several --open files, a --sweep or a --seek</source>
        <translation>--save écrit un seul calcul, et non plusieurs fichiers --open, un --sweep ou un --seek</translation>
    </message>
</context>
<context>
    <name>ChangeGuard</name>
    <message>
        <source>Save changes to the current calculation?</source>
        <translation>Enregistrer les modifications du calcul en cours&#xa0;?</translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1.</source>
        <translation>Les saisies n&apos;ont pas pu être enregistrées dans %1.</translation>
    </message>
    <message>
        <source>Save them as a calculation file before closing?</source>
        <translation>Les enregistrer dans un fichier de calcul avant de fermer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Sweep chart</source>
        <translation>Graphique de variation</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>L&apos;image n&apos;a pas pu être écrite.</translation>
    </message>
</context>
<context>
    <name>Checks</name>
    <message>
        <source>Invalid cabinet depth.</source>
        <translation>Profondeur du meuble non valide.</translation>
    </message>
    <message>
        <source>Invalid cabinet width.</source>
        <translation>Largeur du meuble non valide.</translation>
    </message>
    <message>
        <source>Invalid cabinet height.</source>
        <translation>Hauteur du meuble non valide.</translation>
    </message>
    <message>
        <source>Invalid door width.</source>
        <translation>Largeur de porte non valide.</translation>
    </message>
    <message>
        <source>Invalid door height.</source>
        <translation>Hauteur de porte non valide.</translation>
    </message>
    <message>
        <source>Start temp less than end temp.</source>
        <translation>Température initiale inférieure à la température finale.</translation>
    </message>
    <message>
        <source>End temp less than box temp.</source>
        <translation>Température finale inférieure à la température intérieure.</translation>
    </message>
    <message>
        <source>Start temp invalid</source>
        <translation>Température initiale non valide</translation>
    </message>
    <message>
        <source>Invalid cool down mass.</source>
        <translation>Masse à mettre en froid non valide.</translation>
    </message>
    <message>
        <source>Invalid cool down time.</source>
        <translation>Durée de mise en froid non valide.</translation>
    </message>
    <message>
        <source>Ambient must be greater than box.</source>
        <translation>La température ambiante doit être supérieure à la température intérieure.</translation>
    </message>
    <message>
        <source>Ambient temperature invalid.</source>
        <translation>Température ambiante non valide.</translation>
    </message>
    <message>
        <source>Box temperature invalid.</source>
        <translation>Température intérieure non valide.</translation>
    </message>
    <message>
        <source>Evaporating temp invalid</source>
        <translation>Température d&apos;évaporation non valide</translation>
    </message>
    <message>
        <source>Condensing temp invalid.</source>
        <translation>Température de condensation non valide.</translation>
    </message>
    <message>
        <source>Invalid subcooling amount.</source>
        <translation>Valeur de sous-refroidissement non valide.</translation>
    </message>
    <message>
        <source>Evaporating temp greater than box temp.</source>
        <translation>Température d&apos;évaporation supérieure à la température intérieure.</translation>
    </message>
    <message>
        <source>Invalid insulation thickness.</source>
        <translation>Épaisseur d&apos;isolation non valide.</translation>
    </message>
    <message>
        <source>Invalid door insulation thickness.</source>
        <translation>Épaisseur d&apos;isolation de la porte non valide.</translation>
    </message>
    <message>
        <source>Invalid door/lid openings load.</source>
        <translation>Charge due aux ouvertures de porte/couvercle non valide.</translation>
    </message>
    <message>
        <source>Invalid fan load.</source>
        <translation>Charge du ventilateur non valide.</translation>
    </message>
    <message>
        <source>Invalid light load.</source>
        <translation>Charge de l&apos;éclairage non valide.</translation>
    </message>
    <message>
        <source>Invalid antisweat load.</source>
        <translation>Charge de la résistance anti-buée non valide.</translation>
    </message>
    <message>
        <source>Invalid max runtime value.</source>
        <translation>Temps de marche max. non valide.</translation>
    </message>
    <message>
        <source>Invalid insulation k value.</source>
        <translation>Conductivité λ de l&apos;isolant non valide.</translation>
    </message>
    <message>
        <source>Invalid door k value.</source>
        <translation>Conductivité λ de l&apos;isolant de porte non valide.</translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation>Erreur&#xa0;: %s</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>%d à %d</translation>
    </message>
    <message>
        <source>%0.1f to %0.1f hours</source>
        <translation>%0.1f à %0.1f heures</translation>
    </message>
    <message>
        <source>%d%s to %d%s</source>
        <translation>%d%s à %d%s</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Attention&#xa0;: %s</translation>
    </message>
</context>
<context>
    <name>CommandMenu</name>
    <message>
        <source>&amp;About...</source>
        <translation>À p&amp;ropos...</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>Nou&amp;veau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Sav&amp;e</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Sa&amp;ve As...</source>
        <translation>Enre&amp;gistrer sous...</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Unités...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>What &amp;If...</source>
        <translation>S&amp;imulation...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Product &amp;Selection</source>
        <translation>&amp;Sélection de produits</translation>
    </message>
    <message>
        <source>Visit &amp;Nordavik on the Web</source>
        <translation>Visiter le site web de &amp;Nordavik</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers ré&amp;cents</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Aucun fichier récent</translation>
    </message>
</context>
<context>
    <name>DoraRiveDlg</name>
    <message>
        <source>The inputs could not be stored in %1; they are saved in %2</source>
        <translation>Les saisies n&apos;ont pas pu être enregistrées dans %1&#xa0;; elles sont sauvegardées dans %2</translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1, nor saved to a file (%2); here they are:</source>
        <translation>Les saisies n&apos;ont pas pu être enregistrées dans %1, ni sauvegardées dans un fichier (%2)&#xa0;; les voici&#xa0;:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation>Imprimer le calcul en cours</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation>Définir les unités</translation>
    </message>
    <message>
        <source>Product Selection</source>
        <translation>Sélection de produits</translation>
    </message>
    <message>
        <source>Product selection web pages.</source>
        <translation>Pages web de sélection de produits.</translation>
    </message>
</context>
<context>
    <name>FormHelp</name>
    <message>
        <source>Outside air surrounding the appliance. It is recommended to use the most typical ambient temperature during a year. Be aware that load increases in very hot ambient conditions. If the compressor is selected for the highest ambient temperatures in the year, it may be oversized during the cooler period in winter.</source>
        <translation>Air extérieur entourant l&apos;appareil. Il est recommandé d&apos;utiliser la température ambiante la plus courante sur l&apos;année. Attention&#xa0;: la charge thermique augmente par température ambiante très élevée. Si le compresseur est choisi pour les températures ambiantes les plus élevées de l&apos;année, il risque d&apos;être surdimensionné pendant la période plus fraîche de l&apos;hiver.</translation>
    </message>
    <message>
        <source>Average temperature inside the appliance. Do not enter lower value than requested for the specific refrigerated goods, as heat load increases.</source>
        <translation>Température moyenne à l&apos;intérieur de l&apos;appareil. Ne saisissez pas une valeur inférieure à celle requise pour les denrées réfrigérées concernées, car la charge thermique augmente.</translation>
    </message>
    <message>
        <source>Additional load added due to door or lid openings. In most cases the load is so small that it can be ignored. In case there are many openings per day it must be added. An up-right door opening will add more load than a lid opening on a chest cabinet.</source>
        <translation>Charge supplémentaire due aux ouvertures de porte ou de couvercle. Dans la plupart des cas, cette charge est si faible qu&apos;elle peut être négligée. Si les ouvertures sont nombreuses dans la journée, elle doit être ajoutée. L&apos;ouverture d&apos;une porte verticale apporte plus de charge que celle du couvercle d&apos;un coffre.</translation>
    </message>
    <message>
        <source>Heat elements or hot-gas pipe can be installed in the door frame to prevent humid air to condensate and form ice around the door. In most case this heat load can be ignored. If there is considerable anti-sweat load it must be added as heat load.</source>
        <translation>Des résistances chauffantes ou une conduite de gaz chauds peuvent être installées dans le cadre de porte pour empêcher l&apos;air humide de se condenser et de former du givre autour de la porte. Dans la plupart des cas, cette charge thermique peut être négligée. Si la charge de la résistance anti-buée est importante, elle doit être ajoutée à la charge thermique.</translation>
    </message>
    <message>
        <source>The mass of goods that needs to be cooled down in a certain time from start to stop temperature. Be aware cool down load can be very high and will require a lot of compressor capacity. In most cases cool-down load can be ignore unless it is recurring on a daily basis. Latent heat in transition phase of liquid not incorporated. If in doubt contact Nordavik for further advice.</source>
        <translation>Masse de denrées à mettre en froid en un temps donné, de la température initiale à la température finale. Attention&#xa0;: la charge de mise en froid peut être très élevée et exiger une grande puissance frigorifique du compresseur. Dans la plupart des cas, la charge de mise en froid peut être négligée, sauf si elle se répète quotidiennement. La chaleur latente de changement d&apos;état n&apos;est pas prise en compte. En cas de doute, contactez Nordavik pour plus de conseils.</translation>
    </message>
    <message>
        <source>It is recommended to have a maximum 75% running time of the compressor, in a thermostat cycle, in order to have some extra pull-down capacity or if load increases.</source>
        <translation>Il est recommandé de limiter le temps de marche du compresseur à 75&#xa0;% au maximum sur un cycle de thermostat, afin de disposer d&apos;une réserve de puissance pour la descente en température ou en cas d&apos;augmentation de la charge thermique.</translation>
    </message>
</context>
<context>
    <name>FormSheet</name>
    <message>
        <source>Conditions:</source>
        <translation>Conditions&#xa0;:</translation>
    </message>
    <message>
        <source>   Ambient temperature</source>
        <translation>   Température ambiante</translation>
    </message>
    <message>
        <source>   Temperature inside box</source>
        <translation>   Température intérieure</translation>
    </message>
    <message>
        <source>   Detailed conditions</source>
        <translation>   Conditions détaillées</translation>
    </message>
    <message>
        <source>   Evaporating temperature</source>
        <translation>   Température d&apos;évaporation</translation>
    </message>
    <message>
        <source>   Condensing temperature</source>
        <translation>   Température de condensation</translation>
    </message>
    <message>
        <source>   Subcooling</source>
        <translation>   Sous-refroidissement</translation>
    </message>
    <message>
        <source>Cabinet Design:</source>
        <translation>Construction du meuble&#xa0;:</translation>
    </message>
    <message>
        <source>   Depth (inner dimensions)</source>
        <translation>   Profondeur (dim. intérieures)</translation>
    </message>
    <message>
        <source>   Width</source>
        <translation>   Largeur</translation>
    </message>
    <message>
        <source>   Height</source>
        <translation>   Hauteur</translation>
    </message>
    <message>
        <source>   Net volume</source>
        <translation>   Volume net</translation>
    </message>
    <message>
        <source>   Insulation type</source>
        <translation>   Type d&apos;isolant</translation>
    </message>
    <message>
        <source>   Insulation k value</source>
        <translation>   Conductivité λ de l&apos;isolant</translation>
    </message>
    <message>
        <source>   Insulation thickness</source>
        <translation>   Épaisseur d&apos;isolation</translation>
    </message>
    <message>
        <source>   Door has different insulation</source>
        <translation>   Isolation de porte différente</translation>
    </message>
    <message>
        <source>Door Design:</source>
        <translation>Construction de la porte&#xa0;:</translation>
    </message>
    <message>
        <source>   Width (inner dimensions)</source>
        <translation>   Largeur (dim. intérieures)</translation>
    </message>
    <message>
        <source>Additional Heat Load:</source>
        <translation>Charges supplémentaires&#xa0;:</translation>
    </message>
    <message>
        <source>   Door or lid openings</source>
        <translation>   Ouvertures porte/couvercle</translation>
    </message>
    <message>
        <source>   Light</source>
        <translation>   Éclairage</translation>
    </message>
    <message>
        <source>   Fan</source>
        <translation>   Ventilateur</translation>
    </message>
    <message>
        <source>   Antisweat</source>
        <translation>   Résistance anti-buée</translation>
    </message>
    <message>
        <source>Cool Down Load:</source>
        <translation>Charge de mise en froid&#xa0;:</translation>
    </message>
    <message>
        <source>   Cool down mass</source>
        <translation>   Masse à mettre en froid</translation>
    </message>
    <message>
        <source>   Type of product</source>
        <translation>   Type de produit</translation>
    </message>
    <message>
        <source>   Start temperature</source>
        <translation>   Température initiale</translation>
    </message>
    <message>
        <source>   End temperature</source>
        <translation>   Température finale</translation>
    </message>
    <message>
        <source>   Cool down time</source>
        <translation>   Durée de mise en froid</translation>
    </message>
    <message>
        <source>Compressor:</source>
        <translation>Compresseur&#xa0;:</translation>
    </message>
    <message>
        <source>   Max runtime</source>
        <translation>   Temps de marche max.</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Charges&#xa0;:</translation>
    </message>
    <message>
        <source>   Cabinet load</source>
        <translation>   Charge des parois</translation>
    </message>
    <message>
        <source>   Door load</source>
        <translation>   Charge de la porte</translation>
    </message>
    <message>
        <source>   Additional heat load</source>
        <translation>   Charges supplémentaires</translation>
    </message>
    <message>
        <source>   Cool down load</source>
        <translation>   Charge de mise en froid</translation>
    </message>
</context>
<context>
    <name>InputRounds</name>
    <message>
        <source>%1 ignored: its material is not &quot;Customized&quot;</source>
        <translation>%1 ignoré&#xa0;: son matériau n’est pas «&#xa0;Personnalisé&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Materials</name>
    <message>
        <source>Customized</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Polyurethane foam</source>
        <translation>Mousse polyuréthane</translation>
    </message>
    <message>
        <source>Cyclopentane</source>
        <translation>Cyclopentane</translation>
    </message>
    <message>
        <source>Polystyrol</source>
        <translation>Polystyrène</translation>
    </message>
    <message>
        <source>Rockwool</source>
        <translation>Laine de roche</translation>
    </message>
    <message>
        <source>Glass 2 layer</source>
        <translation>Double vitrage</translation>
    </message>
    <message>
        <source>Glass 3 layer</source>
        <translation>Triple vitrage</translation>
    </message>
    <message>
        <source>Glass &apos;Super low energy&apos;</source>
        <translation>Vitrage «&#xa0;super basse énergie&#xa0;»</translation>
    </message>
</context>
<context>
    <name>NumericBehavior</name>
    <message>
        <source>Please specify a valid numeric value.</source>
        <translation>Veuillez saisir une valeur numérique valide.</translation>
    </message>
    <message>
        <source>Please specify a numeric value between </source>
        <translation>Veuillez saisir une valeur numérique comprise entre </translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Please specify a numeric value greater than or equal to </source>
        <translation>Veuillez saisir une valeur numérique supérieure ou égale à </translation>
    </message>
    <message>
        <source>Please specify a numeric value less than or equal to </source>
        <translation>Veuillez saisir une valeur numérique inférieure ou égale à </translation>
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
        <translation>Le navigateur web associé aux pages web
n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The web browser registered for web pages
is not installed.</source>
        <translation>Le navigateur web associé aux pages web
n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>xdg-open could not open it, and the web browser
registered for web pages ended with an error.</source>
        <translation>xdg-open n&apos;a pas pu l&apos;ouvrir, et le navigateur web
associé aux pages web s&apos;est terminé sur une erreur.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée car le délai de la requête a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée car d&apos;autres transactions DDE
étaient en cours de traitement.</translation>
    </message>
    <message>
        <source>xdg-open could not open it, and no web browser
is registered for web pages (text/html).</source>
        <translation>xdg-open n&apos;a pas pu l&apos;ouvrir, et aucun navigateur web
n&apos;est associé aux pages web (text/html).</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Impossible d&apos;ouvrir le lien hypertexte&#xa0;:

</translation>
    </message>
    <message>
        <source>To open it in a browser by hand, copy the address:</source>
        <translation>Pour l&apos;ouvrir manuellement dans un navigateur, copiez l&apos;adresse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Products</name>
    <message>
        <source>Cream</source>
        <translation>Crème</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Crème glacée</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Lait</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Fromage</translation>
    </message>
    <message>
        <source>Butter</source>
        <translation>Beurre</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pain</translation>
    </message>
    <message>
        <source>Beer</source>
        <translation>Bière</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Poultry</source>
        <translation>Volaille</translation>
    </message>
    <message>
        <source>Sheep meagre</source>
        <translation>Mouton maigre</translation>
    </message>
    <message>
        <source>Veal</source>
        <translation>Veau</translation>
    </message>
    <message>
        <source>Lamb</source>
        <translation>Agneau</translation>
    </message>
    <message>
        <source>Beef</source>
        <translation>Bœuf</translation>
    </message>
    <message>
        <source>Sausage</source>
        <translation>Saucisses</translation>
    </message>
    <message>
        <source>Pork</source>
        <translation>Porc</translation>
    </message>
    <message>
        <source>Fish meagre</source>
        <translation>Poisson maigre</translation>
    </message>
    <message>
        <source>Fisk fat</source>
        <translation>Poisson gras</translation>
    </message>
    <message>
        <source>Vegetables (average)</source>
        <translation>Légumes (moyenne)</translation>
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
        <translation>Charges thermiques&#xa0;: Nordavik Engineering</translation>
    </message>
    <message>
        <source>Program: the Kaldora team</source>
        <translation>Programme&#xa0;: l&apos;équipe Kaldora</translation>
    </message>
    <message>
        <source>Nordavik and Kaldora are trademarks of Nordavik. All rights reserved.</source>
        <translation>Nordavik et Kaldora sont des marques de Nordavik. Tous droits réservés.</translation>
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
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>ReportLines</name>
    <message>
        <source>Compressor Selection Conditions:</source>
        <translation>Conditions de sélection du compresseur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>RescueFile</name>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1&#xa0;: création impossible</translation>
    </message>
</context>
<context>
    <name>ResultHelp</name>
    <message>
        <source>Cooling capacity required to remove the heat load. In the calculation the maximum runtime value has been multiplied.</source>
        <translation>Puissance frigorifique requise pour évacuer la charge thermique. Dans le calcul, la charge a été majorée en fonction du temps de marche maximal.</translation>
    </message>
    <message>
        <source>T Evaporator is a calculated value based on the Temperature inside the box – 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the evaporator design, type and effectiveness of heat exchange the delta t may be higher or lower. If the compressor capacity is much higher than the heat load then the delta will also be much bigger. In that case V-speed compressors have the advantage that speed can be adapted to the heat load, and thereby save energy and maybe go one size down in compressor displacement. Contact Nordavik for more info. When selecting the compressor and there is a big deviation to the suggested T evaporator temperature, the compressor must be selected at the lower or higher evaporator temperature.</source>
        <translation>La T évaporation est une valeur calculée à partir de la température intérieure – 10 degrés, selon une règle empirique. Le delta t est alors de 10 K. Selon la conception de l&apos;évaporateur, son type et l&apos;efficacité de l&apos;échange thermique, le delta t peut être plus élevé ou plus faible. Si la puissance frigorifique du compresseur est très supérieure à la charge thermique, le delta sera lui aussi beaucoup plus grand. Dans ce cas, les compresseurs à vitesse variable ont l&apos;avantage d&apos;adapter leur vitesse à la charge thermique, ce qui économise de l&apos;énergie et permet parfois de choisir une cylindrée inférieure. Contactez Nordavik pour plus d&apos;informations. Si, lors de la sélection du compresseur, l&apos;écart par rapport à la T évaporation proposée est important, le compresseur doit être sélectionné à la température d&apos;évaporation inférieure ou supérieure.</translation>
    </message>
    <message>
        <source>T Condenser is a calculated value based on Ambient temperature + 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the condenser design, type and effectiveness of heat exchange the delta t may be higher or lower. If the condenser is undersized delta T will be much higher than 10K. Consequently energy consumption will increase rapidly.</source>
        <translation>La T condensation est une valeur calculée à partir de la température ambiante + 10 degrés, selon une règle empirique. Le delta t est alors de 10 K. Selon la conception du condenseur, son type et l&apos;efficacité de l&apos;échange thermique, le delta t peut être plus élevé ou plus faible. Si le condenseur est sous-dimensionné, le delta T sera nettement supérieur à 10 K. La consommation d&apos;énergie augmente alors rapidement.</translation>
    </message>
    <message>
        <source>Sub-cooling is the temperature difference between saturated liquid temperature and actual liquid temperature.</source>
        <translation>Le sous-refroidissement est l&apos;écart entre la température du liquide saturé et la température réelle du liquide.</translation>
    </message>
</context>
<context>
    <name>ResultMember</name>
    <message>
        <source>Net volume</source>
        <translation>Volume net</translation>
    </message>
    <message>
        <source>Cabinet load</source>
        <translation>Charge des parois</translation>
    </message>
    <message>
        <source>Door load</source>
        <translation>Charge de la porte</translation>
    </message>
    <message>
        <source>Transmission load</source>
        <translation>Charge par transmission</translation>
    </message>
    <message>
        <source>Additional heat load</source>
        <translation>Charges supplémentaires</translation>
    </message>
    <message>
        <source>Cool down load</source>
        <translation>Charge de mise en froid</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Compressor Selection Conditions</source>
        <translation>Conditions de sélection du compresseur</translation>
    </message>
    <message>
        <source>Requested compressor capacity</source>
        <translation>Puissance frigorifique requise</translation>
    </message>
    <message>
        <source>T Evaporator</source>
        <translation>T évaporation</translation>
    </message>
    <message>
        <source>T Condenser</source>
        <translation>T condensation</translation>
    </message>
    <message>
        <source>Subcooling</source>
        <translation>Sous-refroidissement</translation>
    </message>
</context>
<context>
    <name>SeekPanel</name>
    <message>
        <source>Goal seek</source>
        <translation>Recherche de valeur cible</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>C&amp;hercher</translation>
    </message>
    <message>
        <source>&amp;Use answer</source>
        <translation>&amp;Utiliser la réponse</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Wanted value</source>
        <translation>Valeur cible</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>so that r&amp;esult</source>
        <translation>pour &amp;que le résultat</translation>
    </message>
    <message>
        <source>= &amp;wanted value</source>
        <translation>= &amp;valeur cible</translation>
    </message>
    <message>
        <source>%1 gives %2.</source>
        <translation>%1 donne %2.</translation>
    </message>
    <message>
        <source>The result is not monotone in this range: %1 gives %2 at each of %3.</source>
        <translation>Le résultat n&apos;est pas monotone sur cette plage&#xa0;: %1 donne %2 pour chacune des valeurs %3.</translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3: in this range the result runs from %4 to %5 %6.</source>
        <translation>Aucune valeur de %1 à %2 ne donne %3&#xa0;: sur cette plage, le résultat va de %4 à %5 %6.</translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3.</source>
        <translation>Aucune valeur de %1 à %2 ne donne %3.</translation>
    </message>
    <message>
        <source>Part of the range stops at a check: %1</source>
        <translation>Une partie de la plage est bloquée par un contrôle&#xa0;: %1</translation>
    </message>
    <message>
        <source>Find %1 from %2 to %3</source>
        <translation>Chercher %1 de %2 à %3</translation>
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
        <translation>D&apos;après le dernier calcul complet&#xa0;: les saisies actuelles sont bloquées par un contrôle.</translation>
    </message>
</context>
<context>
    <name>SpokenUnits</name>
    <message>
        <source>BTU per hour foot degree Fahrenheit</source>
        <translation>BTU par heure pied degré Fahrenheit</translation>
    </message>
    <message>
        <source>watts per metre kelvin</source>
        <translation>watts par mètre kelvin</translation>
    </message>
    <message>
        <source>BTU per hour</source>
        <translation>BTU par heure</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>pieds cubes</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>degrés Celsius</translation>
    </message>
    <message>
        <source>degrees Fahrenheit</source>
        <translation>degrés Fahrenheit</translation>
    </message>
    <message>
        <source>kelvin</source>
        <translation>kelvins</translation>
    </message>
</context>
<context>
    <name>SweepChart</name>
    <message>
        <source>the calculation stops here</source>
        <translation>le calcul s&apos;arrête ici</translation>
    </message>
</context>
<context>
    <name>SweepRange</name>
    <message>
        <source>&apos;--sweep %1&apos;: expected NAME=FROM:TO:STEP with NAME a number input such as iDepth</source>
        <translation>&apos;--sweep %1&apos;&#xa0;: NAME=FROM:TO:STEP attendu, NAME étant une saisie numérique telle que iDepth</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: FROM, TO and STEP take numbers such as 455.55 or -7 (at most %2 whole digits and %3 decimals)</source>
        <translation>&apos;--sweep %1&apos;&#xa0;: FROM, TO et STEP attendent des nombres tels que 455.55 ou -7 (%2 chiffres entiers et %3 décimales au plus)</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: STEP must lead from FROM to TO</source>
        <translation>&apos;--sweep %1&apos;&#xa0;: STEP doit mener de FROM à TO</translation>
    </message>
    <message>
        <source>&apos;--sweep %1&apos;: more than %2 values</source>
        <translation>&apos;--sweep %1&apos;&#xa0;: plus de %2 valeurs</translation>
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
        <translation>heures</translation>
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
        <translation>oui</translation>
    </message>
    <message>
        <source>off</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Variants side by side</source>
        <translation>Variantes côte à côte</translation>
    </message>
    <message>
        <source>Comparison of the variants</source>
        <translation>Comparaison des variantes</translation>
    </message>
    <message>
        <source>Show ever&amp;y input</source>
        <translation>Afficher toutes &amp;les saisies</translation>
    </message>
    <message>
        <source>&amp;Keep as variant</source>
        <translation>Stoc&amp;ker comme variante</translation>
    </message>
    <message>
        <source>Open fi&amp;les...</source>
        <translation>Ouvrir des &amp;fichiers...</translation>
    </message>
    <message>
        <source>&amp;Put back</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ret&amp;irer</translation>
    </message>
    <message>
        <source>Save va&amp;riant as...</source>
        <translation>&amp;Enregistrer la variante sous...</translation>
    </message>
    <message>
        <source>Copy t&amp;able</source>
        <translation>Copier le ta&amp;bleau</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Open Calculations</source>
        <translation>Ouvrir des calculs</translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation>Calculs (*.%1)</translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation>Enregistrer le calcul</translation>
    </message>
</context>
<context>
    <name>WebAddresses</name>
    <message>
        <source>Visit Nordavik on the Web</source>
        <translation>Visiter le site web de Nordavik</translation>
    </message>
</context>
<context>
    <name>WhatIfWindow</name>
    <message>
        <source>What If</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Sweep chart</source>
        <translation>Graphique de variation</translation>
    </message>
    <message>
        <source>Points of the sweep</source>
        <translation>Points de la variation</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Table of points</source>
        <translation>&amp;Tableau des points</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>Para&amp;mètre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De&#xa0;:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Jusqu&apos;à&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Nombre de pas&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>CS&amp;V...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>P&amp;NG...</source>
        <translation>&amp;PNG...</translation>
    </message>
    <message>
        <source>SV&amp;G...</source>
        <translation>&amp;SVG...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Tableaux CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation>L&apos;imprimante n&apos;a pas pu lancer la tâche d&apos;impression.</translation>
    </message>
</context>
</TS>
