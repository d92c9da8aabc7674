#pragma once

#include <QString>

// The names on the title screen.
namespace Credits {
inline const QString author = QStringLiteral("By Maren Ashcombe");
inline const QString programming = QStringLiteral("Programming by Tobin Vell");
inline const QString editor = QStringLiteral("Series Editor Idris Penhallow");
inline const QString notice =
    QStringLiteral("The Orvelles is published by Quenmark Publishing Ltd.");
} // namespace Credits
