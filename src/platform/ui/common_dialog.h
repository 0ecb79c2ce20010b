#pragma once

#include <QString>
#include <QStringList>

// What a file dialog is asked and what it answers. An empty file name means cancelled.
struct FileDialogRequest {
    bool save = false;
    QString title;
    QString folder;
    QString fileName;
    QStringList filters;   // in the dialog's own form, "Text (*.txt *.TXT)"
    int filterIndex = 1;   // 1-based
};
struct FileDialogAnswer {
    QString fileName;
    int filterIndex = 1;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual FileDialogAnswer run(const FileDialogRequest& request) = 0;
};

// Installs a service (nullptr: none) and returns the one it replaces.
FileDialogService* setFileDialogService(FileDialogService* service);
// The real file dialog, which the program installs.
FileDialogService& fileDialogService();

// The program's file dialog. Filter, filter index and folder are kept between uses; a
// cancelled dialog always leaves FileName empty.
class CommonDialog {
public:
    QString Filter;        // "Description|pattern|Description|pattern"
    int FilterIndex = 1;   // 1-based
    QString FileName;
    QString DialogTitle;

    void ShowOpen();
    void ShowSave();

    // "A (*.a)|*.a" as the dialog's filters, with lower-case patterns added.
    static QStringList qtFilters(const QString& filter);
    // The name the dialog proposes: a remembered name that no pattern of the shown filter takes
    // keeps its folder and base name and takes that filter's extension.
    static QString proposedName(const QString& fileName, const QString& filter, int filterIndex);

private:
    void show(bool save);
    QString m_folder;
};
