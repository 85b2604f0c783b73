#!/usr/bin/env bash
# A newcomer's first minute: the welcome panel's example "Fald" opens with its
# data read and its table computed, "Tegn graf" on "Graf Ark 1" draws the
# regression line, and "Eksporter graf..." writes a PNG picture that is not
# blank. Driven with the mouse, as a newcomer would.
#   test_eksempel_graf.sh BYGGEMAPPE PROGRAM KILDEMAPPE
E2E_NAVN=eksempel_graf
source "$(dirname "$0")/lib.sh"
e2e_start "$@"

billede=$E2E_TMP/ud/Fald-graf.png
mkdir -p "$(dirname "$billede")"

e2e_start_plotvik
e2e_vent_hovedvindue
e2e_klik 171 242                          # "Fald" under "Eksempler"
e2e_vent 10 e2e_titel_er '^Fald' || e2e_fejl "eksemplet Fald blev ikke åbnet"
# A note on what to try next may come as a box: it is read and closed.
if e2e_vent 1 e2e_find_dialog >/dev/null; then e2e_svar_dialog Return; fi

# The table computed: v = g*t with g = 9.82 for the first t of the data
# file, 0.10 s, is 0.982, shown with two decimals.
e2e_klik 37 30                            # "Tabelark 1"
ud=$(e2e_celle 100 173 1 2)
[ "$ud" = "0.98" ] || e2e_fejl "eksemplets tabel er ikke regnet ud: v i første række er '$ud', ikke 0.98"

# "Tegn graf" on "Graf Ark 1": the results name the regression line.
e2e_klik 188 30                           # "Graf Ark 1"
e2e_klik 619 313                          # "Tegn graf"
ud=$(e2e_kopier_celle 620 357)            # the first line of "Graf Resultater"
[ "$ud" = "Regressionslinie:" ] || e2e_fejl "grafen blev ikke tegnet: resultaterne begynder med '$ud'"

# "Fil" > "Eksporter graf...", the dialog's "OK", then the file name.
e2e_klik 15 8                             # "Fil"
e2e_tast e                                # "&Eksporter graf..."
e2e_svar_dialog Return                    # "OK" of "Eksporter graf"
e2e_vaelg_fil "$billede"
e2e_vent_fil_faerdig "$billede"
[ "$(file -b --mime-type "$billede")" = image/png ] || e2e_fejl "$billede er ikke et PNG-billede"
farver=$(e2e_antal_farver "$billede")
((farver > 2)) || e2e_fejl "billedet er tomt: $farver farve(r)"
# More than the frame: a real share of the picture is drawn on.
andel=$(convert "$billede" -fill black +opaque white -format '%[fx:int(1000*(1-mean))]' info:)
((andel >= 3)) || e2e_fejl "billedet er næsten tomt: $andel promille er tegnet"
echo "Eksemplet gav en regnet tabel, en graf og et billede med $farver farver ($andel promille tegnet)"
