#!/usr/bin/env bash
# Installs what TALVO needs on Debian 12, builds it and then starts the program
# ("run"), runs every test ("test") or runs the benchmarks ("bench"). Two checked builds
# have folders of their own: "asan" runs every test built with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), "fuzz" builds the fuzz targets with clang and
# runs each for TALVO_FUZZ_SECONDS seconds (build-fuzz/, default 10).
set -euo pipefail

mode="${1:-run}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
case "$mode" in
  run | test | bench) folder=build ;;
  asan | fuzz) folder="build-$mode" ;;
  *)
    echo "usage: $0 [run|test|bench|asan|fuzz]" >&2
    exit 2
    ;;
esac
build="${TALVO_BUILD_DIR:-$here/$folder}"

packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n xdg-utils
  qt6-tools-dev qt6-documentation-tools libqt6sql6-sqlite
  libxlsxwriter-dev libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-openpyxl poppler-utils groff-base man-db
  fonts-dejavu-core locales xdg-utils
  dpkg-dev file desktop-file-utils
  clang-format-14
)
if [ "$mode" = fuzz ]; then packages+=(clang-14 libfuzzer-14-dev libclang-rt-14-dev); fi

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

config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
command -v ccache >/dev/null && config+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
case "$mode" in
  asan) config+=(-DTALVO_SANITIZE=ON) ;;
  fuzz) config+=(-DCMAKE_CXX_COMPILER=clang++-14 -DTALVO_FUZZ=ON "-DTALVO_FUZZ_SECONDS=${TALVO_FUZZ_SECONDS:-10}") ;;
esac
if [ "$mode" = asan ] || [ "$mode" = fuzz ]; then
  # Any finding fails the run; the build already runs programs (the help pictures).
  export ASAN_OPTIONS="detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
fi
cmake -S "$here" -B "$build" -G Ninja "${config[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

case "$mode" in
  run)
    exec "$build/bin/talvo"
    ;;
  test | asan)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
    ;;
  fuzz)
    cd "$build"
    ctest --output-on-failure -j "$(nproc)"
    ;;
  bench)
    for b in "$build"/bench/bench_*; do
      if [ -f "$b" ] && [ -x "$b" ]; then "$b"; fi
    done
    ;;
esac
