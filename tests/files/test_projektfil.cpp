// The project file: written byte for byte, read back into the same model.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "files/ProjektFil.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;

using test::LaesBytes;
using test::SkrivBytes;

const char* PendulLinier[] = {
    "Overskrift(1): overskrift=\"Pendul\";",
    "Konstant(1): g = 9.82 [m/s^2];",
    "Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;",
    "Variabel(1,1): L:=?[m];",
    "Variabel(1,2): T:=?[s];",
    "Variabel(1,3): a:= L/T^2:8:3 [m/s^2];",
    "Graf(1,1): graf_navn=\"T mod L\"; grafark_no=1; xgraf=L; ygraf=T;graf_type=R;",
    "Grafakse(1,1):  xmin=0.1; xmax=1.5; ymin=0.5; ymax=3;",
};

// The project file of the example, line by line as the description lists it.
const std::string PendulFil =
    "Pendul\r\n"
    "1\r\n"
    "g=9.82[m/s^2]\r\n"
    "1\r\n"
    "S 3 5 10\r\n"
    "L:=?[m]\r\n"
    "T:=?[s]\r\n"
    "a:=L/T^2:8:3[m/s^2]\r\n"
    "1\r\n"
    "T mod L\r\n"
    "1\r\n"
    "L\r\n"
    "T\r\n"
    " 1.0E-0001  1.5E+0000\r\n"
    " 5.0E-0001  3.0E+0000\r\n"
    "R\r\n";

TProjekt Konverter(std::initializer_list<const char*> linier) {
    TProjekt p;
    StartProjekt(p);
    for (auto l : linier) {
        FortolkProjektLinie(p, l);
        EXPECT_FALSE(Fejl) << l;
    }
    return p;
}

TEST(ProjektFil, AxisLimitsInTheFilesScientificForm) {
    struct {
        double x;
        const char* tekst;
    } tabel[] = {
        {0.1, " 1.0E-0001"},  {1.5, " 1.5E+0000"},   {3, " 3.0E+0000"},      {6.282, " 6.3E+0000"},
        {0, " 0.0E+0000"},    {-2, "-2.0E+0000"},    {-0.05, "-5.0E-0002"},  {0.25, " 2.5E-0001"},
        {2.25, " 2.3E+0000"}, {-2.25, "-2.3E+0000"}, {9.96, " 1.0E+0001"},   {12345, " 1.2E+0004"},
        {1e100, " 1.0E+0100"}, {1e-300, " 1.0E-0300"}, {0.0625, " 6.3E-0002"},
    };
    for (auto t : tabel) EXPECT_EQ(AkseGraenseTekst(t.x), t.tekst) << t.x;
}

TEST(ProjektFil, ThePendulExampleIsWrittenByteForByte) {
    FakeFlade flade;
    TProjekt p;
    StartProjekt(p);
    for (auto l : PendulLinier) FortolkProjektLinie(p, l);
    ASSERT_FALSE(Fejl);
    const auto mappe = test::NyTempMappe("projektfil_pendul");
    const auto navn = mappe + "/Pendul.prj";
    p.TekstGemt = false;
    SkrivProjektFil(p, navn);
    EXPECT_TRUE(p.TekstGemt);
    EXPECT_EQ(LaesBytes(navn), PendulFil);
    EXPECT_TRUE(flade.Vist.empty());
    // Nothing but the file is left in the folder.
    int filer = 0;
    for (auto& e : std::filesystem::directory_iterator(mappe)) filer += e.is_regular_file();
    EXPECT_EQ(filer, 1);
}

// A model fit keeps its model and start values on two lines after its type
// letter; the graph before it and the rest of the file are as without one.
TEST(ProjektFil, AModelFitIsWrittenWithItsModelAndStartValuesAndReadBack) {
    FakeFlade flade;
    TProjekt p;
    StartProjekt(p);
    for (auto l : PendulLinier) FortolkProjektLinie(p, l);
    FortolkProjektLinie(p, "Graf(1,2): graf_navn=\"Model\"; grafark_no=2; xgraf=L; ygraf=T;graf_type=M; "
                           "model=k*L^n; startvaerdier=\"k=2 n=0,5\";");
    FortolkProjektLinie(p, "Grafakse(1,2):  xmin=0.1; xmax=1.5; ymin=0.5; ymax=3;");
    ASSERT_FALSE(Fejl);
    const auto mappe = test::NyTempMappe("projektfil_modelfit");
    SkrivProjektFil(p, mappe + "/Model.prj");
    std::string forventet = PendulFil;
    const std::string enGraf = "[m/s^2]\r\n1\r\nT mod L";
    forventet.replace(forventet.find(enGraf), enGraf.size(), "[m/s^2]\r\n2\r\nT mod L");  // two graphs
    forventet += "Model\r\n2\r\nL\r\nT\r\n 1.0E-0001  1.5E+0000\r\n 5.0E-0001  3.0E+0000\r\nM\r\nk*L^n\r\nk=2 n=0,5\r\n";
    EXPECT_EQ(LaesBytes(mappe + "/Model.prj"), forventet);
    TProjekt q;
    StartProjekt(q);
    LaesProjektFil(q, mappe + "/Model.prj");
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    ASSERT_EQ(q.Tabeller[1].AntalGrafer, 2);
    EXPECT_EQ(q.Tabeller[1].Grafer[2].GrafType, 'M');
    EXPECT_EQ(q.Tabeller[1].Grafer[2].Model, "k*L^n");
    EXPECT_EQ(q.Tabeller[1].Grafer[2].StartVaerdier, "k=2 n=0,5");
    EXPECT_EQ(q.Tabeller[1].Grafer[1].GrafType, 'R');
}

