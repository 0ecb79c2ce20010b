#pragma once

#include "ui/main/analysis_host.h"

#include <QString>

#include <vector>

struct MainWindowControls;
class QObject;

// The enabled state of the main window's analysis commands: the pane's buttons, the menu items
// and the toolbar buttons that the open analysis switches.
class MainCommands {
public:
    explicit MainCommands(MainWindowControls& controls);
    ~MainCommands();

    // Sets the commands for an action: "Open", "New", "Close", "Save" or "Delete"; any other
    // text changes nothing.
    void setState(const QString& action);
    // A click on a node of the tree: Open, Export and Copy on; Delete on while no analysis is open.
    void nodeClicked(bool noneOpen);
    void markEdited(CommandReach reach);
    void markSaved(CommandReach reach);
    void markEditsCancelled();
    void setRunEnabled(bool enabled);
    // Whether the open analysis holds edits that are not stored (the pane's Save is on).
    bool saveOn() const;

private:
    struct Row;
    // Save on and Copy off while the analysis holds edits, else the other way round.
    void setEdited(bool edited, CommandReach reach);
    MainWindowControls& m_controls;
    std::vector<Row> m_rows;
};
