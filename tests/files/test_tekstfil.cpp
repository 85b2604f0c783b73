// Text files of the text sheet, and the safe replacement of a file that every
// save goes through: a failed save never harms the previous file.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

#include "files/DataFil.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "files/SikkerSkrivning.h"
#include "files/TekstFil.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;
namespace fs = std::filesystem;

using test::LaesBytes;
using test::SkrivBytes;

int AntalFiler(const std::string& mappe) {
    int n = 0;
    for (auto& e : fs::directory_iterator(mappe)) n += e.is_regular_file() ? 1 : 0;
    return n;
}

TEST(TekstFil, SplittingIntoLines) {
    using L = std::vector<std::string>;
    struct {
        const char* tekst;
        L linier;
    } tabel[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\n", {""}},
        {"a\n\r\nb", {"a", "", "b"}},
    };
    for (const auto& t : tabel) EXPECT_EQ(DelILinier(t.tekst), t.linier) << t.tekst;
}

TEST(TekstFil, ReadingWindows1252AndUTF8) {
    FakeFlade flade;
    const auto mappe = test::NyTempMappe("tekstfil_laes");
    struct {
        std::string bytes;
        std::vector<std::string> linier;
    } tabel[] = {
        {"M\xE5linger\r\np\xE5 \xF8" "en\r\n", {"M\xE5linger", "p\xE5 \xF8" "en"}},
        {"M\xC3\xA5linger\np\xC3\xA5 \xC3\xB8\x65n\n", {"M\xE5linger", "p\xE5 \xF8\x65n"}},
        {"\xEF\xBB\xBF\xC3\x86\xC3\x98\xC3\x85", {"\xC6\xD8\xC5"}},
    };
    for (const auto& t : tabel) {
        SkrivBytes(mappe + "/t.txt", t.bytes);
        auto linier = LaesTekstLinier(mappe + "/t.txt");
        ASSERT_TRUE(linier.has_value());
        EXPECT_EQ(*linier, t.linier);
    }
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_FALSE(LaesTekstLinier(mappe + "/mangler.txt").has_value());
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
    EXPECT_EQ(flade.Vist[0].Tekst, "Fejl ved indl\xE6sning fra filen " + mappe + "/mangler.txt");
}

TEST(TekstFil, WritingIsWindows1252WithCRLF) {
    FakeFlade flade;
    const auto mappe = test::NyTempMappe("tekstfil_skriv");
    const auto navn = mappe + "/t.txt";
    SkrivBytes(navn, "en gammel og meget l\xE6ngere tekst\r\n");
    EXPECT_TRUE(SkrivTekstLinier(navn, {"Overskrift(1): overskrift=\"Fald\";", "", "\xC6\xF8\xE5"}));
    EXPECT_EQ(LaesBytes(navn), "Overskrift(1): overskrift=\"Fald\";\r\n\r\n\xC6\xF8\xE5\r\n");
    EXPECT_TRUE(SkrivTekstLinier(navn, {}));
    EXPECT_EQ(LaesBytes(navn), "");
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_EQ(AntalFiler(mappe), 1) << "no temporary file is left behind";
}

TEST(TekstFil, AFailedSaveIsReportedAndLeavesTheOldFile) {
    FakeFlade flade;
    const auto mappe = test::NyTempMappe("tekstfil_fejl");
    EXPECT_FALSE(SkrivTekstLinier(mappe + "/ingen/t.txt", {"x"}));
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
    EXPECT_EQ(flade.Vist[0].Tekst,
              "Fejl ved skrivning af filen " + mappe + "/ingen/t.txt\n\rDen tidligere fil er u\xE6ndret.");
}

// A full disk, imitated by a limit on the size of files this process writes.
class FuldDisk {
public:
    explicit FuldDisk(rlim_t graense) {
        gammelSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &gammel_);
        rlimit ny = gammel_;
        ny.rlim_cur = graense;
        setrlimit(RLIMIT_FSIZE, &ny);
    }
    ~FuldDisk() {
        setrlimit(RLIMIT_FSIZE, &gammel_);
        std::signal(SIGXFSZ, gammelSignal_);
    }

private:
    rlimit gammel_{};
    void (*gammelSignal_)(int) = nullptr;
};

