// The one pair of conversions between the engine's Windows-1252 texts and Qt's
// QString. Everything the window shows or reads passes through here.
#pragma once

#include <QString>
#include <string>

namespace plotvik {

QString TilQString(const std::string& tekst);
// Characters without a place in Windows-1252 become '?'.
std::string FraQString(const QString& tekst);

}  // namespace plotvik
