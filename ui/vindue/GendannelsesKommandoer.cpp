// Autosave with recovery: every change of the data reaches the recovery file
// within two seconds, and a restore shows the window as it looked.
#include "ui/vindue/GendannelsesKommandoer.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <vector>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "files/DataImport.h"
#include "files/Gendannelse.h"
#include "files/PlotvikAnalyse.h"
#include "files/ProjektFil.h"
#include "ui/ark/CelleModel.h"
#include "ui/fortryd/Autogem.h"
#include "ui/vindue/FilKommandoer.h"
#include "ui/vindue/VelkomstKommandoer.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

// ---------------------------------------------------------------- autosave

std::string TGendannelsesKommandoer::GendannelsesBytes(std::int64_t tidspunkt) const {
    // The project's description as its project file holds it, then the text
    // sheet, after a NUL that no typed text contains.
    std::string tekst;
    if (k.Projekt.AntalTabeller > 0 || k.Projekt.AntalKonstanter > 0) tekst = ProjektFilIndhold(k.Projekt);
    tekst += '\0';
    tekst += k.MemoTekst();
    return SerialiserGendannelse(k.Projekt, tekst, tidspunkt, VindueTilstand());
}

// ---------------------------------------------------------------- how the window looked

namespace {

// The window's part of the recovery file: "Ark=<sheet in front>" and one line
// "Graf<s>=" per graph sheet with its fields separated by tabs, in this order.
enum TGrafFelt {
    FelterSynlige, Overskrift, GrafType, PolGrad, PolGradSynlig, XAkse, YAkse, XMin, XMax, YMin, YMax,
    Oploesning, Punkt, Statistik, KunPunkter, AntalGrafFelter
};

std::string UdenSkilletegn(std::string s) {
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return s;
}

std::vector<std::string> Del(const std::string& s, char skille) {
    std::vector<std::string> dele;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slut = s.find(skille, start);
        dele.push_back(s.substr(start, slut == std::string::npos ? std::string::npos : slut - start));
        if (slut == std::string::npos) return dele;
        start = slut + 1;
    }
}

}  // namespace

std::string TGendannelsesKommandoer::VindueTilstand() const {
    std::string v = "Ark=" + std::to_string(k.SideKontrol ? k.SideKontrol->currentIndex() + 1 : 1) + "\n";
    for (int s = 1; s <= 3; ++s) {
        const TGrafArk& a = k.GrafArkene.Ark[s];
        const TGrafArkSide& side = *k.GrafSide[s];
        // The boxes as they stand, also what was typed into them since the last command.
        std::vector<std::string> f(AntalGrafFelter);
        f[FelterSynlige] = a.FelterSynlige ? "1" : "0";
        f[Overskrift] = a.Overskrift;
        f[GrafType] = a.GrafTypeTekst;
        f[PolGrad] = a.PolGradTekst;
        f[PolGradSynlig] = a.PolGradSynlig ? "1" : "0";
        f[XAkse] = FraQString(side.XakseEdit->text());
        f[YAkse] = FraQString(side.YakseEdit->text());
        f[XMin] = FraQString(side.xminEdit->text());
        f[XMax] = FraQString(side.xmaxEdit->text());
        f[YMin] = FraQString(side.yminEdit->text());
        f[YMax] = FraQString(side.ymaxEdit->text());
        f[Oploesning] = FraQString(side.AntalGrafPunkterEdit->text());
        f[Punkt] = std::to_string(side.PunktRadioButton->isChecked()    ? int(TPunktType::Punkt)
                                  : side.CirkelRadioButton->isChecked() ? int(TPunktType::Cirkel)
                                  : side.RuderRadioButton->isChecked()  ? int(TPunktType::Ruder)
                                                                        : int(TPunktType::Kryds));
        f[Statistik] = side.StatistikCheckBox->isChecked() ? "1" : "0";
        f[KunPunkter] = side.TegnKunPunkterCheckBox->isChecked() ? "1" : "0";
        v += "Graf" + std::to_string(s) + "=";
        for (int i = 0; i < AntalGrafFelter; ++i) v += (i ? "\t" : "") + UdenSkilletegn(f[std::size_t(i)]);
        v += "\n";
    }
    return v;
}

