// Qt's own texts in Danish: the standard buttons of the message boxes
// ("Ja", "Nej", "Annuller"), the file, print and colour dialogs and the
// context menus of the edit boxes. Qt ships them as translation files; the
// program's own texts are Danish already and are not touched.
#pragma once

#include <QString>
#include <vector>

class QTranslator;

namespace plotvik {

// Installs Qt's Danish translations from `mappe` (Qt's own translation folder
// when empty) on the running application and returns the translators
// installed, owned by the application. A missing or unreadable file is
// passed over: the program then runs on with Qt's English texts.
std::vector<QTranslator*> IndlaesDanskeQtTekster(const QString& mappe = QString());

}  // namespace plotvik
