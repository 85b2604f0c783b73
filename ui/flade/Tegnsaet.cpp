// Windows-1252 <-> QString, through the engine's own conversion so that the
// window and the files agree on every byte.
#include "ui/flade/Tegnsaet.h"

#include "core/Tegnsaet.h"

namespace plotvik {

QString TilQString(const std::string& tekst) { return QString::fromStdString(Cp1252TilUtf8(tekst)); }

std::string FraQString(const QString& tekst) { return Utf8TilCp1252(tekst.toStdString()); }

}  // namespace plotvik
