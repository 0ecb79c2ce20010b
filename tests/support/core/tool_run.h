#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// A developer tool of the build, run as a process to its end.
struct ToolRun {
    int exitCode = -1;   // -1 when it crashed or did not end within a minute
    QByteArray output;
    QString errors;
};

// Runs build/tools/<tool>/<tool> with `args`, in `environment` when one is given.
ToolRun runTool(const QString& tool, const QStringList& args,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
