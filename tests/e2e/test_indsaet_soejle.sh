#!/usr/bin/env bash
# One column copied from a Danish spreadsheet, with its header, pasted into
# the first cell of t in Fald.prj: t gets 0,1, 0,2 and 0,3 and "Målinger" 3,
# read back from what the grid shows (the whole table, copied as a user would).
#   test_indsaet_soejle.sh BYGGEMAPPE PROGRAM KILDEMAPPE
E2E_NAVN=indsaet_soejle
source "$(dirname "$0")/lib.sh"
e2e_start "$@"

T_X=39 RAEKKE1_Y=173

projekt=$E2E_TMP/forsoeg
mkdir -p "$projekt"
cp "$E2E_KILDE/examples/Fald.prj" "$projekt/"
e2e_start_plotvik "$projekt/Fald.prj"
e2e_vent_hovedvindue
e2e_svar_dialog Return                    # "Indlæs eller Rediger først tabellen med konstanter"
e2e_klik $T_X $RAEKKE1_Y                  # the first cell of t
printf 't\n0,1\n0,2\n0,3\n' | xclip -selection clipboard -i >/dev/null 2>&1
e2e_tast ctrl+v
for raekke in "1 173 0,1" "2 194 0,2" "3 215 0,3"; do
  set -- $raekke
  ud=$(e2e_celle $T_X "$2" "$1" 1)
  [ "$ud" = "$3" ] || e2e_fejl "t i række $1 er ikke $3 efter indsættelsen, men: '$ud'"
done
# "Målinger" as its box shows it: all of its text selected and copied.
printf '%s' "$E2E_MAERKE" | xclip -selection clipboard -i >/dev/null 2>&1
e2e_klik 95 122
e2e_tast ctrl+a
e2e_tast ctrl+c
e2e_vent 2 bash -c '[ "$(xclip -o -selection clipboard 2>/dev/null)" != "$0" ]' "$E2E_MAERKE"
maalinger=$(e2e_udklip)
[ "$maalinger" = 3 ] || e2e_fejl "\"Målinger\" viser '$maalinger', ikke 3"
echo "Søjlen med decimalkomma kom ind som én søjle: t = 0,1 0,2 0,3 i 3 målinger"
