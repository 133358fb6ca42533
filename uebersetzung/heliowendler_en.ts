<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Anwendung</name>
    <message>
        <source>Empfang überlastet: %1 Protokolle verworfen</source>
        <translation>Reception overloaded: %1 frames dropped</translation>
    </message>
</context>
<context>
    <name>IniDatei</name>
    <message>
        <source>In %1
ist %2=%3 im Abschnitt [%4] keine eindeutige Zahl:
sie hat Tausendertrennzeichen oder Punkt und Komma zugleich.
Zahlen stehen dort ohne Tausendertrennzeichen, etwa 1234,5 oder 1234.5.</source>
        <translation>In %1
%2=%3 in section [%4] is no unambiguous number:
it has thousands separators or both a point and a comma.
Numbers stand there without thousands separators, such as 1234.5 or 1234,5.</translation>
    </message>
</context>
<context>
    <name>Kommandozeile</name>
    <message>
        <source>unerwartetes Argument '%1'</source>
        <translation>unexpected argument '%1'</translation>
    </message>
    <message>
        <source>unbekannte Option '%1'</source>
        <translation>unknown option '%1'</translation>
    </message>
    <message>
        <source>Option '%1' ist mehr als einmal angegeben</source>
        <translation>option '%1' is given more than once</translation>
    </message>
    <message>
        <source>Option '%1' nimmt keinen Wert</source>
        <translation>option '%1' takes no value</translation>
    </message>
    <message>
        <source>Option '%1' braucht einen Wert</source>
        <translation>option '%1' needs a value</translation>
    </message>
    <message>
        <source>'%1' ist für %2 nicht %3</source>
        <translation>'%1' is not %3 for %2</translation>
    </message>
</context>
<context>
    <name>Linkanzeige</name>
    <message>
        <source>Protokolle: %1</source>
        <translation>Frames: %1</translation>
    </message>
    <message>
        <source>CS FEHLER !</source>
        <translation>CHECKSUM ERROR !</translation>
    </message>
    <message>
        <source>Verbindung zu %1 verloren (%2): Gerät prüfen, dann die Schnittstelle neu bestätigen</source>
        <translation>Connection to %1 lost (%2): check the device, then confirm the interface again</translation>
    </message>
    <message>
        <source>Für COM%1 ist kein Gerät bekannt: Gerät anschließen oder im Abschnitt [Ports] der Einstellungsdatei eintragen (COM%1=/dev/…)</source>
        <translation>No device is known for COM%1: plug the device in or enter it in the section [Ports] of the settings file (COM%1=/dev/…)</translation>
    </message>
    <message>
        <source>Für das Senden an %1 lässt sich kein Thread starten: %2</source>
        <translation>No thread can be started for sending to %1: %2</translation>
    </message>
    <message>
        <source>Für den Empfang von %1 lässt sich kein Thread starten: %2</source>
        <translation>No thread can be started for receiving from %1: %2</translation>
    </message>
</context>
<context>
    <name>Parameterdatei</name>
    <message>
        <source>Zeile %1: unbekannter Abschnitt %2</source>
        <translation>Line %1: unknown section %2</translation>
    </message>
    <message>
        <source>Zeile %1: "Schlüssel=Wert" erwartet: %2</source>
        <translation>Line %1: "key=value" expected: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2 steht zweimal in der Datei</source>
        <translation>Line %1: %2 is in the file twice</translation>
    </message>
    <message>
        <source>Zeile %1 (%2): %3</source>
        <translation>Line %1 (%2): %3</translation>
    </message>
    <message>
        <source>Zeile %1: das Trackintervall steht zweimal in der Datei</source>
        <translation>Line %1: the track interval is in the file twice</translation>
    </message>
    <message>
        <source>Zeile %1: Rest=%2 ist keine Hexadezimalzahl mit acht Ziffern (0x00000000)</source>
        <translation>Line %1: Rest=%2 is not a hexadecimal number of eight digits (0x00000000)</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannter Schlüssel %2</source>
        <translation>Line %1: unknown key %2</translation>
    </message>
    <message>
        <source>Es fehlt: %1</source>
        <translation>Missing: %1</translation>
    </message>
    <message>
        <source>%1 liegt nicht zwischen %2 und %3</source>
        <translation>%1 is not between %2 and %3</translation>
    </message>
    <message>
        <source>%1 kann das Feld nicht genau halten (es hielte %2)</source>
        <translation>%1 cannot be held exactly by the field (it would hold %2)</translation>
    </message>
    <message>
        <source>%1 ist für das Feld zu groß</source>
        <translation>%1 is too large for the field</translation>
    </message>
    <message>
        <source>Zeile %1: %2 enthält ein Steuerzeichen</source>
        <translation>Line %1: %2 holds a control character</translation>
    </message>
</context>
<context>
    <name>SchreibFehler</name>
    <message>
        <source>In %1 kann nicht geschrieben werden: ein anderes Programm hält den Ordner belegt</source>
        <translation>%1 cannot be written: another program holds its folder</translation>
    </message>
    <message>
        <source>In %1 kann nicht geschrieben werden</source>
        <translation>%1 cannot be written</translation>
    </message>
</context>
<context>
    <name>Serial</name>
    <message>
        <source>Baudrate 0</source>
        <translation>Baud rate 0</translation>
    </message>
    <message>
        <source>%1 Datenbits</source>
        <translation>%1 data bits</translation>
    </message>
    <message>
        <source>unbekannte Parität</source>
        <translation>unknown parity</translation>
    </message>
    <message>
        <source>1,5 Stoppbits gibt es unter Linux nicht</source>
        <translation>1.5 stop bits do not exist on Linux</translation>
    </message>
    <message>
        <source>unbekannte Stoppbits</source>
        <translation>unknown stop bits</translation>
    </message>
    <message>
        <source>Puffergröße unter 1 Byte</source>
        <translation>Buffer size below 1 byte</translation>
    </message>
    <message>
        <source>Kein Gerät angegeben</source>
        <translation>No device given</translation>
    </message>
    <message>
        <source>%1 ist nicht vorhanden (Gerät angeschlossen?)</source>
        <translation>%1 does not exist (is the device plugged in?)</translation>
    </message>
    <message>
        <source>Keine Berechtigung für %1: Benutzer in die Gruppe %2 aufnehmen (danach neu anmelden)</source>
        <translation>No permission for %1: add the user to the group %2 (then log in again)</translation>
    </message>
    <message>
        <source>Keine Berechtigung für %1: die Zugriffsrechte des Geräts erlauben diesem Benutzer kein Lesen und Schreiben</source>
        <translation>No permission for %1: the device's access rights do not let this user read and write</translation>
    </message>
    <message>
        <source>%1 ist belegt: ein anderes Programm benutzt die Schnittstelle bereits</source>
        <translation>%1 is busy: another program is already using the interface</translation>
    </message>
    <message>
        <source>%1 nimmt die Einstellungen nicht an (%2)</source>
        <translation>%1 does not take the settings (%2)</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht öffnen (%2)</source>
        <translation>%1 cannot be opened (%2)</translation>
    </message>
</context>
<context>
    <name>Simulationsdatei</name>
    <message>
        <source>Die Datei %1 gibt es nicht.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Die Datei %1 gibt es nicht (auch nicht mit der Endung .TRD).</source>
        <translation>The file %1 does not exist (not with the extension .TRD either).</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Alle Dateien (*.TRD)</source>
        <translation>All files (*.TRD)</translation>
    </message>
    <message>
        <source> File: </source>
        <translation> File: </translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save as</translation>
    </message>
</context>
<context>
    <name>Spinknopf</name>
    <message>
        <source>größer</source>
        <translation>larger</translation>
    </message>
    <message>
        <source>kleiner</source>
        <translation>smaller</translation>
    </message>
</context>
<context>
    <name>Standorte</name>
    <message>
        <source>Bitte eine Ortsbezeichnung eingeben.</source>
        <translation>Please enter a site name.</translation>
    </message>
    <message>
        <source>Die Ortsbezeichnung darf keinen Zeilenumbruch, Tabulator oder andere Steuerzeichen enthalten.</source>
        <translation>The site name must not contain a line break, a tab or other control characters.</translation>
    </message>
    <message>
        <source>Die Ortsbezeichnung darf das Zeichen "]" nicht enthalten.</source>
        <translation>The site name must not contain the character "]".</translation>
    </message>
    <message>
        <source>Die Ortsbezeichnung darf nicht mit einem Leerzeichen beginnen oder enden.</source>
        <translation>The site name must not begin or end with a space.</translation>
    </message>
    <message>
        <source>Die Ortsbezeichnung enthält das Zeichen "%1", das in der Positionsdatei nicht gespeichert werden kann.</source>
        <translation>The site name contains the character "%1", which the site file cannot store.</translation>
    </message>
</context>
<context>
    <name>Standortwahl</name>
    <message>
        <source>--unbekannt---</source>
        <translation>--unknown---</translation>
    </message>
    <message>
        <source>WARNUNG</source>
        <translation>WARNING</translation>
    </message>
</context>
<context>
    <name>Szene</name>
    <message>
        <source>W=270°</source>
        <translation>W=270°</translation>
    </message>
    <message>
        <source>O=90°</source>
        <translation>E=90°</translation>
    </message>
    <message>
        <source>N=0°</source>
        <translation>N=0°</translation>
    </message>
    <message>
        <source>S=180°</source>
        <translation>S=180°</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Programm Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>© Die Entwickler von </source>
        <translation>© The developers of </translation>
    </message>
    <message>
        <source>Quelltext: im Projektarchiv</source>
        <translation>Source code: in the project repository</translation>
    </message>
    <message>
        <source>Lizenz: siehe Lizenzdatei im Projektarchiv</source>
        <translation>Licence: see the licence file in the project repository</translation>
    </message>
    <message>
        <source>Fehler melden: Issue-Tracker des Projekts</source>
        <translation>Report bugs: the project's issue tracker</translation>
    </message>
    <message>
        <source>Fragen und Vorschläge: ebenfalls im Issue-Tracker</source>
        <translation>Questions and suggestions: the issue tracker as well</translation>
    </message>
    <message>
        <source>Mitwirken: Hinweise im Projektarchiv</source>
        <translation>Contributing: see the project repository</translation>
    </message>
    <message>
        <source>Die Ergebnisse der Simulation ersetzen keine Planung und Prüfung der Anlage vor Ort.</source>
        <translation>The simulation's results do not replace planning and inspecting the plant on site.</translation>
    </message>
