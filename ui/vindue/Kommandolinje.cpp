#include "ui/vindue/Kommandolinje.h"

#include <QCommandLineParser>

namespace plotvik {

TKommandolinje LaesKommandolinje(const QStringList& argumenter) {
    QCommandLineParser parser;
    const QCommandLineOption hjaelp(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(hjaelp);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("projektfil"), QString());
    TKommandolinje k;
    if (!parser.parse(argumenter)) {
        const QStringList ukendte = parser.unknownOptionNames();
        k.Art = TKommandolinje::TArt::Fejl;
        k.Fejltekst = ukendte.isEmpty()
                          ? QString::fromUtf8("Kommandolinjen kan ikke læses")
                          : QString::fromUtf8("Ukendt tilvalg: ") +
                                (ukendte.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) +
                                ukendte.first();
        return k;
    }
    // Asking for help or the version wins over everything else on the line.
    if (parser.isSet(hjaelp)) {
        k.Art = TKommandolinje::TArt::Hjaelp;
        return k;
    }
    if (parser.isSet(version)) {
        k.Art = TKommandolinje::TArt::Version;
        return k;
    }
    const QStringList filer = parser.positionalArguments();
    if (filer.size() > 1) {
        k.Art = TKommandolinje::TArt::Fejl;
        k.Fejltekst = QString::fromUtf8("Der kan kun hentes én projektfil ad gangen");
        return k;
    }
    if (!filer.isEmpty()) k.ProjektFil = filer.first();
    return k;
}

QString KommandolinjeHjaelp(const QString& program) {
    return QString::fromUtf8(
               "Brug: %1 [tilvalg] [projektfil]\n"
               "Plotvik behandler målinger fra laboratorieforsøg.\n"
               "\n"
               "  projektfil     en projektfil (.prj), der hentes ved start\n"
               "  -h, --help     vis denne hjælp\n"
               "  -v, --version  vis programmets version\n")
        .arg(program);
}

}  // namespace plotvik
