#pragma once

// Installs the real message box, file dialog and print dialogs, as the program does when it
// starts.
void installDialogServices();