</context>
<context>
    <name>TFormFirmwareupdate</name>
    <message>
        <source>Empfang überlastet: %1 Zeilen des Bootloaders verworfen. Gerät und Schnittstelle prüfen und Start drücken.</source>
        <translation>Reception overloaded: %1 bootloader lines dropped. Check the device and the interface and press Start.</translation>
    </message>
    <message>
        <source>A C H T U N G</source>
        <translation>A T T E N T I O N</translation>
    </message>
    <message>
        <source>WARNUNG</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>  1. Schalten Sie nun die Trackersteuerung ab.</source>
        <translation>  1. Now switch the tracker controller off.</translation>
    </message>
    <message>
        <source>  2. Schalten Sie die Schaltwippe für manuelles Tracken auf OST oder WEST.</source>
        <translation>  2. Set the rocker switch for manual tracking to EAST or WEST.</translation>
    </message>
    <message>
        <source>  3. Halten den Servicetaster gedrückt.</source>
        <translation>  3. Hold the service button down.</translation>
    </message>
    <message>
        <source>  4. Starten Sie nun die Trackersteuerung durch anlegen der Versorgungsspannung.</source>
        <translation>  4. Now start the tracker controller by switching its supply on.</translation>
    </message>
    <message>
        <source>  5. Die Trackersteuerung meldet sich im Monitorfenster mit der Version des Bootloaders.</source>
        <translation>  5. The tracker controller reports the bootloader's version in the monitor window.</translation>
    </message>
    <message>
        <source>  6. Nun lösen Sie den Servicetaster, laden eine neue Programmdatei und beginnen mit START.</source>
        <translation>  6. Now release the service button, load a new program file and begin with START.</translation>
    </message>
    <message>
        <source>Die Programmierung war erfolgreich</source>
        <translation>Programming succeeded</translation>
    </message>
    <message>
        <source>       Bitte stellen Sie die Schalterwippe zum manuellem Tracken in neutralle Mittelstellung</source>
        <translation>       Please set the rocker switch for manual tracking to its neutral middle position</translation>
    </message>
    <message>
        <source>       und unterbrechen die Spannungsversorgung der Trackersteuerung.</source>
        <translation>       and switch the tracker controller's supply off.</translation>
    </message>
    <message>
        <source>       Nach 2-3s schalten Sie die Versorgungsspannung wieder ein.</source>
        <translation>       After 2-3 s switch the supply on again.</translation>
    </message>
    <message>
        <source>       Die Trackersteuerung sollte jetzt mit der neuen Software starten.</source>
        <translation>       The tracker controller should now start with the new software.</translation>
    </message>
    <message>
        <source>	   Die Versionsnummer können Sie oben im Fenster "Tracker Parametrierung ablesen".</source>
        <translation>	   You can read the version number at the top of the window "Tracker parametrization".</translation>
    </message>
    <message>
        <source>Bitte laden Sie erst ein gültiges *.txt File (TI Hex Format!)</source>
        <translation>Please load a valid *.txt file first (TI hex format!)</translation>
    </message>
    <message>
        <source>TI HEX Format</source>
        <translation>TI HEX format</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Firmwareupdate</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Clear Flash:</source>
        <translation>Clear flash:</translation>
    </message>
    <message>
        <source>sende Zeile:</source>
        <translation>sending line:</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Anzahl Zeilen:</source>
        <translation>Lines:</translation>
    </message>
    <message>
        <source>Anzal Segmente:</source>
        <translation>Segments:</translation>
    </message>
    <message>
        <source>Diese Datei kann nicht übertragen werden:</source>
        <translation>This file cannot be transferred:</translation>
    </message>
    <message>
        <source>Keine Antwort des Bootloaders seit %1 s: die Verbindung zur Schnittstelle ist verloren. Gerät und Kabel prüfen, die Schnittstelle neu bestätigen und Start drücken.</source>
        <translation>No answer from the bootloader for %1 s: the connection to the interface is lost. Check the device and the cable, confirm the interface again and press Start.</translation>
    </message>
    <message>
        <source>Keine Antwort des Bootloaders seit %1 s auf das Löschen. Läuft die Steuerung im Bootloader (beim Einschalten Servicetaste gedrückt und Kippschalter auf Ost oder West)? Ist die richtige Schnittstelle gewählt? Start beginnt neu.</source>
        <translation>No answer from the bootloader for %1 s to the erase. Is the controller running its bootloader (service button held at power-on and the toggle switch on east or west)? Is the right interface chosen? Start begins again.</translation>
    </message>
    <message>
        <source>Der Bootloader löscht seit %1 s ("Flash clear start"), "Flash clear OK" fehlt noch. Die Übertragung wartet; Start beginnt neu.</source>
        <translation>The bootloader has been erasing for %1 s ("Flash clear start"); "Flash clear OK" has not come yet. The transfer waits; Start begins again.</translation>
    </message>
    <message>
        <source>Keine Antwort des Bootloaders seit %1 s auf Zeile %2%3. Die Übertragung wartet; Start beginnt neu.</source>
        <translation>No answer from the bootloader for %1 s to line %2%3. The transfer waits; Start begins again.</translation>
    </message>
    <message>
        <source>Starte Programmierung</source>
        <translation>Starting to program</translation>
    </message>
    <message>
        <source>Schreibe Adresszeiger im Flash %1</source>
        <translation>Writing the address pointer in flash %1</translation>
    </message>
    <message>
        <source>Empfangsfehler! Wiederhole</source>
        <translation>Receive error! Repeating</translation>
    </message>
    <message>
        <source>Zeile %1 nach %2 Wiederholungen nicht angenommen. Start beginnt neu.</source>
        <translation>Line %1 not taken after %2 repetitions. Start begins again.</translation>
    </message>
    <message>
        <source>Programmierung fertig.
 Bitte trennen Sie die Spannung und starten Sie das Gerät neu!</source>
        <translation>Programming finished.
 Please disconnect the supply and restart the device!</translation>
    </message>
    <message>
        <source>FEHLER beim senden!</source>
        <translation>ERROR while sending!</translation>
    </message>
</context>
<context>
    <name>TFormHilfe</name>
    <message>
        <source>Legende</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>A= Modulhöhe</source>
        <translation>A= module height</translation>
    </message>
    <message>
        <source>B=Neigung</source>
        <translation>B=tilt</translation>
    </message>
    <message>
        <source>C=lichter Modulabstand</source>
        <translation>C=clear row spacing</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Dimensions</translation>
    </message>
</context>
<context>
    <name>TFormJahresverschattung</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mär</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Okt</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dez</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Jahresverschattung</source>
        <translation>Yearly shading</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Rechnen</source>
        <translation>&amp;Compute</translation>
    </message>
    <message>
        <source>A&amp;bbrechen</source>
        <translation>C&amp;ancel</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>mit BT</source>
        <translation>with BT</translation>
    </message>
    <message>
        <source>ohne Fehler</source>
        <translation>no
installation
errors</translation>
    </message>
    <message>
        <source>ohne BT</source>
        <translation>no BT</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>&amp;Variieren</source>
        <translation>&amp;Vary</translation>
    </message>
    <message>
        <source>Verlust %</source>
        <translation>Loss %</translation>
    </message>
    <message>
        <source>unversch.
kWh/m²</source>
        <translation>Unshaded
kWh/m²</translation>
    </message>
    <message>
        <source>Jahresverlust mit Backtracking in %</source>
        <translation>Yearly loss with backtracking in %</translation>
    </message>
    <message>
        <source>S&amp;chritt:</source>
        <translation>Ste&amp;p:</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Input:</translation>
    </message>
    <message>
        <source>vo&amp;n</source>
        <translation>fro&amp;m</translation>
    </message>
    <message>
        <source>b&amp;is</source>
        <translation>&amp;to</translation>
    </message>
    <message>
        <source>Schri&amp;tt</source>
        <translation>st&amp;ep</translation>
    </message>
    <message>
        <source>&amp;Monate</source>
        <translation>M&amp;onths</translation>
    </message>
    <message>
        <source>&amp;Empfindlichkeit</source>
        <translation>Se&amp;nsitivity</translation>
    </message>
    <message>
        <source>Jahresverschattung speichern</source>
        <translation>Save the yearly shading</translation>
    </message>
    <message>
        <source>mit Backtracking</source>
        <translation>with backtracking</translation>
    </message>
    <message>
        <source>ohne Backtracking</source>
        <translation>without backtracking</translation>
    </message>
    <message>
        <source>Trackerposition im Jahr: größte %1° (%2 UTC), kleinste %3° (%4 UTC); aus den Sonnenwendtagen: max.STOP West %5°, max.STOP Ost %6°; Weg im Jahr %7°</source>
        <translation>Tracker position in the year: largest %1° (%2 UTC), smallest %3° (%4 UTC); from the solstice days: max. STOP west %5°, max. STOP east %6°; travel in the year %7°</translation>
    </message>
    <message>
        <source>Strahlung
kWh/m²</source>
        <translation>Beam
kWh/m²</translation>
    </message>
    <message>
        <source>Verlust
%</source>
        <translation>Loss
%</translation>
    </message>
    <message>
        <source>teilv.
h</source>
        <translation>Part. shaded
h</translation>
    </message>
    <message>
        <source>Strahlung auf dem Modul in kWh/m²</source>
        <translation>Beam on the module in kWh/m²</translation>
    </message>
    <message>
        <source>Anteil der Strahlung, den der Schatten der Nachbarreihe nimmt, in %</source>
        <translation>Share of the beam that the neighbouring row's shadow takes, in %</translation>
    </message>
    <message>
        <source>Strahlung auf dem unverschatteten Teil des Moduls in kWh/m²</source>
        <translation>Beam on the unshaded part of the module in kWh/m²</translation>
    </message>
    <message>
        <source>Stunden, in denen das Modul teilweise verschattet ist</source>
        <translation>Hours in which the module is partly shaded</translation>
    </message>
    <message>
        <source>mit Backtracking, mit den Aufstellfehlern</source>
        <translation>with backtracking, with the installation errors</translation>
    </message>
    <message>
        <source>mit Backtracking, ohne Aufstellfehler</source>
        <translation>with backtracking, without installation errors</translation>
    </message>
    <message>
        <source>ohne Backtracking, mit den Aufstellfehlern</source>
        <translation>without backtracking, with the installation errors</translation>
    </message>
    <message>
        <source>BT: Backtracking. Ohne Fehler: ohne Aufstellfehler. Verlust: Anteil der Strahlung auf dem verschatteten Teil. Unversch.: Strahlung auf dem unverschatteten Teil. Teilv.: Stunden mit teilverschattetem Modul.</source>
        <translation>BT: backtracking. No installation errors: the same rows without the installation errors. Loss: share of the beam on the shaded part. Unshaded: beam on the unshaded part. Part. shaded: hours with a partly shaded module.</translation>
    </message>
    <message>
        <source>Verlust durch Verschattung je Monat in % (logarithmisch)</source>
        <translation>Loss to shading per month in % (logarithmic)</translation>
    </message>
    <message>
        <source>Teilverschattete Stunden je Monat</source>
        <translation>Partly shaded hours per month</translation>
    </message>
    <message>
        <source>&amp;Diagramme</source>
        <translation>C&amp;harts</translation>
    </message>
    <message>
        <source>Von, bis und Schritt: von &lt;= bis, Schritt &gt; 0 und groß genug, den Wert zu ändern, höchstens 1001 Werte</source>
        <translation>From, to and step: from &lt;= to, a step &gt; 0 and large enough to change the value, at most 1001 values</translation>
    </message>
    <message>
        <source>ohne Aufstellfehler</source>
        <translation>without installation errors</translation>
    </message>
    <message>
        <source>Stunden</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Wert
%1</source>
        <translation>Value
%1</translation>
    </message>
    <message>
        <source>%1° West</source>
        <translation>%1° west</translation>
    </message>
    <message>
        <source>%1° Ost</source>
        <translation>%1° east</translation>
    </message>
    <message>
        <source>Wetter&amp;angaben</source>
        <translation>Weathe&amp;r data</translation>
    </message>
    <message>
        <source>&amp;Wetterdatei…</source>
        <translation>&amp;Weather file…</translation>
    </message>
    <message>
        <source>&amp;Klarer Himmel</source>
        <translation>C&amp;lear sky</translation>
    </message>
    <message>
        <source>Wetterdatei öffnen</source>
        <translation>Open a weather file</translation>
    </message>
    <message>
        <source>Wetterdateien (*.epw *.csv *.json);;Alle Dateien (*)</source>
        <translation>Weather files (*.epw *.csv *.json);;All files (*)</translation>
    </message>
    <message>
        <source>&amp;Ort der Datei übernehmen</source>
        <translation>&amp;Use the file's site</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>+H: die Daten liegen H Stunden zu früh, jeder Zeitpunkt rückt um H Stunden später</source>
        <translation>+H: the data are H hours early, every instant moves H hours later</translation>
    </message>
    <message>
        <source>Albedo des Bodens, wo die Datei keine angibt</source>
        <translation>Ground albedo where the file gives none</translation>
    </message>
    <message>
        <source>isotrop</source>
        <translation>isotropic</translation>
    </message>
    <message>
        <source>Bypass-Blöcke je Modul übereinander (über die Schräghöhe)</source>
        <translation>Bypass-diode blocks per module stacked (over the slant height)</translation>
    </message>
    <message>
        <source>Bypass-Blöcke je Modul nebeneinander (entlang der Reihe)</source>
        <translation>Bypass-diode blocks per module side by side (along the row)</translation>
    </message>
    <message>
        <source>&amp;Zeitversatz:</source>
        <translation>Time shi&amp;ft:</translation>
    </message>
    <message>
        <source>A&amp;lbedo:</source>
        <translation>Al&amp;bedo:</translation>
    </message>
    <message>
        <source>&amp;Himmelsmodell:</source>
        <translation>Sk&amp;y model:</translation>
    </message>
    <message>
        <source>(übereinander × nebeneinander)</source>
        <translation>(stacked × side by side)</translation>
    </message>
    <message>
        <source>Bl&amp;öcke:</source>
        <translation>Bloc&amp;ks:</translation>
    </message>
    <message>
        <source>Wetterdatei</source>
        <translation>Weather file</translation>
    </message>
    <message>
        <source>%1:
%2</source>
        <translation>%1:
%2</translation>
    </message>
    <message>
        <source>Klarer Himmel: nur Direktstrahlung, ohne Wetterdatei</source>
        <translation>Clear sky: beam only, no weather file</translation>
    </message>
    <message>
        <source>Keine Wetterdatei: die Jahresverschattung rechnet mit klarem Himmel und nur mit der Direktstrahlung.</source>
        <translation>No weather file: the yearly shading is computed under a clear sky with the beam only.</translation>
    </message>
    <message>
        <source>Wetterdatei (%1): %2</source>
        <translation>Weather file (%1): %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Zeitraum %1 bis %2, Schritt %3 min, %4 Zeilen</source>
        <translation>Period %1 to %2, step %3 min, %4 rows</translation>
    </message>
    <message>
        <source>Hauptfenster: Breite %1°, Länge %2</source>
        <translation>Main window: latitude %1°, longitude %2</translation>
    </message>
    <message>
        <source>Wetterdatei: Breite %1°, Länge %2, Höhe %3 m (gerechnet wird hier)</source>
        <translation>Weather file: latitude %1°, longitude %2, elevation %3 m (computed here)</translation>
    </message>
    <message>
        <source>Die Orte weichen um mehr als 0,1° voneinander ab.</source>
        <translation>The sites differ by more than 0.1°.</translation>
    </message>
    <message>
        <source>BT: Backtracking. Ohne Fehler: ohne Aufstellfehler. Unversch.: Einstrahlung auf dem Modul ohne Verschattung, davon direkt, Himmel (diffus) und Boden. Strahlsch.: Verlust im Schatten der Nachbarreihe; Himmelsm.: Himmelslicht, das die Reihe davor verdeckt; elektr.: Verlust durch verschattete Bypass-Blöcke (übereinander x nebeneinander), je in % der unverschatteten Einstrahlung. Wirksam: was arbeitende Zellen erreicht. Teilv.: Stunden mit teilverschattetem Modul.</source>
        <translation>BT: backtracking. No installation errors: the same rows without the installation errors. Unshaded: irradiance on the module without shade, of it beam, sky (diffuse) and ground. Beam sh.: loss in the neighbouring row's shadow; sky mask: sky light the row in front hides; electr.: loss to shaded bypass-diode blocks (stacked x side by side), each in % of the unshaded irradiance. Effective: what reaches working cells. Part. shaded: hours with a partly shaded module.</translation>
    </message>
    <message>
        <source>direkt
