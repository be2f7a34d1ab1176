#!/bin/bash
# Builds the fuzz tree (clang, ASan+UBSan, libFuzzer) when needed and runs each
# fuzz target for the given number of seconds, starting from its committed
# seeds in fuzz/corpus/<target>/ (fuzz_import, the whole import into a card
# store, also from the two descriptor targets' seeds). Prints executions,
# executions per second and crashes per target, and exits non-zero when any
# target crashed.
#
#   fuzz/run.sh <seconds> [target ...]
#
# The committed seeds (some hostile ones megabytes long) are first run once
# each, whole; the fuzzing proper then mutates inputs of at most FUZZ_DLUGOSC
# bytes (default 8192), which every reader's interesting cases fit, so that a
# target's speed is not spent copying megabyte mutants.
#
# Inputs found along the way go to <build>/fuzz-korpus/<target>/ (the committed
# seeds stay as they are), crashing inputs to <build>/fuzz-awarie/<target>/.
# BUILD_DIR overrides the build folder (default <repo>/build-fuzz), JOBS the
# build parallelism (default 2).
set -u

sekundy=${1:-}
if [[ ! $sekundy =~ ^[0-9]+$ ]]; then
    echo "usage: $0 <seconds> [target ...]" >&2
    exit 2
fi
shift

zrodla=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$zrodla/build-fuzz}
cele=("$@")
if [ ${#cele[@]} -eq 0 ]; then
    cele=(fuzz_plikukladu fuzz_ustawienia fuzz_obraz fuzz_opis_talii fuzz_opis_tla fuzz_import)
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$zrodla" -B "$build" -DLOMI_FUZZ=ON -DLOMI_SANITIZE=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
fi
cmake --build "$build" -j"${JOBS:-2}" --target "${cele[@]}" >"$build/fuzz-build.log" 2>&1 || {
    tail -40 "$build/fuzz-build.log"
    exit 1
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$zrodla/fuzz/lsan.supp:print_suppressions=0}
# Qt notes every picture it refuses as too large; not worth a line each.
export QT_LOGGING_RULES=${QT_LOGGING_RULES:-qt.gui.imageio=false}

zle=0
printf '%-18s %12s %10s %8s\n' target executions exec/s crashes
for cel in "${cele[@]}"; do
    korpus=$build/fuzz-korpus/$cel
    awarie=$build/fuzz-awarie/$cel
    mkdir -p "$korpus" "$awarie"
    dziennik=$build/fuzz-$cel.log
    przed=$(ls "$awarie" | wc -l)
    nasiona=()
    for z in "$cel" $( [ "$cel" = fuzz_import ] && echo fuzz_opis_talii fuzz_opis_tla); do
        [ -d "$zrodla/fuzz/corpus/$z" ] && nasiona+=("$zrodla/fuzz/corpus/$z")
    done
    mapfile -d '' pliki < <(find "${nasiona[@]}" -type f -print0 | sort -z)
    "$build/fuzz/$cel" "${pliki[@]}" >"$dziennik" 2>&1
    kod=$?
    if [ $kod -eq 0 ]; then
        "$build/fuzz/$cel" -max_total_time="$sekundy" -max_len="${FUZZ_DLUGOSC:-8192}" -print_final_stats=1 \
            -artifact_prefix="$awarie/" "$korpus" "${nasiona[@]}" >"$dziennik" 2>&1
        kod=$?
    fi
    wykonania=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$dziennik" | grep -o '[0-9]*$' | tail -1)
    if [ -z "$wykonania" ]; then # cut short by a crash: the last status line
        wykonania=$(grep -o '^#[0-9]*' "$dziennik" | tr -d '#' | tail -1)
    fi
    na_sekunde=$(grep -o 'stat::average_exec_per_sec: [0-9]*' "$dziennik" | grep -o '[0-9]*$' | tail -1)
    if [ -z "$na_sekunde" ]; then # cut short: the last status line's own figure
        na_sekunde=$(grep -o 'exec/s: [0-9]*' "$dziennik" | grep -o '[0-9]*$' | tail -1)
    fi
    awarii=$(($(ls "$awarie" | wc -l) - przed))
    if [ $kod -ne 0 ] && [ $awarii -eq 0 ]; then
        awarii=1 # died without leaving an input (e.g. in its set-up)
    fi
    printf '%-18s %12s %10s %8s\n' "$cel" "${wykonania:-0}" "${na_sekunde:-0}" "$awarii"
    if [ $awarii -ne 0 ]; then
        zle=1
        grep -m1 -A30 -E 'ERROR|runtime error|deadly signal' "$dziennik" | sed 's/^/    /'
        echo "    log: $dziennik, inputs: $awarie/"
    fi
done
exit $zle
