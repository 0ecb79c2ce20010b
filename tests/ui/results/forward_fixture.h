#pragma once

#include "core/temp_database.h"
#include "platform/ui/forms.h"
#include "ui/common/result_grid_window.h"

#include <QMdiArea>
#include <gtest/gtest.h>

#include <QString>
#include <QVariantMap>
#include <QVector>

// A stored analysis as the result windows find it after a forward run. The inputs are written
// as the user's save writes them; the results stand in for the run, so that a test through the
// real run can seed the same inputs and call the run instead of storeResults.
struct FixtureConstituent {
    QString name;
    QString cas;
    double tclp = 0;
    double total = 0;
    bool dlTclp = false;
    bool dlTotal = false;
};

// The site, waste unit and constituent rows of an analysis.
void seedAnalysis(TempDatabase& db, qint32 key, const QString& name, const QString& unitType,
                  const QVector<FixtureConstituent>& constituents);

// Writes result fields (NULL for an invalid value) into the analysis's constituent row of a CAS number.
void storeResults(TempDatabase& db, qint32 key, const QString& cas, const QVariantMap& fields);

// Adds the groundwater delisting row of a constituent.
void storeGwDelisting(TempDatabase& db, qint32 key, const QString& cas, const QVariantMap& fields);

// Makes the analysis the open one, as the main window's Open does: key, name and the site and
// waste unit record sets positioned on its rows.
void openAnalysis(TempDatabase& db, qint32 key);

// A test of result windows: a temporary database as the program's, and a main window area
// that holds the windows. Every window still loaded is unloaded at the end.
class ResultWindowTest : public ::testing::Test {
protected:
    ResultWindowTest();
    ~ResultWindowTest() override;

    static const GridModel& gridOf(ResultGridWindow* window) { return window->grid()->grid(); }
    // The content of a file, empty when it cannot be read.
    static QByteArray fileBytes(const QString& path);
    // Shows the window wide enough for its whole table and saves a picture of it as
    // screenshots/<name>.png in the build folder.
    void saveScreenshot(FormWindow* window, const QString& name);
    // Prints the window as one print command into the PDF file `pdf` (the dialogs answered
    // with OK) and gives the text of each printed page.
    static QStringList printToPdf(ResultGridWindow* window, const QString& pdf);
    // Exports the window as HTML and then as text and compares the files with
    // tests/ui/<area>/expected/<expectedName>.html and .txt.
    void expectExportsMatch(ResultGridWindow* window, const QString& expectedName,
                            const QString& area = QStringLiteral("results"));

    TempDatabase m_db;
    ScopedProgramState m_scope;
    QMdiArea m_area;
};
