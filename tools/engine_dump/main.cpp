// engine_dump: the engines without windows, for golden-file tests and benchmarks.
//   engine_dump delisting DB KEY

#include "delisting_dump.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QLatin1String("delisting"))
        return runDelistingDump(args);
    std::fprintf(stderr, "usage: engine_dump delisting DB KEY\n");
    return 1;
}
