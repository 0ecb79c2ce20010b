#pragma once

// Shows the forward result windows after a run, in the run's order: frmCusCOC at 0, then each
// 330 twips to the right of and below the one before, frmChngChems at 330 to frmExceedResults
// at 3630. Showing a window that is not loaded loads it, so it reads the results stored at that
// moment.
void showForwardResultWindows();
