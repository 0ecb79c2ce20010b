#include "ui/input/frmSiteWMU.h"

#include "data/analysis_inputs.h"
#include "data/program_state.h"
#include "data/schema.h"
#include "data/state_list.h"
#include "platform/text/dates.h"
#include "platform/text/number_format.h"
#include "platform/text/number_parse.h"
#include "platform/text/rtf_text.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message_box.h"
#include "ui/common/message_texts.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_names.h"
#include "ui/input/site_window_services.h"
#include "ui/main/analysis_host.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kMinWidth = 11835;
constexpr double kMinHeight = 9570;

const QString kCaption = QStringLiteral("Analysis Information and Control Settings (Steps 1 - 3)");
const QString kMainCaption = QStringLiteral("TOVI v.3.0 - RCRA Subtitle D Quarvel Program");
const QString kDateErrorText = QStringLiteral(
    "TOVI cannot interpret the date that you input.  Please input the date in an acceptable date format.");
const QString kNeedVolumeText = QStringLiteral("Please enter a waste volume before proceeding to Steps 4 and 5.");
const QString kNeedActiveLifeText = QStringLiteral("Please enter a active life before proceeding to Steps 4 and 5.");
const QString kAnalysisExistsText = QStringLiteral(
    "The 'Analysis Filename' that you entered already exists in the database.  Please choose another name for "
    "this analysis.");
const QString kUpdateErrorText = QStringLiteral(
    "TOVI experienced an error while trying to update and could not update your analysis.  Please verify that "
    "the information is correct and try again.");

QFont captionFont(bool bold = false)
{
    QFont f(QStringLiteral("Arial"), 9);
    f.setBold(bold);
    return f;
}

void place(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(twipsToPx(left), twipsToPx(top), twipsToPx(width), twipsToPx(height));
}

QLabel* label(QWidget* parent, const QString& text, double left, double top, double width, double height = 255,
              bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setFont(captionFont(bold));
    place(l, left, top, width, height);
    return l;
}

template <class T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* textBox(QWidget* parent, const char* name, double left, double top, double width)
{
    auto* box = named(new QLineEdit(parent), name);
    place(box, left, top, width, 300);
    return box;
}

QComboBox* listBox(QWidget* parent, const char* name, const QStringList& items, bool editable)
{
    auto* list = named(new QComboBox(parent), name);
    list->addItems(items);
    list->setEditable(editable);
    if (editable) {
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
    }
    list->setCurrentIndex(-1);
    return list;
}

QFrame* line(QWidget* parent, const char* name, double top)
{
    auto* l = named(new QFrame(parent), name);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    place(l, 60, top, kMinWidth - 300, 30);
    return l;
}

QLabel* requiredMark(QWidget* parent, double left, double top)
{
    auto* mark = named(new QLabel(QStringLiteral("*"), parent), "Label19");
    mark->setFont(captionFont(true));
    mark->setStyleSheet(QStringLiteral("color: red"));
    place(mark, left, top, 150, 255);
    return mark;
}

QString textOf(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

// A stored number shown in the general text form; empty without a value.
QString numberText(const QVariant& v)
{
    return v.isNull() ? QString() : generalText(v.toDouble());
}

// The flow rate, held in single precision; "100" without a value.
QString flowRateText(const QVariant& v)
{
    return v.isNull() ? QStringLiteral("100") : generalTextSingle(v.toFloat());
}

// The active life to remember from the box: its leading number, 0 (nothing to remember) where
// single precision cannot hold it.
float rememberedLife(const QString& text)
{
    const double life = leadingNumber(trimmedNumberText(text));
    return std::fabs(life) <= double(std::numeric_limits<float>::max()) ? float(life) : 0;
}

// A number of the waste unit row that loading needs.
Result<double> requiredNumber(const Recordset& unit, const char* field)
{
    const QVariant v = unit.value(QString::fromLatin1(field));
    if (v.isNull())
        return Error{kErrConversion,
                     QStringLiteral("The waste unit of this analysis has no value for %1.").arg(QLatin1String(field))};
    return v.toDouble();
}

QVariant& valueOf(FieldValues& values, const QString& field)
{
    return std::find_if(values.begin(), values.end(), [&](const auto& fv) { return fv.first == field; })->second;
}

bool constituentWindowUnsaved()
{
    FormWindow* cocs = Forms::find(windowName::frmSiteCOCs);
    auto* save = cocs ? cocs->findChild<QWidget*>(QStringLiteral("cmdUpdateSiteCOCs")) : nullptr;
    return save && save->isEnabled();
}

}   // namespace

// ---- Controls ---------------------------------------------------------------------------

