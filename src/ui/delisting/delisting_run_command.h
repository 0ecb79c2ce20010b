#pragma once

class QProgressBar;

// The delisting-level run as the analysis window's "Calculate Delisting Levels" starts it after
// its save step: the engine's run with its window work (pointers, the window's progress bar,
// messages, the seven delisting windows). `progressBar` is the analysis window's.
void runDelistingAnalysisCommand(QProgressBar& progressBar);
