#pragma once
// talur-admin: sets up what the frame program would otherwise provide (settings folder, settings key,
// the user's ADMIN row) and creates the demo project.
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace talur {

struct SetupOptions {
    QString settings; // settings folder with ARCHIV.db and VORGABE.db
    QString projects; // folder that holds the project folders
    QString project;  // project folder name
    QString person;   // person in charge; the user when empty
    QString user;     // ADMIN row to write; the current user when empty
};

class AdminTool {
public:
    // Runs one command line (without the program name); returns the exit code.
    static int run(const QStringList& arguments, QTextStream& out, QTextStream& err);
    static QString usage();

    static void setup(const SetupOptions& options, QTextStream& out);
    static void demo(const QString& root, bool keep, QTextStream& out);
    static void show(QTextStream& out);
};

} // namespace talur
