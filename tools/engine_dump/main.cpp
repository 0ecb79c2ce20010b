// engine_dump COMMAND DB KEY: runs an engine on a database file without any window and writes
// the results as CSV to standard output.
//   engine_dump forward DB KEY      the forward run of analysis KEY
//   engine_dump delisting DB KEY    the delisting-level run for analysis KEY

#include "engine_dump.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command == QLatin1String("forward"))
        return runForwardDump(args.mid(1));
    if (command == QLatin1String("delisting"))
        return runDelistingDump(args.mid(1));
    std::fprintf(stderr, "usage: engine_dump forward|delisting DB KEY\n");
    return 1;
}
