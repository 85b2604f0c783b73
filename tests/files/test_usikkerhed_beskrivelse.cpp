// An input variable's uncertainty in the project description: the part the
// variable dialog appends to its line, and the parser reading it back.
#include <gtest/gtest.h>

#include "files/PlotvikAnalyse.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

// The dialog's own lines are checked in the window's tests; here also what
// a student may type by hand, and what is refused as a syntax fault.
TEST(UsikkerhedIBeskrivelse, VariabellinienGiverUsikkerhedenTilModellen) {
    struct Tilfaelde {
        std::string del;
        bool ok;
        TUsikkerhedsArt art;
        std::string tekst;
    };
    const Tilfaelde tilfaelde[] = {
        {"", true, TUsikkerhedsArt::Ingen, ""},           {" usikkerhed=0,01;", true, TUsikkerhedsArt::Absolut, "0,01"},
        {" usikkerhed= 2 %;", true, TUsikkerhedsArt::Relativ, "2"}, {" usikkerhed=ut;", true, TUsikkerhedsArt::Soejle, "ut"},
        {" usikkerhed=0", true, TUsikkerhedsArt::Absolut, "0"},   {" usikkerhed=-1;", false, {}, ""},
        {" usikkerhed=;", false, {}, ""},                        {" usikkerhed=1,2,3%;", false, {}, ""},
        {" usikkerhed=u-t;", false, {}, ""},
    };
    for (const auto& c : tilfaelde) {
        SCOPED_TRACE(c.del);
        test::FakeFlade flade;
        flade.Svar.push_back(false);
        TProjekt p;
        StartProjekt(p);
        FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=2; antal_indgange= 5; tabel_bredde= 10;");
        FortolkProjektLinie(p, "Variabel(1,1): t:=?[s];" + c.del);
        EXPECT_EQ(Fejl, !c.ok);
        Fejl = false;
        if (!c.ok) {
            ASSERT_EQ(flade.Vist.size(), 1u);
            EXPECT_TRUE(flade.Vist[0].Tekst.starts_with("Syntaksfejl i pos: ")) << flade.Vist[0].Tekst;
            continue;
        }
        EXPECT_TRUE(flade.Vist.empty());
        EXPECT_EQ(p.Tabeller[1].Variable[1].Definition, "t:=?[s]");
        EXPECT_EQ(p.Tabeller[1].Variable[1].UsikkerhedsArt, c.art);
        EXPECT_EQ(p.Tabeller[1].Variable[1].UsikkerhedsTekst, c.tekst);
    }
}

}  // namespace
}  // namespace plotvik
