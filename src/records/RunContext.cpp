#include "records/RunContext.h"

#include "platform/core/FileOps.h"
#include "platform/core/SystemInfo.h"

namespace talur {

QString RunContext::BENUTZER() const { return sys::userName(); }

QString RunContext::DATENBANKPFAD() const {
    return sys::getSetting(QStringLiteral("Extras"), QStringLiteral("Datenbankpfad"));
}

QString RunContext::XMDBPFAD() const {
    const QString users = files::join(files::parentFolder(m_programFolder), QStringLiteral("BENUTZER"));
    const QString own = files::join(users, BENUTZER());
    if (!files::folderExists(own))
        files::createFolder(own);
    return files::join(own, kProgramTitle + QStringLiteral(".db"));
}

void RunContext::setProject(const QString& projektspfad, const QString& projekt, const QString& bearbeiter) {
    m_projektspfad = projektspfad;
    m_projekt = projekt;
    m_bearbeiter = bearbeiter;
}

void RunContext::setLanguage(int sprache, const QString& dezimalpunkt) {
    m_sprache = sprache;
    m_dezimalpunkt = dezimalpunkt;
}

void RunContext::setProgramFolder(const QString& folder) { m_programFolder = folder; }

bool RunContext::isStandalone() const {
    return m_programFolder.contains(QStringLiteral("SOURCE"), Qt::CaseInsensitive);
}

QString RunContext::projectDatabasePath() const {
    return files::join(files::join(m_projektspfad, m_projekt), kProgramTitle + QStringLiteral(".db"));
}

QString RunContext::templateDatabasePath() const {
    return files::join(m_programFolder, kProgramTitle + QStringLiteral(".db"));
}

QString RunContext::archivePath() const { return files::join(DATENBANKPFAD(), QStringLiteral("ARCHIV.db")); }

QString RunContext::presetsPath() const { return files::join(DATENBANKPFAD(), QStringLiteral("VORGABE.db")); }

} // namespace talur
