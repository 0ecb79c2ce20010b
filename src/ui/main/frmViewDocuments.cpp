#include "ui/main/frmViewDocuments.h"

#include "ui/main/frmMain.h"

#include <QVBoxLayout>

frmViewDocuments::frmViewDocuments() : WEXTPDF(new PdfViewer(this))
{
    WEXTPDF->setObjectName(QStringLiteral("WEXTPDF"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WEXTPDF);
    setWindowTitle(initialCaption());
}

void frmViewDocuments::formLoad()
{
    // A page of text wide enough to read, within the main window's area once that is shown (the
    // changes document opens before the main window shows).
    QSize size(900, 720);
    if (QMdiArea* area = Forms::mdiArea(); area && area->isVisible())
        size = size.boundedTo(area->viewport()->size());
    frame()->setGeometry(QRect(QPoint(0, 0), size));
}

QString frmViewDocuments::initialCaption()
{
    return QStringLiteral("WEXT Technical Support Document");
}

void frmViewDocuments::formUnload()
{
    if (frmMain* main = frmMain::instance())
        main->trvAnalysis->setFocus();
}
