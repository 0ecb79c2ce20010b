#pragma once

#include "ui/common/result_grid_window.h"

#include <optional>

// The chemical classes of the delisting records.
inline const QString kCarcinogen = QStringLiteral("Carcinogen");
inline const QString kNoncarcinogen = QStringLiteral("Noncarcinogen");

// What a delisting result window shows in one cell of a chemical's row.
struct DelistingCell {
    enum Kind { Name, Field, Dash, Empty };
    Kind kind = Empty;
    QString field;   // of a Field cell

    static DelistingCell name() { return {Name, {}}; }
    static DelistingCell of(const QString& field) { return {Field, field}; }
    static DelistingCell dash() { return {Dash, {}}; }
    static DelistingCell empty() { return {Empty, {}}; }
};

// A column of a delisting result window: caption, width and the cell of a carcinogen's row and
// of any other chemical's row.
struct DelistingColumn {
    QString caption;
    int widthTwips = 0;
    DelistingCell carcinogen;
    DelistingCell noncarcinogen;

    // "Chemical Name" with the chemical's name in every row.
    static DelistingColumn chemicalName(int widthTwips)
    {
        return {QStringLiteral("Chemical Name"), widthTwips, DelistingCell::name(), DelistingCell::name()};
    }
    // A field of the record in every row.
    static DelistingColumn number(const QString& caption, const QString& field, int widthTwips)
    {
        return {caption, widthTwips, DelistingCell::of(field), DelistingCell::of(field)};
    }
};

// What makes one delisting result window.
struct DelistingLayout {
    QString caption;
    QString gridName = QStringLiteral("SSOleDBGrid1");
    // The class that the window's query selects, compared as the database compares texts,
    // without regard to letter case; none: every chemical of the run.
    std::optional<QString> chemicalClass;
    int clientWidthTwips = 0;
    int clientHeightTwips = 0;
    // The grid's offset from the client area's top left corner; the grid keeps the same margin
    // on the right as on the left and none at the bottom.
    int gridLeftTwips = 10;
    int gridTopTwips = 100;
    QVector<DelistingColumn> columns;
    QVector<GridGroup> groups;
};

// A result window of the delisting-level run: one row per delisting record of the open analysis
// (of the window's chemical class, in the order the run stored them), a carcinogen's cells or
// those of any other class by the record's class, with the styles, printing and export of the
// forward result windows. Records whose class holds no value have no row.
class DelistingResultWindow : public ResultGridWindow {
    Q_OBJECT
protected:
    explicit DelistingResultWindow(const DelistingLayout& layout);

    void setupColumns(GridModel& grid) override;
    QString recordSource() const override;
    QVariantList recordParameters() const override;
    std::optional<QVector<GridCell>> recordRow(const ResultRecord& record) override;
    void formLoad() override;

private:
    const DelistingLayout m_layout;
};
