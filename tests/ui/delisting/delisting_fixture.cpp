#include "delisting_fixture.h"

#include "platform/ui/forms.h"

#include <QDir>
#include <QFile>

const QStringList& delistingFixtureFields()
{
    static const QStringList fields = {
        "CSFO",         "CSFI",         "ORDO",           "ORDI",           "DAF",          "WVDAF",
        "H_DAF",        "H_WVDAF",      "GWINGCgsr",      "GWINGCgsh",      "GWINGsr",      "GWINGsh",
        "GWINHCgsr",    "GWINHCgsh",    "GWINHsr",        "GWINHsh",        "GWADULTCgsr",  "GWADULTCgsh",
        "GWADULTsr",    "GWADULTsh",    "GWCHILDCgsr",    "GWCHILDCgsh",    "GWCHILDsr",    "GWCHILDsh",
        "GWMaxADULTsr", "GWMaxADULTsh", "GWMaxCHILDsr",   "GWMaxCHILDsh",   "SWINGCswsr",   "SWINGCswsh",
        "SWINGsr",      "SWINGsh",      "FISHINGCfishsr", "FISHINGCfishsh", "FISHINGCswsr", "FISHINGCswsh",
        "FISHINGsr",    "FISHINGsh",    "AIRCairsr",      "AIRCairsh",      "AIRQpsr",      "AIRQpsh",
        "AIRQp10sr",    "AIRQp10sh",    "AIRINHPsr",      "AIRINHPsh",      "AIRINHVsr",    "AIRINHVsh",
        "AIRSIsr",      "AIRSIsh",      "SOILINCsoilsr",  "SOILINCsoilsh",  "SOILINCairsr", "SOILINCairsh",
        "SOILINGsr",    "SOILINGsh"};
    return fields;
}

void storeDelistingRecord(TempDatabase& db, qint32 key, const FixtureChemical& chemical)
{
    // The run's fixed input values of every delisting record.
    QVariantMap row = {
        {"SITEKEY", key}, {"CHEMCAS", chemical.cas}, {"CHEMNAME", chemical.name}, {"TCLPCONC", 1.0},
        {"DLTCLP", true}, {"TOTCONC", 1.0},          {"DLTOTAL", true},           {"CARCNON", chemical.chemicalClass}};
    const QStringList& fields = delistingFixtureFields();
    for (int i = 0; i < fields.size(); ++i)
        row.insert(fields[i], (i + 1) * chemical.step);
    for (auto it = chemical.overrides.begin(); it != chemical.overrides.end(); ++it)
        row.insert(it.key(), it.value());
    db.insert(QStringLiteral("DelistCOCS"), row);
}

DelistingWindowTest::DelistingWindowTest() : m_scope(m_db.state)
{
    m_db.insertAnalysis(1, QStringLiteral("Delist Site"));
    m_db.insertAnalysis(2, QStringLiteral("Other Site"));
    const QVariant null;
    const QVector<FixtureChemical> chemicals = {
        {"Arsenic",
         "7440-38-2",
         kCarcinogen,
         1e-3,
         {{"DAF", 9995.0}, {"WVDAF", 20000.0}, {"CSFI", null}, {"GWINHsr", 0.0}, {"AIRSIsr", 0.0}}},
        {"Barium", "7440-39-3", kNoncarcinogen, 1e-2, {{"H_DAF", 9994.0}, {"ORDI", null}, {"GWINHsh", 0.0}}},
        {"Benzene", "71-43-2", kCarcinogen, 1e-4, {{"DAF", 12.5}}},
        {"Dieldrin", "60-57-1", "carcinogen", 1e-5, {}},
        {"Mystery Waste", "00-00-0", "Unknown", 1e-6, {}},
        {"Nitrate", "14797-55-8", null, 1e-7, {}},
        {"Toluene", "108-88-3", kNoncarcinogen, 1, {{"H_DAF", 10000.0}}},
        {"xylenes", "1330-20-7", kNoncarcinogen, 10, {}},
    };
    for (const FixtureChemical& c : chemicals)
        storeDelistingRecord(m_db, 1, c);
    storeDelistingRecord(m_db, 2, {"Zinc", "7440-66-6", kNoncarcinogen, 1, {}});

    m_db.state.gCurSiteKey = 1;
    Result<Recordset> site =
        Recordset::openTable(m_db.conn(), QStringLiteral("SITEINFO"), QStringLiteral("SITEKEY = ?"), {1});
    EXPECT_TRUE(site.ok());
    if (site.ok())
        m_db.state.gRsSiteInfo = std::move(*site);
    m_db.state.gCurFileName = QStringLiteral("Delist Site");

    m_area.resize(1400, 900);
    Forms::setMdiArea(&m_area);
}

DelistingWindowTest::~DelistingWindowTest()
{
    for (const char* name : {"frmSoilPathwayDelisting", "frmAirNonCarc", "frmAirCarc", "frmSurfaceWaterNonCarc",
                             "frmSurfaceCarc", "frmGWNonCarc", "frmGWCarc", "frmGroundwaterDelistingLevel",
                             "frmSurfacewaterPathwayDelisting", "frmAirExposureDelisting"})
        Forms::unload(QString::fromLatin1(name));
    Forms::setMdiArea(nullptr);
}

QStringList DelistingWindowTest::names(const GridModel& grid)
{
    QStringList list;
    for (int r = 0; r < grid.rowCount(); ++r)
        list << grid.displayText(r, 0);
    return list;
}

QByteArray DelistingWindowTest::fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString outputFolder()
{
    const QString folder = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath(QStringLiteral("screenshots"));
    QDir().mkpath(folder);
    return folder;
}