frmSiteWMU::frmSiteWMU()
{
    setWindowTitle(kCaption);
    setFont(captionFont());
    buildStep1();
    buildStep2();
    buildStep3();
    connectEditTracking();
    QRect controls;
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        controls |= control->geometry();
    setMinimumSize(controls.right() + controls.left(), controls.bottom() + controls.left());
}

void frmSiteWMU::buildStep1()
{
    constexpr double kLabelLeft = 240;
    constexpr double kBoxLeft = 3240;
    constexpr double kBoxWidth = kMinWidth - kBoxLeft - 420;
    constexpr double kRow = 345;
    double top = 420;

    label(this, QStringLiteral("Step 1 - Delisting Petitioner Information"), 120, 60, 6000, 285, true);
    Line1 = line(this, "Line1", 360);

    label(this, QStringLiteral("KOR Region:"), kLabelLeft, top + 30, 2900);
    cmbRegion = listBox(this, "cmbRegion", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, false);
    place(cmbRegion, kBoxLeft, top, 900, 300);
    label(this, QStringLiteral("KOR Delisting Petition Number:"), 5400, top + 30, 2700);
    txtPetitionID = textBox(this, "txtPetitionID", 8160, top, kMinWidth - 8160 - 420);

    top += kRow;
    label(this, QStringLiteral("Analysis Filename:"), kLabelLeft, top + 30, 2900);
    Label19[0] = requiredMark(this, kBoxLeft - 180, top + 30);
    txtFileName = textBox(this, "txtFileName", kBoxLeft, top, kBoxWidth);

    top += kRow;
    label(this, QStringLiteral("Petitioner's Name:"), kLabelLeft, top + 30, 2900);
    txtSiteID = textBox(this, "txtSiteID", kBoxLeft, top, kBoxWidth);

    top += kRow;
    label(this, QStringLiteral("Petitioner's Address:"), kLabelLeft, top + 30, 2900);
    txtFacID1 = textBox(this, "txtFacID1", kBoxLeft, top, kBoxWidth);
    top += kRow;
    txtFacID2 = textBox(this, "txtFacID2", kBoxLeft, top, kBoxWidth);

    top += kRow;
    label(this, QStringLiteral("City/State/Zip Code:"), kLabelLeft, top + 30, 2900);
    txtCity = textBox(this, "txtCity", kBoxLeft, top, 3300);
    QStringList states;
    for (qint16 i = 0; i < kStateCount; ++i)
        states << GetStateListItem(i).value();
    cmbState = listBox(this, "cmbState", states, false);
    place(cmbState, kBoxLeft + 3420, top, 3300, 300);
    txtZipCode = textBox(this, "txtZipCode", kBoxLeft + 6840, top, kBoxWidth - 6840);

    top += kRow;
    label(this, QStringLiteral("Waste Description:"), kLabelLeft, top + 30, 2900);
    txtWasteDesc = textBox(this, "txtWasteDesc", kBoxLeft, top, kBoxWidth);

    top += kRow;
    label(this, QStringLiteral("Listed Waste Code(s):"), kLabelLeft, top + 30, 2900);
    txtWasteCode = textBox(this, "txtWasteCode", kBoxLeft, top, kBoxWidth);

    top += kRow;
    label(this, QStringLiteral("TOVI Analysis Performed by:"), kLabelLeft, top + 30, 2900);
    txtUserName = textBox(this, "txtUserName", kBoxLeft, top, 4200);
    label(this, QStringLiteral("Date:"), kBoxLeft + 4440, top + 30, 600);
    txtDelistDate = textBox(this, "txtDelistDate", kBoxLeft + 5100, top, 1800);

    top += kRow;
    label(this, QStringLiteral("Date Petition Submitted to KOR:"), kLabelLeft, top + 30, 2900);
    txtSubmitDate = textBox(this, "txtSubmitDate", kBoxLeft, top, 1800);

    top += kRow;
    label(this, QStringLiteral("User Comments:"), kLabelLeft, top + 30, 2900);
    rtfComments = named(new QTextEdit(this), "rtfComments");
    rtfComments->setAcceptRichText(false);
    // Tab moves on to the next control, as in every other box of the window.
    rtfComments->setTabChangesFocus(true);
    place(rtfComments, kBoxLeft, top, kBoxWidth, 780);
}

