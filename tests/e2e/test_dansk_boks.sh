#!/usr/bin/env bash
# Qt's own texts are Danish: the buttons of a yes/no question read "Ja" and
# "Nej" (and "Nej" answers it by its access key, Alt+N), and the save dialog
# that follows is titled in Danish. The box's texts are read as shown (the
# program's box watcher logs each box on the screen; nothing is answered for
# the user), the dialog's from its window title.
#   test_dansk_boks.sh BYGGEMAPPE PROGRAM KILDEMAPPE
E2E_NAVN=dansk_boks
source "$(dirname "$0")/lib.sh"
e2e_start "$@"

cp "$E2E_KILDE/examples/Fald.prj" "$E2E_TMP/"
export PLOTVIK_TESTKROG_BOKSE=$E2E_TMP/bokse.log
: >"$PLOTVIK_TESTKROG_BOKSE"
sidste_knapper() { sed -n 's/^KNAPPER //p' "$PLOTVIK_TESTKROG_BOKSE" | tail -n 1; }

e2e_start_plotvik "$E2E_TMP/Fald.prj"
e2e_vent_hovedvindue
e2e_svar_dialog Return                    # "Indlæs eller Rediger først tabellen med konstanter"

# "Fil" > "Eksporter tabel...": the question of separator and decimal sign.
e2e_klik 15 8                             # "Fil"
e2e_klik 86 226                           # "Eksporter tabel..."
boks=$(e2e_vent_dialog)
grep -q '^BOKS Skal tabel 1 skrives med semikolon og decimalkomma' "$PLOTVIK_TESTKROG_BOKSE" ||
  e2e_fejl "spørgsmålet om tabellens tegn kom ikke: $(cat "$PLOTVIK_TESTKROG_BOKSE")"
knapper=$(sidste_knapper)
for knap in Ja Nej; do
  tr '|' '\n' <<<"$knapper" | grep -qx "$knap" || e2e_fejl "spørgsmålets knapper er '$knapper', ikke Ja og Nej"
done
tr '|' '\n' <<<"$knapper" | grep -Eqx 'Yes|No' && e2e_fejl "spørgsmålets knapper er engelske: $knapper"

# "Nej" by its access key: the question goes, the save dialog comes.
e2e_fokus "$boks"
e2e_tast alt+n
e2e_vent 10 e2e_lukket "$boks" || e2e_fejl "Alt+N svarede ikke Nej"
dialog=$(e2e_vent_dialog)
titel=$(xdotool getwindowname "$dialog")
grep -Eq '^(Save As|Save|Open)( |$)' <<<"$titel" && e2e_fejl "fildialogen har en engelsk titel: $titel"
grep -q '^Gem som' <<<"$titel" || e2e_fejl "fildialogen hedder '$titel', ikke 'Gem som'"
e2e_svar_dialog Escape
[ -z "$(find "$E2E_TMP" -maxdepth 1 -name '*.csv')" ] || e2e_fejl "en afbrudt eksport skrev en fil"
echo "Spørgsmålet viste $knapper, og fildialogen hed '$titel'"
