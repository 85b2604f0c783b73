// Shows a graph sheet's picture and passes the mouse on.
#include "ui/GrafBillede.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "ui/GrafVisning.h"

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
    if (visning_) visning_->SaetStoerrelse(size());
    update();
}

void TGrafBillede::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    emit MusNed(ark_, e->button(), p.x(), p.y());
    if (e->button() == Qt::RightButton && popup_) popup_->popup(e->globalPosition().toPoint());
}
