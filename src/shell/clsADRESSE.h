#pragma once
// The publisher's contact lines for the start screen and the about box. Lines with two language forms
// follow SPRACHE and are empty for any other value.
#include <QString>

namespace talur {

class clsADRESSE {
public:
    explicit clsADRESSE(int sprache) : m_sprache(sprache) {}

    QString FIRMA1() const;
    QString FIRMA2() const;
    QString PLZ() const;
    QString STR() const;
    QString VORSITZ() const;
    QString TEL() const;
    QString FAX() const;
    QString EMAIL() const;
    QString URL() const;

private:
    QString byLanguage(const char* german, const char* english) const;
    int m_sprache;
};

} // namespace talur
