// The program's command line: "--help", "--version" and the name of a project
// file to open at start. Read before any window exists, so the first two work
// without a display.
#pragma once

#include <QString>
#include <QStringList>

namespace plotvik {

struct TKommandolinje {
    enum class TArt { Start, Hjaelp, Version, Fejl };
    TArt Art = TArt::Start;
    QString ProjektFil;  // empty: start without a project
    QString Fejltekst;   // Danish, for Art == Fejl
};

// argumenter[0] is the program's name, as QCoreApplication::arguments() gives it.
TKommandolinje LaesKommandolinje(const QStringList& argumenter);

// The short Danish usage text that "--help" prints.
QString KommandolinjeHjaelp(const QString& program);

}  // namespace plotvik
