#include "engine/forward/forward_run.h"

#include "data/analysis_inputs.h"
#include "data/analysis_store.h"
#include "data/recordset_helpers.h"
#include "data/schema.h"
#include "engine/common/engine_numbers.h"
#include "engine/forward/constituent_rows.h"
#include "engine/forward/constituent_steps.h"
#include "engine/forward/gw_delisting.h"
#include "engine/forward/limiting_pathway.h"
#include "platform/db/transaction.h"

#include <optional>

namespace {

const QString kMercuryTotal = QStringLiteral("7439-97-6");
const QString kMercuryFish = QStringLiteral("22967-92-6");

struct Refusal {
    QString text;
    int style;
};

std::optional<Refusal> checkUnit(const WasteUnit& u)
{
    const bool knownUnit = u.WVOLUNIT && (*u.WVOLUNIT == 0 || *u.WVOLUNIT == 1 || *u.WVOLUNIT == 2);
    if (!positiveUnitValue(u.WASTEVOL) || !knownUnit)
        return Refusal{QStringLiteral("There is a zero value for the waste volume."), kRunMsgExclamation};
    if (!positiveUnitValue(u.ACTVLIFE))
        return Refusal{QStringLiteral("There is a zero value for the active life."), kRunMsgExclamation};
    if (!positiveUnitValue(u.HQFACT))
        return Refusal{QStringLiteral("There is a zero value for the HQ Factor.  Please use the dropdown list to "
                                      "choose an HQ Factor."),
                       kRunMsgExclamation};
    if (!positiveUnitValue(u.RISKFACT))
        return Refusal{QStringLiteral("There is a zero value for the Risk Factor.  Please use the dropdown list to "
                                      "choose an Risk Factor."),
                       kRunMsgExclamation};
    return std::nullopt;
}

struct Mercury {
    bool found = false;
    double tclp = 0;
    double total = 0;
};

// The concentration checks of every row, with progress after each row that passes, then the
// mercury pairing.
std::optional<Refusal> checkConstituents(const std::vector<ConstituentRow>& rows, const QString& wmuType,
                                         RunObserver& observer)
{
    Mercury total;
    Mercury fish;
    qint32 counter = 0;
    for (const ConstituentRow& row : rows) {
        const ConstituentInputs& in = row.in;
        if (in.CHEMCAS == kMercuryTotal)
            total = {true, in.TCLPCONC, in.TOTCONC};
        if (in.CHEMCAS == kMercuryFish)
            fish = {true, in.TCLPCONC, in.TOTCONC};
        const QString tail = QStringLiteral(".  Please enter a concentration and then try re-running the program.");
        if (!(in.TCLPCONC > 0))
            return Refusal{QStringLiteral("There is a zero value for the TCLP concentration of ") + in.CHEMNAME + tail,
                           kRunMsgExclamation};
        if (wmuType != QLatin1String("SI") && !(in.TOTCONC > 0))
            return Refusal{QStringLiteral("There is a zero value for the Total concentration of ") + in.CHEMNAME + tail,
                           kRunMsgExclamation};
        ++counter;
        observer.progress(float(counter / (3.0 * double(rows.size())) * 100.0));
    }

    if (total.found && !fish.found)
        return Refusal{QStringLiteral("Please add Mercury (Fish Pathway Only)"), kRunMsgExclamation};
    if (fish.found && !total.found)
        return Refusal{QStringLiteral("Please add Mercury (Total)."), kRunMsgExclamation};
    if (total.found && fish.found && (total.tclp != fish.tclp || total.total != fish.total))
        return Refusal{QStringLiteral("At this time, please enter the same concentrations for the fish ingestion "
                                      "pathway found under Mercury (Fish Pathways Only)."),
                       kRunMsgOkOnly};
    return std::nullopt;
}

struct Computed {
    RunContext ctx;
    std::vector<ConstituentResults> results;
    std::vector<GWDelistingRow> delisting;
};

// The run's calculations, in the order of the run: waste volume, exposure constants, targets,
// the constituent loop, the limiting pathway, the groundwater delisting rows. Reads the
// constants and the DAF curves; writes nothing.
Result<Computed> calculate(Connection& conn, qint32 siteKey, const RunContext& previous, IndoorAirRuns& indoorAir,
                           const WasteUnit& unit, const std::vector<ConstituentRow>& rows)
{
    Computed c{previous, {}, {}};
    if (Status s = CalcWasteVolume(c.ctx, unit); !s)
        return s.error();
    Result<ExposureConstants> constants = LoadExposureConstants(conn);
    if (!constants)
        return constants.error();
    if (Status s = setRunTargets(c.ctx, unit); !s)
        return s.error();

    std::vector<ConstituentInputs> inputs;
    QStringList cas;
    inputs.reserve(rows.size());
    for (const ConstituentRow& row : rows) {
        inputs.push_back(row.in);
        cas << row.in.CHEMCAS;
    }
    Result<DafCurves> dafs = DafCurves::loadForAnalysis(conn, siteKey, cas, unit.WMUTYPE);
    if (!dafs)
        return dafs.error();

    RowRun run{c.ctx, *constants, *dafs, unit, indoorAir};
    Result<std::vector<ConstituentResults>> results = RunPathwayCalculations(run, inputs);
    if (!results)
        return results.error();
    c.results = std::move(*results);
    FindLimitingPathway(c.results);
    c.delisting = CalcGWDelistingLevels(c.ctx, *dafs, inputs, c.results);
    return c;
}

// The run's writes, inside its transaction: every constituent row's result fields written, the
// analysis's GWDelisting rows replaced.
Status store(Connection& conn, qint32 key, const std::vector<ConstituentRow>& rows, const Computed& c)
{
    if (Status s = writeForwardResults(conn, rows, c.results); !s)
        return s;
    return replaceGWDelisting(conn, key, rows, c.delisting);
}

// Read when first used: nothing reads the set right after a run.
void reopenGwDelisting(ProgramState& state)
{
    state.gRsGwDelisting.open([&state, key = state.gCurSiteKey]() -> Result<Recordset> {
        if (!state.gConn)
            return Recordset{};
        return openTableRecordset(*state.gConn, gwDelistingTable(), QStringLiteral("SITEKEY = ?"), {key});
    });
}

// Ends a run that failed: nothing of it is stored.
RunOutcome fail(RunObserver& observer, const Error& error, bool started)
{
    if (started)
        observer.runEnds();
    observer.failure(error, kRunFailedTitle);
    return RunOutcome::Failed;
}

// Ends a run that a check refused.
RunOutcome refuse(RunObserver& observer, const Refusal& refusal, bool started)
{
    observer.message(refusal.text, refusal.style, kInsufficientDataTitle);
    if (started)
        observer.runEnds();
    return RunOutcome::Refused;
}

// The run of an open analysis, from reading its rows on. It reads what it calculates inside the
// transaction that stores the results, so that no result lands beside inputs that another copy
// of the program stored meanwhile; its messages wait until that transaction has ended.
RunOutcome runAnalysis(ProgramState& state, ForwardRunSession& session, RunObserver& observer)
{
    Connection& conn = *state.gConn;
    const qint32 key = state.gCurSiteKey;
    const Refusal noConstituents{QStringLiteral("Please select at least one COC before running the program."),
                                 kRunMsgInformation};
    bool started = false;
    std::optional<Refusal> refusal;
    const Status ran = [&]() -> Status {
        // A new analysis that has stored nothing has nothing to run under its provisional key.
        if (state.provisionalKey) {
            refusal = noConstituents;
            return {};
        }
        Transaction tx(conn);
        if (!tx.started())
            return tx.started();
        if (Status s = checkRowsRead(state, {.unit = true, .constituents = true}); !s)
            return s;
        Result<int> count = storedConstituentCount(conn, key);
        if (!count)
            return count.error();
        if (*count == 0) {
            refusal = noConstituents;
            return {};
        }
        observer.runStarts();
        started = true;
        Result<WasteUnit> unit = loadWasteUnit(conn, key);
        if (!unit)
            return unit.error();
        if ((refusal = checkUnit(*unit)))
            return {};
        // No constituent value is read before the unit row has passed its checks.
        Result<std::vector<ConstituentRow>> rows = readConstituentRows(conn, key);
        if (!rows)
            return rows.error();
        if ((refusal = checkConstituents(*rows, unit->WMUTYPE, observer)))
            return {};
        Result<Computed> computed = calculate(conn, key, session.context, session.indoorAir, *unit, *rows);
        if (!computed)
            return computed.error();
        if (Status s = store(conn, key, *rows, *computed); !s)
            return s;
        if (Status s = tx.commit(); !s)
            return s;
        session.context = computed->ctx;
        return {};
    }();
    if (!ran)
        return fail(observer, ran.error(), started);
    if (refusal)
        return refuse(observer, *refusal, started);
    observer.showResults();
    observer.runEnds();
    return RunOutcome::Completed;
}

}   // namespace

RunOutcome RunRiskAnalysis(ProgramState& state, ForwardRunSession& session, RunObserver& observer)
{
    observer.disclosureGate();
    if (!state.gConn) {
        observer.failure(Error{kErrDatabaseFile, QStringLiteral("The database is not open.")}, kRunFailedTitle);
        return RunOutcome::Failed;
    }
    CloseRecordset(state.gRsGwDelisting);
    const RunOutcome outcome = state.gCurSiteKey > 0 ? runAnalysis(state, session, observer) : RunOutcome::NotRun;
    reopenGwDelisting(state);
    return outcome;
}
