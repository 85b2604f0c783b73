// Definition texts of constants and variables, and the analysis of a table.
#include <gtest/gtest.h>

#include "files/PlotvikAnalyse.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;

TEST(Definition, TheFourKindsAndTheirParts) {
    struct Tilfaelde {
        const char* tekst;
        int art;
        const char* navn;
        const char* vaerdi;
        const char* udtryk;
        const char* enhed;
        int positioner, decimaler;
    } tilfaelde[] = {
        {"g=9.82[m/s^2]", 1, "g", "9.820", "", "[m/s^2]", 0, 0},
        {"g=9,82[m/s^2]", 1, "g", "9.820", "", "[m/s^2]", 0, 0},  // the decimal comma the dialog writes
        {"g=9.8123", 1, "g", "9.812", "", "", 0, 0},
        {"k=1/3", 1, "k", "0.333", "", "", 0, 0},
        {"k=8/4/2", 1, "k", "4.000", "", "", 0, 0},
        {"k=2*3/4", 1, "k", "1.500", "", "", 0, 0},
        {"k=12345", 1, "k", "1.23450E+04", "", "", 0, 0},
        {"k=-2,5e-3", 1, "k", "-2.50000E-03", "", "", 0, 0},
        {"m=?", 0, "m", "", "", "", 0, 0},
        {"m=?[kg]", 0, "m", "", "", "[kg]", 0, 0},
        {"t:=?[s]", 2, "t", "", "", "[s]", 0, 0},
        {"v:=s/t:8:2[m/s]", 3, "v", "", "s/t", "[m/s]", 8, 2},
        {"v:=s/t:123", 3, "v", "", "s/t", "", 12, 0},
        {"v:=s/t:8:0456", 3, "v", "", "s/t", "", 8, 4},
        {"v:=s/t", 3, "v", "", "s/t", "", 0, 0},
        {"a:=L/T^2:8:3[m/s^2]", 3, "a", "", "L/T^2", "[m/s^2]", 8, 3},
        {"c:=Fourier(y,3)", 3, "c", "", "Fourier(y,3)", "", 0, 0},
        {"c:=fourier(t,U):8:3[V]", 3, "c", "", "fourier(t,U)", "[V]", 8, 3},
        {"\xC6\xF8_2:=\xE5*2", 3, "\xC6\xF8_2", "", "\xE5*2", "", 0, 0},
        {"x:=(a+b)*1.5E3-sin(c)", 3, "x", "", "(a+b)*1.5E3-sin(c)", "", 0, 0},
        {"u:=?[\"]", 2, "u", "", "", "[\"]", 0, 0},
    };
    for (const auto& t : tilfaelde) {
        FakeFlade flade;
        TDefinition d = AnalyserDefinition(t.tekst);
        EXPECT_FALSE(Fejl) << t.tekst;
        EXPECT_TRUE(flade.Vist.empty()) << t.tekst;
        EXPECT_EQ(d.Art, t.art) << t.tekst;
        EXPECT_EQ(d.Navn, t.navn) << t.tekst;
        EXPECT_EQ(d.VaerdiTekst, t.vaerdi) << t.tekst;
        EXPECT_EQ(d.Udtryk, t.udtryk) << t.tekst;
        EXPECT_EQ(d.Enhed, t.enhed) << t.tekst;
        EXPECT_EQ(d.Positioner, t.positioner) << t.tekst;
        EXPECT_EQ(d.Decimaler, t.decimaler) << t.tekst;
    }
}

TEST(Definition, SyntaxErrorsNameThePosition) {
    struct Tilfaelde {
        const char* tekst;
        int pos;
    } tilfaelde[] = {
        {"2x:=?", 1},
        {"v:=s,t", 5},
        {"a:=b[m", 7},
        {"c:=Fourier(y,3)+1", 16},
        {"c:=Fourier(y,3", 4},
        {"c:=2*Fourier(y,3)", 15},  // only an expression that is the word's call is a Fourier column
        {"k=1/0", 6},
        {"k=1/x", 6},
        {"k=2,5,1", 8},
        {"k=", 3},
        {"k=1e999", 8},
        {"x:?", 3},
        {"x:=", 4},
        {"x:=a:", 6},
        {"x:=a:8:", 8},
        {"x:=a:x", 6},
        {"x", 2},
        {"", 1},
        {"x:=?:8", 5},
        {"x=5[m]y", 7},
    };
    for (const auto& t : tilfaelde) {
        FakeFlade flade;
        AnalyserDefinition(t.tekst);
        EXPECT_TRUE(Fejl) << t.tekst;
        ASSERT_EQ(flade.Vist.size(), 1u) << t.tekst;
        EXPECT_EQ(flade.Vist[0].Art, Boks::FejlMedIgnorer);
        EXPECT_EQ(flade.Vist[0].Tekst,
                  "Syntaksfejl i pos: " + std::to_string(t.pos) + " i variabeludtryk: \n\r" + t.tekst);
    }
}

