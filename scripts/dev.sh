#!/usr/bin/env bash
# Orvo's developer commands. Each installs the Debian packages it needs when they are missing.
#
#   scripts/dev.sh run      build the programs (no tests), then start the desktop window
#                           (orvo-cli where there is no display)
#   scripts/dev.sh test     build, then run every test, check the Debian packages (with lintian)
#                           and the desktop metadata, then run the core tests again under
#                           AddressSanitizer and UndefinedBehaviorSanitizer (in the fuzzing
#                           build) and fuzz the console for a minute
#   scripts/dev.sh package  build orvo-cli_<version>_<arch>.deb and orvo_<version>_<arch>.deb in
#                           the repository's folder
#   scripts/dev.sh bench    build and run the benchmarks
#   scripts/dev.sh fuzz [seconds]  fuzz the console with libFuzzer (default 1800 s; `test` runs
#                           it for 60 s); findings are written to build-fuzz/findings/
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(build-essential cmake pkg-config qt6-base-dev libgtest-dev libgmock-dev googletest
          libedit-dev locales libbenchmark-dev libmuparser-dev libboost-math-dev clang
          libclang-rt-dev file appstream desktop-file-utils lintian)
# lintian: the test command checks both Debian packages against Debian's policy with it.
JOBS=$(nproc 2>/dev/null || echo 2)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {  # build <dir> [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS"
}

# The fuzzing build: clang with libFuzzer's coverage, ASan and UBSan in every library; with
# tests [ON|OFF], the core tests are built in it too, so one build serves both.
build_fuzz() {
  build build-fuzz -DORVO_FUZZ=ON -DORVO_BUILD_GUI=OFF -DORVO_BUILD_TESTS="$1" \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1"
}

fuzz() {  # fuzz <seconds> [libFuzzer flags...]: seeded from the transcripts, in the fuzzing build
  local seconds=$1
  shift
  fuzz/make_seeds.sh tests/transcripts build-fuzz/seeds
  mkdir -p build-fuzz/corpus build-fuzz/findings
  # The target presses Esc for the user after two seconds and stops at a line that goes on
  # regardless; the timeout is left for an input of many lines that are each slow to expand.
  build-fuzz/fuzz/orvo_console_fuzz -max_total_time="$seconds" -timeout=60 -print_final_stats=1 \
    -dict=fuzz/console.dict -artifact_prefix=build-fuzz/findings/ "$@" build-fuzz/corpus build-fuzz/seeds
}

# Whether a window can open: the display's socket is there (a display elsewhere, over ssh, is
# left to Qt to try).
display_works() {
  if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    local socket=$WAYLAND_DISPLAY
    [[ $socket == /* ]] || socket=${XDG_RUNTIME_DIR:-/nonexistent}/$socket
    [ -S "$socket" ] && return 0
  fi
  case "${DISPLAY:-}" in
    "") return 1 ;;
    :*)
      local number=${DISPLAY#:}
      [ -S "/tmp/.X11-unix/X${number%%.*}" ]
      ;;
    *) return 0 ;;
  esac
}

# check_package <build dir>: makes the two .debs there and checks each one's files and
# dependencies against packaging/<package>/, lintian's verdict on both, and the desktop metadata.
check_package() {
  rm -f "$1"/orvo*_*.deb
  (cd "$1" && cpack >/dev/null)
  local package deb version
  for package in orvo-cli orvo; do
    deb=$(ls "$1"/"$package"_*.deb)
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort |
      diff -u "packaging/$package/files.txt" -
    # Every dependency and no other; a lower bound on a library's version is dpkg-shlibdeps's
    # business, an exact version (the window's orvo-cli) is ours.
    version=$(dpkg-deb -f "$deb" Version)
    dpkg-deb -f "$deb" Depends | sed -E 's/, /\n/g; s/ \(>[=>][^)]*\)//g' | LC_ALL=C sort |
      diff -u <(sed "s/@VERSION@/$version/" "packaging/$package/depends.txt" | LC_ALL=C sort) -
  done
  lintian --fail-on error,warning "$1"/orvo-cli_*.deb "$1"/orvo_*.deb
  appstreamcli validate --no-net app/org.orvo.Orvo.metainfo.xml >/dev/null
  desktop-file-validate app/org.orvo.Orvo.desktop
  echo "Checked $(ls "$1"/orvo*_*.deb | tr '\n' ' ')"
}

case "${1:-}" in
  run)
    install_missing
    build build -DORVO_BUILD_TESTS=OFF
    if display_works; then
      exec build/app/orvo
    fi
    echo "No display here: starting the terminal calculator, orvo-cli (Ctrl+D quits)."
    exec build/cli/orvo-cli
    ;;
  test)
    install_missing
    build build -DORVO_BUILD_TESTS=ON -DORVO_WERROR=ON
    QT_QPA_PLATFORM=offscreen ctest --test-dir build -j "$JOBS" --output-on-failure
    check_package build
    # The core tests under the sanitizers, in the fuzzing build: one more build of the core, not
    # two. -O1 with line tables is what the sanitizers need, in half the compile time of -O2 -g.
    build_fuzz ON
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-fuzz -j "$JOBS" --output-on-failure -L core
    # A fixed seed: the smoke run tries the same inputs on every machine, so a finding reproduces.
    fuzz 60 -seed=1
    ;;
  package)
    install_missing
    build build-package -DCMAKE_BUILD_TYPE=Release -DORVO_BUILD_TESTS=OFF
    check_package build-package
    cp build-package/orvo*_*.deb .
    ;;
  bench)
    install_missing
    build build-bench -DCMAKE_BUILD_TYPE=Release -DORVO_BUILD_BENCH=ON
    for b in build-bench/bench/orvo_*_bench; do "$b"; done
    ;;
  fuzz)
    install_missing
    build_fuzz OFF
    fuzz "${2:-1800}"
    ;;
  *)
    echo "usage: scripts/dev.sh run|test|package|bench|fuzz [seconds]" >&2
    exit 2
    ;;
esac