kWh/m²</source>
        <translation>beam
kWh/m²</translation>
    </message>
    <message>
        <source>Himmel
kWh/m²</source>
        <translation>sky
kWh/m²</translation>
    </message>
    <message>
        <source>Boden
kWh/m²</source>
        <translation>ground
kWh/m²</translation>
    </message>
    <message>
        <source>Strahlsch.
%</source>
        <translation>beam sh.
%</translation>
    </message>
    <message>
        <source>Himmelsm.
%</source>
        <translation>sky mask
%</translation>
    </message>
    <message>
        <source>elektr. %1
%</source>
        <translation>electr. %1
%</translation>
    </message>
    <message>
        <source>wirksam
kWh/m²</source>
        <translation>effective
kWh/m²</translation>
    </message>
    <message>
        <source>Einstrahlung auf dem Modul ohne Verschattung in kWh/m²</source>
        <translation>Irradiance on the module without shade in kWh/m²</translation>
    </message>
    <message>
        <source>davon Direktstrahlung in kWh/m²</source>
        <translation>of it beam in kWh/m²</translation>
    </message>
    <message>
        <source>davon diffuses Himmelslicht in kWh/m²</source>
        <translation>of it diffuse sky light in kWh/m²</translation>
    </message>
    <message>
        <source>davon vom Boden reflektiert in kWh/m²</source>
        <translation>of it reflected by the ground in kWh/m²</translation>
    </message>
    <message>
        <source>Verlust der Direkt- und zirkumsolaren Strahlung im Schatten der Nachbarreihe, in %</source>
        <translation>Loss of the beam and circumsolar light in the neighbouring row's shadow, in %</translation>
    </message>
    <message>
        <source>Verlust des Himmelslichts, das die Reihe davor verdeckt, in %</source>
        <translation>Loss of the sky light the row in front hides, in %</translation>
    </message>
    <message>
        <source>Verlust durch verschattete Bypass-Blöcke (Blöcke übereinander x nebeneinander %1), in %</source>
        <translation>Loss to shaded bypass-diode blocks (blocks stacked x side by side %1), in %</translation>
    </message>
    <message>
        <source>Einstrahlung, die arbeitende Zellen erreicht, in kWh/m²</source>
        <translation>Irradiance reaching working cells in kWh/m²</translation>
    </message>
    <message>
        <source>Verlust durch Schatten, Himmelsmaske und Bypass-Blöcke (%1) je Monat in % (logarithmisch)</source>
        <translation>Loss to shade, sky masking and bypass-diode blocks (%1) per month in % (logarithmic)</translation>
    </message>
    <message>
        <source>Gewinn durch Backtracking: %1 %</source>
        <translation>Gain by backtracking: %1 %</translation>
    </message>
    <message>
        <source>Wirksame Einstrahlung im Jahr mit Backtracking gegenüber ohne</source>
        <translation>The year's effective irradiance with backtracking over that without</translation>
    </message>
    <message>
        <source>Mit Backtracking im Jahr: %1 kWh/m² unverschattet, %2 kWh/m² wirksam (Verlust %3 %); %4 Zeilen, Bodenalbedo %5 wo die Datei keine angibt, GCR %6</source>
        <translation>With backtracking in the year: %1 kWh/m² unshaded, %2 kWh/m² effective (loss %3 %); %4 rows, ground albedo %5 where the file gives none, GCR %6</translation>
    </message>
    <message>
        <source>Perez (anisotrop)</source>
        <translation>Perez (anisotropic)</translation>
    </message>
</context>
<context>
    <name>TFormProtokollmonitor</name>
    <message>
        <source>Protokollmonitor</source>
        <translation>Traffic monitor</translation>
    </message>
    <message>
        <source>Alle Kommandos</source>
        <translation>All commands</translation>
    </message>
    <message>
        <source>Bootloaderzeilen</source>
        <translation>Bootloader lines</translation>
    </message>
    <message>
        <source>Rauschen und Prüfsummenfehler</source>
        <translation>Noise and checksum errors</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>&amp;Anhalten</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Leeren</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>%1 Einträge, %2 weggefallen</source>
        <translation>%1 entries, %2 dropped</translation>
    </message>
    <message>
        <source>Protokoll speichern</source>
        <translation>Save the record</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>aktuelle Daten</source>
        <translation>current data</translation>
    </message>
</context>
<context>
    <name>TFormTagesverlauf</name>
    <message>
        <source>Tagesverlauf</source>
        <translation>Day chart</translation>
    </message>
    <message>
        <source>Zeit (UTC) in h</source>
        <translation>Time (UTC) in h</translation>
    </message>
    <message>
        <source>Winkel in °</source>
        <translation>Angle in °</translation>
    </message>
    <message>
        <source>Länge in m</source>
        <translation>Length in m</translation>
    </message>
    <message>
        <source>Sonnenhöhe</source>
        <translation>Sun elevation</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Trackerposition</source>
        <translation>Tracker position</translation>
    </message>
    <message>
        <source>WinkelZurSonne</source>
        <translation>Angle to the sun</translation>
    </message>
    <message>
        <source>Schatten (m)</source>
        <translation>Shadow (m)</translation>
    </message>
    <message>
        <source>Verschattung (m)</source>
        <translation>Shading (m)</translation>
    </message>
    <message>
        <source>Zeit der Eingabe</source>
        <translation>Time entered</translation>
    </message>
    <message>
        <source>Sonnenaufgang</source>
        <translation>Sunrise</translation>
    </message>
    <message>
        <source>Sonnenuntergang</source>
        <translation>Sunset</translation>
    </message>
    <message>
        <source>Sonnenwende</source>
        <translation>Solar noon</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>%1-%2-%3 (UTC), Breite %4°, Länge %5°</source>
        <translation>%1-%2-%3 (UTC), latitude %4°, longitude %5°</translation>
    </message>
    <message>
        <source>Gepunktet: Sonnenwende %1</source>
        <translation>Dotted: solar noon %1</translation>
    </message>
    <message>
        <source>Gepunktet: Sonnenaufgang %1, Sonnenwende %2, Sonnenuntergang %3</source>
        <translation>Dotted: sunrise %1, solar noon %2, sunset %3</translation>
    </message>
    <message>
        <source>%1 UTC: Höhe %2°, Azimut %3°, Position %4°, WinkelZurSonne %5°, Schatten %6 m, Verschattung %7 m</source>
        <translation>%1 UTC: elevation %2°, azimuth %3°, position %4°, angle to the sun %5°, shadow %6 m, shading %7 m</translation>
    </message>
    <message>
        <source>Tagesverlauf speichern</source>
        <translation>Save the day chart</translation>
    </message>
    <message>
        <source>Gepunktet: Sonnenaufgang %1, Sonnenwende %2</source>
        <translation>Dotted: sunrise %1, solar noon %2</translation>
    </message>
    <message>
        <source>Gepunktet: Sonnenwende %1, Sonnenuntergang %2</source>
        <translation>Dotted: solar noon %1, sunset %2</translation>
    </message>
    <message>
        <source>Tag der Wetterdatei (UTC):</source>
        <translation>Day of the weather file (UTC):</translation>
    </message>
    <message>
        <source>Einstrahlung in W/m²</source>
        <translation>Irradiance in W/m²</translation>
    </message>
    <message>
        <source>Global gemessen (W/m²)</source>
        <translation>Global, measured (W/m²)</translation>
    </message>
    <message>
        <source>Direkt normal gemessen (W/m²)</source>
        <translation>Direct normal, measured (W/m²)</translation>
    </message>
    <message>
        <source>Diffus gemessen (W/m²)</source>
        <translation>Diffuse, measured (W/m²)</translation>
    </message>
    <message>
        <source>Wirksam mit Backtracking (W/m²)</source>
        <translation>Effective with backtracking (W/m²)</translation>
    </message>
    <message>
        <source>Wirksam ohne Backtracking (W/m²)</source>
        <translation>Effective without backtracking (W/m²)</translation>
    </message>
    <message>
        <source>Die Wetterdatei hat am %1 (UTC) keine Zeilen.</source>
        <translation>The weather file has no rows on %1 (UTC).</translation>
    </message>
    <message>
        <source>Zeilen am %1 (UTC): %2, am Ort der Wetterdatei (Breite %3°, Länge %4°)</source>
        <translation>Rows on %1 (UTC): %2, at the weather file's site (latitude %3°, longitude %4°)</translation>
    </message>
</context>
<context>
    <name>TFormTrackerInit</name>
    <message>
        <source>Tracker Parametrierung</source>
        <translation>Tracker parametrization</translation>
    </message>
    <message>
        <source>gehört zur Trackergruppe</source>
        <translation>belongs to tracker group</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Tracktime</source>
        <translation>Track time</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>nächstes Tracking in</source>
        <translation>next tracking in</translation>
    </message>
    <message>
        <source>WARNUNG</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Der Tracker wird nun versuchen die gewünschte Position anzufahren.
Sind Sie sicher?</source>
        <translation>The tracker will now try to move to the position requested.
