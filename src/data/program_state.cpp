#include "data/program_state.h"

#include <QDir>

namespace {
ProgramState& defaultState()
{
    static ProgramState state;
    return state;
}
ProgramState* g_current = nullptr;
}   // namespace

QString ProgramState::databasePath() const
{
    return QDir(programFolder).filePath(QStringLiteral("ChemDB/TOVIv3.0.db"));
}

ProgramState& programState()
{
    return g_current ? *g_current : defaultState();
}

ScopedProgramState::ScopedProgramState(ProgramState& state) : m_previous(g_current)
{
    g_current = &state;
}

ScopedProgramState::~ScopedProgramState()
{
    g_current = m_previous;
}
