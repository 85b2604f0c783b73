// The program's own settings (recent projects, the capture's port and speed),
// in one place for every part of the window that keeps one.
#pragma once

#include <QSettings>

namespace plotvik {

inline QSettings Indstillinger() { return QSettings(QStringLiteral("Plotvik"), QStringLiteral("Plotvik")); }

}  // namespace plotvik
