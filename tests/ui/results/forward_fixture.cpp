#include "forward_fixture.h"

#include "platform/ui/forms.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

void seedAnalysis(TempDatabase& db, qint32 key, const QString& name, const QString& unitType,
                  const QVector<FixtureConstituent>& constituents)
{
    db.insertAnalysis(key, name, {}, {{"WMUTYPE", unitType}});
    for (const FixtureConstituent& c : constituents)
        db.insert(QStringLiteral("SITECOCS"),
                  {{"SITEKEY", key}, {"CHEMNAME", c.name}, {"CHEMCAS", c.cas}, {"TCLPCONC", c.tclp},
                   {"DLTCLP", c.dlTclp}, {"TOTCONC", c.total}, {"DLTOTAL", c.dlTotal}});
}

void storeResults(TempDatabase& db, qint32 key, const QString& cas, const QVariantMap& fields)
{
    QStringList assignments;
    QVariantList params;
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        assignments << QStringLiteral("\"%1\" = ?").arg(it.key());
        params << it.value();
    }
    params << key << cas;
    Result<int> updated = db.conn().exec(
        QStringLiteral("UPDATE SITECOCS SET %1 WHERE SITEKEY = ? AND CHEMCAS = ?").arg(assignments.join(", ")), params);
    ASSERT_TRUE(updated.ok()) << qPrintable(updated.error().description);
    ASSERT_EQ(*updated, 1);
}

void storeGwDelisting(TempDatabase& db, qint32 key, const QString& cas, const QVariantMap& fields)
{
    QVariantMap row = fields;
    row.insert(QStringLiteral("SITEKEY"), key);
    row.insert(QStringLiteral("ChemCas"), cas);
    db.insert(QStringLiteral("GWDelisting"), row);
}

void openAnalysis(TempDatabase& db, qint32 key)
{
    db.state.gCurSiteKey = key;
    Result<Recordset> site = Recordset::openTable(db.conn(), QStringLiteral("SITEINFO"), QStringLiteral("SITEKEY = ?"), {key});
    Result<Recordset> unit = Recordset::openTable(db.conn(), QStringLiteral("WMUINFO"), QStringLiteral("SITEKEY = ?"), {key});
    ASSERT_TRUE(site.ok() && unit.ok());
    db.state.gRsSiteInfo = std::move(*site);
    db.state.gRsWmuInfo = std::move(*unit);
    db.state.gCurFileName = db.state.gRsSiteInfo.value(QStringLiteral("FILENAME")).toString();
}

ResultWindowTest::ResultWindowTest() : m_scope(m_db.state)
{
    m_area.resize(1400, 900);
    Forms::setMdiArea(&m_area);
}

ResultWindowTest::~ResultWindowTest()
{
    for (const char* name : {"frmTCLPResultsHQ", "frmTCLPResultsRisk", "frmTCLPResultsScreen", "frmTotalResultsHQ",
                             "frmTotalResultsRisk", "frmTotalResultsScreen", "frmTCSSResults"})
        Forms::unload(QString::fromLatin1(name));
    Forms::setMdiArea(nullptr);
}

QByteArray ResultWindowTest::fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
