// Writes the program's documents into the build folder: the user's guide and the changes
// document (Documents/), the help pages (Help/) and the hand pointer (cursors/). The guide's
// pictures are the program's own windows, drawn offscreen on an example analysis in a database of
// their own, built from the data files: the user's database is never read.

#include "hand_cursor.h"
#include "help_pages.h"
#include "pdf_book.h"
#include "shipped_tables.h"
#include "window_pictures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

Result<QString> readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Error{kErrFile, QStringLiteral("Cannot read ") + path};
    return QString::fromUtf8(f.readAll());
}

Status writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size() || !f.flush())
        return Error{kErrFile, QStringLiteral("Cannot write ") + path};
    return {};
}

Status makeDocuments(const QString& guideFile, const QString& changesFile, const QString& dataDir, const QString& out)
{
    const QDir outDir(out);
    for (const char* folder : {"Documents", "Help", "cursors"})
        if (!outDir.mkpath(QString::fromLatin1(folder)))
            return Error{kErrFile, QStringLiteral("Cannot create ") + outDir.filePath(QString::fromLatin1(folder))};

    const QImage hand = handPointerPicture();
    if (Status s = writeBytes(outDir.filePath(QStringLiteral("cursors/h_point.cur")),
                              cursorFileBytes(hand, handPointerHotSpot()));
        !s)
        return s;

    // The changes document is the text of the changes notice under its own heading.
    Result<QString> changes = readText(changesFile);
    if (!changes)
        return changes.error();
    const QString changesPdf = outDir.filePath(QStringLiteral("Documents/TOVIchanges.pdf"));
    if (Status s = writeBook({QString(), QString(), QString(), QStringLiteral("<h1>Changes to TOVI</h1>") + *changes},
                             {}, changesPdf);
        !s)
        return s;

    // The example runs in a program folder of its own, with the documents the viewer shows.
    QTemporaryDir example;
    const QDir exampleDir(example.path());
    if (!example.isValid() || !exampleDir.mkpath(QStringLiteral("ChemDB"))
        || !exampleDir.mkpath(QStringLiteral("Documents"))
        || !QFile::copy(changesPdf, exampleDir.filePath(QStringLiteral("Documents/TOVIchanges.pdf"))))
        return Error{kErrFile, QStringLiteral("Cannot set up the example's program folder.")};
    if (Status s = buildShippedDatabase(exampleDir.filePath(QStringLiteral("ChemDB/TOVIv3.0.db")), dataDir); !s)
        return s;
    Result<QHash<QString, QImage>> pictures = renderWindowPictures(example.path());
    if (!pictures)
        return pictures.error();

    Result<QString> guide = readText(guideFile);
    if (!guide)
        return guide.error();
    if (Status s =
            writeBook({QStringLiteral("TOVI v.3.0 User's Guide"),
                       QStringLiteral("Delisting risk assessment for wastes in landfills and surface impoundments"),
                       *guide, QString()},
                      *pictures, outDir.filePath(QStringLiteral("Documents/uguide.pdf")));
        !s)
        return s;
    return writeHelpPages(*guide, *pictures, outDir.filePath(QStringLiteral("Help")));
}

}   // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: mkdocs GUIDE_MARKDOWN CHANGES_HTML DATA_DIR OUTPUT_FOLDER\n");
        return 2;
    }
    const Status made = makeDocuments(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                                      QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    if (!made) {
        std::fprintf(stderr, "mkdocs: %s\n", qPrintable(made.error().description));
        return 1;
    }
    return 0;
}
