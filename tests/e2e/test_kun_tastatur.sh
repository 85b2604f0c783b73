#!/usr/bin/env bash
# A journey without the mouse: open the example Fald with "Fil" > "Hent
# Projekt Fil", answer the constants box, "OK" beside "Målinger", "Diskfil",
# "Indlæs" and "Beregn" by their access keys, Ctrl+Tab to "Graf Ark 1",
# Return in a limit field draws the graph, and "Fil" > "Eksporter graf..."
# writes it as a PNG picture with the graph on it. Only key presses.
#   test_kun_tastatur.sh BYGGEMAPPE PROGRAM KILDEMAPPE
E2E_NAVN=kun_tastatur
E2E_KUN_TASTATUR=1
source "$(dirname "$0")/lib.sh"
e2e_start "$@"

projekt=$E2E_TMP/forsoeg
mkdir -p "$projekt"
cp "$E2E_KILDE/examples/Fald.prj" "$E2E_KILDE/examples/FaldTabel_1.dat" "$projekt/"
billede=$projekt/graf.png

e2e_start_plotvik
e2e_vent_hovedvindue
e2e_tast alt+f h                          # "&Fil" > "&Hent Projekt Fil"
e2e_vaelg_fil "$projekt/Fald.prj"
e2e_vent 10 e2e_titel_er '^Fald' || e2e_fejl "Alt+F, H hentede ikke projektet"
e2e_svar_dialog Return                    # "Indlæs eller Rediger først tabellen med konstanter"
e2e_tast alt+o alt+d alt+i                # "&OK" beside "Målinger", "&Diskfil", "&Indlæs"
e2e_find_dialog >/dev/null || e2e_vent 5 e2e_find_dialog >/dev/null ||
  e2e_fejl "Alt+O, Alt+D, Alt+I åbnede ikke fildialogen til datafilen"
e2e_vaelg_fil "$projekt/FaldTabel_1.dat"
e2e_tast alt+b                            # "&Beregn"
e2e_tast ctrl+Tab ctrl+Tab                # "Graf Ark 1"
e2e_tast Tab Tab Return                   # from "x-akse" to "x-min", and Return draws
e2e_tast alt+f e                          # "&Fil" > "&Eksporter graf..."
e2e_svar_dialog Return                    # "OK" of "Eksporter graf"
e2e_vaelg_fil "$billede"
e2e_vent_fil_faerdig "$billede"
[ "$(file -b --mime-type "$billede")" = image/png ] || e2e_fejl "$billede er ikke et PNG-billede"
# A sheet without its graph drawn exports as a white page with a heading:
# under one per mille of the picture. The drawn Fald graph covers over ten.
andel=$(convert "$billede" -fill black +opaque white -format '%[fx:int(1000*(1-mean))]' info:)
((andel >= 3)) || e2e_fejl "grafen blev ikke tegnet: kun $andel promille af billedet er tegnet"
echo "Uden mus: projekt, data, beregning, graf og billede ($andel promille tegnet)"
