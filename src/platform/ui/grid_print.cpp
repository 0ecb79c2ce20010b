#include "platform/ui/grid_print.h"

#include "platform/ui/geometry.h"
#include "platform/ui/service_slot.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextOption>

#include <cmath>
#include <limits>
#include <memory>

namespace {

QtMessageHandler g_messages = nullptr;

// The page set-up dialog serves a printout to a PDF file as well as a printer, whatever it
// writes to standard error when it is made for one.
void withoutPdfPrinterWarning(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (g_messages && !text.startsWith(QLatin1String("QPageSetupDialog: Cannot be used on non-native printers")))
        g_messages(type, context, text);
}

class QtPrintDialogService : public PrintDialogService {
public:
    bool pageSetup(QPrinter& printer) override
    {
        g_messages = qInstallMessageHandler(withoutPdfPrinterWarning);
        QPageSetupDialog dialog(&printer, QApplication::activeWindow());
        qInstallMessageHandler(g_messages);
        return dialog.exec() == QDialog::Accepted;
    }
    bool print(QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    }
};

PrintDialogService* g_service = nullptr;

PrintDialogService& service()
{
    return installedService(g_service, printDialogService(), "print dialog");
}

struct PrintJob {
    std::unique_ptr<QPainter> painter;
    // A printout to a file: painted into a PDF beside the file, which replaces the file only
    // once every byte of it is on the disk.
    std::unique_ptr<QPdfWriter> pdf;
    std::unique_ptr<QSaveFile> file;
    // Once cancelled or failed, nothing more prints in this command.
    PrintJobState state = PrintJobState::Printing;
    bool hasPage = false;
    // The margins the page set-up dialog showed and the ones the user left in it, in inches.
    QMarginsF shownMargins;
    QMarginsF chosenMargins;

