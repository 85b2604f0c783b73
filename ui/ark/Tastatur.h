// The keyboard in the main window. A key press is either typing (printable
// text, AltGr characters of a Danish keyboard included) or a key of the
// menus, access keys and shortcuts (Ctrl, Alt, function keys). Only typing
// reaches a cell, an edit box or the text sheet; the other keys go to the
// menus and buttons as everywhere else. Where two visible controls of the
// sheet in front share an access letter, the window decides which one the
// key reaches, so that the same key always does the same thing.
#pragma once

#include <QChar>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QKeyEvent;
class QMainWindow;
class QTabWidget;
class QWidget;

namespace plotvik {

// Printable text with no Ctrl or Alt of its own. AltGr arrives as Ctrl+Alt
// (or with the group switch) together with its character and is typing.
bool ErTekstTast(const QKeyEvent& e);
// A key that carries a text but belongs to the menus: Alt (or the Windows
// key) held without AltGr. It is never typed.
bool ErGenvejMedTekst(const QKeyEvent& e);

// The access letter of a caption in upper case ("&Diskfil" -> 'D',
// "D&iskFil" -> 'I'); "&&" is a plain '&'. Null when the caption has none.
QChar Adgangsbogstav(const QString& tekst);

// What Alt and a letter reaches in a window, in the order the window
// tries them: the buttons of the sheet in front from top to bottom and left
// to right, then the titles of the menu bar. Only visible, enabled ones.
struct TAdgangsmaal {
    QAbstractButton* Knap = nullptr;
    QAction* Menu = nullptr;
};
std::vector<TAdgangsmaal> Adgangsmaal(QMainWindow& vindue, QWidget* side, QChar bogstav);

// Ctrl+Page Down and Ctrl+Page Up bring the next and the previous sheet to
// the front from wherever the focus is (Ctrl+Tab does it within the sheets).
void TilslutArkTaster(QMainWindow& vindue, QTabWidget& ark);

// Watches the keys of one main window (installed on the application, as a
// window's own filter never sees the keys of its children):
// - a key of the menus that carries a text is never typed into a control;
// - Ctrl+Z and Ctrl+Y in an edit box with nothing of its own to undo or redo
//   go to the window's undo and redo;
// - AltGr characters stay text even where a shortcut has the same keys;
// - Alt and a letter shared by two visible controls goes to the first of
//   them (Adgangsmaal), instead of to whichever Qt happens to pick;
// - a menu closed with Esc gives the focus back to the cell or box that had
//   it, so that the next key is typed there and not taken by the menu bar.
class TTastaturFilter : public QObject {
public:
    // forrestSide: the sheet in front, whose buttons the access keys reach.
    TTastaturFilter(QMainWindow& vindue, std::function<QWidget*()> forrestSide);
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    bool IVinduet(QObject* o) const;
    bool AdgangstastDelt(QKeyEvent& e);
    void MenuLukket();
    QMainWindow& vindue_;
    std::function<QWidget*()> forrestSide_;
    QPointer<QWidget> sidsteFokus_;  // where the focus was before the menu bar took it
    QPointer<QWidget> sidsteVaert_;  // and the control around it that takes the focus
};

}  // namespace plotvik
