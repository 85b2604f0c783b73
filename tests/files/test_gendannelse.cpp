// The recovery file: an exact round trip, and damage of every kind found
// (cut short, a flipped byte, random corruption), never a crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "files/Gendannelse.h"
#include "files/PlotvikAnalyse.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

const std::string Beskadiget = "Filen med ikke-gemt arbejde er beskadiget eller afkortet og kan ikke bruges.";

const char* const Beskrivelse =
    "Overskrift(1): overskrift=\"Pendul\";\r\n"
    "Konstant(1): g = ? [m/s^2];\r\n"
    "Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 3; tabel_bredde= 10;\r\n"
    "Variabel(1,1): L:=?[m];\r\n"
    "Variabel(1,2): T:=?[s];\r\n"
    "Variabel(1,3): a:= L/T^2:8:3 [m/s^2];\r\n";

// The project as the window builds it from the text sheet's text.
TProjekt FraBeskrivelse(const std::string& tekst) {
    TProjekt p;
    StartProjekt(p);
    size_t start = 0;
    while (start < tekst.size()) {
        size_t slut = tekst.find("\r\n", start);
        if (slut == std::string::npos) slut = tekst.size();
        if (slut > start) FortolkProjektLinie(p, tekst.substr(start, slut - start));
        start = slut + 2;
    }
    for (int t = 1; t <= p.AntalTabeller; ++t) AnalyserTabel(p, t);
    AnalyserTabel(p, 0);
    EXPECT_FALSE(Fejl);
    return p;
}

// A session: a constant typed, "Målinger" raised to 4, values typed, one computed.
TProjekt Session() {
    TProjekt p = FraBeskrivelse(Beskrivelse);
    p.ProjektFilNavn = "/home/elev/pendul.prj";
    p.Tabeller[0].Celler.SaetCelle("9,82", 1, 2);
    p.KonstantVaerdi[1] = 9.82;
    p.Tabeller[1].AntalIndgange = 4;
    AnalyserTabel(p, 1);
    const char* L[] = {"0,2", "0.4", "", "1e0"};
    const char* T[] = {"0,90", "1.27x", "1,55", "2"};
    for (int m = 0; m < 4; ++m) {
        p.Tabeller[1].Celler.SaetCelle(L[m], 1, m + 2);
        p.Tabeller[1].Celler.SaetCelle(T[m], 2, m + 2);
    }
    p.Tabeller[1].Celler.SaetCelle("0.247", 3, 2);
    p.Tabeller[1].VisGnsOgVarians = true;
    p.Tabeller[1].Grafer[1].XMin = 0.1;
    p.Tabeller[1].Grafer[1].YGraf = "T^2";
    p.AktivTabel = 1;
    p.TekstGemt = false;
    p.KontrolAfInddata = false;
    return p;
}

TEST(Gendannelse, RoundTripRestoresTheSessionExactly) {
    TProjekt p = Session();
    const std::string mappe = test::NyTempMappe("gendannelse");
    const std::string navn = mappe + "/gendannelse.bin";
    TGendannelse g = TagGendannelse(p, Beskrivelse, 1796810400);
    ASSERT_EQ(SkrivGendannelsesFil(navn, g), TSkrivning::Skrevet);

    TGendannelsesLaesning l = LaesGendannelsesFil(navn);
    ASSERT_TRUE(l.Ok) << l.Besked;
    EXPECT_EQ(l.Data.Tidspunkt, 1796810400);
    EXPECT_EQ(l.Data.ProjektTekst, Beskrivelse);

    // The window rebuilds from the text, then lays the kept state over it.
    TProjekt q = FraBeskrivelse(l.Data.ProjektTekst);
    AnvendGendannelse(q, l.Data);
    EXPECT_EQ(q.ProjektFilNavn, "/home/elev/pendul.prj");
    EXPECT_EQ(q.KonstantVaerdi, p.KonstantVaerdi);
    EXPECT_EQ(q.AktivTabel, 1);
    EXPECT_FALSE(q.TekstGemt);
    EXPECT_FALSE(q.KontrolAfInddata);
    EXPECT_EQ(q.Tabeller[1].Celler.HentCelle(2, 3), "1.27x");
    EXPECT_EQ(q.Tabeller[1].Celler.HentCelle(1, 1), "L [m]");
    // Written again, the same bytes.
    EXPECT_EQ(SerialiserGendannelse(TagGendannelse(q, l.Data.ProjektTekst, 1796810400)), test::LaesBytes(navn));
    std::filesystem::remove_all(mappe);
}

