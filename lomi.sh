#!/bin/sh
# Set-up, build and run of Lomi on Debian 12.
#   ./lomi.sh start   install what is missing, build, start the program
#   ./lomi.sh test    install what is missing, build, run every test
set -eu
cd "$(dirname "$0")"

PAKIETY="cmake g++ make qt6-base-dev libqt6sql6-sqlite qt6-translations-l10n fonts-liberation2"
# The tests also read PDFs, check the desktop files and build and check the
# Debian package.
PAKIETY_TESTOW="poppler-utils desktop-file-utils dpkg-dev file lintian"

zainstaluj() {
    brak=""
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || brak="$brak $p"
    done
    [ -z "$brak" ] && return 0
    echo "Instaluję:$brak"
    if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $brak
}

skonfiguruj() {
    [ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

case "${1:-}" in
start)
    zainstaluj $PAKIETY
    skonfiguruj
    # Only the program and its card store, not the tests and the benchmark.
    cmake --build build -j"$(nproc)" --target lomi
    exec build/Lomi/lomi
    ;;
test)
    zainstaluj $PAKIETY $PAKIETY_TESTOW
    skonfiguruj
    cmake --build build -j"$(nproc)"
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "użycie: $0 start|test" >&2
    exit 2
    ;;
esac