    bool stopped() const { return state != PrintJobState::Printing; }
    QPagedPaintDevice& device() const
    {
        return pdf ? static_cast<QPagedPaintDevice&>(*pdf) : static_cast<QPagedPaintDevice&>(programPrinter());
    }
};

PrintJob g_job;
int g_commands = 0;

// Ends the job's output and gives how the job ended.
PrintJobState endJob()
{
    PrintJobState state = g_job.state;
    if (g_job.painter && g_job.painter->isActive() && !g_job.painter->end())
        state = PrintJobState::Failed;
    if (g_job.file && state == PrintJobState::Printing && !g_job.file->commit())
        state = PrintJobState::Failed;
    // An uncommitted file goes with its temporary copy.
    g_job = PrintJob{};
    return state;
}

// The PDF writer of a printout to a file, set up as the printer is; false when the file
// cannot be written.
bool openPdfFile(const QPrinter& printer)
{
    auto file = std::make_unique<QSaveFile>(printer.outputFileName());
    if (!file->open(QIODevice::WriteOnly))
        return false;
    auto pdf = std::make_unique<QPdfWriter>(file.get());
    pdf->setPdfVersion(printer.pdfVersion());
    pdf->setResolution(printer.resolution());
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    pdf->setPageLayout(layout);
    pdf->setTitle(printer.docName());
    pdf->setCreator(printer.creator());
    g_job.file = std::move(file);
    g_job.pdf = std::move(pdf);
    return true;
}

QMarginsF ownMargins(const GridPrintSetup& setup)
{
    return {setup.marginLeftRight, setup.marginTopBottom, setup.marginLeftRight, setup.marginTopBottom};
}

// The margins a grid prints with, in inches: its own, but on each side where the user changed
// them in the page set-up dialog, the user's.
QMarginsF jobMargins(const GridPrintSetup& setup)
{
    const QMarginsF own = ownMargins(setup);
    const auto side = [](double ownSide, double shown, double chosen) {
        // The dialog gives back what it showed through its own units, a little rounded.
        return std::abs(chosen - shown) > 1e-4 ? chosen : ownSide;
    };
    return {side(own.left(), g_job.shownMargins.left(), g_job.chosenMargins.left()),
            side(own.top(), g_job.shownMargins.top(), g_job.chosenMargins.top()),
            side(own.right(), g_job.shownMargins.right(), g_job.chosenMargins.right()),
            side(own.bottom(), g_job.shownMargins.bottom(), g_job.chosenMargins.bottom())};
}

// Starts a job; with dialogs, the page set-up dialog shows the margins of `setup`.
bool startJob(bool dialogs, const GridPrintSetup& setup)
{
    endJob();
    QPrinter& printer = programPrinter();
    if (dialogs) {
        // On the full page, no printer's least margins change them.
        printer.setFullPage(true);
        printer.setPageMargins(ownMargins(setup), QPageLayout::Inch);
        g_job.shownMargins = printer.pageLayout().margins(QPageLayout::Inch);
        if (!service().pageSetup(printer) || !service().print(printer)) {
            g_job.state = PrintJobState::Cancelled;
            return false;
        }
        g_job.chosenMargins = printer.pageLayout().margins(QPageLayout::Inch);
    }
    printer.setFullPage(true);
    auto painter = std::make_unique<QPainter>();
    if ((printer.outputFormat() == QPrinter::PdfFormat && !openPdfFile(printer)) || !painter->begin(&g_job.device())) {
        g_job.state = PrintJobState::Failed;
        return false;
    }
    g_job.painter = std::move(painter);
    return true;
}

// Table text smaller than this is hard to read on paper.
constexpr double kSmallestPoints = 7.0;

QString oneLineBreak(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Text that wraps within its box, a word too long for a line broken where it must.
QTextOption wrapping(Qt::Alignment alignment)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

double pointsOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

// A column as it prints on a page: the grid's column, its left edge and its width.
struct PrintedColumn {
    int column;
    double x;
    double width;
};
// The columns that one page shows side by side.
using PageColumns = QVector<PrintedColumn>;

// The heights of the row of group captions and of the row of column captions.
struct CaptionHeights {
    double groups = 0;
    double columns = 0;
};

// Lays a grid out on the pages of a print device, in the device's pixels. A grid wider than
// the page is scaled down to its width, but its text to no less than kSmallestPoints: the
// columns that do not fit then continue on the following pages, each beginning with the
// first column again.
class GridPages {
public:
    // `margins` in inches.
    GridPages(QPainter& painter, QPagedPaintDevice& device, const GridModel& grid, const GridPrintSetup& setup,
              const QMarginsF& margins)
        : m_p(painter), m_device(device), m_grid(grid), m_setup(setup), m_margins(margins * device.logicalDpiX()),
          m_dpi(device.logicalDpiX()), m_pad(device.logicalDpiX() * 2.0 / 72.0)
    {
    }

    void print(bool startOnNewPage)
    {
        const QRectF content = QRectF(0, 0, m_device.width(), m_device.height()) - m_margins;

        const double headerHeight =
            m_setup.header.isEmpty() ? 0 : textHeight(m_setup.headerFont, m_setup.header, content.width()) + m_pad;
        const double footerHeight =
            m_setup.footer.isEmpty() ? 0 : textHeight(m_setup.footerFont, m_setup.footer, content.width()) + m_pad;

        double total = 0;
        for (int c = 0; c < m_grid.columnCount(); ++c) {
            m_widths << qMax(m_grid.columnWidthTwips(c) * m_dpi / 1440.0,
                             longestWordWidth(m_grid.columns()[c].caption));
            total += m_widths.back();
        }
        const double fit = total > content.width() ? content.width() / total : 1.0;
        const double legible = qMin(1.0, kSmallestPoints / smallestPoints());
        const double scale = qMax(fit, legible);
        const QVector<PageColumns> across = fit < legible ? splitColumns(content.width() / scale)
                                                          : QVector<PageColumns>{columnsFrom(0)};
        const CaptionHeights captions = captionHeights(across);
        const double rowsHeight = (content.height() - headerHeight - footerHeight) / scale - captions.groups
                                  - captions.columns;
        const QRectF tableArea(content.left(), content.top() + headerHeight, content.width(),
                               content.height() - headerHeight - footerHeight);

        QVector<double> heights;
        for (int r = 0; r < m_grid.dataRowCount(); ++r)
            heights << rowHeight(r);
        int row = 0;
        int page = 1;
        bool newPage = startOnNewPage;
        do {
            // The same rows on each page across, so that they line up side by side.
            const int first = row;
            for (double y = 0; row < heights.size() && (row == first || y + heights[row] <= rowsHeight); ++row)
                y += heights[row];
            for (const PageColumns& columns : across) {
                if (newPage)
                    m_device.newPage();
                newPage = true;
                paintTitles(content, headerHeight, footerHeight, page++);
                m_p.save();
                m_p.translate(tableArea.topLeft());
                m_p.scale(scale, scale);
                double y = paintCaptions(columns, captions);
                for (int r = first; r < row; ++r) {
                    paintRow(columns, r, y, heights[r]);
                    y += heights[r];
                }
                m_p.restore();
            }
        } while (row < heights.size());
    }

private:
    double textHeight(const QFont& font, const QString& text, double width) const
    {
        m_p.setFont(font);
        const QRectF bound = m_p.boundingRect(QRectF(0, 0, qMax(1.0, width - 2 * m_pad), 1e9), oneLineBreak(text),
                                              wrapping(Qt::AlignLeft | Qt::AlignTop));
        return qMax(bound.height(), QFontMetricsF(font, &m_device).height()) + 2 * m_pad;
    }

    // The smallest text size of the grid's captions and cells.
    double smallestPoints() const
    {
        double smallest = pointsOf(m_grid.font());
        for (int r = 0; r < m_grid.dataRowCount(); ++r)
            for (int c = 0; c < m_grid.columnCount(); ++c)
                smallest = qMin(smallest, pointsOf(m_grid.cellFont(r, c)));
        return smallest;
    }

    // The columns from `first` on, side by side after the first column.
    PageColumns columnsFrom(int first) const
    {
        PageColumns page;
        double x = 0;
        for (int c = 0; c < m_grid.columnCount(); ++c)
            if (c == 0 || c >= first) {
                page.push_back({c, x, m_widths[c]});
                x += m_widths[c];
            }
        return page;
    }

    // A caption in lines that break only at blanks, to fit a box `width` wide; a word wider
    // than the box on a line of its own.
    QString captionLines(const QString& caption, double width) const
    {
        static const QRegularExpression word(QStringLiteral("\\S+"));
        const QFontMetricsF metrics(m_grid.font(), &m_device);
        // Less a pixel, as the painter's own layout may find a line a little wider.
        const double room = width - 2 * m_pad - 1;
        QStringList lines;
        for (const QString& paragraph : oneLineBreak(caption).split(QLatin1Char('\n'))) {
            qsizetype start = -1;
            qsizetype end = 0;
            for (auto words = word.globalMatch(paragraph); words.hasNext();) {
                const QRegularExpressionMatch next = words.next();
                if (start < 0) {
                    start = next.capturedStart();
                } else if (metrics.horizontalAdvance(paragraph.mid(start, next.capturedEnd() - start)) > room) {
                    lines << paragraph.mid(start, end - start);
                    start = next.capturedStart();
                }
                end = next.capturedEnd();
            }
            lines << (start < 0 ? QString() : paragraph.mid(start, end - start));
        }
        return lines.join(QLatin1Char('\n'));
    }

    // The width a column needs so that its caption wraps only between words.
    double longestWordWidth(const QString& caption) const
    {
        const QFontMetricsF metrics(m_grid.font(), &m_device);
        double widest = 0;
        for (const QString& word : caption.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            widest = qMax(widest, metrics.horizontalAdvance(word));
        return widest > 0 ? std::ceil(widest) + 2 * m_pad + 1 : 0;
    }

    // The columns on pages `width` wide: the first column on every page, then the others on as
    // few pages as hold them, spread over those pages as evenly as their widths allow. A column
    // group that fits on a page is kept whole unless that leaves the pages far less even. A column
    // wider than a page is narrowed to it, and its text wraps.
    QVector<PageColumns> splitColumns(double width)
    {
        const int count = int(m_widths.size());
        m_widths[0] = qMin(m_widths[0], count > 1 ? width / 2 : width);
        if (count == 1)
            return {{{0, 0, m_widths[0]}}};
        const double room = width - m_widths[0];
        const double full = room * (1 + 1e-9);
        for (int c = 1; c < count; ++c)
            m_widths[c] = qMin(m_widths[c], room);
        // The fewest pages: as many columns on each as fit.
        int pageCount = 1;
        double used = 0;
        for (int c = 1; c < count; ++c) {
            if (used > 0 && used + m_widths[c] > full) {
                ++pageCount;
                used = 0;
            }
            used += m_widths[c];
        }
        // cost[k][c]: the least cost of columns 1 to c - 1 on k pages. A page costs the square of
        // the room it leaves, so that even pages cost least; a split group costs a page left a third empty.
        constexpr double kNone = std::numeric_limits<double>::infinity();
        QVector<QVector<double>> cost(pageCount + 1, QVector<double>(count + 1, kNone));
        QVector<QVector<int>> start(pageCount + 1, QVector<int>(count + 1, -1));
        cost[0][1] = 0;
        for (int k = 1; k <= pageCount; ++k)
            for (int end = 2; end <= count; ++end) {
                double onPage = 0;
                for (int first = end - 1; first >= 1; --first) {
                    onPage += m_widths[first];
                    if (onPage > full)
                        break;
                    if (cost[k - 1][first] == kNone)
                        continue;
                    const double split = first > 1 && splitsGroup(first, full) ? room * room / 9 : 0;
                    const double c = cost[k - 1][first] + (room - onPage) * (room - onPage) + split;
                    if (c < cost[k][end]) {
                        cost[k][end] = c;
                        start[k][end] = first;
                    }
                }
            }
        QVector<PageColumns> pages(pageCount);
        for (int k = pageCount, end = count; k >= 1; end = start[k][end], --k) {
            PageColumns& page = pages[k - 1];
            page.push_back({0, 0, m_widths[0]});
            double x = m_widths[0];
            for (int c = start[k][end]; c < end; ++c) {
                page.push_back({c, x, m_widths[c]});
                x += m_widths[c];
            }
        }
        return pages;
    }

    // Whether a page that begins with `column` splits a column group that fits on one page.
    bool splitsGroup(int column, double pageRoom) const
    {
        const int group = m_grid.groupOf(column);
        return group >= 0 && group == m_grid.groupOf(column - 1) && groupWidth(group) <= pageRoom;
    }

    // The printed width of a group's columns.
    double groupWidth(int group) const
    {
        const GridGroup& g = m_grid.groups()[group];
        double w = 0;
        for (int c = g.firstColumn; c < g.firstColumn + g.columnCount && c < m_widths.size(); ++c)
            w += m_widths[c];
        return w;
    }

    double rowHeight(int row) const
    {
        double h = 0;
        for (int c = 0; c < m_grid.columnCount(); ++c)
            h = qMax(h, textHeight(m_grid.cellFont(row, c), m_grid.displayText(row, c), m_widths[c]));
        return h;
    }

    void paintBox(const QRectF& box, const QString& text, const QFont& font, int color, Qt::Alignment alignment)
    {
        m_p.setPen(QPen(Qt::black, m_dpi / 200.0));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(box);
        m_p.setFont(font);
        m_p.setPen(colorFromBgr(color));
        m_p.drawText(box.adjusted(m_pad, 0, -m_pad, 0), oneLineBreak(text), wrapping(alignment));
    }

    void paintTitles(const QRectF& content, double headerHeight, double footerHeight, int page)
    {
        m_p.setPen(Qt::black);
        if (headerHeight > 0) {
            m_p.setFont(m_setup.headerFont);
            m_p.drawText(QRectF(content.left(), content.top(), content.width(), headerHeight - m_pad),
                         oneLineBreak(m_setup.header), wrapping(Qt::AlignHCenter | Qt::AlignTop));
        }
        if (footerHeight > 0) {
            m_p.setFont(m_setup.footerFont);
            const QRectF box(content.left(), content.bottom() - footerHeight + m_pad, content.width(),
                             footerHeight - m_pad);
            const QString footer =
                QString(m_setup.footer).replace(QStringLiteral("<page number>"), QString::number(page));
            const qsizetype tab = footer.indexOf(QLatin1Char('\t'));
            if (tab < 0) {
                m_p.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, footer);
            } else {
                m_p.drawText(box, Qt::AlignLeft | Qt::AlignBottom, footer.left(tab));
                m_p.drawText(box, Qt::AlignRight | Qt::AlignBottom, footer.mid(tab + 1));
            }
        }
    }

    // The groups over the columns of a page, each as wide as its columns there.
    QVector<std::pair<int, QRectF>> groupBoxes(const PageColumns& columns, double height) const
    {
        QVector<std::pair<int, QRectF>> boxes;
        for (int g = 0; g < m_grid.groups().size(); ++g) {
            QRectF box;
            for (const PrintedColumn& pc : columns)
                if (m_grid.groupOf(pc.column) == g)
                    box |= QRectF(pc.x, 0, pc.width, height);
            if (!box.isNull())
                boxes.push_back({g, box});
        }
        return boxes;
    }

    CaptionHeights captionHeights(const QVector<PageColumns>& across) const
    {
        CaptionHeights heights;
        if (!m_grid.columnHeadersVisible())
            return heights;
        const QFont font = m_grid.font();
        for (const PageColumns& columns : across) {
            for (const auto& [group, box] : groupBoxes(columns, 0))
                heights.groups =
                    qMax(heights.groups,
                         textHeight(font, captionLines(m_grid.groups()[group].caption, box.width()), box.width()));
            for (const PrintedColumn& pc : columns)
                heights.columns =
                    qMax(heights.columns,
                         textHeight(font, captionLines(m_grid.columns()[pc.column].caption, pc.width), pc.width));
        }
        return heights;
    }

    // Paints the group and column captions; returns the height they take.
    double paintCaptions(const PageColumns& columns, const CaptionHeights& heights)
    {
        if (!m_grid.columnHeadersVisible())
            return 0;
        const QFont font = m_grid.font();
        for (const auto& [group, box] : groupBoxes(columns, heights.groups))
            paintBox(box, captionLines(m_grid.groups()[group].caption, box.width()), font, 0, Qt::AlignCenter);
        for (const PrintedColumn& pc : columns) {
            const double top = m_grid.groupOf(pc.column) >= 0 ? heights.groups : 0;
            paintBox(QRectF(pc.x, top, pc.width, heights.groups + heights.columns - top),
                     captionLines(m_grid.columns()[pc.column].caption, pc.width), font, 0, Qt::AlignCenter);
        }
        return heights.groups + heights.columns;
    }

    void paintRow(const PageColumns& columns, int row, double y, double height)
    {
        for (const PrintedColumn& pc : columns)
            paintBox(QRectF(pc.x, y, pc.width, height), m_grid.displayText(row, pc.column),
                     m_grid.cellFont(row, pc.column), m_grid.cellColor(row, pc.column),
                     Qt::AlignLeft | Qt::AlignVCenter);
    }

    QPainter& m_p;
    QPagedPaintDevice& m_device;
    const GridModel& m_grid;
    const GridPrintSetup& m_setup;
    const QMarginsF m_margins;
    const double m_dpi;
    const double m_pad;
    QVector<double> m_widths;
};

}   // namespace

PrintDialogService& printDialogService()
{
    static QtPrintDialogService dialogs;
    return dialogs;
}

PrintDialogService* setPrintDialogService(PrintDialogService* s)
{
    PrintDialogService* previous = g_service;
    g_service = s;
    return previous;
}

QPrinter& programPrinter()
{
    // Never destroyed: the printer must outlive every window that prints.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setPageOrientation(QPageLayout::Landscape);
        return p;
    }();
    return *printer;
}

PrintCommand::PrintCommand()
{
    if (g_commands++ == 0)
        endJob();
}

PrintCommand::~PrintCommand()
{
    if (--g_commands == 0)
        endJob();
}

PrintJobState PrintCommand::state() const
{
    return g_job.state;
}

PrintJobState PrintCommand::finish()
{
    return endJob();
}

bool printGrid(const GridModel& grid, const GridPrintSetup& setup, bool firstPrint)
{
    const bool noJobYet = !g_job.painter && !g_job.stopped();
    const bool started = firstPrint || noJobYet ? startJob(firstPrint, setup) : !g_job.stopped();
    if (started) {
        GridPages(*g_job.painter, g_job.device(), grid, setup, jobMargins(setup)).print(g_job.hasPage);
        g_job.hasPage = true;
        if (!g_job.pdf && programPrinter().printerState() == QPrinter::Error)
            g_job.state = PrintJobState::Failed;
    }
    if (g_commands == 0)
        endJob();
    return started;
}