void frmSiteWMU::buildStep2()
{
    constexpr double kFramesTop = 5520;
    Line2 = line(this, "Line2", 4860);
    label(this, QStringLiteral("Step 2 - Waste Management Unit and Risk/HQ Information"), 120, 4950, 7000, 285, true);

    pctLF = named(new UnitCrossSection(UnitCrossSection::Unit::Landfill, this), "pctLF");
    pctSI = named(new UnitCrossSection(UnitCrossSection::Unit::SurfaceImpoundment, this), "pctSI");
    place(pctLF, 120, kFramesTop, 4095, 3015);
    place(pctSI, 120, kFramesTop, 4095, 3015);
    pctSI->hide();

    fraUnitType = named(new QGroupBox(QStringLiteral("Waste Management Unit Type"), this), "fraUnitType");
    place(fraUnitType, 4320, kFramesTop, 3720, 3015);
    optLandfill = named(new QRadioButton(QStringLiteral("Landfill"), fraUnitType), "optLandfill");
    place(optLandfill, 180, 300, 3300, 285);
    optSurfaceImpoundment =
        named(new QRadioButton(QStringLiteral("Surface Impoundment"), fraUnitType), "optSurfaceImpoundment");
    place(optSurfaceImpoundment, 180, 615, 3300, 285);
    label(fraUnitType, QStringLiteral("Waste Volume"), 180, 1080, 1800);
    Label19[1] = requiredMark(fraUnitType, 1500, 1080);
    txtVolume = textBox(fraUnitType, "txtVolume", 180, 1380, 1800);
    cmbVolumeUnits = listBox(fraUnitType, "cmbVolumeUnits",
                             {QStringLiteral("yd³"), QStringLiteral("ft³"), QStringLiteral("m³")}, false);
    place(cmbVolumeUnits, 2100, 1380, 1100, 300);
    label(fraUnitType, QStringLiteral("Flow rate of Liquid"), 180, 1980, 3000);
    txtFlowRate = textBox(fraUnitType, "txtFlowRate", 180, 2280, 1800);
    label(fraUnitType, QStringLiteral("( m³ / yr )"), 2100, 2310, 1300);
    txtFlowRate->setText(QStringLiteral("10"));

    fraActiveLife = named(new QGroupBox(QStringLiteral("Waste Management Unit Active Life"), this), "fraActiveLife");
    place(fraActiveLife, 8160, kFramesTop, 3255, 1455);
    optSingleBatch = named(new QRadioButton(QStringLiteral("One Year Batch"), fraActiveLife), "optSingleBatch");
    place(optSingleBatch, 180, 300, 2900, 285);
    optMultiBatch = named(new QRadioButton(QStringLiteral("Multiple Year Batch"), fraActiveLife), "optMultiBatch");
    place(optMultiBatch, 180, 600, 2900, 285);
    lblActiveLife[0] = named(label(fraActiveLife, QStringLiteral("Active Life"), 180, 990, 1000), "lblActiveLife");
    Label19[2] = requiredMark(fraActiveLife, 1110, 990);
    txtActiveLife = textBox(fraActiveLife, "txtActiveLife", 1320, 960, 900);
    lblActiveLife[1] = named(label(fraActiveLife, QStringLiteral("years"), 2340, 990, 800), "lblActiveLife");
    txtActiveLife->setText(QStringLiteral("1"));
    txtActiveLife->setEnabled(false);
    lblActiveLife[0]->setEnabled(false);
    lblActiveLife[1]->setEnabled(false);

    fraRiskHQ = named(new QGroupBox(QStringLiteral("Risk/HQ Values"), this), "fraRiskHQ");
    place(fraRiskHQ, 8160, kFramesTop + 1560, 3255, 1455);
    label(fraRiskHQ, QStringLiteral("Cancer Risk Level"), 180, 360, 1800);
    Label19[3] = requiredMark(fraRiskHQ, 1980, 360);
    cmbRiskValue = listBox(fraRiskHQ, "cmbRiskValue", {"1E-4", "1E-5", "1E-6"}, true);
    place(cmbRiskValue, 2130, 330, 960, 300);
    label(fraRiskHQ, QStringLiteral("Hazard Quotient (HQ)"), 180, 840, 1800);
    Label19[4] = requiredMark(fraRiskHQ, 1980, 840);
    cmbHQValue = listBox(fraRiskHQ, "cmbHQValue", {"0.1", "1.0", "10.0"}, true);
    place(cmbHQValue, 2130, 810, 960, 300);

    // Two groups of two: the unit type and the batch type.
    auto* unitGroup = new QButtonGroup(this);
    unitGroup->addButton(optLandfill);
    unitGroup->addButton(optSurfaceImpoundment);
    auto* batchGroup = new QButtonGroup(this);
    batchGroup->addButton(optSingleBatch);
    batchGroup->addButton(optMultiBatch);
    optLandfill->setChecked(true);
    optSingleBatch->setChecked(true);
}

