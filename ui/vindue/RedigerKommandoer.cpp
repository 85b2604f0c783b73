// "&Rediger": "&Fortryd" and "&Gentag" with the undo steps of the data, and
// "&Kopier" and "&Sæt ind" on the table grids.
// Every change of the data is an undo command on the project's stack; a
// whole-table step (a paste, an import, a capture) is one command.
// Copy takes the selected block of a grid (the whole table when nothing is
// selected, as in program-controlled input) as shown, to the clipboard as
// tab-separated text and as an HTML table. Paste reads the clipboard's
// delimited text and writes it, checked as typed values and all or nothing,
// into the input columns from the current cell on.
// An open cell editor keeps the keys for itself: Ctrl+C copies its text and
// Ctrl+V pastes one value into it as in any edit box. Only a block (text with
// a tab or a line break) on the clipboard goes into the table as a block,
// also from an open cell editor.
#include "ui/vindue/RedigerKommandoer.h"

#include <QAbstractItemView>
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QUndoStack>
#include <algorithm>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "tabeller/Indtastning.h"
#include "files/DataImport.h"
#include "files/TabelEksport.h"
#include "ui/ark/CelleModel.h"
#include "ui/fortryd/Fortryd.h"
#include "ui/vindue/DataKommandoer.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

namespace {

bool ErBlok(const QString& tekst) {
    const QString t = tekst.trimmed();
    return t.contains('\t') || t.contains('\n') || t.contains('\r');
}

// Ctrl+V in a table's cell editor with a block on the clipboard is left to
// "&Sæt ind" instead of the editor, which would run the cells together.
class TBlokIndsaetFilter : public QObject {
public:
    TBlokIndsaetFilter(QObject* ejer, const TRedigerKommandoer& r) : QObject(ejer), r_(r) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::ShortcutOverride) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (!k->matches(QKeySequence::Paste) || !qobject_cast<QLineEdit*>(o)) return false;
        if (r_.TabelMedFokus() < 0 || !ErBlok(QGuiApplication::clipboard()->text())) return false;
        e->ignore();
        return true;  // not taken by the editor: the menu's shortcut runs
    }

private:
    const TRedigerKommandoer& r_;
};

// The "&Rediger" menu between "&Fil" and "&Matematik".
QMenu* RedigerMenu(QMainWindow& vindue) {
    QMenuBar* bar = vindue.menuBar();
    if (auto* m = bar->findChild<QMenu*>(QStringLiteral("RedigerMenu"))) return m;
    auto* m = new QMenu(QStringLiteral("&Rediger"), bar);
    m->setObjectName(QStringLiteral("RedigerMenu"));
    QAction* foer = nullptr;
    if (auto* mat = bar->findChild<QMenu*>(QStringLiteral("MatematikMenu"))) foer = mat->menuAction();
    bar->insertMenu(foer, m);
    return m;
}

}  // namespace

TRedigerKommandoer::~TRedigerKommandoer() { delete blokFilter_; }

