// The program's title, caption of every message box, and the main window's caption.
#pragma once

#include <QString>

namespace orbis {

inline QString ProgramTitle()
{
    return QStringLiteral("Orbis Tessary");
}
inline QString ProgramCaption()
{
    return QStringLiteral("Orbis Tessary v1.20");
}

} // namespace orbis
