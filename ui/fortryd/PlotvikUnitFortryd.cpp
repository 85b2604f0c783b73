// "&Rediger" with "&Fortryd" and "&Gentag", the undo steps of the data, and
// autosave with recovery: every change of the data is an undo command on the
// project's stack and reaches the recovery file within two seconds, and a
// restore shows the window as it looked.
#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QUndoStack>
#include <vector>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "files/DataImport.h"
#include "files/Gendannelse.h"
#include "files/PlotvikAnalyse.h"
#include "files/ProjektFil.h"
#include "ui/fortryd/Autogem.h"
#include "ui/ark/CelleModel.h"
#include "ui/fortryd/Fortryd.h"
#include "ui/vindue/PlotvikUnit.h"
#include "ui/vindue/PlotvikUnitIntern.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

void TPlotvikForm::OpretRedigerMenu() {
    // The menu is shared with "&Kopier" and "&Sæt ind"; undo and redo go on top.
    QMenu* menu = plotvik::RedigerMenu(*this);
    QAction* foerste = menu->actions().isEmpty() ? nullptr : menu->actions().front();
    FortrydMenuItem = new QAction(QStringLiteral("&Fortryd"), menu);
    FortrydMenuItem->setObjectName(QStringLiteral("FortrydMenuItem"));
    FortrydMenuItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    GentagMenuItem = new QAction(QStringLiteral("&Gentag"), menu);
    GentagMenuItem->setObjectName(QStringLiteral("GentagMenuItem"));
    GentagMenuItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menu->insertAction(foerste, FortrydMenuItem);
    menu->insertAction(foerste, GentagMenuItem);
    if (foerste) menu->insertSeparator(foerste);
    connect(FortrydMenuItem, &QAction::triggered, this, &TPlotvikForm::FortrydMenuItemClick);
    connect(GentagMenuItem, &QAction::triggered, this, &TPlotvikForm::GentagMenuItemClick);
    auto opdater = [this] {
        const QString fortryd = Fortryd->undoText(), gentag = Fortryd->redoText();
        FortrydMenuItem->setText(fortryd.isEmpty() ? QStringLiteral("&Fortryd") : QStringLiteral("&Fortryd ") + fortryd);
        GentagMenuItem->setText(gentag.isEmpty() ? QStringLiteral("&Gentag") : QStringLiteral("&Gentag ") + gentag);
        FortrydMenuItem->setEnabled(Fortryd->canUndo());
        GentagMenuItem->setEnabled(Fortryd->canRedo());
    };
    connect(Fortryd, &QUndoStack::indexChanged, this, opdater);
    connect(Fortryd, &QUndoStack::cleanChanged, this, opdater);
    connect(Fortryd, &QUndoStack::indexChanged, this, &TPlotvikForm::DataAendret);
    opdater();
}

void TPlotvikForm::NytFortrydForloeb() {
    if (Fortryd) Fortryd->clear();
}

// ---------------------------------------------------------------- undo and redo

void TPlotvikForm::FortrydMenuItemClick() {
    // What is being typed becomes a step first, so that it is what goes.
    for (int t = 0; t <= MaksTabeller; ++t) StopIndtastning(t);
    if (!Fortryd->canUndo()) return;
    iTrin_ = true;
    Fortryd->undo();
    iTrin_ = false;
}

void TPlotvikForm::GentagMenuItemClick() {
    for (int t = 0; t <= MaksTabeller; ++t) StopIndtastning(t);
    if (!Fortryd->canRedo()) return;
    iTrin_ = true;
    Fortryd->redo();
    iTrin_ = false;
}

void TPlotvikForm::SkrivTastetCelle(int t, int v, int k, const std::string& tekst) {
    TTekstMatrix& celler = Projekt.Tabeller[t].Celler;
    const bool iMatrix = v >= 1 && k >= 1 && v <= celler.Raekker() && k <= celler.Soejler();
    if (iTrin_ || !Fortryd || !iMatrix) {
        celler.SaetCelle(tekst, v, k);
        return;
    }
    if (celler.Celle(v, k) == tekst) return;
    Fortryd->push(new TCelleKommando(*this, t, v, k, tekst));
}

void TPlotvikForm::SomFortrydTrin(int t, const QString& navn, const std::function<void()>& handling) {
    if (iTrin_ || !Fortryd || t < 0 || t > MaksTabeller) {
        handling();
        return;
    }
    StopIndtastning(t);
    iTrin_ = true;
    TTabelTilstand foer = TagTabelTilstand(*this, t);
    handling();
    TTabelTilstand efter = TagTabelTilstand(*this, t);
    iTrin_ = false;
    if (DataForskellige(foer, efter)) Fortryd->push(new TTabelKommando(*this, navn, std::move(foer), std::move(efter)));
}

