#pragma once

#include <QString>

// The program's own texts, kept as HTML files among the program's resources.
enum class InfoText { Acknowledgements, Objective, Mission, Procedure, Disclosure, Changes };

// The text as HTML.
QString infoText(InfoText which);
