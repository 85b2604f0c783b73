#!/usr/bin/env bash
# Work typed into a table survives a crash: Fald.prj with its data file read,
# two values typed into t, the program killed with SIGKILL once the recovery
# file holds them; the next start asks, "yes" is answered with the keyboard,
# and the typed values are in the grid the student sees (copied from the
# clicked cells, as a user would). After one more crash, a start with the
# project on the command line asks first and keeps the restored work.
#   test_gendannelse.sh BYGGEMAPPE PROGRAM KILDEMAPPE
E2E_NAVN=gendannelse
source "$(dirname "$0")/lib.sh"
e2e_start "$@"

# The grid of table 1 on "Tabelark 1": the t column and its rows 1 to 3.
T_X=39 RAEKKE1_Y=173 RAEKKE2_Y=194 RAEKKE3_Y=215

projekt=$E2E_TMP/forsoeg
mkdir -p "$projekt"
cp "$E2E_KILDE/examples/Fald.prj" "$E2E_KILDE/examples/FaldTabel_1.dat" "$projekt/"
gendannelse=$XDG_DATA_HOME/Plotvik/gendannelse.plotvik
export PLOTVIK_TESTKROG_BOKSE=$E2E_TMP/bokse.log

# ---- the work: the project, its data file, two typed values
e2e_start_plotvik "$projekt/Fald.prj"
e2e_vent_hovedvindue
e2e_svar_dialog Return                    # "Indlæs eller Rediger først tabellen med konstanter"
e2e_klik 167 122                          # "OK" beside "Målinger"
e2e_klik 303 125                          # "Diskfil"
e2e_klik 435 122                          # "Indlæs"
e2e_vaelg_fil "$projekt/FaldTabel_1.dat"
ud=$(e2e_celle $T_X $RAEKKE1_Y 1 1)
[ "$ud" = "0.10" ] || e2e_fejl "datafilens første t er ikke 0.10 i tabellen, men: '$ud'"

e2e_klik $T_X $RAEKKE2_Y
e2e_skriv 0.25
e2e_tast Return
e2e_skriv 0.35
e2e_tast Return
for v in 0.25 0.35; do
  e2e_vent 10 grep -qaF "$v" "$gendannelse" 2>/dev/null || e2e_fejl "gendannelsesfilen fik ikke $v"
done
# The same reading as after the restore, here where the values surely are shown.
ud=$(e2e_celle $T_X $RAEKKE2_Y 2 1)
[ "$ud" = "0.25" ] || e2e_fejl "den tastede værdi ses ikke før nedbruddet: '$ud'"

# ---- the crash
e2e_stop_plotvik
[ -s "$gendannelse" ] || e2e_fejl "gendannelsesfilen er væk efter nedbruddet"

# ---- the next start, with no file named: the question, answered "yes"
: >"$PLOTVIK_TESTKROG_BOKSE"
e2e_start_plotvik
e2e_vent_hovedvindue
e2e_vent_dialog >/dev/null
grep -q '^BOKS Der blev fundet ikke-gemt arbejde.*Skal det gendannes?' "$PLOTVIK_TESTKROG_BOKSE" ||
  e2e_fejl "spørgsmålet om gendannelse kom ikke: $(cat "$PLOTVIK_TESTKROG_BOKSE")"
e2e_svar_dialog Return                    # the default button: yes

# What the student sees: the table with the typed values, read from its cells.
for raekke in "$RAEKKE1_Y 1 0.10" "$RAEKKE2_Y 2 0.25" "$RAEKKE3_Y 3 0.35"; do
  set -- $raekke
  ud=$(e2e_celle $T_X "$1" "$2" 1)
  [ "$ud" = "$3" ] || e2e_fejl "efter gendannelsen viser tabellen ikke $3 i t (kopieret: '$ud')"
done
# The window as after "Hent Projekt Fil": the project's title.
navn=$(xdotool getwindowname "$E2E_HOVED")
grep -q '^Fald' <<<"$navn" || e2e_fejl "vinduets titel efter gendannelsen er '$navn', ikke projektets"
# The recovery file stays until the work is saved.
[ -s "$gendannelse" ] || e2e_fejl "gendannelsesfilen forsvandt ved gendannelsen"

# ---- another crash, then a start with the project named on the command
# line: the question comes first, and the restored work is not loaded over
# without asking (a question about it is answered with Escape: keep it).
e2e_stop_plotvik
: >"$PLOTVIK_TESTKROG_BOKSE"
e2e_start_plotvik "$projekt/Fald.prj"
e2e_vent_hovedvindue
e2e_vent_dialog >/dev/null
head -n 1 "$PLOTVIK_TESTKROG_BOKSE" | grep -q '^BOKS Der blev fundet ikke-gemt arbejde' ||
  e2e_fejl "med en fil på kommandolinjen kom spørgsmålet om gendannelse ikke først: $(head -n 1 "$PLOTVIK_TESTKROG_BOKSE")"
e2e_svar_dialog Return
if e2e_vent 2 e2e_find_dialog >/dev/null; then
  grep -q 'Indl.s eller Rediger f.rst tabellen med konstanter' "$PLOTVIK_TESTKROG_BOKSE" &&
    e2e_fejl "projektfilen blev hentet oven i det gendannede arbejde uden at spørge"
  e2e_svar_dialog Escape
fi
ud=$(e2e_celle $T_X $RAEKKE2_Y 2 1)
[ "$ud" = "0.25" ] || e2e_fejl "det gendannede arbejde blev erstattet af projektfilen (t i række 2: '$ud')"
echo "Det tastede arbejde blev gendannet og ses i tabellen, også med projektfilen på kommandolinjen"
