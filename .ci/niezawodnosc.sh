#!/bin/sh
# CI: robustness checks on top of the normal build and tests.
#   (a) the whole test suite built with AddressSanitizer, UndefinedBehaviorSanitizer
#       and LeakSanitizer (build-asan), every report failing its test;
#   (b) each fuzz target of fuzz/ run for FUZZ_SEKUNDY seconds (default 30)
#       in the clang fuzz tree (build-fuzz).
# Installs clang's sanitizer and fuzzer runtimes when missing. Exits non-zero
# when either part fails; both parts always run.
set -u
cd "$(dirname "$0")/.."

PAKIETY="cmake g++ make qt6-base-dev libqt6sql6-sqlite clang libclang-rt-14-dev"
brak=""
for p in $PAKIETY; do
    dpkg -s "$p" >/dev/null 2>&1 || brak="$brak $p"
done
if [ -n "$brak" ]; then
    echo "Instaluję:$brak"
    if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $brak || exit 1
fi

JOBS=${JOBS:-2}
wynik=0

echo "== sanitizers: build-asan"
start=$(date +%s)
if cmake -S . -B build-asan -DLOMI_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
    cmake --build build-asan -j"$JOBS" >build-asan/build.log 2>&1; then
    ctest --test-dir build-asan --output-on-failure -j"$JOBS" || wynik=1
else
    tail -40 build-asan/build.log
    wynik=1
fi
echo "sanitizer part: $(($(date +%s) - start)) s"

echo "== fuzzing: build-fuzz, ${FUZZ_SEKUNDY:-30} s per target"
start=$(date +%s)
JOBS=$JOBS ./fuzz/run.sh "${FUZZ_SEKUNDY:-30}" || wynik=1
echo "fuzz part: $(($(date +%s) - start)) s"

exit $wynik
