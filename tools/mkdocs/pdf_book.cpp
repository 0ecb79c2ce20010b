#include "pdf_book.h"

#include <QAbstractTextDocumentLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <vector>

namespace {

// Layout units are pixels of 1/96 inch; a US letter page is 8.5 by 11 inches.
constexpr qreal kPageWidth = 816;
constexpr qreal kPageHeight = 1056;
constexpr qreal kMargin = 84;
constexpr qreal kFootMargin = 100;
constexpr qreal kTextWidth = kPageWidth - 2 * kMargin;
constexpr qreal kPictureMaxHeight = 620;
constexpr int kPdfResolution = 600;

const QRegularExpression kPictureLink(QStringLiteral(R"(!\[[^\]]*\]\(images/([A-Za-z0-9_]+)\.png\))"));

struct Heading {
    QTextBlock block;
    int level;
};

std::vector<Heading> headingsOf(const QTextDocument& doc)
{
    std::vector<Heading> headings;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (const int level = b.blockFormat().headingLevel(); level == 1 || level == 2)
            headings.push_back({b, level});
    return headings;
}

void setPageBreak(const QTextBlock& block)
{
    QTextCursor c(block);
    QTextBlockFormat f = block.blockFormat();
    f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    c.setBlockFormat(f);
}

// Places every picture of the book, centred, and starts a page with each section that holds one.
Status placePictures(QTextDocument& doc, const QHash<QString, QImage>& pictures)
{
    // A window's pixels are drawn at 72 % of their size, or smaller to fit.
    Result<std::vector<QTextBlock>> placed = fitPictures(doc, pictures, 0.72, kTextWidth, kPictureMaxHeight);
    if (!placed)
        return placed.error();
    for (const QTextBlock& b : *placed) {
        QTextCursor c(b);
        QTextBlockFormat f = b.blockFormat();
        f.setAlignment(Qt::AlignHCenter);
        f.setTopMargin(8);
        f.setBottomMargin(8);
        c.setBlockFormat(f);
        // The section's heading, unless the picture's chapter opens with it.
        QTextBlock heading = b.previous();
        while (heading.isValid() && heading.blockFormat().headingLevel() == 0)
            heading = heading.previous();
        if (heading.isValid() && heading.blockFormat().headingLevel() == 2 && heading.previous().isValid()
            && heading.previous().blockFormat().headingLevel() != 1)
            setPageBreak(heading);
    }
    return {};
}

int pageOf(QTextDocument& doc, const QTextBlock& block)
{
    return int(doc.documentLayout()->blockBoundingRect(block).top() / kPageHeight) + 1;
}

QTextCharFormat textFormat(qreal points, QFont::Weight weight)
{
    QTextCharFormat f;
    f.setFontPointSize(points);
    f.setFontWeight(weight);
    return f;
}

// The title page and the contents, placed before the first chapter: gives the contents table,
// one row for each of `entries` headings.
QTextTable* insertFrontMatter(QTextDocument& doc, const BookSource& source, int entries)
{
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::Start);
    c.insertBlock();   // the first chapter's heading moves one block down
    c.movePosition(QTextCursor::Start);

    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setTopMargin(260);
    const QTextCharFormat titleFormat = textFormat(26, QFont::Bold);
    c.setBlockFormat(centred);
    c.setBlockCharFormat(titleFormat);
    c.insertText(source.title, titleFormat);
    centred.setTopMargin(18);
    const QTextCharFormat subtitleFormat = textFormat(14, QFont::Normal);
    c.insertBlock(centred, subtitleFormat);
    c.insertText(source.subtitle, subtitleFormat);

    QTextBlockFormat contentsHeading;
    contentsHeading.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    contentsHeading.setBottomMargin(12);
    const QTextCharFormat headingFormat = textFormat(18, QFont::Bold);
    c.insertBlock(contentsHeading, headingFormat);
    c.insertText(QStringLiteral("Contents"), headingFormat);

    QTextTableFormat tableFormat;
    tableFormat.setBorder(0);
    tableFormat.setCellPadding(0.5);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tableFormat.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 90), QTextLength(QTextLength::PercentageLength, 10)});
    c.insertBlock(QTextBlockFormat(), QTextCharFormat());
    return c.insertTable(entries, 2, tableFormat);
}

void fillContents(QTextTable* table, const std::vector<Heading>& headings)
{
    for (int row = 0; row < int(headings.size()); ++row) {
        const Heading& h = headings[size_t(row)];
        QTextCharFormat entry;
        entry.setFontWeight(h.level == 1 ? QFont::Bold : QFont::Normal);
        QTextBlockFormat line;
        line.setLeftMargin(h.level == 1 ? 0 : 20);
        line.setTopMargin(h.level == 1 ? 3 : 0);
        QTextCursor title = table->cellAt(row, 0).firstCursorPosition();
        title.setBlockFormat(line);
        title.insertText(h.block.text(), entry);
        line.setLeftMargin(0);
        line.setAlignment(Qt::AlignRight);
        QTextCursor number = table->cellAt(row, 1).firstCursorPosition();
        number.setBlockFormat(line);
        number.insertText(QStringLiteral("0"), entry);
    }
}

