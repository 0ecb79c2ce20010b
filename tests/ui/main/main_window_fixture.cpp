#include "main_window_fixture.h"

#include "app/startup.h"
#include "platform/ui/forms.h"
#include "platform/ui/settings.h"
#include "ui/main/main_window_services.h"
#include "ui/scripted_services.h"
#include "ui/user_input.h"

#include <QCoreApplication>

#include <stdexcept>

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
    // No test can go on without the window: the failure ends it here.
    if (!m_window)
        throw std::runtime_error("The program did not start.");
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    return *m_window;
}

void MainWindowTest::clickNode(const QString& key)
{
    ::clickNode(*m_window->trvAnalysis, key);
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
