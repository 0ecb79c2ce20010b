#pragma once

// Connects the parts of the program: the windows the main window loads by name and the
// commands it calls in other parts. Runs once before start-up.
void installProgramWiring();
