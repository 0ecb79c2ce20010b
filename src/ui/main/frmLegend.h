#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <array>

// The colour legend of the result tables: four rows of a coloured key and its explanation.
class frmLegend : public QDialog {
    Q_OBJECT
public:
    explicit frmLegend(QWidget* parent = nullptr);

    std::array<QLabel*, 4> Label1{};   // the keys, each in the colour it names
    std::array<QLabel*, 4> Label2{};   // the explanations
    QPushButton* Command1 = nullptr;
};
