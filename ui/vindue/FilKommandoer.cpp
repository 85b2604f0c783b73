// The "&Fil" commands that open, build, convert and save projects and texts,
// and the window set-up after a project file has been read.
#include "ui/vindue/FilKommandoer.h"

#include <algorithm>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <filesystem>
#include <system_error>

#include "core/Brugerflade.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "files/TekstFil.h"
#include "ui/fortryd/Autogem.h"
#include "ui/ark/TekstArk.h"
#include "ui/vindue/DataKommandoer.h"
#include "ui/vindue/VelkomstKommandoer.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

namespace {

const char* const ProjektFilter = "Projekt filer (*.prj)|*.prj|Alle filer (*.*)|*.*";
const char* const TekstFilter = "Tekst filer (*.txt)|*.txt|Alle filer (*.*)|*.*";
const char* const AlleFilter = "Alle filer (*.*)|*.*";

bool FilFindes(const std::string& navn) {
    std::error_code fejl;
    return !navn.empty() && std::filesystem::exists(std::filesystem::path(navn), fejl);
}

}  // namespace

namespace plotvik {

std::string FilnavnDel(const std::string& sti) {
    const auto skille = sti.find_last_of("/\\");
    return skille == std::string::npos ? sti : sti.substr(skille + 1);
}

std::string SkiftEndelse(const std::string& navn, const std::string& endelse) {
    // The first "." of the file's own name: a dot in a folder name must not
    // decide where the extension starts.
    const auto skille = navn.find_last_of("/\\");
    const auto start = skille == std::string::npos ? 0 : skille + 1;
    const auto punkt = navn.find('.', start);
    if (punkt == std::string::npos) return std::string();
    return navn.substr(0, punkt + 1) + endelse;
}

}  // namespace plotvik

// ---------------------------------------------------------------- saving

void TFilKommandoer::SpoergOmGem(const std::string& navn) {
    if (Flade().JaEllerNej("Gem \xE6ndringer til filen " + navn + "?")) {
        GemFil(navn, false);
    }
}

void TFilKommandoer::GemFil(std::string navn, bool spoerg) {
    TProjekt& p = k.Projekt;
    // A default name (or none) is never saved without the dialog.
    if (navn == "Plotvik.prj" || navn == "TekstFil.txt" || navn.empty() || navn == "*.*") spoerg = true;
    if (spoerg) {
        const char* filter = (p.Tilstand == 1 || p.Tilstand == 3)   ? ProjektFilter
                             : (p.Tilstand == 2 || p.Tilstand == 6) ? TekstFilter
                                                                    : AlleFilter;
        auto valgt = Flade().GemFilDialog(filter, navn);
        if (!valgt) return;
        navn = valgt->substr(0, FilnavnLaengde);
        if (FilFindes(navn)) {
            if (!Flade().JaEllerNej("Filen: " + navn + " eksisterer" + "\n\r" + "Skal den overskrives?")) return;
        }
        if (!navn.empty()) {
            std::string bak = SkiftEndelse(navn, "bak");
            if (bak.empty()) bak = navn + ".bak";
            std::error_code fejl;
            if (bak != navn) {
                if (FilFindes(bak)) std::filesystem::remove(bak, fejl);
                if (FilFindes(navn)) std::filesystem::rename(navn, bak, fejl);
                if (fejl) {
                    Flade().Fejlboks("Kan ikke lave sikkerhedskopien " + bak + "\n\r" + fejl.message());
                    return;
                }
            }
        }
    }
    const std::vector<std::string> linier = DelILinier(k.MemoTekst());
    switch (p.Tilstand) {
        case 1:
            p.ProjektFilNavn = navn;
            if (SkrivTekstLinier(navn, linier)) p.TekstGemt = true;
            break;
        case 2:
        case 6:
            p.TekstFilNavn = navn;
            if (SkrivTekstLinier(navn, linier)) p.TekstGemt = true;
            break;
        case 3:
            p.ProjektFilNavn = navn;
            SkrivProjektFil(p, navn);
            break;
        default:
            if (SkrivTekstLinier(navn, linier)) p.TekstGemt = true;
            break;
    }
    Fejl = false;
}

// ---------------------------------------------------------------- loading

