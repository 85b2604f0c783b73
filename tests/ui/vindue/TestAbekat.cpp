// The monkey test: the real window driven offscreen by a seeded random
// sequence of menu items, buttons, radio buttons, check boxes, typed keys and
// texts, clicks on grids and graph images, "Målinger" values and loaded
// examples. Every message box is answered at random through the user seam,
// every dialog the window opens is filled in at random and closed. After
// each step no cell or result shows inf or nan, no box was empty and Qt
// wrote no warning (only the offscreen platform's notices of what it cannot
// do are let through); a step that hangs ends the run with its seed and step
// (watchdog).
//
// A short run with fixed seeds is part of the suite. Longer runs:
//   PLOTVIK_ABE_SEKUNDER=600 PLOTVIK_ABE_FROE=7 test_ui --gtest_filter=Abekat.Fri
// (./monkey.sh SECONDS [SEED] does the same). PLOTVIK_ABE_TRIN=N stops after
// N steps: a fault reported at step N-1 of a seed is replayed that way.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include "ui/FormTestHjaelp.h"
#include "ui/QtAdvarsler.h"
#include "ui/graf/GrafBillede.h"

namespace plotvik::test {
namespace {

// A user who answers every box at random and remembers what was shown.
class AbeFlade : public Brugerflade {
public:
    std::mt19937& rng;
    std::vector<std::string> Filer;  // names an open dialog may answer with
    std::string Mappe;
    std::vector<std::string> TommeBokse;
    long Bokse = 0;

    AbeFlade(std::mt19937& r) : rng(r) { SaetFlade(this); }
    ~AbeFlade() override { SaetFlade(nullptr); }

    bool FejlMedIgnorer(const std::string& t) override { return Vis(t); }
    void Fejlboks(const std::string& t) override { Vis(t); }
    void Informationsboks(const std::string& t) override { Vis(t); }
    bool OkEllerAnnuller(const std::string& t) override { return Vis(t); }
    bool JaEllerNej(const std::string& t) override { return Vis(t); }
    void Bip() override {}
    std::optional<std::string> AabnFilDialog(const std::string&, const std::string&) override {
        const int valg = int(rng() % (Filer.size() + 2));
        if (valg == 0) return std::nullopt;
        if (valg == 1) return Mappe + "/findes_ikke.prj";
        return Filer[valg - 2];
    }
    std::optional<std::string> GemFilDialog(const std::string&, const std::string&) override {
        switch (rng() % 4) {
            case 0: return std::nullopt;
            case 1: return Mappe + "/gemt.prj";
            case 2: return Mappe + "/gemt.txt";
            default: return Mappe + "/gemt.dat";
        }
    }
    void LadHaendelserKoere() override { QApplication::processEvents(); }
    void Timeglas(bool) override {}

private:
    bool Vis(const std::string& t) {
        ++Bokse;
        if (t.find_first_not_of(" \n\r\t") == std::string::npos) TommeBokse.push_back(t);
        return rng() % 2 == 0;
    }
};

bool HarInfNan(const QString& tekst) {
    const QString s = tekst.toLower();
    return s.contains(QStringLiteral("inf")) || s.contains(QStringLiteral("nan"));
}

// The watchdog: a step that has not ended after this long is a hang.
class Vagthund {
public:
    std::atomic<long> Trin{0};
    std::atomic<bool> Slut{false};
    unsigned Froe = 0;
    std::thread traad;

    void Start(unsigned froe, int sekunder) {
        Froe = froe;
        traad = std::thread([this, sekunder] {
            long sidst = -1;
            auto siden = std::chrono::steady_clock::now();
            while (!Slut) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                const long nu = Trin;
                if (nu != sidst) {
                    sidst = nu;
                    siden = std::chrono::steady_clock::now();
                } else if (std::chrono::steady_clock::now() - siden > std::chrono::seconds(sekunder)) {
                    std::fprintf(stderr, "Abekat: trin %ld med froe %u haenger\n", nu, Froe);
                    std::abort();
                }
            }
        });
    }
    ~Vagthund() {
        Slut = true;
        if (traad.joinable()) traad.join();
    }
};

class Abekat : public FormTest {
protected:
    std::mt19937 rng;
    std::unique_ptr<AbeFlade> abe;
    std::vector<std::string> fejl;
    long trin = 0;
    std::string sidsteHandling;

    int Tal(int n) { return n <= 0 ? 0 : int(rng() % unsigned(n)); }
    bool Mont(int procent) { return Tal(100) < procent; }

