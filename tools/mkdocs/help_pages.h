#pragma once

#include "platform/db/result.h"

#include <QHash>
#include <QImage>
#include <QString>

// Writes the help pages into `folder`: one page per chapter of the guide's Markdown text
// (chapter01.html, …), its pictures in images/, and the contents page index.html that links
// every chapter and lists its sections.
Status writeHelpPages(const QString& guideMarkdown, const QHash<QString, QImage>& pictures, const QString& folder);
