#pragma once

// The forward run as the user starts it (Run Analysis, the toolbar's Run Model button and the
// constituent window's run button): the engine's run with its window work.
void runRiskAnalysisCommand();
