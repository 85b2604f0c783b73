// An exported SVG drawing read back as the tests look at it: its texts, and
// the coordinates of each path or polyline (x, y, x, y, ...).
#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <vector>

namespace plotvik::test {

struct TSvgTegning {
    QStringList Tekster;
    std::vector<std::vector<double>> Linjer;
    bool Fejl = false;
};

inline TSvgTegning LaesSvg(const QByteArray& svg) {
    static const QRegularExpression tal(QStringLiteral("-?[0-9]+(\\.[0-9]+)?"));
    TSvgTegning t;
    QXmlStreamReader x(svg);
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement) continue;
        if (x.name() == QLatin1String("text")) {
            t.Tekster << x.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            continue;
        }
        QString d;
        if (x.name() == QLatin1String("path")) d = x.attributes().value(QLatin1String("d")).toString();
        else if (x.name() == QLatin1String("polyline")) d = x.attributes().value(QLatin1String("points")).toString();
        else continue;
        auto& v = t.Linjer.emplace_back();
        for (auto it = tal.globalMatch(d); it.hasNext();) v.push_back(it.next().captured(0).toDouble());
    }
    t.Fejl = x.hasError();
    return t;
}

}  // namespace plotvik::test
