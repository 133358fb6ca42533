#!/usr/bin/env python3
"""heliowendler-calc on weather files: the same made-up year written as PVGIS CSV and JSON
gives the same output; a file that is no weather file exits 4; the weather options are refused
without a file, the file without a year study; a --phi far from the file's site is warned about.

Usage: calc_wetter.py HELIOWENDLER-CALC"""
import json
import math
import os
import subprocess
import sys
import tempfile

CALC = sys.argv[1]
BREITE, LAENGE_OST, HOEHE = -33.87, 151.21, 40.0  # far east, southern: the day crosses 0:00 UTC


def sonnenhoehe_sin(tag, stunde_utc):
    # A rough sun is enough: the values only have to look like a day.
    dekl = math.radians(-23.44 * math.cos(2 * math.pi * (tag + 10) / 365))
    stundenwinkel = math.radians((stunde_utc - 12) * 15 + LAENGE_OST)
    phi = math.radians(BREITE)
    return math.sin(phi) * math.sin(dekl) + math.cos(phi) * math.cos(dekl) * math.cos(stundenwinkel)


def zeilen():
    import datetime
    t = datetime.datetime(2019, 1, 1)
    for i in range(365 * 24):
        z = t + datetime.timedelta(hours=i)
        s = sonnenhoehe_sin(z.timetuple().tm_yday, z.hour + 0.5)
        wolke = 0.5 + 0.5 * math.sin(i * 0.37) ** 2
        ghi = max(0.0, 1000 * s * wolke)
        dni = max(0.0, 850 * wolke - 300) if s > 0.05 else 0.0
        dhi = max(0.0, ghi - dni * max(s, 0)) if ghi > 0 else 0.0
        yield z, round(ghi, 2), round(dni, 2), round(dhi, 2)


def pvgis_csv(pfad):
    with open(pfad, "w") as f:
        f.write(f"Latitude (decimal degrees): {BREITE}\nLongitude (decimal degrees): "
                f"{LAENGE_OST}\nElevation (m): {HOEHE}\nIrradiance Time Offset (h): 0.5\n")
        f.write("month,year\n" + "".join(f"{m},2019\n" for m in range(1, 13)))
        f.write("time(UTC),T2m,RH,G(h),Gb(n),Gd(h),IR(h),WS10m,WD10m,SP\n")
        for z, g, b, d in zeilen():
            f.write(f"{z:%Y%m%d:%H%M},20.0,50.0,{g},{b},{d},300.0,1.0,180.0,101000.0\n")
        f.write("\nT2m: 2-m air temperature (degree Celsius)\n")


def pvgis_json(pfad):
    daten = {
        "inputs": {"location": {"latitude": BREITE, "longitude": LAENGE_OST, "elevation": HOEHE,
                                "irradiance_time_offset": 0.5}},
        "outputs": {"tmy_hourly": [
            {"time(UTC)": f"{z:%Y%m%d:%H%M}", "T2m": 20.0, "G(h)": g, "Gb(n)": b, "Gd(h)": d}
            for z, g, b, d in zeilen()]},
    }
    with open(pfad, "w") as f:
        json.dump(daten, f)


def rufe(*args):
    return subprocess.run([CALC, *args], capture_output=True, text=True, timeout=120)


fehler = []


def pruefe(bedingung, was, r=None):
    if not bedingung:
        fehler.append(was + (f"\n  exit {r.returncode}\n  stdout: {r.stdout[:400]}\n"
                             f"  stderr: {r.stderr[:800]}" if r else ""))


with tempfile.TemporaryDirectory() as ordner:
    csv, js, kein = (os.path.join(ordner, n) for n in ("tmy.csv", "tmy.json", "kein.txt"))
    pvgis_csv(csv)
    pvgis_json(js)
    with open(kein, "w") as f:
        f.write("Dies ist keine Wetterdatei.\n")

    a = rufe("--jahresstudie", "--wetter", csv)
    b = rufe("--jahresstudie", "--wetter=" + js)
    pruefe(a.returncode == 0, "PVGIS-CSV: exit 0", a)
    pruefe(b.returncode == 0, "PVGIS-JSON: exit 0", b)
    pruefe(a.stdout == b.stdout and a.stdout, "CSV und JSON derselben Daten: dieselbe Ausgabe", b)
    kopf = a.stdout.splitlines()[0] if a.stdout else ""
    pruefe(kopf.startswith("Monat,MitUnverschattet_kWh_m2,"), "Kopfzeile", a)
    pruefe("GewinnBacktracking_Prozent=" in a.stdout and "Bloecke=1x3" in a.stdout,
           "Gewinn und Blocklayout", a)
    pruefe("PVGIS-CSV" in a.stderr and "PVGIS-JSON" in b.stderr, "Format auf stderr", a)
    # The file's site is taken: the southern site's months, not the default site's.
    jahr = [z for z in a.stdout.splitlines() if z.startswith("Jahr,")]
    pruefe(len(jahr) == 1 and float(jahr[0].split(",")[1]) > 0, "Jahr mit Einstrahlung", a)

    c = rufe("--jahresstudie", "--wetter", csv, "--bloecke", "3x1", "--diffus", "isotrop",
             "--albedo", "0.3")
    pruefe(c.returncode == 0 and "Bloecke=3x1" in c.stdout and "Diffus=isotrop" in c.stdout,
           "Optionen in der Ausgabe", c)
    pruefe(c.stdout != a.stdout, "Optionen aendern das Ergebnis", c)

    w = rufe("--jahresstudie", "--wetter", csv, "--phi", "48.1")
    pruefe(w.returncode == 0 and "Warnung" in w.stderr, "Warnung bei fremder Breite", w)
    v = rufe("--variiere", "modulnerr:-1:1:1", "--wetter", csv)
    pruefe(v.returncode == 0 and v.stdout.startswith("Wert,Unverschattet_kWh_m2,")
           and len(v.stdout.splitlines()) >= 4, "Variation auf der Wetterdatei", v)

    for args, ende, was in [
        (["--jahresstudie", "--wetter", kein], 4, "keine Wetterdatei"),
        (["--jahresstudie", "--wetter", os.path.join(ordner, "fehlt.epw")], 4, "fehlende Datei"),
        (["--jahresstudie", "--wetter", ordner], 4, "ein Ordner"),
        (["--jahresstudie", "--albedo", "0.3"], 2, "--albedo ohne --wetter"),
        (["--wetter", csv], 2, "--wetter ohne Jahresstudie"),
        (["--jahresstudie", "--wetter", csv, "--bloecke", "0x3"], 2, "--bloecke 0x3"),
        (["--jahresstudie", "--wetter", csv, "--diffus", "klar"], 2, "--diffus klar"),
        (["--jahresstudie", "--wetter", csv, "--zeitversatz", "25"], 2, "--zeitversatz 25"),
    ]:
        r = rufe(*args)
        pruefe(r.returncode == ende and not r.stdout, f"{was}: exit {ende}, nichts gedruckt", r)

for f in fehler:
    print("FEHLER:", f)
sys.exit(1 if fehler else 0)
