#pragma once

#include "platform/db/result.h"

#include <QHash>
#include <QImage>
#include <QString>

// Pictures of the program's windows on a small example analysis, by window name (frmMain,
// frmSiteWMU, …). `programFolder` holds a copy of the shipped database in ChemDB/ and the
// documents the viewer shows in Documents/; the example analysis is stored there, run forward
// and for its delisting levels, and every window is drawn offscreen.
Result<QHash<QString, QImage>> renderWindowPictures(const QString& programFolder);
