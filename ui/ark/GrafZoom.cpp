// Zoom with the mouse, and "Tilpas grænser" from the menu (see GrafZoom.h).
#include "ui/ark/GrafZoom.h"

#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>
#include <cmath>

#include "core/Brugerflade.h"
#include "graphs/Fourier.h"
#include "graphs/GraenseTilpasning.h"
#include "graphs/GrafVaerktoej.h"
#include "ui/ark/GrafArkSide.h"
#include "ui/graf/GrafBillede.h"
#include "ui/graf/GrafVisning.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

TGrafZoom::TGrafZoom(TGrafBillede* billede, TGrafArkSide* side)
    : QObject(billede), billede_(billede), side_(side) {
    billede_->installEventFilter(this);
}

bool TGrafZoom::eventFilter(QObject* o, QEvent* e) {
    if (o != billede_) return false;
    switch (e->type()) {
        case QEvent::Wheel: {
            auto* h = static_cast<QWheelEvent*>(e);
            const int delta = h->angleDelta().y();
            if (delta == 0) return false;
            const QPoint p = h->position().toPoint();
            side_->ZoomOmPixel(p.x(), p.y(), std::pow(HjulFaktor, delta / 120.0));
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {  // a double click would reach the press handler otherwise
            auto* m = static_cast<QMouseEvent*>(e);
            const bool hoejre = m->button() == Qt::RightButton;
            const bool ctrlVenstre = m->button() == Qt::LeftButton && (m->modifiers() & Qt::ControlModifier);
            if (!hoejre && !ctrlVenstre) return false;
            knap_ = m->button();
            start_ = m->position().toPoint();
            traekker_ = false;
            return true;  // decided at the release: a rectangle, or a click
        }
        case QEvent::MouseMove: {
            if (knap_ == Qt::NoButton) return false;
            auto* m = static_cast<QMouseEvent*>(e);
            const QPoint p = m->position().toPoint();
            if (!traekker_ && (std::abs(p.x() - start_.x()) >= MindsteTraek || std::abs(p.y() - start_.y()) >= MindsteTraek))
                traekker_ = true;
            if (traekker_) {
                if (!baand_) baand_ = new QRubberBand(QRubberBand::Rectangle, billede_);
                baand_->setGeometry(QRect(start_, p).normalized());
                baand_->show();
            }
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(e);
            if (knap_ == Qt::NoButton || m->button() != knap_) return false;
            const Qt::MouseButton knap = knap_;
            knap_ = Qt::NoButton;
            if (baand_) baand_->hide();
            const QPoint slut = m->position().toPoint();
            if (traekker_) {
                traekker_ = false;
                side_->ZoomTilPixelRektangel(start_.x(), start_.y(), slut.x(), slut.y());
            } else if (knap == Qt::RightButton) {
                emit billede_->MusNed(billede_->Ark(), Qt::RightButton, start_.x(), start_.y());
                if (QMenu* menu = billede_->PopupMenu()) menu->popup(m->globalPosition().toPoint());
            } else {
                emit billede_->MusNed(billede_->Ark(), Qt::LeftButton, start_.x(), start_.y());
            }
            return true;
        }
        default: return false;
    }
}

// ---------------------------------------------------------------- the menu

void TilpasGraenserMenu(TGrafArkSide* side) {
    if (!side) {
        Flade().Informationsboks("Denne Menu kan kun anvendes p\xE5 grafarkene");
        return;
    }
    side->TilpasGraenserButtonClick();
}
