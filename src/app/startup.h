#pragma once

struct ProgramState;
class frmMain;

// Opens the database of the program folder and shows the main window with the stored
// analyses. On failure shows "Can't Open Database" and returns nullptr; the caller then ends
// the program with status 1.
frmMain* Main(ProgramState& state);
