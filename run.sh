#!/usr/bin/env bash
# listedit's one entry point:
#   ./run.sh setup   install what is missing (Debian, as root)
#   ./run.sh build   build the library, tests, demo and bench (Windows target) and the native units
#   ./run.sh test    setup, build, run every test (native, Wine 64- and 32-bit, the clang build, the
#                    consumer example against the package, the example applications' self-checks,
#                    a short fuzz run)
#   ./run.sh package setup, build, make out/listedit-<version>-win64.zip and -win32.zip
#   ./run.sh demo    setup, build, run the demo (on Xvfb: writes out/demo-<page>.png and doc/demo.png,
#                    and out/demo-192-<page>.png with the display at 200 %)
#   ./run.sh bench [filter]   setup, build, run the benchmark against the bare Win32 controls
#                    (medians in a table, out/bench.json, out/bench.md and the chart out/bench.png;
#                    a whole run also updates doc/bench.md and doc/bench.png; a filter picks cases)
#   ./run.sh fuzz [seconds]   run the fuzz targets (default 600 s each)
#   ./run.sh check [filter]   build, then the native and Wine tests only (a gtest filter narrows both)
#   ./run.sh soak [events] [seed]   the demo under seeded random real input (default 5000 events,
#                    seed 1), checked every 500 events; the figures in out/soak-<seed>.txt
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$PWD
BUILD=$ROOT/build
export WINEDEBUG=-all
export WINEPREFIX=$BUILD/wineprefix
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
# The version is written once, in CMakeLists.txt; the package is named after it.
VERSION=$(sed -n 's/^project(listedit VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

PACKAGES=(wine wine64 g++-mingw-w64-x86-64-posix xvfb cmake ninja-build googletest imagemagick clang libclang-rt-14-dev fonts-wqy-microhei gnuplot-nox ccache libsqlite3-dev
  g++-mingw-w64-i686-posix wine32:i386)

setup() {
  # Wine's 32-bit side is a package of Debian's i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Compiler cache: paths taken relative to the checkout, so clones and worktrees share hits.
export CCACHE_BASEDIR=$ROOT CCACHE_NOHASHDIR=1
LAUNCHER=()
# CI builds without it: a clean build there is the one that says the sources are right.
[ -z "${CI:-}" ] && command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

build() {
  cmake -S . -B "$BUILD/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "${LAUNCHER[@]}" >/dev/null
  cmake --build "$BUILD/win"
  cmake -S . -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${LAUNCHER[@]}" >/dev/null
  cmake --build "$BUILD/native"
}

# The second compiler: clang on MinGW-w64's headers and libraries. The library, its tests, the demo
# and the bench, then the examples against its install; warnings are errors as with GCC. Optimised
# (-O2, no debugging information): unoptimised code keeps libstdc++'s inline type_info comparison
# out of line, and clang's copy of it clashes with GCC's in libstdc++.a at the link.
build_clang() {
  cmake -S . -B "$BUILD/clang" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/clang-mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" "${LAUNCHER[@]}" >/dev/null
  # GNU ld notes each type_info that both libstdc++.a and clang's objects carry, padded to different
  # sizes; it keeps one, and the window tests run on the result. Those notes are left out.
  cmake --build "$BUILD/clang" 2>&1 | { grep -v 'duplicate section .* has different size' || true; } || return 1
  cmake --install "$BUILD/clang" --prefix "$BUILD/clang-install" >/dev/null || return 1
  local tc="$ROOT/cmake/clang-mingw-w64.cmake" ex
  cmake -S examples/consumer -B "$BUILD/clang-consumer" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" \
    -DLISTEDIT_FROM_PACKAGE=ON -Ulistedit_DIR -DCMAKE_PREFIX_PATH="$BUILD/clang-install" "${LAUNCHER[@]}" >/dev/null
  cmake --build "$BUILD/clang-consumer" >/dev/null || return 1
  for ex in dialog frame; do
    cmake -S "examples/$ex" -B "$BUILD/clang-example-$ex" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" \
      -Ulistedit_DIR -DCMAKE_PREFIX_PATH="$BUILD/clang-install" "${LAUNCHER[@]}" >/dev/null
    cmake --build "$BUILD/clang-example-$ex" >/dev/null || return 1
  done
  echo "clang: library, tests, demo, bench and examples built; its window tests next"
}

# 32-bit: the library with its window tests and the window-free units' tests, for Wine's 32-bit side.
# Optimised as the 64-bit build is (-O2: GCC 12's -O3 warns falsely about the standard library's
# copies at 32 bits).
build_i686() {
  cmake -S . -B "$BUILD/win32" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DLISTEDIT_MODEL_TESTS=ON \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    "${LAUNCHER[@]}" >/dev/null
  cmake --build "$BUILD/win32" --target listedit listedit_main listedit_wintests listedit_nativetests
}

# Starts Xvfb on a free display when there is none, and a Wine prefix with a virtual desktop.
STARTED_XVFB=""
start_display() {
  if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display itself and tells which, so runs side by side never share one.
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    STARTED_XVFB=$!
    local n
    read -r -t 20 n <"$fifo" || true
    rm -f "$fifo"
    [ -n "$n" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$n"
  fi
  if [ ! -f "$WINEPREFIX/.listedit-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1 || true # the desktop setting applies from the next start
    touch "$WINEPREFIX/.listedit-ready"
  fi
}

stop_display() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$STARTED_XVFB" ]; then kill "$STARTED_XVFB" 2>/dev/null || true; wait "$STARTED_XVFB" 2>/dev/null || true; fi
}

# The release package, made by CPack from what the install puts in place, and unpacked into the
# build tree as a user unpacks it.
package() {
  (cd "$BUILD/win" && cpack -B "$BUILD/cpack" >/dev/null)
  mkdir -p out
  cp "$BUILD/cpack/listedit-$VERSION-win64.zip" out/
  echo "wrote out/listedit-$VERSION-win64.zip"
  (cd "$BUILD/win32" && cpack -B "$BUILD/cpack" >/dev/null)
  cp "$BUILD/cpack/listedit-$VERSION-win32.zip" out/
  echo "wrote out/listedit-$VERSION-win32.zip"
  rm -rf "$BUILD/unpacked" && mkdir -p "$BUILD/unpacked"
  (cd "$BUILD/unpacked" && cmake -E tar xf "$ROOT/out/listedit-$VERSION-win64.zip")
}
PACKAGE_DIR=$BUILD/unpacked/listedit-$VERSION-win64

consumer_example() {
  # A separate project that uses the library, once through add_subdirectory and once through
  # find_package from the unpacked package; a request for a later major version is refused.
  local tc="$ROOT/cmake/mingw-w64.cmake"
  cmake -S examples/consumer -B "$BUILD/consumer" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" -DLISTEDIT_DIR="$ROOT" >/dev/null || return 1
  cmake --build "$BUILD/consumer" >/dev/null || return 1
  wine "$BUILD/consumer/consumer.exe" || return 1
  cmake -S examples/consumer -B "$BUILD/consumer-pkg" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" \
    -DLISTEDIT_FROM_PACKAGE=ON -Ulistedit_DIR -DCMAKE_PREFIX_PATH="$PACKAGE_DIR" >/dev/null || return 1
  cmake --build "$BUILD/consumer-pkg" >/dev/null || return 1
  wine "$BUILD/consumer-pkg/consumer.exe" || return 1
  rm -rf "$BUILD/consumer-major"
  local log
  if log=$(cmake -S examples/consumer -B "$BUILD/consumer-major" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" \
    -DLISTEDIT_FROM_PACKAGE=ON -DLISTEDIT_REQUESTED=1.0 -DCMAKE_PREFIX_PATH="$PACKAGE_DIR" 2>&1); then
    echo "consumer: find_package(listedit 1.0) was accepted by the $VERSION package" >&2
    return 1
  fi
  if ! tr -s ' \n' ' ' <<<"$log" | grep -q "compatible with requested version \"1.0\""; then
    echo "consumer: find_package(listedit 1.0) failed for another reason:" >&2
    echo "$log" >&2
    return 1
  fi
  echo "consumer: find_package(listedit 1.0) refused by the $VERSION package"
}

examples() {
  # The example applications, built from the unpacked package as a user builds them, drive
  # themselves through real input and check what they read back.
  local tc="$ROOT/cmake/mingw-w64.cmake" status=0
  for ex in dialog frame; do
    cmake -S "examples/$ex" -B "$BUILD/example-$ex" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" \
      -Ulistedit_DIR -DCMAKE_PREFIX_PATH="$PACKAGE_DIR" >/dev/null
    cmake --build "$BUILD/example-$ex" >/dev/null
  done
  # At 96 dots per inch, and again with the display at 200 % (a prefix of its own at 192).
  for run in wine "sh tests/win/at-dpi.sh 192"; do
    timeout 180 $run "$BUILD/example-dialog/dialogapp.exe" --self-check || status=1
    timeout 180 $run "$BUILD/example-frame/frameapp.exe" CPropertyListView --self-check || status=1
    timeout 180 $run "$BUILD/example-frame/frameapp.exe" CSortListViewEx --self-check || status=1
  done
  [ $status -eq 0 ] && echo "examples: self-checks passed"
  return $status
}

# The demo's pictures: one per page (out/demo-<prefix><page>.png) and the pages' further ones, with
# the demo run by the command after $1; at 96 dots per inch all pages together make doc/demo.png.
demo_shots() {
  local prefix=$1 shots="$BUILD/demo-shots$1" page shot pngs=()
  shift
  rm -rf "$shots" && mkdir -p "$shots"
  "$@" "$BUILD/win/bin/listedit_demo.exe" --screenshots "$(winepath -w "$shots")"
  while read -r page; do
    page=${page%$'\r'}
    convert "$shots/demo-$page.bmp" "out/demo-$prefix$page.png"
    pngs+=("out/demo-$prefix$page.png")
    echo "wrote out/demo-$prefix$page.png"
  done <"$shots/pages.txt"
  while read -r shot; do # further pictures of a page, not in the overview
    shot=${shot%$'\r'}
    convert "$shots/demo-$shot.bmp" "out/demo-$prefix$shot.png"
    echo "wrote out/demo-$prefix$shot.png"
  done <"$shots/extra.txt"
  if [ -z "$prefix" ]; then
    montage "${pngs[@]}" -resize 70% -tile 2x -geometry +6+6 -background white -depth 8 -define png:exclude-chunk=date,time doc/demo.png
    echo "wrote doc/demo.png"
  fi
}

# The demo under a soak of $1 events from seed $2; its report is printed and kept in out/.
soak() {
  mkdir -p out
  local report="$ROOT/out/soak-$2.txt" rc=0
  rm -f "$report"
  timeout 3600 wine "$BUILD/win/bin/listedit_demo.exe" --soak "$1" "$2" "$(winepath -w "$report")" >/dev/null || rc=$?
  [ -f "$report" ] && cat "$report" || echo "soak: no report (exit code $rc)"
  return $rc
}

fuzz() {
  local seconds=${1:-600}
  CXX=clang++ CC=clang cmake -S . -B "$BUILD/fuzz" -G Ninja -DLISTEDIT_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD/fuzz"
  mkdir -p "$BUILD/fuzz/corpus-mask"
  "$BUILD/fuzz/fuzz/mask_fuzz" -max_total_time="$seconds" -print_final_stats=1 "$BUILD/fuzz/corpus-mask" 2>&1 | tail -n 12
  mkdir -p "$BUILD/fuzz/corpus-condition"
  "$BUILD/fuzz/fuzz/condition_fuzz" -max_total_time="$(( (seconds + 1) / 2 ))" -print_final_stats=1 "$BUILD/fuzz/corpus-condition" 2>&1 | tail -n 12
  mkdir -p "$BUILD/fuzz/corpus-condition-parse"
  "$BUILD/fuzz/fuzz/condition_parse_fuzz" -max_total_time="$(( (seconds + 1) / 2 ))" -print_final_stats=1 "$BUILD/fuzz/corpus-condition-parse" 2>&1 | tail -n 12
  mkdir -p "$BUILD/fuzz/corpus-condition-filter"
  "$BUILD/fuzz/fuzz/condition_filter_fuzz" -max_total_time="$(( (seconds + 1) / 2 ))" -print_final_stats=1 "$BUILD/fuzz/corpus-condition-filter" 2>&1 | tail -n 12
}

case "${1:-}" in
  setup) setup ;;
  build) setup; build ;;
  test)
    setup; build; build_i686; package
    trap stop_display EXIT
    start_display
    status=0
    (cd "$BUILD/native" && ctest --output-on-failure) || status=1
    (cd "$BUILD/win" && ctest --output-on-failure) || status=1
    # The second compiler and the 32-bit build at 96 dots per inch only: the scaled run, which no
    # compiler or width changes, stays with the first build.
    echo "32-bit: the window tests and the window-free units' tests under Wine's 32-bit side"
    (cd "$BUILD/win32" && ctest --output-on-failure -E wintests-192) || status=1
    build_clang && (cd "$BUILD/clang" && ctest --output-on-failure -E wintests-192) || status=1
    consumer_example || status=1
    examples || status=1
    soak 300 1 || status=1
    fuzz "${FUZZ_SECONDS:-20}" || status=1
    [ $status -eq 0 ] && echo "all tests passed" || echo "TESTS FAILED"
    exit $status ;;
  demo)
    setup; build
    trap stop_display EXIT
    start_display
    if [ -n "$STARTED_XVFB" ]; then
      mkdir -p out doc
      demo_shots "" wine
      # The same pages with the display at 200 % (a prefix of its own at 192 dots per inch).
      demo_shots 192- sh tests/win/at-dpi.sh 192
    else
      wine "$BUILD/win/bin/listedit_demo.exe"
    fi ;;
  bench)
    setup; build
    trap stop_display EXIT
    start_display
    mkdir -p out
    wine "$BUILD/win/bin/listedit_bench.exe" --json "$(winepath -w "$ROOT/out/bench.json")" \
      --markdown "$(winepath -w "$ROOT/out/bench.md")" --data "$(winepath -w "$ROOT/out/bench.dat")" ${2:+"$2"}
    gnuplot -e "data='out/bench.dat'; out='out/bench.png'" bench/chart.gp
    echo "wrote out/bench.json, out/bench.md, out/bench.png"
    if [ -z "${2:-}" ]; then # a whole run is the one the README shows
      cp out/bench.md out/bench.png doc/
      echo "wrote doc/bench.md, doc/bench.png"
    fi ;;
  package) setup; build; build_i686; package ;;
  check)
    setup; build
    trap stop_display EXIT
    start_display
    filter=${2:-*}
    status=0
    "$BUILD/native/tests/native/listedit_nativetests" --gtest_brief=1 --gtest_filter="$filter" || status=1
    wine "$BUILD/win/bin/listedit_wintests.exe" --gtest_brief=1 --gtest_filter="$filter" || status=1
    exit $status ;;
  fuzz) setup; fuzz "${2:-600}" ;;
  soak)
    setup; build
    trap stop_display EXIT
    start_display
    soak "${2:-5000}" "${3:-1}" ;;
  *) sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
esac