TEST(Gendannelse, DamageIsFoundNeverACrash) {
    const std::string hel = SerialiserGendannelse(TagGendannelse(Session(), Beskrivelse, 1));
    ASSERT_TRUE(LaesGendannelse(hel).Ok);
    struct {
        const char* navn;
        std::string bytes;
        std::string besked;
    } tilfaelde[] = {
        {"empty", "", "Filen med ikke-gemt arbejde er ikke en gendannelsesfil fra Plotvik."},
        {"another file", "Overskrift(1): overskrift=\"x\";", "Filen med ikke-gemt arbejde er ikke en gendannelsesfil fra Plotvik."},
        {"header cut", hel.substr(0, 12), Beskadiget},
        {"body cut", hel.substr(0, hel.size() - 1), Beskadiget},
        {"half", hel.substr(0, hel.size() / 2), Beskadiget},
        {"a byte more", hel + "x", Beskadiget},
        {"a later version", hel.substr(0, 8) + std::string("\x02\0\0\0", 4) + hel.substr(12),
         "Filen med ikke-gemt arbejde er skrevet af en anden udgave af Plotvik (version 2) og kan ikke l\xE6ses."},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TGendannelsesLaesning l = LaesGendannelse(t.bytes);
        EXPECT_FALSE(l.Ok);
        EXPECT_EQ(l.Besked, t.besked);
    }
    // Every single flipped byte, in the header and the body.
    for (size_t i = 8; i < hel.size(); ++i) {
        std::string b = hel;
        b[i] = static_cast<char>(b[i] ^ 0x5A);
        TGendannelsesLaesning l = LaesGendannelse(b);
        EXPECT_FALSE(l.Ok) << "byte " << i;
        if (l.Ok) break;
    }
    // Seeded random corruption: never a crash, always refused.
    std::mt19937 tilfaeldig(20261209);
    int refused = 0;
    for (int n = 0; n < 3000; ++n) {
        std::string b = hel;
        switch (tilfaeldig() % 4) {
            case 0:  // a few flipped bits
                for (int k = 1 + tilfaeldig() % 4; k > 0; --k) b[tilfaeldig() % b.size()] ^= static_cast<char>(1 << (tilfaeldig() % 8));
                break;
            case 1:  // cut anywhere
                b.resize(tilfaeldig() % b.size());
                break;
            case 2:  // a run of random bytes
                for (size_t i = tilfaeldig() % b.size(), k = 1 + tilfaeldig() % 64; k > 0 && i < b.size(); --k, ++i)
                    b[i] = static_cast<char>(tilfaeldig());
                break;
            default:  // a random body under a header whose length and CRC fit it: the reader itself must hold
                b.resize(24);
                for (size_t k = tilfaeldig() % 400; k > 0; --k) b += static_cast<char>(tilfaeldig() % 7 == 0 ? 0xFF : tilfaeldig() % 3);
                const std::string krop = b.substr(24);
                const std::uint64_t laengde = krop.size();
                const std::uint32_t crc = Crc32(krop);
                for (int i = 0; i < 8; ++i) b[12 + i] = static_cast<char>(laengde >> (8 * i));
                for (int i = 0; i < 4; ++i) b[20 + i] = static_cast<char>(crc >> (8 * i));
        }
        if (b == hel) continue;
        TGendannelsesLaesning l = LaesGendannelse(b);
        if (!l.Ok) {
            ++refused;
            EXPECT_FALSE(l.Besked.empty());
        }
    }
    EXPECT_GT(refused, 2900);
}

// The window's own part comes back byte for byte; a file written before that
// part existed (the body ends after the tables) still reads, without it, and
// writes back the same. The header's length is at bytes 12..19, its CRC at 20..23.
TEST(Gendannelse, TheWindowsPartComesBackAndAnOlderFileReadsWithoutIt) {
    const TProjekt p = Session();
    const std::string vindue = std::string("Ark=3\nGraf1=1\tv mod t\t\xE6\xF8") + '\0';
    EXPECT_EQ(LaesGendannelse(SerialiserGendannelse(p, Beskrivelse, 7, vindue)).Data.Vindue, vindue);
    // Without a window part the bytes are those of the older layout.
    const std::string gammel = SerialiserGendannelse(p, Beskrivelse, 7);
    const TGendannelsesLaesning l = LaesGendannelse(gammel);
    ASSERT_TRUE(l.Ok) << l.Besked;
    EXPECT_TRUE(l.Data.Vindue.empty());
    EXPECT_EQ(SerialiserGendannelse(l.Data), gammel);
    // An empty part (its length only) is never written: in a file it is damage.
    std::string tom = gammel + std::string(4, '\0');
    const std::string krop = tom.substr(24);
    for (int i = 0; i < 8; ++i) tom[12 + i] = static_cast<char>(std::uint64_t(krop.size()) >> (8 * i));
    for (int i = 0; i < 4; ++i) tom[20 + i] = static_cast<char>(Crc32(krop) >> (8 * i));
    EXPECT_FALSE(LaesGendannelse(tom).Ok);
    EXPECT_EQ(l.Data.Tabeller[1].Celler[1 * l.Data.Tabeller[1].Soejler + 2], "1.27x");  // row 2, column 3
}

TEST(Gendannelse, DamagedFileIsMovedAsideNeverOverwritten) {
    const std::string mappe = test::NyTempMappe("gendannelse_flyt");
    const std::string navn = mappe + "/gendannelse.bin";
    test::SkrivBytes(navn, "skidt 1");
    auto flyttet = FlytBeskadigetFil(navn);
    ASSERT_TRUE(flyttet);
    EXPECT_EQ(*flyttet, navn + ".beskadiget");
    EXPECT_FALSE(std::filesystem::exists(navn));
    EXPECT_EQ(test::LaesBytes(*flyttet), "skidt 1");

    test::SkrivBytes(navn, "skidt 2");
    flyttet = FlytBeskadigetFil(navn);
    ASSERT_TRUE(flyttet);
    EXPECT_EQ(*flyttet, navn + ".beskadiget-2");
    EXPECT_EQ(test::LaesBytes(navn + ".beskadiget"), "skidt 1");
    EXPECT_EQ(test::LaesBytes(*flyttet), "skidt 2");

    EXPECT_FALSE(FlytBeskadigetFil(mappe + "/findes-ikke"));
    std::filesystem::remove_all(mappe);
}

}  // namespace
}  // namespace plotvik
