#include "fake_windows.h"

#include "data/program_state.h"
#include "data/schema.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "platform/ui/message_box.h"
#include "ui/common/table_operations.h"
#include "ui/common/ui_state.h"
#include "ui/main/analysis_host.h"

#include <QPushButton>

namespace {

QPushButton* button(QWidget* parent, const char* name)
{
    auto* b = new QPushButton(QString::fromLatin1(name), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

class frmSiteWMU : public FormWindow, public SiteInputWindow {
    Q_OBJECT
public:
    frmSiteWMU()
    {
        setWindowTitle(QStringLiteral("Analysis Information and Control Settings (Steps 1 - 3)"));
        for (const char* name : {"cmdUpdateSiteInfo", "cmdCancel", "cmdNext"})
            button(this, name);
    }
    SiteWindowInputs siteInputs() const override { return fakeSite().inputs; }
    bool checkNumericInputs() override
    {
        if (!fakeSite().numbersPass)
            MsgBox(QStringLiteral("You have entered an invalid character into this input field.  Please ensure that "
                                  "you have entered only numbers."),
                   vbCritical, QStringLiteral("Invalid Input"));
        return fakeSite().numbersPass;
    }

protected:
    void formLoad() override
    {
        ProgramState& st = programState();
        if (st.gCurSiteKey > 0 && st.gRsSiteInfo.recordCount() == 0)
            st.gRsSiteInfo.addNew();
        if (st.gCurSiteKey > 0 && st.gRsWmuInfo.recordCount() == 0)
            st.gRsWmuInfo.addNew();
        uiState().gAnalysisFormsOpen = true;
        ++fakeSite().loads;
    }
    bool queryUnload() override { return !analysisHost() || analysisHost()->askToCloseAnalysis(); }
};

class frmSiteCOCs : public FormWindow, public ConstituentInputWindow {
    Q_OBJECT
public:
    frmSiteCOCs()
    {
        setWindowTitle(QStringLiteral("Select Chemicals of Concern to be Modeled (Steps 4 & 5)"));
        for (const char* name : {"cmdUpdateSiteCOCs", "cmdCancel"})
            button(this, name);
    }
    // The window's save shows it in every outcome; duplicates put it in its edited state.
    bool checkConstituentRows() override
    {
        showForm();
        if (fakeConstituents().unique)
            return true;
        MsgBox(QStringLiteral("This record already exists.  Please ensure that all COCs have at least one unique "
                              "field.  You won't be allowed to Update the Site COCs until each chemical is unique."),
               vbInformation, QStringLiteral("Duplicate"));
        editConstituentWindow();
        return false;
    }
    Result<ConstituentRows> constituentRows() const override
    {
        if (fakeConstituents().storeFailure)
            return *fakeConstituents().storeFailure;
        return fakeConstituentRows();
    }
    void constituentRowsSaved() override
    {
        ++fakeConstituents().savedCalls;
        markSaved();
    }

protected:
    // Ends with the window's save, as the real window's load does: in the saved state.
    void formLoad() override
    {
        markSaved();
        uiState().gAnalysisFormsOpen = true;
        ++fakeConstituents().loads;
    }
    bool queryUnload() override { return !analysisHost() || analysisHost()->askToCloseAnalysis(); }

private:
    // The saved state on the main window: Save off and Copy on unless the analysis information
    // window holds unsaved edits; the run commands on when rows are stored.
    void markSaved()
    {
        for (const char* name : {"cmdUpdateSiteCOCs", "cmdCancel"})
            findChild<QWidget*>(QString::fromLatin1(name))->setEnabled(false);
        FormWindow* site = Forms::find(QStringLiteral("frmSiteWMU"));
        if (!site || !site->findChild<QWidget*>(QStringLiteral("cmdUpdateSiteInfo"))->isEnabled())
            analysisHost()->markSaved(CommandReach::ButtonsAndToolbar);
        if (programState().gRsSiteCocs.recordCount() > 0)
            analysisHost()->setRunEnabled(true);
    }
};

// A result window: fills itself on load and offers its table for export.
class FakeResultWindow : public FormWindow, public ExportableTable {
    Q_OBJECT
public:
    void ExportToTable() override { resultWindowLog() << QStringLiteral("export:") + objectName(); }

protected:
    void formLoad() override
    {
        resize(300, 200);
        setWindowTitle(objectName());
        resultWindowLog() << QStringLiteral("load:") + objectName();
    }
};

// The administrator window: a window of its own, whose unload still needs the database.
class frmPassword : public FormWindow {
    Q_OBJECT
public:
    bool isMdiChild() const override { return false; }

protected:
    void formUnload() override
    {
        resultWindowLog() << (programState().gConn ? QStringLiteral("unload:frmPassword with the database")
                                                   : QStringLiteral("unload:frmPassword without the database"));
    }
};

class frmChngChems : public FakeResultWindow {
    Q_OBJECT
};
class frmLimitResults : public FakeResultWindow {
    Q_OBJECT
};
class frmTCLPResultsHQ : public FakeResultWindow {
    Q_OBJECT
};
class frmTCLPResultsRisk : public FakeResultWindow {
    Q_OBJECT
};
class frmTCLPResultsScreen : public FakeResultWindow {
    Q_OBJECT
};
class frmTotalResultsHQ : public FakeResultWindow {
    Q_OBJECT
};
class frmTotalResultsRisk : public FakeResultWindow {
    Q_OBJECT
};
class frmTotalResultsScreen : public FakeResultWindow {
    Q_OBJECT
};
class frmAggResults : public FakeResultWindow {
    Q_OBJECT
};
class frmTCSSResults : public FakeResultWindow {
    Q_OBJECT
};
class frmExceedResults : public FakeResultWindow {
    Q_OBJECT
};
class frmSoilPathwayDelisting : public FakeResultWindow {
    Q_OBJECT
};
class frmAirNonCarc : public FakeResultWindow {
    Q_OBJECT
};
class frmAirCarc : public FakeResultWindow {
    Q_OBJECT
};
class frmSurfaceWaterNonCarc : public FakeResultWindow {
    Q_OBJECT
};
class frmSurfaceCarc : public FakeResultWindow {
    Q_OBJECT
};
class frmGWNonCarc : public FakeResultWindow {
    Q_OBJECT
};
class frmGWCarc : public FakeResultWindow {
    Q_OBJECT
};

template <class T>
void add()
{
    registerFormLoader(QString::fromLatin1(T::staticMetaObject.className()), [] { return Forms::get<T>(); });
}

void markMainWindowEdited(bool constituents)
{
    analysisHost()->markEdited(CommandReach::ButtonsAndToolbar);
    if (constituents)
        analysisHost()->setRunEnabled(false);
}

}   // namespace

FakeSiteWindow& fakeSite()
{
    static FakeSiteWindow state;
    return state;
}

ConstituentRows fakeConstituentRows()
{
    ConstituentRows rows{{QStringLiteral("CHEMCAS"), QStringLiteral("CHEMNAME")}, {}};
    for (const QString& cas : fakeConstituents().casNumbers)
        rows.rows.push_back({cas, QStringLiteral("Chemical ") + cas});
    return rows;
}

FakeConstituentWindow& fakeConstituents()
{
    static FakeConstituentWindow state;
    return state;
}

QStringList& resultWindowLog()
{
    static QStringList log;
    return log;
}

void installFakeWindows()
{
    fakeSite() = {};
    fakeConstituents() = {};
    resultWindowLog().clear();
    add<frmSiteWMU>();
    add<frmSiteCOCs>();
    add<frmPassword>();
    add<frmChngChems>();
    add<frmLimitResults>();
    add<frmTCLPResultsHQ>();
    add<frmTCLPResultsRisk>();
    add<frmTCLPResultsScreen>();
    add<frmTotalResultsHQ>();
    add<frmTotalResultsRisk>();
    add<frmTotalResultsScreen>();
    add<frmAggResults>();
    add<frmTCSSResults>();
    add<frmExceedResults>();
    add<frmSoilPathwayDelisting>();
    add<frmAirNonCarc>();
    add<frmAirCarc>();
    add<frmSurfaceWaterNonCarc>();
    add<frmSurfaceCarc>();
    add<frmGWNonCarc>();
    add<frmGWCarc>();
}

void editSiteWindow()
{
    if (FormWindow* site = Forms::find(QStringLiteral("frmSiteWMU"))) {
        site->findChild<QWidget*>(QStringLiteral("cmdUpdateSiteInfo"))->setEnabled(true);
        site->findChild<QWidget*>(QStringLiteral("cmdCancel"))->setEnabled(true);
        site->findChild<QWidget*>(QStringLiteral("cmdNext"))->setEnabled(false);
    }
    markMainWindowEdited(false);
}

void editConstituentWindow()
{
    if (FormWindow* cocs = Forms::find(QStringLiteral("frmSiteCOCs")))
        for (const char* name : {"cmdUpdateSiteCOCs", "cmdCancel"})
            cocs->findChild<QWidget*>(QString::fromLatin1(name))->setEnabled(true);
    markMainWindowEdited(true);
}

#include "fake_windows.moc"
