#!/bin/sh
# Deals every spread with the real card store on two screens (1280x1024 and
# 800x600) under Xvfb and takes a screenshot of each; then one of spread 10
# with its interpretation composed.
#
#   tools/zrzuty/zrzuty.sh [build dir] [output dir] [display number]
#
# Needs: Xvfb, xdotool, ImageMagick's import. The program folder <build>/Lomi
# (target lomi) is copied, so its Lomi.ini is left alone. At the end sprawdz.cpp
# (built here against <build>/src/liblomi_spread.a) checks that every card lies
# where the layout puts it.
set -eu
BUILD=$(cd "${1:-$(dirname "$0")/../../build}" && pwd)
OUT=${2:-$BUILD/zrzuty}
DISP=${3:-98}

mkdir -p "$OUT"
PRACA=$(mktemp -d)
cp -r "$BUILD/Lomi" "$PRACA/"
LOMI=$PRACA/Lomi

Xvfb ":$DISP" -screen 0 1280x1024x24 -screen 1 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB=$!
LPID=
sprzatnij() {
    [ -n "$LPID" ] && kill "$LPID" 2>/dev/null
    kill "$XVFB" 2>/dev/null
    rm -rf "$PRACA"
}
trap sprzatnij EXIT
sleep 1

# Starts the program with default spread $1 on screen $2 ($3 x $4 pixels),
# fills the screen with its window (there is no window manager) and deals.
rozdaj() {
    printf '[NastUklad]\r\n01=%d\r\n' "$1" >"$LOMI/Lomi.ini"
    DISPLAY=":$DISP.$2" QT_QPA_PLATFORM=xcb "$LOMI/lomi" >/dev/null 2>&1 &
    LPID=$!
    sleep 2 # the splash goes first
    OKNO=$(DISPLAY=":$DISP.$2" xdotool search --sync --onlyvisible --name '^Lomi$' | tail -n 1)
    DISPLAY=":$DISP.$2" xdotool windowmove "$OKNO" 0 0 windowsize "$OKNO" "$3" "$4"
    sleep 1
    # "Nowy rozkład": the first toolbar button, under the menu bar
    DISPLAY=":$DISP.$2" xdotool mousemove --window "$OKNO" 32 45 click 1
    # half a second per card, then the names and hints
    sleep "$(awk "BEGIN { print ($5 * 0.5) + 1.5 }")"
}

zakoncz() {
    kill "$LPID" 2>/dev/null || true
    wait "$LPID" 2>/dev/null || true
    LPID=
}

KARTY=${KARTY:-"8 4 8 6 9 5 7 6 6 11 7 7 9 9 1 3"}
for ekran in "0 1280 1024" "1 800 600"; do
    set -- $ekran
    nr=$1 w=$2 h=$3
    n=1
    for k in $KARTY; do
        rozdaj "$n" "$nr" "$w" "$h" "$k"
        import -display ":$DISP.$nr" -window root "$OUT/uklad$(printf %02d "$n")-${w}x${h}.png"
        zakoncz
        n=$((n + 1))
    done
done

# Spread 10 with its interpretation ("Interpretacja rozkładu", second button).
for ekran in "0 1280 1024" "1 800 600"; do
    set -- $ekran
    rozdaj 10 "$1" "$2" "$3" 11
    DISPLAY=":$DISP.$1" xdotool mousemove --window "$OKNO" 76 45 click 1
    sleep 1.5
    import -display ":$DISP.$1" -window root "$OUT/interpretacja10-$2x$3.png"
    zakoncz
done
echo "$OUT"

cmake --build "$BUILD" --target lomisprawdz >/dev/null
QT_QPA_PLATFORM=offscreen "$BUILD/tools/lomisprawdz" "$OUT"
