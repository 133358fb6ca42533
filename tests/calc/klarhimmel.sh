#!/bin/sh
# The clear-sky year study and its sweep as heliowendler-calc prints them, for a few input sets
# (home site, the south, a step that does not divide the hour, installation errors, a sweep),
# compared byte for byte with the output taken before the study on measured weather existed:
# without a weather file nothing may change.
# Usage: klarhimmel.sh HELIOWENDLER-CALC ERWARTET
set -u
calc=$1
erwartet=$2
ausgabe=$(mktemp)
trap 'rm -f "$ausgabe"' EXIT
while IFS= read -r argumente; do
    echo "## $argumente"
    # shellcheck disable=SC2086 # the options are split on purpose
    LC_ALL=C LANGUAGE= "$calc" $argumente || echo "## Ende $?"
done > "$ausgabe" <<'FAELLE'
--jahresstudie
--jahresstudie --phi -33.87 --lam -151.2
--jahresstudie --schritt 7
--jahresstudie --phi -33.87 --lam -151.2 --modulherr 3 --modulaerr -4 --modulnerr 1 --endlagestarterr -2 --schritt 7
--jahresstudie --phi 36.1 --lam 79.95 --jahr 2024 --ost --endlagestarterr 5
--variiere endlagestarterr:-5:5:1 --schritt 20
FAELLE
diff -u "$erwartet" "$ausgabe"
