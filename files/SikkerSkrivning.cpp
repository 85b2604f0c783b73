// Temporary file, fsync, rename. POSIX only: the program runs on Linux.
#include "files/SikkerSkrivning.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace plotvik {

namespace {

std::string Mappe(const std::string& sti) {
    auto i = sti.rfind('/');
    if (i == std::string::npos) return ".";
    if (i == 0) return "/";
    return sti.substr(0, i);
}

std::string Grundnavn(const std::string& sti) {
    auto i = sti.rfind('/');
    return i == std::string::npos ? sti : sti.substr(i + 1);
}

bool SkrivAlt(int fd, std::string_view indhold) {
    const char* p = indhold.data();
    size_t rest = indhold.size();
    while (rest > 0) {
        ssize_t n = ::write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        rest -= static_cast<size_t>(n);
    }
    return true;
}

// A rename is durable only once the folder that holds the name is flushed too.
void SynkroniserMappe(const std::string& mappe) {
    int fd = ::open(mappe.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

TSkrivning SkrivFilSikkert(const std::string& navnInd, std::string_view indhold) {
    if (navnInd.empty()) return TSkrivning::KanIkkeOprettes;
    std::string navn = navnInd;

    // A link keeps pointing where it pointed: the file behind it is replaced.
    struct stat info {};
    if (::lstat(navn.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        std::vector<char> buf(PATH_MAX + 1);
        if (::realpath(navn.c_str(), buf.data()) == nullptr) return TSkrivning::KanIkkeOprettes;
        navn = buf.data();
    }

    mode_t tilstand = 0;
    bool findes = ::lstat(navn.c_str(), &info) == 0;
    if (findes) {
        // Renaming over a device, a folder or a pipe would destroy it.
        if (!S_ISREG(info.st_mode)) return TSkrivning::KanIkkeOprettes;
        // A write-protected file stays protected, as it would if opened for writing.
        if (::access(navn.c_str(), W_OK) != 0) return TSkrivning::KanIkkeOprettes;
        tilstand = info.st_mode & 07777;
    } else {
        mode_t maske = ::umask(0);
        ::umask(maske);
        tilstand = 0666 & ~maske;
    }

    const std::string mappe = Mappe(navn);
    std::string skabelon = mappe + "/." + Grundnavn(navn) + ".XXXXXX";
    std::vector<char> tmp(skabelon.begin(), skabelon.end());
    tmp.push_back('\0');
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return TSkrivning::KanIkkeOprettes;
    const std::string tmpNavn = tmp.data();

    (void)::fchmod(fd, tilstand);  // a mode that cannot be set does not stop the save
    bool ok = SkrivAlt(fd, indhold) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) {
        // The name may have been replaced by something else meanwhile.
        if (::lstat(navn.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) ok = false;
    }
    if (ok && ::rename(tmpNavn.c_str(), navn.c_str()) != 0) ok = false;
    if (!ok) {
        ::unlink(tmpNavn.c_str());
        return TSkrivning::Fejlet;
    }
    SynkroniserMappe(mappe);
    return TSkrivning::Skrevet;
}

}  // namespace plotvik
