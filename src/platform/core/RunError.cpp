#include "RunError.h"

namespace talur {

QString standardDescription(int number) {
    switch (number) {
    case err::InvalidCall:
        return QStringLiteral("Unzulässiger Prozeduraufruf oder ungültiges Argument");
    case err::Overflow:
        return QStringLiteral("Überlauf");
    case err::SubscriptOutOfRange:
        return QStringLiteral("Index außerhalb des gültigen Bereichs");
    case err::DivisionByZero:
        return QStringLiteral("Division durch Null");
    case err::TypeMismatch:
        return QStringLiteral("Typen unverträglich");
    case err::FileNotFound:
        return QStringLiteral("Datei nicht gefunden");
    case err::PermissionDenied:
        return QStringLiteral("Zugriff verweigert");
    case err::PathFileAccess:
        return QStringLiteral("Fehler beim Zugriff auf Pfad/Datei");
    case err::PathNotFound:
        return QStringLiteral("Pfad nicht gefunden");
    case err::ObjectNotSet:
        return QStringLiteral("Objektvariable oder With-Blockvariable nicht festgelegt");
    case err::InvalidUseOfNull:
        return QStringLiteral("Unzulässige Verwendung von Null");
    case err::InvalidPropertyValue:
        return QStringLiteral("Unzulässiger Eigenschaftswert");
    case err::NoCurrentRecord:
        return QStringLiteral("BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht. "
                              "Für den angeforderten Vorgang ist ein aktueller Datensatz erforderlich.");
    case err::ItemNotFound:
        return QStringLiteral("Das Objekt konnte in der Auflistung, die dem angeforderten Namen oder "
                              "Ordinalwert entspricht, nicht gefunden werden.");
    case err::ObjectClosed:
        return QStringLiteral("Der Vorgang ist für ein geschlossenes Objekt nicht zulässig.");
    case err::AlreadyOpen:
        return QStringLiteral("Der Vorgang ist für ein geöffnetes Objekt nicht zulässig.");
    case err::ConnectionClosed:
        return QStringLiteral("Die Verbindung kann nicht für diesen Vorgang verwendet werden. "
                              "Sie ist entweder geschlossen oder in diesem Kontext ungültig.");
    case err::NotAllowed:
        return QStringLiteral("Der Vorgang ist in diesem Kontext nicht zulässig.");
    case err::NotSupported:
        return QStringLiteral("Das Objekt oder der Provider kann den angeforderten Vorgang "
                              "nicht ausführen.");
    case err::DialogCancelled:
        return QStringLiteral("Abbrechen wurde gewählt.");
    default:
        return {};
    }
}

RunError runError(int number) {
    return RunError(number, standardDescription(number));
}

} // namespace talur
