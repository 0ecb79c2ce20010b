#pragma once

#include <functional>

class QProgressBar;

// What the analysis information window calls in other parts of the program. The program's
// start-up installs it; a command whose service is not installed does nothing.
struct SiteWindowServices {
    // RunDelistingAnalysis for the open analysis, after the window has stored steps 1 to 3.
    // It drives the window's ProgressBar1 (range, value, hidden at the end) and returns when
    // the run has ended, whatever the outcome; it reports its own refusals and failures.
    std::function<void(QProgressBar& progressBar)> runDelistingAnalysis;
};

SiteWindowServices& siteWindowServices();
