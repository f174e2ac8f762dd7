#!/usr/bin/env bash
# The translations in translations/*.ts against the texts in the sources.
#   scripts/translations.sh update [LANGUAGE...]
#                                     brings the .ts files up to date with the sources: new texts
#                                     come in unfinished, texts no longer used go. Each LANGUAGE
#                                     named (es, it...) gets a new file first.
#   scripts/translations.sh check    fails when that update would change anything, or when any
#                                     text is unfinished: a new text without its translations.
set -euo pipefail
cd "$(dirname "$0")/.."
sources=(app cli editor link models qml safety session)
mode=${1:-}
[[ $mode == update || $mode == check ]] || { echo "usage: $0 update|check" >&2; exit 2; }

# Line numbers are left out of the files, so an edit elsewhere in a source changes no .ts file.
update() { # folder with the .ts files to bring up to date
  local ts language
  for ts in "$1"/ulvo-connect_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#ulvo-connect_}
    # English holds only the plural forms of texts with a count.
    if ! lupdate -silent -I . -locations none -no-obsolete -target-language "$language" \
      $([[ $language == en ]] && echo -pluralonly) "${sources[@]}" -ts "$ts" >"$ts.log" 2>&1; then
      cat "$ts.log" >&2
      return 1
    fi
    # Out-of-line nested classes puzzle lupdate's parser; the texts in them are still found.
    grep -v "Ignoring definition of undeclared qualified class" "$ts.log" >&2 || true
    rm -f "$ts.log"
  done
}

if [[ $mode == update ]]; then
  for language in "${@:2}"; do
    new=translations/ulvo-connect_$language.ts
    [[ -e $new ]] || printf '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="%s">\n</TS>\n' "$language" >"$new"
  done
  update translations
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp translations/ulvo-connect_*.ts "$work"/
update "$work"
status=0
for ts in translations/ulvo-connect_*.ts; do
  name=$(basename "$ts")
  if ! diff -u "$ts" "$work/$name" >"$work/$name.diff"; then
    echo "$ts is not up to date with the sources (run scripts/translations.sh update):"
    head -n 60 "$work/$name.diff"
    status=1
  fi
  unfinished=$(grep -c 'type="unfinished"' "$work/$name" || true)
  if [[ $unfinished -gt 0 ]]; then
    echo "$ts: $unfinished text(s) without a translation:"
    grep -B3 'type="unfinished"' "$work/$name" | grep '<source>' | head -n 20
    status=1
  fi
done
[[ $status -eq 0 ]] && echo "Translations complete: $(ls translations/ulvo-connect_*.ts | wc -l) files up to date"
exit $status
