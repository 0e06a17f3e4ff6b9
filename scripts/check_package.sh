#!/usr/bin/env bash
# Builds the Debian package from the build folder (default build/), unpacks it into a
# clean folder and runs the programs from there: the package holds what they need and
# names the Debian packages they need beside it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-${TALVO_BUILD_DIR:-$here/build}}"
fail() { echo "FEHLER: $*" >&2; exit 1; }

rm -f "$build"/talvo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/talvo_*.deb)"
version="$(dpkg-deb -f "$deb" Version)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "$(basename "$deb"): Depends: $depends"
for needed in libqt6core6 libqt6widgets6 libqt6help6 libxlsxwriter libqt6sql6-sqlite xdg-utils; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends nennt $needed nicht"
done

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root/pkg"
export XDG_DATA_HOME="$root/home/data" XDG_CACHE_HOME="$root/home/cache" XDG_RUNTIME_DIR="$root/run"
mkdir -m 700 "$root/run"

out="$("$root/pkg/usr/bin/talvo-cli" --version)"
[ "$out" = "talvo-cli $version" ] || fail "--version gibt \"$out\" aus, das Paket ist $version"
echo "$out"
"$root/pkg/usr/bin/talvo-cli" paths | head -n 3
# The desktop program starts and keeps running until it is stopped.
rc=0
QT_QPA_PLATFORM=offscreen timeout 10 "$root/pkg/usr/bin/talvo" || rc=$?
[ "$rc" -eq 124 ] || fail "talvo endete nach dem Start mit $rc"
echo "talvo läuft aus dem Paket"
