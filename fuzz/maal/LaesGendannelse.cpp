// The recovery file read at start: any bytes give a message or a session,
// and an accepted session writes back to the very same bytes.
#include "FuzzStoette.h"
#include "files/Gendannelse.h"

PLOTVIK_FUZZ_MAAL(LaesGendannelse) {
    using namespace plotvik;
    const TGendannelsesLaesning l = LaesGendannelse(input);
    if (!l.Ok && l.Besked.empty()) fuzz::Fund("afvist uden besked");
    if (l.Ok && SerialiserGendannelse(l.Data) != input) fuzz::Fund("godkendt fil skrives ikke tilbage ens");
}
