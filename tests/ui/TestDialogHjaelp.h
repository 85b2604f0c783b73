// Helpers for driving the small dialogs in tests: find a control by its
// name, collect the texts a dialog shows, and act on a modal dialog once it
// is open.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "ui/flade/Tegnsaet.h"

namespace plotvik::test {

template <class T>
T* Kontrol(QWidget* w, const char* navn) {
    T* k = w->findChild<T*>(QString::fromLatin1(navn));
    EXPECT_NE(k, nullptr) << navn;
    return k;
}

// The same, for callers that name it qualified (plotvik::test::Find) beside
// the window fixture's own Find.
template <class T>
T* Find(QWidget* w, const char* navn) {
    return Kontrol<T>(w, navn);
}

// Filling in a dialog's fields by name, and pressing its OK.
inline void SkrivIFelt(QWidget* d, const char* navn, const std::string& tekst) {
    if (auto* e = Kontrol<QLineEdit>(d, navn)) e->setText(TilQString(tekst));
}
inline void SaetSpin(QWidget* d, const char* navn, int v) {
    if (auto* s = Kontrol<QSpinBox>(d, navn)) s->setValue(v);
}
inline int SpinVaerdi(QWidget* d, const char* navn) {
    auto* s = Kontrol<QSpinBox>(d, navn);
    return s ? s->value() : -1;
}
inline void TrykOK(QWidget* d) { Kontrol<QPushButton>(d, "OKButton")->click(); }

// Every text of the dialog's labels, buttons and group boxes, as Windows-1252.
inline std::vector<std::string> VisteTekster(QWidget* w) {
    std::vector<std::string> t;
    for (auto* l : w->findChildren<QLabel*>()) t.push_back(FraQString(l->text()));
    for (auto* b : w->findChildren<QAbstractButton*>()) t.push_back(FraQString(b->text()));
    for (auto* g : w->findChildren<QGroupBox*>()) t.push_back(FraQString(g->title()));
    return t;
}

inline bool Viser(QWidget* w, const std::string& tekst) {
    for (const auto& t : VisteTekster(w))
        if (t == tekst) return true;
    return false;
}

// Answers the modal dialogs a test opens: each queued handling acts on the
// next dialog shown and must close it. A dialog shown with nothing queued is
// closed with Cancel and counted, so a test never hangs on a dialog it did
// not expect. Active for the life of the object.
class ModalSvar : public QObject {
public:
    ModalSvar() { qApp->installEventFilter(this); }
    ~ModalSvar() override { qApp->removeEventFilter(this); }
    void operator()(std::function<void(QWidget*)> handling) { koe_.push_back(std::move(handling)); }
    int Besvarede = 0;
    int Uventede = 0;
    bool Tom() const { return koe_.empty(); }

    bool eventFilter(QObject* o, QEvent* e) override {
        auto* d = qobject_cast<QDialog*>(o);
        if (e->type() == QEvent::Show && d && d->isWindow() && d->isModal()) {
            // Answer once the dialog's own event loop runs.
            QPointer<QDialog> p(d);
            QTimer::singleShot(0, this, [this, p] {
                if (p && p->isVisible()) Svar(p);
            });
        }
        return false;
    }

private:
    void Svar(QDialog* d) {
        if (koe_.empty()) {
            ++Uventede;
            d->reject();
            return;
        }
        auto h = std::move(koe_.front());
        koe_.pop_front();
        ++Besvarede;
        h(d);
        if (d->isVisible()) d->reject();  // a handling that forgot to close it
    }
    std::deque<std::function<void(QWidget*)>> koe_;
};

}  // namespace plotvik::test
