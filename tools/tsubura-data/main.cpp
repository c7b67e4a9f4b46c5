// tsubura-data: the results, rankings and files of a ツブラ installation on the command line.
#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

#include "command_line.h"
#include "commands.h"
#include "shell/start_up.h"

using namespace tsubura;
using namespace tsubura::data_tool;

namespace {

const char kUsage[] =
    "usage: tsubura-data [--program-dir DIR] COMMAND [OPTIONS]\n"
    "\n"
    "The installation is the one whose program folder holds this executable, or DIR.\n"
    "\n"
    "commands:\n"
    "  summary [--now YYYY-MM-DDTHH:MM:SS]\n"
    "      counts, points and best times of every level and student, tab-separated\n"
    "  ranking --level L --view time|total|today --student S [--grade-filter TEXT] [--now ...]\n"
    "      the hub's ranking list of level L, as student S sees it\n"
    "  export [--encoding utf-8|cp932]\n"
    "      every stored run as CSV\n"
    "  check [--now ...]\n"
    "      checks the installation's files; exit status 1 when anything is wrong\n";

int usage(const char *problem) {
    if (problem) std::fprintf(stderr, "tsubura-data: %s\n\n", problem);
    std::fputs(kUsage, problem ? stderr : stdout);
    return problem ? 2 : 0;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QString programDir = programDirOf(QCoreApplication::applicationDirPath());
    if (arguments.size() >= 2 && arguments[0] == QStringLiteral("--program-dir")) {
        programDir = programDirOf(QDir(arguments[1]).absolutePath());
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty()) return usage("no command given");
    const QString command = arguments.takeFirst();
    if (command == QStringLiteral("--help") || command == QStringLiteral("help")) return usage(nullptr);

    try {
        if (command == QStringLiteral("summary")) return runSummary(programDir, arguments);
        if (command == QStringLiteral("ranking")) return runRanking(programDir, arguments);
        if (command == QStringLiteral("export")) return runExport(programDir, arguments);
        if (command == QStringLiteral("check")) return runCheck(programDir, arguments);
        return usage(("unknown command: " + command.toStdString()).c_str());
    } catch (const UsageError &error) {
        return usage(error.what());
    } catch (const DataError &error) {
        std::fprintf(stderr, "tsubura-data: %s\n", error.what());
        return 3;
    }
}
