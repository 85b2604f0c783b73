// The small factories both kinds of sheet build their controls with: a
// control with its objectName at its place, as the sheets have always had it.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

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

}  // namespace plotvik::ark
