// engine_dump COMMAND ARGS: runs an engine on a database file without any window and writes
// the results as CSV to standard output.

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
    std::fprintf(stderr, "usage: engine_dump forward DB KEY\n");
    return 1;
}
