// The small factories both kinds of sheet build their controls with: a
// control with its objectName at its place, as the sheets have always had it.
#pragma once

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace plotvik::ark {

// "Navn%1" with the number filled in.
inline QString N(const char* navn, int nr) { return QString::fromLatin1(navn).arg(nr); }

inline QLabel* Etiket(QWidget* ejer, const QString& tekst, const QString& navn, int x, int y, int b, int h = 16) {
    auto* l = new QLabel(tekst, ejer);
    l->setObjectName(navn);
    l->setGeometry(x, y, b, h);
    return l;
}

inline QLineEdit* Felt(QWidget* ejer, const QString& navn, int x, int y, int b, int h = 20) {
    auto* e = new QLineEdit(ejer);
    e->setObjectName(navn);
    e->setGeometry(x, y, b, h);
    return e;
}

inline QPushButton* Knap(QWidget* ejer, const QString& tekst, const QString& navn, int x, int y, int b, int h = 24) {
    auto* k = new QPushButton(tekst, ejer);
    k->setObjectName(navn);
    k->setGeometry(x, y, b, h);
    k->setAutoDefault(true);  // Return presses the button that has the focus, as Space does
    return k;
}

// A sheet's layout: it holds the sheet's controls and has the sheet place
// them by its own rule whenever its size changes.
class TPlacerLayout : public QLayout {
public:
    TPlacerLayout(QWidget* ark, QSize standard, std::function<void()> placer)
        : QLayout(ark), standard_(standard), placer_(std::move(placer)) {
        setContentsMargins(0, 0, 0, 0);
    }
    ~TPlacerLayout() override {
        while (QLayoutItem* i = takeAt(0)) delete i;
    }
    void addItem(QLayoutItem* i) override { items_.push_back(i); }
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int i) const override { return i >= 0 && i < count() ? items_[i] : nullptr; }
    QLayoutItem* takeAt(int i) override {
        if (i < 0 || i >= count()) return nullptr;
        QLayoutItem* item = items_[i];
        items_.erase(items_.begin() + i);
        return item;
    }
    QSize sizeHint() const override { return standard_; }
    // A smaller sheet only cuts off what does not fit; nothing needs more room.
    QSize minimumSize() const override { return {0, 0}; }
    void setGeometry(const QRect& r) override {
        QLayout::setGeometry(r);
        placer_();
    }

private:
    QSize standard_;
    std::function<void()> placer_;
    std::vector<QLayoutItem*> items_;
};

}  // namespace plotvik::ark
