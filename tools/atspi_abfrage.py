#!/usr/bin/python3
"""Asks the application for its status bar over AT-SPI, as a screen reader does, while a
flood runs (tools/flutmessung.sh starts both). It registers for the events a screen reader
listens to, finds the status bar once, then every 200 ms reads its panels (one call for the
children and one per panel) and prints the median and longest answer at rest and in the flood.

Usage: atspi_abfrage.py RUHE_BIS FLUT_AB FLUT_BIS   (seconds from its start)
"""
import statistics
import sys
import time

import dbus
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

ACC = 'org.a11y.atspi.Accessible'


def main():
    ruhe_bis, flut_ab, flut_bis = (float(a) for a in sys.argv[1:4])
    DBusGMainLoop(set_as_default=True)
    sitzung = dbus.SessionBus()
    adresse = sitzung.get_object('org.a11y.Bus', '/org/a11y/bus').GetAddress(
        dbus_interface='org.a11y.Bus')
    bus = dbus.bus.BusConnection(adresse)
    registry = bus.get_object('org.a11y.atspi.Registry', '/org/a11y/atspi/registry')
    for ereignis in ('object:property-change', 'object:state-changed',
                     'object:children-changed'):
        registry.RegisterEvent(ereignis, dbus.Array([], signature='s'), '',
                               dbus_interface='org.a11y.atspi.Registry')
    signale = [0]

    def zaehle(*_args, **_kw):
        signale[0] += 1
    bus.add_signal_receiver(zaehle, dbus_interface='org.a11y.atspi.Event.Object')

    def objekt(ort):
        return bus.get_object(ort[0], ort[1], introspect=False)

    def kinder(ort):
        return objekt(ort).GetChildren(dbus_interface=ACC)

    def finde_statusleiste():
        for app in kinder(('org.a11y.atspi.Registry', '/org/a11y/atspi/accessible/root')):
            offen = [app]
            while offen:
                ort = offen.pop()
                try:
                    if objekt(ort).GetRoleName(dbus_interface=ACC) == 'status bar':
                        return ort
                    offen.extend(kinder(ort))
                except dbus.DBusException:
                    pass
        return None

    anfang = time.monotonic()
    leiste = [None]
    ruhe, flut = [], []
    fehler = []

    def frage():
        jetzt = time.monotonic() - anfang
        if jetzt > flut_bis:
            schleife.quit()
            return False
        if leiste[0] is None:
            leiste[0] = finde_statusleiste()
            return True
        a = time.monotonic()
        try:
            texte = [objekt(k).Get(ACC, 'Name', dbus_interface='org.freedesktop.DBus.Properties')
                     for k in kinder(leiste[0])]
        except dbus.DBusException as e:
            fehler.append('%.1f s: %s' % (jetzt, e.get_dbus_name()))
            ms = (time.monotonic() - a) * 1000
        else:
            ms = (time.monotonic() - a) * 1000
            if not any(t.startswith('Protokolle') for t in texte):
                fehler.append('%.1f s: keine Statusleiste' % jetzt)
        if jetzt < ruhe_bis:
            ruhe.append(ms)
        elif flut_ab <= jetzt:
            flut.append(ms)
        return True

    schleife = GLib.MainLoop()
    GLib.timeout_add(200, frage)
    schleife.run()

    def zeile(was, reihe, boden):
        if not reihe:
            print('%s: keine Antwort' % was)
            return
        m, g = statistics.median(reihe), max(reihe)
        bm, bg = (statistics.median(boden), max(boden)) if boden else (m, g)
        print('%s: %d mal, Median %.1f ms (%.0f x Ruhe), längste %.1f ms (%.0f x Ruhe)'
              % (was, len(reihe), m, m / max(bm, 1e-3), g, g / max(bg, 1e-3)))
    zeile('AT-SPI-Abfrage der Statusleiste in Ruhe', ruhe, ruhe)
    zeile('AT-SPI-Abfrage der Statusleiste in der Flut', flut, ruhe)
    print('%d Ereignissignale der Anwendung empfangen' % signale[0])
    for f in fehler[:5]:
        print('Fehler', f)
    return 1 if fehler or not flut else 0


if __name__ == '__main__':
    sys.exit(main())
