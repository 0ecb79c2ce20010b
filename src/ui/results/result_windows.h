#pragma once

// Shows the forward result windows after a run, in the run's order, each 330 twips to the right
// of and below the one before, as the run places them after frmCusCOC at 0 and frmChngChems at
// 330: frmLimitResults at 660, frmExceedResults at 3630. Showing a window that is not loaded
// loads it, so it reads the results stored at that moment.
void showForwardResultWindows();
