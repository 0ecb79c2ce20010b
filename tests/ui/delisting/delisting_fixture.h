#pragma once

#include "core/temp_database.h"
#include "ui/delisting/delisting_result_window.h"

#include <QMdiArea>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <gtest/gtest.h>

// The folder for screenshots and printouts under the build folder.
QString outputFolder();

// A delisting record as the run stores it. Every number field of the windows holds its
// position in delistingFixtureFields() (counting from 1) times `step`, so that a cell shows
// which field it came from; `overrides` replaces fields (NULL for an invalid value).
struct FixtureChemical {
    QString name;
    QString cas;
    QVariant chemicalClass;   // invalid: NULL
    double step = 1;
    QVariantMap overrides;
};

// CSFO, CSFI, ORDO, ORDI, DAF, WVDAF, H_DAF, H_WVDAF, then the result fields: GWINGCgsr (9),
// GWINGCgsh, GWINGsr, GWINGsh, GWINHCgsr (13), GWINHCgsh, GWINHsr, GWINHsh, GWADULTCgsr (17),
// GWADULTCgsh, GWADULTsr, GWADULTsh, GWCHILDCgsr (21), GWCHILDCgsh, GWCHILDsr, GWCHILDsh,
// GWMaxADULTsr (25), GWMaxADULTsh, GWMaxCHILDsr, GWMaxCHILDsh, SWINGCswsr (29), SWINGCswsh,
// SWINGsr, SWINGsh, FISHINGCfishsr (33), FISHINGCfishsh, FISHINGCswsr, FISHINGCswsh, FISHINGsr (37),
// FISHINGsh, AIRCairsr (39), AIRCairsh, AIRQpsr, AIRQpsh, AIRQp10sr (43), AIRQp10sh, AIRINHPsr,
// AIRINHPsh, AIRINHVsr (47), AIRINHVsh, AIRSIsr, AIRSIsh, SOILINCsoilsr (51), SOILINCsoilsh,
// SOILINCairsr, SOILINCairsh, SOILINGsr (55), SOILINGsh.
const QStringList& delistingFixtureFields();

// Stores the delisting record of a chemical under an analysis key.
void storeDelistingRecord(TempDatabase& db, qint32 key, const FixtureChemical& chemical);

// A test of the delisting windows: a temporary database as the program's, with the analysis
// "Delist Site" (key 1) open and the records of its delisting-level run, in the run's order:
//   Arsenic        Carcinogen     step 1e-3  DAF 9995, WVDAF 20000, CSFI NULL, GWINHsr and AIRSIsr 0
//   Barium         Noncarcinogen  step 1e-2  H_DAF 9994, ORDI NULL, GWINHsh 0
//   Benzene        Carcinogen     step 1e-4  DAF 12.5
//   Dieldrin       "carcinogen"   step 1e-5
//   Mystery Waste  "Unknown"      step 1e-6
//   Nitrate        NULL class     step 1e-7
//   Toluene        Noncarcinogen  step 1     H_DAF 10000
//   xylenes        Noncarcinogen  step 10
// and one record under key 2 (Zinc, Noncarcinogen), which another analysis's run would not have
// left beside them but which no window of key 1 may show. The windows live in a main window area.
class DelistingWindowTest : public ::testing::Test {
protected:
    DelistingWindowTest();
    ~DelistingWindowTest() override;

    static const GridModel& gridOf(DelistingResultWindow* window) { return window->grid()->grid(); }
    // The chemical names of a window's rows.
    static QStringList names(const GridModel& grid);
    static QByteArray fileBytes(const QString& path);

    TempDatabase m_db;
    ScopedProgramState m_scope;
    QMdiArea m_area;
};
