// What the definition dialogs build must be readable: the built lines are
// converted by the project-description parser, written as a project file,
// loaded again and analysed, without a single message.
#include <gtest/gtest.h>

#include "files/Opbygning.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

// The "Fald" project as a newcomer builds it with the dialogs.
std::vector<std::string> FaldLinier(TProjekt& p) {
    std::vector<std::string> l;
    l.push_back(OpbygOverskrift(p, "Fald"));
    l.push_back(OpbygUddataKonstant(p, "g", "9,82", "m/s^2"));
    l.push_back(OpbygTabel(p, "1", false, "2", "5", "10"));
    l.push_back(OpbygInddataVariabel(p, "1", "t", "s"));
    l.push_back(OpbygUddataVariabel(p, "1", "v", "g*t", "8", "2", "m/s"));
    TGrafValg v;
    v.XGraf = "t";
    v.YGraf = "v";
    v.Overskrift = GrafOverskriftForslag("t", "v");
    v.GrafType = 'P';
    v.PolGrad = "2";
    v.XMin = "0";
    v.XMax = "5";
    v.YMin = "0";
    v.YMax = "50";
    TGrafLinier g = OpbygGraf(p, v);
    l.push_back(g.Graf);
    l.push_back(g.Grafakse);
    return l;
}

TEST(OpbygningRundtur, BuiltFaldProjectParsesWithoutMessages) {
    test::FakeFlade flade;
    TProjekt bygget;
    bygget.Tilstand = 2;
    auto linier = FaldLinier(bygget);

    TProjekt p;
    NulstilProjekt(p);
    Fejl = false;
    for (const auto& l : linier) FortolkProjektLinie(p, l);
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_EQ(p.Overskrift, "Fald");
    EXPECT_EQ(p.AntalKonstanter, 1);
    EXPECT_EQ(p.Tabeller[0].Variable[1].Definition, "g=9,82[m/s^2]");
    EXPECT_EQ(p.AntalTabeller, 1);
    const TTabelDef& t = p.Tabeller[1];
    EXPECT_EQ(t.TabelType, 'S');
    EXPECT_EQ(t.AntalVariable, 2);
    EXPECT_EQ(t.AntalIndgange, 5);
    EXPECT_EQ(t.TabelBredde, 10);
    EXPECT_EQ(t.Variable[1].Definition, "t:=?[s]");
    EXPECT_EQ(t.Variable[2].Definition, "v:=g*t:8:2[m/s]");
    EXPECT_EQ(t.AntalGrafer, 1);
    const TGrafDef& g = t.Grafer[1];
    EXPECT_EQ(g.GrafNavn, "t - v Diagram");
    EXPECT_EQ(g.GrafArkNo, 1);
    EXPECT_EQ(g.XGraf, "t");
    EXPECT_EQ(g.YGraf, "v");
    EXPECT_EQ(g.GrafType, 'P');
    EXPECT_EQ(g.PolGrad, 2);
    EXPECT_EQ(g.XMin, 0.0);
    EXPECT_EQ(g.XMax, 5.0);
    EXPECT_EQ(g.YMin, 0.0);
    EXPECT_EQ(g.YMax, 50.0);
}

TEST(OpbygningRundtur, TenthConstantVariableAndGraphAreReadBack) {
    test::FakeFlade flade;
    TProjekt b;
    b.Tilstand = 2;
    std::vector<std::string> linier;
    for (int i = 1; i <= 12; ++i) linier.push_back(OpbygUddataKonstant(b, "k" + std::to_string(i), "1", ""));
    linier.push_back(OpbygTabel(b, "1", false, "12", "1", "10"));
    for (int i = 1; i <= 12; ++i) linier.push_back(OpbygInddataVariabel(b, "1", "x" + std::to_string(i), ""));
    // Graphs past the third have no slot; the tenth graph's character is checked in the Opbygning tests.
    TProjekt p;
    NulstilProjekt(p);
    Fejl = false;
    for (const auto& l : linier) FortolkProjektLinie(p, l);
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_EQ(p.AntalKonstanter, 12);
    EXPECT_EQ(p.Tabeller[0].Variable[10].Definition, "k10=1");
    EXPECT_EQ(p.Tabeller[0].Variable[12].Definition, "k12=1");
    EXPECT_EQ(p.Tabeller[1].AntalVariable, 12);
    EXPECT_EQ(p.Tabeller[1].Variable[10].Definition, "x10:=?");
    EXPECT_EQ(p.Tabeller[1].Variable[12].Definition, "x12:=?");
}

TEST(OpbygningRundtur, ConvertedFileLoadsAndAnalyses) {
    test::FakeFlade flade;
    TProjekt bygget;
    auto linier = FaldLinier(bygget);
    TProjekt p;
    NulstilProjekt(p);
    Fejl = false;
    for (const auto& l : linier) FortolkProjektLinie(p, l);
    ASSERT_FALSE(Fejl);
    std::string fil = test::NyTempMappe("opbygning_rundtur") + "/Fald.prj";
    SkrivProjektFil(p, fil);

    TProjekt q;
    NulstilProjekt(q);
    LaesProjektFil(q, fil);
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_EQ(q.Overskrift, "Fald");
    EXPECT_EQ(q.AntalKonstanter, 1);
    EXPECT_EQ(q.Tabeller[0].Variable[1].Navn, "g");
    EXPECT_DOUBLE_EQ(q.KonstantVaerdi[1], 9.82);
    const TTabelDef& t = q.Tabeller[1];
    EXPECT_EQ(t.Variable[1].Navn, "t");
    EXPECT_EQ(t.Variable[2].Navn, "v");
    EXPECT_EQ(t.Variable[2].Udtryk, "g*t");
    EXPECT_EQ(t.Variable[2].Positioner, 8);
    EXPECT_EQ(t.Variable[2].Decimaler, 2);
    EXPECT_EQ(t.AntalInddata, 1);
    EXPECT_EQ(t.Celler.HentCelle(2, 1), "v [m/s]");
    EXPECT_EQ(t.Grafer[1].GrafNavn, "t - v Diagram");
    EXPECT_EQ(t.Grafer[1].GrafType, 'P');
    EXPECT_EQ(t.Grafer[1].PolGrad, 2);
    EXPECT_EQ(t.Grafer[1].YMax, 50.0);
}

// The output-constant dialog accepts a value exactly when the built line
// loads: the line is converted and the constants analysed as the loading does.
TEST(OpbygningRundtur, TheConstantDialogsCheckAgreesWithTheLoading) {
    for (const char* vaerdi : {"9,82", "1/3", "2*3", " -5 ", "1.5e3", "fem", "1/0", "", "5[m]", "1e999", "?"}) {
        SCOPED_TRACE(vaerdi);
        test::FakeFlade flade;
        TProjekt bygget;
        bygget.Tilstand = 2;
        TProjekt p;
        NulstilProjekt(p);
        Fejl = false;
        FortolkProjektLinie(p, OpbygUddataKonstant(bygget, "k", vaerdi, "kg"));
        if (!Fejl) AnalyserTabel(p, 0);
        const bool laest = !Fejl && p.Tabeller[0].Variable[1].Art == TDefinitionsArt::Tal;
        Fejl = false;
        EXPECT_EQ(KonstantVaerdiFejl(vaerdi).empty(), laest) << flade.Sidste();
    }
}

}  // namespace
}  // namespace plotvik
