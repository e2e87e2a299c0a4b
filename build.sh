#!/usr/bin/env bash
# One entry point for people and CI.
#   ./build.sh          install what is missing, build everything, write build/out/tmb.gba from the samples
#   ./build.sh test     the same build, then every test
#   ./build.sh bench    the same build, then the benchmarks (they print figures; nothing fails on speed)
# TMB_ROM=/path/to/48.rom selects another 16,384-byte Spectrum ROM for the emulator image.
set -euo pipefail
cd "$(dirname "$0")"
job=${1:-build}

tools/setup.sh

args=(-S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release)
[ -n "${TMB_ROM:-}" ] && args+=("-DTMB_SPECTRUM_ROM=$TMB_ROM")
cmake "${args[@]}" >/dev/null
cmake --build build

case "$job" in
  build)
    mkdir -p build/out
    # The shipped settings are the starting point; later runs keep what the builder saved.
    [ -f build/out/TMB.INI ] || cp builder/data/TMB.INI build/out/TMB.INI
    (cd build/out && ../bin/tmb create --yes ../samples/*.sna ../samples/*.z80)
    echo "Wrote $(pwd)/build/out/tmb.gba"
    ;;
  test)
    ctest --test-dir build --output-on-failure -j 2
    ;;
  bench)
    cmake --build build --target bench
    ;;
  *)
    echo "usage: ./build.sh [build|test|bench]" >&2
    exit 2
    ;;
esac