Are you sure?</translation>
    </message>
    <message>
        <source>Nur UTC Zeit eingeben!</source>
        <translation>Enter UTC time only!</translation>
    </message>
    <message>
        <source>aktuelle Systemwerte</source>
        <translation>current values</translation>
    </message>
    <message>
        <source>Softwareversion</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>Servicemode</source>
        <translation>Service mode</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Breitengrad in °</source>
        <translation>Latitude in °</translation>
    </message>
    <message>
        <source>Geographische Breite der Trackerposition</source>
        <translation>Geographic latitude of the tracker's site</translation>
    </message>
    <message>
        <source>Längengrad °</source>
        <translation>Longitude °</translation>
    </message>
    <message>
        <source>Geographische Länge der Trackerposition. Östliche Länge muß negativ eingegeben werden!</source>
        <translation>Geographic longitude of the tracker's site. East longitudes must be entered as negative!</translation>
    </message>
    <message>
        <source>Modulhöhe in cm</source>
        <translation>Module height in cm</translation>
    </message>
    <message>
        <source>Höhe des Moduls im senkrechtem Zustand</source>
        <translation>Height of the module standing upright</translation>
    </message>
    <message>
        <source>Modubreite in cm</source>
        <translation>Row width in cm</translation>
    </message>
    <message>
        <source>Breite des Moduls. Bei mehreren nebeneinander angeortneten Modulen ist hier die gesammte Breite anzugeben.</source>
        <translation>Width of the whole row: for several modules side by side, their total width.</translation>
    </message>
    <message>
        <source>Lichter Modulabstand in cm</source>
        <translation>Clear row spacing in cm</translation>
    </message>
    <message>
        <source>Abstand der geneigten Modulreihen incl. einer Modulstärke.</source>
        <translation>Distance between the tilted module rows, including one module's thickness.</translation>
    </message>
    <message>
        <source>Modulneigung in °</source>
        <translation>Module tilt in °</translation>
    </message>
    <message>
        <source>Neigung der Module in Grad. Daraus wird die tatsächliche Höhe für den Schattenwurf berechnet.</source>
        <translation>Tilt of the modules in degrees. The real height that casts the shadow follows from it.</translation>
    </message>
    <message>
        <source>Trackintervall in min</source>
        <translation>Track interval in min</translation>
    </message>
    <message>
        <source>Zeitabstände in denen die Tracker Steuerung eine neue Sonnenposition berechnet und eine Nachführung durchführt.</source>
        <translation>Interval at which the tracker controller calculates a new sun position and turns the tracker.</translation>
    </message>
    <message>
        <source>Winkelgeschw. in °/s x1000 </source>
        <translation>Angular speed in °/s x1000 </translation>
    </message>
    <message>
        <source>Geschwindigkeit des Trackers in m°/s</source>
        <translation>Speed of the tracker in m°/s</translation>
    </message>
    <message>
        <source>Winkel des Anschlag Ost in °</source>
        <translation>Angle of the east stop in °</translation>
    </message>
    <message>
        <source>Winkelposition des Ostanschlag.</source>
        <translation>Angular position of the east stop.</translation>
    </message>
    <message>
        <source>Winkel des Anschlag West in °</source>
        <translation>Angle of the west stop in °</translation>
    </message>
    <message>
        <source>Position des Westanschlag.</source>
        <translation>Position of the west stop.</translation>
    </message>
    <message>
        <source>Winkelkorrektur-Faktor in x1000</source>
        <translation>Angle correction factor x1000</translation>
    </message>
    <message>
        <source>Faktor zur Überkorrektur des Backtracking um Fehler in der Bestimmung des absoluten Anschlages zu kompensieren.</source>
        <translation>Factor that overcorrects the backtracking to make up for errors in determining the absolute stop.</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Sekunde</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>GET Sim &amp;Daten </source>
        <translation>GET Sim &amp;Data </translation>
    </message>
    <message>
        <source>übernimmt die Daten der Simmulation in die Tracker Parametrierung</source>
        <translation>takes the simulation's data into the tracker parametrization</translation>
    </message>
    <message>
        <source>SET Sim Date&amp;n </source>
        <translation>SET Sim Da&amp;ta </translation>
    </message>
    <message>
        <source>überträgt die Daten des Trackers in die Simmulation</source>
        <translation>takes the tracker's data into the simulation</translation>
    </message>
    <message>
        <source>GET &amp;Param</source>
        <translation>GET &amp;Param</translation>
    </message>
    <message>
        <source>lesen aller Initialisierungsdaten aus dem Tracker.</source>
        <translation>reads all initialisation data from the tracker.</translation>
    </message>
    <message>
        <source>SET P&amp;aram</source>
        <translation>SET P&amp;aram</translation>
    </message>
    <message>
        <source>Sendet die Tracker-Initialisierung zum Tracker, dieser speichert diese dann intern bleibend ab.</source>
        <translation>Sends the tracker initialisation to the tracker, which stores it permanently.</translation>
    </message>
    <message>
        <source> SET T&amp;ime</source>
        <translation> SET T&amp;ime</translation>
    </message>
    <message>
        <source>setzt die Zeit in der Trackersteuerung</source>
        <translation>sets the time in the tracker controller</translation>
    </message>
    <message>
        <source>GET Ti&amp;me</source>
        <translation>GET Ti&amp;me</translation>
    </message>
    <message>
        <source>Lade die Zeit aus der Trackersteuerung</source>
        <translation>loads the time from the tracker controller</translation>
    </message>
    <message>
        <source>GET &amp;Version</source>
        <translation>GET &amp;Version</translation>
    </message>
    <message>
        <source>Position aktuell in °</source>
        <translation>Current position in °</translation>
    </message>
    <message>
        <source>Schatten aktuell in cm</source>
        <translation>Current shadow in cm</translation>
    </message>
    <message>
        <source>Stand der Sonne in °</source>
        <translation>Sun elevation in °</translation>
    </message>
    <message>
        <source>Azimut in °</source>
        <translation>Azimuth in °</translation>
    </message>
    <message>
        <source>Grenzwinkel in °</source>
        <translation>Limit angle in °</translation>
    </message>
    <message>
        <source>Korrektur in °</source>
        <translation>Correction in °</translation>
    </message>
    <message>
        <source>GET P&amp;osition</source>
        <translation>GET P&amp;osition</translation>
    </message>
    <message>
        <source>Holt die aktuellen Positionsdaten vom Tracker</source>
        <translation>Fetches the current position data from the tracker</translation>
    </message>
    <message>
        <source>Winkel in °</source>
        <translation>Angle in °</translation>
    </message>
    <message>
        <source>SET Po&amp;sition</source>
        <translation>SET Po&amp;sition</translation>
    </message>
    <message>
        <source>Zum manuellen positionieren des Trackers auf einen Winkel. Dabei wird der Automatik Mode verlassen!</source>
        <translation>Moves the tracker to an angle by hand. This leaves the automatic mode!</translation>
    </message>
    <message>
        <source>SET A&amp;utomatiK</source>
        <translation>SET A&amp;utomatic</translation>
    </message>
    <message>
        <source>Versetzt die Trackersteuerung in den Automatik Mode </source>
        <translation>Puts the tracker controller into automatic mode </translation>
    </message>
    <message>
        <source>m&amp;esse Speed</source>
        <translation>m&amp;easure speed</translation>
    </message>
    <message>
        <source>Schaltet den Tracker in den manuellen Modus, fährt zum West Anschlag und misst die Zeit zum Durchlaufen von W nach O. Der ermittelte Wert muß anschließend mit Hand für die Trackerinitialisierung übernommen werden!</source>
        <translation>Switches the tracker to manual mode, moves to the west stop and measures the time to turn from W to E. The value found must then be entered by hand for the tracker initialisation!</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>ELW</source>
        <translation>ELW</translation>
    </message>
    <message>
        <source>MotorW</source>
        <translation>MotorW</translation>
    </message>
    <message>
        <source>MotorO</source>
        <translation>MotorE</translation>
    </message>
    <message>
        <source>ELO</source>
        <translation>ELE</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Tracking</translation>
    </message>
    <message>
        <source>RxT</source>
        <translation>RxT</translation>
    </message>
    <message>
        <source>TxT</source>
        <translation>TxT</translation>
    </message>
    <message>
        <source>Wollen Sie die Trackgeschwindigkeit ausmessen?
Dazu wird erst nach WEST und dann nach OST gedreht und die Zeit ermittelt.</source>
        <translation>Do you want to measure the tracking speed?
The tracker turns to the WEST first, then to the EAST, and the time is taken.</translation>
    </message>
    <message>
        <source>FEHLER beim senden!</source>
        <translation>ERROR while sending!</translation>
    </message>
    <message>
        <source>Falsche Version!</source>
        <translation>Wrong version!</translation>
    </message>
    <message>
        <source>Trackerinitialisierung</source>
        <translation>Tracker initialisation</translation>
    </message>
</context>
<context>
    <name>TPagesDlg</name>
    <message>
        <source>Schnittstelleneinstellungen</source>
        <translation>Interface settings</translation>
    </message>
    <message>
        <source>Schnitstelle zum Tracker</source>
        <translation>Interface to the tracker</translation>
    </message>
    <message>
        <source>&amp;Schnittstelle</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Übertragungsrate</source>
        <translation>&amp;Baud rate</translation>
    </message>
    <message>
        <source>&amp;Datenbit</source>
        <translation>&amp;Data bits</translation>
    </message>
    <message>
        <source>&amp;Paritätsbit</source>
        <translation>P&amp;arity</translation>
    </message>
    <message>
        <source>Sto&amp;ppbits</source>
        <translation>&amp;Stop bits</translation>
    </message>
    <message>
        <source>&amp;Empfangspuffer</source>
        <translation>Recei&amp;ve buffer</translation>
    </message>
    <message>
        <source>S&amp;endepuffer</source>
        <translation>Se&amp;nd buffer</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>&amp;RTS/CTS-Handshake</source>
        <translation>&amp;RTS/CTS handshake</translation>
    </message>
    <message>
        <source>D&amp;TR/DSR-Handshake</source>
        <translation>D&amp;TR/DSR handshake</translation>
    </message>
    <message>
        <source>&amp;XOn/XOff-Protokoll</source>
        <translation>&amp;XOn/XOff protocol</translation>
    </message>
    <message>
        <source>Schnittstelle initialisieren</source>
        <translation>Initialise the interface</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Gerät: </source>
        <translation>Device: </translation>
    </message>
</context>
<context>
    <name>TPositionDlg</name>
    <message>
        <source>Position Editieren</source>
        <translation>Edit site</translation>
    </message>
    <message>
        <source>Ortsbezeichnung</source>
        <translation>Site name</translation>
    </message>
    <message>
        <source>Breitengrad °</source>
        <translation>Latitude °</translation>
    </message>
    <message>
        <source>Längengrad ° (östliche Länge ist negativ!)</source>
        <translation>Longitude ° (east longitude is negative!)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TSDIAppForm</name>
    <message>
        <source>Protokoll&amp;monitor</source>
        <translation>Traffic &amp;monitor</translation>
    </message>
    <message>
        <source>&amp;Tagesverlauf</source>
        <translation>&amp;Day chart</translation>
    </message>
    <message>
        <source>&amp;Jahresverschattung</source>
        <translation>&amp;Yearly shading</translation>
    </message>
    <message>
        <source>A&amp;nsicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Höhe des Moduls im senkrechtem Zustand</source>
        <translation>Height of the module standing upright</translation>
    </message>
    <message>
        <source>Abstand der geneigten Modulreihen incl. einer Modulstärke.</source>
        <translation>Distance between the tilted module rows, including one module's thickness.</translation>
    </message>
    <message>
        <source>Neigung der Module in Grad. Daraus wird die tatsächliche Höhe für den Schattenwurf berechnet.</source>
        <translation>Tilt of the modules in degrees. The real height that casts the shadow follows from it.</translation>
    </message>
    <message>
        <source>Winkelposition des Ostanschlag.</source>
        <translation>Angular position of the east stop.</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Breitengrad °</source>
        <translation>Latitude °</translation>
    </message>
    <message>
        <source>Geographische Breite der Trackerposition</source>
        <translation>Geographic latitude of the tracker's site</translation>
    </message>
    <message>
        <source>Längengrad °</source>
        <translation>Longitude °</translation>
    </message>
    <message>
        <source>Geographische Länge der Trackerposition. Östliche Länge muß negativ eingegeben werden!</source>
        <translation>Geographic longitude of the tracker's site. East longitudes must be entered as negative!</translation>
    </message>
    <message>
        <source>Modulhöhe in cm</source>
        <translation>Module height in cm</translation>
    </message>
    <message>
        <source>Modubreite in cm</source>
        <translation>Row width in cm</translation>
    </message>
    <message>
        <source>Breite des Moduls. Bei mehreren nebeneinander angeortneten Modulen ist hier die gesammte Breite anzugeben.</source>
        <translation>Width of the whole row: for several modules side by side, their total width.</translation>
    </message>
    <message>
        <source>Lichter Modulabstand in cm</source>
        <translation>Clear row spacing in cm</translation>
    </message>
    <message>
        <source>Modulneigung in °</source>
        <translation>Module tilt in °</translation>
    </message>
    <message>
        <source>Anzeige Scalierung in cm</source>
        <translation>Display scale in cm</translation>
    </message>
    <message>
        <source>Darstellungsmaßstab auf der PC-Oberfläche</source>
        <translation>Scale of the drawing on the screen</translation>
    </message>
    <message>
        <source>Intervall in min</source>
        <translation>Interval in min</translation>
    </message>
    <message>
        <source>Zeitabstände in denen die Tracker Steuerung eine neue Sonnenposition berechnet und eine Nachführung durchführt.</source>
        <translation>Interval at which the tracker controller calculates a new sun position and turns the tracker.</translation>
    </message>
    <message>
        <source>STOP OST in °</source>
        <translation>STOP EAST in °</translation>
    </message>
    <message>
        <source>STOP WEST in °</source>
        <translation>STOP WEST in °</translation>
    </message>
    <message>
        <source>Position des Westanschlag.</source>
        <translation>Position of the west stop.</translation>
    </message>
    <message>
        <source>Modulpos. auf Tracker in °</source>
        <translation>Module pos. on tracker in °</translation>
    </message>
    <message>
        <source>aktuelle Trackerposition zu diesem Zeitpunkt</source>
        <translation>tracker position at this time</translation>
    </message>
    <message>
        <source>UTC Zeit (GMT Winter in Deutschland)</source>
        <translation>UTC time (GMT, winter time in Germany)</translation>
    </message>
    <message>
        <source>Trackerdaten für Simulation</source>
        <translation>Tracker data for the simulation</translation>
    </message>
    <message>
        <source>Positionen</source>
        <translation>Sites</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>möglicher</source>
        <translation>of possible</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>installation errors</translation>
    </message>
    <message>
        <source>mit Differenz</source>
        <translation>with difference</translation>
    </message>
    <message>
        <source>zur Realität</source>
        <translation>to reality</translation>
    </message>
    <message>
        <source>Fehler </source>
        <translation>Error </translation>
    </message>
    <message>
        <source>Backtrack immer nach Osten</source>
        <translation>Always backtrack to the east</translation>
    </message>
    <message>
        <source>Anschläge verwenden</source>
        <translation>Use the stops</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Start SIM</source>
        <translation>Start SIM</translation>
    </message>
    <message>
        <source>Stop SIM</source>
        <translation>Stop SIM</translation>
    </message>
    <message>
        <source>max.STOP Ost=</source>
        <translation>max. STOP east=</translation>
    </message>
    <message>
        <source>max. STOP West=</source>
        <translation>max. STOP west=</translation>
    </message>
    <message>
        <source>Azimut=</source>
        <translation>Azimuth=</translation>
    </message>
    <message>
        <source> Elevation=</source>
        <translation> Elevation=</translation>
    </message>
    <message>
        <source>Schatten=</source>
        <translation>Shadow=</translation>
    </message>
    <message>
        <source>Winkelkorrektur=</source>
        <translation>Angle correction=</translation>
    </message>
    <message>
        <source>Trackerposition=</source>
        <translation>Tracker position=</translation>
    </message>
    <message>
        <source>Sonnenwende=</source>
        <translation>Solar noon=</translation>
    </message>
    <message>
        <source>Verschattung</source>
        <translation>Shading</translation>
    </message>
    <message>
        <source>Empfangene Protokolle</source>
        <translation>Frames received</translation>
    </message>
    <message>
        <source>Zustand der Schnittstelle</source>
        <translation>Interface state</translation>
    </message>
    <message>
        <source>Schnittstelleneinstellung</source>
        <translation>Interface settings</translation>
    </message>
    <message>
        <source>Letzte Meldung</source>
        <translation>Last message</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Ausschneiden</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Schnittstelle</source>
        <translation>&amp;Interface</translation>
    </message>
    <message>
        <source>&amp;Parametrierung</source>
        <translation>&amp;Parametrization</translation>
    </message>
    <message>
        <source>&amp;Firmwareupdate</source>
        <translation>&amp;Firmware update</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>D&amp;atei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>&amp;Tracker</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>Uebertragung</name>
    <message>
        <source> (Adresszeiger %1)</source>
        <translation> (address pointer %1)</translation>
    </message>
    <message>
        <source> (%1 Bytes ab Adresse %2)</source>
        <translation> (%1 bytes from address %2)</translation>
    </message>
