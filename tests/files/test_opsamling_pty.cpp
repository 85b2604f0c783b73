// A capture from a "device" without hardware: a pseudo-terminal pair, the
// test's writer thread on one side, a plain read loop on the other side
// feeding the capture as the window's port would.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "files/Opsamling.h"
#include "files/PlotvikAnalyse.h"
#include "support/PtyPar.h"

namespace plotvik {
namespace {

using Ur = std::chrono::steady_clock;
using test::TPtyPar;

// Reads until the other side is gone (the capture is then told so), the
// capture stops by itself, or the time is up.
void LaesLoekke(TOpsamling& o, int fd, std::atomic<size_t>& modtaget, double sekunder) {
    const auto start = Ur::now();
    char buf[4096];
    while (o.Koerer()) {
        const double tid = std::chrono::duration<double>(Ur::now() - start).count();
        if (tid > sekunder) return;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 50) < 0 && errno != EINTR) return;
        if (p.revents == 0) continue;
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n > 0) {
            o.Modtag(std::string_view(buf, static_cast<size_t>(n)), tid);
            modtaget += static_cast<size_t>(n);
        } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
            o.Afbryd();  // the master is closed: read gives EIO
        }
    }
}

void VentPaa(const std::atomic<size_t>& modtaget, size_t antal) {
    const auto slut = Ur::now() + std::chrono::seconds(20);
    while (modtaget < antal && Ur::now() < slut) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TProjekt Projekt() {
    TProjekt p;
    StartProjekt(p);
    for (const char* l : {"Tabel(1): tabel_type=S; antal_variable=2; antal_indgange= 10; tabel_bredde= 10;",
                          "Variabel(1,1): i:=?;", "Variabel(1,2): x:=?;"})
        FortolkProjektLinie(p, l);
    AnalyserTabel(p, 1);
    return p;
}

const std::string Afbrudt = "Opsamlingen er stoppet, fordi forbindelsen til m\xE5leren blev afbrudt. ";
const std::string Halv = " Den sidste linie n\xE5" "ede ikke frem i sin helhed og er ikke taget med.";

TEST(OpsamlingPty, TenThousandLinesAtFullSpeedArriveInOrderOnce) {
    TPtyPar pty;
    ASSERT_GE(pty.Skriver, 0);
    TProjekt p = Projekt();
    TOpsamling o(p, {});
    ASSERT_TRUE(o.Start());
    std::string alt;
    for (int i = 1; i <= 10000; ++i) alt += std::to_string(i) + "\t" + std::to_string(3 * i) + "\r\n";
    std::atomic<size_t> modtaget{0};
    std::thread skriver([&] {
        // Writes of uneven sizes, as fast as the terminal takes them.
        std::string_view rest(alt);
        for (size_t n = 1; !rest.empty(); n = n * 7 % 1021 + 1) {
            const size_t del = std::min(n, rest.size());
            if (!pty.Skriv(rest.substr(0, del))) return;
            rest.remove_prefix(del);
        }
        // The kernel drops what is unread when the master closes; a cable pulled
        // out loses what is on its way too, which is not what is tested here.
        VentPaa(modtaget, alt.size());
        pty.LukSkriver();
    });
    LaesLoekke(o, pty.Laeser, modtaget, 30);
    skriver.join();
    EXPECT_FALSE(o.Koerer());
    EXPECT_EQ(o.Besked(), Afbrudt + "10000 m\xE5linger er gemt i tabel 1.");
    EXPECT_EQ(o.Fejllinier(), 0);
    const TTabelDef& t = p.Tabeller[1];
    ASSERT_EQ(t.AntalIndgange, 10000);
    int forkerte = 0;
    for (int i = 1; i <= 10000; ++i)
        if (t.Celler.HentCelle(1, i + 1) != std::to_string(i) || t.Celler.HentCelle(2, i + 1) != std::to_string(3 * i))
            ++forkerte;
    EXPECT_EQ(forkerte, 0);
}

TEST(OpsamlingPty, CutLinesGarbageAndAClosedDevice) {
    struct {
        const char* navn;
        std::vector<std::string> skrivninger;  // each read by the capture before the next is written
        std::vector<std::pair<std::string, std::string>> ud;
        int fejl;
        bool halv;  // the writer closed in the middle of a line
    } tilfaelde[] = {
        {"a line cut in two writes is read once", {"i;x\n1;10\n2;2", "0\n"}, {{"1", "10"}, {"2", "20"}}, 0, false},
        {"garbage lines are counted", {"1;10\n", "\x01\xFE\xFF\n", "zz;yy\n5;6;7\n", "2;20\n"},
         {{"1", "10"}, {"2", "20"}}, 3, false},
        {"closing mid-line keeps the values", {"1;10\n2;20\n", "3;3"}, {{"1", "10"}, {"2", "20"}}, 0, true},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TPtyPar pty;
        ASSERT_GE(pty.Skriver, 0);
        TProjekt p = Projekt();
        TOpsamling o(p, {});
        ASSERT_TRUE(o.Start());
        std::atomic<size_t> modtaget{0};
        std::thread skriver([&] {
            size_t skrevet = 0;
            for (const auto& s : t.skrivninger) {
                if (!pty.Skriv(s)) return;
                skrevet += s.size();
                VentPaa(modtaget, skrevet);
            }
            pty.LukSkriver();
        });
        LaesLoekke(o, pty.Laeser, modtaget, 20);
        skriver.join();
        EXPECT_FALSE(o.Koerer());
        std::vector<std::pair<std::string, std::string>> ud;
        for (int k = 1; k <= p.Tabeller[1].AntalIndgange; ++k)
            ud.emplace_back(p.Tabeller[1].Celler.HentCelle(1, k + 1), p.Tabeller[1].Celler.HentCelle(2, k + 1));
        EXPECT_EQ(ud, t.ud);
        EXPECT_EQ(o.Fejllinier(), t.fejl);
        EXPECT_EQ(o.Besked(), Afbrudt + std::to_string(t.ud.size()) + " m\xE5linger er gemt i tabel 1." +
                                  (t.halv ? Halv : ""));
    }
}

}  // namespace
}  // namespace plotvik
