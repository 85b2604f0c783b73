// The window's small parts on their own: the Windows-1252 conversions, the
// file-dialog filters, the message text, the grid's view of a cell matrix,
// the start-up screen's timer and Qt's own texts in Danish.
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QMessageBox>

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>
#include "ui/ark/CelleModel.h"
#include "ui/flade/DanskeQtTekster.h"
#include "ui/flade/QtFlade.h"
#include "ui/vindue/StartSkaerm.h"
#include "ui/flade/Tegnsaet.h"

namespace plotvik {
namespace {

TEST(UiTegnsaet, Windows1252BothWays) {
    const struct { std::string cp1252; QString tekst; } raekker[] = {
        {"M\xE5linger", QString::fromUtf8("Målinger")},
        {"\xC6\xD8\xC5\xE6\xF8\xE5", QString::fromUtf8("ÆØÅæøå")},
        {"\x80 \x96 \x84", QString::fromUtf8("€ – „")},  // the 0x80..0x9F range differs from Latin-1
        {"\xE9t \xB0", QString::fromUtf8("ét °")},
        {"", QString()},
    };
    for (const auto& r : raekker) {
        EXPECT_EQ(TilQString(r.cp1252), r.tekst);
        EXPECT_EQ(FraQString(r.tekst), r.cp1252);
    }
    // Characters outside the code page cannot be kept.
    EXPECT_EQ(FraQString(QString::fromUtf8("x\u4E2Dy")), "x?y");
    // Every byte survives the way there and back.
    std::string alle;
    for (int b = 1; b < 256; ++b) alle.push_back(static_cast<char>(b));
    EXPECT_EQ(FraQString(TilQString(alle)), alle);
}

TEST(UiFlade, FiltersAndMessageText) {
    const struct { const char* filter; QStringList qt; } raekker[] = {
        {"Projekt filer (*.prj)|*.prj|Alle filer (*.*)|*.*", {"Projekt filer (*.prj)", "Alle filer (*.*)"}},
        {"Datafiler (*.dat)|*.dat| Alle Filer (*.*)|*.*", {"Datafiler (*.dat)", "Alle Filer (*.*)"}},
        {"Tekst|*.txt", {"Tekst (*.txt)"}},
        {"", {"Alle filer (*)"}},
    };
    for (const auto& r : raekker) EXPECT_EQ(QtFilter(r.filter), r.qt) << r.filter;
    EXPECT_EQ(BoksTekst("Filen: a eksisterer\n\rSkal den overskrives?"),
              QStringLiteral("Filen: a eksisterer\nSkal den overskrives?"));
}

// Acts on the next modal box as soon as it is shown (gives up after two seconds).
void NaarBoksVises(std::function<void(QWidget*)> handling) {
    auto* timer = new QTimer;
    auto ventet = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, ventet, handling] {
        QWidget* m = QApplication::activeModalWidget();
        if (m && m->isVisible()) {
            timer->stop();
            timer->deleteLater();
            handling(m);
        } else if (++*ventet > 200) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// What a box showed.
struct TBoksSvar {
    QMessageBox::Icon ikon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons knapper;
    QString tekst;
};

TEST(UiFlade, TheFourKindsOfBox) {
    QtFlade flade;
    {
        auto r = std::make_shared<TBoksSvar>();
        NaarBoksVises([r](QWidget* w) {
            auto* b = qobject_cast<QMessageBox*>(w);
            r->ikon = b->icon();
            r->knapper = b->standardButtons();
            r->tekst = b->text();
            b->button(QMessageBox::Ignore)->click();
        });
        EXPECT_TRUE(flade.FejlMedIgnorer("Fejl i Tallet: \"x\"\n\rTabel No: 1"));
        EXPECT_EQ(r->ikon, QMessageBox::Critical);
        EXPECT_EQ(r->knapper, QMessageBox::Ok | QMessageBox::Ignore);
        EXPECT_EQ(r->tekst, QStringLiteral("Fejl i Tallet: \"x\"\nTabel No: 1"));
    }
    const struct {
        int art;  // 0 Fejlboks, 1 Informationsboks, 2 OkEllerAnnuller, 3 JaEllerNej
        QMessageBox::StandardButton svar;
        QMessageBox::Icon ikon;
        QMessageBox::StandardButtons knapper;
        bool resultat;
    } raekker[] = {
        {0, QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok, true},
        {1, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, true},
        {2, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok | QMessageBox::Cancel, true},
        {2, QMessageBox::Cancel, QMessageBox::Information, QMessageBox::Ok | QMessageBox::Cancel, false},
        {3, QMessageBox::Yes, QMessageBox::Information, QMessageBox::Yes | QMessageBox::No, true},
        {3, QMessageBox::No, QMessageBox::Information, QMessageBox::Yes | QMessageBox::No, false},
    };
    for (const auto& k : raekker) {
        auto r = std::make_shared<TBoksSvar>();
        NaarBoksVises([r, svar = k.svar](QWidget* w) {
            auto* b = qobject_cast<QMessageBox*>(w);
            r->ikon = b->icon();
            r->knapper = b->standardButtons();
            r->tekst = b->text();
            b->button(svar)->click();
        });
        bool resultat = true;
        switch (k.art) {
            case 0: flade.Fejlboks("Gem \xE6ndringer?"); break;
            case 1: flade.Informationsboks("Gem \xE6ndringer?"); break;
            case 2: resultat = flade.OkEllerAnnuller("Gem \xE6ndringer?"); break;
            default: resultat = flade.JaEllerNej("Gem \xE6ndringer?"); break;
        }
        EXPECT_EQ(resultat, k.resultat) << k.art;
        EXPECT_EQ(r->ikon, k.ikon) << k.art;
        EXPECT_EQ(r->knapper, k.knapper) << k.art;
        EXPECT_EQ(r->tekst, QString::fromUtf8("Gem ændringer?")) << k.art;
    }
}

TEST(UiCelleModel, TheGridShowsTheMatrixInTheTablesOrientation) {
    TProjekt p;
    for (int t : {1, 2}) {
        TTabelDef& T = p.Tabeller[t];
        T.TabelType = t == 1 ? 'S' : 'R';
        T.AntalVariable = 2;
        T.AntalIndgange = 3;
        SaetTabelStoerrelse(T);
        T.Celler.Opret(2, 4);
        T.Celler.SaetCelle("x [m]", 1, 1);
        T.Celler.SaetCelle("y", 2, 1);
        T.Celler.SaetCelle("1,5", 1, 3);  // x of measurement 2
        T.Celler.SaetCelle("7", 2, 4);    // y of measurement 3
    }
    bool fri = false;
    TCelleModel s(p, 1), r(p, 2);
    for (TCelleModel* m : {&s, &r}) {
        m->Opdater();
        m->FriRedigering = [&fri] { return fri; };
    }
    EXPECT_EQ(s.rowCount(), 4);
    EXPECT_EQ(s.columnCount(), 2);
    EXPECT_EQ(r.rowCount(), 2);
    EXPECT_EQ(r.columnCount(), 4);
    const struct { TCelleModel* m; int raekke, soejle; const char* tekst; bool fast; } raekker[] = {
        {&s, 0, 0, "x [m]", true}, {&s, 0, 1, "y", true}, {&s, 2, 0, "1,5", false}, {&s, 3, 1, "7", false},
        {&r, 0, 0, "x [m]", true}, {&r, 1, 0, "y", true}, {&r, 0, 2, "1,5", false}, {&r, 1, 3, "7", false},
    };
    for (const auto& k : raekker) {
        const QModelIndex i = k.m->index(k.raekke, k.soejle);
        EXPECT_EQ(FraQString(k.m->data(i).toString()), k.tekst);
        EXPECT_EQ(k.m->ErFastCelle(k.raekke, k.soejle), k.fast);
        EXPECT_FALSE(k.m->flags(i) & Qt::ItemIsEditable) << "program-controlled input: no grid editing";
    }
    fri = true;
    EXPECT_TRUE(s.flags(s.index(2, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(s.flags(s.index(0, 0)) & Qt::ItemIsEditable) << "headers are never edited";
    QSignalSpy redigeret(&s, &TCelleModel::CelleRedigeret);
    // An edit goes straight into the matrix, cut to 32 characters.
    EXPECT_TRUE(s.setData(s.index(1, 1), QString(40, 'z')));
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(2, 2), std::string(32, 'z'));
    EXPECT_EQ(redigeret.count(), 1);
    EXPECT_FALSE(s.setData(s.index(0, 1), QStringLiteral("ny")));
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(2, 1), "y");
}

TEST(UiStartSkaerm, StopsAtAKeyAMouseClickOrAfter128Ticks) {
    EXPECT_EQ(TStartSkaerm::TikInterval, 50);
    EXPECT_EQ(TStartSkaerm::MaksTik, 128);
    {
        TStartSkaerm s;
        s.show();
        s.Start();
        QTest::qWait(120);
        EXPECT_FALSE(s.Stoppet());
        QTest::keyClick(&s, Qt::Key_Space);
        EXPECT_TRUE(s.Stoppet());
        const int tik = s.Tik();
        QTest::qWait(120);
        EXPECT_EQ(s.Tik(), tik) << "the timer has stopped";
    }
    {
        TStartSkaerm s;
        s.show();
        s.Start();
        QTest::mouseClick(&s, Qt::LeftButton);
        EXPECT_TRUE(s.Stoppet());
    }
    {
        TStartSkaerm s;
        QSignalSpy stoppet(&s, &TStartSkaerm::TimerStoppet);
        s.show();
        s.Start();
        ASSERT_TRUE(stoppet.wait(15000));
        EXPECT_EQ(s.Tik(), 128);
    }
}

// Qt's Danish translations make the standard buttons Danish; a folder without
// them leaves Qt's English, and the program runs on.
TEST(UiDanskeQtTekster, StandardButtonsReadDanishOrEnglishWithoutTheFiles) {
    QTemporaryDir tom;
    const struct { QString mappe; QString ja, nej, annuller; } raekker[] = {
        {QString(), "Ja", "Nej", "Annuller"}, {tom.path(), "Yes", "No", "Cancel"}};
    for (const auto& r : raekker) {
        const std::vector<QTranslator*> oversaettere = IndlaesDanskeQtTekster(r.mappe);
        QMessageBox boks(QMessageBox::Information, "Plotvik", "?", QMessageBox::Yes | QMessageBox::No);
        QDialogButtonBox knapper(QDialogButtonBox::Cancel);
        EXPECT_EQ(boks.button(QMessageBox::Yes)->text().remove('&'), r.ja);
        EXPECT_EQ(boks.button(QMessageBox::No)->text().remove('&'), r.nej);
        EXPECT_EQ(knapper.button(QDialogButtonBox::Cancel)->text().remove('&'), r.annuller);
        for (QTranslator* t : oversaettere) delete t;  // a deleted translator leaves the application
    }
}

}  // namespace
}  // namespace plotvik
