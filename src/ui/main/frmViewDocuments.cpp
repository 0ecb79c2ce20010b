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
    resize(900, 640);
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
