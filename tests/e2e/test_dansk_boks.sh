#!/usr/bin/env bash
# Qt's own texts are Danish: the buttons of a yes/no question read "Ja" and
# "Nej" ("Ja" answers it by its access key, Alt+J), and the save dialog that
# follows is titled in Danish. The question: a text typed on "TekstArk", then
# "Fil" > "Afslut". The box's texts are read as shown (the program's box
# watcher logs each box on the screen; nothing is answered for the user),
# the dialog's from its window title.
#   test_dansk_boks.sh BYGGEMAPPE PROGRAM KILDEMAPPE
E2E_NAVN=dansk_boks
source "$(dirname "$0")/lib.sh"
e2e_start "$@"

export PLOTVIK_TESTKROG_BOKSE=$E2E_TMP/bokse.log
: >"$PLOTVIK_TESTKROG_BOKSE"
sidste_knapper() { sed -n 's/^KNAPPER //p' "$PLOTVIK_TESTKROG_BOKSE" | tail -n 1; }

e2e_start_plotvik
e2e_vent_hovedvindue
e2e_klik 406 30                           # "TekstArk"
e2e_klik 300 200                          # into the text
e2e_skriv "Forsøget med faldet"
e2e_tast alt+f a                          # "&Fil" > "&Afslut"
boks=$(e2e_vent_dialog)
grep -q '^BOKS Gem ændringer til filen .*?$' "$PLOTVIK_TESTKROG_BOKSE" ||
  e2e_fejl "spørgsmålet om at gemme teksten kom ikke: $(cat "$PLOTVIK_TESTKROG_BOKSE")"
knapper=$(sidste_knapper)
for knap in Ja Nej; do
  tr '|' '\n' <<<"$knapper" | grep -qx "$knap" || e2e_fejl "spørgsmålets knapper er '$knapper', ikke Ja og Nej"
done
tr '|' '\n' <<<"$knapper" | grep -Eqx 'Yes|No' && e2e_fejl "spørgsmålets knapper er engelske: $knapper"

# "Ja" by its access key: the question goes, the save dialog comes.
e2e_fokus "$boks"
e2e_tast alt+j
e2e_vent 10 e2e_lukket "$boks" || e2e_fejl "Alt+J svarede ikke Ja"
dialog=$(e2e_vent_dialog)
titel=$(xdotool getwindowname "$dialog")
grep -Eq '^(Save As|Save|Open)( |$)' <<<"$titel" && e2e_fejl "fildialogen har en engelsk titel: $titel"
grep -q '^Gem som' <<<"$titel" || e2e_fejl "fildialogen hedder '$titel', ikke 'Gem som'"
# Cancelled: the program ends as asked, and writes nothing.
e2e_fokus "$dialog"
e2e_tast Escape
e2e_vent 10 e2e_program_endt || e2e_fejl "programmet sluttede ikke efter Afslut"
[ -z "$(find "$E2E_TMP" -name '*.txt' -newer "$PLOTVIK_TESTKROG_BOKSE")" ] || e2e_fejl "en afbrudt gemning skrev en fil"
echo "Spørgsmålet viste $knapper, og fildialogen hed '$titel'"
