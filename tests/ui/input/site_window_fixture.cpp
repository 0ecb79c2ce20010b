#include "site_window_fixture.h"

#include "app/startup.h"
#include "data/analysis_tables.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "ui/common/ui_state.h"
#include "ui/input/site_window_services.h"
#include "ui/main/main_window_services.h"
#include "ui/quiet_settings.h"
#include "ui/user_input.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

// The constituent window as far as the analysis information window meets it.
class frmSiteCOCs : public FormWindow, public ConstituentInputWindow {
    Q_OBJECT
public:
    frmSiteCOCs()
    {
        auto* save = new QPushButton(QStringLiteral("Update Site COCs"), this);
        save->setObjectName(QStringLiteral("cmdUpdateSiteCOCs"));
        save->setEnabled(false);
    }
    bool checkConstituentRows() override { return true; }
    Result<ConstituentRows> constituentRows() const override { return ConstituentRows{}; }
    void constituentRowsSaved() override
    {
        findChild<QWidget*>(QStringLiteral("cmdUpdateSiteCOCs"))->setEnabled(false);
    }

protected:
    void formLoad() override { uiState().gAnalysisFormsOpen = true; }
};

}   // namespace

void SiteWindowTest::SetUp()
{
    ASSERT_TRUE(settingsFolder.isValid());
    ASSERT_TRUE(useQuietSettings(settingsFolder.path()));
    mainWindowServices() = {};
    siteWindowServices() = {};
    registerFormLoader(QStringLiteral("frmSiteWMU"), [] { return Forms::get<frmSiteWMU>(); });
    registerFormLoader(QStringLiteral("frmSiteCOCs"), [] { return Forms::get<frmSiteCOCs>(); });
    m_main = Main(db.state);
    ASSERT_TRUE(m_main);
    m_main->setAttribute(Qt::WA_DeleteOnClose, false);
    m_main->resize(1280, 900);
    m_main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_main));
}

void SiteWindowTest::TearDown()
{
    uiState().gClosingAnalysis = true;
    delete m_main.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    registerFormLoader(QStringLiteral("frmSiteWMU"), {});
    registerFormLoader(QStringLiteral("frmSiteCOCs"), {});
    siteWindowServices() = {};
}

frmSiteWMU& SiteWindowTest::site()
{
    auto* form = static_cast<frmSiteWMU*>(Forms::find(QStringLiteral("frmSiteWMU")));
    EXPECT_NE(form, nullptr);
    return *form;
}

bool SiteWindowTest::siteLoaded() const
{
    return Forms::isLoaded(QStringLiteral("frmSiteWMU"));
}

void SiteWindowTest::newAnalysis()
{
    main().cmdNew_Click();
    ASSERT_TRUE(siteLoaded());
}

void SiteWindowTest::openAnalysis(qint32 key)
{
    QTreeWidgetItem* node = main().trvAnalysis->node(QStringLiteral("KEY%1").arg(key));
    ASSERT_NE(node, nullptr);
    main().trvAnalysis->clearSelection();
    node->setSelected(true);
    main().cmdOpen_Click();
    ASSERT_TRUE(siteLoaded());
}

void SiteWindowTest::type(QWidget* box, const QString& text)
{
    typeInto(box, text);
}

void SiteWindowTest::activateSite()
{
    site().showForm();
    QCoreApplication::processEvents();
}

void SiteWindowTest::leave(QWidget* box, QWidget* next)
{
    activateSite();
    box->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    EXPECT_TRUE(box->hasFocus() || box->isAncestorOf(QApplication::focusWidget()));
    next->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

QWidget* SiteWindowTest::focused() const
{
    QWidget* w = QApplication::focusWidget();
    if (w && qobject_cast<QComboBox*>(w->parentWidget()))
        return w->parentWidget();
    return w;
}

QVariant SiteWindowTest::field(const QString& table, const QString& column, qint32 siteKey)
{
    Result<QVariant> v =
        db.conn().scalar(QStringLiteral("SELECT %1 FROM %2 WHERE SITEKEY = ?").arg(column, table), {siteKey});
    EXPECT_TRUE(v.ok());
    return v.ok() ? *v : QVariant();
}

void SiteWindowTest::setConstituentsEdited(bool edited)
{
    FormWindow* cocs = Forms::find(QStringLiteral("frmSiteCOCs"));
    ASSERT_NE(cocs, nullptr);
    cocs->findChild<QWidget*>(QStringLiteral("cmdUpdateSiteCOCs"))->setEnabled(edited);
}

#include "site_window_fixture.moc"

void SiteWindowTest::listStoredAnalyses()
{
    Result<Recordset> sites = Recordset::openTable(db.conn(), QStringLiteral("SITEINFO"));
    ASSERT_TRUE(sites.ok());
    main().trvAnalysis->clearNodes();
    for (sites->moveFirst(); !sites->eof(); sites->moveNext())
        ASSERT_TRUE(main().addAnalysisGroup(analysisTreeNodes(*sites)));
}
