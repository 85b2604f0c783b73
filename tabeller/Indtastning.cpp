// Movement rules of program-controlled keyboard input (see the header).
#include "tabeller/Indtastning.h"

#include "core/Projekt.h"

namespace plotvik {

bool ErNavigationsTast(int tast) {
    switch (tast) {
        case Tast::Tab: case Tast::Enter: case Tast::Esc: case Tast::PageUp:
        case Tast::PageDown: case Tast::Op: case Tast::Ned:
            return true;
        default:
            return false;
    }
}

TIndtastningsFelt IndtastningsFelt(const TTabelDef& t) {
    return {t.TabelType == 'R' ? 'R' : 'S', t.AntalInddata, t.AntalRaekker, t.AntalSoejler};
}

namespace {

// An "R" table runs along a row across the measurements, an "S" table along
// a row across the input variables; both end below the last input row.
TFlytning FlytR(const TIndtastningsFelt& f, int r, int c, int tast) {
    TFlytning n{r, c, false, false};
    switch (tast) {
        case Tast::Enter:
        case Tast::PageDown:
            if (c >= f.AntalSoejler) { n.Raekke = r + 1; n.Soejle = 2; }
            else n.Soejle = c + 1;
            break;
        case Tast::PageUp:
            if (c <= 2) {
                if (r <= 1) n.Bip = true;
                else { n.Raekke = r - 1; n.Soejle = f.AntalSoejler; }
            } else n.Soejle = c - 1;
            break;
        case Tast::Op:
            if (r <= 1) n.Bip = true; else n.Raekke = r - 1;
            break;
        case Tast::Ned:
            if (r >= f.AntalInddata) n.Bip = true; else n.Raekke = r + 1;
            break;
        default:
            n.Slut = true;
    }
    if (n.Raekke >= f.AntalInddata + 1) n.Slut = true;
    return n;
}

TFlytning FlytS(const TIndtastningsFelt& f, int r, int c, int tast) {
    TFlytning n{r, c, false, false};
    switch (tast) {
        case Tast::Enter:
        case Tast::PageDown:
            if (c >= f.AntalInddata) { n.Raekke = r + 1; n.Soejle = 1; }
            else n.Soejle = c + 1;
            break;
        case Tast::PageUp:
            if (c <= 1) {
                if (r <= 2) n.Bip = true;
                else { n.Raekke = r - 1; n.Soejle = f.AntalInddata; }
            } else n.Soejle = c - 1;
            break;
        case Tast::Op:
            if (r <= 2) n.Bip = true; else n.Raekke = r - 1;
            break;
        case Tast::Ned:
            if (r >= f.AntalRaekker) n.Bip = true; else n.Raekke = r + 1;
            break;
        default:
            n.Slut = true;
    }
    if (n.Raekke >= f.AntalRaekker + 1) n.Slut = true;
    return n;
}

}  // namespace

TFlytning FlytIndtastning(const TIndtastningsFelt& f, int raekke, int soejle, int tast) {
    if (f.AntalInddata <= 0) return {raekke, soejle, true, false};
    return f.TabelType == 'R' ? FlytR(f, raekke, soejle, tast) : FlytS(f, raekke, soejle, tast);
}

bool ErInddataCelle(const TIndtastningsFelt& f, int raekke, int soejle) {
    if (f.TabelType == 'R')
        return raekke >= 1 && raekke <= f.AntalInddata && soejle >= 2 && soejle <= f.AntalSoejler;
    return raekke >= 2 && raekke <= f.AntalRaekker && soejle >= 1 && soejle <= f.AntalInddata;
}

void MatrixCelle(char tabelType, int raekke, int soejle, int& variabel, int& kolonne) {
    if (tabelType == 'R') { variabel = raekke; kolonne = soejle; }
    else { variabel = soejle; kolonne = raekke; }
}

}  // namespace plotvik
