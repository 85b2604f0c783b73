// Zoom with the mouse, and the sheet's "Tilpas grænser" (see GrafZoom.h).
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
#include "ui/vindue/PlotvikUnit.h"
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

// ---------------------------------------------------------------- the sheet's side

void TGrafArkSide::TilpasGraenserButtonClick() {
    if (!tegning_.TegnFourierGraf) TilslutFourier(tegning_);
    TagTilbage();
    TilpasGraenserKnap(p_, arkene_, tegning_, ark_);
    Vis();
}

void TGrafArkSide::SaetGraenserOgTegn(double xmin, double xmax, double ymin, double ymax) {
    xminEdit->setText(TilQString(GraenseTekst(xmin)));
    xmaxEdit->setText(TilQString(GraenseTekst(xmax)));
    yminEdit->setText(TilQString(GraenseTekst(ymin)));
    ymaxEdit->setText(TilQString(GraenseTekst(ymax)));
    // "Tegn graf", without its word about points outside: a zoom leaves them out on purpose.
    if (!tegning_.TegnFourierGraf) TilslutFourier(tegning_);
    TagTilbage();
    TegnGrafKnap(p_, arkene_, tegning_, ark_);
    FjernPunkterUdenfor(Data());
    Vis();
}

void TGrafArkSide::ZoomOmPixel(int px, int py, double faktor) {
    TArkAfbildning af(tegning_.Grafik, Visning->Tegneflade(), ark_);
    const auto g = VisteGraenser(tegning_.Grafik, ark_);
    if (!af.Gyldig() || !g) return;  // nothing drawn yet: nothing to zoom
    const TGraenser ny = ZoomOmPunkt(*g, af.VerdenX(px), af.VerdenY(py), faktor);
    SaetGraenserOgTegn(ny.XMin, ny.XMax, ny.YMin, ny.YMax);
}

void TGrafArkSide::ZoomTilPixelRektangel(int x1, int y1, int x2, int y2) {
    TArkAfbildning af(tegning_.Grafik, Visning->Tegneflade(), ark_);
    if (!af.Gyldig()) return;
    const auto ny = ZoomTilRektangel(af.VerdenX(x1), af.VerdenY(y1), af.VerdenX(x2), af.VerdenY(y2));
    if (ny) SaetGraenserOgTegn(ny->XMin, ny->XMax, ny->YMin, ny->YMax);
}

// ---------------------------------------------------------------- the menu

void TilpasGraenserMenu(TPlotvikForm& f) {
    TGrafArkSide* side = f.GrafSideNo(f.ForrestGrafArk());
    if (!side) {
        Flade().Informationsboks("Denne Menu kan kun anvendes p\xE5 grafarkene");
        return;
    }
    side->TilpasGraenserButtonClick();
}
