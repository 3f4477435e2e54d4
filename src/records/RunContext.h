#pragma once
// The run context that the main window establishes at start-up and every other subsystem reads:
// user, paths, project, language, decimal separator and the two public connections.
#include "platform/core/Database.h"

#include <QString>

namespace talur {

inline const QString kProgramTitle = QStringLiteral("TALUR");
inline const QString kStandaloneProject = QStringLiteral("TE0000.00");

class RunContext {
public:
    // Computed on every read: the process's user name in upper case.
    QString BENUTZER() const;
    // Read on every access from the settings store ("Extras", "Datenbankpfad").
    QString DATENBANKPFAD() const;
    // Working copy <parent of program folder>/BENUTZER/<BENUTZER>/TALUR.db; creates the folders.
    QString XMDBPFAD() const;

    QString PROJEKT() const { return m_projekt; }
    QString PROJEKTSPFAD() const { return m_projektspfad; }
    QString BEARBEITER() const { return m_bearbeiter; }
    int SPRACHE() const { return m_sprache; } // 1 English, 3 German
    QString DEZIMALPUNKT() const { return m_dezimalpunkt; }

    Connection cnnX;   // working copy
    Connection cnnX_V; // presets database

    // Set by start-up.
    void setProject(const QString& projektspfad, const QString& projekt, const QString& bearbeiter);
    void setLanguage(int sprache, const QString& dezimalpunkt);
    void setProgramFolder(const QString& folder);
    const QString& programFolder() const { return m_programFolder; }
    // The program folder's path contains "SOURCE" in any letter case.
    bool isStandalone() const;

    // Derived paths.
    QString projectDatabasePath() const;  // PROJEKTSPFAD/PROJEKT/TALUR.db
    QString templateDatabasePath() const; // program folder/TALUR.db
    QString archivePath() const;          // DATENBANKPFAD/ARCHIV.db
    QString presetsPath() const;          // DATENBANKPFAD/VORGABE.db

private:
    QString m_projekt;
    QString m_projektspfad;
    QString m_bearbeiter;
    int m_sprache = 3;
    QString m_dezimalpunkt = QStringLiteral(",");
    QString m_programFolder;
};

} // namespace talur
