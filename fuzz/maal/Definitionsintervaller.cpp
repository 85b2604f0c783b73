// A domain text turned into intervals of x. The first byte chooses the x
// range of the graph sheet: an ordinary one, a narrow one, one turned
// around, an empty one, and ranges at the ends of the doubles.
#include <cmath>

#include "FuzzStoette.h"
#include "interpreter/Definitionsmaengde.h"
#include "interpreter/PlotvikInterprete.h"

PLOTVIK_FUZZ_MAAL(Definitionsintervaller) {
    using namespace plotvik;
    struct Omraade {
        double Min, Max;
    };
    static constexpr Omraade omraader[] = {{-10, 10}, {0, 1}, {5, -5}, {0, 0}, {1e-300, 2e-300}, {-1e300, 1e300}};
    const Omraade o = omraader[fuzz::TagByte(input) % std::size(omraader)];
    const auto intervaller = Definitionsintervaller(std::string(input), o.Min, o.Max);
    if (intervaller.size() > MaksIntervaller) fuzz::Fund(std::to_string(intervaller.size()) + " intervaller");
    for (const TInterval& i : intervaller)
        if (std::isnan(i.Nedre) || std::isnan(i.Oevre)) fuzz::Fund("et interval med nan");
}
