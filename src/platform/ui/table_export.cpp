#include "platform/ui/table_export.h"

#include "platform/text/windows1252.h"

#include <QFile>
#include <QSaveFile>

namespace {

Error fileError(const QString& path, const QString& reason)
{
    return {kErrFile, QStringLiteral("The file %1 could not be written: %2.").arg(path, reason)};
}

Status writeAll(QIODevice& out, const QByteArray& bytes)
{
    if (out.write(bytes) != bytes.size())
        return Error{kErrFile, QStringLiteral("The export could not be written: %1.").arg(out.errorString())};
    return {};
}

QString htmlLines(const QString& text)
{
    QString escaped = htmlEscape(text);
    escaped.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return escaped;
}

// One line of the text export: line breaks inside a caption would start a new record.
QString textCell(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

QByteArray windows1252OrQuestionMark(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<unsigned char> b = windows1252Byte(text[i]);
        bytes.append(b ? char(*b) : '?');
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return bytes;
}

}   // namespace

QString htmlEscape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case '&':
            out += QStringLiteral("&amp;");
            continue;
        case '<':
            out += QStringLiteral("&lt;");
            continue;
        case '>':
            out += QStringLiteral("&gt;");
            continue;
        case '"':
            out += QStringLiteral("&quot;");
            continue;
        default:
            break;
        }
        if (windows1252Byte(c)) {
            out += c;
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text[++i]);
        out += QStringLiteral("&#%1;").arg(quint32(code));
    }
    return out;
}

QString htmlTable(const GridModel& grid)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\r\n");
    if (grid.columnHeadersVisible()) {
        html += QStringLiteral("<thead>\r\n");
        if (!grid.groups().isEmpty()) {
            html += QStringLiteral("<tr>");
            for (int c = 0; c < grid.columnCount();) {
                const int g = grid.groupOf(c);
                if (g < 0) {
                    html += QStringLiteral("<th></th>");
                    ++c;
                    continue;
                }
                const GridGroup& group = grid.groups()[g];
                const int span = qMin(group.firstColumn + group.columnCount, grid.columnCount()) - c;
                html += QStringLiteral("<th colspan=\"%1\">%2</th>").arg(span).arg(htmlLines(group.caption));
                c += span;
            }
            html += QStringLiteral("</tr>\r\n");
        }
        html += QStringLiteral("<tr>");
        for (const GridColumn& column : grid.columns())
            html += QStringLiteral("<th>%1</th>").arg(htmlLines(column.caption));
        html += QStringLiteral("</tr>\r\n</thead>\r\n");
    }
    html += QStringLiteral("<tbody>\r\n");
    for (int r = 0; r < grid.dataRowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < grid.columnCount(); ++c)
            html += QStringLiteral("<td>%1</td>").arg(htmlLines(grid.displayText(r, c)));
        html += QStringLiteral("</tr>\r\n");
    }
    html += QStringLiteral("</tbody>\r\n</table>");
    return html;
}

Result<QString> readHtmlTemplate(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{kErrFile, QStringLiteral("The template %1 could not be read: %2.").arg(path, file.errorString())};
    return fromWindows1252(file.readAll());
}

Status writeHtmlTable(QIODevice& out, const QString& templateText, const GridModel& grid, const QString& title)
{
    QString html = templateText;
    html.replace(kTemplateTitleMarker, htmlEscape(title));
    const QString table = htmlTable(grid);
    if (html.contains(kTemplateTableMarker)) {
        html.replace(kTemplateTableMarker, table);
    } else {
        const qsizetype body = html.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
        html.insert(body < 0 ? html.size() : body, table + QStringLiteral("\r\n"));
    }
    bool ok = false;
    const QByteArray bytes = toWindows1252(html, &ok);
    if (!ok)
        return Error{kErrFile, QStringLiteral("The export holds a character that Windows-1252 lacks.")};
    return writeAll(out, bytes);
}

Status writeTextTable(QIODevice& out, const GridModel& grid)
{
    const QString crlf = QStringLiteral("\r\n");
    QStringList line;
    QString text;
    if (grid.columnHeadersVisible()) {
        for (const GridColumn& column : grid.columns())
            line << textCell(column.caption);
        text = line.join(QLatin1Char('\t')) + crlf;
    }
    for (int r = 0; r < grid.dataRowCount(); ++r) {
        line.clear();
        for (int c = 0; c < grid.columnCount(); ++c)
            line << textCell(grid.displayText(r, c));
        text += line.join(QLatin1Char('\t')) + crlf;
    }
    return writeAll(out, windows1252OrQuestionMark(text));
}

Status saveFile(const QString& path, const std::function<Status(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileError(path, file.errorString());
    if (Status s = write(file); !s) {
        file.cancelWriting();
        return s;
    }
    if (!file.commit())
        return fileError(path, file.errorString());
    return {};
}
