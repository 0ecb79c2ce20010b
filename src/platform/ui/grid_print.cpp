#include "platform/ui/grid_print.h"

#include "platform/ui/geometry.h"
#include "platform/ui/service_slot.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>

#include <memory>

namespace {

class QtPrintDialogService : public PrintDialogService {
public:
    bool pageSetup(QPrinter& printer) override
    {
        QPageSetupDialog dialog(&printer, QApplication::activeWindow());
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
    // Once cancelled or failed, nothing more prints in this command.
    PrintJobState state = PrintJobState::Printing;
    bool hasPage = false;

    bool stopped() const { return state != PrintJobState::Printing; }
};

PrintJob g_job;
int g_commands = 0;

// Ends the job's output and gives how the job ended.
PrintJobState endJob()
{
    PrintJobState state = g_job.state;
    if (g_job.painter && g_job.painter->isActive() && !g_job.painter->end())
        state = PrintJobState::Failed;
    g_job = PrintJob{};
    return state;
}

bool startJob(bool dialogs)
{
    endJob();
    QPrinter& printer = programPrinter();
    if (dialogs && (!service().pageSetup(printer) || !service().print(printer))) {
        g_job.state = PrintJobState::Cancelled;
        return false;
    }
    printer.setFullPage(true);
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer)) {
        g_job.state = PrintJobState::Failed;
        return false;
    }
    g_job.painter = std::move(painter);
    return true;
}

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