void TFilKommandoer::HentProjektFilMenuItemClick() {
    FoerProjektHentes();
    auto navn = Flade().AabnFilDialog(ProjektFilter, ".\\*.prj");
    if (!navn || FilnavnDel(*navn) == "*.prj") return;
    LaesProjektInd(*navn);
}

void TFilKommandoer::HentProjekt(const std::string& navn) {
    FoerProjektHentes();
    LaesProjektInd(navn);
}

void TFilKommandoer::FoerProjektHentes() {
    if (!k.Projekt.TekstGemt) SpoergOmGem(k.Projekt.TekstFilNavn);
    // The questions are answered: the earlier project's unsaved work is let go.
    if (k.Autogem) k.Autogem->Fjern();
    if (k.Velkomst->EksempelTipLabel) k.Velkomst->EksempelTipLabel->hide();
    if (k.Projekt.Tilstand != 0) k.FormCreate();
}

void TFilKommandoer::LaesProjektInd(const std::string& navn, bool spoergOmKonstanter) {
    k.Projekt.ProjektFilNavn = navn.substr(0, FilnavnLaengde);
    k.Projekt.Tilstand = 4;
    Fejl = false;
    {
        Timeglas timeglas;
        LaesProjektFil(k.Projekt, k.Projekt.ProjektFilNavn);
    }
    if (Fejl) {
        // The user was told of a definition that failed and chose OK: the
        // loading stops there, and nothing half-loaded is left to compute with.
        Fejl = false;
        k.FormCreate();
        k.Velkomst->OpdaterVelkomst();
        return;
    }
    k.Velkomst->OpdaterVelkomst();
    OpsaetVindueEfterProjekt(spoergOmKonstanter);
    k.Projekt.Tilstand = 5;
    k.NytFortrydForloeb();
    HuskSenesteProjekt(k.Projekt.ProjektFilNavn);
    k.Datakommandoer->OpdaterSenesteProjekter();
}

void TFilKommandoer::OpsaetVindueEfterProjekt(bool spoergOmKonstanter) {
    TProjekt& p = k.Projekt;
    k.Hovedvindue.setWindowTitle(p.Overskrift.empty() ? QStringLiteral("Plotvik ") : TilQString(p.Overskrift));
    const int antal = MinHel(p.AntalTabeller, MaksTabeller);
    for (int t = 1; t <= antal; ++t) {
        TTabelDef& T = p.Tabeller[t];
        // An unreadable count must not leave the table without a matrix row per measurement.
        if (T.AntalIndgange < 1) T.AntalIndgange = 1;
        if (T.AntalIndgange > MaksIndgange) T.AntalIndgange = MaksIndgange;
        if (!T.Celler.Oprettet() || T.Celler.Soejler() < T.AntalIndgange + 1) {
            T.Celler.Frigiv();
            AnalyserTabel(p, t);
            Fejl = false;
        }
        k.TabelSideFor(t)->VisTabel(t);
    }
    if (p.AntalKonstanter > 0) {
        TTabelDef& K = p.Tabeller[0];
        if (!K.Celler.Oprettet()) {
            AnalyserTabel(p, 0);
            Fejl = false;
        }
        k.TabelSide[1]->OpsaetKonstantGrid();
        if (!spoergOmKonstanter) return;
        QApplication::processEvents();
        k.VisArk(1);
        Flade().Informationsboks("Indl\xE6s eller Rediger f\xF8rst tabellen med konstanter");
        k.TabelGrid[0]->setFocus();
        k.IndtastTabel(0, 2, 1);
    }
}

namespace {

std::string SamletTekst(const std::vector<std::string>& linier) {
    std::string tekst;
    for (const auto& l : linier) tekst += l + "\n";
    if (!tekst.empty()) tekst.pop_back();
    return tekst;
}

}  // namespace

void TFilKommandoer::RedigerProjektFilMenuItemClick() {
    if (!k.Projekt.TekstGemt) SpoergOmGem(k.Projekt.TekstFilNavn);
    auto navn = Flade().AabnFilDialog(ProjektFilter, ".\\*.prj");
    if (navn && FilnavnDel(*navn) != "*.prj") {
        auto linier = LaesTekstLinier(*navn);
        if (linier) {
            k.Projekt.Tilstand = 1;
            k.Projekt.ProjektFilNavn = navn->substr(0, FilnavnLaengde);
            k.SaetMemoTekst(SamletTekst(*linier));
            k.Projekt.TekstGemt = true;
        }
    }
    k.VisArk(6);
}

