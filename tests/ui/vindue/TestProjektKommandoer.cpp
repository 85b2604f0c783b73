// The text sheet and the project commands: build a description, convert it
// (with the save questions, the save dialog and the backup copy), open and
// save text files, edit a project file, and close with unsaved text.
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>

#include "ui/FormTestHjaelp.h"
#include "ui/vindue/FilKommandoer.h"

namespace plotvik::test {
namespace {

using Projekter = FormTest;

const char* const PendulTekst =
    "Overskrift(1): overskrift=\"Pendul\";\n"
    "Konstant(1): g = 9.82 [m/s^2];\n"
    "Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;\n"
    "Variabel(1,1): L:=?[m];\n"
    "Variabel(1,2): T:=?[s];\n"
    "Variabel(1,3): a:= L/T^2:8:3 [m/s^2];\n"
    "Graf(1,1): graf_navn=\"T mod L\"; grafark_no=1; xgraf=L; ygraf=T;graf_type=R;\n"
    "Grafakse(1,1):  xmin=0.1; xmax=1.5; ymin=0.5; ymax=3;";

TEST_F(Projekter, BuildConvertSaveAndFindTheProjectAndItsBackup) {
    Menu("OpbygProjektFilMenuItem");
    EXPECT_EQ(form->SideKontrol->currentWidget(), form->Ark[6]);
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::Information);
    EXPECT_EQ(flade.Vist[0].Tekst, "V\xE6lg Elementerne til Projektfilen fra DefinerMenuen,\n\reller indl\xE6s en fil");
    EXPECT_EQ(form->Projekt.Tilstand, 2);
    EXPECT_EQ(form->Projekt.TekstFilNavn, "TekstFil.txt");
    EXPECT_FALSE(form->Projekt.TekstGemt);

    for (const QString& linie : QString::fromLatin1(PendulTekst).split('\n')) {
        QTest::keyClicks(form->RedigerMemo, linie);
        QTest::keyClick(form->RedigerMemo, Qt::Key_Return);
    }
    EXPECT_FALSE(form->Projekt.TekstGemt);
    flade.Vist.clear();
    const std::string tekstNavn = mappe + "/pendul.txt";
    const std::string prjNavn = mappe + "/pendul.prj";
    flade.Svar.push_back(true);           // save the changes first
    flade.FilSvar.push_back(tekstNavn);   // the default name is never saved without the dialog
    flade.FilSvar.push_back(prjNavn);     // then the project file
    Menu("OmdanTilProjektFilMenuItem");
    ASSERT_EQ(flade.Vist.size(), 3u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::JaNej);
    EXPECT_EQ(flade.Vist[0].Tekst, "Gem \xE6ndringer til filen TekstFil.txt?");
    EXPECT_EQ(flade.Vist[1].Art, Boks::GemFil);
    EXPECT_EQ(flade.Vist[1].Tekst, "Tekst filer (*.txt)|*.txt|Alle filer (*.*)|*.*|TekstFil.txt");
    EXPECT_EQ(flade.Vist[2].Art, Boks::GemFil);
    EXPECT_EQ(flade.Vist[2].Tekst, "Projekt filer (*.prj)|*.prj|Alle filer (*.*)|*.*|" + prjNavn);
    EXPECT_EQ(form->Projekt.Tilstand, 2);
    EXPECT_EQ(form->Projekt.ProjektFilNavn, prjNavn);
    EXPECT_EQ(form->Projekt.TekstFilNavn, tekstNavn);
    EXPECT_TRUE(form->Projekt.TekstGemt);
    EXPECT_EQ(Laes(tekstNavn).substr(0, 38), "Overskrift(1): overskrift=\"Pendul\";\r\nK");
    const std::string prj = Laes(prjNavn);
    EXPECT_EQ(prj.substr(0, 40), "Pendul\r\n1\r\ng=9.82[m/s^2]\r\n1\r\nS 3 5 10\r\nL");

    // Converting again over the existing file keeps the old one as .bak.
    flade.Vist.clear();
    form->RedigerMemo->appendPlainText(QStringLiteral("Konstant(2): h = 2 [m];"));
    flade.Svar.push_back(false);         // do not save the text now
    flade.FilSvar.push_back(prjNavn);
    flade.Svar.push_back(true);          // overwrite
    Menu("OmdanTilProjektFilMenuItem");
    ASSERT_EQ(flade.Vist.size(), 3u);
    EXPECT_EQ(flade.Vist[0].Tekst, "Gem \xE6ndringer til filen " + tekstNavn + "?");
    EXPECT_EQ(flade.Vist[2].Art, Boks::JaNej);
    EXPECT_EQ(flade.Vist[2].Tekst, "Filen: " + prjNavn + " eksisterer\n\rSkal den overskrives?");
    EXPECT_EQ(Laes(mappe + "/pendul.bak"), prj);
    EXPECT_NE(Laes(prjNavn), prj);
    EXPECT_EQ(Laes(prjNavn).substr(0, 11), "Pendul\r\n2\r\n");

