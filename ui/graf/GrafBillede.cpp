// Shows a graph sheet's picture and passes the mouse on.
#include "ui/graf/GrafBillede.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "ui/graf/GrafVisning.h"

TGrafBillede::TGrafBillede(int ark, plotvik::TGrafVisning* visning, QWidget* parent)
    : QWidget(parent), ark_(ark), visning_(visning) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TGrafBillede::sizeHint() const { return QSize(550, 490); }

void TGrafBillede::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    if (visning_) maler.drawImage(0, 0, visning_->Vist(devicePixelRatioF()));
}

void TGrafBillede::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // Only a shown picture follows its widget. A sheet never shown still has
    // the size its page had before the layout reached it, and Qt delivers
    // that size when the window is grabbed (a print, an export); it is taken
    // up when the sheet is shown.
    if (visning_ && isVisible()) visning_->SaetStoerrelse(size());
    update();
}

void TGrafBillede::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (visning_) visning_->SaetStoerrelse(size());
}

void TGrafBillede::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    emit MusNed(ark_, e->button(), p.x(), p.y());
    if (e->button() == Qt::RightButton && popup_) popup_->popup(e->globalPosition().toPoint());
}
