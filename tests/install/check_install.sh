#!/usr/bin/env bash
# Installs the build into a fresh prefix, as a user or the Debian package does, and
# checks that everything lies in its usual place and that the installed programs find
# their demo slip and help there.
set -euo pipefail
build="$1"
version="$2"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
prefix="$root/usr"
fail() { echo "FEHLER: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
export XDG_DATA_HOME="$root/home/data" XDG_CACHE_HOME="$root/home/cache"

for file in bin/talvo bin/talvo-cli share/talvo/Demo.tix "share/talvo/TALVO Hilfe.qch" \
            share/applications/talvo.desktop; do
  [ -f "$prefix/$file" ] || fail "$file fehlt"
done
[ -x "$prefix/bin/talvo" ] && [ -x "$prefix/bin/talvo-cli" ] || fail "Programme nicht ausführbar"

# The icon in several sizes of the hicolor theme, each picture as large as its folder says.
sizes=0
for icon in "$prefix"/share/icons/hicolor/*/apps/talvo.png; do
  [ -f "$icon" ] || fail "keine Symbole"
  folder="$(basename "$(dirname "$(dirname "$icon")")")"
  python3 - "$icon" "$folder" <<'PY' || fail "$icon hat nicht die Größe $folder"
import struct, sys
with open(sys.argv[1], "rb") as f:
    head = f.read(24)
assert head[:8] == b"\x89PNG\r\n\x1a\n"
width, height = struct.unpack(">II", head[16:24])
assert f"{width}x{height}" == sys.argv[2]
PY
  sizes=$((sizes + 1))
done
[ "$sizes" -ge 4 ] || fail "nur $sizes Symbolgrößen"
grep -qx 'Exec=talvo' "$prefix/share/applications/talvo.desktop" || fail "Exec"
grep -qx 'Icon=talvo' "$prefix/share/applications/talvo.desktop" || fail "Icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/talvo.desktop"
fi

out="$("$prefix/bin/talvo-cli" --version)"
[ "$out" = "talvo-cli $version" ] || fail "--version gibt \"$out\" aus"

# The installed program's folder is share/talvo, and both files are found there.
out="$("$prefix/bin/talvo-cli" paths)" || fail "paths: $out"
expected="Programmordner	$prefix/share/talvo/
Demo-Spielschein	$prefix/share/talvo/Demo.tix
Hilfe	$prefix/share/talvo/TALVO Hilfe.qch"
[ "$(printf '%s\n' "$out" | head -n 3)" = "$expected" ] || fail "paths gibt aus:
$out"
"$prefix/bin/talvo-cli" slips "$prefix/share/talvo/Demo.tix" | grep -q Dauerschein || fail "Demo.tix unlesbar"
echo "installed into $prefix: ok"
