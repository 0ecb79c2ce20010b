#include "help_pages.h"

#include "pdf_book.h"

#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int kPictureWidth = 760;

Status writeText(const QString& path, const QString& text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text.toUtf8()) < 0 || !f.flush())
        return Error{kErrFile, QStringLiteral("Cannot write ") + path};
    return {};
}

}   // namespace

Status writeHelpPages(const QString& guideMarkdown, const QHash<QString, QImage>& pictures, const QString& folder)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("images")))
        return Error{kErrFile, QStringLiteral("Cannot create ") + dir.filePath(QStringLiteral("images"))};
    // The pages show the pictures at the size they are stored, made smaller smoothly beforehand.
    QHash<QString, QImage> shown;
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
        shown.insert(it.key(), it.value().width() > kPictureWidth
                                   ? it.value().scaledToWidth(kPictureWidth, Qt::SmoothTransformation)
                                   : it.value());
    const QStringList chapters = splitChapters(guideMarkdown);
    QString index = QStringLiteral(
        "<html><head><meta charset=\"utf-8\"><title>TOVI Help</title></head><body>\n"
        "<h1>TOVI Help</h1>\n<p>These pages tell how to use TOVI. Choose a topic; the Back and Forward "
        "buttons move through the pages you have read, and Contents comes back here. The same text, with "
        "the page numbers for printing, is the user's guide on the Documents menu.</p>\n<ol>\n");
    for (int i = 0; i < chapters.size(); ++i) {
        QTextDocument doc;
        doc.setMarkdown(chapters[i], QTextDocument::MarkdownDialectGitHub);
        if (Result<std::vector<QTextBlock>> fitted = fitPictures(doc, shown, 1, kPictureWidth, 10 * kPictureWidth);
            !fitted)
            return fitted.error();
        const QString title = doc.begin().text();
        doc.setMetaInformation(QTextDocument::DocumentTitle, title);
        const QString page = QStringLiteral("chapter%1.html").arg(i + 1, 2, 10, QLatin1Char('0'));
        if (Status s = writeText(dir.filePath(page), doc.toHtml()); !s)
            return s;
        index += QStringLiteral("<li><a href=\"%1\">%2</a>").arg(page, title.toHtmlEscaped());
        QStringList sections;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            if (b.blockFormat().headingLevel() == 2)
                sections << b.text().toHtmlEscaped();
        if (!sections.isEmpty())
            index += QStringLiteral("<br><small>") + sections.join(QStringLiteral(" &middot; "))
                     + QStringLiteral("</small>");
        index += QStringLiteral("</li>\n");
        for (const QString& name : pictureNames(chapters[i])) {
            const QString file = dir.filePath(QStringLiteral("images/") + name + QStringLiteral(".png"));
            if (!shown.contains(name) || !shown.value(name).save(file))
                return Error{kErrFile, QStringLiteral("Cannot write the picture ") + file};
        }
    }
    index += QStringLiteral("</ol>\n</body></html>\n");
    return writeText(dir.filePath(QStringLiteral("index.html")), index);
}
