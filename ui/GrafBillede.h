// The widget of a graph image (Graf<s>Image): shows the sheet's QImage and
// reports mouse presses; a right click also opens the graph pop-up menu.
#pragma once

#include <QImage>
#include <QWidget>

class QMenu;

class TGrafBillede : public QWidget {
    Q_OBJECT
public:
    TGrafBillede(int ark, QImage* billede, QWidget* parent = nullptr);
    int Ark() const { return ark_; }
    void SaetPopupMenu(QMenu* menu) { popup_ = menu; }
    QSize sizeHint() const override;

signals:
    void MusNed(int ark, Qt::MouseButton knap, int x, int y);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int ark_;
    QImage* billede_;
    QMenu* popup_ = nullptr;
};