void TRedigerKommandoer::OpbygMenu() {
    QMenu* m = RedigerMenu(k.Hovedvindue);
    QAction* kopier = m->addAction(QStringLiteral("&Kopier"));
    kopier->setObjectName(QStringLiteral("KopierMenuItem"));
    kopier->setShortcut(QKeySequence::Copy);
    QAction* indsaet = m->addAction(QString::fromUtf8("&Sæt ind"));
    indsaet->setObjectName(QStringLiteral("IndsaetMenuItem"));
    indsaet->setShortcut(QKeySequence::Paste);
    QObject::connect(kopier, &QAction::triggered, &k.Hovedvindue, [this] { KopierMenuItemClick(); });
    QObject::connect(indsaet, &QAction::triggered, &k.Hovedvindue, [this] { IndsaetMenuItemClick(); });
    blokFilter_ = new TBlokIndsaetFilter(&k.Hovedvindue, *this);
    qApp->installEventFilter(blokFilter_);
    // Undo and redo go on top.
    QMenu* menu = m;
    QAction* foerste = menu->actions().isEmpty() ? nullptr : menu->actions().front();
    k.FortrydMenuItem = new QAction(QStringLiteral("&Fortryd"), menu);
    k.FortrydMenuItem->setObjectName(QStringLiteral("FortrydMenuItem"));
    k.FortrydMenuItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    k.GentagMenuItem = new QAction(QStringLiteral("&Gentag"), menu);
    k.GentagMenuItem->setObjectName(QStringLiteral("GentagMenuItem"));
    k.GentagMenuItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menu->insertAction(foerste, k.FortrydMenuItem);
    menu->insertAction(foerste, k.GentagMenuItem);
    if (foerste) menu->insertSeparator(foerste);
    QObject::connect(k.FortrydMenuItem, &QAction::triggered, &k.Hovedvindue, [this] { FortrydMenuItemClick(); });
    QObject::connect(k.GentagMenuItem, &QAction::triggered, &k.Hovedvindue, [this] { GentagMenuItemClick(); });
    auto opdater = [this] {
        const QString fortryd = k.Fortryd->undoText(), gentag = k.Fortryd->redoText();
        k.FortrydMenuItem->setText(fortryd.isEmpty() ? QStringLiteral("&Fortryd") : QStringLiteral("&Fortryd ") + fortryd);
        k.GentagMenuItem->setText(gentag.isEmpty() ? QStringLiteral("&Gentag") : QStringLiteral("&Gentag ") + gentag);
        k.FortrydMenuItem->setEnabled(k.Fortryd->canUndo());
        k.GentagMenuItem->setEnabled(k.Fortryd->canRedo());
    };
    QObject::connect(k.Fortryd, &QUndoStack::indexChanged, &k.Hovedvindue, opdater);
    QObject::connect(k.Fortryd, &QUndoStack::cleanChanged, &k.Hovedvindue, opdater);
    QObject::connect(k.Fortryd, &QUndoStack::indexChanged, &k.Hovedvindue, [this] { k.DataAendret(); });
    opdater();
}

// ---------------------------------------------------------------- undo and redo

void TRedigerKommandoer::FortrydMenuItemClick() {
    // What is being typed becomes a step first, so that it is what goes.
    k.StopAlIndtastning();
    if (!k.Fortryd->canUndo()) return;
    iTrin_ = true;
    k.Fortryd->undo();
    iTrin_ = false;
}

void TRedigerKommandoer::GentagMenuItemClick() {
    k.StopAlIndtastning();
    if (!k.Fortryd->canRedo()) return;
    iTrin_ = true;
    k.Fortryd->redo();
    iTrin_ = false;
}

void TRedigerKommandoer::SkrivTastetCelle(int t, int v, int kol, const std::string& tekst) {
    TTekstMatrix& celler = k.Projekt.Tabeller[t].Celler;
    const bool iMatrix = v >= 1 && kol >= 1 && v <= celler.Raekker() && kol <= celler.Soejler();
    if (iTrin_ || !k.Fortryd || !iMatrix) {
        celler.SaetCelle(tekst, v, kol);
        return;
    }
    if (celler.Celle(v, kol) == tekst) return;
    k.Fortryd->push(new TCelleKommando(k.FortrydDele(), t, v, kol, tekst));
}

void TRedigerKommandoer::SomFortrydTrin(int t, const QString& navn, const std::function<void()>& handling) {
    if (iTrin_ || !k.Fortryd || t < 0 || t > MaksTabeller) {
        handling();
        return;
    }
    k.StopIndtastning(t);
    iTrin_ = true;
    TTabelTilstand foer = TagTabelTilstand(k.FortrydDele(), t);
    handling();
    TTabelTilstand efter = TagTabelTilstand(k.FortrydDele(), t);
    iTrin_ = false;
    if (DataForskellige(foer, efter)) k.Fortryd->push(new TTabelKommando(k.FortrydDele(), navn, std::move(foer), std::move(efter)));
}

