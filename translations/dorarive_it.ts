<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Introduction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software allows the user to calculate the heat load of a refrigeration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system and specifies the appropriate compressor capacity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation and requirements:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software is installed with its Debian package, dorarive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(sudo apt-get install ./dorarive_1.0-1_amd64.deb), which puts dorarive and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dorarive-calc in /usr/bin and Nordavik Kaldora in the desktop menu;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>apt-get remove dorarive takes it off. De-installation removes the software again,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>completely, and very accurate, according to our experience.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The inputs are kept between runs in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~/.config/Nordavik Frimo 042/dorarive.conf; a calculation can be kept in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of its own, NAME.kaldora (Open Ctrl-O, Save Ctrl-S).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys F1 Help, Ctrl-P Print, Alt-U Units, Alt-S Product Selection,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F10 or a right-click on the window every command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System requirements:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min. screen height 768 pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A 64-bit PC (amd64)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32 MB RAM min., 64 MB recommended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 MB harddisk space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debian 12 or a compatible Linux, on a GNOME, KDE Plasma or other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11 or Wayland desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disclaimer:

Nordavik can accept no responsibility for possible errors in this program. Nordavik reserves the right to alter its products without notice. All trademarks in this material are property of the respective companies.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Btu/hr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ºC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ºF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W/m·K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BTU/h·ft·°F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>litres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalcFileCommands</name>
    <message>
        <source>The calculation in the window is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation was not saved; an existing file is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeGuard</name>
    <message>
        <source>Save changes to the current calculation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save them as a calculation file before closing?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Sweep chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Checks</name>
    <message>
        <source>Invalid cabinet depth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid cabinet width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid cabinet height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid door width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid door height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start temp less than end temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End temp less than box temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start temp invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid cool down mass.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid cool down time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambient must be greater than box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambient temperature invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box temperature invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaporating temp invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condensing temp invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid subcooling amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaporating temp greater than box temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid insulation thickness.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid door insulation thickness.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid door/lid openings load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid fan load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid light load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid antisweat load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid max runtime value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid insulation k value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid door k value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%0.1f to %0.1f hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d%s to %d%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandMenu</name>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sav&amp;e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What &amp;If...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product &amp;Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit &amp;Nordavik on the Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DoraRiveDlg</name>
    <message>
        <source>The inputs could not be stored in %1; they are saved in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The inputs could not be stored in %1, nor saved to a file (%2); here they are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display help information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print current calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify unit options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product selection web pages.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormHelp</name>
    <message>
        <source>Outside air surrounding the appliance. It is recommended to use the most typical ambient temperature during a year. Be aware that load increases in very hot ambient conditions. If the compressor is selected for the highest ambient temperatures in the year, it may be oversized during the cooler period in winter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average temperature inside the appliance. Do not enter lower value than requested for the specific refrigerated goods, as heat load increases.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional load added due to door or lid openings. In most cases the load is so small that it can be ignored. In case there are many openings per day it must be added. An up-right door opening will add more load than a lid opening on a chest cabinet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat elements or hot-gas pipe can be installed in the door frame to prevent humid air to condensate and form ice around the door. In most case this heat load can be ignored. If there is considerable anti-sweat load it must be added as heat load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mass of goods that needs to be cooled down in a certain time from start to stop temperature. Be aware cool down load can be very high and will require a lot of compressor capacity. In most cases cool-down load can be ignore unless it is recurring on a daily basis. Latent heat in transition phase of liquid not incorporated. If in doubt contact Nordavik for further advice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is recommended to have a maximum 75% running time of the compressor, in a thermostat cycle, in order to have some extra pull-down capacity or if load increases.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormSheet</name>
    <message>
        <source>Conditions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Ambient temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Temperature inside box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Detailed conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Evaporating temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Condensing temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Subcooling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabinet Design:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Depth (inner dimensions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Net volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Insulation type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Insulation k value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Insulation thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Door has different insulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door Design:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Width (inner dimensions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Heat Load:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Door or lid openings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Fan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Antisweat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cool Down Load:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Cool down mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Type of product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Start temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   End temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Cool down time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Max runtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Cabinet load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Door load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Additional heat load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Cool down load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Materials</name>
    <message>
        <source>Customized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polyurethane foam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyclopentane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polystyrol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rockwool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glass 2 layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glass 3 layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glass &apos;Super low energy&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumericBehavior</name>
    <message>
        <source>Please specify a valid numeric value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify a numeric value between </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify a numeric value greater than or equal to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify a numeric value less than or equal to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenError</name>
    <message>
        <source>The web browser registered for web pages
could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web browser registered for web pages
is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xdg-open could not open it, and the web browser
registered for web pages ended with an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xdg-open could not open it, and no web browser
is registered for web pages (text/html).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To open it in a browser by hand, copy the address:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Products</name>
    <message>
        <source>Cream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Butter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poultry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheep meagre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sausage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pork</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fish meagre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fisk fat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vegetables (average)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramNotices</name>
    <message>
        <source>Copyright © 2026 Nordavik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat loads: Nordavik Engineering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program: the Kaldora team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nordavik and Kaldora are trademarks of Nordavik. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RescueFile</name>
    <message>
        <source>%1: cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultHelp</name>
    <message>
        <source>Cooling capacity required to remove the heat load. In the calculation the maximum runtime value has been multiplied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T Evaporator is a calculated value based on the Temperature inside the box – 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the evaporator design, type and effectiveness of heat exchange the delta t may be higher or lower. If the compressor capacity is much higher than the heat load then the delta will also be much bigger. In that case V-speed compressors have the advantage that speed can be adapted to the heat load, and thereby save energy and maybe go one size down in compressor displacement. Contact Nordavik for more info. When selecting the compressor and there is a big deviation to the suggested T evaporator temperature, the compressor must be selected at the lower or higher evaporator temperature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T Condenser is a calculated value based on Ambient temperature + 10 degrees, as a rule of thumb. Delta t is then 10K. Depending on the condenser design, type and effectiveness of heat exchange the delta t may be higher or lower. If the condenser is undersized delta T will be much higher than 10K. Consequently energy consumption will increase rapidly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub-cooling is the temperature difference between saturated liquid temperature and actual liquid temperature.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultMember</name>
    <message>
        <source>Net volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabinet load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional heat load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cool down load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Compressor Selection Conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requested compressor capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T Evaporator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T Condenser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subcooling</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeekPanel</name>
    <message>
        <source>Goal seek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wanted value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>so that r&amp;esult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= &amp;wanted value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gives %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result is not monotone in this range: %1 gives %2 at each of %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3: in this range the result runs from %4 to %5 %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No value from %1 to %2 gives %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of the range stops at a check: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find %1 from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetPainter</name>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetReading</name>
    <message>
        <source>From the last complete calculation: the current inputs stop at a check.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpokenUnits</name>
    <message>
        <source>BTU per hour foot degree Fahrenheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>watts per metre kelvin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BTU per hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degrees Fahrenheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kelvin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SweepChart</name>
    <message>
        <source>the calculation stops here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitLabel</name>
    <message>
        <source>in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ºF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ºC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Btu/hr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BTU/h·ft·°F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W/m·K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ºK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VariantComparison</name>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variants side by side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison of the variants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show ever&amp;y input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep as variant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open fi&amp;les...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save va&amp;riant as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy t&amp;able</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculations (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Calculation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebAddresses</name>
    <message>
        <source>Visit Nordavik on the Web</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WhatIfWindow</name>
    <message>
        <source>What If</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points of the sweep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table of points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CS&amp;V...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;NG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SV&amp;G...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
