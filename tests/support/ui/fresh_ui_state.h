#pragma once

#include "ui/common/ui_state.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

// Gives every test a UiState of its own, as its database gives it a ProgramState of its own:
// nothing a window leaves in it reaches the next test.
class FreshUiStatePerTest : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override
    {
        m_state = std::make_unique<UiState>();
        m_scope.emplace(*m_state);
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        m_scope.reset();
        m_state.reset();
    }

private:
    std::unique_ptr<UiState> m_state;
    std::optional<ScopedUiState> m_scope;
};
