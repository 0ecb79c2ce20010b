#include "ui/results/frmPrint.h"

#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "platform/ui/grid_print.h"
#include "platform/ui/message_box.h"
#include "ui/common/table_operations.h"
#include "ui/common/window_names.h"

#include <QMouseEvent>
#include <QPointer>

#include <utility>

namespace {

// The whole chemical table, which select-all leaves as it is.
constexpr int kChemicalTableItem = 2;

const QString kPrintErrorText =
    QStringLiteral("An error occurred while printing: the printer or its output file could not be written.");
const QString kPrintErrorTitle = QStringLiteral("Print Error");

void placeTwips(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(twipsToPx(left), twipsToPx(top), twipsToPx(width), twipsToPx(height));
}

}   // namespace

const QVector<PrintItem>& printItems()
{
    static const QVector<PrintItem> items = {
        {QStringLiteral("Project Information and Control Settings (Steps 1 - 3)"), windowName::frmPrintSiteWMU},
        {QStringLiteral("Select Chemicals of Concern to be Modeled (Steps 4 & 5)"), windowName::frmSiteCOCs},
        {QStringLiteral("List of Chemicals of Concern (Read Only)"), windowName::frmCOCs},
        {QStringLiteral("List of COCs with Altered Chemical Properties"), windowName::frmChngChems},
        {QStringLiteral("Limiting Pathways"), windowName::frmLimitResults},
        {QStringLiteral("Groundwater Pathway Hazard Quotient"), windowName::frmTCLPResultsHQ},
        {QStringLiteral("Groundwater Pathway Risk"), windowName::frmTCLPResultsRisk},
        {QStringLiteral("Maximum Allowable TCLP Concentrations - Groundwater Exposure Pathways"),
         windowName::frmTCLPResultsScreen},
        {QStringLiteral("Surface Pathway Hazard Quotient"), windowName::frmTotalResultsHQ},
        {QStringLiteral("Surface Pathway Risk"), windowName::frmTotalResultsRisk},
        {QStringLiteral("Maximum Allowable Total Concentrations - Surface Exposure Pathways"),
         windowName::frmTotalResultsScreen},
        {QStringLiteral("Aggregate Risk and Hazard Quotient Results"), windowName::frmAggResults},
        {QStringLiteral("Toxicity Characteristic, Soil Saturation, and Ecological Values"), windowName::frmTCSSResults},
        {QStringLiteral("Pathways Exceeding the Delisting Limits"), windowName::frmExceedResults},
        {QStringLiteral("Groundwater Exposure Pathways Delisting Level Analysis - Carcinogenic Chemicals"),
         windowName::frmGWCarc},
        {QStringLiteral("Groundwater Exposure Pathways Delisting Level Analysis - Nonarcinogenic Chemicals"),
         windowName::frmGWNonCarc},
        {QStringLiteral("Surface Water Exposur Pathways Delisting Level - Carcinogenic Chemicals"),
         windowName::frmSurfaceCarc},
        {QStringLiteral("Surface Water Exposur Pathways Delisting Level - Nonarcinogenic Chemicals"),
         windowName::frmSurfaceWaterNonCarc},
        {QStringLiteral("Air Exposure Pathways Delisting Level - Carcinogenic Chemicals"), windowName::frmAirCarc},
        {QStringLiteral("Air Exposure Pathways Delisting Level - Noncarcinogenic Chemicals"),
         windowName::frmAirNonCarc},
        {QStringLiteral("Soil Exposure Pathway Delisting Level"), windowName::frmSoilPathwayDelisting},
        {QStringLiteral("Customer Chemical Properties"), windowName::frmCusCOC},
    };
    return items;
}

