// Building a project with the definition dialogs: the exact lines, the
// running numbers and the values offered when a dialog opens.
#include <gtest/gtest.h>

#include "files/Opbygning.h"
#include "files/PlotvikAnalyse.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

TProjekt NytByggeri() {
    TProjekt p;
    p.Tilstand = 2;
    p.OpbygTaellere = {'0', '0', '0', '0'};
    return p;
}

TEST(Opbygning, TheFaldExampleLinesCharacterForCharacter) {
    TProjekt p = NytByggeri();
    std::vector<std::pair<std::string, std::string>> raekker = {
        {OpbygOverskrift(p, "Fald"), "Overskrift(1): overskrift=\"Fald\";"},
        {OpbygUddataKonstant(p, "g", "9,82", "m/s^2"), "Konstant(1): g = 9,82 [m/s^2];"},
        {OpbygTabel(p, "1", false, "3", "5", "10"),
         "Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;"},
        {OpbygInddataVariabel(p, "1", "t", "s"), "Variabel(1,1): t:=?[s];"},
        {OpbygUddataVariabel(p, "1", "v", "g*t", "8", "2", "m/s"), "Variabel(1,2): v:= g*t:8:2 [m/s];"},
    };
    for (const auto& [faktisk, forventet] : raekker) EXPECT_EQ(faktisk, forventet);
    EXPECT_EQ(p.OpbygTaellere, (std::array<char, 4>{'1', '1', '2', '0'}));
}

TEST(Opbygning, UnitPartAndTheOtherKindsOfLine) {
    TProjekt p = NytByggeri();
    std::vector<std::pair<std::string, std::string>> raekker = {
        {OpbygInddataKonstant(p, "m", "kg"), "Konstant(1): m = ? [kg];"},
        {OpbygInddataKonstant(p, "k", ""), "Konstant(2): k = ?;"},
        {OpbygUddataKonstant(p, "c", "3e8", ""), "Konstant(3): c = 3e8;"},
        {OpbygTabel(p, "2", true, "4", "32767", "3"),
         "Tabel(2): tabel_type=R; antal_variable=4; antal_indgange= 32767; tabel_bredde= 3;"},
        {OpbygInddataVariabel(p, "2", "x", ""), "Variabel(2,1): x:=?;"},
        {OpbygUddataVariabel(p, "2", "y", "x^2", "8", "2", ""), "Variabel(2,2): y:= x^2:8:2;"},
        {OpbygOverskrift(p, "Sm\xE5 \xE6ndringer"), "Overskrift(1): overskrift=\"Sm\xE5 \xE6ndringer\";"},
        {OpbygOverskrift(p, ""), "Overskrift(1): overskrift=\"\";"},
    };
    for (const auto& [faktisk, forventet] : raekker) EXPECT_EQ(faktisk, forventet);
}

TEST(Opbygning, TheGraphExampleGivesItsTwoLines) {
    TProjekt p = NytByggeri();
    OpbygTabel(p, "1", false, "3", "5", "10");
    TGrafValg v;
    v.XGraf = "t";
    v.YGraf = "v";
    v.Overskrift = GrafOverskriftForslag(v.XGraf, v.YGraf);
    v.TabelNo = "1";
    v.GrafArkNo = "1";
    v.GrafType = FitBogstav(2);
    v.PolGrad = "2";
    v.XMin = "0";
    v.XMax = "5";
    v.YMin = "0";
    v.YMax = "50";
    TGrafLinier l = OpbygGraf(p, v);
    EXPECT_EQ(l.Graf,
              "Graf(1,1): graf_navn=\"t - v Diagram\"; grafark_no=1; xgraf=t; ygraf=v;graf_type=P; pol_grad=2;");
    EXPECT_EQ(l.Grafakse, "Grafakse(1,1):  xmin=0; xmax=5; ymin=0; ymax=50;");

    // Any other fit has no degree.
    v.GrafType = FitBogstav(1);
    v.GrafArkNo = "2";
    v.Overskrift = "Fart";
    l = OpbygGraf(p, v);
    EXPECT_EQ(l.Graf, "Graf(1,2): graf_navn=\"Fart\"; grafark_no=2; xgraf=t; ygraf=v;graf_type=R;");
    EXPECT_EQ(l.Grafakse, "Grafakse(1,2):  xmin=0; xmax=5; ymin=0; ymax=50;");

    // A model fit adds its model and its start values (blanks kept between the quotes).
    v.GrafType = FitBogstav(5);
    v.Model = "A*exp(-k*t)";
    v.StartVaerdier = "A=2 k=0,5";
    l = OpbygGraf(p, v);
    EXPECT_EQ(l.Graf, "Graf(1,3): graf_navn=\"Fart\"; grafark_no=2; xgraf=t; ygraf=v;graf_type=M; "
                      "model=A*exp(-k*t); startvaerdier=\"A=2 k=0,5\";");
    FortolkProjektLinie(p, l.Graf);
    EXPECT_EQ(p.Tabeller[1].Grafer[3].GrafType, 'M');
    EXPECT_EQ(p.Tabeller[1].Grafer[3].Model, "A*exp(-k*t)");
    EXPECT_EQ(p.Tabeller[1].Grafer[3].StartVaerdier, "A=2 k=0,5");
}

