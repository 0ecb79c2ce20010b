#include "core/tool_run.h"

#include <QProcess>

#include <gtest/gtest.h>

ToolRun runTool(const QString& tool, const QStringList& args, const QProcessEnvironment& environment)
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(QStringLiteral(TOVI_BINARY_DIR "/tools/%1/%1").arg(tool), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    ToolRun run;
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.output = p.readAllStandardOutput();
    run.errors = QString::fromUtf8(p.readAllStandardError());
    return run;
}