    // The converted file loads.
    flade.Vist.clear();
    form->Projekt.TekstGemt = true;
    HentProjekt(prjNavn);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pendul"));
    EXPECT_EQ(Celle(0, 0, 1), "h [m]");
}

TEST_F(Projekter, ASyntaxErrorStopsTheConversionWithoutAFile) {
    Menu("OpbygProjektFilMenuItem");
    form->RedigerMemo->setPlainText(QStringLiteral("Tabel(1): tabel_type=S;\nKonstant(1): g = 1;"));
    form->Projekt.TekstGemt = true;
    flade.Vist.clear();
    Menu("OmdanTilProjektFilMenuItem");
    ASSERT_FALSE(flade.Vist.empty());
    EXPECT_EQ(flade.Vist[0].Art, Boks::FejlMedIgnorer);
    EXPECT_EQ(flade.Vist[0].Tekst.substr(0, 19), "Syntaksfejl i pos: ");
    for (const auto& v : flade.Vist) EXPECT_NE(v.Art, Boks::GemFil);
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(form->Projekt.Tilstand, 2);
}

TEST_F(Projekter, ConvertingWithoutATextFileNameProposesPlotvikPrj) {
    form->Projekt.Tilstand = 2;
    form->RedigerMemo->setPlainText(QString::fromLatin1(PendulTekst));
    form->Projekt.TekstGemt = true;
    form->Projekt.TekstFilNavn.clear();
    flade.FilSvar.push_back(std::nullopt);
    Menu("OmdanTilProjektFilMenuItem");
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Tekst, "Projekt filer (*.prj)|*.prj|Alle filer (*.*)|*.*|Plotvik.prj");
}

TEST_F(Projekter, TheBackupNameComesFromTheFileNameNotTheFolder) {
    const struct { const char* navn; const char* bak; } raekker[] = {
        {"/tmp/a.b/pendul.prj", "/tmp/a.b/pendul.bak"},
        {"pendul.prj", "pendul.bak"},
        {"/data/maaling.x.txt", "/data/maaling.bak"},
        {"/data/uden", ""},
    };
    for (const auto& r : raekker) EXPECT_EQ(SkiftEndelse(r.navn, "bak"), r.bak) << r.navn;
}

TEST_F(Projekter, HentFilAndGemFilSom) {
    const std::string navn = mappe + "/noter.txt";
    Skriv(navn, "f\xF8rste linie\r\nanden linie\r\n");
    flade.FilSvar.push_back(navn);
    Menu("HentFilMenuItem");
    EXPECT_EQ(flade.Vist[0].Tekst, "Tekst filer (*.txt)|*.txt|Alle filer (*.*)|*.*|.\\*.txt");
    EXPECT_EQ(form->Projekt.Tilstand, 6);
    EXPECT_EQ(form->Projekt.TekstFilNavn, navn);
    EXPECT_TRUE(form->Projekt.TekstGemt);
    EXPECT_EQ(FraQString(form->RedigerMemo->toPlainText()), "f\xF8rste linie\nanden linie");
    EXPECT_EQ(form->SideKontrol->currentWidget(), form->Ark[6]);

    form->RedigerMemo->appendPlainText(QStringLiteral("tredje"));
    EXPECT_FALSE(form->Projekt.TekstGemt);
    Menu("GemFilMenuItem");  // saves under its own name without a question
    EXPECT_TRUE(form->Projekt.TekstGemt);
    EXPECT_EQ(Laes(navn), "f\xF8rste linie\r\nanden linie\r\ntredje\r\n");
    EXPECT_FALSE(std::filesystem::exists(mappe + "/noter.bak"));

    flade.Vist.clear();
    flade.FilSvar.push_back(navn);
    flade.Svar.push_back(true);
    Menu("GemFilSomMenuItem");
    EXPECT_EQ(flade.Vist.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(mappe + "/noter.bak"));

    // A cancelled dialog saves nothing.
    form->RedigerMemo->appendPlainText(QStringLiteral("fjerde"));
    flade.FilSvar.push_back(std::nullopt);
    Menu("GemFilSomMenuItem");
    EXPECT_FALSE(form->Projekt.TekstGemt);
    EXPECT_EQ(Laes(navn), "f\xF8rste linie\r\nanden linie\r\ntredje\r\n");
}

TEST_F(Projekter, GemFilAfterLoadingAProjectAsksForTheName) {
    HentPendul();
    form->RedigerMemo->setPlainText(QStringLiteral("noter"));
    flade.FilSvar.push_back(mappe + "/noter.txt");
    Menu("GemFilMenuItem");
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Tekst, "Alle filer (*.*)|*.*|*.*");
    EXPECT_EQ(Laes(mappe + "/noter.txt"), "noter\r\n");
}

