// Autosave of the recovery file.
#include "ui/fortryd/Autogem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <chrono>

#include "files/SikkerSkrivning.h"

TAutogem::TAutogem(std::function<std::string()> lavBytes, QObject* parent)
    : QObject(parent), lavBytes_(std::move(lavBytes)) {
    timer_.setSingleShot(true);
    timer_.setInterval(VentMs);
    connect(&timer_, &QTimer::timeout, this, &TAutogem::SkrivNu);
}

TAutogem::~TAutogem() { VentPaaSkrivning(); }

QString TAutogem::FilNavn() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/gendannelse.plotvik");
}

void TAutogem::Aendret() {
    if (!timer_.isActive()) timer_.start();
}

void TAutogem::SkrivNu() {
    using namespace std::chrono_literals;
    if (skrivning_.valid()) {
        if (skrivning_.wait_for(0ms) != std::future_status::ready) {
            timer_.start(100);
            return;
        }
        emit Skrevet(skrivning_.get());
    }
    std::string bytes = lavBytes_();
    if (bytes.empty()) return;
    const QString navn = FilNavn();
    if (!QDir().mkpath(QFileInfo(navn).absolutePath())) {
        emit Skrevet(false);
        return;
    }
    skrivning_ = std::async(std::launch::async, [n = QFile::encodeName(navn).toStdString(), b = std::move(bytes)] {
        return plotvik::SkrivFilSikkert(n, b) == plotvik::TSkrivning::Skrevet;
    });
}

void TAutogem::VentPaaSkrivning() {
    if (skrivning_.valid()) emit Skrevet(skrivning_.get());
}

void TAutogem::Fjern() {
    timer_.stop();
    VentPaaSkrivning();
    QFile::remove(FilNavn());
}
