// Export and copy of a graph sheet (see GrafEksportKommando.h).
#include "ui/data/GrafEksportKommando.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <filesystem>

#include "core/Brugerflade.h"
#include "graphs/GrafArk.h"
#include "ui/dialoger/EksporterGrafDialogUnit.h"

namespace plotvik {

const char* const GrafFilFilter =
    "PNG billede (*.png)|*.png|SVG tegning (*.svg)|*.svg|PDF dokument (*.pdf)|*.pdf";

TGrafSide GrafSide(const TGrafVisning& visning, const TGrafArk& ark) {
    TGrafSide s;
    s.Liste = &visning.Liste();
    s.Bredde = visning.Stoerrelse().width();
    s.Hoejde = visning.Stoerrelse().height();
    s.Overskrift = ark.Overskrift;
    s.Resultater = ark.Resultater;
    return s;
}

bool EksporterGrafKommando(TEksporterGrafDialog& dialog, const TGrafSide& side, int ark) {
    TEksportValg valg = StandardValg(side);
    valg.Glat = GlatteLinjer();
    dialog.Vis(valg);
    if (!dialog.VisModalt()) return false;
    auto valgt = dialog.Valg();
    if (!valgt) return false;
    valgt->Glat = valg.Glat;
    auto navn = Flade().GemFilDialog(GrafFilFilter, "Graf" + std::to_string(ark) + ".png");
    if (!navn || navn->empty()) return false;
    // A name without a type of its own becomes a PNG picture.
    if (std::filesystem::path(*navn).extension().empty()) *navn += ".png";
    if (GrafFormat(*navn) != TGrafFormat::Ukendt) {
        std::error_code fejl;
        if (std::filesystem::exists(*navn, fejl) &&
            !Flade().JaEllerNej("Filen: " + *navn + " eksisterer\n\rSkal den overskrives?"))
            return false;
    }
    return EksporterGraf(*navn, side, *valgt);
}

void KopierGrafKommando(const TGrafSide& side) {
    TEksportValg valg = StandardValg(side);
    valg.Dpi = 300;
    valg.Glat = GlatteLinjer();
    QGuiApplication::clipboard()->setImage(GrafSomBillede(side, valg));
}

}  // namespace plotvik
