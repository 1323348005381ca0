#!/usr/bin/env bash
# The Debian package that `cpack -G DEB` makes from the build folder: its
# file list, its control fields (dependencies found by dpkg-shlibdeps,
# gnuplot-nox recommended), and the programs inside it run. Nothing is
# installed into the system.
#   package_test.sh BUILD_DIR WITH_GUI(0|1)
set -uo pipefail
build="$1" with_gui="$2"
source "$(dirname "$0")/../common/shell_checks.sh"
require "Debian cmake, dpkg-dev" cpack dpkg-deb dpkg-shlibdeps
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if ! (cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack -G DEB"
  exit 1
fi
debs=("$work"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  cat "$work/cpack.log"
  echo "FAIL: cpack did not make exactly one .deb"
  exit 1
fi
deb="${debs[0]}"
echo "package: ${deb##*/}"

contents="$(dpkg-deb -c "$deb" | awk '{ print $NF }')"
expected=(./usr/bin/mirelo ./usr/bin/ovint ./usr/bin/mirelo-plot
          ./usr/share/man/man1/mirelo.1.gz ./usr/share/man/man1/ovint.1.gz ./usr/share/man/man1/mirelo-plot.1.gz
          ./usr/share/quantum1d/examples/README.md ./usr/share/quantum1d/examples/soft-core-pulse/1d-grid.par)
if [ "$with_gui" = 1 ]; then
  expected+=(./usr/bin/tarn ./usr/share/man/man1/tarn.1.gz ./usr/share/applications/tarn.desktop
             ./usr/share/icons/hicolor/scalable/apps/tarn.svg)
fi
for path in "${expected[@]}"; do
  check "the package holds $path" grep -qxF "$path" <<<"$contents"
done
check "nothing outside /usr" bash -c '! grep -v -e "^\./$" -e "^\./usr" <<<"$1"' _ "$contents"

field() { dpkg-deb -f "$deb" "$1"; }
check "Package: quantum1d" [ "$(field Package)" = quantum1d ]
check "Architecture is the machine's" [ "$(field Architecture)" = "$(dpkg --print-architecture)" ]
check "Recommends gnuplot-nox" grep -qw gnuplot-nox <<<"$(field Recommends)"
depends="$(field Depends)"
check "Depends names the C library (from dpkg-shlibdeps): $depends" grep -q 'libc6 (>=' <<<"$depends"
check "Depends names the C++ library: $depends" grep -q 'libstdc++6' <<<"$depends"
if [ "$with_gui" = 1 ]; then
  check "Depends names Qt 6 Widgets: $depends" grep -q 'libqt6widgets6' <<<"$depends"
fi
check "dpkg-deb -I shows the control file" grep -q 'Maintainer:' <<<"$(dpkg-deb -I "$deb")"

# The stripped programs inside the package still run.
dpkg-deb -x "$deb" "$work/root"
"$work/root/usr/bin/mirelo" -h >"$work/help.txt" 2>&1
check "packaged mirelo -h exits 0" [ $? -eq 0 ]
"$work/root/usr/bin/ovint" -h >"$work/help.txt" 2>&1
check "packaged ovint -h exits 0" [ $? -eq 0 ]
check "packaged programs are stripped" bash -c '! file "$1" | grep -q "not stripped"' _ "$work/root/usr/bin/mirelo"

finish package