void frmSiteWMU::buildStep3()
{
    constexpr double kTop = 8625;
    Line3 = line(this, "Line3", 8565);
    label(this, QStringLiteral("Step 3 - Update Information"), 120, kTop + 15, 2700, 255, true);
    auto* note = label(this, QStringLiteral("* Required Fields"), 120, kTop + 270, 2000, 210);
    note->setFont(QFont(QStringLiteral("Arial"), 8));
    note->setStyleSheet(QStringLiteral("color: red"));

    auto button = [this](const QString& caption, const char* name, double left, double width) {
        auto* b = named(new QPushButton(caption, this), name);
        place(b, left, kTop, width, 360);
        return b;
    };
    cmdUpdateSiteInfo = button(QStringLiteral("Update Information"), "cmdUpdateSiteInfo", 2880, 1980);
    cmdCancel = button(QStringLiteral("Cancel Changes"), "cmdCancel", 4980, 1980);
    Command1 = button(QStringLiteral("Calculate Delisting Levels"), "Command1", 7080, 2400);
    cmdNext = button(QStringLiteral("To Steps 4-5 >>"), "cmdNext", 9600, 1815);
    connect(cmdUpdateSiteInfo, &QPushButton::clicked, this, &frmSiteWMU::cmdUpdateSiteInfo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSiteWMU::cmdCancel_Click);
    connect(Command1, &QPushButton::clicked, this, &frmSiteWMU::Command1_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmSiteWMU::cmdNext_Click);

    // Above the step 2 frames, beside the heading.
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    place(ProgressBar1, 4320, 5280, 7095, 180);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
}

// ---- Edit tracking and input checks -----------------------------------------------------

void frmSiteWMU::connectEditTracking()
{
    for (QLineEdit* box : {txtFileName, txtSiteID, txtFacID1, txtFacID2, txtCity, txtZipCode, txtDelistDate,
                           txtSubmitDate, txtPetitionID, txtWasteDesc, txtWasteCode, txtVolume, txtFlowRate})
        connect(box, &QLineEdit::textChanged, this, [this] { markChanged(); });
    connect(txtUserName, &QLineEdit::textChanged, this, [this] { markChanged(false); });
    connect(txtActiveLife, &QLineEdit::textChanged, this, &frmSiteWMU::activeLifeChanged);
    connect(rtfComments, &QTextEdit::textChanged, this, [this] { markChanged(); });
    for (QComboBox* list : {cmbState, cmbRegion, cmbVolumeUnits, cmbRiskValue, cmbHQValue})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { markChanged(); });
    // Typing a target marks the inputs as picking one does.
    for (QComboBox* list : {cmbRiskValue, cmbHQValue})
        connect(list, &QComboBox::editTextChanged, this, [this] { markChanged(); });

    connect(optLandfill, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optLandfill_Click();
    });
    connect(optSurfaceImpoundment, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optSurfaceImpoundment_Click();
    });
    connect(optSingleBatch, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optSingleBatch_Click();
    });
    connect(optMultiBatch, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optMultiBatch_Click();
    });

    for (QWidget* box : std::initializer_list<QWidget*>{txtVolume, txtFlowRate, txtActiveLife, cmbRiskValue, cmbHQValue,
                                                        txtDelistDate, txtSubmitDate})
        box->installEventFilter(this);
    cmbRiskValue->lineEdit()->installEventFilter(this);
    cmbHQValue->lineEdit()->installEventFilter(this);
}

void frmSiteWMU::markChanged(bool toolbarToo)
{
    cmdUpdateSiteInfo->setEnabled(true);
    cmdCancel->setEnabled(true);
    cmdNext->setEnabled(false);
    if (AnalysisHost* host = analysisHost())
        host->markEdited(toolbarToo ? CommandReach::ButtonsAndToolbar : CommandReach::Buttons);
}

void frmSiteWMU::activeLifeChanged()
{
    markChanged();
    if (optMultiBatch->isChecked() && !txtActiveLife->text().isEmpty())
        m_activeLife = rememberedLife(txtActiveLife->text());
}

void frmSiteWMU::optLandfill_Click()
{
    markChanged();
    showUnitPicture(true);
    showUnitTypeInPendingRow();
}

void frmSiteWMU::optSurfaceImpoundment_Click()
{
    markChanged();
    showUnitPicture(false);
    showUnitTypeInPendingRow();
}

void frmSiteWMU::showUnitTypeInPendingRow()
{
    ProgramState& st = programState();
    FieldValues unitRow = unitRowValues(st.gCurSiteKey, siteInputs());
    setPendingUnitType(st, valueOf(unitRow, QStringLiteral("WMUTYPE")));
}

void frmSiteWMU::showUnitPicture(bool landfill)
{
    pctLF->setVisible(landfill);
    pctSI->setVisible(!landfill);
}

void frmSiteWMU::optSingleBatch_Click()
{
    if (!txtActiveLife->text().isEmpty())
        m_activeLife = rememberedLife(txtActiveLife->text());
    lblActiveLife[0]->setEnabled(false);
    lblActiveLife[1]->setEnabled(false);
    txtActiveLife->setText(QStringLiteral("1"));
    txtActiveLife->setEnabled(false);
    markChanged();
}

