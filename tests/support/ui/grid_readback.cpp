#include "ui/grid_readback.h"

#include "platform/ui/grid_model.h"

#include <QBrush>
#include <QFont>

QStringList shownRow(const QAbstractItemModel& model, int row)
{
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c)
        cells << model.index(row, c).data(Qt::DisplayRole).toString();
    return cells;
}

QStringList styleRow(const QAbstractItemModel& model, int row)
{
    QStringList styles;
    for (int c = 0; c < model.columnCount(); ++c)
        styles << model.index(row, c).data(StyleNameRole).toString();
    return styles;
}

QString cellLook(const QAbstractItemModel& model, int row, int column)
{
    const QModelIndex index = model.index(row, column);
    const QFont font = index.data(Qt::FontRole).value<QFont>();
    QString look = index.data(Qt::ForegroundRole).value<QBrush>().color().name();
    if (font.bold())
        look += QStringLiteral(" b");
    if (font.italic())
        look += QStringLiteral(" i");
    return look;
}
