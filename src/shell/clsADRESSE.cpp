#include "shell/clsADRESSE.h"

namespace talur {

// The publisher is fictional; the numbers use the 555 range and the domain the reserved .example.
QString clsADRESSE::byLanguage(const char* german, const char* english) const {
    if (m_sprache == 3)
        return QString::fromUtf8(german);
    if (m_sprache == 1)
        return QString::fromUtf8(english);
    return {};
}

QString clsADRESSE::FIRMA1() const {
    return byLanguage("Quenvarra-Stiftung für Geotechnik", "Quenvarra Foundation for Geotechnics");
}

QString clsADRESSE::FIRMA2() const {
    return byLanguage("Institut für Grundbau und Bodenmechanik der Hochschule Quenhausen",
                      "Institute of Foundation Engineering and Soil Mechanics, Quenhausen University");
}

QString clsADRESSE::PLZ() const {
    return byLanguage("D-00555 Quenhausen", "00555 Quenhausen, Germany");
}

QString clsADRESSE::STR() const {
    return QStringLiteral("Lehmgrubenweg 7");
}

QString clsADRESSE::VORSITZ() const {
    return QStringLiteral("Prof. Dr.-Ing. Erika Mustermann");
}

QString clsADRESSE::TEL() const {
    return QStringLiteral("+49 555 0100-0");
}

QString clsADRESSE::FAX() const {
    return QStringLiteral("+49 555 0100-99");
}

QString clsADRESSE::EMAIL() const {
    return QStringLiteral("info@quenvarra.example");
}

QString clsADRESSE::URL() const {
    return QStringLiteral("www.quenvarra.example");
}

} // namespace talur
