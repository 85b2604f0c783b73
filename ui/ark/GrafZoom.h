// Zoom with the mouse on a graph image: the wheel zooms around the pointer,
// a drag with the right button (or Ctrl + left) draws a rectangle to zoom
// into. A right click that does not drag still opens the pop-up menu, and a
// Ctrl + left click that does not drag is an ordinary click for the graph
// tools. The plain left button is left alone. Every zoom goes to the sheet,
// which writes its four limit fields and draws through "Tegn graf".
#pragma once

#include <QObject>
#include <QPoint>

class QRubberBand;
class TGrafBillede;
class TGrafArkSide;
class TPlotvikForm;

class TGrafZoom : public QObject {
    Q_OBJECT
public:
    TGrafZoom(TGrafBillede* billede, TGrafArkSide* side);

    // One notch of the wheel scales the limits by this (forwards zooms in).
    static constexpr double HjulFaktor = 0.8;
    // A drag shorter than this (in pixels each way) is a click.
    static constexpr int MindsteTraek = 4;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TGrafBillede* billede_;
    TGrafArkSide* side_;
    QRubberBand* baand_ = nullptr;
    Qt::MouseButton knap_ = Qt::NoButton;  // the button of a drag that may become a rectangle
    QPoint start_;
    bool traekker_ = false;
};

// "Tilpas grænser" of the menu: the sheet in front, or the box that says the
// command belongs on the graph sheets.
void TilpasGraenserMenu(TPlotvikForm& f);
