#include "ui/main/documents.h"

#include "data/program_state.h"
#include "ui/main/frmViewDocuments.h"

#include <QDir>

const std::vector<DocumentRow>& documentRows()
{
    static const std::vector<DocumentRow> rows = {
        {-1, "mnuUM", "uguide.pdf", ""},
        {0, "mnuChap1", "chap1.pdf", " - Chapter 1"},
        {1, "mnuChap2", "chap2.pdf", " - Chapter 2"},
        {2, "mnuChap3", "chap3.pdf", " - Chapter 3"},
        {3, "mnuChap4", "chap4.pdf", " - Chapter 4"},
        {4, "mnuChap5", "chap5.pdf", " - Chapter 5"},
        {5, "mnuChap6", "chap6.pdf", " - Chapter 6"},
        {8, "mnuAppA1", "Appd1a.pdf", " - Appendix A-1"},
        {9, "mnuAppA2", "AppdA2.pdf", " - Appendix A-2"},
        {10, "mnuAppA3", "AppdA3.pdf", " - Appendix A-3"},
        {11, "mnuAppA4", "AppdA4.pdf", " - Appendix A-4"},
        {12, "mnuAppA5", "AppdA5.pdf", " - Appendix A-5"},
        {7, "mnuAppB", "AppdB.pdf", " - Appendix B"},
        {-1, "mnuTOVIChanges", "TOVIchanges.pdf", " - Changes to TOVI"},
    };
    return rows;
}

const DocumentRow* documentRow(const QString& file)
{
    for (const DocumentRow& row : documentRows())
        if (file == QLatin1String(row.file))
            return &row;
    return nullptr;
}

QString documentPath(const QString& file)
{
    return QDir(programState().programFolder).filePath(QStringLiteral("Documents/") + file);
}

void openDocument(const DocumentRow& row)
{
    Forms::unload<frmViewDocuments>();
    frmViewDocuments* viewer = Forms::get<frmViewDocuments>();
    viewer->setWindowTitle(viewer->windowTitle() + QString::fromLatin1(row.suffix));
    viewer->showForm();
    viewer->WEXTPDF->LoadFile(documentPath(QString::fromLatin1(row.file)));
    viewer->WEXTPDF->gotoFirstPage();
}

void showChangesDocument()
{
    openDocument(*documentRow(QStringLiteral("TOVIchanges.pdf")));
}