    QString TilfaeldigTekst() {
        static const char* const faste[] = {"", "0", "1", "-1", "3,14", "2.5", "1e308", "1e-320", "-0", ",", ".",
                                            "1,2,3", "abc", "x", "T", "L", "a*b", "(", "1/0", "sqrt(-1)",
                                            " 7 ", "99999999999999999999", "1E+400", "'", "\"", "\xE6\xF8\xE5",
                                            "T=2*pi*sqrt(L/g)", "g=9,82", "[s]", "1;2"};
        switch (Tal(5)) {
            case 0: return TilQString(faste[Tal(std::size(faste))]);
            case 1: return QString::number(Tal(2000) - 1000) + (Mont(50) ? QStringLiteral(",") + QString::number(Tal(1000)) : QString());
            case 2: {
                QString s;
                const int n = Tal(12);
                for (int i = 0; i < n; ++i) s += QChar(char('a' + Tal(26)));
                return HarInfNan(s) ? QStringLiteral("xyz") : s;
            }
            case 3: return QString(200 + Tal(400), QChar('9'));
            default: {
                QString s;
                const int n = Tal(8);
                static const char tegn[] = "0123456789,.-+e*/()^ xLTg";
                for (int i = 0; i < n; ++i) s += QChar(tegn[Tal(sizeof tegn - 1)]);
                return s;
            }
        }
    }

    template <class T>
    std::vector<T*> Synlige() {
        std::vector<T*> ud;
        for (T* w : form->findChildren<T*>())
            if (w->isVisible() && w->isEnabled()) ud.push_back(w);
        return ud;
    }

    std::vector<QAction*> Menupunkter() {
        std::vector<QAction*> ud;
        std::function<void(QMenu*)> tag = [&](QMenu* m) {
            for (QAction* a : m->actions()) {
                if (a->menu()) tag(a->menu());
                else if (!a->isSeparator() && a->isEnabled() && !a->objectName().isEmpty()) ud.push_back(a);
            }
        };
        for (QAction* a : form->menuBar()->actions()) {
            if (a->menu()) tag(a->menu());
            else if (a->isEnabled()) ud.push_back(a);
        }
        if (form->GrafPopupMenu) tag(form->GrafPopupMenu);
        return ud;
    }

    // Fills a dialog's boxes at random and closes it with OK or Cancel.
    void BesvarDialog(QDialog* d) {
        if (d->objectName() == QStringLiteral("HjaelpVindue")) {
            d->close();
            return;
        }
        if (d->inherits("QPrintDialog") || d->inherits("QPageSetupDialog")) {
            d->reject();
            return;
        }
        for (QLineEdit* e : d->findChildren<QLineEdit*>())
            if (e->isVisible() && Mont(50)) e->setText(TilfaeldigTekst());
        for (QSpinBox* s : d->findChildren<QSpinBox*>())
            if (s->isVisible() && Mont(40)) s->setValue(s->minimum() + Tal(std::min(s->maximum() - s->minimum() + 1, 30)));
        for (QAbstractButton* k : d->findChildren<QAbstractButton*>())
            if (k->isVisible() && k->isCheckable() && Mont(20)) k->click();
        if (Mont(70)) d->accept();
        else d->reject();
    }

    // Closes whatever modal window, dialog or pop-up menu the step left open.
    void LukAabneVinduer() {
        if (QWidget* p = QApplication::activePopupWidget()) p->close();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* d = qobject_cast<QDialog*>(w);
            if (d && d->isVisible()) BesvarDialog(d);
        }
    }

    void Undersoeg() {
        for (int t = 0; t <= MaksTabeller; ++t) {
            QTableView* g = form->TabelGrid[t];
            if (!g || !g->isVisible()) continue;
            QAbstractItemModel* m = g->model();
            const int raekker = std::min(m->rowCount(), 300), soejler = std::min(m->columnCount(), 30);
            for (int r = 0; r < raekker; ++r)
                for (int c = 0; c < soejler; ++c) {
                    const QString s = m->data(m->index(r, c)).toString();
                    // The monkey never types "inf" or "nan" itself.
                    if (HarInfNan(s)) fejl.push_back("celle " + FraQString(s));
                }
            for (QLineEdit* e : {form->GennemsnitEdit[t], form->VariansEdit[t]})
                if (e && HarInfNan(e->text())) fejl.push_back("gns/varians " + FraQString(e->text()));
        }
        for (int s = 1; s <= 3; ++s)
            for (int i = 0; i < form->GrafResultaterListBox[s]->count(); ++i)
                if (HarInfNan(form->GrafResultaterListBox[s]->item(i)->text()))
                    fejl.push_back("resultat " + FraQString(form->GrafResultaterListBox[s]->item(i)->text()));
        for (const std::string& t : abe->TommeBokse) fejl.push_back("tom boks '" + t + "'");
        abe->TommeBokse.clear();
    }

