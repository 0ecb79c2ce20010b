#pragma once

#include "ui/main/frmMain.h"

#include <QPointer>

struct ProgramState;

// The whole program on the test's database: the program's wiring installed and the main window
// started, kept when closed, and active. nullptr (a test failure) when it did not start.
QPointer<frmMain> startWholeProgram(ProgramState& state);
// Deletes the main window without its closing questions and clears the services.
void endWholeProgram(QPointer<frmMain>& main);
