#pragma once

#include <QFileInfo>

// Whether the program may write the file or folder. Root passes every access() test, so for it
// one counts as writable only when its mode grants writing to someone: a write-protected
// database or settings file is then refused as it is for users.
bool isWritable(const QFileInfo& info);