void TGendannelsesKommandoer::GenskabVindue(const std::string& vindue) {
    int ark = 1;
    for (const std::string& linie : Del(vindue, '\n')) {
        if (linie.rfind("Ark=", 0) == 0) {
            ark = TekstTilHeltal(linie.substr(4));
            continue;
        }
        if (linie.size() < 6 || linie.rfind("Graf", 0) != 0 || linie[5] != '=') continue;
        const int s = linie[4] - '0';
        const std::vector<std::string> f = Del(linie.substr(6), '\t');
        if (s < 1 || s > 3 || f.size() != std::size_t(AntalGrafFelter)) continue;
        TGrafArk& a = k.GrafArkene.Ark[s];
        a.FelterSynlige = f[FelterSynlige] == "1";
        a.Overskrift = Kort(f[Overskrift]);
        a.GrafTypeTekst = f[GrafType];
        a.PolGradTekst = f[PolGrad];
        a.PolGradSynlig = f[PolGradSynlig] == "1";
        a.XAkse = Lang(f[XAkse]);
        a.YAkse = Lang(f[YAkse]);
        a.XMinTekst = Kort(f[XMin]);
        a.XMaxTekst = Kort(f[XMax]);
        a.YMinTekst = Kort(f[YMin]);
        a.YMaxTekst = Kort(f[YMax]);
        a.AntalGrafPunkter = Kort(f[Oploesning]);
        const int punkt = TekstTilHeltal(f[Punkt]);
        a.PunktType = punkt >= 0 && punkt <= 3 ? TPunktType(punkt) : TPunktType::Kryds;
        a.Statistik = f[Statistik] == "1";
        a.TegnKunPunkter = f[KunPunkter] == "1";
        k.GrafSide[s]->Vis();
    }
    k.VisArk(ark >= 1 && ark <= 6 ? ark : 1);
}

// ---------------------------------------------------------------- recovery at start

bool TGendannelsesKommandoer::SoegGendannelse() {
    const QString navn = TAutogem::FilNavn();
    if (!QFile::exists(navn)) return false;
    const std::string lokal = QFile::encodeName(navn).toStdString();
    const TGendannelsesLaesning l = LaesGendannelsesFil(lokal);
    if (!l.Ok) {
        // Kept aside, never deleted: it may still be read by hand.
        const auto ny = FlytBeskadigetFil(lokal);
        Flade().Fejlboks(l.Besked + "\n\r" +
                         (ny ? "Filen er gemt som " + FraQString(QFile::decodeName(ny->c_str()))
                             : "Filen kunne ikke flyttes: " + FraQString(navn)));
        return false;
    }
    // Restored, the file stays until the work is saved or another project is
    // loaded: a second crash before that finds it again.
    if (Flade().JaEllerNej(GendannelsesSpoergsmaal(l.Data))) {
        GendanArbejde(l.Data);
        return true;
    }
    QFile::remove(navn);
    return false;
}

void TGendannelsesKommandoer::StartMedProjekt(const std::string& navn) {
    const bool gendannet = SoegGendannelse();
    if (navn.empty()) return;
    // The restored work is what the student was doing: the file from the
    // command line replaces it only when the student says so.
    if (gendannet && !Flade().JaEllerNej("Det ikke-gemte arbejde er gendannet.\n\rSkal filen " + navn +
                                         " hentes i stedet?\n\rDet gendannede arbejde g\xE5r da tabt."))
        return;
    k.Filkommandoer->HentProjekt(navn);
}

void TGendannelsesKommandoer::GendanArbejde(const TGendannelse& g) {
    k.FormCreate();
    const auto skille = g.ProjektTekst.find('\0');
    const std::string projekt = g.ProjektTekst.substr(0, skille);
    const std::string memo = skille == std::string::npos ? std::string() : g.ProjektTekst.substr(skille + 1);
    Fejl = false;
    if (!projekt.empty()) {
        const std::string fejl = LaesProjektTekst(k.Projekt, projekt);
        if (!fejl.empty()) Flade().Fejlboks(fejl);
        for (int t = 1; t <= k.Projekt.AntalTabeller && !Fejl; ++t) AnalyserTabel(k.Projekt, t);
        if (k.Projekt.AntalKonstanter != 0 && !Fejl) AnalyserTabel(k.Projekt, 0);
        Fejl = false;
    }
    k.SaetMemoTekst(memo);
    AnvendGendannelse(k.Projekt, g);
    if (!projekt.empty()) {
        k.Filkommandoer->OpsaetVindueEfterProjekt(false);
        // The tables were in use: their "Indlæs" and "Beregn" work at once.
        for (int t = 1; t <= std::min(k.Projekt.AntalTabeller, MaksTabeller); ++t) {
            const TTabelKontroller& kontroller = k.TabelKontroller(t);
            if (!kontroller.BeregnTabelButton || !k.Projekt.Tabeller[t].Celler.Oprettet()) continue;
            for (QPushButton* b : {kontroller.IndLaesTabelButton, kontroller.BeregnTabelButton}) {
                b->show();
                b->setEnabled(true);
            }
        }
    }
    for (int t = 0; t <= MaksTabeller; ++t)
        if (TCelleModel* m = k.CelleModel[t]) m->VisAlt();
    k.Projekt.TekstGemt = g.TekstGemt;
    k.NytFortrydForloeb();
    // As the student saw it: the graph sheets' fields, the sheet in front,
    // and no welcome over the tables.
    GenskabVindue(g.Vindue);
    k.Velkomst->OpdaterVelkomst();
    Fejl = false;
}
