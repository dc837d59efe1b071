#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in a
# folder of its own (build-asan) and runs the whole test suite there. The
# first error stops the test that made it; leaks count as errors.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build-asan}

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSUMDROP_SANITIZE=ON >/dev/null
# The picture generator runs during the build, so it runs sanitized too.
nice -n 15 cmake --build "$build" -j2
# The slow label proves the release program's exit as a process under X;
# it is left to the release build.
cd "$build" && nice -n 15 ctest --output-on-failure -j2 -LE slow
