#pragma once

// Shows the forward result windows after a run, in the run's order, the first at the top left
// corner of the main window's client area and each next one 330 twips to the right of and
// below the one before. Showing a window that is not loaded loads it, so it reads the results
// stored at that moment.
void showForwardResultWindows();
