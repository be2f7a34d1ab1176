#!/bin/sh
# Screenshots for README.md: installs the build into a scratch prefix, starts
# the real program under Xvfb (display :97, 1024 x 768) and drives it with
# xdotool the way a user would. Writes into docs/:
#   okno-glowne.png    a new spread on the table
#   interpretacja.png  the same spread with its interpretation
#   opis-karty.png     the card description window
#   ustawienia.png     the settings window
#   wydruk.png         page 1 of the printout (printed to PDF, then pdftoppm)
#
#   tools/zrzuty/readme.sh [build dir]          (default: build)
# Needs: xvfb xdotool imagemagick poppler-utils
set -eu
cd "$(dirname "$0")/../.."
build=${1:-build}
ekran=:97
docs=docs

for p in Xvfb xdotool import pdftoppm; do
    command -v "$p" >/dev/null || { echo "brak programu $p (pakiety: xvfb xdotool imagemagick poppler-utils)" >&2; exit 1; }
done
[ -x "$build/Lomi/lomi" ] || { echo "najpierw zbuduj program: cmake --build $build" >&2; exit 1; }

if [ -e "/tmp/.X11-unix/X${ekran#:}" ] || [ -e "/tmp/.X${ekran#:}-lock" ]; then
    echo "ekran $ekran jest zajęty (inny Xvfb?)" >&2
    exit 1
fi

tmp=$(mktemp -d)
xvfb=""
lomi=""
sprzatnij() {
    [ -n "$lomi" ] && kill "$lomi" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$tmp"
}
trap sprzatnij EXIT INT TERM

# A fresh installed copy: the shipped settings and store, nothing left over
# from earlier runs, and nothing written into the build folder.
cmake --install "$build" --prefix "$tmp/pref" >/dev/null
folder="$tmp/pref/lib/lomi"

Xvfb "$ekran" -screen 0 1024x768x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY="$ekran"
for i in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# HOME in the scratch folder keeps the print dialog's choices out of the
# user's own.
(cd "$folder" && HOME="$tmp" QT_QPA_PLATFORM=xcb exec ./lomi) >"$tmp/lomi.log" 2>&1 &
lomi=$!

# Waits for a window whose title matches and prints its id.
okno() {
    for i in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "nie pojawiło się okno: $1" >&2
    cat "$tmp/lomi.log" >&2
    exit 1
}
# Palette PNGs keep the pictures small enough to keep in the repository.
zrzut() { # zrzut <window id|root> <file>
    import -window "$1" -colors 256 "PNG8:$docs/$2"
    echo "$docs/$2"
}

mkdir -p "$docs"
glowne=$(okno '^Lomi$')
sleep 1
xdotool windowfocus --sync "$glowne"

# The toolbar lies under the menu bar; buttons are 33 pixels wide at fixed
# places (Nowy rozkład 16, Interpretacja 60, Ustawienia 419) and the window
# fills the 1024 x 768 screen.
pasek=39
# New spread (Ctrl+N): the default spread "Podkowa" reveals 8 cards, half a
# second apart.
xdotool key ctrl+n
sleep 6
zrzut root okno-glowne.png

xdotool mousemove 76 $pasek click 1
sleep 1
zrzut root interpretacja.png

# Position 1 of "Podkowa" on a 1024-pixel screen.
xdotool mousemove 355 187 click 1
opis=$(okno '^Opis karty')
sleep 0.5
zrzut "$opis" opis-karty.png
xdotool key Escape
sleep 0.5

xdotool mousemove 435 $pasek click 1
ustawienia=$(okno '^Ustawienia')
sleep 0.5
zrzut "$ustawienia" ustawienia.png
xdotool key Escape
sleep 0.5

# Print (Ctrl+P): with no printer installed the print dialog offers only
# printing to a PDF file (by default print.pdf in HOME); Enter accepts it.
xdotool windowfocus --sync "$glowne"
xdotool key ctrl+p
okno "^(Drukowanie|Drukuj|Print)" >/dev/null
sleep 0.5
xdotool key Return
pdf=""
for i in $(seq 100); do
    pdf=$(find "$folder" "$tmp" -name '*.pdf' -size +1k 2>/dev/null | head -1)
    [ -n "$pdf" ] && break
    sleep 0.1
done
[ -n "$pdf" ] || { echo "wydruk nie powstał" >&2; cat "$tmp/lomi.log" >&2; exit 1; }
sleep 1
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$pdf" "$docs/wydruk"
echo "$docs/wydruk.png"
