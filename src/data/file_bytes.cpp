#include "data/file_bytes.h"

#include <QFile>

namespace {

Error tooLong(qint64 limit)
{
    return Error{kErrFormat,
                 QStringLiteral("The file is longer than %1 bytes, the most a file of its kind holds.").arg(limit)};
}

}   // namespace

Result<QByteArray> readFileBytes(const QString& path, qint64 limit, LongerFile longer)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{kErrFile, QStringLiteral("The file %1 cannot be read.").arg(path)};
    // A device such as a pipe has no size: one byte more than the limit tells a longer one.
    const qint64 size = file.isSequential() ? limit + 1 : file.size();
    if (!file.isSequential() && size > limit && longer == LongerFile::Refuse)
        return tooLong(limit);
    QByteArray bytes = file.read(qMin(size, longer == LongerFile::Refuse ? limit + 1 : limit));
    if (file.error() != QFileDevice::NoError)
        return Error{kErrFile, QStringLiteral("The file %1 cannot be read.").arg(path)};
    if (bytes.size() > limit)
        return tooLong(limit);
    return bytes;
}
