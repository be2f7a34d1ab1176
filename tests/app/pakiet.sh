#!/bin/sh
# The Debian package as a user gets it: built from the build folder, clean
# under lintian, unpacked into a scratch root and run from there by an
# unprivileged user with a home of its own. The program makes an ordinary
# user's round itself (LOMI_PROBA_UZYTKOWNIKA, src/app/ProbaUzytkownika.h):
# the spread named on the command line, its save and export through the
# proposed dialogs, a new background through the settings window's OK, the
# close box. Nothing may be written under the unpacked root, no message box
# may appear, and a second user starts with the defaults.
#   pakiet.sh <build dir> [cmake]
set -u
build=$(cd "$1" && pwd)
cmake=${2:-cmake}
cpack="$(dirname "$cmake")/cpack"
[ -x "$cpack" ] || cpack=cpack
bledy=0
. "$(dirname "$0")/rozklad.sh"
zle() { echo "BŁĄD: $*"; bledy=$((bledy + 1)); }

if ! setpriv --reuid=nobody --regid=nogroup --clear-groups true 2>/dev/null; then
    echo "POMINIĘTY: nie można uruchomić programu jako użytkownik nobody (setpriv wymaga roota)"
    exit 77
fi

deb="$build/lomi_1.0-1_amd64.deb"
rm -f "$deb"
if ! (cd "$build" && "$cpack" -G DEB >"$build/pakiet.log" 2>&1); then
    cat "$build/pakiet.log"
    echo "BŁĄD: cpack nie zbudował pakietu"
    exit 1
fi
[ -f "$deb" ] || { echo "BŁĄD: brak $deb"; exit 1; }

zaleznosci=$(dpkg-deb -f "$deb" Depends)
for p in libqt6sql6-sqlite qt6-translations-l10n fonts-liberation2 libqt6widgets6 libc6; do
    echo "$zaleznosci" | grep -q "$p" || zle "brak zależności $p: $zaleznosci"
done
zawartosc=$(dpkg-deb -c "$deb")
for f in ./usr/bin/lomi ./usr/share/lomi/Data/karty.db ./usr/share/lomi/help/Lomihlp.html \
         ./usr/share/applications/lomi.desktop ./usr/share/mime/packages/lomi.xml \
         ./usr/share/man/pl/man1/lomi.1.gz ./usr/share/doc/lomi/copyright \
         ./usr/share/icons/hicolor/48x48/apps/lomi.png; do
    echo "$zawartosc" | grep -q " $f\$" || zle "pakiet nie zawiera $f"
done
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" >"$build/lintian.log" 2>&1 || { cat "$build/lintian.log"; zle "lintian zgłasza błędy"; }
fi

tmp=$(mktemp -d)
chmod 755 "$tmp"
root="$tmp/root"
mkdir "$root"
dpkg-deb -x "$deb" "$root"
chmod 755 "$root"
przed=$(find "$root" -printf '%p %s %T@ %m\n' | sort)

rozklad="$tmp/mój układ.rzk"
zrob_rozklad "$rozklad" 15 # "Jedna karta": one card to reveal
chmod 644 "$rozklad"

uruchom() { # <home> [spread file]; report in <home>/raport.txt
    dom=$1
    shift
    mkdir -p "$dom"
    chown nobody:nogroup "$dom"
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i HOME="$dom" PATH=/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        LOMI_PROBA_UZYTKOWNIKA="$dom/raport.txt" \
        timeout 120 "$root/usr/bin/lomi" "$@" >"$dom.wyjscie" 2>&1
}

u1="$tmp/dom pierwszy"
uruchom "$u1" "$rozklad"
kod=$?
[ $kod -eq 0 ] || zle "program skończył się kodem $kod: $(cat "$u1.wyjscie")"
raport=$(cat "$u1/raport.txt" 2>/dev/null)
echo "$raport"
dok="$u1/Documents/Lomi"
echo "$raport" | grep -qx "uklad 15" || zle "plik z wiersza poleceń nie trafił na stolik"
echo "$raport" | grep -qx "zapis $dok" || zle "okno zapisu nie zaproponowało $dok"
echo "$raport" | grep -qx "eksport $dok" || zle "okno eksportu nie zaproponowało $dok"
echo "$raport" | grep -qx "zamkniete" || zle "okno nie zamknęło się"
echo "$raport" | grep -q "^komunikat" && zle "pojawił się komunikat"
cmp -s "$dok/uklad.rzk" "$rozklad" || zle "zapisany rozkład różni się od wczytanego"
[ -s "$dok/uklad.txt" ] || zle "brak eksportu $dok/uklad.txt"
[ -s "$u1/.local/share/lomi/Data/karty.db" ] || zle "brak magazynu kart użytkownika"
[ -s "$u1/.local/share/lomi/tmptlo.bmp" ] || zle "brak tła stolika użytkownika"
tlo=$(echo "$raport" | sed -n 's/^tlo //p')
ini="$u1/.config/lomi/Lomi.ini"
if [ -f "$ini" ]; then
    tr -d '\r' <"$ini" | grep -A1 -x '\[Stolik\]' | grep -qx "01=$tlo" || zle "Lomi.ini nie ma wybranego tła $tlo: $(cat "$ini")"
else
    zle "brak $ini"
fi
po=$(find "$root" -printf '%p %s %T@ %m\n' | sort)
[ "$przed" = "$po" ] || zle "program zapisał coś pod rozpakowanym pakietem: $(echo "$po" | diff - "$(echo "$przed")" 2>/dev/null | head)"

# A second user: the defaults, not the first user's choice.
u2="$tmp/dom drugi"
uruchom "$u2"
grep -qx "ustawienia talia 3 uklad 1 stolik 1" "$u2/raport.txt" ||
    zle "drugi użytkownik nie zaczął od ustawień domyślnych: $(head -1 "$u2/raport.txt")"
[ "$tlo" != 1 ] || zle "tło się nie zmieniło"

if [ $bledy -ne 0 ]; then
    echo "$bledy błędów (pliki w $tmp)"
    exit 1
fi
rm -rf "$tmp"
echo "pakiet: wszystko w porządku"
