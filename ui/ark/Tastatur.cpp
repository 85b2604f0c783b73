// The keyboard in the main window: typing against the keys of the menus,
// undo in edit boxes, and access letters shared by two controls.
#include "ui/ark/Tastatur.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTabWidget>
#include <algorithm>

namespace plotvik {

namespace {

constexpr Qt::KeyboardModifiers CtrlAltMeta = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool AltGr(Qt::KeyboardModifiers m) {
    return (m & Qt::GroupSwitchModifier) || ((m & Qt::ControlModifier) && (m & Qt::AltModifier));
}

bool PrintbarTekst(const QString& t) {
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c.isPrint(); });
}

// The edit box behind a control that has one (a spin box keeps its own).
QLineEdit* Redigeringsfelt(QObject* o) {
    if (auto* e = qobject_cast<QLineEdit*>(o)) return e;
    if (auto* s = qobject_cast<QAbstractSpinBox*>(o)) return s->findChild<QLineEdit*>();
    return nullptr;
}

bool ErFortryd(const QKeyEvent& k) { return k.matches(QKeySequence::Undo); }
bool ErGentag(const QKeyEvent& k) {
    return k.matches(QKeySequence::Redo) || k.keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

void Tryk(QAbstractButton* knap) {
    // As a button's own access key does it: the focus, then the click.
    if (knap->focusPolicy() != Qt::NoFocus) knap->setFocus(Qt::ShortcutFocusReason);
    knap->animateClick();
}

}  // namespace

bool ErTekstTast(const QKeyEvent& e) {
    if (!PrintbarTekst(e.text())) return false;
    const Qt::KeyboardModifiers m = e.modifiers();
    return AltGr(m) || !(m & CtrlAltMeta);
}

bool ErGenvejMedTekst(const QKeyEvent& e) {
    if (e.text().isEmpty() || ErTekstTast(e)) return false;
    const Qt::KeyboardModifiers m = e.modifiers();
    // Ctrl alone is left to the edit boxes: their own keys (select all, copy,
    // paste) are no typing, and Qt never types a character for them.
    return (m & (Qt::AltModifier | Qt::MetaModifier)) && !AltGr(m);
}

QChar Adgangsbogstav(const QString& tekst) {
    for (qsizetype i = 0; i + 1 < tekst.size(); ++i) {
        if (tekst[i] != u'&') continue;
        if (tekst[i + 1] == u'&') {
            ++i;
            continue;
        }
        return tekst[i + 1].toUpper();
    }
    return {};
}

std::vector<TAdgangsmaal> Adgangsmaal(QMainWindow& vindue, QWidget* side, QChar bogstav) {
    std::vector<TAdgangsmaal> maal;
    if (bogstav.isNull()) return maal;
    bogstav = bogstav.toUpper();
    if (side) {
        std::vector<std::pair<QPoint, QAbstractButton*>> knapper;
        for (QAbstractButton* k : side->findChildren<QAbstractButton*>()) {
            if (!k->isVisible() || !k->isEnabled() || Adgangsbogstav(k->text()) != bogstav) continue;
            knapper.emplace_back(k->mapTo(side, QPoint(0, 0)), k);
        }
        std::stable_sort(knapper.begin(), knapper.end(), [](const auto& a, const auto& b) {
            return a.first.y() != b.first.y() ? a.first.y() < b.first.y() : a.first.x() < b.first.x();
        });
        for (const auto& [plads, k] : knapper) maal.push_back({k, nullptr});
    }
    if (QMenuBar* bar = vindue.menuBar(); bar && bar->isVisible()) {
        for (QAction* a : bar->actions())
            if (a->isVisible() && a->isEnabled() && Adgangsbogstav(a->text()) == bogstav) maal.push_back({nullptr, a});
    }
    return maal;
}

