#pragma once
// The program's version information as the page frame shows it: product name (title line), the
// developers (footer) and the legal notice (footer). The main window may hand in its own.
#include <QString>

namespace talur {

struct Versionsinfo {
    QString produktname = QStringLiteral("Verolan Sedimo");
    QString programmierer = QStringLiteral("Arbeitsgruppe Programmentwicklung der Quenvarra-Stiftung");
    QString copyright = QStringLiteral("Copyright © 2002 Quenvarra-Stiftung für Geotechnik");
};

} // namespace talur