</context>
<context>
    <name>firmwaremessung</name>
    <message>
        <source>ein Pfad</source>
        <translation>a path</translation>
    </message>
    <message>
        <source>eine Baudrate von 50 bis 4000000</source>
        <translation>a baud rate from 50 to 4000000</translation>
    </message>
    <message>
        <source>--geraet fehlt</source>
        <translation>--geraet is missing</translation>
    </message>
    <message>
        <source>Aufruf: firmwaremessung --geraet PFAD --image DATEI [--baud N]
Misst eine Firmwareübertragung des Firmwarefensters gegen den Bootloader am
Gerät und vergleicht die Zeit mit der Zeit der Bytes auf der Leitung.
--opt=wert oder --opt wert.
  --geraet PFAD  Gerät des Bootloaders
  --image DATEI  TI-TXT-Datei
  --baud N       Baudrate der Leitung (4800; 50 bis 4000000)
  --help         diese Hilfe
Ende: 0 gemessen, 1 das Gerät lässt sich nicht öffnen oder die Übertragung kam
nicht zu Ende, 2 falscher Aufruf.
</source>
        <translation>Usage: firmwaremessung --geraet PFAD --image DATEI [--baud N]
Measures a firmware transfer of the firmware window against the bootloader on
the device and compares the time with the time of the bytes on the line.
--opt=value or --opt value.
  --geraet PFAD  the bootloader's device
  --image DATEI  TI-TXT file
  --baud N       the line's baud rate (4800; 50 to 4000000)
  --help         this help
Exit: 0 measured, 1 the device cannot be opened or the transfer did not finish,
2 wrong call.
</translation>
    </message>
</context>
<context>
    <name>heliowendler-calc</name>
    <message>
        <source>(--help zeigt die Optionen)</source>
        <translation>(--help shows the options)</translation>
    </message>
    <message>
        <source>die Werte von --variiere lassen sich nicht bilden: hoechstens 1001, jeder Schritt muss den Wert aendern</source>
        <translation>the values of --variiere cannot be formed: at most 1001, each step must change the value</translation>
    </message>
    <message>
        <source>eine ganze Zahl</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>eine Zahl mit Dezimalpunkt</source>
        <translation>a number with a decimal point</translation>
    </message>
    <message>
        <source>eine ganze Zahl (die Suchen lesen die Geometrie ganzzahlig)</source>
        <translation>a whole number (the searches read the geometry as whole numbers)</translation>
    </message>
    <message>
        <source>NAME:VON:BIS:SCHRITT (NAME einer von %1; VON &lt;= BIS, SCHRITT &gt; 0 und gross genug, den Wert zu aendern, hoechstens 1001 Werte)</source>
        <translation>NAME:FROM:TO:STEP (NAME one of %1; FROM &lt;= TO, STEP &gt; 0 and large enough to change the value, at most 1001 values)</translation>
    </message>
    <message>
        <source>eine Minutenzahl von 1 bis 1440</source>
        <translation>a number of minutes from 1 to 1440</translation>
    </message>
    <message>
        <source>eine Minutenzahl von 1 bis 60</source>
        <translation>a number of minutes from 1 to 60</translation>
    </message>
    <message>
        <source>eine Zahl von %1 bis %2</source>
        <translation>a number from %1 to %2</translation>
    </message>
    <message>
        <source>Aufruf: heliowendler-calc [Optionen]
Berechnet Sonnenstand, Backtracking und Verschattung wie das Hauptfenster.
Zahlen immer mit Punkt; --opt=wert oder --opt wert.
  --jahr N --monat N --tag N      Datum (2008, 7, 7)
  --stunde X --minute N           UTC (11, 0)
  --phi X --lam X                 Breite (-90 bis 90), Laenge Ost negativ (-180 bis
                                  180) in Grad (50.53, -14.48)
  --modull N --modulh N           Modulbreite, Modulhoehe in cm (1500, 160)
  --modula N --moduln N           Lichter Abstand in cm, Neigung in Grad (150, 30)
  --modulherr X --modulaerr X --modulnerr X   Fehler (0)
  --endlagestart X --endlagestarterr X --endlagestop X   Anschlaege (75, 0, 285)
  --ost                           Backtrack immer nach Osten
  --wendestunde N                 Sonnenwende der vorigen Rechnung (12)
  --tabelle MIN                   CSV ueber den UTC-Tag in Schritten von MIN Minuten
  --jahresstudie                  Strahlung und Verschattung des Jahres --jahr als CSV
                                  je Monat und Jahr: mit Backtracking, ohne Fehler,
                                  ohne Backtracking; danach die Extreme (Name=Wert)
  --schritt MIN                   Abstand der Augenblicke der Jahresstudie (5; 1 bis 60)
  --variiere NAME:VON:BIS:SCHRITT Jahresstudie je Wert eines Fehlers als CSV
                                  (hoechstens 1001 Werte); NAME einer von
                                  %1
  --wetter DATEI                  Jahresstudie (oder --variiere) auf einer
                                  Wetterdatei (EPW, PVGIS-CSV/-JSON, TMY3) am Ort
                                  der Datei, ausser --phi/--lam sind gegeben; je
                                  Weg die Spalten Unverschattet, Direkt, Himmel,
                                  Boden, Wirksam (kWh/m2), StrahlSchatten,
                                  HimmelSchatten, Elektrisch (Prozent der
                                  unverschatteten), Teilverschattet (h); danach
                                  GewinnBacktracking_Prozent und die Annahmen.
                                  Datenqualitaet und Zeitpruefung auf stderr
  --zeitversatz H                 die Daten liegen H Stunden zu frueh (0; -24 bis 24)
  --albedo X                      Albedo, wo die Datei keine hat (0.2; 0 bis 1)
  --diffus perez|isotrop          Himmelsmodell des diffusen Lichts (perez)
  --bloecke NxM                   Bypass-Bloecke je Modul: N uebereinander,
                                  M nebeneinander (1x3)
  --help                          diese Hilfe
Ende: 0 gerechnet, 2 falscher Aufruf oder die Rechnung scheiterte, 4 die
Wetterdatei ist nicht lesbar oder keine.
</source>
        <translation>Usage: heliowendler-calc [options]
Calculates the sun position, backtracking and shading as the main window does.
Numbers always with a point; --opt=value or --opt value.
  --jahr N --monat N --tag N      date: year, month, day (2008, 7, 7)
  --stunde X --minute N           UTC: hour, minute (11, 0)
  --phi X --lam X                 latitude (-90 to 90), longitude east negative (-180
                                  to 180) in degrees (50.53, -14.48)
  --modull N --modulh N           row width, module height in cm (1500, 160)
  --modula N --moduln N           clear row spacing in cm, tilt in degrees (150, 30)
  --modulherr X --modulaerr X --modulnerr X   installation errors (0)
  --endlagestart X --endlagestarterr X --endlagestop X   stops (75, 0, 285)
  --ost                           always backtrack to the east
  --wendestunde N                 solar noon hour of the previous calculation (12)
  --tabelle MIN                   CSV over the UTC day in steps of MIN minutes
  --jahresstudie                  beam and shading of the year --jahr as CSV per
                                  month and year: with backtracking, without
                                  installation errors, without backtracking; then
                                  the extremes (Name=value)
  --schritt MIN                   spacing of the year study's instants (5; 1 to 60)
  --variiere NAME:FROM:TO:STEP    year study per value of one installation error as
                                  CSV (at most 1001 values); NAME one of
                                  %1
  --wetter FILE                   year study (or --variiere) on a weather file
                                  (EPW, PVGIS CSV/JSON, TMY3) at the file's site
                                  unless --phi/--lam are given; per way the columns
                                  Unverschattet (unshaded), Direkt (beam), Himmel
                                  (sky), Boden (ground), Wirksam (effective) in
                                  kWh/m2, StrahlSchatten (beam shade),
                                  HimmelSchatten (sky masking), Elektrisch
                                  (bypass blocks) in percent of the unshaded,
                                  Teilverschattet (partly shaded, h); then
                                  GewinnBacktracking_Prozent (gain of
                                  backtracking) and the assumptions. Data quality
                                  and time check on stderr
  --zeitversatz H                 the data are H hours early (0; -24 to 24)
  --albedo X                      albedo where the file has none (0.2; 0 to 1)
  --diffus perez|isotrop          sky model of the diffuse light (perez)
  --bloecke NxM                   bypass-diode blocks per module: N stacked over
                                  the slant height, M side by side (1x3)
  --help                          this help
Exit: 0 calculated, 2 wrong call or the calculation failed, 4 the weather
file cannot be read or is none.
</translation>
    </message>
    <message>
        <source>der Pfad einer Wetterdatei</source>
        <translation>the path of a weather file</translation>
    </message>
    <message>
        <source>eine Stundenzahl von -24 bis 24</source>
        <translation>a number of hours from -24 to 24</translation>
    </message>
    <message>
        <source>eine Zahl von 0 bis 1</source>
        <translation>a number from 0 to 1</translation>
    </message>
    <message>
        <source>perez oder isotrop</source>
        <translation>perez or isotrop</translation>
    </message>
    <message>
        <source>NxM, Bloecke uebereinander x nebeneinander, je 1 bis 20</source>
        <translation>NxM, blocks stacked x side by side, 1 to 20 each</translation>
    </message>
    <message>
        <source>--wetter gilt nur mit --jahresstudie oder --variiere</source>
        <translation>--wetter only applies with --jahresstudie or --variiere</translation>
    </message>
    <message>
        <source>--zeitversatz, --albedo, --diffus und --bloecke gelten nur mit --wetter</source>
        <translation>--zeitversatz, --albedo, --diffus and --bloecke only apply with --wetter</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Wetterdatei %1: Breite %2, Laenge %3 (Ost positiv), Hoehe %4 m, %5 bis %6, Schritt %7 min, %8 Zeilen</source>
        <translation>Weather file %1: latitude %2, longitude %3 (east positive), elevation %4 m, %5 to %6, step %7 min, %8 rows</translation>
    </message>
    <message>
        <source>Warnung: gerechnet an Breite %1, Laenge %2 (Ost negativ); die Wetterdatei gilt fuer Breite %3, Laenge %4 (Ost negativ)</source>
        <translation>Warning: calculated at latitude %1, longitude %2 (east negative); the weather file holds for latitude %3, longitude %4 (east negative)</translation>
    </message>
</context>
<context>
    <name>heliowendler-service</name>
    <message>
        <source>%1 % Zeile %2/%3 %4 B/s noch %5 s</source>
        <translation>%1 % line %2/%3 %4 B/s %5 s left</translation>
    </message>
    <message>
        <source> (löscht)</source>
        <translation> (erasing)</translation>
    </message>
    <message>
        <source>fertig</source>
        <translation>done</translation>
    </message>
    <message>
        <source>FEHLER</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>%1: fertig, %2 Zeilen, %3 Bytes gesendet, %4 Wiederholungen, %5 s (Zeit auf der Leitung bei 4800 Baud: %6 s)</source>
        <translation>%1: done, %2 lines, %3 bytes sent, %4 repetitions, %5 s (time on the wire at 4800 baud: %6 s)</translation>
    </message>
    <message>
        <source>Senden fehlgeschlagen</source>
        <translation>Sending failed</translation>
    </message>
    <message>
        <source>flash: ein Image erwartet</source>
        <translation>flash: an image expected</translation>
    </message>
    <message>
        <source>--port fehlt</source>
        <translation>--port is missing</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Diese Datei kann nicht übertragen werden:
%1</source>
        <translation>This file cannot be transferred:
%1</translation>
    </message>
    <message>
        <source>Nicht jede Übertragung ist gelungen.</source>
        <translation>Not every transfer succeeded.</translation>
    </message>
    <message>
        <source>eingetragen</source>
        <translation>pinned</translation>
    </message>
    <message>
        <source>eingebaut</source>
        <translation>built-in</translation>
    </message>
    <message>
        <source>Keine Schnittstelle gefunden.
</source>
        <translation>No interface found.
</translation>
    </message>
    <message>
        <source>Seriennummer %1</source>
        <translation>serial number %1</translation>
    </message>
    <message>
        <source>belegt</source>
        <translation>in use</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>free</translation>
    </message>
    <message>
        <source>Dieser Befehl nimmt ein --port</source>
        <translation>This command takes one --port</translation>
    </message>
    <message>
        <source>%1: Senden fehlgeschlagen</source>
        <translation>%1: sending failed</translation>
    </message>
    <message>
        <source>Version: %1
</source>
        <translation>Version: %1
</translation>
    </message>
    <message>
        <source>an</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Position aktuell: %1 °
Schatten aktuell: %2 cm
Stand der Sonne: %3 °
Azimut: %4 °
Grenzwinkel: %5 °
Korrektur: %6 °
</source>
        <translation>Current position: %1 °
