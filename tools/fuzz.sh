#!/bin/sh
# Fuzzes the settings file reader, the report file reader, the reading of
# answer texts and the practice history's store with libFuzzer, in a clang
# build of its own (build-fuzz).
#   tools/fuzz.sh [seconds]   runs each fuzzer that long (default 30) from the seeds
#   tools/fuzz.sh seeds       writes the seed corpora again with the program's writers
# A crash, a hang of 5 s or a memory blow-up stops with the input in build-fuzz/findings.
set -eu
cd "$(dirname "$0")/.."
build=build-fuzz
mode=${1:-30}

[ -f "$build/build.ninja" ] || CXX=clang++ cmake -S . -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DSUMDROP_FUZZ=ON >/dev/null
nice -n 15 cmake --build "$build" -j2 --target fuzzers

# A small quarantine keeps the fuzzers' own memory low enough for the RSS
# limit below to mean something.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:quarantine_size_mb=32
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

if [ "$mode" = seeds ]; then
    rm -rf fuzz/corpus
    "$build/fuzz/seedgen" fuzz/corpus
    exit 0
fi

findings="$build/findings"
mkdir -p "$findings"
for target in settings report number history; do
    # The committed seeds stay as they are; what the fuzzer learns is kept
    # in the build folder for the next run.
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    echo "fuzz_$target: $mode s"
    # A report of 100 rows is about 4 kB: 64 kB inputs leave room for long
    # texts. A history is made of 4 kB pages, ten in the seeds: 128 kB leave
    # room for as many more. No input may need a block of more than 16 MB.
    case $target in
        history) max_len=131072 ;;
        *) max_len=65536 ;;
    esac
    nice -n 15 "$build/fuzz/fuzz_$target" "$corpus" "fuzz/corpus/$target" \
        -max_total_time="$mode" -timeout=5 -max_len="$max_len" -rss_limit_mb=512 -malloc_limit_mb=16 \
        -artifact_prefix="$findings/$target-" -print_final_stats=1 2>"$build/fuzz_$target.log" ||
        { tail -n 60 "$build/fuzz_$target.log"; exit 1; }
    grep -E '^stat::(number_of_executed_units|peak_rss_mb|new_units_added)' "$build/fuzz_$target.log"
done
