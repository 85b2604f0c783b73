// The command line: what it asks for, and a project named on it opened the
// way "&Hent Projekt Fil" opens it.
#include "ui/FormTestHjaelp.h"
#include "ui/vindue/Kommandolinje.h"

namespace plotvik::test {
namespace {

using TArt = TKommandolinje::TArt;

TEST(Kommandolinje, ReadsWhatTheUserAsksFor) {
    struct Raekke {
        QStringList argumenter;
        TArt art;
        QString fil;
        QString fejl;
    };
    const QString p = QStringLiteral("plotvik");
    const std::vector<Raekke> raekker = {
        {{p}, TArt::Start, {}, {}},
        {{p, QStringLiteral("Pendul.prj")}, TArt::Start, QStringLiteral("Pendul.prj"), {}},
        {{p, QString::fromUtf8("/hjem/elev/Målinger 2.prj")}, TArt::Start,
         QString::fromUtf8("/hjem/elev/Målinger 2.prj"), {}},
        {{p, QStringLiteral("--"), QStringLiteral("-mærkeligt.prj")}, TArt::Start,
         QString::fromUtf8("-mærkeligt.prj"), {}},
        {{p, QStringLiteral("--version")}, TArt::Version, {}, {}},
        {{p, QStringLiteral("-v")}, TArt::Version, {}, {}},
        {{p, QStringLiteral("--help")}, TArt::Hjaelp, {}, {}},
        {{p, QStringLiteral("-h")}, TArt::Hjaelp, {}, {}},
        {{p, QStringLiteral("A.prj"), QStringLiteral("--help")}, TArt::Hjaelp, {}, {}},
        {{p, QStringLiteral("--version"), QStringLiteral("--help")}, TArt::Hjaelp, {}, {}},
        {{p, QStringLiteral("--ukendt")}, TArt::Fejl, {}, QStringLiteral("Ukendt tilvalg: --ukendt")},
        {{p, QStringLiteral("-x")}, TArt::Fejl, {}, QStringLiteral("Ukendt tilvalg: -x")},
        {{p, QStringLiteral("A.prj"), QStringLiteral("B.prj")}, TArt::Fejl, {},
         QString::fromUtf8("Der kan kun hentes én projektfil ad gangen")},
    };
    for (const Raekke& r : raekker) {
        const TKommandolinje k = LaesKommandolinje(r.argumenter);
        const std::string linie = r.argumenter.join(' ').toStdString();
        EXPECT_EQ(k.Art, r.art) << linie;
        EXPECT_EQ(k.ProjektFil, r.fil) << linie;
        EXPECT_EQ(k.Fejltekst, r.fejl) << linie;
    }
}

TEST(Kommandolinje, HelpIsShortAndDanish) {
    const QString h = KommandolinjeHjaelp(QStringLiteral("plotvik"));
    EXPECT_TRUE(h.startsWith(QStringLiteral("Brug: plotvik [tilvalg] [projektfil]\n")));
    for (const char* tekst : {"--help", "--version", "projektfil", "målinger"})
        EXPECT_TRUE(h.contains(QString::fromUtf8(tekst))) << tekst;
    EXPECT_LE(h.count('\n'), 10);
}

class ProjektFraKommandolinje : public FormTest {};

TEST_F(ProjektFraKommandolinje, OpensTheNamedProjectAsTheMenuDoes) {
    const std::string navn = Kopi("Pendul.prj");
    form->HentProjekt(navn);
    QApplication::processEvents();
    EXPECT_EQ(form->Projekt.ProjektFilNavn, navn);
    EXPECT_EQ(form->Projekt.Tilstand, 5);
    EXPECT_EQ(form->Projekt.Overskrift, "Pendul");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pendul"));
    EXPECT_EQ(form->Projekt.AntalKonstanter, 1);
    // No file dialog was shown: the name was already chosen.
    for (const auto& v : flade.Vist) EXPECT_NE(v.Art, Boks::AabnFil);
    // The constants' table asks for input, as after the menu.
    ASSERT_FALSE(flade.Vist.empty());
    EXPECT_EQ(flade.Vist.back().Tekst, "Indl\xE6s eller Rediger f\xF8rst tabellen med konstanter");
}

TEST_F(ProjektFraKommandolinje, AMissingFileGivesTheMenusMessage) {
    const std::string navn = mappe + "/Findes ikke.prj";
    form->HentProjekt(navn);
    QApplication::processEvents();
    const std::vector<std::string> fraKommandolinje = flade.Tekster();
    ASSERT_FALSE(fraKommandolinje.empty());
    EXPECT_EQ(fraKommandolinje.front(), "Projektfilen " + navn + " kan ikke \xE5" "bnes");

    flade.Vist.clear();
    HentProjekt(navn);
    std::vector<std::string> fraMenu;
    for (const auto& v : flade.Vist)
        if (v.Art != Boks::AabnFil) fraMenu.push_back(v.Tekst);
    EXPECT_EQ(fraMenu, fraKommandolinje);
}

TEST_F(ProjektFraKommandolinje, AnUnsavedTextIsOfferedForSavingFirst) {
    form->Projekt.Tilstand = 2;
    form->Projekt.TekstFilNavn = mappe + "/Tekst.txt";
    form->SaetMemoTekst("Overskrift: Noget");
    form->Projekt.TekstGemt = false;
    flade.Svar.push_back(false);  // "No" to saving
    form->HentProjekt(Kopi("Fald.prj"));
    QApplication::processEvents();
    ASSERT_FALSE(flade.Vist.empty());
    EXPECT_EQ(flade.Vist.front().Art, Boks::JaNej);
    EXPECT_EQ(flade.Vist.front().Tekst, "Gem \xE6ndringer til filen " + mappe + "/Tekst.txt?");
    EXPECT_EQ(form->Projekt.Overskrift, "Fald");
    EXPECT_EQ(form->Projekt.Tilstand, 5);
}

}  // namespace
}  // namespace plotvik::test