Current shadow: %2 cm
Sun elevation: %3 °
Azimuth: %4 °
Limit angle: %5 °
Correction: %6 °
</translation>
    </message>
    <message>
        <source>%1 UTC, Gruppe %2
</source>
        <translation>%1 UTC, group %2
</translation>
    </message>
    <message>
        <source>--setzen %1: JJJJ-MM-TTTHH:MM[:SS] erwartet</source>
        <translation>--setzen %1: YYYY-MM-DDTHH:MM[:SS] expected</translation>
    </message>
    <message>
        <source>--setzen %1: das Jahr muss zwischen 2000 und 2255 liegen</source>
        <translation>--setzen %1: the year must lie between 2000 and 2255</translation>
    </message>
    <message>
        <source>Die Uhr liest %1 UTC, Gruppe %2 zurück; gesetzt war %3 UTC, Gruppe %4</source>
        <translation>The clock reads back %1 UTC, group %2; set was %3 UTC, group %4</translation>
    </message>
    <message>
        <source>In %1 kann nicht geschrieben werden</source>
        <translation>%1 cannot be written</translation>
    </message>
    <message>
        <source>Parametersatz gesetzt und zurückgelesen: gleich.
</source>
        <translation>Parameter set written and read back: the same.
</translation>
    </message>
    <message>
        <source>Der zurückgelesene Satz weicht ab (- gesendet, + gelesen):
%1</source>
        <translation>The set read back differs (- sent, + read):
%1</translation>
    </message>
    <message>
        <source>position bewegt den Tracker: mit --ja bestätigen</source>
        <translation>position moves the tracker: confirm with --ja</translation>
    </message>
    <message>
        <source>Gesendet. Status: %1, Countdown %2
</source>
        <translation>Sent. Status: %1, countdown %2
</translation>
    </message>
    <message>
        <source>speed bewegt den Tracker nach West und Ost: mit --ja bestätigen</source>
        <translation>speed moves the tracker west and east: confirm with --ja</translation>
    </message>
    <message>
        <source>Fahrt nach West ...</source>
        <translation>Moving west ...</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Ost</source>
        <translation>East</translation>
    </message>
    <message>
        <source>Fahrt nach Ost ...</source>
        <translation>Moving east ...</translation>
    </message>
    <message>
        <source>Trackgeschwindigkeit: %1
</source>
        <translation>Tracking speed: %1
</translation>
    </message>
    <message>
        <source>unbekannter Befehl %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>(--help zeigt die Befehle)</source>
        <translation>(--help shows the commands)</translation>
    </message>
    <message>
        <source>kein Befehl</source>
        <translation>no command</translation>
    </message>
    <message>
        <source>Kein Adapter mit der Seriennummer %1 ist angeschlossen</source>
        <translation>No adapter with the serial number %1 is plugged in</translation>
    </message>
    <message>
        <source>Mehrere Adapter haben die Seriennummer %1: %2</source>
        <translation>Several adapters have the serial number %1: %2</translation>
    </message>
    <message>
        <source>--port %1: COM&lt;n&gt;, ein Gerätepfad oder SN:&lt;Seriennummer&gt; erwartet</source>
        <translation>--port %1: COM&lt;n&gt;, a device path or SN:&lt;serial number&gt; expected</translation>
    </message>
    <message>
        <source>Das Protokoll %1 kann nicht geschrieben werden: %2</source>
        <translation>The record %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht öffnen: %2</source>
        <translation>%1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: keine gültige Antwort auf "%2" nach %3 Versuchen (%4 Prüfsummenfehler)</source>
        <translation>%1: no valid answer to "%2" after %3 attempts (%4 checksum errors)</translation>
    </message>
    <message>
        <source>%1: Falsche Version! Die Steuerung meldet "%2"; den Parametersatz gibt es ab %3.</source>
        <translation>%1: Wrong version! The controller reports "%2"; the parameter set needs %3 or later.</translation>
    </message>
    <message>
        <source>%1: Die Version "%2" ist nicht lesbar; den Parametersatz gibt es ab %3.</source>
        <translation>%1: The version "%2" cannot be read; the parameter set needs %3 or later.</translation>
    </message>
    <message>
        <source>zeit: --setzen und --jetzt schließen einander aus</source>
        <translation>zeit: --setzen and --jetzt exclude each other</translation>
    </message>
    <message>
        <source>zeit: --gruppe gilt nur mit --setzen oder --jetzt</source>
        <translation>zeit: --gruppe only applies with --setzen or --jetzt</translation>
    </message>
    <message>
        <source>param: --datei und --setzen schließen einander aus</source>
        <translation>param: --datei and --setzen exclude each other</translation>
    </message>
    <message>
        <source>position: ein Winkel in ganzen Grad von 0 bis 65535 erwartet</source>
        <translation>position: an angle in whole degrees from 0 to 65535 expected</translation>
    </message>
    <message>
        <source>Countdown: %1
</source>
        <translation>Countdown: %1
</translation>
    </message>
    <message>
        <source>speed: nach %1 s ohne Ergebnis aufgegeben (die Grenze aus den Anschlägen %2° und %3° und %4 °/s); zuletzt gesehen: %5, Fahrt nach %6 seit %7</source>
        <translation>speed: given up after %1 s without a result (the limit from the stops %2° and %3° and %4 °/s); last seen: %5, moving %6 for %7</translation>
    </message>
    <message>
        <source>ports</source>
        <translation>ports</translation>
    </message>
    <message>
        <source>jede Schnittstelle COM&lt;n&gt; mit Gerät, Art, bei USB
Hersteller, Produkt und Seriennummer, und ob ein
anderes Programm sie hält</source>
        <translation>every interface COM&lt;n&gt; with its device and kind, for
USB vendor, product and serial number, and whether
another program holds it</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>Versionstext der Steuerung ("GET Info");
unter 01.20 "Falsche Version!"</source>
        <translation>the controller's version text ("GET Info");
below 01.20 "Wrong version!"</translation>
    </message>
    <message>
        <source>status</source>
        <translation>status</translation>
    </message>
    <message>
        <source>die sechs Statuslampen und der Countdown</source>
        <translation>the six status lamps and the countdown</translation>
    </message>
    <message>
        <source>werte</source>
        <translation>werte</translation>
    </message>
    <message>
        <source>die sechs aktuellen Systemwerte mit Einheiten</source>
        <translation>the six current values with their units</translation>
    </message>
    <message>
        <source>zeit</source>
        <translation>zeit</translation>
    </message>
    <message>
        <source>die Uhr der Steuerung (UTC)</source>
        <translation>the controller's clock (UTC)</translation>
    </message>
    <message>
        <source>zeit --setzen JJJJ-MM-TTTHH:MM[:SS] | --jetzt [--gruppe N]</source>
        <translation>zeit --setzen YYYY-MM-DDTHH:MM[:SS] | --jetzt [--gruppe N]</translation>
    </message>
    <message>
        <source>stellt die Uhr und liest sie zurück; Gruppe (ohne
--gruppe) und ZeitZusatz bleiben, wie gelesen</source>
        <translation>sets the clock and reads it back; the group
(without --gruppe) and ZeitZusatz stay as read</translation>
    </message>
    <message>
        <source>param [--datei F]</source>
        <translation>param [--datei F]</translation>
    </message>
    <message>
        <source>der Parametersatz als INI-Text, jeder Wert genau,
wie die Steuerung ihn hält (ohne --datei auf die
Standardausgabe)</source>
        <translation>the parameter set as INI text, each value exactly
as the controller holds it (without --datei on
standard output)</translation>
    </message>
    <message>
        <source>param --setzen F</source>
        <translation>param --setzen F</translation>
    </message>
    <message>
        <source>prüft F mit den Regeln des Fensters, sendet
"SET Parameter", liest den Satz zurück und
vergleicht; beides erst ab Version 01.20</source>
        <translation>checks F with the window's rules, sends
"SET Parameter", reads the set back and
compares; both only from version 01.20 on</translation>
    </message>
    <message>
        <source>position WINKEL --ja</source>
        <translation>position ANGLE --ja</translation>
    </message>
    <message>
        <source>fährt den Tracker auf WINKEL (bewegt die Mechanik)</source>
        <translation>moves the tracker to ANGLE (moves the mechanics)</translation>
    </message>
    <message>
        <source>automatik</source>
        <translation>automatik</translation>
    </message>
    <message>
        <source>zurück in den Automatikbetrieb</source>
        <translation>back to automatic mode</translation>
    </message>
    <message>
        <source>speed --ja</source>
        <translation>speed --ja</translation>
    </message>
    <message>
        <source>misst die Trackgeschwindigkeit (fährt nach West,
dann nach Ost; bewegt die Mechanik); gibt auf nach
zwei Fahrten zwischen den Anschlägen bei halber
eingestellter Geschwindigkeit und 10 s</source>
        <translation>measures the tracking speed (turns west, then
east; moves the mechanics); gives up after two
runs between the stops at half the set speed
and 10 s</translation>
    </message>
    <message>
        <source>flash IMAGE</source>
        <translation>flash IMAGE</translation>
    </message>
    <message>
        <source>überträgt ein TI-TXT-Image an den Bootloader; mit
mehreren --port an mehrere Steuerungen zugleich</source>
        <translation>transfers a TI-TXT image to the bootloader; with
