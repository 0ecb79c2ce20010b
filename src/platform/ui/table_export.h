#pragma once

#include "platform/db/result.h"
#include "platform/ui/grid_model.h"

#include <QIODevice>
#include <QString>

#include <functional>

// Exports of a grid as it shows: the group and column captions and the displayed texts after
// row styling, without styles. Files are Windows-1252.

// The template's markers: the title goes in place of the first, the table in place of the
// second (before "</body>" when the template has no table marker).
inline const QString kTemplateTitleMarker = QStringLiteral("<!--TITLE-->");
inline const QString kTemplateTableMarker = QStringLiteral("<!--TABLE-->");

// A text escaped for HTML; a character that Windows-1252 lacks becomes a numeric reference.
QString htmlEscape(const QString& text);

// The grid as an HTML table: the group captions (when the grid has groups) and the column
// captions in its head, one row per grid row in its body.
QString htmlTable(const GridModel& grid);

// Reads a Windows-1252 template file.
Result<QString> readHtmlTemplate(const QString& path);

// Writes the template filled with the title and the grid's table.
Status writeHtmlTable(QIODevice& out, const QString& templateText, const GridModel& grid, const QString& title);

// Writes one line of column captions, then one line per row, the cells joined by TAB and the
// lines ended by CR LF; a character that Windows-1252 lacks becomes "?".
Status writeTextTable(QIODevice& out, const GridModel& grid);

// Writes a file through a temporary file that replaces the target only when everything was
// written: a failure leaves no file behind.
Status saveFile(const QString& path, const std::function<Status(QIODevice&)>& write);
