#pragma once

#include "platform/db/result.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <vector>

// A document written as Markdown (or HTML): each level-1 heading starts a chapter, each level-2
// heading a section; a picture is written as ![caption](images/<name>.png).
struct BookSource {
    QString title;   // the title page's title; none: no title page and no contents
    QString subtitle;
    QString markdown;
    QString html;   // used instead of the Markdown text when it is not empty
};

// Writes the book as a PDF file of US letter pages: a title page and a contents page with the
// page of every chapter and section (when it has a title), every chapter on a new page, every
// section with a picture on a new page, pictures fitted to the text width, the page number at
// the foot of each page. Fails when a picture is not among `pictures` or the file cannot be
// written.
Status writeBook(const BookSource& source, const QHash<QString, QImage>& pictures, const QString& pdfPath);

// Gives every picture of the document its image and its size times `scale`, made smaller to fit
// the given width and height; fails on a picture not among `pictures`. The blocks that hold a
// picture, in order.
Result<std::vector<QTextBlock>> fitPictures(QTextDocument& doc, const QHash<QString, QImage>& pictures, qreal scale,
                                            qreal maxWidth, qreal maxHeight);

// The chapters of a Markdown text: each begins at a level-1 heading (outside code blocks).
QStringList splitChapters(const QString& markdown);
// The picture names a Markdown text refers to ("images/<name>.png" gives <name>).
QStringList pictureNames(const QString& markdown);
