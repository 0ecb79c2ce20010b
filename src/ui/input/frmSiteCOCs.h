#pragma once

#include "platform/db/connection.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/forms.h"
#include "platform/ui/grid_drop_down.h"
#include "ui/common/table_operations.h"
#include "ui/main/analysis_host.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <optional>

// The constituent window (steps 4 and 5): the analysis's constituents in a grid, chemicals chosen
// from the chemical table or the user's own chemicals, their concentrations and detection
// limits, saved as the analysis's SITECOCS rows; the forward run starts from here.
class frmSiteCOCs : public FormWindow, public ConstituentInputWindow, public PrintableTable, public ExportableTable {
    Q_OBJECT
public:
    frmSiteCOCs();

    bool checkConstituentRows() override;
    Result<ConstituentRows> constituentRows() const override;
    void constituentRowsSaved() override;

    // Saves the grid as the open analysis's constituent rows, as "Update Site COCs" does.
    void UpdateRemoteCOCs();
    // Rebuilds the chemical lists from the source chosen in cmbDataSource.
    void ResetCOCs();
    // A text as a Boolean: "0" and the empty text False, "-1" True, "True" and "False" in any
    // letter case, a number True unless 0; any other text is an error.
    static Result<bool> ToBoolean(const QString& ConvStrng);
    void PrintTable(bool FirstPrint) override;
    void ExportToTable() override;
    bool loadFailed() const override { return m_loadFailure.has_value(); }

    void cmdUpdateSiteCOCs_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    void cmdBack_Click();
    void cmdRunTOVI_Click();

    DataGrid* grdSiteCOCs = nullptr;
    GridDropDown* drdChemName = nullptr;
    GridDropDown* drdChemCAS = nullptr;
    QComboBox* cmbDataSource = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Line2 = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdUpdateSiteCOCs = nullptr;
    QPushButton* cmdRunTOVI = nullptr;
    // The forward run's progress, 0 to 100.
    QProgressBar* ProgressBar1 = nullptr;

protected:
    void formLoad() override;
    bool queryUnload() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Status loadWindow();
    Status SetChemSource(const QString& flag);
    void fillList(GridDropDown& list);
    void SetupGrid();
    void layoutControls();
    // The smallest size that shows every control; a smaller window scrolls.
    void fitMinimumSize();
    void reportListFailure(const Status& status);

    // The name and CAS cells open their editor, and with it their list.
    void openChemicalCell(int column);
    void enterPressed(int row, int column);
    // A choice from a chemical list: the chemical of its row, or a name typed that starts none.
    void closeUp(int row, int column, int listRow, const QString& typed);
    // Whether the hand-typed chemical of a row takes a typed CAS number: one that no chemical of
    // either list has; the user is told which list holds it otherwise.
    bool handTypedRowTakes(int row, const QString& cas);
    std::optional<GridCell> checkTypedCell(int column, const QString& text);

    void markEdited();
    void markSaved();

    QueryRows m_chemicals;
    bool m_refresh = false;
    bool m_loading = false;
    bool m_warning = false;   // an "Invalid Input" message is up
    // Why the load stopped: the grid then lacks the stored rows, so it never replaces them.
    std::optional<Error> m_loadFailure;
};
