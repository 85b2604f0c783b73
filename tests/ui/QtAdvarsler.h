// Qt's warnings caught while a test drives the window: a warning from Qt
// ("commitData called with an editor that does not belong to this view",
// "QDialog::exec: Recursive call detected", ...) is a fault of the program.
// Only the offscreen platform's notices that it lacks a feature of a real
// window system are let through. Active for the life of the object.
#pragma once

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace plotvik::test {

inline bool TilladtQtBesked(const QString& besked) {
    static const char* const tilladte[] = {
        "This plugin does not support",  // offscreen: raise(), grabbing the keyboard, ...
    };
    for (const char* t : tilladte)
        if (besked.startsWith(QLatin1String(t))) return true;
    return false;
}

class QtAdvarsler {
public:
    QtAdvarsler() {
        aktive_ = this;
        forrige_ = qInstallMessageHandler(&QtAdvarsler::Modtag);
    }
    ~QtAdvarsler() {
        qInstallMessageHandler(forrige_);
        aktive_ = nullptr;
    }
    QtAdvarsler(const QtAdvarsler&) = delete;
    QtAdvarsler& operator=(const QtAdvarsler&) = delete;

    // The warnings since the last call.
    std::vector<std::string> Tag() {
        std::lock_guard<std::mutex> laas(mutex_);
        return std::exchange(nye_, {});
    }

    // In the random run each warning is also written at once with the seed
    // and step, so that a warning followed by a crash can still be replayed.
    bool Abekat = false;
    unsigned Froe = 0;
    std::atomic<long> Trin{0};

private:
    static void Modtag(QtMsgType type, const QMessageLogContext& sted, const QString& besked) {
        QtAdvarsler* a = aktive_;
        if (!a) return;
        if (type == QtDebugMsg || type == QtInfoMsg) {
            if (a->forrige_) a->forrige_(type, sted, besked);
            return;
        }
        if (TilladtQtBesked(besked)) return;
        const std::string tekst = besked.toStdString();
        if (a->Abekat)
            std::fprintf(stderr, "Abekat: Qt-advarsel i trin %ld med froe %u: %s\n", a->Trin.load(), a->Froe,
                         tekst.c_str());
        std::lock_guard<std::mutex> laas(a->mutex_);
        a->nye_.push_back(tekst);
    }
    static inline QtAdvarsler* aktive_ = nullptr;
    QtMessageHandler forrige_ = nullptr;
    std::mutex mutex_;
    std::vector<std::string> nye_;
};

}  // namespace plotvik::test
