# Sourced by the install and package checks.
# zrob_rozklad <file> [spread]: a 132-byte spread file, cards 1..15 with the
# odd positions reversed, deck 1, spread 5 unless named.
zrob_rozklad() {
    : >"$1"
    for p in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15; do
        printf "\\$(printf %03o "$p")\\000\\000\\000\\$(printf %03o $((p % 2)))\\000\\000\\000" >>"$1"
    done
    printf "\001\000\000\000\\$(printf %03o "${2:-5}")\000\000\000\000\000\000\000" >>"$1"
}