QString oneLineBreak(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Lays a grid out on the pages of the printer, in the printer's device pixels.
class GridPages {
public:
    GridPages(QPainter& painter, QPrinter& printer, const GridModel& grid, const GridPrintSetup& setup)
        : m_p(painter), m_printer(printer), m_grid(grid), m_setup(setup), m_dpi(printer.resolution()),
          m_pad(printer.resolution() * 2.0 / 72.0)
    {
    }

    void print(bool startOnNewPage)
    {
        const QRectF paper = m_printer.paperRect(QPrinter::DevicePixel);
        const double tb = m_setup.marginTopBottom * m_dpi;
        const double lr = m_setup.marginLeftRight * m_dpi;
        const QRectF content = paper.adjusted(lr, tb, -lr, -tb);

        const double headerHeight =
            m_setup.header.isEmpty() ? 0 : textHeight(m_setup.headerFont, m_setup.header, content.width()) + m_pad;
        const double footerHeight =
            m_setup.footer.isEmpty() ? 0 : textHeight(m_setup.footerFont, m_setup.footer, content.width()) + m_pad;

        for (int c = 0; c < m_grid.columnCount(); ++c)
            m_widths << m_grid.columnWidthTwips(c) * m_dpi / 1440.0;
        double total = 0;
        for (double w : m_widths)
            total += w;
        const double scale = total > content.width() ? content.width() / total : 1.0;
        const double tableHeight = (content.height() - headerHeight - footerHeight) / scale;
        const QRectF tableArea(content.left(), content.top() + headerHeight, content.width(),
                               content.height() - headerHeight - footerHeight);

        const int rows = m_grid.dataRowCount();
        int row = 0;
        int page = 1;
        bool newPage = startOnNewPage;
        do {
            if (newPage)
                m_printer.newPage();
            newPage = true;
            paintTitles(content, headerHeight, footerHeight, page);
            m_p.save();
            m_p.translate(tableArea.topLeft());
            m_p.scale(scale, scale);
            double y = paintCaptions();
            for (int onPage = 0; row < rows; ++row, ++onPage) {
                const double h = rowHeight(row);
                if (onPage > 0 && y + h > tableHeight)
                    break;
                paintRow(row, y, h);
                y += h;
            }
            m_p.restore();
            ++page;
        } while (row < rows);
    }

private:
    double textHeight(const QFont& font, const QString& text, double width) const
    {
        const QFontMetricsF fm(font, &m_printer);
        const QRectF bound =
            fm.boundingRect(QRectF(0, 0, qMax(1.0, width - 2 * m_pad), 1e9), kTextFlags, oneLineBreak(text));
        return qMax(bound.height(), fm.height()) + 2 * m_pad;
    }

    double columnX(int column) const
    {
        double x = 0;
        for (int c = 0; c < column; ++c)
            x += m_widths[c];
        return x;
    }

    double rowHeight(int row) const
    {
        double h = 0;
        for (int c = 0; c < m_grid.columnCount(); ++c)
            h = qMax(h, textHeight(m_grid.cellFont(row, c), m_grid.displayText(row, c), m_widths[c]));
        return h;
    }

    void paintBox(const QRectF& box, const QString& text, const QFont& font, int color, int alignment)
    {
        m_p.setPen(QPen(Qt::black, m_dpi / 200.0));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(box);
        m_p.setFont(font);
        m_p.setPen(colorFromBgr(color));
        m_p.drawText(box.adjusted(m_pad, 0, -m_pad, 0), alignment | Qt::TextWordWrap, oneLineBreak(text));
    }

    void paintTitles(const QRectF& content, double headerHeight, double footerHeight, int page)
    {
        m_p.setPen(Qt::black);
        if (headerHeight > 0) {
            m_p.setFont(m_setup.headerFont);
            m_p.drawText(QRectF(content.left(), content.top(), content.width(), headerHeight - m_pad),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, oneLineBreak(m_setup.header));
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

    // Paints the group and column captions; returns the height they take.
    double paintCaptions()
    {
        if (!m_grid.columnHeadersVisible())
            return 0;
        const QFont font = m_grid.font();
        double groupHeight = 0;
        for (int g = 0; g < m_grid.groups().size(); ++g) {
            const GridGroup& group = m_grid.groups()[g];
            groupHeight = qMax(groupHeight, textHeight(font, group.caption, groupWidth(group)));
        }
        double captionHeight = 0;
        for (int c = 0; c < m_grid.columnCount(); ++c)
            captionHeight = qMax(captionHeight, textHeight(font, m_grid.columns()[c].caption, m_widths[c]));
        for (const GridGroup& group : m_grid.groups())
            if (group.firstColumn < m_grid.columnCount())
                paintBox(QRectF(columnX(group.firstColumn), 0, groupWidth(group), groupHeight), group.caption, font, 0,
                         Qt::AlignCenter);
        for (int c = 0; c < m_grid.columnCount(); ++c) {
            const bool grouped = m_grid.groupOf(c) >= 0;
            const double top = grouped ? groupHeight : 0;
            paintBox(QRectF(columnX(c), top, m_widths[c], groupHeight + captionHeight - top),
                     m_grid.columns()[c].caption, font, 0, Qt::AlignCenter);
        }
        return groupHeight + captionHeight;
    }

    double groupWidth(const GridGroup& group) const
    {
        double w = 0;
        for (int c = group.firstColumn; c < group.firstColumn + group.columnCount && c < m_widths.size(); ++c)
            w += m_widths[c];
        return w;
    }

    void paintRow(int row, double y, double height)
    {
        for (int c = 0; c < m_grid.columnCount(); ++c)
            paintBox(QRectF(columnX(c), y, m_widths[c], height), m_grid.displayText(row, c), m_grid.cellFont(row, c),
                     m_grid.cellColor(row, c), Qt::AlignLeft | Qt::AlignVCenter);
    }

    QPainter& m_p;
    QPrinter& m_printer;
    const GridModel& m_grid;
    const GridPrintSetup& m_setup;
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
    const bool started = firstPrint || noJobYet ? startJob(firstPrint) : !g_job.stopped();
    if (started) {
        GridPages(*g_job.painter, programPrinter(), grid, setup).print(g_job.hasPage);
        g_job.hasPage = true;
        if (programPrinter().printerState() == QPrinter::Error)
            g_job.state = PrintJobState::Failed;
    }
    if (g_commands == 0)
        endJob();
    return started;
}