TEST(ProjektFil, ReadingBackGivesTheSameModel) {
    FakeFlade flade;
    const auto mappe = test::NyTempMappe("projektfil_laes");
    SkrivBytes(mappe + "/Pendul.prj", PendulFil);
    TProjekt p;
    StartProjekt(p);
    LaesProjektFil(p, mappe + "/Pendul.prj");
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_EQ(p.Overskrift, "Pendul");
    EXPECT_EQ(p.AntalKonstanter, 1);
    EXPECT_EQ(p.Tabeller[0].Variable[1].Definition, "g=9.82[m/s^2]");
    EXPECT_EQ(p.Tabeller[0].TabelType, 'S');
    EXPECT_EQ(p.Tabeller[0].AntalInddata, 1);
    EXPECT_EQ(p.Tabeller[0].AntalIndgange, 1);
    EXPECT_EQ(p.Tabeller[0].TabelBredde, 12);
    EXPECT_DOUBLE_EQ(p.KonstantVaerdi[1], 9.82);
    EXPECT_EQ(p.Tabeller[0].Celler.HentCelle(1, 1), "g [m/s^2]");
    EXPECT_EQ(p.Tabeller[0].Celler.HentCelle(1, 2), "9.820");
    EXPECT_EQ(p.AntalTabeller, 1);
    const auto& t = p.Tabeller[1];
    EXPECT_EQ(t.TabelType, 'S');
    EXPECT_EQ(t.AntalVariable, 3);
    EXPECT_EQ(t.AntalIndgange, 5);
    EXPECT_EQ(t.TabelBredde, 10);
    EXPECT_EQ(t.Variable[3].Definition, "a:=L/T^2:8:3[m/s^2]");
    EXPECT_EQ(t.AntalInddata, 2);
    EXPECT_EQ(t.Variable[3].Udtryk, "L/T^2");
    EXPECT_EQ(t.Celler.HentCelle(3, 1), "a [m/s^2]");
    EXPECT_EQ(t.Celler.Soejler(), 6);
    EXPECT_EQ(t.AntalGrafer, 1);
    const auto& g = t.Grafer[1];
    EXPECT_EQ(g.GrafNavn, "T mod L");
    EXPECT_EQ(g.GrafArkNo, 1);
    EXPECT_EQ(g.XGraf, "L");
    EXPECT_EQ(g.YGraf, "T");
    EXPECT_DOUBLE_EQ(g.XMin, 0.1);
    EXPECT_DOUBLE_EQ(g.XMax, 1.5);
    EXPECT_DOUBLE_EQ(g.YMin, 0.5);
    EXPECT_DOUBLE_EQ(g.YMax, 3.0);
    EXPECT_EQ(g.GrafType, 'R');

    // Written again, the file is the same.
    SkrivProjektFil(p, mappe + "/Igen.prj");
    EXPECT_EQ(LaesBytes(mappe + "/Igen.prj"), PendulFil);
}

