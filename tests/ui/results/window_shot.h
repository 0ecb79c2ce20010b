#pragma once

#include <QString>

class FormWindow;

// Shows a loaded window at the top left corner of its area at the given size and saves a
// picture of it as <name>.png in the build folder's screenshots folder. False when no picture
// could be taken or saved.
bool saveWindowShot(FormWindow* window, const QString& name, int widthTwips, int heightTwips);

// A file of the build folder's screenshots folder, which exists afterwards.
QString screenshotPath(const QString& fileName);
