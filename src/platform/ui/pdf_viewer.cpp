#include "platform/ui/pdf_viewer.h"

#include <QPdfPageNavigator>

PdfViewer::PdfViewer(QWidget* parent)
    : QWidget(parent), m_document(new QPdfDocument(this)), m_view(new QPdfView(this)), m_notFound(new QLabel(this)),
      m_stack(new QStackedLayout(this))
{
    m_view->setObjectName(QStringLiteral("pdfView"));
    m_view->setDocument(m_document);
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_notFound->setObjectName(QStringLiteral("lblNotFound"));
    m_notFound->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_notFound->setMargin(12);
    m_notFound->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_view);
    m_stack->addWidget(m_notFound);
}

bool PdfViewer::LoadFile(const QString& path)
{
    if (m_document->load(path) == QPdfDocument::Error::None) {
        m_notFound->clear();
        m_stack->setCurrentWidget(m_view);
        return true;
    }
    m_notFound->setText(QStringLiteral("Document not found: ") + path);
    m_stack->setCurrentWidget(m_notFound);
    return false;
}

void PdfViewer::gotoFirstPage()
{
    if (m_document->pageCount() > 0)
        m_view->pageNavigator()->jump(0, QPointF(), 0);
}
