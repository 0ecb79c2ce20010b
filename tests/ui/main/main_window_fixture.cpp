#include "main_window_fixture.h"

#include "app/startup.h"
#include "platform/ui/forms.h"
#include "platform/ui/settings.h"
#include "ui/main/main_window_services.h"
#include "ui/scripted_services.h"

#include <QApplication>
#include <QTest>

CommandState commandState(frmMain& w)
{
    CommandState s;
    for (const char* name : {"cmdNew", "cmdOpen", "cmdSave", "cmdClose", "cmdCopy", "cmdDelete", "cmdImport",
                             "cmdExport", "cmdUpdateAnalyses"})
        s[name] = w.findChild<QWidget*>(QString::fromLatin1(name))->isEnabled();
    for (const char* name : {"mnuNew", "mnuSave", "mnuClose", "mnuImport", "mnuExport", "mnuCopy", "mnuDelete",
                             "mnuSiteInfo", "mnuShowSiteCOCs", "mnuResults", "mnuRunAnalysis"})
        s[name] = w.findChild<QAction*>(QString::fromLatin1(name))->isEnabled();
    for (int p : {1, 2, 3, 5, 7, 8, 10, 11, 13, 14, 16, 18})
        s["tb" + std::to_string(p)] = w.toolbarButton(p)->isEnabled();
    return s;
}

CommandState noAnalysisOpenState()
{
    CommandState s = {
        {"cmdNew", true},        {"mnuNew", true},         {"tb1", true},
        {"cmdImport", true},     {"mnuImport", true},      {"tb7", true},        {"cmdUpdateAnalyses", true},
        {"cmdOpen", false},      {"tb2", false},           {"cmdSave", false},   {"mnuSave", false},
        {"tb3", false},          {"cmdClose", false},      {"mnuClose", false},  {"cmdCopy", false},
        {"mnuCopy", false},      {"tb10", false},          {"cmdDelete", false}, {"mnuDelete", false},
        {"tb11", false},         {"cmdExport", false},     {"mnuExport", false}, {"tb8", false},
        {"mnuSiteInfo", false},  {"mnuShowSiteCOCs", false}, {"mnuResults", false}, {"mnuRunAnalysis", false},
        {"tb5", false},          {"tb13", false},          {"tb14", false},      {"tb16", false},
        {"tb18", false}};
    return s;
}

CommandState analysisOpenState()
{
    return with(noAnalysisOpenState(),
                {{"cmdImport", false}, {"mnuImport", false}, {"tb7", false}, {"cmdUpdateAnalyses", false},
                 {"cmdOpen", true}, {"tb2", true}, {"cmdClose", true}, {"mnuClose", true}, {"cmdExport", true},
                 {"mnuExport", true}, {"tb8", true}, {"mnuSiteInfo", true}, {"mnuShowSiteCOCs", true},
                 {"mnuResults", true}, {"mnuRunAnalysis", true}, {"tb5", true}, {"tb13", true}, {"tb14", true},
                 {"tb16", true}, {"tb18", true}});
}

CommandState with(CommandState state, const CommandState& changes)
{
    for (const auto& [name, on] : changes)
        state[name] = on;
    return state;
}

void MainWindowTest::SetUp()
{
    ASSERT_TRUE(settingsFolder.isValid());
    setSettingsFolder(settingsFolder.path());
    installFakeWindows();
    mainWindowServices() = {};
}

void MainWindowTest::TearDown()
{
    delete m_window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    mainWindowServices() = {};
}

frmMain& MainWindowTest::start()
{
    m_window = Main(db.state);
    EXPECT_TRUE(m_window);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    return *m_window;
}

void MainWindowTest::clickNode(const QString& key)
{
    KeyedTree* tree = m_window->trvAnalysis;
    QTreeWidgetItem* item = tree->node(key);
    ASSERT_NE(item, nullptr) << qPrintable(key);
    if (item->parent())
        item->parent()->setExpanded(true);
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    ASSERT_EQ(tree->currentItem(), item);
}

SiteWindowInputs MainWindowTest::inputsNamed(const QString& name)
{
    SiteWindowInputs in;
    in.fileName = name;
    in.siteId = QStringLiteral("Acme Plating");
    in.petitionId = QStringLiteral("P-17");
    in.facId1 = QStringLiteral("1 Mill Road");
    in.city = QStringLiteral("Springfield");
    in.stateEntry = QStringLiteral("IL - Illinois");
    in.submitDate = QStringLiteral(" Mar-04-2009 ");
    in.userName = QStringLiteral("J. Doe");
    in.regionIndex = 4;
    in.volume = QStringLiteral("1000");
    in.volumeUnitIndex = 0;
    in.flowRate = QStringLiteral("10");
    in.activeLife = QStringLiteral("20");
    in.riskValue = QStringLiteral("1E-5");
    in.hqValue = QStringLiteral("1.0");
    return in;
}

qint32 MainWindowTest::createAnalysis(const QString& name, const QStringList& casNumbers)
{
    m_window->cmdNew_Click();
    fakeSite().inputs = inputsNamed(name);
    fakeConstituents().casNumbers = casNumbers;
    editSiteWindow();
    m_window->cmdSave_Click();
    return db.state.gCurSiteKey;
}

QVariant MainWindowTest::field(const QString& table, const QString& column, qint32 siteKey)
{
    Result<QVariant> v =
        db.conn().scalar(QStringLiteral("SELECT %1 FROM %2 WHERE SITEKEY = ?").arg(column, table), {siteKey});
    EXPECT_TRUE(v.ok());
    return v.ok() ? *v : QVariant();
}

bool MainWindowTest::isVisible(const char* formName)
{
    FormWindow* form = Forms::find(QString::fromLatin1(formName));
    return form && form->frame()->isVisible();
}