void TPlotvikForm::SkrivCeller(int t, std::vector<TCelleSkrivning> skrivninger, const QString& undoTekst,
                               int antalIndgange) {
    if (t < 0 || t > MaksTabeller) return;
    SomFortrydTrin(t, undoTekst, [&] {
        TTabelDef& T = Projekt.Tabeller[t];
        if (t >= 1 && antalIndgange > 0 && antalIndgange != T.AntalIndgange) SaetAntalIndgangeBevar(T, antalIndgange);
        for (const TCelleSkrivning& s : skrivninger) {
            T.Celler.SaetCelle(s.Tekst, s.Variabel, s.Kolonne);
            if (t == 0 && s.Variabel >= 1 && s.Variabel <= MaksVariable) {
                bool fejl = false;
                const double x = TekstTilTal(s.Tekst, fejl);
                if (!fejl) Projekt.KonstantVaerdi[s.Variabel] = x;
            }
        }
        Fejl = false;
        const TTabelKontroller& k = TabelKontroller(t);
        if (t >= 1 && k.AntalMaalingerSpinEdit) {
            k.AntalMaalingerSpinEdit->setValue(T.AntalIndgange);
            OpsaetTabelGrid(t);
        }
        if (k.Model) k.Model->VisAlt();
    });
}

void TPlotvikForm::SkrivCelleblok(int t, const TIndsaetning& ind, const QString& undoTekst) {
    TTabelArk* side = TabelSideFor(t);
    if (!side) return;
    SomFortrydTrin(t, undoTekst, [&] { side->SkrivCelleblok(t, ind); });
}

// ---------------------------------------------------------------- autosave

bool TPlotvikForm::HarArbejde() const {
    return Projekt.AntalTabeller > 0 || Projekt.AntalKonstanter > 0 || !MemoTekst().empty();
}

std::string TPlotvikForm::GendannelsesBytes(std::int64_t tidspunkt) const {
    // The project's description as its project file holds it, then the text
    // sheet, after a NUL that no typed text contains.
    std::string tekst;
    if (Projekt.AntalTabeller > 0 || Projekt.AntalKonstanter > 0) tekst = ProjektFilIndhold(Projekt);
    tekst += '\0';
    tekst += MemoTekst();
    return SerialiserGendannelse(Projekt, tekst, tidspunkt, VindueTilstand());
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

std::string TPlotvikForm::VindueTilstand() const {
    std::string v = "Ark=" + std::to_string(SideKontrol ? SideKontrol->currentIndex() + 1 : 1) + "\n";
    for (int s = 1; s <= 3; ++s) {
        const TGrafArk& a = GrafArkene.Ark[s];
        const TGrafArkSide& side = *GrafSide[s];
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

void TPlotvikForm::GenskabVindue(const std::string& vindue) {
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
        TGrafArk& a = GrafArkene.Ark[s];
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
        GrafSide[s]->Vis();
    }
    VisArk(ark >= 1 && ark <= 6 ? ark : 1);
}

void TPlotvikForm::DataAendret() {
    if (Autogem) Autogem->Aendret();
}

// ---------------------------------------------------------------- recovery at start

bool TPlotvikForm::SoegGendannelse() {
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

void TPlotvikForm::StartMedProjekt(const std::string& navn) {
    const bool gendannet = SoegGendannelse();
    if (navn.empty()) return;
    // The restored work is what the student was doing: the file from the
    // command line replaces it only when the student says so.
    if (gendannet && !Flade().JaEllerNej("Det ikke-gemte arbejde er gendannet.\n\rSkal filen " + navn +
                                         " hentes i stedet?\n\rDet gendannede arbejde g\xE5r da tabt."))
        return;
    HentProjekt(navn);
}

void TPlotvikForm::GendanArbejde(const TGendannelse& g) {
    FormCreate();
    const auto skille = g.ProjektTekst.find('\0');
    const std::string projekt = g.ProjektTekst.substr(0, skille);
    const std::string memo = skille == std::string::npos ? std::string() : g.ProjektTekst.substr(skille + 1);
    Fejl = false;
    if (!projekt.empty()) {
        const std::string fejl = LaesProjektTekst(Projekt, projekt);
        if (!fejl.empty()) Flade().Fejlboks(fejl);
        for (int t = 1; t <= Projekt.AntalTabeller && !Fejl; ++t) AnalyserTabel(Projekt, t);
        if (Projekt.AntalKonstanter != 0 && !Fejl) AnalyserTabel(Projekt, 0);
        Fejl = false;
    }
    SaetMemoTekst(memo);
    AnvendGendannelse(Projekt, g);
    if (!projekt.empty()) {
        OpsaetVindueEfterProjekt(false);
        // The tables were in use: their "Indlæs" and "Beregn" work at once.
        for (int t = 1; t <= std::min(Projekt.AntalTabeller, MaksTabeller); ++t) {
            const TTabelKontroller& k = TabelKontroller(t);
            if (!k.BeregnTabelButton || !Projekt.Tabeller[t].Celler.Oprettet()) continue;
            for (QPushButton* b : {k.IndLaesTabelButton, k.BeregnTabelButton}) {
                b->show();
                b->setEnabled(true);
            }
        }
    }
    for (int t = 0; t <= MaksTabeller; ++t)
        if (TCelleModel* m = CelleModel[t]) m->VisAlt();
    Projekt.TekstGemt = g.TekstGemt;
    NytFortrydForloeb();
    // As the student saw it: the graph sheets' fields, the sheet in front,
    // and no welcome over the tables.
    GenskabVindue(g.Vindue);
    OpdaterVelkomst();
    Fejl = false;
}
