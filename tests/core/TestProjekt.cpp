// The project model: clearing, start defaults, table sizes, cell matrix, sequences.
#include <gtest/gtest.h>

#include "core/Projekt.h"

using namespace plotvik;

namespace {

TEST(NulstilProjekt, EfterladerIntetAfEtTidligereProjekt) {
    TProjekt p;
    p.Overskrift = "Pendul";
    p.AntalKonstanter = 3;
    p.AntalTabeller = 4;
    p.AktivTabel = 2;
    p.AktivGraf = 3;
    p.OpbygTaellere = {'3', '2', '5', '1'};
    p.KonstantVaerdi[2] = 9.82;
    for (int t = 0; t <= 4; ++t) {
        auto& tabel = p.Tabeller[t];
        tabel.Defineret = true;
        tabel.AntalVariable = 5;
        tabel.AntalInddata = 2;
        tabel.AntalGrafer = 3;
        tabel.Variable[4] = {"L = ?", "L", "[m]", TDefinitionsArt::Udtryk, "2*x", 8, 3};
        tabel.Celler.Opret(5, 6);
        tabel.Celler.SaetCelle("1,5", 1, 2);
        for (int g = 1; g <= 3; ++g) {
            tabel.Grafer[g] = {"Graf", 3, "L", "T", 'P', 4, 1, 2, 3, 4};
            tabel.Statistik[g] = true;
        }
    }
    NulstilProjekt(p);
    EXPECT_EQ(p.Overskrift, "");
    EXPECT_EQ(p.AntalKonstanter, 0);
    EXPECT_EQ(p.AntalTabeller, 0);
    EXPECT_EQ(p.AktivTabel, 0);
    EXPECT_EQ(p.AktivGraf, 0);
    EXPECT_EQ(p.OpbygTaellere, (std::array<char, 4>{'0', '0', '0', '0'}));
    EXPECT_EQ(p.KonstantVaerdi[2], 0.0);
    for (int t = 0; t <= 4; ++t) {
        const auto& tabel = p.Tabeller[t];
        EXPECT_FALSE(tabel.Defineret);
        EXPECT_EQ(tabel.AntalVariable, 0);
        EXPECT_EQ(tabel.AntalInddata, 0);
        EXPECT_EQ(tabel.AntalGrafer, 0);
        EXPECT_FALSE(tabel.Celler.Oprettet());
        EXPECT_EQ(tabel.Celler.HentCelle(1, 2), "");
        const auto& v = tabel.Variable[4];
        EXPECT_EQ(v.Definition + v.Navn + v.Enhed + v.Udtryk, "");
        EXPECT_EQ(v.Positioner, 0);
        EXPECT_EQ(v.Decimaler, 0);
        for (int g = 1; g <= 3; ++g) {
            const auto& graf = tabel.Grafer[g];
            EXPECT_EQ(graf.XGraf + graf.YGraf + graf.GrafNavn, "");
            EXPECT_EQ(graf.GrafArkNo, 1);
            EXPECT_EQ(graf.PolGrad, 0);
            EXPECT_EQ(graf.XMin, 0);
            EXPECT_EQ(graf.YMax, 0);
            EXPECT_FALSE(tabel.Statistik[g]);
        }
    }
}

TEST(StartProjekt, SaetterStartvaerdierne) {
    TProjekt p;
    p.Tilstand = 5;
    p.TekstGemt = false;
    p.KontrolAfInddata = false;
    p.ProjektFilNavn = "a.prj";
    p.TekstFilNavn = "b.txt";
    p.Tabeller[2].VisGnsOgVarians = true;
    StartProjekt(p);
    EXPECT_EQ(p.Tilstand, 0);
    EXPECT_TRUE(p.TekstGemt);
    EXPECT_TRUE(p.KontrolAfInddata);
    EXPECT_EQ(p.ProjektFilNavn, "");
    EXPECT_EQ(p.TekstFilNavn, "");
    EXPECT_FALSE(p.Tabeller[2].VisGnsOgVarians);
    EXPECT_EQ(p.Tabeller[1].Grafer[3].GrafArkNo, 1);  // set to 1, 2, 3, then cleared to 1
}

TEST(TabelStoerrelse, RaekkeOgSoejleTabel) {
    struct { char type; int variable, maalinger, raekker, soejler; } tabel[] = {
        {'R', 3, 5, 3, 6}, {'S', 3, 5, 6, 3}, {'S', 22, 32767, 32768, 22}, {'R', 1, 1, 1, 2},
    };
    for (const auto& r : tabel) {
        TTabelDef t;
        t.TabelType = r.type;
        t.AntalVariable = r.variable;
        t.AntalIndgange = r.maalinger;
        SaetTabelStoerrelse(t);
        EXPECT_EQ(t.AntalRaekker, r.raekker);
        EXPECT_EQ(t.AntalSoejler, r.soejler);
    }
}

// A cell written again keeps its buffer; a shorter, longer or cut text, and
// a text taken from the cell itself, must all come out whole.
TEST(TekstMatrix, EnCelleSkrevetIgenHolderTekstenPraecis) {
    TTekstMatrix m;
    m.Opret(2, 2);
    const struct {
        std::string tekst, forventet;
    } tabel[] = {
        {"12.3456", "12.3456"},
        {"1.5", "1.5"},                                      // shorter
        {"1234567890.12345678", "1234567890.12345678"},      // longer, beyond the short-string room
        {"", ""},
        {std::string(40, '7'), std::string(32, '7')},       // cut to 32
        {"-0.0000", "-0.0000"},
    };
    for (const auto& r : tabel) {
        m.SaetCelle(r.tekst, 2, 2);
        EXPECT_EQ(m.Celle(2, 2), r.forventet);
    }
    m.SaetCelle("abcdefghijklmnopqrstuvwxyz", 1, 1);
    m.SaetCelle(std::string_view(m.Celle(1, 1)).substr(3, 5), 1, 1);  // part of itself
    EXPECT_EQ(m.Celle(1, 1), "defgh");
    m.SaetCelle(m.Celle(1, 1), 1, 1);  // all of itself
    EXPECT_EQ(m.Celle(1, 1), "defgh");
    EXPECT_EQ(m.Celle(2, 1), "");  // the neighbours untouched
}

TEST(TekstMatrix, CellerTaellesFraEtOgKappesTil32Tegn) {
    TTekstMatrix m;
    m.Opret(3, 6);
    m.SaetCelle("L [m]", 1, 1);
    m.SaetCelle(std::string(40, 'x'), 2, 3);
    m.SaetCelle("uden for", 4, 1);  // outside: ignored
    m.SaetCelle("uden for", 1, 7);
    EXPECT_EQ(m.HentCelle(1, 1), "L [m]");
    EXPECT_EQ(m.HentCelle(0, 0), "L [m]");  // 0 addresses the first, as 1 does
    EXPECT_EQ(m.HentCelle(2, 3), std::string(32, 'x'));
    EXPECT_EQ(m.HentCelle(4, 1), "");
    EXPECT_EQ(m.HentCelle(3, 99), "");
    EXPECT_EQ(m.Raekker(), 3);
    EXPECT_EQ(m.Soejler(), 6);
    m.Opret(0, 2);
    EXPECT_EQ(m.Raekker(), 1);  // at least one row
}

TEST(TekstListe, PositionerFraEtOgLaengdegraenser) {
    TKortListe k;
    k.Opret(3);
    EXPECT_EQ(k.Antal(), 4);
    k.Saet(std::string(40, 'a'), 2);
    k.Saet("f\xF8rste", 0);
    EXPECT_EQ(k.Hent(2), std::string(32, 'a'));
    EXPECT_EQ(k.Hent(1), "f\xF8rste");
    EXPECT_EQ(k.Hent(9), "");
    TLangListe l;
    l.Opret(1);
    l.Saet(std::string(300, 'b'), 2);
    EXPECT_EQ(l.Hent(2).size(), 255u);
}

}  // namespace
