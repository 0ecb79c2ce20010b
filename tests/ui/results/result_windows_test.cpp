#include "forward_fixture.h"
#include "platform/ui/forms.h"
#include "ui/results/result_windows.h"

#include <QDir>
#include <QImage>
#include <QMdiSubWindow>

namespace {

class ForwardResultWindows : public ResultWindowTest {
protected:
    ForwardResultWindows()
    {
        seedAnalysis(m_db, 1, "Test Site", "LF",
                     {{"Benzene", "71-43-2", 0.5, 250},
                      {"Arsenic", "7440-38-2", 15000, 20000, true, true},
                      {"Toluene", "108-88-3", 0.2, 9995}});
        for (const char* cas : {"71-43-2", "7440-38-2", "108-88-3"}) {
            QVariantMap results;
            double v = 1e-6;
            for (const char* field :
                 {"SWING", "AIRINHP", "FISHING", "SOILING", "AIRINHV", "GWING", "GWINH", "GWADULT", "GWCHILD"}) {
                results.insert(QString(field) + "r", v);
                results.insert(QString(field) + "h", v * 1e5);
                v *= 1.5;
            }
            results.insert("AIRINHPr", 0.0);
            storeResults(m_db, 1, cas, results);
            storeGwDelisting(m_db, 1, cas, {{"DAF_SF", 2.5}});
            m_db.insert("DAFs", {{"CAS Num", cas},
                                 {"LFconc", 1.0},
                                 {"DAFLF_NON", 20.0},
                                 {"DAFLF_CARC", 20.0},
                                 {"SIconc", 1.0},
                                 {"DAFSI_NON", 20.0},
                                 {"DAFSI_CARC", 20.0}});
        }
        openAnalysis(m_db, 1);
        m_area.show();
    }
};

}   // namespace

TEST_F(ForwardResultWindows, ShowsTheWindowsInTheRunsOrderCascadedBy330Twips)
{
    showForwardResultWindows();
    const QStringList order = {"frmLimitResults",       "frmTCLPResultsHQ",  "frmTCLPResultsRisk",
                               "frmTCLPResultsScreen",  "frmTotalResultsHQ", "frmTotalResultsRisk",
                               "frmTotalResultsScreen", "frmAggResults",     "frmTCSSResults",
                               "frmExceedResults"};
    const QString folder = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath("screenshots");
    QDir().mkpath(folder);
    for (int i = 0; i < order.size(); ++i) {
        SCOPED_TRACE(qPrintable(order[i]));
        FormWindow* window = Forms::find(order[i]);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->frame()->isVisible());
        EXPECT_NEAR(window->leftTwips(), 330 * (i + 2), 15);
        EXPECT_NEAR(window->topTwips(), 330 * (i + 2), 15);
        const QImage shot = window->frame()->grab().toImage();
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(QDir(folder).filePath(order[i] + ".png")));
    }
    // The whole width of every table, for looking at the group captions.
    m_area.resize(2400, 900);
    for (const QString& name : order) {
        FormWindow* window = Forms::find(name);
        window->moveTwips(0, 0);
        window->resizeTwips(35000, 4000);
        EXPECT_TRUE(window->frame()->grab().toImage().save(QDir(folder).filePath(name + "_wide.png")));
    }
    EXPECT_EQ(m_area.activeSubWindow(), Forms::find("frmExceedResults")->frame());
}