TProjekt ProjektMed(std::initializer_list<const char*> linier) {
    TProjekt p;
    StartProjekt(p);
    for (auto l : linier) FortolkProjektLinie(p, l);
    return p;
}

TEST(Definition, TableAnalysisFillsNamesExpressionsAndHeaders) {
    FakeFlade flade;
    TProjekt p = ProjektMed({
        "Tabel(1): tabel_type=S; antal_variable=4; antal_indgange= 5; tabel_bredde= 10;",
        "Variabel(1,1): L:=?[m];",
        "Variabel(1,2): T:=?[s];",
        "Variabel(1,3): a:= L/T^2:8:3 [m/s^2];",
        "Variabel(1,4): b:= a*2;",
    });
    AnalyserTabel(p, 1);
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(flade.Vist.empty());
    const auto& t = p.Tabeller[1];
    EXPECT_EQ(t.AntalInddata, 2);
    struct {
        const char* navn;
        const char* udtryk;
        const char* enhed;
        TDefinitionsArt art;
        int pos, dec;
        const char* overskrift;
    } forventet[] = {
        {"", "", "", TDefinitionsArt::Inddata, 0, 0, ""},
        {"L", "", "[m]", TDefinitionsArt::Inddata, 0, 0, "L [m]"},
        {"T", "", "[s]", TDefinitionsArt::Inddata, 0, 0, "T [s]"},
        {"a", "L/T^2", "[m/s^2]", TDefinitionsArt::Udtryk, 8, 3, "a [m/s^2]"},
        {"b", "a*2", "", TDefinitionsArt::Udtryk, 10, 0, "b "},
    };
    for (int v = 1; v <= 4; ++v) {
        EXPECT_EQ(t.Variable[v].Navn, forventet[v].navn);
        EXPECT_EQ(t.Variable[v].Udtryk, forventet[v].udtryk);
        EXPECT_EQ(t.Variable[v].Enhed, forventet[v].enhed);
        EXPECT_EQ(t.Variable[v].Art, forventet[v].art);
        EXPECT_EQ(t.Variable[v].Positioner, forventet[v].pos);
        EXPECT_EQ(t.Variable[v].Decimaler, forventet[v].dec);
        EXPECT_EQ(t.Celler.HentCelle(v, 1), forventet[v].overskrift);
    }
    EXPECT_EQ(t.Celler.Raekker(), 4);
    EXPECT_EQ(t.Celler.Soejler(), 6);
    EXPECT_EQ(t.AntalRaekker, 6);  // "S": a row per measurement below the header
    EXPECT_EQ(t.AntalSoejler, 4);
}

TEST(Definition, TableAnalysisMessages) {
    struct Tilfaelde {
        const char* v1;
        const char* v2;
        std::string besked;
        int stoppetVed;  // the variable whose name is the last stored
    } tilfaelde[] = {
        {"y:=2*3", "t:=?[s]", "Fejl i udtryk \"t:=?[s]\" i tabel: 2", 2},
        {"t:=?", "x=5", "Fejl i udtryk \"x=5\" i tabel: 2", 2},
        {"m = ?", "t:=?", "Fejl i udtryk \"m=?\" i tabel: 2", 1},
        {"t:=?", "v:=s,t", "Syntaksfejl i pos: 5 i variabeludtryk: \n\rv:=s,t", 1},
    };
    for (const auto& t : tilfaelde) {
        FakeFlade flade;
        TProjekt p = ProjektMed({"Tabel(2): tabel_type=R; antal_variable=3; antal_indgange= 2; tabel_bredde= 9;"});
        p.Tabeller[2].Variable[1].Definition = t.v1;
        p.Tabeller[2].Variable[2].Definition = t.v2;
        p.Tabeller[2].Variable[3].Definition = "z:=1";
        AnalyserTabel(p, 2);
        EXPECT_TRUE(Fejl) << t.v2;
        ASSERT_EQ(flade.Vist.size(), 1u) << t.v2;
        EXPECT_EQ(flade.Vist[0].Art, Boks::FejlMedIgnorer);
        EXPECT_EQ(flade.Vist[0].Tekst, t.besked);
        EXPECT_FALSE(p.Tabeller[2].Variable[t.stoppetVed].Navn.empty());
        EXPECT_TRUE(p.Tabeller[2].Variable[3].Navn.empty()) << "the analysis stops at the failing definition";
    }
}