TEST(ProjektFil, RoundTripsKeepEveryFieldWithinTheFilesPrecision) {
    FakeFlade flade;
    TProjekt p = Konverter({
        "Overskrift(1): overskrift=\"Fjeder og lod paa et stativ i 2.g\";",
        "Tabel(1): tabel_type=R; antal_variable=2; antal_indgange= 7; tabel_bredde= 12;",
        "Variabel(1,1): m:=?[kg];",
        "Variabel(1,2): F:= m*9.82:9:2 [N];",
        "Tabel(2): tabel_type=S; antal_variable=1; antal_indgange= 3; tabel_bredde= 8;",
        "Variabel(2,1): x:=?;",
        "Graf(1,1): graf_navn=\"Kraft som funktion af massen!\"; grafark_no=2; xgraf=m; ygraf=F; graf_type=P; pol_grad=2;",
        "Grafakse(1,1): xmin=-0.0123; xmax=6.282; ymin=0; ymax=12345;",
        "Graf(1,3): graf_navn=\"\"; grafark_no=3; xgraf=m*2; ygraf=F/2; graf_type=s;",
    });
    const auto mappe = test::NyTempMappe("projektfil_rundtur");
    SkrivProjektFil(p, mappe + "/f.prj");
    const std::string fil = LaesBytes(mappe + "/f.prj");
    EXPECT_NE(fil.find("\r\n0\r\n"), std::string::npos) << "table 2 has no graphs";
    EXPECT_NE(fil.find("\r\nP\r\n2\r\n"), std::string::npos);

    TProjekt q;
    StartProjekt(q);
    LaesProjektFil(q, mappe + "/f.prj");
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(q.Overskrift, "Fjeder og lod paa et stativ i 2.");  // 32 characters
    EXPECT_EQ(q.AntalKonstanter, 0);
    EXPECT_EQ(q.AntalTabeller, 2);
    for (int t = 1; t <= 2; ++t) {
        EXPECT_EQ(q.Tabeller[t].TabelType, p.Tabeller[t].TabelType);
        EXPECT_EQ(q.Tabeller[t].AntalVariable, p.Tabeller[t].AntalVariable);
        EXPECT_EQ(q.Tabeller[t].AntalIndgange, p.Tabeller[t].AntalIndgange);
        EXPECT_EQ(q.Tabeller[t].TabelBredde, p.Tabeller[t].TabelBredde);
        EXPECT_EQ(q.Tabeller[t].AntalGrafer, p.Tabeller[t].AntalGrafer);
        for (int v = 1; v <= p.Tabeller[t].AntalVariable; ++v)
            EXPECT_EQ(q.Tabeller[t].Variable[v].Definition, p.Tabeller[t].Variable[v].Definition);
    }
    const auto& g1 = q.Tabeller[1].Grafer[1];
    EXPECT_EQ(g1.GrafNavn, "Kraft som funktion af mas");  // 25 characters
    EXPECT_EQ(g1.GrafArkNo, 2);
    EXPECT_EQ(g1.GrafType, 'P');
    EXPECT_EQ(g1.PolGrad, 2);
    EXPECT_DOUBLE_EQ(g1.XMin, -0.012);
    EXPECT_DOUBLE_EQ(g1.XMax, 6.3);
    EXPECT_DOUBLE_EQ(g1.YMin, 0);
    EXPECT_DOUBLE_EQ(g1.YMax, 12000);
    const auto& g2 = q.Tabeller[1].Grafer[2];  // never defined: written as it stood
    EXPECT_EQ(g2.GrafType, 'K');
    const auto& g3 = q.Tabeller[1].Grafer[3];
    EXPECT_EQ(g3.GrafNavn, "");
    EXPECT_EQ(g3.XGraf, "m*2");
    EXPECT_EQ(g3.YGraf, "F/2");
    EXPECT_EQ(g3.GrafType, 'S');
    EXPECT_EQ(g3.GrafArkNo, 3);
}

TEST(ProjektFil, AShortFileLeavesTheRestAsItWas) {
    FakeFlade flade;
    const auto mappe = test::NyTempMappe("projektfil_kort");
    // Ends after the definitions of table 1.
    SkrivBytes(mappe + "/kort.prj", "Kort\r\n0\r\n1\r\nS 2 4 10\r\nx:=?[m]\r\ny:=x*2\r\n");
    TProjekt p;
    StartProjekt(p);
    p.Tabeller[1].AntalGrafer = 0;
    p.Tabeller[1].Grafer[1].GrafNavn = "uberoert";
    LaesProjektFil(p, mappe + "/kort.prj");
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_EQ(p.Overskrift, "Kort");
    EXPECT_EQ(p.Tabeller[1].AntalVariable, 2);
    EXPECT_EQ(p.Tabeller[1].AntalInddata, 1);
    EXPECT_EQ(p.Tabeller[1].Variable[2].Udtryk, "x*2");
    EXPECT_EQ(p.Tabeller[1].Grafer[1].GrafNavn, "uberoert");
}

