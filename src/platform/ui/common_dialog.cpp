#include "platform/ui/common_dialog.h"

#include "platform/ui/service_slot.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

class QtFileDialogService : public FileDialogService {
public:
    FileDialogAnswer run(const FileDialogRequest& r) override
    {
        QFileDialog dialog(QApplication::activeWindow(), r.title, r.folder);
        dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setNameFilters(r.filters);
        if (r.filterIndex >= 1 && r.filterIndex <= r.filters.size())
            dialog.selectNameFilter(r.filters[r.filterIndex - 1]);
        if (!r.fileName.isEmpty())
            dialog.selectFile(r.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return {dialog.selectedFiles().front(), int(r.filters.indexOf(dialog.selectedNameFilter())) + 1};
    }
};

FileDialogService* g_service = nullptr;

FileDialogService& service()
{
    return installedService(g_service, fileDialogService(), "file dialog");
}

}   // namespace

FileDialogService& fileDialogService()
{
    static QtFileDialogService dialogs;
    return dialogs;
}

FileDialogService* setFileDialogService(FileDialogService* s)
{
    FileDialogService* previous = g_service;
    g_service = s;
    return previous;
}

QStringList CommonDialog::qtFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& p : QStringList(patterns))
            if (!patterns.contains(p.toLower()))
                patterns << p.toLower();
        // A description that ends in its own patterns, "Text (*.txt)", shows them once.
        QString description = parts[i];
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && description.endsWith(QLatin1Char(')'))) {
            const QStringList shown = description.mid(open + 1, description.size() - open - 2)
                                          .split(QRegularExpression(QStringLiteral("[ ;]")), Qt::SkipEmptyParts);
            if (!shown.isEmpty()
                && std::all_of(shown.begin(), shown.end(), [&](const QString& p) { return patterns.contains(p); }))
                description = description.left(open).trimmed();
        }
        out << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return out;
}

QString CommonDialog::proposedName(const QString& fileName, const QString& filter, int filterIndex)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    const int shown = filterIndex >= 1 && 2 * filterIndex <= parts.size() ? filterIndex : 1;
    if (fileName.isEmpty() || 2 * shown > parts.size())
        return fileName;
    const QStringList patterns = parts[2 * shown - 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QFileInfo file(fileName);
    for (const QString& pattern : patterns)
        if (QDir::match(pattern, file.fileName()))
            return fileName;
    static const QRegularExpression extensionPattern(QStringLiteral("^\\*\\.([^*?\\[\\]]+)$"));
    const QRegularExpressionMatch extension = patterns.isEmpty() ? QRegularExpressionMatch()
                                                                 : extensionPattern.match(patterns.front().trimmed());
    if (!extension.hasMatch())
        return fileName;
    return fileName.left(fileName.size() - file.fileName().size()) + file.completeBaseName() + QLatin1Char('.')
           + extension.captured(1);
}

void CommonDialog::ShowOpen()
{
    show(false);
}

void CommonDialog::ShowSave()
{
    show(true);
}

void CommonDialog::show(bool save)
{
    FileDialogRequest request;
    request.save = save;
    request.title = DialogTitle;
    request.folder = m_folder;
    request.fileName = proposedName(FileName, Filter, FilterIndex);
    request.filters = qtFilters(Filter);
    request.filterIndex = FilterIndex;
    const FileDialogAnswer answer = service().run(request);
    FileName = answer.fileName;
    if (answer.fileName.isEmpty())
        return;
    FilterIndex = answer.filterIndex;
    m_folder = QFileInfo(answer.fileName).absolutePath();
}
