#!/usr/bin/env bash
# Orvo's developer commands. Each installs the Debian packages it needs when they are missing.
#
#   scripts/dev.sh run    build, then start the desktop window (orvo-cli where there is no display)
#   scripts/dev.sh test   build, then run every test, then run the core tests again under
#                         AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/dev.sh bench  build and run the benchmarks
#   scripts/dev.sh fuzz [seconds]  fuzz the console with libFuzzer (default 1800 s; `test` runs
#                         it for 60 s); findings are written to build-fuzz/findings/
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(build-essential cmake pkg-config qt6-base-dev libgtest-dev libgmock-dev googletest
          libedit-dev locales libbenchmark-dev libmuparser-dev libboost-math-dev clang
          libclang-rt-dev)
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

fuzz() {  # fuzz <seconds>: clang with libFuzzer, ASan and UBSan, seeded from the transcripts
  build build-fuzz -DORVO_FUZZ=ON -DORVO_BUILD_GUI=OFF -DORVO_BUILD_TESTS=OFF \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1"
  python3 fuzz/make_seeds.py tests/transcripts build-fuzz/seeds >/dev/null
  mkdir -p build-fuzz/corpus build-fuzz/findings
  build-fuzz/fuzz/orvo_console_fuzz -max_total_time="$1" -timeout=30 -print_final_stats=1 \
    -dict=fuzz/console.dict -artifact_prefix=build-fuzz/findings/ build-fuzz/corpus build-fuzz/seeds
}

case "${1:-}" in
  run)
    install_missing
    build build
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      exec build/app/orvo
    fi
    echo "No display here: starting the terminal calculator, orvo-cli (Ctrl+D quits)."
    exec build/cli/orvo-cli
    ;;
  test)
    install_missing
    build build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build -j "$JOBS" --output-on-failure
    # -O1 with line tables: what the sanitizers need, in half the compile time of -O2 -g.
    build build-sanitize -DORVO_SANITIZE=ON -DORVO_BUILD_GUI=OFF -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-sanitize -j "$JOBS" --output-on-failure -L core
    fuzz 60
    ;;
  bench)
    install_missing
    build build-bench -DCMAKE_BUILD_TYPE=Release -DORVO_BUILD_BENCH=ON
    for b in build-bench/bench/orvo_*_bench; do "$b"; done
    ;;
  fuzz)
    install_missing
    fuzz "${2:-1800}"
    ;;
  *)
    echo "usage: scripts/dev.sh run|test|bench|fuzz [seconds]" >&2
    exit 2
    ;;
esac