    void Trin() {
        const int valg = Tal(100);
        if (valg < 16) {
            auto punkter = Menupunkter();
            if (punkter.empty()) return;
            QAction* a = punkter[Tal(int(punkter.size()))];
            const QString navn = a->objectName();
            sidsteHandling = "menu " + FraQString(navn);
            // The item may go with the step ("Seneste projekter" is made anew when a project is loaded).
            a->trigger();
            if (navn == QStringLiteral("AfslutMenuItem")) form->show();
        } else if (valg < 30) {
            auto knapper = Synlige<QPushButton>();
            if (knapper.empty()) return;
            QPushButton* k = knapper[Tal(int(knapper.size()))];
            sidsteHandling = "knap " + FraQString(k->objectName());
            QTest::mouseClick(k, Qt::LeftButton);
        } else if (valg < 36) {
            std::vector<QAbstractButton*> valgknapper;
            for (auto* r : Synlige<QRadioButton>()) valgknapper.push_back(r);
            for (auto* c : Synlige<QCheckBox>()) valgknapper.push_back(c);
            if (valgknapper.empty()) return;
            QAbstractButton* k = valgknapper[Tal(int(valgknapper.size()))];
            sidsteHandling = "valg " + FraQString(k->objectName());
            QTest::mouseClick(k, Qt::LeftButton);
        } else if (valg < 58) {
            // Typing where the focus is, else in a random box.
            QWidget* w = QApplication::focusWidget();
            if (!w || Mont(30)) {
                std::vector<QWidget*> felter;
                for (auto* e : Synlige<QLineEdit>()) felter.push_back(e);
                for (auto* e : Synlige<QSpinBox>()) felter.push_back(e);
                if (form->RedigerMemo->isVisible()) felter.push_back(form->RedigerMemo);
                if (felter.empty()) return;
                w = felter[Tal(int(felter.size()))];
                w->setFocus();
            }
            sidsteHandling = "tast i " + FraQString(w->objectName());
            QTest::keyClicks(w, TilfaeldigTekst());
            static const Qt::Key slut[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down,
                                           Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete,
                                           Qt::Key_Left, Qt::Key_Right, Qt::Key_F2};
            if (QWidget* f = QApplication::focusWidget()) QTest::keyClick(f, slut[Tal(std::size(slut))]);
        } else if (valg < 72) {
            std::vector<QTableView*> grids;
            for (int t = 0; t <= MaksTabeller; ++t)
                if (form->TabelGrid[t] && form->TabelGrid[t]->isVisible()) grids.push_back(form->TabelGrid[t]);
            if (grids.empty()) return;
            QTableView* g = grids[Tal(int(grids.size()))];
            const int r = Tal(g->model()->rowCount() + 1), c = Tal(g->model()->columnCount() + 1);
            const QRect felt = g->visualRect(g->model()->index(std::min(r, 12), c));
            const QPoint punkt = felt.isValid() ? felt.center() : QPoint(Tal(g->width()), Tal(g->height()));
            sidsteHandling = "klik i " + FraQString(g->objectName());
            if (Mont(20)) QTest::mouseDClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, punkt);
            else QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, punkt);
        } else if (valg < 80) {
            const int s = 1 + Tal(3);
            form->VisArk(s + 2);
            TGrafBillede* b = form->GrafBilledeWidget[s];
            sidsteHandling = "klik paa graf " + std::to_string(s);
            const QPoint punkt(Tal(b->width() + 1), Tal(b->height() + 1));
            QTest::mouseClick(b, Mont(75) ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier, punkt);
        } else if (valg < 88) {
            const int t = 1 + Tal(MaksTabeller);
            if (!form->AntalMaalingerSpinEdit[t]->isVisible()) return;
            const int n = Mont(90) ? 1 + Tal(12) : 1 + Tal(3000);
            sidsteHandling = "maalinger " + std::to_string(t) + " = " + std::to_string(n);
            form->AntalMaalingerSpinEdit[t]->setValue(n);
            QTest::mouseClick(form->AntalMaalingerButton[t], Qt::LeftButton);
        } else if (valg < 92) {
            static const char* const eksempler[] = {"Pendul", "Fald", "Svingning"};
            const std::string navn = eksempler[Tal(3)];
            sidsteHandling = "hent " + navn;
            Kopi(navn + ".txt");
            Kopi(navn + "Tabel_1.dat");
            form->HentProjekt(Kopi(navn + ".prj"));
        } else if (valg < 96) {
            sidsteHandling = "ark";
            form->VisArk(1 + Tal(6));
        } else {
            static const QKeySequence genveje[] = {QKeySequence::Undo, QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
            sidsteHandling = "genvej";
            QWidget* f = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
            const QKeyCombination k = genveje[Tal(3)][0];
            QTest::keyClick(f, k.key(), k.keyboardModifiers());
        }
    }

    // Runs from a seed for a number of steps or seconds; the faults found, each with its step.
    void Koer(unsigned froe, long maksTrin, double sekunder) {
        rng.seed(froe);
        abe.reset();
        abe = std::make_unique<AbeFlade>(rng);
        abe->Mappe = mappe;
        for (const char* e : {"Pendul.prj", "Fald.prj", "Svingning.prj", "Pendul.txt", "PendulTabel_1.dat",
                              "FaldTabel_1.dat", "SvingningTabel_1.dat", "Fald.txt"})
            abe->Filer.push_back(Kopi(e));
        Vagthund hund;
        hund.Start(froe, 60);
        QtAdvarsler advarsler;
        advarsler.Abekat = true;
        advarsler.Froe = froe;
        // The dialogs a step opens are answered while the step waits for them.
        QTimer vagt;
        vagt.setInterval(5);
        QObject::connect(&vagt, &QTimer::timeout, [this] { LukAabneVinduer(); });
        vagt.start();
        const bool spor = std::getenv("PLOTVIK_ABE_SPOR") != nullptr;
        const auto start = std::chrono::steady_clock::now();
        for (trin = 0; trin < maksTrin; ++trin) {
            if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > sekunder) break;
            hund.Trin = trin;
            advarsler.Trin = trin;
            // Each step draws from its own seed: a difference in timing inside
            // Qt in one step does not change the choices of all later steps.
            rng.seed(froe * 1000003u + unsigned(trin));
            Trin();
            if (spor) std::fprintf(stderr, "%ld %s\n", trin, sidsteHandling.c_str());
            QApplication::processEvents();
            LukAabneVinduer();
            const size_t foer = fejl.size();
            Undersoeg();
            for (const std::string& a : advarsler.Tag()) fejl.push_back("Qt-advarsel '" + a + "'");
            for (size_t i = foer; i < fejl.size(); ++i)
                fejl[i] = "froe " + std::to_string(froe) + " trin " + std::to_string(trin) + " (" + sidsteHandling +
                          "): " + fejl[i];
            if (fejl.size() > 20) break;
        }
        vagt.stop();
        // What the last step left to run may still warn.
        QApplication::processEvents();
        for (const std::string& a : advarsler.Tag())
            fejl.push_back("froe " + std::to_string(froe) + " efter trin " + std::to_string(trin) + ": Qt-advarsel '" +
                           a + "'");
        std::fprintf(stderr, "Abekat: froe %u, %ld trin paa %.1f s, %ld bokse\n", froe, trin,
                     std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), abe->Bokse);
        form->Projekt.TekstGemt = true;
        abe.reset();
        SaetFlade(&flade);
    }
};

