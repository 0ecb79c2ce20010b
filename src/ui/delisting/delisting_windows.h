#pragma once

#include <QStringList>

// The seven result windows of a delisting-level run, in the order in which they are shown.
const QStringList& delistingResultWindowNames();

// Shows the seven windows in that order, each moved to the same left and top in twips, 0 for
// the first and 300 more for each next one, so the last lies on top. Showing a window that is
// not loaded loads it, so it reads the delisting records stored at that moment; callers unload
// the windows first to have them read anew.
void showDelistingResultWindows();

// Unloads the seven windows, in the order in which they are shown; a window that is not loaded
// is left alone.
void unloadDelistingResultWindows();
