#pragma once
// An installation in a temporary folder: program folder with the empty database, settings folder with
// ARCHIV.db and VORGABE.db, the user's ADMIN row and a project P1; scripted dialogs, German locale.
#include "platform/core/ScriptedDialogService.h"
#include "records/DbAdmin.h"
#include "shell/MainWindow.h"
#include "support/TestSupport.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace talur::test {

class ShellTest : public ::testing::Test {
public: // the cases of table-driven tests reach in through lambdas
    void SetUp() override;
    void TearDown() override;

    QString root() const { return m_root.path(); }
    QString programFolder() const { return m_root.file(QStringLiteral("PROG")); }
    QString settingsFolder() const { return m_root.file(QStringLiteral("settings")); }
    QString projectsFolder() const { return m_root.file(QStringLiteral("projects")); }
    QString projectDb() const { return projectsFolder() + QStringLiteral("/P1/TALUR.db"); }
    QString archiveDb() const { return settingsFolder() + QStringLiteral("/ARCHIV.db"); }
    QString workingCopy() const { return m_root.file(QStringLiteral("BENUTZER/TESTER/TALUR.db")); }

    // A main window on programFolder() whose frame-program starts are recorded in m_launched.
    frmMAIN& makeMain(const QString& folder = {});
    StartResult start(const QString& folder = {});

    std::optional<AdminRow> adminRow();
    void setAdminRow(const AdminRow& row);
    // Adds an E1 row to a project database (KOM Null when comment is nullopt).
    static void addRecord(const QString& database, int id, const QString& ken, std::optional<QString> comment,
                          bool active);
    static int countRecords(const QString& database);
    void createFrameProgram();

    QStringList messageTexts() const;
    QString lastMessage() const;

    TempFolder m_root;
    ScopedScriptedDialogs m_dialogs;
    std::unique_ptr<frmMAIN> m_main;
    QStringList m_launched;
};

} // namespace talur::test
