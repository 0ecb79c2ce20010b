#pragma once

#include <QWidget>

// The mouse wheel over a list box or spin box of the window changes its value only while it has
// the focus; without the focus the wheel scrolls what lies under it, and never gives it the focus.
void wheelChangesOnlyFocusedControls(QWidget& window);
