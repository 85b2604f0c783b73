// "&Rediger" with "&Fortryd" and "&Gentag", the undo steps of the data, and
// autosave with recovery: every change of the data is an undo command on the
// project's stack and reaches the recovery file within two seconds.
#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>

#include "core/Brugerflade.h"
#include "files/DataImport.h"
#include "files/Gendannelse.h"
#include "files/PlotvikAnalyse.h"
#include "files/ProjektFil.h"
#include "ui/Autogem.h"
#include "ui/CelleModel.h"
#include "ui/Fortryd.h"
#include "ui/PlotvikUnit.h"
#include "ui/PlotvikUnitIntern.h"
#include "ui/Tegnsaet.h"

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
    return SerialiserGendannelse(Projekt, tekst, tidspunkt);
}

void TPlotvikForm::DataAendret() {
    if (Autogem) Autogem->Aendret();
}

// ---------------------------------------------------------------- recovery at start

void TPlotvikForm::SoegGendannelse() {
    const QString navn = TAutogem::FilNavn();
    if (!QFile::exists(navn)) return;
    const std::string lokal = QFile::encodeName(navn).toStdString();
    const TGendannelsesLaesning l = LaesGendannelsesFil(lokal);
    if (!l.Ok) {
        // Kept aside, never deleted: it may still be read by hand.
        const auto ny = FlytBeskadigetFil(lokal);
        Flade().Fejlboks(l.Besked + "\n\r" +
                         (ny ? "Filen er gemt som " + FraQString(QFile::decodeName(ny->c_str()))
                             : "Filen kunne ikke flyttes: " + FraQString(navn)));
        return;
    }
    if (Flade().JaEllerNej(GendannelsesSpoergsmaal(l.Data))) GendanArbejde(l.Data);
    else QFile::remove(navn);
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
    Fejl = false;
}