void TilslutArkTaster(QMainWindow& vindue, QTabWidget& ark) {
    auto flyt = [&ark](int retning) {
        const int n = ark.count();
        if (n > 0) ark.setCurrentIndex((ark.currentIndex() + retning + n) % n);
    };
    auto* naeste = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), &vindue);
    naeste->setObjectName(QStringLiteral("NaesteArkGenvej"));
    QObject::connect(naeste, &QShortcut::activated, &ark, [flyt] { flyt(1); });
    auto* forrige = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), &vindue);
    forrige->setObjectName(QStringLiteral("ForrigeArkGenvej"));
    QObject::connect(forrige, &QShortcut::activated, &ark, [flyt] { flyt(-1); });
}

TTastaturFilter::TTastaturFilter(QMainWindow& vindue, std::function<QWidget*()> forrestSide)
    : QObject(&vindue), vindue_(vindue), forrestSide_(std::move(forrestSide)) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* ny) {
        if (!ny || ny->window() != &vindue_ || qobject_cast<QMenuBar*>(ny)) return;
        sidsteFokus_ = ny;
        // A grid's cell editor closes when the focus leaves it; the grid stays.
        sidsteVaert_ = nullptr;
        for (QWidget* w = ny->parentWidget(); w && w != &vindue_; w = w->parentWidget())
            if (w->focusPolicy() & Qt::TabFocus) {
                sidsteVaert_ = w;
                break;
            }
    });
    if (QMenuBar* bar = vindue_.menuBar())
        for (QAction* a : bar->actions())
            if (QMenu* m = a->menu())
                connect(m, &QMenu::aboutToHide, this, [this] {
                    // Later: moving to the next menu with the arrows shows it first.
                    QTimer::singleShot(0, this, [this] { MenuLukket(); });
                });
}

void TTastaturFilter::MenuLukket() {
    QMenuBar* bar = vindue_.menuBar();
    if (QApplication::activePopupWidget() || !bar || QApplication::focusWidget() != bar) return;
    bar->setActiveAction(nullptr);
    for (QWidget* w : {sidsteFokus_.data(), sidsteVaert_.data()})
        if (w && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::MenuBarFocusReason);
            return;
        }
}

bool TTastaturFilter::IVinduet(QObject* o) const {
    auto* w = qobject_cast<QWidget*>(o);
    return w && w->window() == &vindue_;
}

bool TTastaturFilter::AdgangstastDelt(QKeyEvent& e) {
    if ((e.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier) return false;
    const int tast = e.key();
    if (tast <= 0 || tast > 0xFF || !QChar(tast).isLetterOrNumber()) return false;
    const std::vector<TAdgangsmaal> maal = Adgangsmaal(vindue_, forrestSide_ ? forrestSide_() : nullptr, QChar(tast));
    // One owner: Qt's own access key does the same.
    if (maal.size() < 2) return false;
    if (maal.front().Knap) Tryk(maal.front().Knap);
    else vindue_.menuBar()->setActiveAction(maal.front().Menu);
    return true;
}

bool TTastaturFilter::eventFilter(QObject* o, QEvent* e) {
    const QEvent::Type type = e->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
    if (!IVinduet(o)) return false;
    auto& k = *static_cast<QKeyEvent*>(e);
    // Keys that reach the window show it is in front, even when no window
    // manager told Qt so after a box closed; the window's shortcuts need it.
    if (type == QEvent::ShortcutOverride && !QApplication::activeWindow() && !QApplication::activeModalWidget())
        QApplication::setActiveWindow(&vindue_);
    if (type == QEvent::KeyPress) {
        if (!ErGenvejMedTekst(k)) return false;
        // No control types it: the menus had their chance before the key press.
        k.accept();
        return true;
    }
    // A character written with AltGr is typing, whatever shortcut has its keys.
    if (ErTekstTast(k) && AltGr(k.modifiers()) &&
        (Redigeringsfelt(o) || qobject_cast<QPlainTextEdit*>(o))) {
        k.accept();
        return true;
    }
    if (QLineEdit* felt = Redigeringsfelt(o)) {
        if ((ErFortryd(k) && !felt->isUndoAvailable()) || (ErGentag(k) && !felt->isRedoAvailable())) {
            k.ignore();
            return true;  // not the box's: the window's undo and redo run
        }
    }
    if (AdgangstastDelt(k)) {
        k.accept();  // handled here; the key press that follows is never typed
        return true;
    }
    return false;
}

}  // namespace plotvik
