#include "engine_dump.h"

#include "data/program_state.h"
#include "data/schema.h"
#include "engine/forward/forward_run.h"

#include <cstdio>

namespace {

// Refusals and failures go to standard error as the user would read them.
class PrintingObserver : public RunObserver {
public:
    void message(const QString& text, int, const QString& title) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    void failure(const Error& error, const QString& title) override
    {
        std::fprintf(stderr, "%s: %s (error %d)\n", qPrintable(title), qPrintable(error.description), error.number);
    }
};

}   // namespace

int runForwardDump(const QStringList& args)
{
    ProgramState state;
    if (!openDumpAnalysis(args, "forward", state))
        return 1;
    const qint32 key = state.gCurSiteKey;

    ForwardRunSession session;
    PrintingObserver observer;
    switch (RunRiskAnalysis(state, session, observer)) {
    case RunOutcome::Completed:
        break;
    case RunOutcome::Refused:
        return 2;
    case RunOutcome::NotRun:
    case RunOutcome::Failed:
        return 1;
    }

    Result<QueryRows> results =
        state.gConn->select(QStringLiteral("SELECT CHEMCAS, %1 FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid")
                                .arg(forwardResultFields().join(u',')),
                            {key});
    Result<QueryRows> delisting =
        state.gConn->select(QStringLiteral("SELECT * FROM GWDelisting WHERE SITEKEY = ? ORDER BY rowid"), {key});
    if (!results || !delisting) {
        printError(QStringLiteral("engine_dump: ") + (results ? delisting.error() : results.error()).description);
        return 1;
    }
    writeCsv(*results);
    std::fputs("\n", stdout);
    writeCsv(*delisting);
    return 0;
}
