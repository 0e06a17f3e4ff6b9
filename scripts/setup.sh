#!/usr/bin/env bash
# Installs what TALVO needs on Debian 12, builds it and then starts the program
# ("run"), runs every test ("test") or runs the benchmarks ("bench").
set -euo pipefail

mode="${1:-run}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TALVO_BUILD_DIR:-$here/build}"

packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n xdg-utils
  qt6-tools-dev qt6-documentation-tools libqt6sql6-sqlite
  libxlsxwriter-dev libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-openpyxl poppler-utils
  fonts-dejavu-core locales xdg-utils
)

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run the program's exports under the German locale as well.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Creating the locale de_DE.UTF-8"
  $sudo_cmd localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

case "$mode" in
  run)
    exec "$build/bin/talvo"
    ;;
  test)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
    ;;
  bench)
    for b in "$build"/bench/bench_*; do
      if [ -f "$b" ] && [ -x "$b" ]; then "$b"; fi
    done
    ;;
  *)
    echo "usage: $0 [run|test|bench]" >&2
    exit 2
    ;;
esac
