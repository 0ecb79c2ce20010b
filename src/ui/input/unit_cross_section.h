#pragma once

#include <QWidget>

// A labelled cross-section of a waste management unit above the unsaturated and the saturated
// zone: a landfill with its cover, or a surface impoundment with its liner.
class UnitCrossSection : public QWidget {
    Q_OBJECT
public:
    enum class Unit { Landfill, SurfaceImpoundment };

    UnitCrossSection(Unit unit, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Unit m_unit;
};