frmPrint::frmPrint(QWidget* parent) : QDialog(parent)
{
    setObjectName(windowName::frmPrint);
    setWindowTitle(QStringLiteral("Print"));
    setModal(true);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    setFont(font);

    lstPrint = new QListWidget(this);
    lstPrint->setObjectName(QStringLiteral("lstPrint"));
    chkSelectAll = new QCheckBox(QStringLiteral("Click here to select all of the above print items"), this);
    chkSelectAll->setObjectName(QStringLiteral("chkSelectAll"));
    cmdPrint = new QPushButton(QStringLiteral("Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    Label1 = new QLabel(QStringLiteral("Note the Select Chemicals of Concern box must be checked manually because it "
                                       "is such a large print table"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    placeTwips(lstPrint, 120, 120, 5775, 3179);
    placeTwips(chkSelectAll, 120, 3405, 3900, 375);
    placeTwips(cmdPrint, 4080, 3405, 855, 375);
    placeTwips(cmdCancel, 5040, 3405, 855, 375);
    placeTwips(Label1, 120, 3870, 5775, 435);
    setFixedSize(twipsToPx(6015), twipsToPx(4425));

    for (const PrintItem& item : printItems()) {
        auto* entry = new QListWidgetItem(item.caption, lstPrint);
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(Qt::Unchecked);
    }

    lstPrint->viewport()->installEventFilter(this);
    connect(chkSelectAll, &QCheckBox::clicked, this, &frmPrint::chkSelectAll_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrint::cmdCancel_Click);
}

bool frmPrint::eventFilter(QObject* watched, QEvent* event)
{
    // The list hands a press on an entry's box to the box alone; the entry becomes current too,
    // so that the keys that follow act on it.
    if (watched == lstPrint->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (QListWidgetItem* entry = lstPrint->itemAt(press->position().toPoint());
            entry && press->button() == Qt::LeftButton)
            lstPrint->setCurrentItem(entry);
    }
    return QDialog::eventFilter(watched, event);
}

void frmPrint::chkSelectAll_Click()
{
    const bool all = chkSelectAll->isChecked();
    for (int i = 0; i < lstPrint->count(); ++i)
        if (!all || i != kChemicalTableItem)
            lstPrint->item(i)->setCheckState(all ? Qt::Checked : Qt::Unchecked);
}

void frmPrint::cmdPrint_Click()
{
    hide();
    // Every ticked table's window first, loaded hidden where it was not loaded, so that a
    // failed load stops the job before anything prints. A table whose window this program
    // does not have prints nothing.
    QVector<QPointer<FormWindow>> windows;
    QStringList loadedHere;
    bool loadFailed = false;
    for (int i = 0; i < lstPrint->count() && !loadFailed; ++i) {
        if (lstPrint->item(i)->checkState() != Qt::Checked)
            continue;
        const QString& name = printItems()[i].window;
        const bool wasLoaded = Forms::isLoaded(name);
        FormWindow* window = loadForm(name);
        if (!window)
            continue;
        if (!wasLoaded)
            loadedHere << name;
        loadFailed = !wasLoaded && window->loadFailed();
        if (dynamic_cast<PrintableTable*>(window))
            windows << window;
    }

    PrintJobState state = PrintJobState::Printing;
    if (!loadFailed && !windows.isEmpty()) {
        PrintCommand command;
        bool first = true;
        for (const QPointer<FormWindow>& window : windows) {
            if (!window)
                continue;
            dynamic_cast<PrintableTable*>(window.data())->PrintTable(std::exchange(first, false));
            if (command.state() != PrintJobState::Printing)
                break;
        }
        state = command.finish();
    }
    if (state == PrintJobState::Failed)
        MsgBox(kPrintErrorText, vbInformation, kPrintErrorTitle);
    // A job that did not print keeps none of the windows it loaded.
    if (loadFailed || state != PrintJobState::Printing)
        for (const QString& name : loadedHere)
            Forms::unload(name);
    unloadAfterPrint();
}

void frmPrint::cmdCancel_Click()
{
    Forms::unload(windowName::frmCOCs);
    reject();
}

void frmPrint::unloadAfterPrint()
{
    Forms::unload(windowName::frmPrintSiteWMU);
    Forms::unload(windowName::frmCOCs);
    accept();
}

void showPrintWindow(QWidget* parent)
{
    frmPrint dialog(parent);
    dialog.exec();
}
