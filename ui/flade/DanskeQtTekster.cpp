// Qt's Danish translations (see the header).
#include "ui/flade/DanskeQtTekster.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace plotvik {

std::vector<QTranslator*> IndlaesDanskeQtTekster(const QString& mappe) {
    std::vector<QTranslator*> installeret;
    if (!QCoreApplication::instance()) return installeret;
    const QString sted = mappe.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : mappe;
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    // "qtbase" holds the widgets' texts; "qt" is the older catalogue that
    // gathers all of Qt's modules, used when the first is not there.
    for (const char* katalog : {"qtbase", "qt"}) {
        auto* t = new QTranslator(QCoreApplication::instance());
        if (t->load(dansk, QString::fromLatin1(katalog), QStringLiteral("_"), sted) &&
            QCoreApplication::installTranslator(t)) {
            installeret.push_back(t);
            break;
        }
        delete t;
    }
    return installeret;
}

}  // namespace plotvik
