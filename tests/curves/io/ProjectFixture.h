#pragma once
// A small project database built in the test from the project schema, with records that exercise the
// curve commands.
#include "platform/core/Database.h"
#include "support/TestSupport.h"

#include <QString>

namespace talur::test {

// The "@project" section of the schema file.
QString projectSchemaSql();

class ProjectFixture {
public:
    // Records: 1 "K1" (three preloading stresses stored out of row order), 2 "STOP" (second stress above
    // SIMAX), 3 "NOE3" (no E3 rows), 4 "ZERO" (zero stiffness), 5 "NOE2" (no parameters), 6 "O'B" (text in
    // a number column).
    ProjectFixture();
    const QString& path() const { return m_path; }
    QString file(const QString& name) const { return m_folder.file(name); }

private:
    TempFolder m_folder;
    QString m_path;
};

} // namespace talur::test
