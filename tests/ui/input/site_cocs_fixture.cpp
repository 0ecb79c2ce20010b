#include "site_cocs_fixture.h"

#include "data/recordset_helpers.h"
#include "platform/ui/forms.h"
#include "ui/common/ui_state.h"
#include "ui/user_input.h"

#include <QCoreApplication>

QVariantMap chemicalRow(const QString& name, const QString& cas, const QVariant& organic, double dafLf, double dafSi,
                        const QString& carcNon)
{
    QVariantMap row = {{"CHEMNAME", name}, {"CHEMCAS", cas},     {"DAFLF", dafLf},
                       {"DAFSI", dafSi},   {"CARCNON", carcNon}, {"MCL", dafLf / 1000},
                       {"CSFO", 0.055},    {"MW", 78.11},        {"LOGKOW", dafSi / 10}};
    if (organic.isValid())
        row.insert(QStringLiteral("ORGANIC"), organic);
    return row;
}

void SiteCocsTest::SetUp()
{
    for (const QVariantMap& row :
         {chemicalRow("Toluene", "108-88-3", 1, 2.5, 3.5), chemicalRow("Benzene", "71-43-2", 1, 5.5, 7.25),
          chemicalRow("Mercury", "7439-97-6", 0, 11, 21, "Noncarcinogen"),
          chemicalRow("benzo(a)pyrene", "50-32-8", 1, 1.5, 1.75),
          chemicalRow("Lead", "7439-92-1", 0, 10, 20, "Noncarcinogen"),
          chemicalRow("O'Neill's compound", "555-55-5", 1, 6, 8)})
        db.insert("COCS", row);
    db.insert("Cus_COCS", chemicalRow("My solvent", "999-00-1", QVariant(), 3, 4));

    db.insertAnalysis(1, "Plating");
    db.insertAnalysis(2, "Other");
    QVariantMap benzene = chemicalRow("Benzene", "71-43-2", 1, 5.5, 7.25);
    benzene.insert({{"SITEKEY", 1},
                    {"TCLPCONC", 0.5},
                    {"DLTCLP", false},
                    {"TOTCONC", 12.25},
                    {"DLTOTAL", true},
                    {"GWINGr", 1e-6},
                    {"LMTPTHTO", "Soil Ingestion"}});
    db.insert("SITECOCS", benzene);
    QVariantMap lead = chemicalRow("Lead", "7439-92-1", 0, 10, 20, "Noncarcinogen");
    lead.remove("MW");
    lead.insert({{"SITEKEY", 1}, {"TCLPCONC", 0.123456789012345}, {"TOTCONC", 3e-7}, {"GWINGr", 2e-6}});
    db.insert("SITECOCS", lead);
    db.insert("SITECOCS", {{"SITEKEY", 2}, {"CHEMNAME", "Toluene"}, {"CHEMCAS", "108-88-3"}});
    db.insert("GWDelisting", {{"SITEKEY", 1}, {"ChemCas", "71-43-2"}, {"GWDL", 0.1}});
    db.insert("GWDelisting", {{"SITEKEY", 2}, {"ChemCas", "108-88-3"}, {"GWDL", 0.2}});
    openAnalysis(1);
}

void SiteCocsTest::TearDown()
{
    unload();
    CloseRecordset(db.state.gRsSiteCocs);
}

void SiteCocsTest::openAnalysis(qint32 key)
{
    db.state.gCurSiteKey = key;
    Result<Recordset> rows = openTableRecordset(db.conn(), siteCocsTable(), QStringLiteral("SITEKEY = ?"), {key});
    ASSERT_TRUE(rows.ok());
    db.state.gRsSiteCocs = std::move(*rows);
}

frmSiteCOCs& SiteCocsTest::load()
{
    m_window = Forms::get<frmSiteCOCs>();
    m_window->showForm();
    return *m_window;
}

void SiteCocsTest::unload()
{
    if (!m_window)
        return;
    uiState().gClosingAnalysis = true;
    Forms::unload(QStringLiteral("frmSiteCOCs"));
    uiState().gClosingAnalysis = false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_window = nullptr;
}

QLineEdit* SiteCocsTest::type(int row, int column, const QString& text)
{
    return typeInCell(*m_window->grdSiteCOCs, row, column, text);
}

void SiteCocsTest::enter()
{
    pressEnter(*m_window->grdSiteCOCs);
}

void SiteCocsTest::tick(int row, int column, bool on)
{
    tickCell(*m_window->grdSiteCOCs, row, column, on);
}

QVariant SiteCocsTest::stored(int index, const QString& field, qint32 key)
{
    Result<QueryRows> rows = db.conn().select(
        QStringLiteral("SELECT \"%1\" FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid").arg(field), {key});
    EXPECT_TRUE(rows.ok());
    if (!rows.ok() || index >= int(rows->rows.size()))
        return QStringLiteral("<no row %1>").arg(index);
    return rows->rows[size_t(index)][0];
}

qint64 SiteCocsTest::storedCount(qint32 key)
{
    Result<QVariant> n = db.conn().scalar(QStringLiteral("SELECT count(*) FROM SITECOCS WHERE SITEKEY = ?"), {key});
    EXPECT_TRUE(n.ok());
    return n.ok() ? n->toLongLong() : -1;
}