void frmSiteWMU::optMultiBatch_Click()
{
    lblActiveLife[0]->setEnabled(true);
    lblActiveLife[1]->setEnabled(true);
    const QVariant stored = programState().gRsWmuInfo.value(QStringLiteral("ACTVLIFE"));
    if (m_activeLife > 0)
        txtActiveLife->setText(generalTextSingle(m_activeLife));
    else if (!stored.isNull() && stored.toDouble() > 1)
        txtActiveLife->setText(generalText(stored.toDouble()));
    else
        txtActiveLife->setText(QStringLiteral("50"));
    txtActiveLife->setEnabled(true);
    markChanged();
}

QWidget* frmSiteWMU::checkedBoxOf(QObject* object) const
{
    for (QComboBox* list : {cmbRiskValue, cmbHQValue})
        if (object == list || object == list->lineEdit())
            return list;
    return qobject_cast<QWidget*>(object);
}

bool frmSiteWMU::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == frame()) {
        // Once the frame has taken its new size: while it resizes, a maximised frame shows as
        // restored.
        if (event->type() == QEvent::Resize)
            QMetaObject::invokeMethod(this, &frmSiteWMU::keepSmallestSize, Qt::QueuedConnection);
        return FormWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusOut && !m_checking && isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* box = checkedBoxOf(watched);
        QWidget* next = QApplication::focusWidget();
        // Only a move to another control of this window leaves a box: not opening its list, a
        // menu, a message or another window.
        const bool leaving = reason != Qt::PopupFocusReason && next && next != box && isAncestorOf(next)
                             && !box->isAncestorOf(next);
        if (leaving)
            leaveBox(box);
    }
    return FormWindow::eventFilter(watched, event);
}

void frmSiteWMU::leaveBox(QWidget* box)
{
    if (box == txtDelistDate || box == txtSubmitDate) {
        checkDate(static_cast<QLineEdit*>(box), box == txtDelistDate);
        return;
    }
    if (passesNumberCheck(box))
        return;
    m_checking = true;
    MsgBox(kInvalidInputText, vbCritical, kInvalidInputTitle);
    m_checking = false;
    returnFocus(box);
}

bool frmSiteWMU::passesNumberCheck(QWidget* box)
{
    const auto* list = qobject_cast<QComboBox*>(box);
    const QString text = list ? list->currentText() : static_cast<QLineEdit*>(box)->text();
    if (text.isEmpty())
        return true;
    // A run holds every number of these boxes in single precision.
    return toSingleStrict(text).has_value();
}

void frmSiteWMU::checkDate(QLineEdit* box, bool keepFocus)
{
    if (const std::optional<QDate> date = parseDate(box->text())) {
        box->setText(formatDateChecked(*date));
        markChanged();
        return;
    }
    if (box->text().isEmpty())
        return;
    m_checking = true;
    MsgBox(kDateErrorText, vbCritical, QStringLiteral("Date Format Error"));
    m_checking = false;
    if (keepFocus)
        returnFocus(box);
}

void frmSiteWMU::returnFocus(QWidget* box)
{
    QMetaObject::invokeMethod(
        this,
        [this, target = QPointer<QWidget>(box)] {
            if (target)
                focusRejected(target);
        },
        Qt::QueuedConnection);
}

void frmSiteWMU::focusRejected(QWidget* box)
{
    m_checking = true;
    box->setFocus(Qt::OtherFocusReason);
    m_checking = false;
    // What the user types next replaces the rejected text.
    auto* list = qobject_cast<QComboBox*>(box);
    if (QLineEdit* line = list ? list->lineEdit() : qobject_cast<QLineEdit*>(box))
        line->selectAll();
}

bool frmSiteWMU::checkNumericInputs()
{
    if (m_loadFailure) {
        showGeneralError(*m_loadFailure, kUnableToSaveTitle);
        return false;
    }
    for (QWidget* box :
         std::initializer_list<QWidget*>{txtVolume, txtFlowRate, txtActiveLife, cmbRiskValue, cmbHQValue}) {
        if (passesNumberCheck(box))
            continue;
        m_checking = true;
        MsgBox(kInvalidInputText, vbCritical, kInvalidInputTitle);
        m_checking = false;
        focusRejected(box);
        return false;
    }
    return true;
}

void frmSiteWMU::cmdNext_Click()
{
    if (!checkNumericInputs())
        return;
    if (txtVolume->text().isEmpty()) {
        MsgBox(kNeedVolumeText, vbCritical, QStringLiteral("Necessary Data"));
        txtVolume->setFocus();
        return;
    }
    if (txtActiveLife->text().isEmpty() && optMultiBatch->isChecked()) {
        MsgBox(kNeedActiveLifeText, vbCritical, QStringLiteral("Necessary Data"));
        txtActiveLife->setFocus();
        return;
    }
    if (txtFileName->text().isEmpty()) {
        MsgBox(kNeedSiteIdText, vbExclamation, kNeedSiteIdTitle);
        txtFileName->setFocus();
        return;
    }
    hideForm();
    if (FormWindow* cocs = loadForm(windowName::frmSiteCOCs)) {
        cocs->showForm();
        cocs->setWindowStateCode(vbMaximized);
    }
}

