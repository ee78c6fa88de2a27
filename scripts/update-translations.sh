#!/usr/bin/env bash
# Brings every translations/vok_<language>.ts up to date with the texts in the code (lupdate):
# new texts come in unfinished, changed ones are marked, gone ones are dropped. With a language
# code (de, fr, ...) it starts the file for that language first.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || { echo "lupdate is missing: install qt6-l10n-tools"; exit 1; }
# The program's sources, not the tests', the bench's or the fakes'.
list=$(mktemp)
trap 'rm -f "$list"' EXIT
git ls-files -- app main controls diskscreens memscreens platform | grep -E '\.(cpp|h)$' |
  grep -v /fake/ > "$list"
if [ $# -gt 0 ]; then
  [[ "$1" =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]] || { echo "usage: $0 [language code, as de or pt_BR]"; exit 1; }
  new="translations/vok_$1.ts"
  [ -e "$new" ] || "$lupdate" -silent -I . -source-language en -target-language "$1" \
    "@$list" -ts "$new"
fi
"$lupdate" -no-obsolete -I . -locations none -source-language en "@$list" -ts translations/vok_*.ts
