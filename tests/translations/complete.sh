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
  # English has only its plural forms to give.
  only=
  [ "$(basename "$ts")" = rackmere_en.ts ] && only=-pluralonly
  "$lupdate" -silent -no-obsolete -locations none $only "$src/src" -ts "$work/$(basename "$ts")"
done
exec /usr/bin/python3 "$src/tests/translations/check.py" "$src/translations" "$work"
