// The widget of a graph image (Graf<s>Image): shows the sheet's picture at
// the widget's size and the screen's device-pixel ratio, and reports mouse
// presses in the picture's logical pixels; a right click also opens the
// graph pop-up menu. A new size of the shown widget redraws the picture from
// its draw list; a hidden one leaves the picture as it is.
#pragma once

#include <QWidget>

class QMenu;

namespace plotvik {
class TGrafVisning;
}

class TGrafBillede : public QWidget {
    Q_OBJECT
public:
    TGrafBillede(int ark, plotvik::TGrafVisning* visning, QWidget* parent = nullptr);
    int Ark() const { return ark_; }
    void SaetPopupMenu(QMenu* menu) { popup_ = menu; }
    QMenu* PopupMenu() const { return popup_; }
    QSize sizeHint() const override;

signals:
    void MusNed(int ark, Qt::MouseButton knap, int x, int y);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    int ark_;
    plotvik::TGrafVisning* visning_;
    QMenu* popup_ = nullptr;
};
