// Printing into a PDF file in tests: replaces the print dialog for the life
// of the object and reads the printed lines back with pdftotext.
#pragma once

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <string>
#include <vector>

#include "ui/graf/Udskrivning.h"

namespace plotvik::test {

// Replaces the print dialog by a PDF file for the life of the object.
class PdfPrinter {
public:
    explicit PdfPrinter(std::string fil, bool ok = true) : fil_(std::move(fil)) {
        QFile::remove(QString::fromStdString(fil_));
        SaetPrinterValg([this, ok](QPrinter& p, QWidget*) {
            ++Vist;
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(QString::fromStdString(fil_));
            return ok;
        });
    }
    ~PdfPrinter() { SaetPrinterValg({}); }
    int Vist = 0;
    bool Findes() const { return QFile::exists(QString::fromStdString(fil_)); }
    // The printed text, line by line, as pdftotext reads it in layout mode.
    std::vector<std::string> Linier(bool& kunneLaese) const {
        std::vector<std::string> linier;
        kunneLaese = !QStandardPaths::findExecutable("pdftotext").isEmpty();
        if (!kunneLaese) return linier;
        QProcess p;
        p.start("pdftotext", {"-layout", "-enc", "Latin1", QString::fromStdString(fil_), "-"});
        p.waitForFinished(20000);
        std::string ud = p.readAllStandardOutput().toStdString();
        std::string linje;
        for (char c : ud) {
            if (c == '\n') {
                linier.push_back(linje);
                linje.clear();
            } else if (c != '\f') {
                linje += c;
            }
        }
        if (!linje.empty()) linier.push_back(linje);
        // Trailing blanks and empty lines depend on the page, not on the print.
        for (auto& l : linier)
            while (!l.empty() && l.back() == ' ') l.pop_back();
        std::erase_if(linier, [](const std::string& l) { return l.empty(); });
        return linier;
    }
    // The names of the fonts embedded in the file, as pdffonts lists them.
    std::string Skrifter() const {
        QProcess p;
        p.start("pdffonts", {QString::fromStdString(fil_)});
        p.waitForFinished(20000);
        return p.readAllStandardOutput().toStdString();
    }
    int Sider() const {
        QProcess p;
        p.start("pdfinfo", {QString::fromStdString(fil_)});
        p.waitForFinished(20000);
        for (const QString& l : QString::fromLatin1(p.readAllStandardOutput()).split('\n'))
            if (l.startsWith("Pages:")) return l.mid(6).trimmed().toInt();
        return -1;
    }

private:
    std::string fil_;
};

// pdftotext places words by their position on the page and so does not keep
// the exact number of blanks between them (the layout itself is checked to
// the character in the files tests); lines are compared with the left margin
// dropped and every run of blanks as one.
inline std::string UdenVenstreMargen(const std::string& l) {
    std::string ud;
    for (char c : l)
        if (c != ' ' || (!ud.empty() && ud.back() != ' ')) ud += c;
    while (!ud.empty() && ud.back() == ' ') ud.pop_back();
    return ud;
}

}  // namespace plotvik::test