TEST(Opbygning, FitLettersOfTheRadioButtons) {
    std::vector<std::pair<int, char>> raekker = {{0, 'K'}, {1, 'R'}, {2, 'P'}, {3, 'S'},
                                                 {4, 'B'}, {5, 'M'}, {6, 'E'}, {7, 'X'}, {-1, 'K'}, {8, 'K'}};
    for (auto [knap, bogstav] : raekker) EXPECT_EQ(FitBogstav(knap), bogstav) << knap;
    EXPECT_EQ(GrafOverskriftForslag("L", "T^2"), "L - T^2 Diagram");
    EXPECT_EQ(GrafOverskriftForslag("", ""), " -  Diagram");
}

TEST(Opbygning, ValuesOfferedWhenADialogOpens) {
    struct Raekke {
        std::array<char, 4> taellere;
        int tabelDialog, variabelDialog, grafTabel, grafArk;
    };
    std::vector<Raekke> raekker = {
        {{'0', '0', '0', '0'}, 1, 1, 1, 1},  // counter "0" clamped to 1
        {{'0', '1', '3', '1'}, 2, 1, 1, 2},
        {{'0', '3', '0', '2'}, 4, 3, 3, 3},
        {{'0', '4', '0', '3'}, 4, 4, 4, 3},  // the fourth graph offers sheet 3 again
        {{'0', '4', '0', 'A'}, 4, 4, 4, 3},
    };
    for (const auto& r : raekker) {
        TProjekt p = NytByggeri();
        p.OpbygTaellere = r.taellere;
        EXPECT_EQ(TabelNoVedTabelDialog(p), r.tabelDialog);
        EXPECT_EQ(TabelNoVedVariabelDialog(p), r.variabelDialog);
        EXPECT_EQ(TabelNoVedGrafDialog(p), r.grafTabel);
        EXPECT_EQ(GrafArkNoVedGrafDialog(p), r.grafArk);
    }
}

TEST(Opbygning, ASecondTableRestartsVariableAndGraphNumbering) {
    TProjekt p = NytByggeri();
    OpbygTabel(p, "1", false, "2", "5", "10");
    OpbygInddataVariabel(p, "1", "a", "");
    OpbygInddataVariabel(p, "1", "b", "");
    TGrafValg v;
    OpbygGraf(p, v);
    EXPECT_EQ(TabelNoVedTabelDialog(p), 2);
    OpbygTabel(p, "2", false, "1", "5", "10");
    EXPECT_EQ(p.OpbygTaellere[TabelTaeller], '2');
    EXPECT_EQ(p.OpbygTaellere[VariabelTaeller], '0');
    EXPECT_EQ(p.OpbygTaellere[GrafTaeller], '0');
    EXPECT_EQ(OpbygInddataVariabel(p, "2", "c", "m"), "Variabel(2,1): c:=?[m];");
    EXPECT_EQ(TabelNoVedVariabelDialog(p), 2);
    // The constant counter is not touched by tables.
    EXPECT_EQ(OpbygInddataKonstant(p, "k", ""), "Konstant(1): k = ?;");
}

