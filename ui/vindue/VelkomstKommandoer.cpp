// The welcome on the window: the panel over the first table sheet while no
// project is loaded or being built, answered with the file commands, and an
// example opened as the student would open it and then read, computed and
// drawn, with one line beside the tabs that tells what to try next.
#include "ui/vindue/VelkomstKommandoer.h"

#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <optional>
#include <string>
#include <utility>

#include "core/Brugerflade.h"
#include "files/DataFil.h"
#include "ui/flade/Tegnsaet.h"
#include "ui/vindue/DataKommandoer.h"
#include "ui/vindue/FilKommandoer.h"
#include "ui/vindue/Velkomst.h"

using namespace plotvik;

void TVelkomstKommandoer::Opret() {
    panel_ = new TVelkomst(k.TabelSide[1]);
    // The panel's buttons are its signals; the window answers them with its file commands.
    QObject::connect(panel_, &TVelkomst::HentProjekt, &k.Hovedvindue, [this] {
        k.Filkommandoer->HentProjektFilMenuItemClick();
        OpdaterVelkomst();
    });
    QObject::connect(panel_, &TVelkomst::OpbygProjekt, &k.Hovedvindue, [this] {
        k.Filkommandoer->OpbygProjektFilMenuItemClick();
        OpdaterVelkomst();
    });
    QObject::connect(panel_, &TVelkomst::AabnProjekt, &k.Hovedvindue,
                     [this](const QString& sti) { k.Filkommandoer->HentProjekt(FraQString(sti)); });
    QObject::connect(panel_, &TVelkomst::AabnEksempel, &k.Hovedvindue,
                     [this](const QString& sti) { AabnEksempel(FraQString(sti)); });
    // The line beside the sheets' tabs that tells what to try in an opened example.
    EksempelTipLabel = new QLabel(QString::fromUtf8("Prøv: ret en måling, tryk Beregn og Tegn graf igen"), k.SideKontrol);
    EksempelTipLabel->setObjectName(QStringLiteral("EksempelTipLabel"));
    EksempelTipLabel->setContentsMargins(0, 0, 6, 0);
    k.SideKontrol->setCornerWidget(EksempelTipLabel, Qt::TopRightCorner);
    EksempelTipLabel->hide();
    // After any menu command: a project may have been loaded or a text begun.
    QObject::connect(k.Hovedvindue.menuBar(), &QMenuBar::triggered, &k.Hovedvindue, [this] { OpdaterVelkomst(); },
                     Qt::QueuedConnection);
    OpdaterVelkomst();
}

void TVelkomstKommandoer::OpdaterVelkomst() {
    if (!panel_) return;
    const plotvik::TProjekt& p = k.Projekt;
    // The example's line goes with the example: another project, a text, a new build.
    if (EksempelTipLabel && EksempelTipLabel->isVisible() &&
        (p.ProjektFilNavn != eksempel_ || (p.Tilstand != 4 && p.Tilstand != 5)))
        EksempelTipLabel->hide();
    const bool tekst = p.Tilstand == 1 || p.Tilstand == 2 || p.Tilstand == 3 || p.Tilstand == 6;
    const bool vis = p.AntalTabeller == 0 && p.AntalKonstanter == 0 && !tekst;
    if (vis) {
        panel_->Opdater(plotvik::SenesteProjekter());
        panel_->setGeometry(k.TabelSide[1]->rect());
        panel_->raise();
    }
    panel_->setVisible(vis);
}

// ---------------------------------------------------------------- an example that shows something at once

namespace {

// Answers the open dialog of "Indlæs" with the example's data file; every
// other question still goes to the user. Installed for its lifetime.
class TEksempelFlade : public plotvik::Brugerflade {
public:
    TEksempelFlade(plotvik::Brugerflade& bruger, std::string datafil) : bruger_(bruger), datafil_(std::move(datafil)) {
        plotvik::SaetFlade(this);
    }
    ~TEksempelFlade() override { plotvik::SaetFlade(&bruger_); }
    bool FejlMedIgnorer(const std::string& t) override { return bruger_.FejlMedIgnorer(t); }
    void Fejlboks(const std::string& t) override { bruger_.Fejlboks(t); }
    void Informationsboks(const std::string& t) override { bruger_.Informationsboks(t); }
    bool OkEllerAnnuller(const std::string& t) override { return bruger_.OkEllerAnnuller(t); }
    bool JaEllerNej(const std::string& t) override { return bruger_.JaEllerNej(t); }
    void Bip() override { bruger_.Bip(); }
    std::optional<std::string> AabnFilDialog(const std::string&, const std::string&) override { return datafil_; }
    std::optional<std::string> GemFilDialog(const std::string& f, const std::string& n) override {
        return bruger_.GemFilDialog(f, n);
    }
    void LadHaendelserKoere() override { bruger_.LadHaendelserKoere(); }
    void Timeglas(bool til) override { bruger_.Timeglas(til); }

private:
    plotvik::Brugerflade& bruger_;
    std::string datafil_;
};

}  // namespace

void TVelkomstKommandoer::AabnEksempel(const std::string& navn) {
    using namespace plotvik;
    k.Filkommandoer->FoerProjektHentes();
    // The example's constants hold their values: no input of them first.
    k.Filkommandoer->LaesProjektInd(navn, false);
    if (k.Projekt.Tilstand != 5) return;  // the loading stopped at a message
    // What the student would do: "OK" beside "Målinger", "Diskfil", "Indlæs"
    // of the table's data file, "Beregn"; the first table last, so that
    // "Tegn graf" draws its graph.
    int foerste = 0;
    for (int t = MinHel(k.Projekt.AntalTabeller, MaksTabeller); t >= 1; --t) {
        const std::string data = StandardDataFilNavn(k.Projekt, t);
        if (!QFileInfo::exists(TilQString(data))) continue;
        k.AntalMaalingerButtonClick(t);
        k.DiskfilRadioButton[t]->setChecked(true);
        {
            TEksempelFlade svar(Flade(), data);
            k.IndLaesTabelButtonClick(t);
        }
        k.UdregnTabelButtonClick(t);
        foerste = t;
    }
    // Opened, not changed: nothing of it is to be undone.
    k.NytFortrydForloeb();
    if (foerste == 0) return;
    const TTabelDef& T = k.Projekt.Tabeller[foerste];
    const int ark = T.AntalGrafer >= 1 ? T.Grafer[1].GrafArkNo : 0;
    if (k.GrafSideNo(ark)) {
        k.VisArk(ark + 2);
        k.TegnGrafButtonClick(ark);
    }
    eksempel_ = k.Projekt.ProjektFilNavn;
    if (EksempelTipLabel) EksempelTipLabel->show();
}
