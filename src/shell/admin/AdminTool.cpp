#include "shell/admin/AdminTool.h"

#include "platform/core/Database.h"
#include "platform/core/FileOps.h"
#include "platform/core/RunError.h"
#include "platform/core/SystemInfo.h"
#include "records/DbAdmin.h"
#include "records/DbCheck.h"
#include "records/DbSchema.h"
#include "records/RunContext.h"
#include "shell/admin/DemoProject.h"

#include <QDir>
#include <QFileInfo>

namespace talur {

namespace {

const QString kSection = QStringLiteral("Extras");
const QString kKey = QStringLiteral("Datenbankpfad");

// A database file of the settings folder: created when missing, checked when present.
void ensureDatabase(const QString& path, DbKind kind, QTextStream& out) {
    if (!QFileInfo::exists(path)) {
        DbSchema::create(path, kind);
        out << "created  " << path << '\n';
    } else {
        DbCheck::require(path, kind, 3);
        out << "kept     " << path << '\n';
    }
}

// Options "--name value" after the command; unknown options are refused.
bool parseOptions(const QStringList& args, SetupOptions& options, QString& error) {
    for (qsizetype i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            error = QStringLiteral("missing value for ") + args[i];
            return false;
        }
        const QString& name = args[i];
        const QString& value = args[i + 1];
        if (name == QLatin1String("--settings"))
            options.settings = value;
        else if (name == QLatin1String("--projects"))
            options.projects = value;
        else if (name == QLatin1String("--project"))
            options.project = value;
        else if (name == QLatin1String("--person"))
            options.person = value;
        else if (name == QLatin1String("--user"))
            options.user = value;
        else {
            error = QStringLiteral("unknown option ") + name;
            return false;
        }
    }
    if (options.settings.isEmpty() || options.projects.isEmpty() || options.project.isEmpty()) {
        error = QStringLiteral("setup needs --settings, --projects and --project");
        return false;
    }
    return true;
}

} // namespace

QString AdminTool::usage() {
    return QStringLiteral(
        "Usage:\n"
        "  talur-admin setup --settings DIR --projects DIR --project NAME [--person NAME] [--user NAME]\n"
        "      Prepares the normal mode without the frame program MERIDAN: creates DIR with ARCHIV.db and\n"
        "      VORGABE.db (existing ones are kept after a check), stores DIR as the settings folder\n"
        "      (MERIDAN/Extras/Datenbankpfad) and writes the ADMIN row of the user (default: the current\n"
        "      user) with the projects folder, the project and the person in charge (default: the user).\n"
        "      A missing project folder gets an empty project database.\n"
        "  talur-admin demo DIR [--keep]\n"
        "      Writes the demo project DIR/TE0000.00/TALUR.db with three records (soft clay, stiff clay,\n"
        "      dense sand), replacing an older one; --keep keeps an existing one that is a valid project\n"
        "      database. TALUR in DIR/SOURCE runs on it stand-alone.\n"
        "  talur-admin show\n"
        "      Prints the settings folder and the current user's ADMIN row.\n");
}

int AdminTool::run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString command = arguments.value(0);
    try {
        if (command == QLatin1String("setup")) {
            SetupOptions options;
            QString error;
            if (!parseOptions(arguments, options, error)) {
                err << "talur-admin: " << error << "\n\n" << usage();
                return 2;
            }
            setup(options, out);
            return 0;
        }
        const bool keep = arguments.size() == 3 && arguments[2] == QLatin1String("--keep");
        if (command == QLatin1String("demo") && (arguments.size() == 2 || keep)) {
            demo(QDir(arguments[1]).absolutePath(), keep, out);
            return 0;
        }
        if (command == QLatin1String("show") && arguments.size() == 1) {
            show(out);
            return 0;
        }
    } catch (const RunError& error) {
        err << "talur-admin: " << error.description() << " (" << error.number() << ")\n";
        return 1;
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out << usage();
        return 0;
    }
    err << usage();
    return 2;
}

void AdminTool::setup(const SetupOptions& options, QTextStream& out) {
    const QString settings = QDir(options.settings).absolutePath();
    if (!files::folderExists(settings))
        files::createFolder(settings);
    ensureDatabase(files::join(settings, QStringLiteral("ARCHIV.db")), DbKind::Archive, out);
    ensureDatabase(files::join(settings, QStringLiteral("VORGABE.db")), DbKind::Presets, out);
    sys::saveSetting(kSection, kKey, settings);
    out << "setting  MERIDAN/" << kSection << '/' << kKey << " = " << settings << '\n';

    const QString projects = QDir(options.projects).absolutePath();
    const QString folder = files::join(projects, options.project);
    if (!files::folderExists(folder))
        files::createFolder(folder);
    ensureDatabase(files::join(folder, kProgramTitle + QStringLiteral(".db")), DbKind::Project, out);

    const QString user = options.user.isEmpty() ? sys::userName() : options.user.toUpper();
    const AdminRow row{user, kFrameProgram, projects, options.project,
                       options.person.isEmpty() ? user : options.person};
    Connection archive;
    archive.open(files::join(settings, QStringLiteral("ARCHIV.db")));
    DbAdmin(archive).store(row);
    archive.close();
    out << "ADMIN    " << row.BENUTZER << ": " << row.PROJEKTSPFAD << " / " << row.PROJEKT << " / "
        << row.BEARBEITER << '\n';
}

void AdminTool::demo(const QString& root, bool keep, QTextStream& out) {
    const QString existing =
        files::join(files::join(root, kStandaloneProject), kProgramTitle + QStringLiteral(".db"));
    if (keep && !DbCheck::check(existing, DbKind::Project)) {
        out << "kept     " << existing << '\n';
        return;
    }
    out << "created  " << DemoProject::create(root) << '\n';
}

void AdminTool::show(QTextStream& out) {
    const QString settings = sys::getSetting(kSection, kKey);
    out << "settings folder: " << (settings.isEmpty() ? QStringLiteral("(not set)") : settings) << '\n';
    const QString user = sys::userName();
    out << "user:            " << user << '\n';
    if (settings.isEmpty())
        return;
    Connection archive;
    archive.open(files::join(settings, QStringLiteral("ARCHIV.db")));
    const std::optional<AdminRow> row = DbAdmin(archive).read(user);
    if (!row) {
        out << "no ADMIN row for " << user << '\n';
        return;
    }
    out << "PROG:            " << row->PROG << '\n'
        << "PROJEKTSPFAD:    " << row->PROJEKTSPFAD << '\n'
        << "PROJEKT:         " << row->PROJEKT << '\n'
        << "BEARBEITER:      " << row->BEARBEITER << '\n';
}

} // namespace talur
