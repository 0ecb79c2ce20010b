#include "ui/main/frmAbout.h"

#include "platform/ui/geometry.h"
#include "ui/common/window_names.h"
#include "ui/main/program_icon.h"

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, double left, double top, double width,
              double height)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(l, left, top, width, height);
    return l;
}

QFrame* etchedLine(QWidget* parent, double top)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    placeTwips(line, 120, top, 6840, 30);
    return line;
}

}   // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(windowName::frmAbout);
    setModal(true);
    setFixedSize(twipsToPx(7080), twipsToPx(4500));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(programIconPixmap(twipsToPx(720)));
    placeTwips(picIcon, 240, 240, 720, 720);

    QFont titleFont = font();
    titleFont.setPointSize(titleFont.pointSize() + 2);
    titleFont.setBold(true);
    lblTitle = label(this, "lblTitle",
                     QStringLiteral("Waste Delisting Program Office  -  TOVI, the Quarvel Delisting Risk Assessment "
                                    "Program"),
                     1200, 240, 5760, 720);
    lblTitle->setFont(titleFont);
    lblVersion = label(this, "lblVersion", QString(), 1200, 1020, 5760, 300);
    lblDescription = label(this, "lblDescription",
                           QStringLiteral("Description:  This program is used to assess potential risks associated "
                                          "with a waste petitioned for delisting."),
                           1200, 1380, 5760, 600);
    Line1[0] = etchedLine(this, 2100);
    lblDisclaimer = label(
        this, "lblDisclaimer",
        QStringLiteral(" Warning:  As with any model, the results are only as reliable as the assumptions and inputs "
                       "used by the modeler.  While this model has been designed based on accepted KOR equations and "
                       "assumptions, care should be exercised to ensure that these assumptions hold true for the "
                       "modeler's specific site characteristics."),
        240, 2220, 6600, 1260);
    Line1[1] = etchedLine(this, 3540);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    placeTwips(cmdOK, 5640, 3780, 1320, 435);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // The window's load.
    lblVersion->setText(
        QStringLiteral("Version %1.%2.%3").arg(TOVI_VERSION_MAJOR).arg(TOVI_VERSION_MINOR).arg(TOVI_REVISION));
    setWindowTitle(QStringLiteral("About TOVI"));
}

void frmAbout::reject()
{
    accept();
}
