#include "forward_fixture.h"

#include "platform/ui/forms.h"
#include "platform/ui/grid_print.h"
#include "ui/common/table_window.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMdiSubWindow>
#include <QStringList>

#include <gtest/gtest.h>

void seedAnalysis(TempDatabase& db, qint32 key, const QString& name, const QString& unitType,
                  const QVector<FixtureConstituent>& constituents)
{
    db.insertAnalysis(key, name, {}, {{"WMUTYPE", unitType}});
    for (const FixtureConstituent& c : constituents)
        db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", key},
                                               {"CHEMNAME", c.name},
                                               {"CHEMCAS", c.cas},
                                               {"TCLPCONC", c.tclp},
                                               {"DLTCLP", c.dlTclp},
                                               {"TOTCONC", c.total},
                                               {"DLTOTAL", c.dlTotal}});
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
    Result<Recordset> site =
        Recordset::openTable(db.conn(), QStringLiteral("SITEINFO"), QStringLiteral("SITEKEY = ?"), {key});
    Result<Recordset> unit =
        Recordset::openTable(db.conn(), QStringLiteral("WMUINFO"), QStringLiteral("SITEKEY = ?"), {key});
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
    for (QMdiSubWindow* sub : m_area.subWindowList())
        if (FormWindow* window = FormWindow::inFrame(sub))
            window->unload();
    Forms::setMdiArea(nullptr);
}

QByteArray ResultWindowTest::fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ResultWindowTest::saveScreenshot(FormWindow* window, const QString& name)
{
    const QString folder = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath(QStringLiteral("screenshots"));
    ASSERT_TRUE(QDir().mkpath(folder));
    m_area.resize(2000, 700);
    m_area.show();
    window->showForm();
    window->moveTwips(0, 0);
    window->resizeTwips(29000, 5000);
    const QImage shot = window->frame()->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}

QStringList ResultWindowTest::printToPdf(ResultGridWindow* window, const QString& pdf)
{
    QDir().mkpath(QFileInfo(pdf).absolutePath());
    QFile::remove(pdf);
    ScriptedPrintDialogs dialogs(pdf);
    dialogs.answer(true, true);
    {
        PrintCommand command;
        window->PrintTable(true);
    }
    return pdfPageTexts(pdf);
}

void ResultWindowTest::expectExportsMatch(ResultGridWindow* window, const QString& expectedName, const QString& area)
{
    if (!QFile::exists(htmlTemplatePath())) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TOVI_SOURCE_DIR "/data/template3.html"), htmlTemplatePath()));
    }
    const QString out = QDir(m_db.folder()).filePath(expectedName);
    ScriptedFileDialogs files;
    files.answer(out, 1).answer(out, 2);
    window->ExportToTable();
    window->ExportToTable();
    const QString expected = QStringLiteral(TOVI_SOURCE_DIR "/tests/ui/%1/expected/%2").arg(area, expectedName);
    EXPECT_EQ(fileBytes(out + ".html"), fileBytes(expected + ".html"));
    EXPECT_EQ(fileBytes(out + ".txt"), fileBytes(expected + ".txt"));
}
