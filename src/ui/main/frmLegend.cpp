#include "ui/main/frmLegend.h"

#include "platform/ui/geometry.h"
#include "ui/common/window_names.h"

namespace {

struct Row {
    const char* key;
    int colour;   // blue-green-red
    const char* explanation;
};

const Row kRows[4] = {
    {"Red =", 0x0000FF, "Waste concentration greater than 1% chemical"},
    {"Orange = ", 33023, "Waste concentration is a detection limit"},
    {"* =", 0x000000, "Waste concentration is a detection limit"},
    {"Blue =", 0xFF0000, "Maximum allowable concentration"},
};

constexpr double kRowTop = 240;
constexpr double kRowHeight = 420;

}   // namespace

frmLegend::frmLegend(QWidget* parent) : QDialog(parent)
{
    setObjectName(windowName::frmLegend);
    setWindowTitle(QStringLiteral("Results Color Legend"));
    setModal(true);
    setFixedSize(twipsToPx(6120), twipsToPx(2760));

    for (int i = 0; i < 4; ++i) {
        const Row& row = kRows[i];
        const double top = kRowTop + i * kRowHeight;
        auto* key = new QLabel(QString::fromLatin1(row.key), this);
        key->setObjectName(QStringLiteral("Label1"));
        QPalette palette = key->palette();
        palette.setColor(QPalette::WindowText, colorFromBgr(row.colour));
        key->setPalette(palette);
        if (i == 2) {
            QFont font = key->font();
            font.setPointSize(12);
            key->setFont(font);
        }
        placeTwips(key, 240, top, 1080, 360);
        auto* explanation = new QLabel(QString::fromLatin1(row.explanation), this);
        explanation->setObjectName(QStringLiteral("Label2"));
        placeTwips(explanation, 1380, top, 4560, 360);
        Label1[size_t(i)] = key;
        Label2[size_t(i)] = explanation;
    }

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    placeTwips(Command1, 2460, 2040, 1200, 420);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}
