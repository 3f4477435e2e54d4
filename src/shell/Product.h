#pragma once
// Names and captions of the program that several windows show.
#include <QString>

namespace talur {

inline const QString kProductFamily = QStringLiteral("Orvalis");
inline const QString kProductTitle = QStringLiteral("Verolan");
inline const QString kProductSubtitle = QStringLiteral("Sedimo");

// The product name of the program panel's tooltip: title and subtitle.
inline QString productName() {
    return kProductTitle + QLatin1Char(' ') + kProductSubtitle;
}

// "Version Februar 2002" / "Version February 2002".
inline QString versionCaption(int sprache) {
    return QStringLiteral("Version ") +
           (sprache == 1 ? QStringLiteral("February 2002") : QStringLiteral("Februar 2002"));
}

} // namespace talur
