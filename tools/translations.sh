#!/bin/sh
# Brings translations/rackmere_*.ts up to date with the texts the sources
# mark for translation (new ones unfinished, gone ones dropped); English
# keeps only the plural forms of its source texts.
#
#   sh tools/translations.sh [CODE]      (all languages when none is given)
set -eu
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
for ts in translations/rackmere_${1:-*}.ts; do
  only=
  [ "$ts" = translations/rackmere_en.ts ] && only=-pluralonly
  "$lupdate" -silent -no-obsolete -locations none $only src -ts "$ts"
done
