#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: the installed programs run from
# there, the examples, manual pages, menu entry and icon are where the system
# looks for them, and the pages and the entry pass their checkers.
#   install_test.sh BUILD_DIR WITH_GUI(0|1)
set -uo pipefail
build="$1" with_gui="$2"
source "$(dirname "$0")/../common/shell_checks.sh"
require "Debian groff-base, man-db, desktop-file-utils" groff man desktop-file-validate
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log"; rm -f "$prefix.log"
  echo "FAIL: cmake --install"
  exit 1
fi
rm -f "$prefix.log"

programs=(mirelo ovint mirelo-plot)
pages=(mirelo ovint mirelo-plot)
if [ "$with_gui" = 1 ]; then programs+=(tarn); pages+=(tarn); fi
for program in "${programs[@]}"; do
  check "bin/$program is installed and executable" [ -x "$prefix/bin/$program" ]
done

# The installed programs work from the prefix, away from the build folder.
cd "$prefix" || exit 1
"$prefix/bin/mirelo" -h >help.txt 2>&1
check "installed mirelo -h exits 0" [ $? -eq 0 ]
check "installed mirelo -h prints the help page" grep -q 'Skladnia:  mirelo' help.txt
"$prefix/bin/ovint" -h >help.txt 2>&1
check "installed ovint -h exits 0" [ $? -eq 0 ]
check "installed ovint -h prints the help page" grep -q 'Skladnia: ovint' help.txt
"$prefix/bin/mirelo-plot" -h >help.txt 2>&1
check "installed mirelo-plot -h exits 0" [ $? -eq 0 ]
rm -f help.txt

# The examples run with the installed solver.
examples="$prefix/share/quantum1d/examples"
check "examples README installed" [ -f "$examples/README.md" ]
for example in free-gauss gauss-well soft-core-pulse well-field; do
  for file in 1d-grid.par 1d-eq.par 1d-psi.par; do
    check "example $example/$file installed" [ -f "$examples/$example/$file" ]
  done
done
mkdir run && cp "$examples/free-gauss/"*.par run/
(cd run && "$prefix/bin/mirelo" -t -s2 >/dev/null 2>&1)
check "installed mirelo checks an installed example" [ -f run/psi00000.dat ]

# Manual pages: compressed, clean under groff -ww, rendered by man -l.
for page in "${pages[@]}"; do
  file="$prefix/share/man/man1/$page.1.gz"
  check "$page.1.gz installed" [ -f "$file" ]
  [ -f "$file" ] || continue
  warnings="$(zcat "$file" | groff -man -ww -z 2>&1)"
  check "groff -ww -z is silent on $page.1: $warnings" [ -z "$warnings" ]
  rendered="$(MANWIDTH=80 man --warnings -l "$file" 2>"$prefix/man.err")"
  check "man -l renders $page.1 without warnings: $(cat "$prefix/man.err")" [ ! -s "$prefix/man.err" ]
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES 'EXIT STATUS' EXAMPLES 'SEE ALSO'; do
    check "$page.1 has the section $section" grep -q "^$section" <<<"$rendered"
  done
done

if [ "$with_gui" = 1 ]; then
  entry="$prefix/share/applications/tarn.desktop"
  check "desktop entry installed" [ -f "$entry" ]
  result="$(desktop-file-validate "$entry" 2>&1)"
  check "desktop-file-validate passes: $result" [ $? -eq 0 ]
  check "no errors or warnings from desktop-file-validate: $result" \
    bash -c '! grep -q -E "error|warning" <<<"$1"' _ "$result"
  for key in 'Name=' 'Name\[pl\]=' 'Comment=' 'Comment\[pl\]=' 'Exec=tarn' 'Icon=tarn' \
             'Categories=Science;Physics;Education;'; do
    check "desktop entry has $key" grep -q "^$key" "$entry"
  done
  check "icon installed where Icon=tarn is looked up" [ -s "$prefix/share/icons/hicolor/scalable/apps/tarn.svg" ]
fi

finish install
