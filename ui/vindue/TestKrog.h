// Test hooks of the program, for tests that run the real program in a
// process of its own (the recovery test kills it with SIGKILL). Off unless
// the environment asks for them:
//   PLOTVIK_TESTKROG_LOG=fil   every box's text goes to the file ("BOKS <tekst>"),
//                              no box is shown; answers from PLOTVIK_TESTKROG_SVAR
//                              ("j,n,...", then "n"); file dialogs are cancelled
//   PLOTVIK_TESTKROG_TAST=a;b  after start: "OK" of table 1, keyboard input, the
//                              values typed with Enter; "GEMT" once the recovery
//                              file holds them
//   PLOTVIK_TESTKROG_VIS=1     after start: table 1 ("MAALINGER n", "CELLE v k tekst"),
//                              then a normal close
//   PLOTVIK_TESTKROG_BOKSE=fil only watches: every message box shown as usual
//                              goes to the file as the user sees it, its text
//                              ("BOKS <tekst>") and its buttons ("KNAPPER Ja|Nej")
#pragma once

#include <memory>

#include "core/Brugerflade.h"

class TVinduesKerne;

namespace plotvik {

// The scripted seam when PLOTVIK_TESTKROG_LOG is set, else null. Starts
// watching the message boxes when PLOTVIK_TESTKROG_BOKSE is set.
std::unique_ptr<Brugerflade> TestKrogFlade();
// Runs the hooks asked for, once the window has started.
void KoerTestKroge(TVinduesKerne& f);

}  // namespace plotvik
