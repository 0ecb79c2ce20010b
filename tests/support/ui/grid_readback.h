#pragma once

#include <QAbstractItemModel>
#include <QColor>
#include <QStringList>

// A grid row as the view shows it, read through the model's roles.
QStringList shownRow(const QAbstractItemModel& model, int row);
// The style names of a row's cells.
QStringList styleRow(const QAbstractItemModel& model, int row);
// The text colour and font attributes of one cell, as "#rrggbb", "b" for bold, "i" for italic.
QString cellLook(const QAbstractItemModel& model, int row, int column);