void TFilKommandoer::HentFilMenuItemClick() {
    if (!k.Projekt.TekstGemt) SpoergOmGem(k.Projekt.TekstFilNavn);
    if (k.Projekt.Tilstand != 2) k.Projekt.Tilstand = 6;
    auto navn = Flade().AabnFilDialog(TekstFilter, ".\\*.txt");
    if (navn && FilnavnDel(*navn) != "*.txt") {
        auto linier = LaesTekstLinier(*navn);
        if (linier) {
            k.Projekt.TekstFilNavn = navn->substr(0, FilnavnLaengde);
            k.SaetMemoTekst(SamletTekst(*linier));
            k.Projekt.TekstGemt = true;
        }
    }
    k.VisArk(6);
}

// ---------------------------------------------------------------- building and converting

void TFilKommandoer::OpbygProjektFilMenuItemClick() {
    k.Projekt.OpbygTaellere = {'0', '0', '0', '0'};
    if (!k.Projekt.TekstGemt) SpoergOmGem(k.Projekt.TekstFilNavn);
    k.Projekt.TekstFilNavn = "TekstFil.txt";
    k.Projekt.Tilstand = 2;
    k.VisArk(6);
    k.RedigerMemo->clear();
    k.Projekt.TekstGemt = false;
    Flade().Informationsboks("V\xE6lg Elementerne til Projektfilen fra DefinerMenuen,\n\reller indl\xE6s en fil");
}

void TFilKommandoer::OmdanTilProjektFilMenuItemClick() {
    for (int t = 0; t <= MaksTabeller; ++t) k.StopIndtastning(t);
    // The running numbers of the dialogs survive the conversion: a student who
    // goes on building after converting must not get numbers already used,
    // which would overwrite those definitions at the next conversion.
    const auto taellere = k.Projekt.OpbygTaellere;
    NulstilProjekt(k.Projekt);
    k.NytFortrydForloeb();
    // The window showed the project just cleared; it is shown again only
    // when the converted file is loaded.
    for (int a = 1; a <= 2; ++a) k.TabelSide[a]->SkjulTabeller();
    if (!k.Projekt.TekstGemt) SpoergOmGem(k.Projekt.TekstFilNavn);
    Fejl = false;
    for (const std::string& linie : DelILinier(k.MemoTekst())) {
        if (Fejl) break;
        if (!linie.empty()) FortolkProjektLinie(k.Projekt, linie);
    }
    for (int i = 0; i < 4; ++i) k.Projekt.OpbygTaellere[i] = std::max(k.Projekt.OpbygTaellere[i], taellere[i]);
    if (Fejl) {
        Fejl = false;
        return;
    }
    std::string navn = SkiftEndelse(k.Projekt.TekstFilNavn, "prj");
    k.Projekt.ProjektFilNavn = navn.empty() ? "Plotvik.prj" : navn.substr(0, FilnavnLaengde);
    k.Projekt.TekstGemt = false;
    k.Projekt.Tilstand = 3;
    GemFil(k.Projekt.ProjektFilNavn, true);
    k.Projekt.Tilstand = 2;
}

void TFilKommandoer::GemFilMenuItemClick() {
    switch (k.Projekt.Tilstand) {
        case 1: case 3: GemFil(k.Projekt.ProjektFilNavn, false); break;
        case 2: case 6: GemFil(k.Projekt.TekstFilNavn, false); break;
        default: GemFil("*.*", true); break;
    }
}

void TFilKommandoer::GemFilSomMenuItemClick() {
    switch (k.Projekt.Tilstand) {
        case 1: case 3: GemFil(k.Projekt.ProjektFilNavn, true); break;
        case 2: case 6: GemFil(k.Projekt.TekstFilNavn, true); break;
        default: GemFil("*.*", true); break;
    }
}

void TFilKommandoer::GemInddataMenuItemClick() {
    if (k.Projekt.AktivTabel <= 0 || k.Projekt.AktivTabel > MaksTabeller) {
        Flade().Fejlboks("Kan ikke skrive inddata, n\xE5r der ikke er nogen tabel");
        return;
    }
    Fejl = false;
    GemDataFil(k.Projekt, k.Projekt.AktivTabel);
    Fejl = false;
}

void TFilKommandoer::AfslutMenuItemClick() {
    QApplication::processEvents();
    k.Hovedvindue.close();
}
