// What every small dialog of the window shares: the two result flags, OK as
// the default button (Enter) and Cancel as the cancel button (Esc), a form of
// labelled fields, and the helpers that build the controls with their names.
// The caller clears the flags (VisModalt does), shows the dialog modally and
// reads the result fields when OKValgt is set; a dialog never touches the model.
#pragma once

#include <QDialog>
#include <QSpinBox>
#include <string>

class QFormLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QLabel;

class TPlotvikDialog : public QDialog {
    Q_OBJECT
public:
    explicit TPlotvikDialog(QWidget* parent, const char* navn, const std::string& titel);

    bool OKValgt = false;
    bool AnnullerValgt = false;

    // Clears both flags, shows the dialog modally and tells whether OK was chosen.
    // A dialog already open is brought to the front instead, and this answers false.
    bool VisModalt();
    // A dialog asked for while it is open is brought to the front (answer
    // true) with what is typed in it; the command then fills in nothing.
    bool VisesAllerede();

    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void done(int r) override;

protected:
    // Copies every field into the result texts; called when the dialog closes.
    virtual void HentFelter() {}
    // Asked before OK closes the dialog: a dialog that finds a field it cannot
    // accept tells the user, puts the focus on the field and answers false,
    // and the dialog stays open with everything typed.
    virtual bool FelterGodkendt() { return true; }
    // Gives a field the focus with its whole text selected.
    static void VaelgFelt(QLineEdit* e);

    QVBoxLayout* Hovedlayout = nullptr;
    QFormLayout* Felter = nullptr;

    QLabel* NyLabel(const std::string& tekst);
    QLineEdit* NyEdit(const char* navn, const std::string& ledetekst);
    // With a message, asking for more than max shows it (TGraenseSpinBox).
    QSpinBox* NySpinEdit(const char* navn, const std::string& ledetekst, int min, int max, int start,
                         const std::string& overMaksimum = {});
    // Adds the OK and Cancel buttons at the bottom; call last in the constructor.
    void LavKnapper();
};

// A spin edit that says why it stops: asking for more than its maximum, by
// stepping up (key, arrow, wheel) or by typing a larger number, shows the
// message through the user seam instead of stopping without a word.
class TGraenseSpinBox : public QSpinBox {
    Q_OBJECT
public:
    TGraenseSpinBox(QWidget* parent, std::string overMaksimum);
    void stepBy(int skridt) override;

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::string OverMaksimum;
};

// A spin edit's value handed over as decimal text.
std::string SpinTekst(QSpinBox* s);  // takes a typed, not yet confirmed value first
std::string EditTekst(const QLineEdit* e);