TEST(Opbygning, TenthAndLaterNumbersStayReadable) {
    TProjekt p = NytByggeri();
    std::vector<std::string> konstanter, variable, grafer;
    OpbygTabel(p, "1", false, "12", "5", "10");
    for (int i = 1; i <= 12; ++i) {
        konstanter.push_back(OpbygInddataKonstant(p, "k", ""));
        variable.push_back(OpbygInddataVariabel(p, "1", "x", ""));
        grafer.push_back(OpbygGraf(p, TGrafValg{}).Graf.substr(0, 10));
    }
    EXPECT_EQ(konstanter[8], "Konstant(9): k = ?;");
    EXPECT_EQ(konstanter[9], "Konstant(A): k = ?;");
    EXPECT_EQ(konstanter[11], "Konstant(C): k = ?;");
    EXPECT_EQ(variable[8], "Variabel(1,9): x:=?;");
    EXPECT_EQ(variable[9], "Variabel(1,10): x:=?;");
    EXPECT_EQ(variable[11], "Variabel(1,12): x:=?;");
    EXPECT_EQ(grafer[9], "Graf(1,A):");

    std::vector<std::pair<char, int>> vaerdier = {{'0', 0}, {'9', 9}, {'A', 10}, {'M', 22}, {'Z', 35},
                                                  {'a', 0}, {'?', 0}};
    for (auto [c, v] : vaerdier) EXPECT_EQ(TaellerVaerdi(c), v) << c;
    EXPECT_EQ(NaesteTaeller('9'), 'A');
    EXPECT_EQ(NaesteTaeller('Z'), 'Z');
    EXPECT_EQ(VariabelNummer(22), "22");
}

// What the constant dialogs accept is what the loading reads: a number with
// a decimal comma or point, or numbers joined by "*" and "/" (the reader's own
// grammar), with blanks around it; nothing else, and no unit or second definition.
TEST(Opbygning, AConstantsValueIsAcceptedExactlyWhenTheLoadingReadsIt) {
    const std::vector<std::pair<const char*, bool>> raekker = {
        {"9,82", true},  {"9.82", true},   {"-5", true},     {"1.5e3", true}, {"2*3", true},
        {"1/3", true},   {" 9,82 ", true}, {"6,02E23", true},
        {"fem", false},  {"1/0", false},   {"", false},      {"   ", false}, {"?", false},
        {"5[m]", false}, {"5;", false},    {"1e999", false}, {"1,2,3", false}, {"g*2", false},
        {"9,82 m", false},
    };
    for (const auto& [tekst, godkendt] : raekker) EXPECT_EQ(ErKonstantVaerdi(tekst), godkendt) << tekst;
}

TEST(Opbygning, TheConstantDialogsMessages) {
    test::FakeFlade flade;
    Fejl = true;  // a check leaves the program's error flag alone
    EXPECT_EQ(KonstantNavnFejl(""), "Konstanten skal have et navn");
    EXPECT_EQ(KonstantNavnFejl("  "), "Konstanten skal have et navn");
    EXPECT_EQ(KonstantNavnFejl("g"), "");
    EXPECT_EQ(KonstantVaerdiFejl("fem"), "Fejl i Tallet: fem\n\rNumerisk V\xE6rdi skal v\xE6re et tal, f.eks. 9,82");
    EXPECT_EQ(KonstantVaerdiFejl(""), "Fejl i Tallet: \n\rNumerisk V\xE6rdi skal v\xE6re et tal, f.eks. 9,82");
    EXPECT_EQ(KonstantVaerdiFejl("9,82"), "");
    EXPECT_TRUE(Fejl);
    Fejl = false;
    EXPECT_TRUE(flade.Vist.empty());
}

TEST(Opbygning, ATableHasRoomForThreeGraphs) {
    struct Raekke {
        char grafTaeller;
        bool plads;
    };
    const std::vector<Raekke> raekker = {{'0', true}, {'2', true}, {'3', false}, {'9', false}};
    for (const auto& r : raekker) {
        test::FakeFlade flade;
        TProjekt p = NytByggeri();
        p.OpbygTaellere[3] = r.grafTaeller;
        EXPECT_EQ(PladsTilGraf(p), r.plads) << r.grafTaeller;
        if (r.plads) {
            EXPECT_TRUE(flade.Vist.empty());
        } else {
            ASSERT_EQ(flade.Vist.size(), 1u);
            EXPECT_EQ(flade.Vist[0].Art, test::Boks::Information);
            EXPECT_EQ(flade.Vist[0].Tekst, "En tabel kan h\xF8jst have 3 grafer");
        }
    }
}

}  // namespace
}  // namespace plotvik
