// Saving onto a failing disk: a small memory file system that fills up
// part-way through the write, and a folder that does not exist. For the
// project file, the data file and the text file: the message the user gets,
// no crash, no temporary file left behind, and an earlier file of the same
// name still whole. The disk is a 16 KiB tmpfs mounted for the test; where
// the machine does not allow mounting, that case is skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/mount.h>

#include "core/Projekt.h"
#include "files/PlotvikFiler.h"
#include "files/TekstFil.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;
namespace fs = std::filesystem;

// A tmpfs of 16 KiB at a folder of its own, unmounted again at the end.
class LilleDisk {
public:
    explicit LilleDisk(const std::string& navn) : mappe_(test::NyTempMappe(navn)) {
        monteret_ = ::mount("tmpfs", mappe_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=16k") == 0;
    }
    ~LilleDisk() {
        if (monteret_) ::umount2(mappe_.c_str(), MNT_DETACH);
        std::error_code e;
        fs::remove_all(mappe_, e);
    }
    LilleDisk(const LilleDisk&) = delete;
    LilleDisk& operator=(const LilleDisk&) = delete;
    bool Monteret() const { return monteret_; }
    const std::string& Mappe() const { return mappe_; }

private:
    std::string mappe_;
    bool monteret_ = false;
};

using test::LaesBytes;
using test::SkrivBytes;

std::vector<std::string> FilerI(const std::string& mappe) {
    std::vector<std::string> navne;
    for (const auto& e : fs::directory_iterator(mappe)) navne.push_back(e.path().filename().string());
    std::sort(navne.begin(), navne.end());
    return navne;
}

// The boxes shown, without the file dialogs (their texts are tested with the commands).
std::vector<std::pair<Boks, std::string>> Bokse(const FakeFlade& flade) {
    std::vector<std::pair<Boks, std::string>> b;
    for (const auto& v : flade.Vist)
        if (v.Art != Boks::GemFil && v.Art != Boks::AabnFil) b.emplace_back(v.Art, v.Tekst);
    return b;
}

// A project whose file is about 28 KiB: 22 constants and four tables of 22
// variables, every definition 255 characters.
TProjekt StortProjekt() {
    TProjekt p;
    NulstilProjekt(p);
    const std::string lang = "a:=" + std::string(246, 'x') + ":8:3[m]";
    p.Overskrift = "Stor";
    p.AntalKonstanter = MaksVariable;
    for (int i = 1; i <= MaksVariable; ++i) p.Tabeller[0].Variable[i].Definition = lang;
    p.AntalTabeller = MaksTabeller;
    for (int t = 1; t <= MaksTabeller; ++t) {
        p.Tabeller[t].AntalVariable = MaksVariable;
        for (int v = 1; v <= MaksVariable; ++v) p.Tabeller[t].Variable[v].Definition = lang;
    }
    p.TekstGemt = false;
    return p;
}

// Table 1 with two input variables and 2000 measurements: about 44 KiB of data file.
TProjekt StorTabel() {
    TProjekt p;
    NulstilProjekt(p);
    p.AntalTabeller = 1;
    auto& t = p.Tabeller[1];
    t.Defineret = true;
    t.TabelType = 'S';
    t.AntalVariable = t.AntalInddata = 2;
    t.AntalIndgange = 2000;
    t.Celler.Opret(2, 2001);
    for (int j = 1; j <= 2000; ++j) {
        t.Celler.SaetCelle("12345,6789", 1, j + 1);
        t.Celler.SaetCelle("-0.000123456", 2, j + 1);
    }
    return p;
}

// About 42 KiB of text sheet.
std::vector<std::string> LangTekst() {
    return std::vector<std::string>(1000, std::string("M\xE5linger af pendulets svingningstid i s"));
}

struct TGemning {
    const char* Hvad;
    const char* Filnavn;
    std::string Foer;  // the earlier file of that name
    // Saves the large content to sti; the seam answers every question with its first button.
    std::function<void(const std::string& sti, FakeFlade& flade)> Gem;
    // The boxes expected when the save fails: with the earlier file present the
    // disk filled up, without it the folder is missing.
    std::function<std::vector<std::pair<Boks, std::string>>(const std::string& sti, bool findes)> Forventet;
};

std::vector<TGemning> Gemninger() {
    const std::string uaendret = "\n\rDen tidligere fil er u\xE6ndret.";
    return {
        {"projektfil", "pendul.prj", "Pendul\r\n0\r\n0\r\n",
         [](const std::string& sti, FakeFlade&) {
             TProjekt p = StortProjekt();
             SkrivProjektFil(p, sti);
             EXPECT_FALSE(p.TekstGemt) << "a project file that was not written is not saved";
         },
         [uaendret](const std::string& sti, bool findes) {
             // Without the earlier file here the folder is missing: a project
             // file that cannot be created gives no message at all.
             if (!findes) return std::vector<std::pair<Boks, std::string>>{};
             return std::vector<std::pair<Boks, std::string>>{
                 {Boks::Fejl, "Fejl ved skrivning af projektfilen " + sti + uaendret}};
         }},
        {"datafil", "maaling.dat", "1.5 2\r\n3 4\r\n",
         [](const std::string& sti, FakeFlade& flade) {
             TProjekt p = StorTabel();
             flade.FilSvar.push_back(sti);
             GemDataFil(p, 1);
             EXPECT_TRUE(Fejl);
             Fejl = false;
         },
         [](const std::string& sti, bool findes) {
             std::vector<std::pair<Boks, std::string>> b;
             if (findes) b.emplace_back(Boks::JaNej, "Filen: " + sti + " eksisterer\n\rSkal den overskrives?");
             b.emplace_back(Boks::FejlMedIgnorer, "Fejl ved skrivning af DataFil");
             return b;
         }},
        {"tekstfil", "noter.txt", "Noter\r\n",
         [](const std::string& sti, FakeFlade&) { EXPECT_FALSE(SkrivTekstLinier(sti, LangTekst())); },
         [uaendret](const std::string& sti, bool) {
             return std::vector<std::pair<Boks, std::string>>{
                 {Boks::Fejl, "Fejl ved skrivning af filen " + sti + uaendret}};
         }},
    };
}

TEST(Skrivefejl, AFullDiskPartWayKeepsTheEarlierFileWhole) {
    for (const auto& g : Gemninger()) {
        SCOPED_TRACE(g.Hvad);
        LilleDisk disk(std::string("fuld_") + g.Hvad);
        if (!disk.Monteret()) GTEST_SKIP() << "a tmpfs cannot be mounted on this machine";
        const std::string sti = disk.Mappe() + "/" + g.Filnavn;
        SkrivBytes(sti, g.Foer);
        ASSERT_EQ(LaesBytes(sti), g.Foer) << "the earlier file fits on the small disk";

        FakeFlade flade;
        Fejl = false;
        g.Gem(sti, flade);
        EXPECT_EQ(Bokse(flade), g.Forventet(sti, true));
        EXPECT_EQ(LaesBytes(sti), g.Foer) << "the earlier file is whole";
        EXPECT_EQ(FilerI(disk.Mappe()), std::vector<std::string>{g.Filnavn}) << "no temporary file is left";
        Fejl = false;
    }
}

TEST(Skrivefejl, AMissingFolderWritesNothing) {
    for (const auto& g : Gemninger()) {
        SCOPED_TRACE(g.Hvad);
        const std::string mappe = test::NyTempMappe(std::string("uden_mappe_") + g.Hvad);
        const std::string sti = mappe + "/findes_ikke/" + g.Filnavn;

        FakeFlade flade;
        Fejl = false;
        g.Gem(sti, flade);
        EXPECT_EQ(Bokse(flade), g.Forventet(sti, false));
        EXPECT_FALSE(fs::exists(mappe + "/findes_ikke")) << "no folder is made";
        EXPECT_TRUE(FilerI(mappe).empty());
        Fejl = false;
        fs::remove_all(mappe);
    }
}

// The disk is full before the save begins: not even the temporary file gets
// a byte. The earlier file stays as it was.
TEST(Skrivefejl, ADiskFullBeforeTheSaveKeepsTheEarlierFileWhole) {
    for (const auto& g : Gemninger()) {
        SCOPED_TRACE(g.Hvad);
        LilleDisk disk(std::string("fyldt_") + g.Hvad);
        if (!disk.Monteret()) GTEST_SKIP() << "a tmpfs cannot be mounted on this machine";
        const std::string sti = disk.Mappe() + "/" + g.Filnavn;
        SkrivBytes(sti, g.Foer);
        {
            // Fill every remaining block.
            std::ofstream fyld(disk.Mappe() + "/fyld", std::ios::binary);
            const std::string blok(1024, 'f');
            for (int i = 0; i < 64 && fyld; ++i) fyld.write(blok.data(), static_cast<std::streamsize>(blok.size()));
        }
        FakeFlade flade;
        Fejl = false;
        g.Gem(sti, flade);
        EXPECT_EQ(Bokse(flade), g.Forventet(sti, true));
        EXPECT_EQ(LaesBytes(sti), g.Foer);
        EXPECT_EQ(FilerI(disk.Mappe()), (std::vector<std::string>{"fyld", g.Filnavn}));
        Fejl = false;
    }
}

}  // namespace
}  // namespace plotvik