bool frmSiteWMU::queryUnload()
{
    AnalysisHost* host = analysisHost();
    return !host || host->askToCloseAnalysis();
}

// ---- Loading ----------------------------------------------------------------------------

void frmSiteWMU::formLoad()
{
    // The size rule is the frame's, which can be smaller than the window while it scrolls.
    frame()->installEventFilter(this);
    if (Status s = loadInputs(); !s) {
        m_loadFailure = s.error();
        showGeneralError(s.error(), kUnableToSaveTitle);
        return;
    }
    uiState().gAnalysisFormsOpen = true;
    showForm();
    setWindowStateCode(vbMaximized);
}

Status frmSiteWMU::loadInputs()
{
    const std::pair<QLineEdit*, const char*> lengths[] = {
        {txtFileName, "FILENAME"},   {txtSiteID, "PETNAME"},   {txtFacID1, "FACID1"},      {txtFacID2, "FACID2"},
        {txtCity, "CITY"},           {txtZipCode, "ZIPCODE"},  {txtUserName, "USERNAME"},  {txtDelistDate, "DLSTDATE"},
        {txtSubmitDate, "ANALDATE"}, {txtPetitionID, "PETID"}, {txtWasteDesc, "WSTEDESC"}, {txtWasteCode, "WSTECODE"}};
    for (const auto& [box, field] : lengths)
        box->setMaxLength(siteInfoTable().column(QString::fromLatin1(field))->width);

    resizeTwips(kMinWidth, kMinHeight);
    Line1->raise();
    Line2->raise();
    cmbVolumeUnits->setCurrentIndex(0);
    cmbRiskValue->setCurrentIndex(1);
    cmbHQValue->setCurrentIndex(1);
    // The main window's side pane lies beside the area of its child windows.
    moveTwips(0, 0);

    ProgramState& st = programState();
    if (st.gCurSiteKey <= 0)
        return {};
    Recordset& site = st.gRsSiteInfo;
    if (site.recordCount() > 0) {
        site.moveFirst();
        showSiteRow(site, true);
    }
    startPendingAnalysisRows(st);
    showUnitTypeInPendingRow();
    Recordset& unit = st.gRsWmuInfo;
    return unit.recordCount() > 0 ? loadUnitRow(unit) : Status{};
}

void frmSiteWMU::selectState(const QVariant& code)
{
    const QString wanted = textOf(code);
    int index = -1;
    for (int i = 0; i < cmbState->count() && !wanted.isEmpty(); ++i) {
        if (cmbState->itemText(i).left(2) == wanted) {
            index = i;
            break;
        }
    }
    cmbState->setCurrentIndex(index);
}

// The site row into the controls; loading shows an empty delisting date as today's date.
void frmSiteWMU::showSiteRow(const Recordset& site, bool delistDateDefault)
{
    auto field = [&site](const char* name) { return site.value(QString::fromLatin1(name)); };
    selectState(field("STATE"));
    txtFileName->setText(textOf(field("FILENAME")));
    txtSiteID->setText(textOf(field("PETNAME")));
    txtFacID1->setText(textOf(field("FACID1")));
    txtFacID2->setText(textOf(field("FACID2")));
    txtCity->setText(textOf(field("CITY")));
    txtZipCode->setText(textOf(field("ZIPCODE")));
    txtUserName->setText(textOf(field("USERNAME")));
    const QVariant delistDate = field("DLSTDATE");
    if (delistDateDefault && !delistDate.isNull() && delistDate.toString().isEmpty())
        txtDelistDate->setText(formatDatePlain(QDate::currentDate()));
    else
        txtDelistDate->setText(textOf(delistDate));
    txtSubmitDate->setText(textOf(field("ANALDATE")));
    txtPetitionID->setText(textOf(field("PETID")));
    const QString comments = textOf(field("COMMENTS"));
    rtfComments->setPlainText(isRichText(comments) ? rtfToPlainText(comments) : comments);
    const QVariant region = field("KORRGION");
    cmbRegion->setCurrentIndex(region.isNull() ? -1 : region.toInt());
    txtWasteDesc->setText(textOf(field("WSTEDESC")));
    txtWasteCode->setText(textOf(field("WSTECODE")));
}

