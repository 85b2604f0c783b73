// Qt implementation of the user seam.
#include "ui/flade/QtFlade.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/flade/Tegnsaet.h"

namespace plotvik {
namespace {

// After a box or a file dialog the keyboard goes back to the window that
// asked, also where no window manager hands it back.
void GivTastaturTilbage(QWidget* vindue) {
    if (!vindue || !vindue->isVisible()) return;
    if (!QApplication::activeWindow()) QApplication::setActiveWindow(vindue);
    vindue->activateWindow();
}

QMessageBox::StandardButton VisBoks(QMessageBox::Icon ikon, const std::string& tekst,
                                    QMessageBox::StandardButtons knapper,
                                    QMessageBox::StandardButton standard) {
    QMessageBox boks(ikon, QApplication::applicationDisplayName(), BoksTekst(tekst), knapper,
                     QApplication::activeWindow());
    boks.setDefaultButton(standard);
    const auto svar = static_cast<QMessageBox::StandardButton>(boks.exec());
    GivTastaturTilbage(boks.parentWidget());
    return svar;
}

// The dialog's start folder and file from the program's initial name, which
// may be a pattern such as ".\*.prj".
void SaetStartNavn(QFileDialog& d, const std::string& navn) {
    QString n = TilQString(navn);
    n.replace('\\', '/');
    if (n.isEmpty()) return;
    QFileInfo info(n);
    if (n.contains('*') || n.contains('?')) {
        d.setDirectory(info.absolutePath());
        return;
    }
    if (info.isRelative() && !n.contains('/')) {
        d.selectFile(n);
        return;
    }
    d.setDirectory(info.absolutePath());
    d.selectFile(info.fileName());
}

std::optional<std::string> VisFilDialog(bool gem, const std::string& filter, const std::string& navn) {
    QFileDialog d(QApplication::activeWindow());
    d.setAcceptMode(gem ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(gem ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own overwrite question.
    d.setOption(QFileDialog::DontConfirmOverwrite, true);
    d.setNameFilters(QtFilter(filter));
    SaetStartNavn(d, navn);
    const bool ok = d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty();
    GivTastaturTilbage(d.parentWidget());
    if (!ok) return std::nullopt;
    return FraQString(d.selectedFiles().first());
}

}  // namespace

QString BoksTekst(const std::string& tekst) {
    QString t = TilQString(tekst);
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return t;
}

QStringList QtFilter(const std::string& filter) {
    QStringList dele = TilQString(filter).split('|');
    QStringList r;
    for (int i = 0; i + 1 < dele.size(); i += 2) {
        QString beskrivelse = dele[i].trimmed();
        QString moenster = dele[i + 1].trimmed();
        // Qt takes the patterns from the parentheses of the description.
        if (!beskrivelse.contains('(')) beskrivelse += " (" + moenster + ")";
        r << beskrivelse;
    }
    if (r.isEmpty()) r << QStringLiteral("Alle filer (*)");
    return r;
}

bool QtFlade::FejlMedIgnorer(const std::string& tekst) {
    return VisBoks(QMessageBox::Critical, tekst, QMessageBox::Ok | QMessageBox::Ignore, QMessageBox::Ok) ==
           QMessageBox::Ignore;
}

void QtFlade::Fejlboks(const std::string& tekst) {
    VisBoks(QMessageBox::Critical, tekst, QMessageBox::Ok, QMessageBox::Ok);
}

void QtFlade::Informationsboks(const std::string& tekst) {
    VisBoks(QMessageBox::Information, tekst, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtFlade::OkEllerAnnuller(const std::string& tekst) {
    return VisBoks(QMessageBox::Information, tekst, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
           QMessageBox::Ok;
}

bool QtFlade::JaEllerNej(const std::string& tekst) {
    return VisBoks(QMessageBox::Information, tekst, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

void QtFlade::Bip() { QApplication::beep(); }

std::optional<std::string> QtFlade::AabnFilDialog(const std::string& filter, const std::string& navn) {
    return VisFilDialog(false, filter, navn);
}

std::optional<std::string> QtFlade::GemFilDialog(const std::string& filter, const std::string& navn) {
    return VisFilDialog(true, filter, navn);
}

void QtFlade::LadHaendelserKoere() { QCoreApplication::processEvents(); }

void QtFlade::Timeglas(bool til) {
    if (til) {
        if (timeglas_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (timeglas_ > 0) {
        if (--timeglas_ == 0) QApplication::restoreOverrideCursor();
    }
}

}  // namespace plotvik
