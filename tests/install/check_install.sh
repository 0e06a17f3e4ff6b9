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
            share/applications/talvo.desktop share/man/man1/talvo-cli.1 \
            share/bash-completion/completions/talvo-cli; do
  [ -f "$prefix/$file" ] || fail "$file fehlt"
done
for program in bin/talvo bin/talvo-cli libexec/talvo/talvo-cli-print libexec/talvo/talvo-cli-net \
               libexec/talvo/talvo-cli-xlsx; do
  [ -x "$prefix/$program" ] || fail "$program nicht ausführbar"
done

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

# The manual page as man shows it, and the completion as bash reads it.
MANPATH="$prefix/share/man" man -P cat talvo-cli 2>/dev/null | grep -q "BEFEHLE" || fail "man talvo-cli"
bash -c "source '$prefix/share/bash-completion/completions/talvo-cli' && complete -p talvo-cli" >/dev/null ||
  fail "Vervollständigung"

# talvo-cli finds its companions in libexec: the workbook export runs in one of them.
"$prefix/bin/talvo-cli" store --history "$root/h.tpp" --position 1 --date 02.02.2004 \
  --numbers "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20" || fail "store"
"$prefix/bin/talvo-cli" export-draws --history "$root/h.tpp" --choice 0 --from 01.01.2004 --to 31.12.2004 \
  --xlsx "$root/z.xlsx" || fail "export-draws --xlsx"
[ "$(head -c 2 "$root/z.xlsx")" = PK ] || fail "keine Arbeitsmappe"
echo "installed into $prefix: ok"
