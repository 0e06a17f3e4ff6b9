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

contents="$(dpkg-deb -c "$deb")"
for file in ./usr/share/man/man1/talvo-cli.1 ./usr/share/bash-completion/completions/talvo-cli \
            ./usr/libexec/talvo/talvo-cli-print ./usr/libexec/talvo/talvo-cli-net ./usr/libexec/talvo/talvo-cli-xlsx; do
  [[ "$contents" == *" $file"* ]] || fail "das Paket enthält $file nicht"
  echo "im Paket: ${file#.}"
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
MANPATH="$root/pkg/usr/share/man" man -P cat talvo-cli 2>/dev/null | grep -q "BEFEHLE" || fail "man talvo-cli"
echo "man talvo-cli zeigt die Handbuchseite"
# The desktop program starts and keeps running until it is stopped.
rc=0
QT_QPA_PLATFORM=offscreen timeout 10 "$root/pkg/usr/bin/talvo" || rc=$?
[ "$rc" -eq 124 ] || fail "talvo endete nach dem Start mit $rc"
echo "talvo läuft aus dem Paket"