TEST_F(Projekter, RedigerProjektFilOpensTheFileAsText) {
    const std::string navn = Kopi("Pendul.prj");
    flade.FilSvar.push_back(navn);
    Menu("RedigerProjektFilMenuItem");
    EXPECT_EQ(form->Projekt.Tilstand, 1);
    EXPECT_EQ(form->Projekt.ProjektFilNavn, navn);
    EXPECT_TRUE(form->Projekt.TekstGemt);
    EXPECT_TRUE(form->RedigerMemo->toPlainText().startsWith(QStringLiteral("Pendul\n1\ng=9.82[m/s^2]")));
    EXPECT_EQ(form->SideKontrol->currentWidget(), form->Ark[6]);
    // A cancelled dialog changes nothing but still shows the text sheet.
    form->SideKontrol->setCurrentIndex(0);
    flade.FilSvar.push_back(std::nullopt);
    Menu("RedigerProjektFilMenuItem");
    EXPECT_EQ(form->Projekt.Tilstand, 1);
    EXPECT_EQ(form->SideKontrol->currentWidget(), form->Ark[6]);
}

TEST_F(Projekter, ClosingWithUnsavedTextAsksFirst) {
    form->Projekt.Tilstand = 6;
    form->Projekt.TekstFilNavn = mappe + "/luk.txt";
    form->RedigerMemo->setPlainText(QStringLiteral("ikke gemt"));
    flade.Svar.push_back(false);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Tekst, "Gem \xE6ndringer til filen " + mappe + "/luk.txt?");
    EXPECT_FALSE(std::filesystem::exists(mappe + "/luk.txt")) << "No ends without saving";

    form->show();
    form->RedigerMemo->setPlainText(QStringLiteral("gem mig"));
    flade.Svar.push_back(true);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(Laes(mappe + "/luk.txt"), "gem mig\r\n");

    form->show();
    flade.Vist.clear();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(flade.Vist.empty()) << "nothing unsaved, nothing asked";
}

TEST_F(Projekter, OpbygAsksAboutUnsavedTextBeforeEmptyingTheSheet) {
    form->Projekt.Tilstand = 6;
    form->Projekt.TekstFilNavn = mappe + "/gammel.txt";
    form->RedigerMemo->setPlainText(QStringLiteral("gammel tekst"));
    form->Projekt.OpbygTaellere = {'3', '2', '5', '1'};
    flade.Svar.push_back(true);
    Menu("OpbygProjektFilMenuItem");
    ASSERT_EQ(flade.Vist.size(), 2u);
    EXPECT_EQ(flade.Vist[0].Tekst, "Gem \xE6ndringer til filen " + mappe + "/gammel.txt?");
    EXPECT_EQ(Laes(mappe + "/gammel.txt"), "gammel tekst\r\n");
    EXPECT_TRUE(form->RedigerMemo->toPlainText().isEmpty());
    EXPECT_EQ(form->Projekt.OpbygTaellere, (std::array<char, 4>{'0', '0', '0', '0'}));
}

TEST_F(Projekter, ACancelledLoadStillClearsTheEarlierProject) {
    HentPendul();
    EXPECT_TRUE(form->TabelGrid[1]->isVisible());
    flade.FilSvar.push_back(std::nullopt);
    Menu("HentProjektFilMenuItem");
    EXPECT_FALSE(form->TabelGrid[1]->isVisible());
    EXPECT_FALSE(form->TabelGrid[0]->isVisible());
    EXPECT_EQ(form->Projekt.Tilstand, 0);
    EXPECT_EQ(form->Projekt.AntalTabeller, 0);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Plotvik "));
}

}  // namespace
}  // namespace plotvik::test

namespace plotvik::test {
namespace {

// Building on after a conversion continues the dialogs' numbering: the next
// variable and graph never take a number the converted text already uses.
TEST_F(Projekter, KonverteringBevarerOpbygningensLoebenumre) {
    form->Projekt.Tilstand = 2;
    form->RedigerMemo->setPlainText(QString::fromLatin1(PendulTekst));
    form->Projekt.TekstGemt = true;
    form->Projekt.OpbygTaellere = {'1', '1', '3', '1'};
    flade.FilSvar.push_back(std::nullopt);  // no project file written this time
    Menu("OmdanTilProjektFilMenuItem");
    EXPECT_EQ(form->Projekt.OpbygTaellere[2], '3');
    EXPECT_EQ(form->Projekt.OpbygTaellere[3], '1');
    EXPECT_GE(form->Projekt.OpbygTaellere[0], '1');
}

}  // namespace
}  // namespace plotvik::test
