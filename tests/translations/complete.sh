#!/bin/sh
# Every text the program marks for translation is in each
# translations/rackmere_*.ts, and translated there: lupdate brings a copy of
# each file up to date with the sources, then check.py reads the copies.
#
#   sh complete.sh SOURCE_DIR LUPDATE
set -eu
src=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ts in "$src"/translations/rackmere_*.ts; do
  cp "$ts" "$work/"
  "$lupdate" -silent -no-obsolete -locations none "$src/src" -ts "$work/$(basename "$ts")"
done
exec /usr/bin/python3 "$src/tests/translations/check.py" "$src/translations" "$work"