Status frmSiteWMU::loadUnitRow(Recordset& unit)
{
    unit.moveFirst();
    const bool landfill = unit.value(QStringLiteral("WMUTYPE")).toString() == QLatin1String("LF");
    (landfill ? optLandfill : optSurfaceImpoundment)->setChecked(true);
    showUnitPicture(landfill);

    // An active life without a value is no multiple-year batch; showing it fails further on.
    const QVariant storedLife = unit.value(QStringLiteral("ACTVLIFE"));
    (!storedLife.isNull() && storedLife.toDouble() > 1 ? optMultiBatch : optSingleBatch)->setChecked(true);
    const Result<double> volumeUnit = requiredNumber(unit, "WVOLUNIT");
    if (!volumeUnit)
        return volumeUnit.error();
    cmbVolumeUnits->setCurrentIndex(int(*volumeUnit));
    const Result<double> life = requiredNumber(unit, "ACTVLIFE");
    if (!life)
        return life.error();
    txtActiveLife->setText(generalText(*life));
    const Result<double> volume = requiredNumber(unit, "WASTEVOL");
    if (!volume)
        return volume.error();
    txtVolume->setText(generalText(*volume));
    txtFlowRate->setText(flowRateText(unit.value(QStringLiteral("FLOWRATE"))));
    for (const auto& [list, field] : {std::pair{cmbHQValue, "HQFACT"}, std::pair{cmbRiskValue, "RISKFACT"}}) {
        const Result<double> target = requiredNumber(unit, field);
        if (!target)
            return target.error();
        list->setEditText(generalText(*target));
    }
    return {};
}

// ---- Saving and cancelling --------------------------------------------------------------

SiteWindowInputs frmSiteWMU::siteInputs() const
{
    SiteWindowInputs in;
    in.fileName = txtFileName->text();
    in.siteId = txtSiteID->text();
    in.petitionId = txtPetitionID->text();
    in.facId1 = txtFacID1->text();
    in.facId2 = txtFacID2->text();
    in.city = txtCity->text();
    in.stateEntry = GetStateListItem(qint16(cmbState->currentIndex())).value();
    in.zipCode = txtZipCode->text();
    in.submitDate = txtSubmitDate->text();
    in.delistDate = txtDelistDate->text();
    in.userName = txtUserName->text();
    in.comments = rtfComments->toPlainText();
    in.regionIndex = cmbRegion->currentIndex();
    in.wasteDesc = txtWasteDesc->text();
    in.wasteCode = txtWasteCode->text();
    in.landfill = optLandfill->isChecked();
    in.volume = trimmedNumberText(txtVolume->text());
    in.volumeUnitIndex = cmbVolumeUnits->currentIndex();
    in.flowRate = trimmedNumberText(txtFlowRate->text());
    in.activeLife = trimmedNumberText(txtActiveLife->text());
    in.riskValue = trimmedNumberText(cmbRiskValue->currentText());
    in.hqValue = trimmedNumberText(cmbHQValue->currentText());
    return in;
}

bool frmSiteWMU::storeSteps1To3()
{
    ProgramState& st = programState();
    const SiteWindowInputs in = siteInputs();
    const Status saved = [&]() -> Status {
        const std::optional<double> volume = toNumberStrict(in.volume);
        if (!volume)
            return Error{kErrConversion, QStringLiteral("The waste volume is not a number.")};
        const std::optional<double> flowRate = toNumberStrict(in.flowRate);
        if (!flowRate)
            return Error{kErrConversion, QStringLiteral("The flow rate is not a number.")};
        FieldValues unitRow = unitRowValues(st.gCurSiteKey, in);
        valueOf(unitRow, QStringLiteral("WASTEVOL")) = *volume;
        valueOf(unitRow, QStringLiteral("FLOWRATE")) = float(*flowRate);
        return saveAnalysisInputs(st, {.site = siteRowValues(st.gCurSiteKey, in), .unit = unitRow});
    }();
    if (saved) {
        st.gCurFileName = st.gRsSiteInfo.value(QStringLiteral("FILENAME")).toString();
        if (AnalysisHost* host = analysisHost())
            host->followAnalysisKey();
        return true;
    }
    switch (saved.error().number) {
    case kErrNameTaken:
        MsgBox(kAnalysisExistsText, vbInformation, QStringLiteral("Analysis Exists"));
        break;
    case kErrRowChanged:
    case kErrRowGone:
        showGeneralError(saved.error(), QStringLiteral("Update Error"));
        break;
    default:
        MsgBox(kUpdateErrorText, vbCritical, QStringLiteral("Update Error"));
    }
    return false;
}

