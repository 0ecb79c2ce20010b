#pragma once

struct ProgramState;
class frmMain;

// Opens the database of the program folder and shows the main window with the stored
// analyses. On failure shows "Can't Open Database" and returns nullptr; the caller then ends
// the program with status 1.
frmMain* Main(ProgramState& state);

// Start-up, then the program's run until the main window closes; the program's exit status (1
// when the database could not be opened).
int runProgram(ProgramState& state);
