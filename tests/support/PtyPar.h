// A measuring device without hardware: a pseudo-terminal pair. The test
// writes on the master side as the device would; the capture reads the
// terminal side, in raw mode as a serial port is opened, by fd or by path.
#pragma once

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>

namespace plotvik::test {

struct TPtyPar {
    int Skriver = -1, Laeser = -1;
    std::string Sti;  // the terminal side's path, as a student types a port
    TPtyPar() {
        if (openpty(&Skriver, &Laeser, nullptr, nullptr, nullptr) != 0) return;
        termios t{};
        tcgetattr(Laeser, &t);
        cfmakeraw(&t);
        tcsetattr(Laeser, TCSANOW, &t);
        Sti = ttyname(Laeser);
    }
    ~TPtyPar() {
        LukSkriver();
        if (Laeser >= 0) close(Laeser);
    }
    TPtyPar(const TPtyPar&) = delete;
    TPtyPar& operator=(const TPtyPar&) = delete;
    // The device unplugged: the reader gets EIO.
    void LukSkriver() {
        if (Skriver >= 0) close(Skriver);
        Skriver = -1;
    }
    // All of b, however the kernel splits it; false when the other side is gone.
    bool Skriv(std::string_view b) const {
        while (!b.empty()) {
            const ssize_t n = write(Skriver, b.data(), b.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            b.remove_prefix(static_cast<size_t>(n));
        }
        return true;
    }
};

}  // namespace plotvik::test