void frmSiteWMU::cmdUpdateSiteInfo_Click()
{
    if (txtFileName->text().isEmpty()) {
        MsgBox(kNeedSiteIdText, vbExclamation, kNeedSiteIdTitle);
        return;
    }
    if (!checkNumericInputs() || !storeSteps1To3())
        return;
    cmdUpdateSiteInfo->setEnabled(false);
    cmdCancel->setEnabled(false);
    cmdNext->setEnabled(true);
    AnalysisHost* host = analysisHost();
    if (!host)
        return;
    // Unsaved constituent edits keep the analysis marked as changed.
    if (!constituentWindowUnsaved())
        host->markSaved(CommandReach::Buttons);
    host->rewriteOpenAnalysisNodes();
    host->setCaption(kMainCaption + QStringLiteral(" [") + programState().gCurFileName + QLatin1Char(']'));
}

void frmSiteWMU::cmdCancel_Click()
{
    if (MsgBox(QStringLiteral("Are you sure you want to Cancel all changes?"), vbYesNo,
               QStringLiteral("Cancel Changes?"))
        != vbYes)
        return;
    ProgramState& st = programState();
    // A row never saved goes back to the window's defaults for a new analysis.
    if (st.gRsSiteInfo.recordCount() > 0)
        showSiteRow(st.gRsSiteInfo, false);
    else
        showNewSiteDefaults();
    if (st.gRsWmuInfo.recordCount() > 0)
        showUnitRow(st.gRsWmuInfo);
    else
        showNewUnitDefaults();
    cmdUpdateSiteInfo->setEnabled(false);
    cmdCancel->setEnabled(false);
    cmdNext->setEnabled(true);
    if (AnalysisHost* host = analysisHost())
        host->markEditsCancelled();
}

void frmSiteWMU::showNewSiteDefaults()
{
    for (QLineEdit* box : {txtSiteID, txtFileName, txtPetitionID, txtFacID1, txtFacID2, txtCity, txtZipCode,
                           txtSubmitDate, txtDelistDate, txtUserName, txtWasteDesc, txtWasteCode})
        box->clear();
    cmbState->setCurrentIndex(-1);
    rtfComments->clear();
    cmbRegion->setCurrentIndex(-1);
}

void frmSiteWMU::showUnitRow(const Recordset& unit)
{
    const bool landfill = unit.value(QStringLiteral("WMUTYPE")).toString() == QLatin1String("LF");
    (landfill ? optLandfill : optSurfaceImpoundment)->setChecked(true);
    txtVolume->setText(numberText(unit.value(QStringLiteral("WASTEVOL"))));
    txtFlowRate->setText(flowRateText(unit.value(QStringLiteral("FLOWRATE"))));
    txtActiveLife->setText(numberText(unit.value(QStringLiteral("ACTVLIFE"))));
    cmbRiskValue->setEditText(numberText(unit.value(QStringLiteral("RISKFACT"))));
    cmbHQValue->setEditText(numberText(unit.value(QStringLiteral("HQFACT"))));
    const QVariant volumeUnit = unit.value(QStringLiteral("WVOLUNIT"));
    cmbVolumeUnits->setCurrentIndex(volumeUnit.isNull() ? -1 : volumeUnit.toInt());
}

void frmSiteWMU::showNewUnitDefaults()
{
    optLandfill->setChecked(true);
    optSingleBatch->setChecked(true);
    txtVolume->clear();
    txtFlowRate->setText(QStringLiteral("10"));
    cmbRiskValue->setCurrentIndex(1);
    cmbHQValue->setCurrentIndex(1);
    cmbVolumeUnits->setCurrentIndex(0);
}

// ---- Calculate Delisting Levels ---------------------------------------------------------

void frmSiteWMU::Command1_Click()
{
    if (txtFileName->text().isEmpty()) {
        MsgBox(kNeedSiteIdText, vbExclamation, kNeedSiteIdTitle);
        return;
    }
    if (!checkNumericInputs())
        return;
    if (optSurfaceImpoundment->isChecked()) {
        const std::optional<double> flowRate = toNumberStrict(txtFlowRate->text());
        if (flowRate && *flowRate <= 0) {
            txtFlowRate->setFocus();
            return;
        }
    }
    if (!storeSteps1To3())
        return;
    setMousePointer(this, vbHourglass);
    ProgressBar1->show();
    const QPointer<frmSiteWMU> self(this);
    if (const auto& run = siteWindowServices().runDelistingAnalysis)
        run(*ProgressBar1);
    if (!self)
        return;
    ProgressBar1->hide();
    setMousePointer(this, vbDefault);
}

// ---- Size rule --------------------------------------------------------------------------

void frmSiteWMU::keepSmallestSize()
{
    if (windowStateCode() != vbNormal || !frame()->isVisible())
        return;
    const int width = widthTwips();
    const int height = heightTwips();
    if (width < kMinWidth || height < kMinHeight)
        resizeTwips(std::max<double>(width, kMinWidth), std::max<double>(height, kMinHeight));
}
