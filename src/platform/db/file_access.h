#pragma once

#include <QFileInfo>

#include <optional>

#include <sys/types.h>

// Whether the program may write the file or folder. Root passes every access() test, so for it
// one counts as writable only when its mode grants writing to someone: a write-protected
// database or settings file is then refused as it is for users.
bool isWritable(const QFileInfo& info);

// A file as the file system knows it, whatever its name.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

// The file at `path`, through a link the file it names; none where there is none.
std::optional<FileIdentity> fileIdentity(const QString& path);
