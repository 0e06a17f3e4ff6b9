#!/usr/bin/env bash
# Keeps the C++ sources in the repository's .clang-format style, with clang-format 14 so that
# every machine formats alike. "check" (the default) lists the files that differ and fails;
# "fix" rewrites them.
set -euo pipefail
mode="${1:-check}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
formatter="${CLANG_FORMAT:-clang-format-14}"
if ! command -v "$formatter" >/dev/null; then
  echo "$formatter is missing: bash scripts/setup.sh installs it" >&2
  exit 2
fi
cd "$here"
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h' '*.h.in')
case "$mode" in
  fix) "$formatter" -i --style=file "${files[@]}" ;;
  check)
    # One run over every file; the warnings name each file that differs.
    bad="$("$formatter" --style=file --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)"
    if [ -n "$bad" ]; then
      printf 'not formatted: %s\n' $bad >&2
      echo "run: bash scripts/format.sh fix" >&2
      exit 1
    fi
    echo "format: ${#files[@]} files as .clang-format wants them"
    ;;
  *)
    echo "usage: $0 [check|fix]" >&2
    exit 2
    ;;
esac