// Writes the page numbers of the headings into the contents until they no longer move.
Status numberContents(QTextDocument& doc, QTextTable* table, const std::vector<Heading>& headings)
{
    for (int round = 0; round < 4; ++round) {
        doc.pageCount();
        bool changed = false;
        for (int row = 0; row < int(headings.size()); ++row) {
            const QString page = QString::number(pageOf(doc, headings[size_t(row)].block));
            const QTextTableCell cell = table->cellAt(row, 1);
            QTextCursor c = cell.firstCursorPosition();
            c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            if (c.selectedText() != page) {
                const QTextCharFormat f = c.charFormat();
                c.insertText(page, f);
                changed = true;
            }
        }
        if (!changed)
            return {};
    }
    return Error{kErrFormat, QStringLiteral("The page numbers of the contents do not settle.")};
}

void styleBody(QTextDocument& doc)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextBlockFormat f = b.blockFormat();
        f.setTopMargin(level == 1 ? 0 : 14);
        f.setBottomMargin(level == 1 ? 14 : 6);
        QTextCursor c(b);
        c.setBlockFormat(f);
        if (level == 1)
            setPageBreak(b);
    }
}

}   // namespace

Result<std::vector<QTextBlock>> fitPictures(QTextDocument& doc, const QHash<QString, QImage>& pictures, qreal scale,
                                            qreal maxWidth, qreal maxHeight)
{
    static const QRegularExpression file(QStringLiteral(R"(^images/(\w+)\.png$)"));
    std::vector<QTextBlock> blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        bool holdsPicture = false;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QRegularExpressionMatch m = file.match(image.name());
            const QImage picture = m.hasMatch() ? pictures.value(m.captured(1)) : QImage();
            if (picture.isNull())
                return Error{kErrFormat, QStringLiteral("No picture for ") + image.name()};
            doc.addResource(QTextDocument::ImageResource, QUrl(image.name()), picture);
            qreal width = std::min<qreal>(maxWidth, picture.width() * scale);
            qreal height = width * picture.height() / picture.width();
            if (height > maxHeight) {
                width *= maxHeight / height;
                height = maxHeight;
            }
            image.setWidth(width);
            image.setHeight(height);
            QTextCursor c(&doc);
            c.setPosition(fragment.position());
            c.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(image);
            holdsPicture = true;
        }
        if (holdsPicture)
            blocks.push_back(b);
    }
    return blocks;
}

Status writeBook(const BookSource& source, const QHash<QString, QImage>& pictures, const QString& pdfPath)
{
    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    doc.setDefaultFont(font);
    if (source.html.isEmpty())
        doc.setMarkdown(source.markdown, QTextDocument::MarkdownDialectGitHub);
    else
        doc.setHtml(source.html);
    doc.setPageSize(QSizeF(kPageWidth, kPageHeight));
    QTextFrameFormat frame = doc.rootFrame()->frameFormat();
    frame.setLeftMargin(kMargin);
    frame.setRightMargin(kMargin);
    frame.setTopMargin(kMargin);
    frame.setBottomMargin(kFootMargin);
    doc.rootFrame()->setFrameFormat(frame);

    if (headingsOf(doc).empty())
        return Error{kErrFormat, QStringLiteral("The text of ") + pdfPath + QStringLiteral(" has no heading.")};
    styleBody(doc);
    if (Status s = placePictures(doc, pictures); !s)
        return s;
    if (!source.title.isEmpty()) {
        QTextTable* table = insertFrontMatter(doc, source, int(headingsOf(doc).size()));
        const std::vector<Heading> headings = headingsOf(doc);
        fillContents(table, headings);
        if (Status s = numberContents(doc, table, headings); !s)
            return s;
    } else if (doc.begin().isValid()) {
        QTextCursor c(doc.begin());
        QTextBlockFormat f = doc.begin().blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        c.setBlockFormat(f);
    }

    QPdfWriter writer(pdfPath);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(kPdfResolution);
    writer.setTitle(source.title.isEmpty() ? headingsOf(doc).front().block.text() : source.title);
    writer.setCreator(QStringLiteral("TOVI"));
    QPainter painter;
    if (!painter.begin(&writer))
        return Error{kErrFile, QStringLiteral("Cannot write ") + pdfPath};
    painter.scale(kPdfResolution / 96.0, kPdfResolution / 96.0);
    const int pages = doc.pageCount();
    QFont foot(font);
    foot.setPixelSize(12);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        const QRectF view(0, page * kPageHeight, kPageWidth, kPageHeight);
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        if (page > 0 || source.title.isEmpty()) {
            painter.setFont(foot);
            painter.drawText(QRectF(0, kPageHeight - kFootMargin + 40, kPageWidth, 20), Qt::AlignHCenter,
                             QStringLiteral("Page %1").arg(page + 1));
        }
    }
    if (!painter.end())
        return Error{kErrFile, QStringLiteral("Cannot write ") + pdfPath};
    return {};
}

QStringList splitChapters(const QString& markdown)
{
    QStringList chapters;
    bool inCode = false;
    for (const QString& line : markdown.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("```")))
            inCode = !inCode;
        if (!inCode && line.startsWith(QLatin1String("# ")))
            chapters << QString();
        if (!chapters.isEmpty())
            chapters.last() += line + QLatin1Char('\n');
    }
    return chapters;
}

QStringList pictureNames(const QString& markdown)
{
    QStringList names;
    for (const QRegularExpressionMatch& m : kPictureLink.globalMatch(markdown))
        names << m.captured(1);
    return names;
}
