// Test hooks for tests that run the real program in a process of its own.
#include "ui/vindue/TestKrog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

#include "ui/fortryd/Autogem.h"
#include "ui/vindue/VinduesKerne.h"
#include "ui/flade/Tegnsaet.h"

namespace plotvik {
namespace {

void Log(const std::string& linie) {
    const char* navn = std::getenv("PLOTVIK_TESTKROG_LOG");
    if (!navn) return;
    if (std::FILE* f = std::fopen(navn, "ab")) {
        std::fputs((linie + "\n").c_str(), f);
        std::fclose(f);
    }
}

class TKrogFlade : public Brugerflade {
public:
    TKrogFlade() {
        for (const QString& s : QString::fromLocal8Bit(std::getenv("PLOTVIK_TESTKROG_SVAR")).split(',', Qt::SkipEmptyParts))
            svar_.push_back(s.trimmed().startsWith('j'));
    }
    bool FejlMedIgnorer(const std::string& t) override { return Svar(t); }
    void Fejlboks(const std::string& t) override { Log("BOKS " + t); }
    void Informationsboks(const std::string& t) override { Log("BOKS " + t); }
    bool OkEllerAnnuller(const std::string& t) override { return Svar(t); }
    bool JaEllerNej(const std::string& t) override { return Svar(t); }
    void Bip() override {}
    std::optional<std::string> AabnFilDialog(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> GemFilDialog(const std::string&, const std::string&) override { return std::nullopt; }
    void LadHaendelserKoere() override { QApplication::processEvents(); }
    void Timeglas(bool) override {}

private:
    bool Svar(const std::string& t) {
        Log("BOKS " + t);
        if (svar_.empty()) return false;
        const bool s = svar_.front();
        svar_.pop_front();
        return s;
    }
    std::deque<bool> svar_;
};

// Writes what a shown message box says and offers, in UTF-8, the access
// keys' "&" left out: the texts as they reach the screen.
class TBoksVagt : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Show) return false;
        auto* boks = qobject_cast<QMessageBox*>(o);
        if (!boks) return false;
        QStringList knapper;
        for (QAbstractButton* k : boks->buttons()) knapper << QString(k->text()).remove('&');
        Skriv("BOKS " + boks->text().replace('\n', ' ') + "\nKNAPPER " + knapper.join('|') + "\n");
        return false;
    }

private:
    static void Skriv(const QString& linier) {
        QFile f(QString::fromLocal8Bit(std::getenv("PLOTVIK_TESTKROG_BOKSE")));
        if (f.open(QIODevice::Append)) f.write(linier.toUtf8());
    }
};

void Tast(QWidget* w, int tast) {
    QKeyEvent ned(QEvent::KeyPress, tast, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &ned);
}

}  // namespace

std::unique_ptr<Brugerflade> TestKrogFlade() {
    if (std::getenv("PLOTVIK_TESTKROG_BOKSE") && qApp) qApp->installEventFilter(new TBoksVagt(qApp));
    if (!std::getenv("PLOTVIK_TESTKROG_LOG")) return nullptr;
    return std::make_unique<TKrogFlade>();
}

void KoerTestKroge(TVinduesKerne& f) {
    if (const char* tast = std::getenv("PLOTVIK_TESTKROG_TAST")) {
        for (int t = 0; t <= MaksTabeller; ++t) f.StopIndtastning(t);
        f.AntalMaalingerButton[1]->click();
        f.TastaturRadioButton[1]->setChecked(true);
        f.IndLaesTabelButton[1]->click();
        for (const QString& v : QString::fromLocal8Bit(tast).split(';')) {
            QLineEdit* e = f.TabelFeltEdit[1];
            e->setText(v);
            Tast(e, Qt::Key_Return);
        }
        // "GEMT <ms>" once the write that followed the last change has ended.
        auto* vent = new QTimer(&f.Hovedvindue);
        auto ur = std::make_shared<QElapsedTimer>();
        ur->start();
        QObject::connect(vent, &QTimer::timeout, &f.Hovedvindue, [&f, vent, ur] {
            if (f.Autogem->Venter() || !QFile::exists(TAutogem::FilNavn())) return;
            f.Autogem->VentPaaSkrivning();
            vent->stop();
            Log("GEMT " + std::to_string(ur->elapsed()));
        });
        vent->start(50);
    }
    if (std::getenv("PLOTVIK_TESTKROG_VIS")) {
        const TTabelDef& T = f.Projekt.Tabeller[1];
        Log("MAALINGER " + std::to_string(f.AntalMaalingerSpinEdit[1]->value()));
        for (int v = 1; v <= T.AntalVariable; ++v)
            for (int k = 2; k <= T.AntalIndgange + 1; ++k)
                if (!T.Celler.Celle(v, k).empty())
                    Log("CELLE " + std::to_string(v) + " " + std::to_string(k) + " " + T.Celler.Celle(v, k));
        QTimer::singleShot(0, &f.Hovedvindue, [&f] { f.Hovedvindue.close(); });
    }
}

}  // namespace plotvik
