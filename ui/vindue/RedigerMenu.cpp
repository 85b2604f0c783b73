// "&Rediger": "&Kopier" and "&Sæt ind" on the table grids.
// Copy takes the selected block of a grid (the whole table when nothing is
// selected, as in program-controlled input) as shown, to the clipboard as
// tab-separated text and as an HTML table. Paste reads the clipboard's
// delimited text and writes it, checked as typed values and all or nothing,
// into the input columns from the current cell on.
// An open cell editor keeps the keys for itself: Ctrl+C copies its text and
// Ctrl+V pastes one value into it as in any edit box. Only a block (text with
// a tab or a line break) on the clipboard goes into the table as a block,
// also from an open cell editor.
#include <QAbstractItemView>
#include <QAction>
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
#include "tabeller/Indtastning.h"
#include "files/DataImport.h"
#include "files/TabelEksport.h"
#include "ui/ark/CelleModel.h"
#include "ui/vindue/OpsamlingDialog.h"
#include "ui/vindue/PlotvikUnit.h"
#include "ui/vindue/PlotvikUnitIntern.h"
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
    explicit TBlokIndsaetFilter(TPlotvikForm& f) : QObject(&f), f_(f) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::ShortcutOverride) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (!k->matches(QKeySequence::Paste) || !qobject_cast<QLineEdit*>(o)) return false;
        if (f_.TabelMedFokus() < 0 || !ErBlok(QGuiApplication::clipboard()->text())) return false;
        e->ignore();
        return true;  // not taken by the editor: the menu's shortcut runs
    }

private:
    TPlotvikForm& f_;
};

}  // namespace

namespace plotvik {

QMenu* RedigerMenu(TPlotvikForm& f) {
    QMenuBar* bar = f.menuBar();
    if (auto* m = bar->findChild<QMenu*>(QStringLiteral("RedigerMenu"))) return m;
    auto* m = new QMenu(QStringLiteral("&Rediger"), bar);
    m->setObjectName(QStringLiteral("RedigerMenu"));
    QAction* foer = nullptr;
    if (auto* mat = bar->findChild<QMenu*>(QStringLiteral("MatematikMenu"))) foer = mat->menuAction();
    bar->insertMenu(foer, m);
    return m;
}

void OpbygKopierOgIndsaet(TPlotvikForm& f) {
    QMenu* m = RedigerMenu(f);
    QAction* kopier = m->addAction(QStringLiteral("&Kopier"));
    kopier->setObjectName(QStringLiteral("KopierMenuItem"));
    kopier->setShortcut(QKeySequence::Copy);
    QAction* indsaet = m->addAction(QString::fromUtf8("&Sæt ind"));
    indsaet->setObjectName(QStringLiteral("IndsaetMenuItem"));
    indsaet->setShortcut(QKeySequence::Paste);
    QObject::connect(kopier, &QAction::triggered, &f, [&f] { f.KopierMenuItemClick(); });
    QObject::connect(indsaet, &QAction::triggered, &f, [&f] { f.IndsaetMenuItemClick(); });
    qApp->installEventFilter(new TBlokIndsaetFilter(f));
}

}  // namespace plotvik

int TPlotvikForm::TabelMedFokus() const {
    const QWidget* fokus = QApplication::focusWidget();
    if (!fokus) return -1;
    for (int t = 0; t <= MaksTabeller; ++t) {
        const QWidget* g = TabelKontroller(t).Grid;
        if (g && (fokus == g || g->isAncestorOf(fokus))) return t;
    }
    return -1;
}

void TPlotvikForm::KopierMenuItemClick() {
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
    QTableView* g = TabelGrid[t];
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

void TPlotvikForm::IndsaetMenuItemClick() {
    QWidget* fokus = QApplication::focusWidget();
    const QString tekst = QGuiApplication::clipboard()->text();
    int t = TabelMedFokus();
    if (auto* e = qobject_cast<QLineEdit*>(fokus); e && (t < 0 || !ErBlok(tekst))) return e->paste();
    if (auto* e = qobject_cast<QPlainTextEdit*>(fokus)) return e->paste();
    if (t < 0) {
        // From a button of a table sheet: the sheet's active table.
        const int a = Projekt.AktivTabel;
        auto* side = qobject_cast<TTabelArk*>(SideKontrol->currentWidget());
        if (!side || !side->Ejer(a) || !TabelGrid[a]->isVisible()) return;
        t = a;
    }
    IndsaetTekst(t, tekst);
}

void TPlotvikForm::IndsaetTekst(int t, const QString& tekst) {
    TTabelGrid* g = TabelGrid[t];
    if (!g) return;
    if (OpsamlingDialog && OpsamlingDialog->Koerer()) {
        // The lines of the device fill the table; a paste would write between them.
        Flade().Informationsboks("Der kan ikke s\xE6ttes ind, mens en opsamling k\xF8rer. Tryk Stop f\xF8rst.");
        return;
    }
    // An open cell editor gives its cell first, as when the student leaves it.
    if (QApplication::focusWidget() != g) g->setFocus();
    const bool indtaster = IndtastningAktiv[t] && TabelFeltEdit[t]->isVisible();
    int r = 0, c = 0;  // 1-based grid cell
    if (indtaster) {
        r = Indtastning.IndtastRaekke[t];
        c = Indtastning.IndtastSoejle[t];
    } else if (FriRedigering(t) && g->currentIndex().isValid()) {
        r = g->currentIndex().row() + 1;
        c = g->currentIndex().column() + 1;
    }
    StopIndtastning(t);
    const char type = t == 0 ? 'S' : (Projekt.Tabeller[t].TabelType == 'R' ? 'R' : 'S');
    if (r < 1 || c < 1) {
        r = type == 'R' ? 1 : 2;
        c = type == 'R' ? 2 : 1;
    }
    int v = 0, k = 0;
    MatrixCelle(type, r, c, v, k);

    TImportValg laes;
    // A column of whole number pairs reads as two columns only where one is not left.
    if (type != 'R') laes.Inddatavariabler = std::max(0, Projekt.Tabeller[t].AntalInddata - std::max(v, 1) + 1);
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
    valg.FoersteMaaling = std::max(k - 1, 1);  // the header cell: from the first measurement
    valg.RaekkerErMaalinger = type != 'R';
    valg.DecimalTegn = blok.DecimalTegn;
    valg.Kontrol = Projekt.KontrolAfInddata;
    const TIndsaetning ind = ForberedIndsaetning(Projekt, blok.Data, valg);
    if (!ind.Ok) {
        Flade().Fejlboks(ind.Besked);
        return;
    }
    SkrivCelleblok(t, ind);
    if (!blok.Note.empty()) Flade().Informationsboks(blok.Note);
}

