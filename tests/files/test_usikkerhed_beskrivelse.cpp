// An input variable's uncertainty in the project description: the part the
// variable dialog appends to its line, and the parser reading it back.
#include <gtest/gtest.h>

#include "files/Opbygning.h"
#include "files/PlotvikAnalyse.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

TEST(UsikkerhedIBeskrivelse, VariabellinienGiverUsikkerhedenTilModellen) {
    struct Tilfaelde {
        std::string linie;
        TUsikkerhedsArt art;
        std::string tekst;
    };
    const Tilfaelde tilfaelde[] = {
        {"Variabel(1,1): t:=?[s];", TUsikkerhedsArt::Ingen, ""},
        {"Variabel(1,1): t:=?[s]; usikkerhed=0,01;", TUsikkerhedsArt::Absolut, "0,01"},
        {"Variabel(1,1): t:=?[s]; usikkerhed= 2 %;", TUsikkerhedsArt::Relativ, "2"},
        {"Variabel(1,1): t:=?[s]; usikkerhed=ut;", TUsikkerhedsArt::Soejle, "ut"},
        {"Variabel(1,1): t:=?[s]; usikkerhed=0", TUsikkerhedsArt::Absolut, "0"},
    };
    for (const auto& c : tilfaelde) {
        test::FakeFlade flade;
        TProjekt p;
        StartProjekt(p);
        FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=2; antal_indgange= 5; tabel_bredde= 10;");
        FortolkProjektLinie(p, c.linie);
        EXPECT_FALSE(Fejl) << c.linie;
        EXPECT_TRUE(flade.Vist.empty()) << c.linie;
        EXPECT_EQ(p.Tabeller[1].Variable[1].Definition, "t:=?[s]") << c.linie;
        EXPECT_EQ(p.Tabeller[1].Variable[1].UsikkerhedsArt, c.art) << c.linie;
        EXPECT_EQ(p.Tabeller[1].Variable[1].UsikkerhedsTekst, c.tekst) << c.linie;
    }
}

TEST(UsikkerhedIBeskrivelse, EnUsikkerhedDerIkkeKanLaesesErEnSyntaksfejl) {
    for (const char* linie : {"Variabel(1,1): t:=?[s]; usikkerhed=-1;", "Variabel(1,1): t:=?[s]; usikkerhed=;",
                              "Variabel(1,1): t:=?[s]; usikkerhed=1,2,3%;", "Variabel(1,1): t:=?[s]; usikkerhed=u-t;"}) {
        test::FakeFlade flade;
        flade.Svar.push_back(false);
        TProjekt p;
        StartProjekt(p);
        FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=2; antal_indgange= 5; tabel_bredde= 10;");
        FortolkProjektLinie(p, linie);
        EXPECT_TRUE(Fejl) << linie;
        ASSERT_EQ(flade.Vist.size(), 1u) << linie;
        EXPECT_TRUE(flade.Vist[0].Tekst.starts_with("Syntaksfejl i pos: ")) << flade.Vist[0].Tekst;
        Fejl = false;
    }
}

TEST(UsikkerhedIBeskrivelse, DialogensDelLaesesTilbageSomDenBlevSkrevet) {
    struct Tilfaelde {
        TUsikkerhedsArt art;
        std::string tekst, del;
    };
    const Tilfaelde tilfaelde[] = {{TUsikkerhedsArt::Ingen, "", ""},
                                   {TUsikkerhedsArt::Absolut, "0,005", " usikkerhed=0,005;"},
                                   {TUsikkerhedsArt::Relativ, "2", " usikkerhed=2%;"},
                                   {TUsikkerhedsArt::Soejle, "ut", " usikkerhed=ut;"}};
    for (const auto& c : tilfaelde) {
        EXPECT_EQ(UsikkerhedsDel(c.art, c.tekst), c.del);
        if (c.del.empty()) continue;
        TUsikkerhedsArt art{};
        std::string tekst;
        ASSERT_TRUE(LaesUsikkerhedsDel(c.del.substr(12, c.del.size() - 13), art, tekst)) << c.del;
        EXPECT_EQ(art, c.art);
        EXPECT_EQ(tekst, c.tekst);
    }
}

}  // namespace
}  // namespace plotvik
