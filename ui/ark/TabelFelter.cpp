// The controls a table sheet is made of, each handling its own events and
// handing them to the sheet: the grid (with the delayed opening of its own
// cell editor), the edit box that lies over the cell being typed, and
// "Målinger".
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QTimer>
#include <utility>

#include "tabeller/Indtastning.h"
#include "ui/ark/TabelArk.h"
#include "ui/ark/Tastatur.h"

using namespace plotvik;

namespace plotvik {

int VirtuelTast(int q) {
    switch (q) {
        case Qt::Key_Tab: case Qt::Key_Backtab: return Tast::Tab;
        case Qt::Key_Return: case Qt::Key_Enter: return Tast::Enter;
        case Qt::Key_Escape: return Tast::Esc;
        case Qt::Key_PageUp: return Tast::PageUp;
        case Qt::Key_PageDown: return Tast::PageDown;
        case Qt::Key_Up: return Tast::Op;
        case Qt::Key_Down: return Tast::Ned;
        default: return 0;
    }
}

}  // namespace plotvik

// ---------------------------------------------------------------- the controls' own events

void TTabelGrid::mousePressEvent(QMouseEvent* e) {
    if (KlikIGrid && KlikIGrid(e)) {
        e->accept();
        return;
    }
    QTableView::mousePressEvent(e);
}

void TTabelGrid::keyPressEvent(QKeyEvent* e) {
    if (TastIGrid && TastIGrid(e)) {
        e->accept();
        return;
    }
    // A character written with AltGr opens the cell's editor as any typing
    // does (the view itself takes a key with Ctrl and Alt for a command).
    if (ErTekstTast(*e) && (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && state() != EditingState &&
        edit(currentIndex(), AnyKeyPressed, e)) {
        e->accept();
        return;
    }
    QTableView::keyPressEvent(e);
}

void TTabelGrid::focusOutEvent(QFocusEvent* e) {
    if (FokusMistet) FokusMistet();
    QTableView::focusOutEvent(e);
}

bool TTabelFeltEdit::event(QEvent* e) {
    // Navigation keys belong to the input, not to menu shortcuts nor, for Tab,
    // to the focus chain.
    if (e->type() == QEvent::ShortcutOverride) {
        // With nothing of its own to undo, the box leaves Ctrl+Z and Ctrl+Y to
        // the window: they undo and redo the cells typed before.
        auto* k = static_cast<QKeyEvent*>(e);
        const bool fortryd = k->matches(QKeySequence::Undo) && !isUndoAvailable();
        const bool gentag = (k->matches(QKeySequence::Redo) || k->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) &&
                            !isRedoAvailable();
        if (fortryd || gentag) {
            e->ignore();
            return true;
        }
    }
    const bool tast = e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride;
    // With Ctrl or Alt held the key belongs to the window (Ctrl+Tab, Ctrl+Page Down: the next sheet).
    const bool genvej = tast && (static_cast<QKeyEvent*>(e)->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const int vk = tast && !genvej ? VirtuelTast(static_cast<QKeyEvent*>(e)->key()) : 0;
    if (vk != 0 && NavigationsTast) {
        e->accept();
        if (e->type() == QEvent::KeyPress) NavigationsTast(vk);
        return true;
    }
    return QLineEdit::event(e);
}

void TTabelFeltEdit::focusOutEvent(QFocusEvent* e) {
    if (FokusMistet) FokusMistet(e);
    QLineEdit::focusOutEvent(e);
}

void TMaalingerSpinEdit::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && Enter) {
        Enter();
        return;
    }
    QSpinBox::keyPressEvent(e);
}

void TMaalingerSpinEdit::focusOutEvent(QFocusEvent* e) {
    if (FokusMistet) FokusMistet(e);
    QSpinBox::focusOutEvent(e);
}

// ---------------------------------------------------------------- the grid's own editor

TTabelGrid::TTabelGrid(QWidget* parent) : QTableView(parent), udsat_(new QTimer(this)) {
    udsat_->setSingleShot(true);
    connect(udsat_, &QTimer::timeout, this, [this] { UdsatRedigering(); });
}

bool TTabelGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const EditTrigger forrige = std::exchange(sidsteUdloeser_, trigger);
    if (trigger != SelectedClicked) {
        // A double click opens the editor at once; so does typing.
        if (trigger == DoubleClicked || trigger == AnyKeyPressed || trigger == EditKeyPressed) udsat_->stop();
        return QTableView::edit(index, trigger, event);
    }
    // The release that ends a double click is no click of its own.
    if (forrige == DoubleClicked || !(editTriggers() & SelectedClicked) || state() == EditingState) return false;
    if (!index.isValid() || !(model()->flags(index) & Qt::ItemIsEditable)) return false;
    udsatCelle_ = QPersistentModelIndex(index);
    udsat_->start(QApplication::doubleClickInterval());
    return true;
}

void TTabelGrid::UdsatRedigering() {
    const QModelIndex i = udsatCelle_;
    udsatCelle_ = QPersistentModelIndex();
    // Only the cell still current, still open to editing, in a grid shown.
    if (!i.isValid() || i != currentIndex() || !isVisible() || state() == EditingState) return;
    if (!(model()->flags(i) & Qt::ItemIsEditable)) return;
    QTableView::edit(i, AllEditTriggers, nullptr);
}

bool TTabelGrid::GemAabenCelle() {
    if (state() != QAbstractItemView::EditingState) return false;
    // The editor sits at the current cell: moving the current cell closes it.
    QWidget* editor = indexWidget(currentIndex());
    if (!editor) return false;
    commitData(editor);
    // Writing the cell may have closed the editor already.
    if (indexWidget(currentIndex()) == editor) closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}
