#!/usr/bin/env python3
# Fills uebersetzung/heliowendler_en.ts from the table below (German source -> English), so
# the translations live in one reviewable place; run tools/uebersetzung.sh first to take in
# new texts. A context-qualified key "Context|text" wins over the plain text. Texts without an
# entry stay unfinished and show in German; the English test names them.
import sys
import xml.etree.ElementTree as ET

EN = {
    # Main window
    "D&atei": "&File", "&Tracker": "&Tracker", "A&nsicht": "&View", "&Hilfe": "&Help",
    "&Neu": "&New", "Ö&ffnen": "&Open", "&Speichern": "&Save", "Speichern &unter...": "Save &As...",
    "&Beenden": "E&xit", "&Ausschneiden": "Cu&t", "&Kopieren": "&Copy", "&Einfügen": "&Paste",
    "&Schnittstelle": "&Interface", "&Parametrierung": "&Parametrization",
    "&Firmwareupdate": "&Firmware update", "Protokoll&monitor": "Traffic &monitor",
    "&Info...": "&About...", "Bemaßungen": "Dimensions", "&Tagesverlauf": "&Day chart",
    "&Jahresverschattung": "&Yearly shading",
    "UTC Zeit (GMT Winter in Deutschland)": "UTC time (GMT, winter time in Germany)",
    "Trackerdaten für Simulation": "Tracker data for the simulation",
    "Positionen": "Sites", "Simulation": "Simulation", "möglicher": "of possible",
    "Fehler": "installation errors", "mit Differenz": "with difference", "zur Realität": "to reality",
    "Fehler ": "Error ", "Backtrack immer nach Osten": "Always backtrack to the east",
    "Anschläge verwenden": "Use the stops", "Berechnen": "Calculate", "Start SIM": "Start SIM",
    "Stop SIM": "Stop SIM", "max.STOP Ost=": "max. STOP east=", "max. STOP West=": "max. STOP west=",
    "Azimut=": "Azimuth=", " Elevation=": " Elevation=", "Schatten=": "Shadow=",
    "Winkelkorrektur=": "Angle correction=", "Trackerposition=": "Tracker position=",
    "Sonnenwende=": "Solar noon=", "Verschattung": "Shading",
    "Empfangene Protokolle": "Frames received", "Zustand der Schnittstelle": "Interface state",
    "Schnittstelleneinstellung": "Interface settings", "Letzte Meldung": "Last message",
    "Jahr": "Year", "Monat": "Month", "Tag": "Day", "Stunde": "Hour", "Minute": "Minute",
    "Sekunde": "Second",
    "Breitengrad °": "Latitude °", "Längengrad °": "Longitude °",
    "Geographische Breite der Trackerposition": "Geographic latitude of the tracker's site",
    "Geographische Länge der Trackerposition. Östliche Länge muß negativ eingegeben werden!":
        "Geographic longitude of the tracker's site. East longitudes must be entered as negative!",
    "Modulhöhe in cm": "Module height in cm", "Modubreite in cm": "Row width in cm",
    "Höhe des Moduls im senkrechtem Zustand": "Height of the module standing upright",
    "Breite des Moduls. Bei mehreren nebeneinander angeortneten Modulen ist hier die gesammte Breite anzugeben.":
        "Width of the whole row: for several modules side by side, their total width.",
    "Lichter Modulabstand in cm": "Clear row spacing in cm",
    "Abstand der geneigten Modulreihen incl. einer Modulstärke.":
        "Distance between the tilted module rows, including one module's thickness.",
    "Modulneigung in °": "Module tilt in °",
    "Neigung der Module in Grad. Daraus wird die tatsächliche Höhe für den Schattenwurf berechnet.":
        "Tilt of the modules in degrees. The real height that casts the shadow follows from it.",
    "Anzeige Scalierung in cm": "Display scale in cm",
    "Darstellungsmaßstab auf der PC-Oberfläche": "Scale of the drawing on the screen",
    "Intervall in min": "Interval in min",
    "Zeitabstände in denen die Tracker Steuerung eine neue Sonnenposition berechnet und eine Nachführung durchführt.":
        "Interval at which the tracker controller calculates a new sun position and turns the tracker.",
    "STOP OST in °": "STOP EAST in °", "STOP WEST in °": "STOP WEST in °",
    "Winkelposition des Ostanschlag.": "Angular position of the east stop.",
    "Position des Westanschlag.": "Position of the west stop.",
    "Modulpos. auf Tracker in °": "Module pos. on tracker in °",
    "aktuelle Trackerposition zu diesem Zeitpunkt": "tracker position at this time",
    # Dimensions and about
    "Legende": "Legend", "A= Modulhöhe": "A= module height", "B=Neigung": "B=tilt",
    "C=lichter Modulabstand": "C=clear row spacing",
    "Programm Info": "About", "© Die Entwickler von ": "© The developers of ",
    "Quelltext: im Projektarchiv": "Source code: in the project repository",
    "Lizenz: siehe Lizenzdatei im Projektarchiv": "Licence: see the licence file in the project repository",
    "Fehler melden: Issue-Tracker des Projekts": "Report bugs: the project's issue tracker",
    "Fragen und Vorschläge: ebenfalls im Issue-Tracker": "Questions and suggestions: the issue tracker as well",
    "Mitwirken: Hinweise im Projektarchiv": "Contributing: see the project repository",
    "Die Ergebnisse der Simulation ersetzen keine Planung und Prüfung der Anlage vor Ort.":
        "The simulation's results do not replace planning and inspecting the plant on site.",
    # Site dialog and sites
    "Position Editieren": "Edit site", "Ortsbezeichnung": "Site name",
    "Längengrad ° (östliche Länge ist negativ!)": "Longitude ° (east longitude is negative!)",
    "OK": "OK", "Abbrechen": "Cancel", "WARNUNG": "WARNING", "--unbekannt---": "--unknown---",
    "Bitte eine Ortsbezeichnung eingeben.": "Please enter a site name.",
    "Die Ortsbezeichnung darf keinen Zeilenumbruch, Tabulator oder andere Steuerzeichen enthalten.":
        "The site name must not contain a line break, a tab or other control characters.",
    "Die Ortsbezeichnung darf das Zeichen \"]\" nicht enthalten.":
        "The site name must not contain the character \"]\".",
    "Die Ortsbezeichnung darf nicht mit einem Leerzeichen beginnen oder enden.":
        "The site name must not begin or end with a space.",
    "Die Ortsbezeichnung enthält das Zeichen \"%1\", das in der Positionsdatei nicht gespeichert werden kann.":
        "The site name contains the character \"%1\", which the site file cannot store.",
    # Scene
    "W=270°": "W=270°", "O=90°": "E=90°", "N=0°": "N=0°", "S=180°": "S=180°",
    "größer": "larger", "kleiner": "smaller",
    # Numbers
    "''%1'' ist kein gültiger Integer-Wert": "''%1'' is not a valid integer value",
    "'%1' ist kein gültiger Gleitkommawert": "'%1' is not a valid floating-point value",
    "In %1\nist %2=%3 im Abschnitt [%4] keine eindeutige Zahl:\nsie hat Tausendertrennzeichen oder Punkt und Komma zugleich.\nZahlen stehen dort ohne Tausendertrennzeichen, etwa 1234,5 oder 1234.5.":
        "In %1\n%2=%3 in section [%4] is no unambiguous number:\nit has thousands separators or both a point and a comma.\nNumbers stand there without thousands separators, such as 1234.5 or 1234,5.",
    # Simulation file
    "Die Datei %1 gibt es nicht.": "The file %1 does not exist.",
    "Die Datei %1 gibt es nicht (auch nicht mit der Endung .TRD).":
        "The file %1 does not exist (not with the extension .TRD either).",
    "Öffnen": "Open", "Alle Dateien (*.TRD)": "All files (*.TRD)", " File: ": " File: ",
    "Speichern unter": "Save as",
    # Interface dialog and link
    "Schnittstelleneinstellungen": "Interface settings",
    "Schnitstelle zum Tracker": "Interface to the tracker",
    "TPagesDlg|&Schnittstelle": "&Port", "&Übertragungsrate": "&Baud rate",
    "&Datenbit": "&Data bits", "&Paritätsbit": "P&arity", "Sto&ppbits": "&Stop bits",
    "&Empfangspuffer": "Recei&ve buffer", "S&endepuffer": "Se&nd buffer",
    "Handshake": "Handshake", "&RTS/CTS-Handshake": "&RTS/CTS handshake",
    "D&TR/DSR-Handshake": "D&TR/DSR handshake", "&XOn/XOff-Protokoll": "&XOn/XOff protocol",
    "Schnittstelle initialisieren": "Initialise the interface", "Gerät: ": "Device: ",
    "Protokolle: %1": "Frames: %1", "CS FEHLER !": "CHECKSUM ERROR !",
    "Baudrate 0": "Baud rate 0", "%1 Datenbits": "%1 data bits",
    "unbekannte Parität": "unknown parity",
    "1,5 Stoppbits gibt es unter Linux nicht": "1.5 stop bits do not exist on Linux",
    "unbekannte Stoppbits": "unknown stop bits", "Puffergröße unter 1 Byte": "Buffer size below 1 byte",
    "Kein Gerät angegeben": "No device given",
    "%1 ist nicht vorhanden (Gerät angeschlossen?)": "%1 does not exist (is the device plugged in?)",
    "Keine Berechtigung für %1: Benutzer in die Gruppe %2 aufnehmen (danach neu anmelden)":
        "No permission for %1: add the user to the group %2 (then log in again)",
    "Keine Berechtigung für %1: die Zugriffsrechte des Geräts erlauben diesem Benutzer kein Lesen und Schreiben":
        "No permission for %1: the device's access rights do not let this user read and write",
    "Für das Senden an %1 lässt sich kein Thread starten: %2": "No thread can be started for sending to %1: %2",
    "Für den Empfang von %1 lässt sich kein Thread starten: %2": "No thread can be started for receiving from %1: %2",
    "Empfang überlastet: %1 Protokolle verworfen": "Reception overloaded: %1 frames dropped",
    "Das Protokoll %1 kann nicht geschrieben werden: %2": "The record %1 cannot be written: %2",
    # Parametrization window
    "Tracker Parametrierung": "Tracker parametrization",
    "gehört zur Trackergruppe": "belongs to tracker group", "Version:": "Version:",
    "Tracktime": "Track time", "Speed": "Speed", "nächstes Tracking in": "next tracking in",
    "Der Tracker wird nun versuchen die gewünschte Position anzufahren.\nSind Sie sicher?":
        "The tracker will now try to move to the position requested.\nAre you sure?",
    "Wollen Sie die Trackgeschwindigkeit ausmessen?\nDazu wird erst nach WEST und dann nach OST gedreht und die Zeit ermittelt.":
        "Do you want to measure the tracking speed?\nThe tracker turns to the WEST first, then to the EAST, and the time is taken.",
    "Nur UTC Zeit eingeben!": "Enter UTC time only!", "aktuelle Systemwerte": "current values",
    "Softwareversion": "Software version", "Servicemode": "Service mode",
    "TFormTrackerInit|Schnittstelle": "Interface", "Tracker Parameter": "Tracker parameters",
    "Breitengrad in °": "Latitude in °", "Trackintervall in min": "Track interval in min",
    "Winkelgeschw. in °/s x1000 ": "Angular speed in °/s x1000 ",
    "Geschwindigkeit des Trackers in m°/s": "Speed of the tracker in m°/s",
    "Winkel des Anschlag Ost in °": "Angle of the east stop in °",
    "Winkel des Anschlag West in °": "Angle of the west stop in °",
    "Winkelkorrektur-Faktor in x1000": "Angle correction factor x1000",
    "Faktor zur Überkorrektur des Backtracking um Fehler in der Bestimmung des absoluten Anschlages zu kompensieren.":
        "Factor that overcorrects the backtracking to make up for errors in determining the absolute stop.",
    "GET Sim &Daten ": "GET Sim &Data ", "SET Sim Date&n ": "SET Sim Da&ta ",
    "übernimmt die Daten der Simmulation in die Tracker Parametrierung":
        "takes the simulation's data into the tracker parametrization",
    "überträgt die Daten des Trackers in die Simmulation": "takes the tracker's data into the simulation",
    "GET &Param": "GET &Param", "SET P&aram": "SET P&aram",
    "lesen aller Initialisierungsdaten aus dem Tracker.": "reads all initialisation data from the tracker.",
    "Sendet die Tracker-Initialisierung zum Tracker, dieser speichert diese dann intern bleibend ab.":
        "Sends the tracker initialisation to the tracker, which stores it permanently.",
    " SET T&ime": " SET T&ime", "GET Ti&me": "GET Ti&me", "GET &Version": "GET &Version",
    "setzt die Zeit in der Trackersteuerung": "sets the time in the tracker controller",
    "Lade die Zeit aus der Trackersteuerung": "loads the time from the tracker controller",
    "Position aktuell in °": "Current position in °", "Schatten aktuell in cm": "Current shadow in cm",
    "Stand der Sonne in °": "Sun elevation in °", "Azimut in °": "Azimuth in °",
    "Grenzwinkel in °": "Limit angle in °", "Korrektur in °": "Correction in °",
    "GET P&osition": "GET P&osition", "Holt die aktuellen Positionsdaten vom Tracker":
        "Fetches the current position data from the tracker",
    "Winkel in °": "Angle in °", "SET Po&sition": "SET Po&sition",
    "Zum manuellen positionieren des Trackers auf einen Winkel. Dabei wird der Automatik Mode verlassen!":
        "Moves the tracker to an angle by hand. This leaves the automatic mode!",
    "SET A&utomatiK": "SET A&utomatic",
    "Versetzt die Trackersteuerung in den Automatik Mode ": "Puts the tracker controller into automatic mode ",
    "m&esse Speed": "m&easure speed",
    "Schaltet den Tracker in den manuellen Modus, fährt zum West Anschlag und misst die Zeit zum Durchlaufen von W nach O. Der ermittelte Wert muß anschließend mit Hand für die Trackerinitialisierung übernommen werden!":
        "Switches the tracker to manual mode, moves to the west stop and measures the time to turn from W to E. The value found must then be entered by hand for the tracker initialisation!",
    "Auto": "Auto", "ELW": "ELW", "MotorW": "MotorW", "MotorO": "MotorE", "ELO": "ELE",
    "Tracking": "Tracking", "RxT": "RxT", "TxT": "TxT",
    # Traffic monitor
    "Protokollmonitor": "Traffic monitor", "Alle Kommandos": "All commands",
    "Bootloaderzeilen": "Bootloader lines", "Rauschen und Prüfsummenfehler": "Noise and checksum errors",
    "&Filter:": "&Filter:", "&Anhalten": "&Pause", "&Leeren": "&Clear",
    "%1 Einträge, %2 weggefallen": "%1 entries, %2 dropped", "Protokoll speichern": "Save the record",
    "Uhrzeit": "Time", "aktuelle Daten": "current data",
    # Firmware
    "Firmwareupdate": "Firmware update", "&Datei": "&File", "Start": "Start",
    "Clear Flash:": "Clear flash:", "sende Zeile:": "sending line:", "Datei:": "File:",
    "Anzahl Zeilen:": "Lines:", "Anzal Segmente:": "Segments:",
    "A C H T U N G": "A T T E N T I O N",
    "  1. Schalten Sie nun die Trackersteuerung ab.": "  1. Now switch the tracker controller off.",
    "  2. Schalten Sie die Schaltwippe für manuelles Tracken auf OST oder WEST.":
        "  2. Set the rocker switch for manual tracking to EAST or WEST.",
    "  3. Halten den Servicetaster gedrückt.": "  3. Hold the service button down.",
    "  4. Starten Sie nun die Trackersteuerung durch anlegen der Versorgungsspannung.":
        "  4. Now start the tracker controller by switching its supply on.",
    "  5. Die Trackersteuerung meldet sich im Monitorfenster mit der Version des Bootloaders.":
        "  5. The tracker controller reports the bootloader's version in the monitor window.",
    "  6. Nun lösen Sie den Servicetaster, laden eine neue Programmdatei und beginnen mit START.":
        "  6. Now release the service button, load a new program file and begin with START.",
    "Die Programmierung war erfolgreich": "Programming succeeded",
    "       Bitte stellen Sie die Schalterwippe zum manuellem Tracken in neutralle Mittelstellung":
        "       Please set the rocker switch for manual tracking to its neutral middle position",
    "       und unterbrechen die Spannungsversorgung der Trackersteuerung.":
        "       and switch the tracker controller's supply off.",
    "       Nach 2-3s schalten Sie die Versorgungsspannung wieder ein.":
        "       After 2-3 s switch the supply on again.",
    "       Die Trackersteuerung sollte jetzt mit der neuen Software starten.":
        "       The tracker controller should now start with the new software.",
    "\t   Die Versionsnummer können Sie oben im Fenster \"Tracker Parametrierung ablesen\".":
        "\t   You can read the version number at the top of the window \"Tracker parametrization\".",
    "Bitte laden Sie erst ein gültiges *.txt File (TI Hex Format!)":
        "Please load a valid *.txt file first (TI hex format!)",
    "TI HEX Format": "TI HEX format", "Die Datei %1 kann nicht gelesen werden.": "The file %1 cannot be read.",
    "Diese Datei kann nicht übertragen werden:": "This file cannot be transferred:",
    "Empfang überlastet: %1 Zeilen des Bootloaders verworfen. Gerät und Schnittstelle prüfen und Start drücken.":
        "Reception overloaded: %1 bootloader lines dropped. Check the device and the interface and press Start.",
    "Keine Antwort des Bootloaders seit %1 s: die Verbindung zur Schnittstelle ist verloren. Gerät und Kabel prüfen, die Schnittstelle neu bestätigen und Start drücken.":
        "No answer from the bootloader for %1 s: the connection to the interface is lost. Check the device and the cable, confirm the interface again and press Start.",
    "Keine Antwort des Bootloaders seit %1 s auf das Löschen. Läuft die Steuerung im Bootloader (beim Einschalten Servicetaste gedrückt und Kippschalter auf Ost oder West)? Ist die richtige Schnittstelle gewählt? Start beginnt neu.":
        "No answer from the bootloader for %1 s to the erase. Is the controller running its bootloader (service button held at power-on and the toggle switch on east or west)? Is the right interface chosen? Start begins again.",
    "Der Bootloader löscht seit %1 s (\"Flash clear start\"), \"Flash clear OK\" fehlt noch. Die Übertragung wartet; Start beginnt neu.":
        "The bootloader has been erasing for %1 s (\"Flash clear start\"); \"Flash clear OK\" has not come yet. The transfer waits; Start begins again.",
    "Zeile %1 nach %2 Wiederholungen nicht angenommen. Start beginnt neu.":
        "Line %1 not taken after %2 repetitions. Start begins again.",
    # Parameter file
    "Zeile %1: unbekannter Abschnitt %2": "Line %1: unknown section %2",
    "Zeile %1: \"Schlüssel=Wert\" erwartet: %2": "Line %1: \"key=value\" expected: %2",
    "Zeile %1: %2 steht zweimal in der Datei": "Line %1: %2 is in the file twice",
    "Zeile %1 (%2): %3": "Line %1 (%2): %3",
    "Zeile %1: das Trackintervall steht zweimal in der Datei": "Line %1: the track interval is in the file twice",
    "Zeile %1: Rest=%2 ist keine Hexadezimalzahl mit acht Ziffern (0x00000000)":
        "Line %1: Rest=%2 is not a hexadecimal number of eight digits (0x00000000)",
    "Zeile %1: unbekannter Schlüssel %2": "Line %1: unknown key %2", "Es fehlt: %1": "Missing: %1",
    # Day chart
    "Tagesverlauf": "Day chart", "Zeit (UTC) in h": "Time (UTC) in h", "Winkel in °": "Angle in °",
    "Länge in m": "Length in m", "Sonnenhöhe": "Sun elevation", "Azimut": "Azimuth",
    "Trackerposition": "Tracker position", "WinkelZurSonne": "Angle to the sun",
    "Schatten (m)": "Shadow (m)", "Verschattung (m)": "Shading (m)", "Zeit der Eingabe": "Time entered",
    "Sonnenaufgang": "Sunrise", "Sonnenuntergang": "Sunset", "Sonnenwende": "Solar noon",
    "%1-%2-%3 (UTC), Breite %4°, Länge %5°": "%1-%2-%3 (UTC), latitude %4°, longitude %5°",
    "Gepunktet: Sonnenwende %1": "Dotted: solar noon %1",
    "Gepunktet: Sonnenaufgang %1, Sonnenwende %2, Sonnenuntergang %3":
        "Dotted: sunrise %1, solar noon %2, sunset %3",
    "Gepunktet: Sonnenaufgang %1, Sonnenwende %2": "Dotted: sunrise %1, solar noon %2",
    "Gepunktet: Sonnenwende %1, Sonnenuntergang %2": "Dotted: solar noon %1, sunset %2",
    "%1 UTC: Höhe %2°, Azimut %3°, Position %4°, WinkelZurSonne %5°, Schatten %6 m, Verschattung %7 m":
        "%1 UTC: elevation %2°, azimuth %3°, position %4°, angle to the sun %5°, shadow %6 m, shading %7 m",
    "Tagesverlauf speichern": "Save the day chart", "In %1 kann nicht geschrieben werden": "%1 cannot be written",
    "Tag der Wetterdatei (UTC):": "Day of the weather file (UTC):",
    "Einstrahlung in W/m²": "Irradiance in W/m²",
    "Global gemessen (W/m²)": "Global, measured (W/m²)",
    "Direkt normal gemessen (W/m²)": "Direct normal, measured (W/m²)",
    "Diffus gemessen (W/m²)": "Diffuse, measured (W/m²)",
    "Wirksam mit Backtracking (W/m²)": "Effective with backtracking (W/m²)",
    "Wirksam ohne Backtracking (W/m²)": "Effective without backtracking (W/m²)",
    "Die Wetterdatei hat am %1 (UTC) keine Zeilen.": "The weather file has no rows on %1 (UTC).",
    "Zeilen am %1 (UTC): %2, am Ort der Wetterdatei (Breite %3°, Länge %4°)":
        "Rows on %1 (UTC): %2, at the weather file's site (latitude %3°, longitude %4°)",
    # Year study
    "Jan": "Jan", "Feb": "Feb", "Mär": "Mar", "Apr": "Apr", "Mai": "May", "Jun": "Jun",
    "Jul": "Jul", "Aug": "Aug", "Sep": "Sep", "Okt": "Oct", "Nov": "Nov", "Dez": "Dec",
    "Fehler Anschlag Ost in °": "East stop error in °", "Fehler Modulhöhe in cm": "Module height error in cm",
    "Fehler Modulabstand in cm": "Row spacing error in cm", "Fehler Modulneigung in °": "Module tilt error in °",
    "Jahresverschattung": "Yearly shading", " min": " min", "&Rechnen": "&Compute",
    "A&bbrechen": "C&ancel", "mit BT": "with BT", "ohne Fehler": "no\ninstallation\nerrors", "ohne BT": "no BT",
    "\nkWh/m²": "\nkWh/m²", "\nVerlust %": "\nloss %", "\nunversch.": "\nunshaded", "\nteilv. h": "\npart. h",
    "Verlust durch Verschattung je Monat in %": "Loss to shading per month in %",
    "&Variieren": "&Vary", "Wert": "Value", "Verlust %": "Loss %", "unversch.\nkWh/m²": "unshaded\nkWh/m²",
    "teilv. h": "part. h", "Jahresverlust mit Backtracking in %": "Yearly loss with backtracking in %",
    "S&chritt:": "Ste&p:", "&Größe:": "&Input:", "vo&n": "fro&m", "b&is": "&to", "Schri&tt": "st&ep",
    "&Monate": "M&onths", "&Empfindlichkeit": "Se&nsitivity",
    "Jahresverschattung speichern": "Save the yearly shading",
    # Year window on a weather file
    "%1° West": "%1° west", "%1° Ost": "%1° east",
    "&Wetterdatei…": "&Weather file…", "&Klarer Himmel": "C&lear sky",
    "Wetter&angaben": "Weathe&r data", "&Zeitversatz:": "Time shi&ft:", "A&lbedo:": "Al&bedo:",
    "&Himmelsmodell:": "Sk&y model:", "Bl&öcke:": "Bloc&ks:", "Perez (anisotrop)": "Perez (anisotropic)", "isotrop": "isotropic",
    "(übereinander × nebeneinander)": "(stacked × side by side)",
    "&Ort der Datei übernehmen": "&Use the file's site",
    "Albedo des Bodens, wo die Datei keine angibt": "Ground albedo where the file gives none",
    "Bypass-Blöcke je Modul nebeneinander (entlang der Reihe)":
        "Bypass-diode blocks per module side by side (along the row)",
    "Bypass-Blöcke je Modul übereinander (über die Schräghöhe)":
        "Bypass-diode blocks per module stacked (over the slant height)",
    "+H: die Daten liegen H Stunden zu früh, jeder Zeitpunkt rückt um H Stunden später":
        "+H: the data are H hours early, every instant moves H hours later",
    "Die Orte weichen um mehr als 0,1° voneinander ab.": "The sites differ by more than 0.1°.",
    "Hauptfenster: Breite %1°, Länge %2": "Main window: latitude %1°, longitude %2",
    "Wetterdatei: Breite %1°, Länge %2, Höhe %3 m (gerechnet wird hier)":
        "Weather file: latitude %1°, longitude %2, elevation %3 m (computed here)",
    "Klarer Himmel: nur Direktstrahlung, ohne Wetterdatei": "Clear sky: beam only, no weather file",
    "Keine Wetterdatei: die Jahresverschattung rechnet mit klarem Himmel und nur mit der Direktstrahlung.":
        "No weather file: the yearly shading is computed under a clear sky with the beam only.",
    "Wetterdatei (%1): %2": "Weather file (%1): %2", "Wetterdatei öffnen": "Open a weather file",
    "Wetterdatei": "Weather file",
    "TFormJahresverschattung| h": " h",
    "BT: Backtracking. Ohne Fehler: ohne Aufstellfehler. Unversch.: Einstrahlung auf dem Modul ohne Verschattung, davon direkt, Himmel (diffus) und Boden. Strahlsch.: Verlust im Schatten der Nachbarreihe; Himmelsm.: Himmelslicht, das die Reihe davor verdeckt; elektr.: Verlust durch verschattete Bypass-Blöcke (übereinander x nebeneinander), je in % der unverschatteten Einstrahlung. Wirksam: was arbeitende Zellen erreicht. Teilv.: Stunden mit teilverschattetem Modul.":
        "BT: backtracking. No installation errors: the same rows without the installation errors. Unshaded: irradiance on the module without shade, of it beam, sky (diffuse) and ground. Beam sh.: loss in the neighbouring row's shadow; sky mask: sky light the row in front hides; electr.: loss to shaded bypass-diode blocks (stacked x side by side), each in % of the unshaded irradiance. Effective: what reaches working cells. Part. shaded: hours with a partly shaded module.",
    "Wetterdateien (*.epw *.csv *.json);;Alle Dateien (*)": "Weather files (*.epw *.csv *.json);;All files (*)",
    "Zeitraum %1 bis %2, Schritt %3 min, %4 Zeilen": "Period %1 to %2, step %3 min, %4 rows",
    "TFormJahresverschattung|%1: %2": "%1: %2", "TFormJahresverschattung|%1:\n%2": "%1:\n%2",
    "direkt\nkWh/m²": "beam\nkWh/m²",
    "Himmel\nkWh/m²": "sky\nkWh/m²", "Boden\nkWh/m²": "ground\nkWh/m²",
    "Strahlsch.\n%": "beam sh.\n%", "Himmelsm.\n%": "sky mask\n%", "elektr. %1\n%": "electr. %1\n%",
    "wirksam\nkWh/m²": "effective\nkWh/m²",
    "Einstrahlung auf dem Modul ohne Verschattung in kWh/m²": "Irradiance on the module without shade in kWh/m²",
    "davon Direktstrahlung in kWh/m²": "of it beam in kWh/m²",
    "davon diffuses Himmelslicht in kWh/m²": "of it diffuse sky light in kWh/m²",
    "davon vom Boden reflektiert in kWh/m²": "of it reflected by the ground in kWh/m²",
    "Verlust der Direkt- und zirkumsolaren Strahlung im Schatten der Nachbarreihe, in %":
        "Loss of the beam and circumsolar light in the neighbouring row's shadow, in %",
    "Verlust des Himmelslichts, das die Reihe davor verdeckt, in %":
        "Loss of the sky light the row in front hides, in %",
    "Verlust durch verschattete Bypass-Blöcke (Blöcke übereinander x nebeneinander %1), in %":
        "Loss to shaded bypass-diode blocks (blocks stacked x side by side %1), in %",
    "Einstrahlung, die arbeitende Zellen erreicht, in kWh/m²": "Irradiance reaching working cells in kWh/m²",
    "Verlust durch Schatten, Himmelsmaske und Bypass-Blöcke (%1) je Monat in % (logarithmisch)":
        "Loss to shade, sky masking and bypass-diode blocks (%1) per month in % (logarithmic)",
    "Gewinn durch Backtracking: %1 %": "Gain by backtracking: %1 %",
    "Wirksame Einstrahlung im Jahr mit Backtracking gegenüber ohne":
        "The year's effective irradiance with backtracking over that without",
    "Mit Backtracking im Jahr: %1 kWh/m² unverschattet, %2 kWh/m² wirksam (Verlust %3 %); %4 Zeilen, Bodenalbedo %5 wo die Datei keine angibt, GCR %6":
        "With backtracking in the year: %1 kWh/m² unshaded, %2 kWh/m² effective (loss %3 %); %4 rows, ground albedo %5 where the file gives none, GCR %6",
    "Von, bis und Schritt: von <= bis, Schritt > 0 und groß genug, den Wert zu ändern, höchstens 1001 Werte":
        "From, to and step: from <= to, a step > 0 and large enough to change the value, at most 1001 values",
    "Strahlung\nkWh/m²": "Beam\nkWh/m²", "Verlust\n%": "Loss\n%", "unversch.\nkWh/m²": "Unshaded\nkWh/m²",
    "teilv.\nh": "Part. shaded\nh", "Wert\n%1": "Value\n%1", "&Diagramme": "C&harts", "Stunden": "Hours",
    "Strahlung auf dem Modul in kWh/m²": "Beam on the module in kWh/m²",
    "Anteil der Strahlung, den der Schatten der Nachbarreihe nimmt, in %":
        "Share of the beam that the neighbouring row's shadow takes, in %",
    "Strahlung auf dem unverschatteten Teil des Moduls in kWh/m²": "Beam on the unshaded part of the module in kWh/m²",
    "Stunden, in denen das Modul teilweise verschattet ist": "Hours in which the module is partly shaded",
    "mit Backtracking, mit den Aufstellfehlern": "with backtracking, with the installation errors",
    "mit Backtracking, ohne Aufstellfehler": "with backtracking, without installation errors",
    "ohne Backtracking, mit den Aufstellfehlern": "without backtracking, with the installation errors",
    "ohne Aufstellfehler": "without installation errors",
    "BT: Backtracking. Ohne Fehler: ohne Aufstellfehler. Verlust: Anteil der Strahlung auf dem verschatteten Teil. Unversch.: Strahlung auf dem unverschatteten Teil. Teilv.: Stunden mit teilverschattetem Modul.":
        "BT: backtracking. No installation errors: the same rows without the installation errors. Loss: share of the beam on the shaded part. Unshaded: beam on the unshaded part. Part. shaded: hours with a partly shaded module.",
    "Verlust durch Verschattung je Monat in % (logarithmisch)": "Loss to shading per month in % (logarithmic)",
    "Teilverschattete Stunden je Monat": "Partly shaded hours per month",
    "In %1 kann nicht geschrieben werden: ein anderes Programm hält den Ordner belegt":
        "%1 cannot be written: another program holds its folder",
    "mit Backtracking": "with backtracking", "ohne Backtracking": "without backtracking",
    "Trackerposition im Jahr: größte %1° (%2 UTC), kleinste %3° (%4 UTC); aus den Sonnenwendtagen: max.STOP West %5°, max.STOP Ost %6°; Weg im Jahr %7°":
        "Tracker position in the year: largest %1° (%2 UTC), smallest %3° (%4 UTC); from the solstice days: max. STOP west %5°, max. STOP east %6°; travel in the year %7°",
    # Link and transfer status
    "FEHLER beim senden!": "ERROR while sending!", "Falsche Version!": "Wrong version!",
    "Trackerinitialisierung": "Tracker initialisation",
    "Starte Programmierung": "Starting to program",
    "Empfangsfehler! Wiederhole": "Receive error! Repeating",
    "Schreibe Adresszeiger im Flash %1": "Writing the address pointer in flash %1",
    "Programmierung fertig.\n Bitte trennen Sie die Spannung und starten Sie das Gerät neu!":
        "Programming finished.\n Please disconnect the supply and restart the device!",
    # heliowendler-service
    "%1 liegt nicht zwischen %2 und %3": "%1 is not between %2 and %3",
    "%1 % Zeile %2/%3 %4 B/s noch %5 s": "%1 % line %2/%3 %4 B/s %5 s left",
    " (löscht)": " (erasing)", "fertig": "done", "FEHLER": "ERROR",
    "%1: fertig, %2 Zeilen, %3 Bytes gesendet, %4 Wiederholungen, %5 s (Zeit auf der Leitung bei 4800 Baud: %6 s)":
        "%1: done, %2 lines, %3 bytes sent, %4 repetitions, %5 s (time on the wire at 4800 baud: %6 s)",
    "Senden fehlgeschlagen": "Sending failed",
    "Keine Antwort des Bootloaders seit %1 s: die Verbindung zur Schnittstelle ist verloren. Gerät und Kabel prüfen und flash erneut aufrufen.":
        "No answer from the bootloader for %1 s: the connection to the interface is lost. Check the device and the cable and call flash again.",
    "Keine Antwort des Bootloaders seit %1 s auf das Löschen. Läuft die Steuerung im Bootloader (beim Einschalten Servicetaste gedrückt und Kippschalter auf Ost oder West)? Nennt --port die richtige Schnittstelle?":
        "No answer from the bootloader for %1 s to the erase. Is the controller running its bootloader (service button held at power-on and the toggle switch on east or west)? Does --port name the right interface?",
    "Der Bootloader löscht seit %1 s (\"Flash clear start\"), \"Flash clear OK\" fehlt noch. Mit einer längeren --frist erneut aufrufen.":
        "The bootloader has been erasing for %1 s (\"Flash clear start\"); \"Flash clear OK\" has not come yet. Call again with a longer --frist.",
    "Keine Antwort des Bootloaders seit %1 s auf Zeile %2%3. Übertragung abgebrochen; ein neuer Aufruf löscht und beginnt von vorn.":
        "No answer from the bootloader for %1 s to line %2%3. Transfer stopped; a new call erases and begins again.",
    "%1: Bootloader: %2": "%1: bootloader: %2",
    "%1: Zeile %2 abgelehnt (NotAKN), Wiederholung %3 von %4": "%1: line %2 refused (NotAKN), repetition %3 of %4",
    "Zeile %1 nach %2 Wiederholungen noch abgelehnt (NotAKN); Übertragung abgebrochen.":
        "Line %1 still refused (NotAKN) after %2 repetitions; transfer stopped.", "flash: ein Image erwartet": "flash: an image expected",
    "--port fehlt": "--port is missing",
    "Diese Datei kann nicht übertragen werden:\n%1": "This file cannot be transferred:\n%1",
    "Nicht jede Übertragung ist gelungen.": "Not every transfer succeeded.",
    "--%1 braucht einen Wert": "--%1 needs a value", "--%1 nimmt keinen Wert": "--%1 takes no value",
    "unbekannte Option --%1": "unknown option --%1", "--%1=%2 ist kein gültiger Wert": "--%1=%2 is not a valid value",
    "eingetragen": "pinned", "eingebaut": "built-in", "Keine Schnittstelle gefunden.\n": "No interface found.\n",
    "Seriennummer %1": "serial number %1", "belegt": "in use", "frei": "free",
    "Dieser Befehl nimmt ein --port": "This command takes one --port",
    "%1: Senden fehlgeschlagen": "%1: sending failed", "Version: %1\n": "Version: %1\n",
    "an": "on", "aus": "off",
    "Position aktuell: %1 °\nSchatten aktuell: %2 cm\nStand der Sonne: %3 °\nAzimut: %4 °\nGrenzwinkel: %5 °\nKorrektur: %6 °\n":
        "Current position: %1 °\nCurrent shadow: %2 cm\nSun elevation: %3 °\nAzimuth: %4 °\nLimit angle: %5 °\nCorrection: %6 °\n",
    "%1 UTC, Gruppe %2\n": "%1 UTC, group %2\n",
    "--setzen %1: JJJJ-MM-TTTHH:MM[:SS] erwartet": "--setzen %1: YYYY-MM-DDTHH:MM[:SS] expected",
    "--setzen %1: das Jahr muss zwischen 2000 und 2255 liegen": "--setzen %1: the year must lie between 2000 and 2255",
    "Die Uhr liest %1 UTC, Gruppe %2 zurück; gesetzt war %3 UTC, Gruppe %4":
        "The clock reads back %1 UTC, group %2; set was %3 UTC, group %4",
    "Parametersatz gesetzt und zurückgelesen: gleich.\n": "Parameter set written and read back: the same.\n",
    "Der zurückgelesene Satz weicht ab (- gesendet, + gelesen):\n%1": "The set read back differs (- sent, + read):\n%1",
    "position: ein Winkel in ganzen Grad erwartet": "position: an angle in whole degrees expected",
    "position bewegt den Tracker: mit --ja bestätigen": "position moves the tracker: confirm with --ja",
    "Gesendet. Status: %1, Countdown %2\n": "Sent. Status: %1, countdown %2\n",
    "speed bewegt den Tracker nach West und Ost: mit --ja bestätigen": "speed moves the tracker west and east: confirm with --ja",
    "Fahrt nach West ...": "Moving west ...", "West": "West", "Ost": "East", "Fahrt nach Ost ...": "Moving east ...",
    "Trackgeschwindigkeit: %1\n": "Tracking speed: %1\n", "unbekannter Befehl %1": "unknown command %1",
    "(--help zeigt die Befehle)": "(--help shows the commands)", "kein Befehl": "no command",
    "Kein Adapter mit der Seriennummer %1 ist angeschlossen": "No adapter with the serial number %1 is plugged in",
    "Mehrere Adapter haben die Seriennummer %1: %2": "Several adapters have the serial number %1: %2",
    "--port %1: COM<n>, ein Gerätepfad oder SN:<Seriennummer> erwartet": "--port %1: COM<n>, a device path or SN:<serial number> expected",
    "%1 lässt sich nicht öffnen: %2": "%1 cannot be opened: %2", "%1: %2": "%1: %2",
    "%1: keine gültige Antwort auf \"%2\" nach %3 Versuchen (%4 Prüfsummenfehler)":
        "%1: no valid answer to \"%2\" after %3 attempts (%4 checksum errors)",
    # heliowendler-calc
    "unerwartetes Argument '%1'": "unexpected argument '%1'", "unbekannte Option '%1'": "unknown option '%1'",
    "Option '%1' nimmt keinen Wert": "option '%1' takes no value",
    "Option '%1' braucht einen Wert": "option '%1' needs a value",
    "eine ganze Zahl": "a whole number", "eine Zahl mit Dezimalpunkt": "a number with a decimal point",
    "eine ganze Zahl (die Suchen lesen die Geometrie ganzzahlig)":
        "a whole number (the searches read the geometry as whole numbers)",
    "eine Zahl von %1 bis %2": "a number from %1 to %2",
    "eine Minutenzahl von 1 bis 1440": "a number of minutes from 1 to 1440",
    "eine Minutenzahl von 1 bis 60": "a number of minutes from 1 to 60",
    "NAME:VON:BIS:SCHRITT (NAME einer von %1; VON <= BIS, SCHRITT > 0 und gross genug, den Wert zu aendern, hoechstens 1001 Werte)":
        "NAME:FROM:TO:STEP (NAME one of %1; FROM <= TO, STEP > 0 and large enough to change the value, at most 1001 values)",
    "die Werte von --variiere lassen sich nicht bilden: hoechstens 1001, jeder Schritt muss den Wert aendern":
        "the values of --variiere cannot be formed: at most 1001, each step must change the value",
    "(--help zeigt die Optionen)": "(--help shows the options)",
    "Aufruf: heliowendler-calc [Optionen]\nBerechnet Sonnenstand, Backtracking und Verschattung wie das Hauptfenster.\nZahlen immer mit Punkt; --opt=wert oder --opt wert.\n  --jahr N --monat N --tag N      Datum (2008, 7, 7)\n  --stunde X --minute N           UTC (11, 0)\n  --phi X --lam X                 Breite (-90 bis 90), Laenge Ost negativ (-180 bis\n                                  180) in Grad (50.53, -14.48)\n  --modull N --modulh N           Modulbreite, Modulhoehe in cm (1500, 160)\n  --modula N --moduln N           Lichter Abstand in cm, Neigung in Grad (150, 30)\n  --modulherr X --modulaerr X --modulnerr X   Fehler (0)\n  --endlagestart X --endlagestarterr X --endlagestop X   Anschlaege (75, 0, 285)\n  --ost                           Backtrack immer nach Osten\n  --wendestunde N                 Sonnenwende der vorigen Rechnung (12)\n  --tabelle MIN                   CSV ueber den UTC-Tag in Schritten von MIN Minuten\n  --jahresstudie                  Strahlung und Verschattung des Jahres --jahr als CSV\n                                  je Monat und Jahr: mit Backtracking, ohne Fehler,\n                                  ohne Backtracking; danach die Extreme (Name=Wert)\n  --schritt MIN                   Abstand der Augenblicke der Jahresstudie (5; 1 bis 60)\n  --variiere NAME:VON:BIS:SCHRITT Jahresstudie je Wert eines Fehlers als CSV\n                                  (hoechstens 1001 Werte); NAME einer von\n                                  %1\n  --wetter DATEI                  Jahresstudie (oder --variiere) auf einer\n                                  Wetterdatei (EPW, PVGIS-CSV/-JSON, TMY3) am Ort\n                                  der Datei, ausser --phi/--lam sind gegeben; je\n                                  Weg die Spalten Unverschattet, Direkt, Himmel,\n                                  Boden, Wirksam (kWh/m2), StrahlSchatten,\n                                  HimmelSchatten, Elektrisch (Prozent der\n                                  unverschatteten), Teilverschattet (h); danach\n                                  GewinnBacktracking_Prozent und die Annahmen.\n                                  Datenqualitaet und Zeitpruefung auf stderr\n  --zeitversatz H                 die Daten liegen H Stunden zu frueh (0; -24 bis 24)\n  --albedo X                      Albedo, wo die Datei keine hat (0.2; 0 bis 1)\n  --diffus perez|isotrop          Himmelsmodell des diffusen Lichts (perez)\n  --bloecke NxM                   Bypass-Bloecke je Modul: N uebereinander,\n                                  M nebeneinander (1x3)\n  --help                          diese Hilfe\nEnde: 0 gerechnet, 2 falscher Aufruf oder die Rechnung scheiterte, 4 die\nWetterdatei ist nicht lesbar oder keine.\n":
        "Usage: heliowendler-calc [options]\nCalculates the sun position, backtracking and shading as the main window does.\nNumbers always with a point; --opt=value or --opt value.\n  --jahr N --monat N --tag N      date: year, month, day (2008, 7, 7)\n  --stunde X --minute N           UTC: hour, minute (11, 0)\n  --phi X --lam X                 latitude (-90 to 90), longitude east negative (-180\n                                  to 180) in degrees (50.53, -14.48)\n  --modull N --modulh N           row width, module height in cm (1500, 160)\n  --modula N --moduln N           clear row spacing in cm, tilt in degrees (150, 30)\n  --modulherr X --modulaerr X --modulnerr X   installation errors (0)\n  --endlagestart X --endlagestarterr X --endlagestop X   stops (75, 0, 285)\n  --ost                           always backtrack to the east\n  --wendestunde N                 solar noon hour of the previous calculation (12)\n  --tabelle MIN                   CSV over the UTC day in steps of MIN minutes\n  --jahresstudie                  beam and shading of the year --jahr as CSV per\n                                  month and year: with backtracking, without\n                                  installation errors, without backtracking; then\n                                  the extremes (Name=value)\n  --schritt MIN                   spacing of the year study's instants (5; 1 to 60)\n  --variiere NAME:FROM:TO:STEP    year study per value of one installation error as\n                                  CSV (at most 1001 values); NAME one of\n                                  %1\n  --wetter FILE                   year study (or --variiere) on a weather file\n                                  (EPW, PVGIS CSV/JSON, TMY3) at the file's site\n                                  unless --phi/--lam are given; per way the columns\n                                  Unverschattet (unshaded), Direkt (beam), Himmel\n                                  (sky), Boden (ground), Wirksam (effective) in\n                                  kWh/m2, StrahlSchatten (beam shade),\n                                  HimmelSchatten (sky masking), Elektrisch\n                                  (bypass blocks) in percent of the unshaded,\n                                  Teilverschattet (partly shaded, h); then\n                                  GewinnBacktracking_Prozent (gain of\n                                  backtracking) and the assumptions. Data quality\n                                  and time check on stderr\n  --zeitversatz H                 the data are H hours early (0; -24 to 24)\n  --albedo X                      albedo where the file has none (0.2; 0 to 1)\n  --diffus perez|isotrop          sky model of the diffuse light (perez)\n  --bloecke NxM                   bypass-diode blocks per module: N stacked over\n                                  the slant height, M side by side (1x3)\n  --help                          this help\nExit: 0 calculated, 2 wrong call or the calculation failed, 4 the weather\nfile cannot be read or is none.\n",
    "der Pfad einer Wetterdatei":
        "the path of a weather file",
    "eine Stundenzahl von -24 bis 24":
        "a number of hours from -24 to 24",
    "eine Zahl von 0 bis 1":
        "a number from 0 to 1",
    "perez oder isotrop":
        "perez or isotrop",
    "NxM, Bloecke uebereinander x nebeneinander, je 1 bis 20":
        "NxM, blocks stacked x side by side, 1 to 20 each",
    "--wetter gilt nur mit --jahresstudie oder --variiere":
        "--wetter only applies with --jahresstudie or --variiere",
    "--zeitversatz, --albedo, --diffus und --bloecke gelten nur mit --wetter":
        "--zeitversatz, --albedo, --diffus and --bloecke only apply with --wetter",
    "Wetterdatei %1: Breite %2, Laenge %3 (Ost positiv), Hoehe %4 m, %5 bis %6, Schritt %7 min, %8 Zeilen":
        "Weather file %1: latitude %2, longitude %3 (east positive), elevation %4 m, %5 to %6, step %7 min, %8 rows",
    "Warnung: gerechnet an Breite %1, Laenge %2 (Ost negativ); die Wetterdatei gilt fuer Breite %3, Laenge %4 (Ost negativ)":
        "Warning: calculated at latitude %1, longitude %2 (east negative); the weather file holds for latitude %3, longitude %4 (east negative)",
    # heliowendler
    "Aufruf: heliowendler [Optionen]\nSimuliert Drehtisch-Solartracker eines Standorts und spricht über die serielle\nLeitung mit der Trackersteuerung (Parametrierung, Firmwareupdate).\n  --protokoll F       jedes Byte der seriellen Leitung mit Zeit als Zeile in F\n                      (angehängt; auch --protokoll=F)\n  --help              diese Hilfe\n  --version           die Version\nDazu die Optionen von Qt (etwa -platform, -style, -geometry).\n\nEinstellungen und Standorte: heliowendler.INI und heliowendler.POS neben dem\nProgramm; installiert oder wo der Ordner nicht beschreibbar ist, in\n$XDG_CONFIG_HOME/heliowendler (~/.config/heliowendler).\n\nEnde: 0 Fenster geschlossen, 1 falscher Aufruf, 2 das Protokoll kann nicht\ngeschrieben werden.\n":
        "Usage: heliowendler [options]\nSimulates a site's turntable solar trackers and talks over the serial line to\nthe tracker controller (parametrization, firmware update).\n  --protokoll F       every byte of the serial line with its time as a line in F\n                      (appended; also --protokoll=F)\n  --help              this help\n  --version           the version\nAnd Qt's options (such as -platform, -style, -geometry).\n\nSettings and sites: heliowendler.INI and heliowendler.POS beside the program;\ninstalled, or where that folder cannot be written, in\n$XDG_CONFIG_HOME/heliowendler (~/.config/heliowendler).\n\nExit: 0 window closed, 1 wrong call, 2 the record cannot be written.\n",
    # trackersim
    "Aufruf: trackersim [Optionen]\nSpielt die Trackersteuerung oder ihren Bootloader an einem Pseudo-Terminal. Gibt\nden Pfad des Geraets als eine Zeile aus und laeuft bis SIGINT oder SIGTERM.\n--opt=wert oder --opt wert; Zahlen mit Punkt.\n  --link PFAD                 symbolischer Link PFAD -> Geraet; ersetzt einen\n                              alten Link, nie eine Datei; beim Ende entfernt\n  --baud N                    sendet im Takt von N Baud, 10 Bit je Byte\n                              (ohne: so schnell wie das Pseudo-Terminal)\n  --rx-baud N                 nimmt die Bytes der Anwendung im Takt von N Baud\n                              an, wie eine Leitung sie liefert (ohne: sofort)\nSteuerung (Standard):\n  --version TEXT              Versionstext der Antwort auf \"GET Info\" (01.20)\n  --clock JJJJ-MM-TTTHH:MM:SS Uhr (UTC) beim Start (ohne: jetzt)\n  --speedup F                 Uhr, Tracking und Motor F-mal so schnell (1)\n  --ack-set                   beantwortet SET-Anfragen mit dem Status\n                              (ohne: SET-Anfragen bleiben unbeantwortet)\n  --param-falsch              speichert \"SET Parameter\" mit einer um 1 cm\n                              groesseren Modulhoehe (Fehler beim Zuruecklesen)\n  --stuck                     fuehrt \"SET Position\" und \"SET Automatik\" nicht\n                              aus und dreht nicht: der Status bleibt, wie er ist\nBootloader:\n  --bootloader                spielt den Bootloader statt der Steuerung\n  --bootloader-version TEXT   Zeile beim Einschalten (Bootloader V1.00)\n  --flash-dump DATEI          schreibt den Flash (64 KiB) beim Ende und bei\n                              SIGUSR1 nach DATEI\n  --notakn N,M,...            \"NotAKN\" auf die Rahmen N, M (ab 1, ohne Loeschen)\n  --notakn-rate P             \"NotAKN\" mit der Wahrscheinlichkeit P (0 bis 1)\n  --akn-blank N,M,...         schreibt die Rahmen N, M und antwortet \"AKN \" (mit\n                              Leerzeichen am Ende, also keine Quittung)\n  --early-akn                 antwortet beim Loeschen \"AKN\" vor \"Flash clear OK\"\n  --slow-erase MS             meldet \"Flash clear OK\" erst MS Millisekunden nach\n                              \"Flash clear start\" (ein langsames Loeschen)\n  --log                       jeder Rahmen und die Antwort als Zeile nach stderr\nStoerungen:\n  --bad-checksum N,M,...      falsche Pruefsumme in den Antworten N, M (ab 1)\n  --stray-start N,M,...       ein Startbyte 0x55 allein vor den Antworten N, M\n  --noise N                   N Stoerbytes vor jeder Antwort (Bootloader: als\n                              eigene Zeile vor jeder Antwortzeile)\n  --silent N,M,...            Anfragen (Bootloader: Rahmen) N, M gehen verloren:\n                              nicht ausgefuehrt, nicht beantwortet\n  --seed N                    Startwert fuer --noise und --notakn-rate (1)\n  --flut S                    sendet S Sekunden lang gueltige Statusantworten so\n                              schnell, wie das Pseudo-Terminal sie nimmt (ein\n                              USB-Adapter, der die Baudrate nicht einhaelt);\n                              danach die Zeile \"Flut vorbei <ns>\" auf stdout,\n                              sobald das letzte Byte der Flut uebergeben ist\n                              (ns: CLOCK_MONOTONIC in Nanosekunden)\n  --flut-ab S                 die Flut beginnt S Sekunden nach dem Start (0)\n  --flut-falsch               die Antworten der Flut tragen eine falsche\n                              Pruefsumme\n  --help                      diese Hilfe\nSignale: SIGUSR1 schreibt den Flash (--flash-dump); SIGUSR2 schaltet den\nBootloader neu ein (er meldet seine Version).\nEnde: 0 nach SIGINT oder SIGTERM, 1 Fehler beim Lauf, 2 falscher Aufruf.\n":
        "Usage: trackersim [options]\nPlays the tracker controller or its bootloader on a pseudo-terminal. Prints the\ndevice's path as one line and runs until SIGINT or SIGTERM.\n--opt=value or --opt value; numbers with a point.\n  --link PATH                 symbolic link PATH -> device; replaces an old\n                              link, never a file; removed at the end\n  --baud N                    sends at the pace of N baud, 10 bits per byte\n                              (without: as fast as the pseudo-terminal)\n  --rx-baud N                 takes the application's bytes at the pace of N\n                              baud, as a line delivers them (without: at once)\nController (default):\n  --version TEXT              version text of the answer to \"GET Info\" (01.20)\n  --clock YYYY-MM-DDTHH:MM:SS clock (UTC) at the start (without: now)\n  --speedup F                 clock, tracking and motor run F times as fast (1)\n  --ack-set                   answers SET requests with the status\n                              (without: SET requests stay unanswered)\n  --param-falsch              stores \"SET Parameter\" with a module height 1 cm\n                              larger (a difference on reading back)\n  --stuck                     ignores \"SET Position\" and \"SET Automatik\" and\n                              does not turn: the status stays as it is\nBootloader:\n  --bootloader                plays the bootloader instead of the controller\n  --bootloader-version TEXT   line at power-on (Bootloader V1.00)\n  --flash-dump FILE           writes the flash (64 KiB) to FILE at the end and\n                              on SIGUSR1\n  --notakn N,M,...            \"NotAKN\" to the frames N, M (from 1, the erase\n                              not counted)\n  --notakn-rate P             \"NotAKN\" with the probability P (0 to 1)\n  --akn-blank N,M,...         writes the frames N, M and answers \"AKN \" (with a\n                              space at the end, so no acknowledgement)\n  --early-akn                 answers \"AKN\" to the erase before \"Flash clear OK\"\n  --slow-erase MS             reports \"Flash clear OK\" MS milliseconds after\n                              \"Flash clear start\" (a slow erase)\n  --log                       every frame and its answer as a line on stderr\nFaults:\n  --bad-checksum N,M,...      wrong checksum in the answers N, M (from 1)\n  --stray-start N,M,...       a lone start byte 0x55 before the answers N, M\n  --noise N                   N noise bytes before every answer (bootloader: as\n                              a line of its own before every answer line)\n  --silent N,M,...            requests (bootloader: frames) N, M get lost:\n                              not carried out, not answered\n  --seed N                    seed for --noise and --notakn-rate (1)\n  --flut S                    sends valid status answers for S seconds as fast\n                              as the pseudo-terminal takes them (a USB adapter\n                              that does not keep the baud rate); then the line\n                              \"Flut vorbei <ns>\" on stdout once the flood's last\n                              byte is handed over (ns: CLOCK_MONOTONIC in\n                              nanoseconds)\n  --flut-ab S                 the flood begins S seconds after the start (0)\n  --flut-falsch               the flood's answers carry a wrong checksum\n  --help                      this help\nSignals: SIGUSR1 writes the flash (--flash-dump); SIGUSR2 powers the bootloader\non again (it reports its version).\nExit: 0 after SIGINT or SIGTERM, 1 error while running, 2 wrong call.\n",
    "ein Pfad":
        "a path",
    "eine Baudrate von 50 bis 4000000":
        "a baud rate from 50 to 4000000",
    "eine Zahl von Sekunden von 1 bis 3600":
        "a number of seconds from 1 to 3600",
    "eine Zahl von Sekunden von 0 bis 3600":
        "a number of seconds from 0 to 3600",
    "eine Zahl von Millisekunden von 1 bis 600000":
        "a number of milliseconds from 1 to 600000",
    "ein Text aus 1 bis 64 druckbaren Zeichen":
        "a text of 1 to 64 printable characters",
    "eine Zeit JJJJ-MM-TTTHH:MM:SS":
        "a time YYYY-MM-DDTHH:MM:SS",
    "eine Zahl von 0.001 bis 1000000":
        "a number from 0.001 to 1000000",
    "eine Liste N,M,... von Zahlen ab 1":
        "a list N,M,... of numbers from 1",
    "eine Wahrscheinlichkeit von 0 bis 1":
        "a probability from 0 to 1",
    "eine Zahl von 0 bis 1000":
        "a number from 0 to 1000",
    "eine Zahl von 0 bis 4294967295":
        "a number from 0 to 4294967295",
    "'%1' ist fuer %2 nicht %3":
        "'%1' is not %3 for %2",
    "--flut-falsch gilt nur mit --flut":
        "--flut-falsch only applies with --flut",
    "--flash-dump, --notakn und --notakn-rate gelten nur mit --bootloader":
        "--flash-dump, --notakn and --notakn-rate only apply with --bootloader",
    "%1 gilt nur mit --bootloader":
        "%1 only applies with --bootloader",
    # Firmware image check and transfer
    "Uebertragung| (Adresszeiger %1)":
        " (address pointer %1)",
    "Uebertragung| (%1 Bytes ab Adresse %2)":
        " (%1 bytes from address %2)",
    "Keine Antwort des Bootloaders seit %1 s auf Zeile %2%3. Die Übertragung wartet; Start beginnt neu.":
        "No answer from the bootloader for %1 s to line %2%3. The transfer waits; Start begins again.",
    "das Leerzeichen":
        "the space",
    "das Zeichen 0x%1":
        "the character 0x%1",
    "titxt|Zeile %1":
        "Line %1",
    "Zeile %1, Spalte %2":
        "Line %1, column %2",
    "%1: Das letzte Byte hat nur eine Hexadezimalziffer.":
        "%1: The last byte has only one hexadecimal digit.",
    "%1: Die Bytes sind durch genau ein Leerzeichen getrennt.":
        "%1: The bytes are separated by exactly one space.",
    "%1: %2 ist keine Hexadezimalziffer.":
        "%1: %2 is not a hexadecimal digit.",
    "%1: Zwischen zwei Bytes steht genau ein Leerzeichen, nicht %2.":
        "%1: Between two bytes stands exactly one space, not %2.",
    "%1 hat %2 Bytes; ein Rahmen fasst höchstens %3.":
        "%1 has %2 bytes; a frame holds at most %3.",
    "%1 ist leer.":
        "%1 is empty.",
    "%1: Eine Adresszeile ist \"@\" und genau vier Hexadezimalziffern (\"@F000\"), nicht \"%2\".":
        "%1: An address line is \"@\" and exactly four hexadecimal digits (\"@F000\"), not \"%2\".",
    "%1: \"q\" beendet das Image, danach steht aber noch eine Zeile.":
        "%1: \"q\" ends the image, but one more line follows.",
    "%1: \"q\" beendet das Image, danach stehen aber noch %2 Zeilen.":
        "%1: \"q\" ends the image, but %2 more lines follow.",
    "%1: Die letzte Zeile ist genau \"q\", nicht \"%2\".":
        "%1: The last line is exactly \"q\", not \"%2\".",
    "%1: Daten vor der ersten Adresszeile.":
        "%1: Data before the first address line.",
    "%1: Die Daten reichen über die Adresse FFFF hinaus.":
        "%1: The data reach beyond the address FFFF.",
    "Die Datei ist leer.":
        "The file is empty.",
    "Die letzte Zeile (%1) ist nicht \"q\".":
        "The last line (%1) is not \"q\".",
    "Das Image hat 1 Adresszeile; ein gültiges hat mindestens drei.":
        "The image has 1 address line; a valid one has at least three.",
    "Das Image hat %1 Adresszeilen; ein gültiges hat mindestens drei.":
        "The image has %1 address lines; a valid one has at least three.",
    "%1 ist belegt: ein anderes Programm benutzt die Schnittstelle bereits": "%1 is busy: another program is already using the interface",
    "%1 nimmt die Einstellungen nicht an (%2)": "%1 does not take the settings (%2)",
    "%1 lässt sich nicht öffnen (%2)": "%1 cannot be opened (%2)",
    # The option reader of every command line
    "Option '%1' ist mehr als einmal angegeben": "option '%1' is given more than once",
    "'%1' ist für %2 nicht %3": "'%1' is not %3 for %2",
    "ein Dateiname": "a file name",
    "--stuck gilt nur fuer die Steuerung": "--stuck only applies to the controller",
    "--bad-checksum und --stray-start gelten nur fuer die Steuerung (der Bootloader antwortet mit Text)":
        "--bad-checksum and --stray-start only apply to the controller (the bootloader answers with text)",
    "Aufruf: sioleerlauf [Optionen]\nMisst die CPU-Zeit, die der Prozess bei offener Schnittstelle braucht.\n--opt=wert oder --opt wert.\n  --sekunden S   Messdauer in Sekunden (30; 1 bis 86400)\n  --abfrage      alle 1,5 s eine Statusanfrage senden, die ein Stellvertreter\n                 der Steuerung beantwortet\n  --geraet PFAD  vorhandenes Gerät statt eines eigenen Pseudo-Terminals\n  --help         diese Hilfe\nEnde: 0 gemessen, 1 falscher Aufruf oder die Schnittstelle lässt sich nicht\nöffnen.\n":
        "Usage: sioleerlauf [options]\nMeasures the CPU time the process takes while the interface is open.\n--opt=value or --opt value.\n  --sekunden S   measuring time in seconds (30; 1 to 86400)\n  --abfrage      send a status request every 1.5 s, which a stand-in for the\n                 controller answers\n  --geraet PFAD  an existing device instead of a pseudo-terminal of its own\n  --help         this help\nExit: 0 measured, 1 wrong call or the interface cannot be opened.\n",
    "eine Zahl von Sekunden von 1 bis 86400": "a number of seconds from 1 to 86400",
    "Aufruf: firmwaremessung --geraet PFAD --image DATEI [--baud N]\nMisst eine Firmwareübertragung des Firmwarefensters gegen den Bootloader am\nGerät und vergleicht die Zeit mit der Zeit der Bytes auf der Leitung.\n--opt=wert oder --opt wert.\n  --geraet PFAD  Gerät des Bootloaders\n  --image DATEI  TI-TXT-Datei\n  --baud N       Baudrate der Leitung (4800; 50 bis 4000000)\n  --help         diese Hilfe\nEnde: 0 gemessen, 1 das Gerät lässt sich nicht öffnen oder die Übertragung kam\nnicht zu Ende, 2 falscher Aufruf.\n":
        "Usage: firmwaremessung --geraet PFAD --image DATEI [--baud N]\nMeasures a firmware transfer of the firmware window against the bootloader on\nthe device and compares the time with the time of the bytes on the line.\n--opt=value or --opt value.\n  --geraet PFAD  the bootloader's device\n  --image DATEI  TI-TXT file\n  --baud N       the line's baud rate (4800; 50 to 4000000)\n  --help         this help\nExit: 0 measured, 1 the device cannot be opened or the transfer did not finish,\n2 wrong call.\n",
    "--geraet fehlt": "--geraet is missing",
    # The link's causes, made where they are shown
    "Verbindung zu %1 verloren (%2): Gerät prüfen, dann die Schnittstelle neu bestätigen":
        "Connection to %1 lost (%2): check the device, then confirm the interface again",
    "Für COM%1 ist kein Gerät bekannt: Gerät anschließen oder im Abschnitt [Ports] der Einstellungsdatei eintragen (COM%1=/dev/…)":
        "No device is known for COM%1: plug the device in or enter it in the section [Ports] of the settings file (COM%1=/dev/…)",
    "Verbindung zu %1 verloren (%2)": "Connection to %1 lost (%2)",
    "Für COM%1 ist kein Gerät bekannt: Gerät anschließen, im Abschnitt [Ports] von %2 eintragen (COM%1=/dev/…) oder einen Gerätepfad angeben":
        "No device is known for COM%1: plug the device in, enter it in the section [Ports] of %2 (COM%1=/dev/…) or give a device path",
    # The parameter file
    "%1 kann das Feld nicht genau halten (es hielte %2)": "%1 cannot be held exactly by the field (it would hold %2)",
    "%1 ist für das Feld zu groß": "%1 is too large for the field",
    "Zeile %1: %2 enthält ein Steuerzeichen": "Line %1: %2 holds a control character",
    # heliowendler-service: its command table
    "Aufruf: heliowendler-service BEFEHL [Optionen]\nWartung einer Trackersteuerung über die serielle Leitung (4800 Baud, 8N1), ohne\nFenster. --opt=wert oder --opt wert; Zahlen mit Punkt.\n\nBefehle:\n":
        "Usage: heliowendler-service COMMAND [options]\nService of a tracker controller over the serial line (4800 baud, 8N1), without\nwindows. --opt=value or --opt value; numbers with a point.\n\nCommands:\n",
    "Optionen:\n": "Options:\n", "diese Hilfe": "this help",
    "Ende: 0 Erfolg, 1 falscher Aufruf, 2 Schnittstelle nicht zu öffnen oder\nverloren, 3 keine oder falsche Antwort, eine Version unter 01.20, keine\nMessung in der Zeit oder ein Unterschied beim Zurücklesen, 4 Datei oder Image\nabgelehnt. Jeder Befehl endet von selbst.\n":
        "Exit: 0 success, 1 wrong call, 2 interface cannot be opened or lost, 3 no or\nwrong answer, a version below 01.20, no measurement in time or a difference on\nreading back, 4 file or image refused. Every command ends by itself.\n",
    "heliowendler-service|ports": "ports", "heliowendler-service|info": "info",
    "heliowendler-service|status": "status", "heliowendler-service|werte": "werte",
    "heliowendler-service|zeit": "zeit", "heliowendler-service|automatik": "automatik",
    "jede Schnittstelle COM<n> mit Gerät, Art, bei USB\nHersteller, Produkt und Seriennummer, und ob ein\nanderes Programm sie hält":
        "every interface COM<n> with its device and kind, for\nUSB vendor, product and serial number, and whether\nanother program holds it",
    "Versionstext der Steuerung (\"GET Info\");\nunter 01.20 \"Falsche Version!\"":
        "the controller's version text (\"GET Info\");\nbelow 01.20 \"Wrong version!\"",
    "die sechs Statuslampen und der Countdown": "the six status lamps and the countdown",
    "die sechs aktuellen Systemwerte mit Einheiten": "the six current values with their units",
    "die Uhr der Steuerung (UTC)": "the controller's clock (UTC)",
    "zeit --setzen JJJJ-MM-TTTHH:MM[:SS] | --jetzt [--gruppe N]":
        "zeit --setzen YYYY-MM-DDTHH:MM[:SS] | --jetzt [--gruppe N]",
    "stellt die Uhr und liest sie zurück; Gruppe (ohne\n--gruppe) und ZeitZusatz bleiben, wie gelesen":
        "sets the clock and reads it back; the group\n(without --gruppe) and ZeitZusatz stay as read",
    "param [--datei F]": "param [--datei F]", "param --setzen F": "param --setzen F",
    "der Parametersatz als INI-Text, jeder Wert genau,\nwie die Steuerung ihn hält (ohne --datei auf die\nStandardausgabe)":
        "the parameter set as INI text, each value exactly\nas the controller holds it (without --datei on\nstandard output)",
    "prüft F mit den Regeln des Fensters, sendet\n\"SET Parameter\", liest den Satz zurück und\nvergleicht; beides erst ab Version 01.20":
        "checks F with the window's rules, sends\n\"SET Parameter\", reads the set back and\ncompares; both only from version 01.20 on",
    "position WINKEL --ja": "position ANGLE --ja",
    "fährt den Tracker auf WINKEL (bewegt die Mechanik)": "moves the tracker to ANGLE (moves the mechanics)",
    "zurück in den Automatikbetrieb": "back to automatic mode",
    "speed --ja": "speed --ja",
    "misst die Trackgeschwindigkeit (fährt nach West,\ndann nach Ost; bewegt die Mechanik); gibt auf nach\nzwei Fahrten zwischen den Anschlägen bei halber\neingestellter Geschwindigkeit und 10 s":
        "measures the tracking speed (turns west, then\neast; moves the mechanics); gives up after two\nruns between the stops at half the set speed\nand 10 s",
    "flash IMAGE": "flash IMAGE",
    "überträgt ein TI-TXT-Image an den Bootloader; mit\nmehreren --port an mehrere Steuerungen zugleich":
        "transfers a TI-TXT image to the bootloader; with\nseveral --port to several controllers at once",
    "COM<n> (wie im Schnittstellendialog: [Ports] der\nEinstellungsdatei, dann die Geräte des Systems),\nein Gerätepfad oder SN:<Seriennummer> eines\nUSB-Adapters; bei flash auch mehrfach":
        "COM<n> (as in the interface dialog: [Ports] of the\nsettings file, then the system's devices), a\ndevice path or SN:<serial number> of a USB\nadapter; for flash also several times",
    "Einstellungsdatei mit [Ports] (die der Anwendung:\nheliowendler.INI in ihrem Ordner)":
        "settings file with [Ports] (the application's:\nheliowendler.INI in its folder)",
    "jedes Byte beider Richtungen mit Zeit als Zeile in F\n(bei mehreren Ports: F.COM<n>)":
        "every byte of both directions with its time as a\nline in F (with several ports: F.COM<n>)",
    "Sekunden bis zur Antwort (2; flash: 5 wie im\nFenster)": "seconds until the answer (2; flash: 5 as in the\nwindow)",
    "eine Anfrage ohne gültige Antwort wird bis zu N-mal\nwiederholt (2); flash: eine abgelehnte Zeile (10)":
        "a request without a valid answer is sent again up to\nN times (2); flash: a refused line (10)",
    "COM<n>, ein Gerätepfad oder SN:<Seriennummer>": "COM<n>, a device path or SN:<serial number>",
    "ein Pfad oder ein Zeitpunkt": "a path or an instant",
    "eine Zahl von Sekunden über 0 bis 3600": "a number of seconds above 0 up to 3600",
    "eine Zahl von 0 bis 100": "a number from 0 to 100",
    "eine Gruppe von 0 bis 255": "a group from 0 to 255",
    "%1 nimmt die Option --%2 nicht": "%1 does not take the option --%2",
    "%1: unerwartetes Wort \"%2\" (Aufruf: %3)": "%1: unexpected word \"%2\" (usage: %3)",
    "%1: es fehlt ein Wort (Aufruf: %2)": "%1: a word is missing (usage: %2)",
    "%1: Falsche Version! Die Steuerung meldet \"%2\"; den Parametersatz gibt es ab %3.":
        "%1: Wrong version! The controller reports \"%2\"; the parameter set needs %3 or later.",
    "%1: Die Version \"%2\" ist nicht lesbar; den Parametersatz gibt es ab %3.":
        "%1: The version \"%2\" cannot be read; the parameter set needs %3 or later.",
    "zeit: --setzen und --jetzt schließen einander aus": "zeit: --setzen and --jetzt exclude each other",
    "zeit: --gruppe gilt nur mit --setzen oder --jetzt": "zeit: --gruppe only applies with --setzen or --jetzt",
    "param: --datei und --setzen schließen einander aus": "param: --datei and --setzen exclude each other",
    "position: ein Winkel in ganzen Grad von 0 bis 65535 erwartet":
        "position: an angle in whole degrees from 0 to 65535 expected",
    "Countdown: %1\n": "Countdown: %1\n",
    "speed: nach %1 s ohne Ergebnis aufgegeben (die Grenze aus den Anschlägen %2° und %3° und %4 °/s); zuletzt gesehen: %5, Fahrt nach %6 seit %7":
        "speed: given up after %1 s without a result (the limit from the stops %2° and %3° and %4 °/s); last seen: %5, moving %6 for %7",
    # Weather files (context "wetter")
    "wetter|eine Zahl":
        "a number",
    "wetter|ein Jahr":
        "a year",
    "wetter|ein Monat 1 … 12":
        "a month 1 … 12",
    "wetter|ein Tag des Monats":
        "a day of the month",
    "wetter|eine Stunde 1 … 24":
        "an hour 1 … 24",
    "wetter|eine Minute 0 … 60":
        "a minute 0 … 60",
    "wetter|ein Datum MM/TT/JJJJ":
        "a date MM/DD/YYYY",
    "wetter|eine Uhrzeit hh:mm bis 24:00":
        "a time hh:mm up to 24:00",
    "wetter|ein Zeitstempel JJJJMMTT:hhmm":
        "a time stamp YYYYMMDD:hhmm",
    "wetter|eine Breite -90 … 90°":
        "a latitude -90 … 90°",
    "wetter|eine Länge -180 … 180°":
        "a longitude -180 … 180°",
    "wetter|eine Zeitzone -12 … 14 h":
        "a time zone -12 … 14 h",
    "wetter|eine Höhe in m":
        "an elevation in m",
    "wetter|eine Zahl der Datensätze je Stunde, die 60 teilt":
        "a number of records per hour that divides 60",
    "wetter|ein weiteres Feld":
        "another field",
    "wetter|gültiges JSON":
        "valid JSON",
    "wetter|ein JSON-Objekt":
        "a JSON object",
    "wetter|Albedo":
        "Albedo",
    "wetter|Globalstrahlung (GHI)":
        "global horizontal irradiance (GHI)",
    "wetter|Direktnormalstrahlung (DNI)":
        "direct normal irradiance (DNI)",
    "wetter|Diffusstrahlung (DHI)":
        "diffuse horizontal irradiance (DHI)",
    "wetter|Zeile %1, Spalte %2":
        "Line %1, column %2",
    "wetter|Zeile %1, Zeichen %2":
        "Line %1, character %2",
    "wetter|Zeile %1":
        "Line %1",
    "wetter|es fehlt %1.":
        "%1 is missing.",
    "wetter|erwartet wird %1, gefunden „%2“.":
        "expected %1, found \"%2\".",
    "wetter|Die Datei kann nicht gelesen werden.":
        "The file cannot be read.",
    "wetter|Die Datei ist größer als %1 MiB.":
        "The file is larger than %1 MiB.",
    "wetter|Keine Wetterdatei (EPW, PVGIS-TMY als CSV oder JSON, TMY3): Zeile 1 beginnt mit „%1“.":
        "Not a weather file (EPW, PVGIS TMY as CSV or JSON, TMY3): line 1 begins with \"%1\".",
    "wetter|%1: die Angabe %2 fehlt.":
        "%1: the value %2 is missing.",
    "wetter|%1: die Zeile endet vorzeitig.":
        "%1: the line ends early.",
    "wetter|%1: die Spalte der %2 fehlt.":
        "%1: the column of the %2 is missing.",
    "wetter|Die Datei enthält keine Datenzeile.":
        "The file holds no data row.",
    "wetter|Keine Zeile der Datei enthält alle drei Einstrahlungswerte (GHI, DNI, DHI).":
        "No row of the file holds all three irradiance values (GHI, DNI, DHI).",
    "wetter|Die Zeilen folgen keinem regelmäßigen Schritt von 1 bis 60 Minuten (häufigster Abstand: %1 min).":
        "The rows follow no regular step of 1 to 60 minutes (most frequent interval: %1 min).",
    "wetter|Der Zeitversatz muss zwischen -24 und 24 Stunden liegen.":
        "The time offset must lie between -24 and 24 hours.",
    "wetter|Die Einstrahlung dieser Datei liegt um %1 h %2 min früher als der Sonnenstand: ist die Zeitzone richtig?":
        "The irradiance of this file comes %1 h %2 min earlier than the sun position: is the time zone right?",
    "wetter|Die Einstrahlung dieser Datei liegt um %1 h %2 min später als der Sonnenstand: ist die Zeitzone richtig?":
        "The irradiance of this file comes %1 h %2 min later than the sun position: is the time zone right?",
    "wetter|Zeilen mit fehlenden Werten (ausgelassen): %1 (GHI %2, DNI %3, DHI %4), geschätzt %5 % der Globalstrahlung":
        "Rows with missing values (left out): %1 (GHI %2, DNI %3, DHI %4), an estimated %5 % of the global irradiation",
    "wetter|Negative Einstrahlungswerte (auf 0 gesetzt): %1":
        "Negative irradiance values (set to 0): %1",
    "wetter|Zeilen mit Direktnormalstrahlung über der extraterrestrischen: %1":
        "Rows with direct normal irradiance above the extraterrestrial: %1",
    "wetter|Zeilen mit Diffusstrahlung über der Globalstrahlung: %1":
        "Rows with diffuse above global irradiance: %1",
    "wetter|Zeilen mit Einstrahlung bei Sonne unter dem Horizont: %1 (Direktstrahlung %2 kWh/m² ausgelassen)":
        "Rows with irradiance while the sun is below the horizon: %1 (beam of %2 kWh/m² left out)",
    "wetter|Zeilen ohne Albedo: %1":
        "Rows without an albedo: %1",
    "wetter|Lücken in der Zeitfolge innerhalb eines Monats: %1 (%2 h)":
        "Gaps in the time sequence within a month: %1 (%2 h)",
    "wetter|Keine Auffälligkeiten in den Daten.":
        "Nothing unusual in the data.",
}


def main(pfad):
    baum = ET.parse(pfad)
    offen = []
    for ctx in baum.getroot().findall("context"):
        name = ctx.find("name").text
        for m in ctx.findall("message"):
            quelle = m.find("source").text or ""
            ziel = m.find("translation")
            text = EN.get(name + "|" + quelle, EN.get(quelle))
            if text is None:
                offen.append(name + ": " + quelle)
                continue
            ziel.text = text
            ziel.attrib.pop("type", None)
    baum.write(pfad, encoding="utf-8", xml_declaration=True)
    for o in offen:
        print("ohne Übersetzung:", o.replace("\n", "\\n"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "uebersetzung/heliowendler_en.ts"))
