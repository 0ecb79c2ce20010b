#include "ui/scripted_print.h"

#include <QPdfDocument>
#include <QPdfSelection>
#include <QProcess>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

ScriptedPrintDialogs::ScriptedPrintDialogs(const QString& pdfPath) : m_previous(setPrintDialogService(this))
{
    programPrinter().setOutputFormat(QPrinter::PdfFormat);
    programPrinter().setOutputFileName(pdfPath);
}

ScriptedPrintDialogs::~ScriptedPrintDialogs()
{
    setPrintDialogService(m_previous);
    if (!m_script.empty())
        ADD_FAILURE() << m_script.size() << " scripted print dialog answer(s) never asked for";
}

ScriptedPrintDialogs& ScriptedPrintDialogs::answer(bool pageSetup, bool print)
{
    m_script.push_back(pageSetup);
    if (pageSetup)
        m_script.push_back(print);
    return *this;
}

ScriptedPrintDialogs& ScriptedPrintDialogs::setMargins(const QMarginsF& inches)
{
    m_margins = inches;
    return *this;
}

bool ScriptedPrintDialogs::pageSetup(QPrinter& printer)
{
    m_shownMargins = printer.pageLayout().margins(QPageLayout::Inch);
    if (!m_margins.isNull())
        printer.setPageMargins(m_margins, QPageLayout::Inch);
    return next();
}

bool ScriptedPrintDialogs::print(QPrinter&)
{
    return next();
}

bool ScriptedPrintDialogs::next()
{
    ++m_shown;
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    }
    const bool ok = m_script.front();
    m_script.pop_front();
    return ok;
}

QStringList pdfPageTexts(const QString& path)
{
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None)
        return {};
    QStringList pages;
    for (int p = 0; p < document.pageCount(); ++p)
        pages << document.getAllText(p).text();
    return pages;
}

QStringList pdfTableHeadings(const QString& path, const QStringList& headings)
{
    QStringList seen;
    for (const QString& page : pdfPageTexts(path)) {
        QString heading;
        for (const QString& h : headings)
            if (page.startsWith(h) && h.size() > heading.size())
                heading = h;
        if (seen.isEmpty() || seen.back() != heading)
            seen << heading;
    }
    return seen;
}

bool pdfTextInsidePages(const QString& path)
{
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None)
        return false;
    for (int p = 0; p < document.pageCount(); ++p) {
        const QRectF page(QPointF(0, 0), document.pagePointSize(p));
        if (!page.contains(document.getAllText(p).boundingRectangle()))
            return false;
    }
    return true;
}

double pdfSmallestTextPoints(const QString& path, double largestPoints)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished()) << "pdftotext (poppler-utils) did not run";
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    double smallest = 1e9;
    double largest = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("word")) {
            const double height = xml.attributes().value("yMax").toDouble() - xml.attributes().value("yMin").toDouble();
            smallest = qMin(smallest, height);
            largest = qMax(largest, height);
        }
    return largest > 0 ? smallest / largest * largestPoints : 0;
}

void expectColumnPagesEven(const QString& path, const GridModel& grid)
{
    // A caption prints as one run of text, its lines broken only where it has blanks.
    const auto words = [](const QString& text) { return ' ' + text.simplified() + ' '; };
    QStringList captions;
    for (int c = 1; c < grid.columnCount(); ++c)
        captions << words(grid.columns()[c].caption);
    captions.removeDuplicates();
    QString printed;
    for (const QString& page : pdfPageTexts(path)) {
        const QString text = words(page);
        printed += text;
        qsizetype columns = 0;
        for (const QString& caption : captions)
            columns += text.count(caption);
        EXPECT_NE(columns, 1) << "a page holds one column beside the first";
    }
    for (const GridColumn& column : grid.columns())
        EXPECT_TRUE(printed.contains(words(column.caption))) << qPrintable(column.caption) << " is split";
}