// The fixed runs, each with its number of steps; a seed that finds a fault
// is added here with the steps that reach it, as a regression case.
struct TAbeKoersel {
    unsigned Froe;
    long Trin;
};
const TAbeKoersel Koersler[] = {
    {1, 600},
    {20261209, 600},
};

TEST_F(Abekat, FixedSeedsLeaveNoFault) {
    for (const TAbeKoersel& k : Koersler) {
        Koer(k.Froe, k.Trin, 25.0);
        EXPECT_TRUE(fejl.empty()) << ::testing::PrintToString(fejl);
        fejl.clear();
    }
}

// The long run by hand: PLOTVIK_ABE_SEKUNDER and PLOTVIK_ABE_FROE.
TEST_F(Abekat, Fri) {
    const char* sek = std::getenv("PLOTVIK_ABE_SEKUNDER");
    if (!sek) GTEST_SKIP() << "PLOTVIK_ABE_SEKUNDER er ikke sat";
    const char* froe = std::getenv("PLOTVIK_ABE_FROE");
    const char* antal = std::getenv("PLOTVIK_ABE_TRIN");
    Koer(froe ? unsigned(std::strtoul(froe, nullptr, 10)) : unsigned(std::random_device{}()),
         antal ? std::atol(antal) : 100000000L, std::atof(sek));
    EXPECT_TRUE(fejl.empty()) << ::testing::PrintToString(fejl);
}

}  // namespace
}  // namespace plotvik::test