TEST(ProjektFil, AReadFailureIsShownAndWhatWasReadIsStillAnalysed) {
    struct Tilfaelde {
        std::string indhold;
        std::string besked;
    } tilfaelde[] = {
        {"P\r\n1\r\ng=9.82\r\nto\r\n",
         "Fejl ved l\xE6sning af projektfilen i linie 4: Antal tabeller skal v\xE6re et heltal fra 0 til 4"},
        {"P\r\n1\r\ng=9.82\r\n1\r\nS x 5 10\r\n",
         "Fejl ved l\xE6sning af projektfilen i linie 5: tabel 1 skal beskrives af type, antal variable, "
         "antal m\xE5linger og feltbredde"},
        {"P\r\n1\r\ng=9.82\r\n1\r\nS 23 5 10\r\n",
         "Fejl ved l\xE6sning af projektfilen i linie 5: tabel 1 skal beskrives af type, antal variable, "
         "antal m\xE5linger og feltbredde"},
        {"P\r\n1\r\ng=9.82\r\n1\r\nS 0 5 10\r\n4\r\n",
         "Fejl ved l\xE6sning af projektfilen i linie 6: Antal grafer skal v\xE6re et heltal fra 0 til 3"},
        {"P\r\n1\r\ng=9.82\r\n1\r\nS 0 5 10\r\n1\r\nN\r\n7\r\n",
         "Fejl ved l\xE6sning af projektfilen i linie 8: Grafarkets nummer skal v\xE6re et heltal fra 1 til 3"},
        {"P\r\n1\r\ng=9.82\r\n1\r\nS 0 5 10\r\n1\r\nN\r\n1\r\nx\r\ny\r\n1 2\r\nen to\r\n",
         "Fejl ved l\xE6sning af projektfilen i linie 12: to aksegr\xE6nser var ventet"},
        {"P\r\n1\r\ng=9.82\r\n1\r\nS 0 5 10\r\n1\r\nN\r\n1\r\nx\r\ny\r\n1 2\r\n3 4\r\n\r\n",
         "Fejl ved l\xE6sning af projektfilen i linie 13: graftypen mangler"},
        {"P\r\n0\r\n1\r\nS 0 5 10\r\n1\r\nN\r\n1\r\nx\r\ny\r\n1 2\r\n3 4\r\nP\r\nto\r\n",
         "Fejl ved l\xE6sning af projektfilen i linie 13: Polynomiets grad skal v\xE6re et heltal fra 0 til 1000"},
        {"P\r\n23\r\n", "Fejl ved l\xE6sning af projektfilen i linie 2: Antal konstanter skal v\xE6re et heltal fra 0 til 22"},
    };
    const auto mappe = test::NyTempMappe("projektfil_fejl");
    for (const auto& t : tilfaelde) {
        FakeFlade flade;
        SkrivBytes(mappe + "/f.prj", t.indhold);
        TProjekt p;
        StartProjekt(p);
        LaesProjektFil(p, mappe + "/f.prj");
        ASSERT_EQ(flade.Vist.size(), 1u) << t.indhold;
        EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
        EXPECT_EQ(flade.Vist[0].Tekst, t.besked);
        if (p.AntalKonstanter == 1) {
            EXPECT_DOUBLE_EQ(p.KonstantVaerdi[1], 9.82) << "the constants are analysed after the failure";
        }
    }
}

TEST(ProjektFil, AFileThatCannotBeOpened) {
    FakeFlade flade;
    TProjekt p;
    StartProjekt(p);
    const auto navn = test::NyTempMappe("projektfil_mangler") + "/findes_ikke.prj";
    LaesProjektFil(p, navn);
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
    EXPECT_EQ(flade.Vist[0].Tekst, "Projektfilen " + navn + " kan ikke \xE5" "bnes");
    EXPECT_EQ(p.AntalTabeller, 0);
}

TEST(ProjektFil, AFileThatCannotBeCreatedIsNotWrittenAndNotMarkedSaved) {
    FakeFlade flade;
    TProjekt p = Konverter({"Overskrift(1): overskrift=\"x\";"});
    p.TekstGemt = false;
    const auto mappe = test::NyTempMappe("projektfil_opret");
    SkrivProjektFil(p, mappe + "/ingen/mappe/x.prj");
    EXPECT_FALSE(p.TekstGemt);
    EXPECT_TRUE(flade.Vist.empty());
    // A folder of the name is never replaced.
    std::filesystem::create_directory(mappe + "/x.prj");
    SkrivProjektFil(p, mappe + "/x.prj");
    EXPECT_FALSE(p.TekstGemt);
    EXPECT_TRUE(std::filesystem::is_directory(mappe + "/x.prj"));
}

TEST(ProjektFil, UTF8FromAModernEditorKeepsItsDanishLetters) {
    FakeFlade flade;
    TProjekt p;
    StartProjekt(p);
    LaesProjektFil(p, test::Kildesti("tests/files/fixtures/utf8_dansk.prj"));
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_EQ(p.Overskrift, "M\xE5linger p\xE5 fald");
    EXPECT_EQ(p.Tabeller[0].Variable[1].Navn, "\xE6");
    EXPECT_DOUBLE_EQ(p.KonstantVaerdi[1], 9.82);
    // Written in Windows-1252.
    const auto navn = test::NyTempMappe("projektfil_utf8") + "/u.prj";
    SkrivProjektFil(p, navn);
    EXPECT_EQ(LaesBytes(navn), "M\xE5linger p\xE5 fald\r\n1\r\n\xE6=9.82[m/s^2]\r\n0\r\n");
}

}  // namespace
}  // namespace plotvik
