#include "ui/common/ui_state.h"

namespace {
UiState& defaultState()
{
    static UiState state;
    return state;
}
UiState* g_current = nullptr;
}   // namespace

UiState& uiState()
{
    return g_current ? *g_current : defaultState();
}

ScopedUiState::ScopedUiState(UiState& state) : m_previous(g_current)
{
    g_current = &state;
}

ScopedUiState::~ScopedUiState()
{
    g_current = m_previous;
}