TEST(Definition, ConstantsGetValuesAndHeaders) {
    FakeFlade flade;
    TProjekt p = ProjektMed({"Konstant(1): g = 9,8123 [m/s^2];", "Konstant(2): m = ? [kg];", "Konstant(3): k = 1/3;",
                             "Konstant(4): q := 2*g;"});
    p.Tabeller[0].AntalIndgange = 1;
    p.Tabeller[0].TabelBredde = 12;
    AnalyserTabel(p, 0);
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(flade.Vist.empty());
    const auto& c = p.Tabeller[0].Celler;
    EXPECT_EQ(c.HentCelle(1, 1), "g [m/s^2]");
    EXPECT_EQ(c.HentCelle(1, 2), "9.812");
    EXPECT_DOUBLE_EQ(p.KonstantVaerdi[1], 9.812);  // the shown value is the one used
    EXPECT_EQ(c.HentCelle(2, 1), "m [kg]");
    EXPECT_EQ(c.HentCelle(2, 2), "");
    EXPECT_EQ(c.HentCelle(3, 2), "0.333");
    EXPECT_DOUBLE_EQ(p.KonstantVaerdi[3], 0.333);
    EXPECT_EQ(c.HentCelle(4, 1), "q ");
    EXPECT_EQ(c.HentCelle(4, 2), "");
    EXPECT_EQ(p.Tabeller[0].Variable[4].Art, TDefinitionsArt::Udtryk);
    EXPECT_EQ(p.Tabeller[0].TabelBredde, 12);
}

TEST(Definition, LongConstantHeadersWidenTheColumnsWhileTheyFit) {
    // A header of 26 characters: 3 constants need 3 * (6 * 26 + 2) + 2 = 476 pixels,
    // 5 constants 792, which is not below 750.
    struct {
        int antal;
        int bredde;
    } tilfaelde[] = {{3, 26}, {4, 26}, {5, 12}};
    for (auto t : tilfaelde) {
        FakeFlade flade;
        TProjekt p;
        StartProjekt(p);
        FortolkProjektLinie(p, "Konstant(1): tyngdeacceleration = 9.82 [m/s^2];");
        for (int i = 2; i <= t.antal; ++i)
            FortolkProjektLinie(p, "Konstant(" + std::to_string(i) + "): k = 1;");
        p.Tabeller[0].TabelBredde = 12;
        p.Tabeller[0].AntalIndgange = 1;
        AnalyserTabel(p, 0);
        EXPECT_FALSE(Fejl);
        EXPECT_EQ(p.Tabeller[0].Celler.HentCelle(1, 1), "tyngdeacceleration [m/s^2]");
        EXPECT_EQ(p.Tabeller[0].TabelBredde, t.bredde) << t.antal;
    }
}

TEST(Definition, HeadersAndNamesAreCutTo32) {
    FakeFlade flade;
    TProjekt p = ProjektMed({"Tabel(1): tabel_type=S; antal_variable=1; antal_indgange= 1; tabel_bredde= 10;"});
    std::string navn(40, 'x');
    p.Tabeller[1].Variable[1].Definition = navn + ":=?[m]";
    AnalyserTabel(p, 1);
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(p.Tabeller[1].Variable[1].Navn, std::string(32, 'x'));
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(1, 1), std::string(32, 'x'));
}

}  // namespace
}  // namespace plotvik