void TRedigerKommandoer::SkrivCeller(int t, std::vector<TCelleSkrivning> skrivninger, const QString& undoTekst,
                                     int antalIndgange) {
    if (t < 0 || t > MaksTabeller) return;
    SomFortrydTrin(t, undoTekst, [&] {
        TTabelDef& T = k.Projekt.Tabeller[t];
        if (t >= 1 && antalIndgange > 0 && antalIndgange != T.AntalIndgange) SaetAntalIndgangeBevar(T, antalIndgange);
        for (const TCelleSkrivning& s : skrivninger) {
            T.Celler.SaetCelle(s.Tekst, s.Variabel, s.Kolonne);
            if (t == 0 && s.Variabel >= 1 && s.Variabel <= MaksVariable) {
                bool fejl = false;
                const double x = TekstTilTal(s.Tekst, fejl);
                if (!fejl) k.Projekt.KonstantVaerdi[s.Variabel] = x;
            }
        }
        Fejl = false;
        const TTabelKontroller& kontroller = k.TabelKontroller(t);
        if (t >= 1 && kontroller.AntalMaalingerSpinEdit) {
            kontroller.AntalMaalingerSpinEdit->setValue(T.AntalIndgange);
            k.OpsaetTabelGrid(t);
        }
        if (kontroller.Model) kontroller.Model->VisAlt();
    });
}

void TRedigerKommandoer::SkrivCelleblok(int t, const TIndsaetning& ind, const QString& undoTekst) {
    TTabelArk* side = k.TabelSideFor(t);
    if (!side) return;
    SomFortrydTrin(t, undoTekst, [&] { side->SkrivCelleblok(t, ind); });
}

// ---------------------------------------------------------------- copy and paste

int TRedigerKommandoer::TabelMedFokus() const {
    const QWidget* fokus = QApplication::focusWidget();
    if (!fokus) return -1;
    for (int t = 0; t <= MaksTabeller; ++t) {
        const QWidget* g = k.TabelKontroller(t).Grid;
        if (g && (fokus == g || g->isAncestorOf(fokus))) return t;
    }
    return -1;
}

void TRedigerKommandoer::KopierMenuItemClick() {
    QWidget* fokus = QApplication::focusWidget();
    if (auto* e = qobject_cast<QLineEdit*>(fokus)) return e->copy();
    if (auto* e = qobject_cast<QPlainTextEdit*>(fokus)) return e->copy();
    const int t = TabelMedFokus();
    if (t < 0) {
        // Any other list (the graph results) copies its selected lines, as it did by itself.
        if (auto* liste = qobject_cast<QAbstractItemView*>(fokus); liste && liste->selectionModel()) {
            QModelIndexList valgt = liste->selectionModel()->selectedIndexes();
            if (valgt.isEmpty() && liste->currentIndex().isValid()) valgt << liste->currentIndex();
            std::sort(valgt.begin(), valgt.end());
            QStringList linier;
            for (const QModelIndex& i : valgt) linier << i.data().toString();
            if (!linier.isEmpty()) QGuiApplication::clipboard()->setText(linier.join('\n'));
        }
        return;
    }
    QTableView* g = k.TabelGrid[t];
    QAbstractItemModel* m = g->model();
    if (m->rowCount() < 1 || m->columnCount() < 1) return;
    int r1 = 0, r2 = m->rowCount() - 1, c1 = 0, c2 = m->columnCount() - 1;
    // A selection left from free editing does not count once the input is program-controlled.
    const QModelIndexList valgt = g->selectionMode() == QAbstractItemView::NoSelection
                                      ? QModelIndexList()
                                      : g->selectionModel()->selectedIndexes();
    // The block is taken in screen order: a "\xB1" column shown beside its
    // variable is copied there (without one, screen and model order agree).
    const QHeaderView* lodret = g->verticalHeader();
    const QHeaderView* vandret = g->horizontalHeader();
    if (!valgt.isEmpty()) {
        r1 = r2 = lodret->visualIndex(valgt.front().row());
        c1 = c2 = vandret->visualIndex(valgt.front().column());
        for (const QModelIndex& i : valgt) {
            const int r = lodret->visualIndex(i.row()), c = vandret->visualIndex(i.column());
            r1 = std::min(r1, r), r2 = std::max(r2, r);
            c1 = std::min(c1, c), c2 = std::max(c2, c);
        }
    }
    std::vector<std::vector<std::string>> celler;
    for (int r = r1; r <= r2; ++r) {
        auto& raekke = celler.emplace_back();
        for (int c = c1; c <= c2; ++c)
            raekke.push_back(FraQString(m->data(m->index(lodret->logicalIndex(r), vandret->logicalIndex(c))).toString()));
    }
    const TUdklip u = KopierBlok(celler);
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(u.TekstUtf8));
    data->setHtml(QString::fromUtf8(u.HtmlUtf8));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TRedigerKommandoer::IndsaetMenuItemClick() {
    QWidget* fokus = QApplication::focusWidget();
    const QString tekst = QGuiApplication::clipboard()->text();
    int t = TabelMedFokus();
    if (auto* e = qobject_cast<QLineEdit*>(fokus); e && (t < 0 || !ErBlok(tekst))) return e->paste();
    if (auto* e = qobject_cast<QPlainTextEdit*>(fokus)) return e->paste();
    if (t < 0) {
        // From a button of a table sheet: the sheet's active table.
        const int a = k.Projekt.AktivTabel;
        auto* side = qobject_cast<TTabelArk*>(k.SideKontrol->currentWidget());
        if (!side || !side->Ejer(a) || !k.TabelGrid[a]->isVisible()) return;
        t = a;
    }
    IndsaetTekst(t, tekst);
}

