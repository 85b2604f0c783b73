// Shows a graph sheet's image and passes the mouse on.
#include "ui/GrafBillede.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

TGrafBillede::TGrafBillede(int ark, QImage* billede, QWidget* parent)
    : QWidget(parent), ark_(ark), billede_(billede) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TGrafBillede::sizeHint() const { return billede_ ? billede_->size() : QSize(550, 490); }

void TGrafBillede::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    if (billede_) maler.drawImage(0, 0, *billede_);
}

void TGrafBillede::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    emit MusNed(ark_, e->button(), p.x(), p.y());
    if (e->button() == Qt::RightButton && popup_) popup_->popup(e->globalPosition().toPoint());
}
