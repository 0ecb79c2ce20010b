#include "ui/input/unit_cross_section.h"

#include <QPainter>
#include <QPainterPath>

UnitCrossSection::UnitCrossSection(Unit unit, QWidget* parent) : QWidget(parent), m_unit(unit)
{
    setFont(QFont(QStringLiteral("Arial"), 8));
}

void UnitCrossSection::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    const double w = r.width();
    const double h = r.height();
    const double ground = h * 0.42;
    const double waterTable = h * 0.74;

    p.fillRect(QRectF(0, 0, w, ground), QColor(0xEE, 0xF5, 0xFC));
    p.fillRect(QRectF(0, ground, w, waterTable - ground), QColor(0xD8, 0xC0, 0x96));
    p.fillRect(QRectF(0, waterTable, w, h - waterTable), QColor(0x86, 0xB7, 0xE0));
    p.setPen(QPen(QColor(0x30, 0x60, 0xA0), 1, Qt::DashLine));
    p.drawLine(QPointF(0, waterTable), QPointF(w, waterTable));

    const double left = w * 0.22;
    const double right = w * 0.78;
    const double slope = w * 0.10;
    QPainterPath unit;
    if (m_unit == Unit::Landfill) {
        const double top = h * 0.16;
        const double base = ground + h * 0.08;
        unit.moveTo(left, base);
        unit.lineTo(left + slope, top);
        unit.lineTo(right - slope, top);
        unit.lineTo(right, base);
        unit.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x8C, 0x7B, 0x6B));
        p.drawPath(unit);
        p.setPen(QPen(QColor(0x3C, 0x7A, 0x2E), 5));
        p.drawLine(QPointF(left + slope, top), QPointF(right - slope, top));
        p.setPen(Qt::black);
        p.drawLine(QPointF(right - slope * 1.5, top), QPointF(right + slope * 0.2, h * 0.08));
        p.drawText(QPointF(right + slope * 0.3, h * 0.10), QStringLiteral("Cover"));
    } else {
        const double top = ground;
        const double base = ground + h * 0.13;
        unit.moveTo(left, top);
        unit.lineTo(left + slope, base);
        unit.lineTo(right - slope, base);
        unit.lineTo(right, top);
        unit.closeSubpath();
        p.setBrush(QColor(0x5E, 0x8F, 0x6E));
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 4));
        p.drawPath(unit);
        p.setPen(Qt::black);
        p.drawLine(QPointF(right - slope * 0.5, (top + base) / 2), QPointF(right + slope * 0.3, h * 0.24));
        p.drawText(QPointF(right + slope * 0.4, h * 0.22), QStringLiteral("Liner"));
    }

    p.setPen(Qt::black);
    p.drawText(QRectF(0, waterTable - h * 0.15, w, h * 0.14), Qt::AlignCenter, QStringLiteral("Unsaturated Zone"));
    p.drawText(QRectF(0, waterTable, w, h - waterTable), Qt::AlignCenter, QStringLiteral("Saturated Zone"));
    p.setPen(QPen(Qt::gray));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}