void TRedigerKommandoer::IndsaetTekst(int t, const QString& tekst) {
    TTabelGrid* g = k.TabelGrid[t];
    if (!g) return;
    if (k.Datakommandoer->OpsamlingKoerer()) {
        // The lines of the device fill the table; a paste would write between them.
        Flade().Informationsboks("Der kan ikke s\xE6ttes ind, mens en opsamling k\xF8rer. Tryk Stop f\xF8rst.");
        return;
    }
    // An open cell editor gives its cell first, as when the student leaves it.
    if (QApplication::focusWidget() != g) g->setFocus();
    const bool indtaster = k.IndtastningAktiv[t] && k.TabelFeltEdit[t]->isVisible();
    int r = 0, c = 0;  // 1-based grid cell
    if (indtaster) {
        r = k.Indtastning.IndtastRaekke[t];
        c = k.Indtastning.IndtastSoejle[t];
    } else if (k.FriRedigering(t) && g->currentIndex().isValid()) {
        r = g->currentIndex().row() + 1;
        c = g->currentIndex().column() + 1;
    }
    k.StopIndtastning(t);
    const char type = t == 0 ? 'S' : (k.Projekt.Tabeller[t].TabelType == 'R' ? 'R' : 'S');
    if (r < 1 || c < 1) {
        r = type == 'R' ? 1 : 2;
        c = type == 'R' ? 2 : 1;
    }
    int v = 0, kol = 0;
    MatrixCelle(type, r, c, v, kol);

    TImportValg laes;
    // A column of whole number pairs reads as two columns only where one is not left.
    if (type != 'R') laes.Inddatavariabler = std::max(0, k.Projekt.Tabeller[t].AntalInddata - std::max(v, 1) + 1);
    laes.Tegnsaet = TTegnsaetValg::Utf8;
    const QByteArray utf8 = tekst.toUtf8();
    const TImportResultat blok = LaesDataTekst(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), laes);
    if (!blok.Besked.empty()) {
        Flade().Fejlboks(blok.Besked);
        return;
    }
    TIndsaetningsValg valg;
    valg.Tabel = t;
    valg.FoersteVariabel = std::max(v, 1);
    valg.FoersteMaaling = std::max(kol - 1, 1);  // the header cell: from the first measurement
    valg.RaekkerErMaalinger = type != 'R';
    valg.DecimalTegn = blok.DecimalTegn;
    valg.Kontrol = k.Projekt.KontrolAfInddata;
    const TIndsaetning ind = ForberedIndsaetning(k.Projekt, blok.Data, valg);
    if (!ind.Ok) {
        Flade().Fejlboks(ind.Besked);
        return;
    }
    SkrivCelleblok(t, ind);
    if (!blok.Note.empty()) Flade().Informationsboks(blok.Note);
}

