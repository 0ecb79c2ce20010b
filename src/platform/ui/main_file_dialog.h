#pragma once

#include "platform/ui/common_dialog.h"

// The main window's file dialog, which every file command of the program shares, so that it
// keeps its folder, name and filter choice from its last use anywhere. The main window points
// it at its own dialog; until then, and after it is reset with nullptr, one program-wide dialog
// serves.
CommonDialog& mainFileDialog();
void setMainFileDialog(CommonDialog* dialog);
