#pragma once

#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QStackedLayout>
#include <QWidget>

// The document viewer control: shows a PDF file page after page, fitted to its width. A file
// that cannot be shown leaves one line in its place, "Document not found: " and the path.
class PdfViewer : public QWidget {
    Q_OBJECT
public:
    explicit PdfViewer(QWidget* parent = nullptr);

    // Loads the file and shows it; false (and the line) when it cannot be read as a PDF.
    bool LoadFile(const QString& path);
    // Shows the first page of the loaded document.
    void gotoFirstPage();

    QPdfDocument* document() const { return m_document; }
    QPdfView* view() const { return m_view; }
    // The line shown in place of a document that could not be loaded; hidden otherwise.
    QLabel* notFoundLine() const { return m_notFound; }

private:
    QPdfDocument* m_document;
    QPdfView* m_view;
    QLabel* m_notFound;
    QStackedLayout* m_stack;
};
