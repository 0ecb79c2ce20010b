#include "data/program_state.h"

#include <QDir>

QString ProgramState::databasePath() const
{
    return QDir(programFolder).filePath(QStringLiteral("ChemDB/TOVIv3.0.db"));
}
