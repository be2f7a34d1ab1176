#!/bin/sh
# Installs the build into a scratch prefix and checks what a user gets: the
# executable in bin/, the shipped files in share/lomi/, menu entry, icons and
# file type, that the installed program starts (also through a link, with a
# spread file) and writes only into its user's folders.
#   instalacja.sh <build dir> [cmake]
set -u
build=$(cd "$1" && pwd)
cmake=${2:-cmake}
pref="$build/test instalacji"   # a blank in the prefix on purpose
folder="$pref/share/lomi"
bledy=0
. "$(dirname "$0")/rozklad.sh"
zle() { echo "BŁĄD: $*"; bledy=$((bledy + 1)); }
jest() { [ -e "$1" ] || zle "brak $1"; }

rm -rf "$pref"
if ! "$cmake" --install "$build" --prefix "$pref" >"$build/instalacja.log" 2>&1; then
    cat "$build/instalacja.log"
    echo "BŁĄD: cmake --install nie powiodło się"
    exit 1
fi

# The executable and what ships with it.
[ -x "$pref/bin/lomi" ] || zle "program $pref/bin/lomi nie jest wykonywalny"
[ ! -e "$pref/lib/lomi" ] || zle "nic nie powinno leżeć w lib/lomi"
jest "$pref/share/man/pl/man1/lomi.1.gz"
jest "$pref/share/doc/lomi/copyright"
for f in Data/karty.db tmptlo.bmp ankieta.rtf help/Lomihlp.html help/samouczek.html \
         help/literatura.html help/dodatki.html miniatury/1uklad.jpg miniatury/16uklad.jpg; do
    jest "$folder/$f"
done
[ -d "$folder/dodatki" ] && [ -n "$(ls -A "$folder/dodatki")" ] || zle "brak przykładowych dodatków"
for f in Save Lomi.ini tmp.bmp lomi; do
    [ ! -e "$folder/$f" ] || zle "$f nie powinien być zainstalowany"
done
cmp -s "$folder/Data/karty.db" "$build/Lomi/Data/karty.db" || zle "karty.db różni się od zbudowanego"

# Icons: a PNG of the right size in every theme folder.
for n in 16 32 48 64 128 256; do
    png="$pref/share/icons/hicolor/${n}x$n/apps/lomi.png"
    if [ -f "$png" ]; then
        set -- $(od -An -tu1 -j16 -N8 "$png")
        [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || zle "$png nie jest PNG"
        [ $(($3 * 256 + $4)) -eq "$n" ] && [ $(($7 * 256 + $8)) -eq "$n" ] ||
            zle "$png ma rozmiar $(($3 * 256 + $4))x$(($7 * 256 + $8)), a powinien ${n}x$n"
    else
        zle "brak $png"
    fi
done

# Menu entry: valid, and naming the installed launcher and program folder.
wpis="$pref/share/applications/lomi.desktop"
if [ -f "$wpis" ]; then
    if command -v desktop-file-validate >/dev/null; then
        # Hints and warnings count too: the entry should be clean.
        wynik=$(desktop-file-validate "$wpis" 2>&1)
        [ $? -eq 0 ] && [ -z "$wynik" ] || zle "desktop-file-validate: $wynik"
    else
        zle "brak desktop-file-validate (pakiet desktop-file-utils)"
    fi
    grep -qx "Exec=\"$pref/bin/lomi\" %f" "$wpis" || zle "zły wiersz Exec: $(grep ^Exec= "$wpis")"
    ! grep -q "^Path=" "$wpis" || zle "zbędny wiersz Path: $(grep ^Path= "$wpis")"
    grep -qx "MimeType=application/x-lomi-rozklad;" "$wpis" || zle "brak MimeType"
    grep -qx "Icon=lomi" "$wpis" || zle "brak Icon=lomi"
else
    zle "brak $wpis"
fi

# File type: the database built from it knows *.rzk, and the menu entry
# opens it.
jest "$pref/share/mime/packages/lomi.xml"
if command -v update-mime-database >/dev/null; then
    jest "$pref/share/mime/application/x-lomi-rozklad.xml"
    grep -q ':application/x-lomi-rozklad:\*\.rzk' "$pref/share/mime/globs2" 2>/dev/null ||
        zle "*.rzk nie trafił do bazy typów plików"
fi
if command -v update-desktop-database >/dev/null; then
    grep -q '^application/x-lomi-rozklad=lomi.desktop;' "$pref/share/applications/mimeinfo.cache" 2>/dev/null ||
        zle "wpis menu nie jest zarejestrowany dla application/x-lomi-rozklad"
fi

# A spread file with a blank in its name, in a folder other than the
# program's: cards 1..15, odd positions reversed, deck 1, the one-card spread.
dane="$build/test instalacji dane"
rm -rf "$dane"
mkdir -p "$dane"
rozklad="$dane/mój układ.rzk"
zrob_rozklad "$rozklad" 15 # "Jedna karta": one card to reveal
[ "$(wc -c <"$rozklad")" -eq 132 ] || zle "plik układu ma $(wc -c <"$rozklad") bajtów"

unset LOMI_POMIAR_STARTU
export QT_QPA_PLATFORM=offscreen
# The user's folders of this check, not the caller's.
dom="$dane/dom"
mkdir -p "$dom"
export HOME="$dom" XDG_CONFIG_HOME="$dom/konfiguracja" XDG_DATA_HOME="$dom/dane"
# Started by a link of its own, from elsewhere: it must still find what was
# installed with it, open its store and show its window (the start-up
# measurement ends the program at the first paint; a store that cannot be
# opened would stop at a message instead and run into the timeout).
ln -s "$pref/bin/lomi" "$dane/lomi-link"
sleep 1
touch "$dane/przed-uruchomieniem"
wyjscie=$(cd "$dane" && LOMI_POMIAR_STARTU=1 timeout 20 ./lomi-link 2>&1)
kod=$?
[ $kod -eq 0 ] && echo "$wyjscie" | grep -q '^POMIAR_STARTU ' ||
    zle "zainstalowany program nie wystartował (kod $kod): $wyjscie"
# With the spread file it keeps running until it is stopped (124).
(cd "$dane" && timeout 3 "$pref/bin/lomi" "$rozklad" >"$dane/wyjscie.txt" 2>&1)
kod=$?
[ $kod -eq 124 ] || zle "program z plikiem układu zakończył się kodem $kod: $(cat "$dane/wyjscie.txt")"
[ ! -e "$dom/konfiguracja/lomi/Lomi.ini" ] || zle "program zapisał Lomi.ini, choć nie zamknięto okna"
cmp -s "$dom/dane/lomi/Data/karty.db" "$build/Lomi/Data/karty.db" || zle "magazyn użytkownika nie jest kopią dostarczonego"
[ -z "$(find "$pref" -newer "$dane/przed-uruchomieniem")" ] || zle "program zapisał coś w $pref: $(find "$pref" -newer "$dane/przed-uruchomieniem")"

if [ $bledy -ne 0 ]; then
    echo "$bledy błędów"
    exit 1
fi
rm -rf "$pref" "$dane"
echo "instalacja: wszystko w porządku"