several --port to several controllers at once</translation>
    </message>
    <message>
        <source>COM&lt;n&gt; (wie im Schnittstellendialog: [Ports] der
Einstellungsdatei, dann die Geräte des Systems),
ein Gerätepfad oder SN:&lt;Seriennummer&gt; eines
USB-Adapters; bei flash auch mehrfach</source>
        <translation>COM&lt;n&gt; (as in the interface dialog: [Ports] of the
settings file, then the system's devices), a
device path or SN:&lt;serial number&gt; of a USB
adapter; for flash also several times</translation>
    </message>
    <message>
        <source>Einstellungsdatei mit [Ports] (die der Anwendung:
heliowendler.INI in ihrem Ordner)</source>
        <translation>settings file with [Ports] (the application's:
heliowendler.INI in its folder)</translation>
    </message>
    <message>
        <source>jedes Byte beider Richtungen mit Zeit als Zeile in F
(bei mehreren Ports: F.COM&lt;n&gt;)</source>
        <translation>every byte of both directions with its time as a
line in F (with several ports: F.COM&lt;n&gt;)</translation>
    </message>
    <message>
        <source>Sekunden bis zur Antwort (2; flash: 5 wie im
Fenster)</source>
        <translation>seconds until the answer (2; flash: 5 as in the
window)</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>Aufruf: heliowendler-service BEFEHL [Optionen]
Wartung einer Trackersteuerung über die serielle Leitung (4800 Baud, 8N1), ohne
Fenster. --opt=wert oder --opt wert; Zahlen mit Punkt.

Befehle:
</source>
        <translation>Usage: heliowendler-service COMMAND [options]
Service of a tracker controller over the serial line (4800 baud, 8N1), without
windows. --opt=value or --opt value; numbers with a point.

Commands:
</translation>
    </message>
    <message>
        <source>Optionen:
</source>
        <translation>Options:
</translation>
    </message>
    <message>
        <source>Ende: 0 Erfolg, 1 falscher Aufruf, 2 Schnittstelle nicht zu öffnen oder
verloren, 3 keine oder falsche Antwort, eine Version unter 01.20, keine
Messung in der Zeit oder ein Unterschied beim Zurücklesen, 4 Datei oder Image
abgelehnt. Jeder Befehl endet von selbst.
</source>
        <translation>Exit: 0 success, 1 wrong call, 2 interface cannot be opened or lost, 3 no or
wrong answer, a version below 01.20, no measurement in time or a difference on
reading back, 4 file or image refused. Every command ends by itself.
</translation>
    </message>
    <message>
        <source>ein Pfad</source>
        <translation>a path</translation>
    </message>
    <message>
        <source>COM&lt;n&gt;, ein Gerätepfad oder SN:&lt;Seriennummer&gt;</source>
        <translation>COM&lt;n&gt;, a device path or SN:&lt;serial number&gt;</translation>
    </message>
    <message>
        <source>ein Pfad oder ein Zeitpunkt</source>
        <translation>a path or an instant</translation>
    </message>
    <message>
        <source>eine Zahl von Sekunden über 0 bis 3600</source>
        <translation>a number of seconds above 0 up to 3600</translation>
    </message>
    <message>
        <source>eine Zahl von 0 bis 100</source>
        <translation>a number from 0 to 100</translation>
    </message>
    <message>
        <source>eine Gruppe von 0 bis 255</source>
        <translation>a group from 0 to 255</translation>
    </message>
    <message>
        <source>%1 nimmt die Option --%2 nicht</source>
        <translation>%1 does not take the option --%2</translation>
    </message>
    <message>
        <source>%1: unerwartetes Wort "%2" (Aufruf: %3)</source>
        <translation>%1: unexpected word "%2" (usage: %3)</translation>
    </message>
    <message>
        <source>%1: es fehlt ein Wort (Aufruf: %2)</source>
        <translation>%1: a word is missing (usage: %2)</translation>
    </message>
    <message>
        <source>Verbindung zu %1 verloren (%2)</source>
        <translation>Connection to %1 lost (%2)</translation>
    </message>
    <message>
        <source>Für COM%1 ist kein Gerät bekannt: Gerät anschließen, im Abschnitt [Ports] von %2 eintragen (COM%1=/dev/…) oder einen Gerätepfad angeben</source>
        <translation>No device is known for COM%1: plug the device in, enter it in the section [Ports] of %2 (COM%1=/dev/…) or give a device path</translation>
    </message>
    <message>
        <source>Für das Senden an %1 lässt sich kein Thread starten: %2</source>
        <translation>No thread can be started for sending to %1: %2</translation>
    </message>
    <message>
        <source>Für den Empfang von %1 lässt sich kein Thread starten: %2</source>
        <translation>No thread can be started for receiving from %1: %2</translation>
    </message>
    <message>
        <source>eine Anfrage ohne gültige Antwort wird bis zu N-mal
wiederholt (2); flash: eine abgelehnte Zeile (10)</source>
        <translation>a request without a valid answer is sent again up to
N times (2); flash: a refused line (10)</translation>
    </message>
    <message>
        <source>Keine Antwort des Bootloaders seit %1 s: die Verbindung zur Schnittstelle ist verloren. Gerät und Kabel prüfen und flash erneut aufrufen.</source>
        <translation>No answer from the bootloader for %1 s: the connection to the interface is lost. Check the device and the cable and call flash again.</translation>
    </message>
    <message>
        <source>Keine Antwort des Bootloaders seit %1 s auf das Löschen. Läuft die Steuerung im Bootloader (beim Einschalten Servicetaste gedrückt und Kippschalter auf Ost oder West)? Nennt --port die richtige Schnittstelle?</source>
        <translation>No answer from the bootloader for %1 s to the erase. Is the controller running its bootloader (service button held at power-on and the toggle switch on east or west)? Does --port name the right interface?</translation>
    </message>
    <message>
        <source>Der Bootloader löscht seit %1 s ("Flash clear start"), "Flash clear OK" fehlt noch. Mit einer längeren --frist erneut aufrufen.</source>
        <translation>The bootloader has been erasing for %1 s ("Flash clear start"); "Flash clear OK" has not come yet. Call again with a longer --frist.</translation>
    </message>
    <message>
        <source>Keine Antwort des Bootloaders seit %1 s auf Zeile %2%3. Übertragung abgebrochen; ein neuer Aufruf löscht und beginnt von vorn.</source>
        <translation>No answer from the bootloader for %1 s to line %2%3. Transfer stopped; a new call erases and begins again.</translation>
    </message>
    <message>
        <source>%1: Bootloader: %2</source>
        <translation>%1: bootloader: %2</translation>
    </message>
    <message>
        <source>%1: Zeile %2 abgelehnt (NotAKN), Wiederholung %3 von %4</source>
        <translation>%1: line %2 refused (NotAKN), repetition %3 of %4</translation>
    </message>
    <message>
        <source>Zeile %1 nach %2 Wiederholungen noch abgelehnt (NotAKN); Übertragung abgebrochen.</source>
        <translation>Line %1 still refused (NotAKN) after %2 repetitions; transfer stopped.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Das Protokoll %1 kann nicht geschrieben werden: %2</source>
        <translation>The record %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Aufruf: heliowendler [Optionen]
Simuliert Drehtisch-Solartracker eines Standorts und spricht über die serielle
Leitung mit der Trackersteuerung (Parametrierung, Firmwareupdate).
  --protokoll F       jedes Byte der seriellen Leitung mit Zeit als Zeile in F
                      (angehängt; auch --protokoll=F)
  --help              diese Hilfe
  --version           die Version
Dazu die Optionen von Qt (etwa -platform, -style, -geometry).

Einstellungen und Standorte: heliowendler.INI und heliowendler.POS neben dem
Programm; installiert oder wo der Ordner nicht beschreibbar ist, in
$XDG_CONFIG_HOME/heliowendler (~/.config/heliowendler).

Ende: 0 Fenster geschlossen, 1 falscher Aufruf, 2 das Protokoll kann nicht
geschrieben werden.
</source>
        <translation>Usage: heliowendler [options]
Simulates a site's turntable solar trackers and talks over the serial line to
the tracker controller (parametrization, firmware update).
  --protokoll F       every byte of the serial line with its time as a line in F
                      (appended; also --protokoll=F)
  --help              this help
  --version           the version
And Qt's options (such as -platform, -style, -geometry).

Settings and sites: heliowendler.INI and heliowendler.POS beside the program;
installed, or where that folder cannot be written, in
$XDG_CONFIG_HOME/heliowendler (~/.config/heliowendler).

Exit: 0 window closed, 1 wrong call, 2 the record cannot be written.
</translation>
    </message>
    <message>
        <source>ein Dateiname</source>
        <translation>a file name</translation>
    </message>
    <message>
        <source>(--help zeigt die Optionen)</source>
        <translation>(--help shows the options)</translation>
    </message>
</context>
<context>
    <name>sioleerlauf</name>
    <message>
        <source>Aufruf: sioleerlauf [Optionen]
Misst die CPU-Zeit, die der Prozess bei offener Schnittstelle braucht.
--opt=wert oder --opt wert.
  --sekunden S   Messdauer in Sekunden (30; 1 bis 86400)
  --abfrage      alle 1,5 s eine Statusanfrage senden, die ein Stellvertreter
                 der Steuerung beantwortet
  --geraet PFAD  vorhandenes Gerät statt eines eigenen Pseudo-Terminals
  --help         diese Hilfe
Ende: 0 gemessen, 1 falscher Aufruf oder die Schnittstelle lässt sich nicht
öffnen.
</source>
        <translation>Usage: sioleerlauf [options]
Measures the CPU time the process takes while the interface is open.
--opt=value or --opt value.
  --sekunden S   measuring time in seconds (30; 1 to 86400)
  --abfrage      send a status request every 1.5 s, which a stand-in for the
                 controller answers
  --geraet PFAD  an existing device instead of a pseudo-terminal of its own
  --help         this help
Exit: 0 measured, 1 wrong call or the interface cannot be opened.
</translation>
    </message>
    <message>
        <source>eine Zahl von Sekunden von 1 bis 86400</source>
        <translation>a number of seconds from 1 to 86400</translation>
    </message>
    <message>
        <source>ein Pfad</source>
        <translation>a path</translation>
    </message>
</context>
<context>
    <name>titxt</name>
    <message>
        <source>das Leerzeichen</source>
        <translation>the space</translation>
    </message>
    <message>
        <source>das Zeichen 0x%1</source>
        <translation>the character 0x%1</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Zeile %1, Spalte %2</source>
        <translation>Line %1, column %2</translation>
    </message>
    <message>
        <source>%1: Das letzte Byte hat nur eine Hexadezimalziffer.</source>
        <translation>%1: The last byte has only one hexadecimal digit.</translation>
    </message>
    <message>
        <source>%1: Die Bytes sind durch genau ein Leerzeichen getrennt.</source>
        <translation>%1: The bytes are separated by exactly one space.</translation>
    </message>
    <message>
        <source>%1: %2 ist keine Hexadezimalziffer.</source>
        <translation>%1: %2 is not a hexadecimal digit.</translation>
    </message>
    <message>
        <source>%1: Zwischen zwei Bytes steht genau ein Leerzeichen, nicht %2.</source>
        <translation>%1: Between two bytes stands exactly one space, not %2.</translation>
    </message>
    <message>
        <source>%1 hat %2 Bytes; ein Rahmen fasst höchstens %3.</source>
        <translation>%1 has %2 bytes; a frame holds at most %3.</translation>
    </message>
    <message>
        <source>%1 ist leer.</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <source>%1: Eine Adresszeile ist "@" und genau vier Hexadezimalziffern ("@F000"), nicht "%2".</source>
        <translation>%1: An address line is "@" and exactly four hexadecimal digits ("@F000"), not "%2".</translation>
    </message>
    <message>
        <source>%1: "q" beendet das Image, danach steht aber noch eine Zeile.</source>
        <translation>%1: "q" ends the image, but one more line follows.</translation>
    </message>
    <message>
        <source>%1: "q" beendet das Image, danach stehen aber noch %2 Zeilen.</source>
        <translation>%1: "q" ends the image, but %2 more lines follow.</translation>
    </message>
    <message>
        <source>%1: Die letzte Zeile ist genau "q", nicht "%2".</source>
        <translation>%1: The last line is exactly "q", not "%2".</translation>
    </message>
    <message>
        <source>%1: Daten vor der ersten Adresszeile.</source>
        <translation>%1: Data before the first address line.</translation>
    </message>
    <message>
        <source>%1: Die Daten reichen über die Adresse FFFF hinaus.</source>
        <translation>%1: The data reach beyond the address FFFF.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die letzte Zeile (%1) ist nicht "q".</source>
        <translation>The last line (%1) is not "q".</translation>
    </message>
    <message>
        <source>Das Image hat 1 Adresszeile; ein gültiges hat mindestens drei.</source>
        <translation>The image has 1 address line; a valid one has at least three.</translation>
    </message>
    <message>
        <source>Das Image hat %1 Adresszeilen; ein gültiges hat mindestens drei.</source>
        <translation>The image has %1 address lines; a valid one has at least three.</translation>
    </message>
</context>
<context>
    <name>trackersim</name>
    <message>
        <source>(--help zeigt die Optionen)</source>
        <translation>(--help shows the options)</translation>
    </message>
    <message>
        <source>ein Pfad</source>
        <translation>a path</translation>
    </message>
    <message>
        <source>eine Baudrate von 50 bis 4000000</source>
        <translation>a baud rate from 50 to 4000000</translation>
    </message>
    <message>
        <source>eine Zahl von Sekunden von 1 bis 3600</source>
        <translation>a number of seconds from 1 to 3600</translation>
    </message>
    <message>
        <source>eine Zahl von Sekunden von 0 bis 3600</source>
        <translation>a number of seconds from 0 to 3600</translation>
    </message>
    <message>
        <source>ein Text aus 1 bis 64 druckbaren Zeichen</source>
        <translation>a text of 1 to 64 printable characters</translation>
    </message>
    <message>
        <source>eine Zeit JJJJ-MM-TTTHH:MM:SS</source>
        <translation>a time YYYY-MM-DDTHH:MM:SS</translation>
    </message>
    <message>
        <source>--flut-falsch gilt nur mit --flut</source>
        <translation>--flut-falsch only applies with --flut</translation>
    </message>
    <message>
        <source>--flash-dump, --notakn und --notakn-rate gelten nur mit --bootloader</source>
        <translation>--flash-dump, --notakn and --notakn-rate only apply with --bootloader</translation>
    </message>
    <message>
        <source>%1 gilt nur mit --bootloader</source>
        <translation>%1 only applies with --bootloader</translation>
    </message>
    <message>
        <source>eine Zahl von 0.001 bis 1000000</source>
        <translation>a number from 0.001 to 1000000</translation>
    </message>
    <message>
        <source>eine Liste N,M,... von Zahlen ab 1</source>
        <translation>a list N,M,... of numbers from 1</translation>
    </message>
    <message>
        <source>eine Wahrscheinlichkeit von 0 bis 1</source>
        <translation>a probability from 0 to 1</translation>
    </message>
    <message>
        <source>eine Zahl von 0 bis 1000</source>
        <translation>a number from 0 to 1000</translation>
    </message>
    <message>
        <source>eine Zahl von 0 bis 4294967295</source>
        <translation>a number from 0 to 4294967295</translation>
    </message>
    <message>
        <source>--stuck gilt nur fuer die Steuerung</source>
        <translation>--stuck only applies to the controller</translation>
    </message>
    <message>
        <source>--bad-checksum und --stray-start gelten nur fuer die Steuerung (der Bootloader antwortet mit Text)</source>
        <translation>--bad-checksum and --stray-start only apply to the controller (the bootloader answers with text)</translation>
    </message>
    <message>
        <source>Aufruf: trackersim [Optionen]
Spielt die Trackersteuerung oder ihren Bootloader an einem Pseudo-Terminal. Gibt
den Pfad des Geraets als eine Zeile aus und laeuft bis SIGINT oder SIGTERM.
--opt=wert oder --opt wert; Zahlen mit Punkt.
  --link PFAD                 symbolischer Link PFAD -&gt; Geraet; ersetzt einen
                              alten Link, nie eine Datei; beim Ende entfernt
  --baud N                    sendet im Takt von N Baud, 10 Bit je Byte
                              (ohne: so schnell wie das Pseudo-Terminal)
  --rx-baud N                 nimmt die Bytes der Anwendung im Takt von N Baud
                              an, wie eine Leitung sie liefert (ohne: sofort)
Steuerung (Standard):
  --version TEXT              Versionstext der Antwort auf "GET Info" (01.20)
  --clock JJJJ-MM-TTTHH:MM:SS Uhr (UTC) beim Start (ohne: jetzt)
  --speedup F                 Uhr, Tracking und Motor F-mal so schnell (1)
  --ack-set                   beantwortet SET-Anfragen mit dem Status
                              (ohne: SET-Anfragen bleiben unbeantwortet)
  --param-falsch              speichert "SET Parameter" mit einer um 1 cm
                              groesseren Modulhoehe (Fehler beim Zuruecklesen)
  --stuck                     fuehrt "SET Position" und "SET Automatik" nicht
                              aus und dreht nicht: der Status bleibt, wie er ist
Bootloader:
  --bootloader                spielt den Bootloader statt der Steuerung
  --bootloader-version TEXT   Zeile beim Einschalten (Bootloader V1.00)
  --flash-dump DATEI          schreibt den Flash (64 KiB) beim Ende und bei
                              SIGUSR1 nach DATEI
  --notakn N,M,...            "NotAKN" auf die Rahmen N, M (ab 1, ohne Loeschen)
  --notakn-rate P             "NotAKN" mit der Wahrscheinlichkeit P (0 bis 1)
  --akn-blank N,M,...         schreibt die Rahmen N, M und antwortet "AKN " (mit
                              Leerzeichen am Ende, also keine Quittung)
  --early-akn                 antwortet beim Loeschen "AKN" vor "Flash clear OK"
  --slow-erase MS             meldet "Flash clear OK" erst MS Millisekunden nach
                              "Flash clear start" (ein langsames Loeschen)
  --log                       jeder Rahmen und die Antwort als Zeile nach stderr
Stoerungen:
  --bad-checksum N,M,...      falsche Pruefsumme in den Antworten N, M (ab 1)
  --stray-start N,M,...       ein Startbyte 0x55 allein vor den Antworten N, M
  --noise N                   N Stoerbytes vor jeder Antwort (Bootloader: als
                              eigene Zeile vor jeder Antwortzeile)
  --silent N,M,...            Anfragen (Bootloader: Rahmen) N, M gehen verloren:
                              nicht ausgefuehrt, nicht beantwortet
  --seed N                    Startwert fuer --noise und --notakn-rate (1)
  --flut S                    sendet S Sekunden lang gueltige Statusantworten so
                              schnell, wie das Pseudo-Terminal sie nimmt (ein
                              USB-Adapter, der die Baudrate nicht einhaelt);
                              danach die Zeile "Flut vorbei &lt;ns&gt;" auf stdout,
                              sobald das letzte Byte der Flut uebergeben ist
                              (ns: CLOCK_MONOTONIC in Nanosekunden)
  --flut-ab S                 die Flut beginnt S Sekunden nach dem Start (0)
  --flut-falsch               die Antworten der Flut tragen eine falsche
                              Pruefsumme
  --help                      diese Hilfe
Signale: SIGUSR1 schreibt den Flash (--flash-dump); SIGUSR2 schaltet den
Bootloader neu ein (er meldet seine Version).
Ende: 0 nach SIGINT oder SIGTERM, 1 Fehler beim Lauf, 2 falscher Aufruf.
</source>
        <translation>Usage: trackersim [options]
Plays the tracker controller or its bootloader on a pseudo-terminal. Prints the
device's path as one line and runs until SIGINT or SIGTERM.
--opt=value or --opt value; numbers with a point.
  --link PATH                 symbolic link PATH -&gt; device; replaces an old
                              link, never a file; removed at the end
  --baud N                    sends at the pace of N baud, 10 bits per byte
                              (without: as fast as the pseudo-terminal)
  --rx-baud N                 takes the application's bytes at the pace of N
                              baud, as a line delivers them (without: at once)
Controller (default):
  --version TEXT              version text of the answer to "GET Info" (01.20)
  --clock YYYY-MM-DDTHH:MM:SS clock (UTC) at the start (without: now)
  --speedup F                 clock, tracking and motor run F times as fast (1)
  --ack-set                   answers SET requests with the status
                              (without: SET requests stay unanswered)
  --param-falsch              stores "SET Parameter" with a module height 1 cm
                              larger (a difference on reading back)
  --stuck                     ignores "SET Position" and "SET Automatik" and
                              does not turn: the status stays as it is
Bootloader:
  --bootloader                plays the bootloader instead of the controller
  --bootloader-version TEXT   line at power-on (Bootloader V1.00)
  --flash-dump FILE           writes the flash (64 KiB) to FILE at the end and
                              on SIGUSR1
  --notakn N,M,...            "NotAKN" to the frames N, M (from 1, the erase
                              not counted)
  --notakn-rate P             "NotAKN" with the probability P (0 to 1)
  --akn-blank N,M,...         writes the frames N, M and answers "AKN " (with a
                              space at the end, so no acknowledgement)
  --early-akn                 answers "AKN" to the erase before "Flash clear OK"
  --slow-erase MS             reports "Flash clear OK" MS milliseconds after
                              "Flash clear start" (a slow erase)
  --log                       every frame and its answer as a line on stderr
Faults:
  --bad-checksum N,M,...      wrong checksum in the answers N, M (from 1)
  --stray-start N,M,...       a lone start byte 0x55 before the answers N, M
  --noise N                   N noise bytes before every answer (bootloader: as
                              a line of its own before every answer line)
  --silent N,M,...            requests (bootloader: frames) N, M get lost:
                              not carried out, not answered
  --seed N                    seed for --noise and --notakn-rate (1)
  --flut S                    sends valid status answers for S seconds as fast
                              as the pseudo-terminal takes them (a USB adapter
                              that does not keep the baud rate); then the line
                              "Flut vorbei &lt;ns&gt;" on stdout once the flood's last
                              byte is handed over (ns: CLOCK_MONOTONIC in
                              nanoseconds)
  --flut-ab S                 the flood begins S seconds after the start (0)
  --flut-falsch               the flood's answers carry a wrong checksum
  --help                      this help
Signals: SIGUSR1 writes the flash (--flash-dump); SIGUSR2 powers the bootloader
on again (it reports its version).
Exit: 0 after SIGINT or SIGTERM, 1 error while running, 2 wrong call.
</translation>
    </message>
    <message>
        <source>eine Zahl von Millisekunden von 1 bis 600000</source>
        <translation>a number of milliseconds from 1 to 600000</translation>
    </message>
</context>
<context>
    <name>variation</name>
    <message>
        <source>Fehler Anschlag Ost in °</source>
        <translation>East stop error in °</translation>
    </message>
    <message>
        <source>Fehler Modulhöhe in cm</source>
        <translation>Module height error in cm</translation>
    </message>
    <message>
        <source>Fehler Modulabstand in cm</source>
        <translation>Row spacing error in cm</translation>
    </message>
    <message>
        <source>Fehler Modulneigung in °</source>
        <translation>Module tilt error in °</translation>
    </message>
</context>
<context>
    <name>wetter</name>
    <message>
        <source>eine Zahl</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>ein Jahr</source>
        <translation>a year</translation>
    </message>
    <message>
        <source>ein Monat 1 … 12</source>
        <translation>a month 1 … 12</translation>
    </message>
    <message>
        <source>ein Tag des Monats</source>
        <translation>a day of the month</translation>
    </message>
    <message>
        <source>eine Stunde 1 … 24</source>
        <translation>an hour 1 … 24</translation>
    </message>
    <message>
        <source>eine Minute 0 … 60</source>
        <translation>a minute 0 … 60</translation>
    </message>
    <message>
        <source>ein Datum MM/TT/JJJJ</source>
        <translation>a date MM/DD/YYYY</translation>
    </message>
    <message>
        <source>eine Uhrzeit hh:mm bis 24:00</source>
        <translation>a time hh:mm up to 24:00</translation>
    </message>
    <message>
        <source>ein Zeitstempel JJJJMMTT:hhmm</source>
        <translation>a time stamp YYYYMMDD:hhmm</translation>
    </message>
    <message>
        <source>eine Breite -90 … 90°</source>
        <translation>a latitude -90 … 90°</translation>
    </message>
    <message>
        <source>eine Länge -180 … 180°</source>
        <translation>a longitude -180 … 180°</translation>
    </message>
    <message>
        <source>eine Zeitzone -12 … 14 h</source>
        <translation>a time zone -12 … 14 h</translation>
    </message>
    <message>
        <source>eine Höhe in m</source>
        <translation>an elevation in m</translation>
    </message>
    <message>
        <source>eine Zahl der Datensätze je Stunde, die 60 teilt</source>
        <translation>a number of records per hour that divides 60</translation>
    </message>
    <message>
        <source>ein weiteres Feld</source>
        <translation>another field</translation>
    </message>
    <message>
        <source>gültiges JSON</source>
        <translation>valid JSON</translation>
    </message>
    <message>
        <source>ein JSON-Objekt</source>
        <translation>a JSON object</translation>
    </message>
    <message>
        <source>Albedo</source>
        <translation>Albedo</translation>
    </message>
    <message>
        <source>Globalstrahlung (GHI)</source>
        <translation>global horizontal irradiance (GHI)</translation>
    </message>
    <message>
        <source>Direktnormalstrahlung (DNI)</source>
        <translation>direct normal irradiance (DNI)</translation>
    </message>
    <message>
        <source>Diffusstrahlung (DHI)</source>
        <translation>diffuse horizontal irradiance (DHI)</translation>
    </message>
    <message>
        <source>Zeile %1, Spalte %2</source>
        <translation>Line %1, column %2</translation>
    </message>
    <message>
        <source>Zeile %1, Zeichen %2</source>
        <translation>Line %1, character %2</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>es fehlt %1.</source>
        <translation>%1 is missing.</translation>
    </message>
    <message>
        <source>erwartet wird %1, gefunden „%2“.</source>
        <translation>expected %1, found "%2".</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 MiB.</source>
        <translation>The file is larger than %1 MiB.</translation>
    </message>
    <message>
        <source>Keine Wetterdatei (EPW, PVGIS-TMY als CSV oder JSON, TMY3): Zeile 1 beginnt mit „%1“.</source>
        <translation>Not a weather file (EPW, PVGIS TMY as CSV or JSON, TMY3): line 1 begins with "%1".</translation>
    </message>
    <message>
        <source>%1: die Angabe %2 fehlt.</source>
        <translation>%1: the value %2 is missing.</translation>
    </message>
    <message>
        <source>%1: die Zeile endet vorzeitig.</source>
        <translation>%1: the line ends early.</translation>
    </message>
    <message>
        <source>%1: die Spalte der %2 fehlt.</source>
        <translation>%1: the column of the %2 is missing.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Datenzeile.</source>
        <translation>The file holds no data row.</translation>
    </message>
    <message>
        <source>Keine Zeile der Datei enthält alle drei Einstrahlungswerte (GHI, DNI, DHI).</source>
        <translation>No row of the file holds all three irradiance values (GHI, DNI, DHI).</translation>
    </message>
    <message>
        <source>Die Zeilen folgen keinem regelmäßigen Schritt von 1 bis 60 Minuten (häufigster Abstand: %1 min).</source>
        <translation>The rows follow no regular step of 1 to 60 minutes (most frequent interval: %1 min).</translation>
    </message>
    <message>
        <source>Der Zeitversatz muss zwischen -24 und 24 Stunden liegen.</source>
        <translation>The time offset must lie between -24 and 24 hours.</translation>
    </message>
    <message>
        <source>Die Einstrahlung dieser Datei liegt um %1 h %2 min früher als der Sonnenstand: ist die Zeitzone richtig?</source>
        <translation>The irradiance of this file comes %1 h %2 min earlier than the sun position: is the time zone right?</translation>
    </message>
    <message>
        <source>Die Einstrahlung dieser Datei liegt um %1 h %2 min später als der Sonnenstand: ist die Zeitzone richtig?</source>
        <translation>The irradiance of this file comes %1 h %2 min later than the sun position: is the time zone right?</translation>
    </message>
    <message>
        <source>Zeilen mit fehlenden Werten (ausgelassen): %1 (GHI %2, DNI %3, DHI %4), geschätzt %5 % der Globalstrahlung</source>
        <translation>Rows with missing values (left out): %1 (GHI %2, DNI %3, DHI %4), an estimated %5 % of the global irradiation</translation>
    </message>
    <message>
        <source>Negative Einstrahlungswerte (auf 0 gesetzt): %1</source>
        <translation>Negative irradiance values (set to 0): %1</translation>
    </message>
    <message>
        <source>Zeilen mit Direktnormalstrahlung über der extraterrestrischen: %1</source>
        <translation>Rows with direct normal irradiance above the extraterrestrial: %1</translation>
    </message>
    <message>
        <source>Zeilen mit Diffusstrahlung über der Globalstrahlung: %1</source>
        <translation>Rows with diffuse above global irradiance: %1</translation>
    </message>
    <message>
        <source>Zeilen mit Einstrahlung bei Sonne unter dem Horizont: %1 (Direktstrahlung %2 kWh/m² ausgelassen)</source>
        <translation>Rows with irradiance while the sun is below the horizon: %1 (beam of %2 kWh/m² left out)</translation>
    </message>
    <message>
        <source>Zeilen ohne Albedo: %1</source>
        <translation>Rows without an albedo: %1</translation>
    </message>
    <message>
        <source>Lücken in der Zeitfolge innerhalb eines Monats: %1 (%2 h)</source>
        <translation>Gaps in the time sequence within a month: %1 (%2 h)</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten in den Daten.</source>
        <translation>Nothing unusual in the data.</translation>
    </message>
</context>
<context>
    <name>zahltext</name>
    <message>
        <source>''%1'' ist kein gültiger Integer-Wert</source>
        <translation>''%1'' is not a valid integer value</translation>
    </message>
    <message>
        <source>'%1' ist kein gültiger Gleitkommawert</source>
        <translation>'%1' is not a valid floating-point value</translation>
    </message>
</context>
</TS>