TEST(SikkerSkrivning, AFullDiskLeavesThePreviousFileWhole) {
    const auto mappe = test::NyTempMappe("sikker_fuld");
    const std::string gammelt = "Pendul\r\n0\r\n0\r\n";
    const std::string stort(100000, 'x');
    {
        SkrivBytes(mappe + "/t.txt", gammelt);
        FuldDisk fuld(4096);
        EXPECT_EQ(SkrivFilSikkert(mappe + "/t.txt", stort), TSkrivning::Fejlet);
    }
    EXPECT_EQ(LaesBytes(mappe + "/t.txt"), gammelt);
    EXPECT_EQ(AntalFiler(mappe), 1);

    // Through each kind of file, with the message each one gives.
    FakeFlade flade;
    {
        std::vector<std::string> linier(5000, std::string(40, 'a'));
        FuldDisk fuld(4096);
        EXPECT_FALSE(SkrivTekstLinier(mappe + "/t.txt", linier));
    }
    EXPECT_EQ(flade.Sidste(), "Fejl ved skrivning af filen " + mappe + "/t.txt\n\rDen tidligere fil er u\xE6ndret.");
    EXPECT_EQ(LaesBytes(mappe + "/t.txt"), gammelt);

    TProjekt p;
    StartProjekt(p);
    FortolkProjektLinie(p, "Overskrift(1): overskrift=\"Pendul\";");
    FortolkProjektLinie(p, "Konstant(1): g = 9.82 [m/s^2];");
    for (int i = 2; i <= 22; ++i)
        FortolkProjektLinie(p, "Konstant(" + std::string(1, "0123456789ABCDEFGHIJKLMN"[i]) + "): k" + std::to_string(i) +
                                   " = " + std::string(200, '1') + ";");
    ASSERT_FALSE(Fejl);
    SkrivBytes(mappe + "/p.prj", gammelt);
    p.TekstGemt = false;
    {
        FuldDisk fuld(1024);
        SkrivProjektFil(p, mappe + "/p.prj");
    }
    EXPECT_FALSE(p.TekstGemt);
    EXPECT_EQ(flade.Vist.back().Art, Boks::Fejl);
    EXPECT_EQ(flade.Sidste(), "Fejl ved skrivning af projektfilen " + mappe + "/p.prj\n\rDen tidligere fil er u\xE6ndret.");
    EXPECT_EQ(LaesBytes(mappe + "/p.prj"), gammelt);

    FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=1; antal_indgange= 2000; tabel_bredde= 10;");
    FortolkProjektLinie(p, "Variabel(1,1): x:=?;");
    AnalyserTabel(p, 1);
    for (int j = 1; j <= 2000; ++j) p.Tabeller[1].Celler.SaetCelle("123.456", 1, j + 1);
    SkrivBytes(mappe + "/d.dat", gammelt);
    flade.FilSvar = {mappe + "/d.dat"};
    flade.Svar = {true};
    {
        FuldDisk fuld(1024);
        GemDataFil(p, 1);
    }
    EXPECT_EQ(flade.Sidste(), "Fejl ved skrivning af DataFil");
    EXPECT_TRUE(Fejl);
    Fejl = false;
    EXPECT_EQ(LaesBytes(mappe + "/d.dat"), gammelt);
    EXPECT_EQ(AntalFiler(mappe), 3) << "no temporary file is left behind";
}

TEST(SikkerSkrivning, OnlyRegularFilesAreReplaced) {
    const auto mappe = test::NyTempMappe("sikker_regulaer");
    // A device keeps being a device.
    EXPECT_EQ(SkrivFilSikkert("/dev/null", "x"), TSkrivning::KanIkkeOprettes);
    struct stat info {};
    ASSERT_EQ(stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    // A folder and a pipe too.
    fs::create_directory(mappe + "/mappe");
    EXPECT_EQ(SkrivFilSikkert(mappe + "/mappe", "x"), TSkrivning::KanIkkeOprettes);
    EXPECT_TRUE(fs::is_directory(mappe + "/mappe"));
    ASSERT_EQ(mkfifo((mappe + "/roer").c_str(), 0600), 0);
    EXPECT_EQ(SkrivFilSikkert(mappe + "/roer", "x"), TSkrivning::KanIkkeOprettes);
    EXPECT_TRUE(fs::is_fifo(mappe + "/roer"));
    // A link is followed: the file behind it gets the content, the link stays a link.
    SkrivBytes(mappe + "/maal.txt", "gammel");
    fs::create_symlink(mappe + "/maal.txt", mappe + "/link.txt");
    EXPECT_EQ(SkrivFilSikkert(mappe + "/link.txt", "ny"), TSkrivning::Skrevet);
    EXPECT_TRUE(fs::is_symlink(mappe + "/link.txt"));
    EXPECT_EQ(LaesBytes(mappe + "/maal.txt"), "ny");
    // A link to a device is not followed into it.
    fs::create_symlink("/dev/null", mappe + "/null.txt");
    EXPECT_EQ(SkrivFilSikkert(mappe + "/null.txt", "x"), TSkrivning::KanIkkeOprettes);
    // An empty name and a missing folder.
    EXPECT_EQ(SkrivFilSikkert("", "x"), TSkrivning::KanIkkeOprettes);
    EXPECT_EQ(SkrivFilSikkert(mappe + "/ingen/x.txt", "x"), TSkrivning::KanIkkeOprettes);
}

TEST(SikkerSkrivning, ANewFileAndTheModeOfAnOldOne) {
    const auto mappe = test::NyTempMappe("sikker_tilstand");
    EXPECT_EQ(SkrivFilSikkert(mappe + "/ny.txt", "abc"), TSkrivning::Skrevet);
    EXPECT_EQ(LaesBytes(mappe + "/ny.txt"), "abc");
    SkrivBytes(mappe + "/gammel.txt", "x");
    fs::permissions(mappe + "/gammel.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(SkrivFilSikkert(mappe + "/gammel.txt", "yz"), TSkrivning::Skrevet);
    EXPECT_EQ(LaesBytes(mappe + "/gammel.txt"), "yz");
    EXPECT_EQ(fs::status(mappe + "/gammel.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(AntalFiler(mappe), 2);
}

}  // namespace
}  // namespace plotvik
