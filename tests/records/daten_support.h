#pragma once
// A project database in a temporary folder for the record data-access tests.
#include "platform/core/Database.h"
#include "platform/core/ScriptedDialogService.h"
#include "records/RunContext.h"
#include "support/TestSupport.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace talur::test {

// The statements of one section ("project", "archive", "presets") of the schema file.
QString schemaSection(const QString& section);

// Creates a database file at path from one schema section.
void createDatabase(const QString& path, const QString& section);

// Runs a statement and gives its rows, each row's values joined with '|' (NULL as "<null>").
QStringList rowsOf(Connection& connection, const QString& sql);

// A run context whose working copy is a fresh project database, with scripted dialogs and German settings.
class DatenFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds an E1 row.
    void addRecord(int32_t id, const QString& ken, bool active);
    QStringList rows(const QString& sql) { return rowsOf(context.cnnX, sql); }
    // The one box shown since the transcript was last cleared.
    DialogRecord onlyBox() const;

    TempFolder folder;
    RunContext context;
    ScopedScriptedDialogs dialogs;
};

} // namespace talur::test
