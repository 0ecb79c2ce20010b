#pragma once

#include "platform/db/result.h"
#include "ui/main/analysis_host.h"

#include <QStringList>

#include <optional>

// Stand-ins for the analysis input windows and the result windows, registered under the real
// windows' names. They behave as the main window expects of them and record what was asked.

struct FakeSiteWindow {
    SiteWindowInputs inputs;
    bool numbersPass = true;   // the number check's answer
    int loads = 0;
};
struct FakeConstituentWindow {
    QStringList casNumbers;   // the grid: one stored row per CAS number
    bool unique = true;       // the duplicate check's answer
    std::optional<Error> storeFailure;
    int savedCalls = 0;
    int loads = 0;
};

FakeSiteWindow& fakeSite();
FakeConstituentWindow& fakeConstituents();
// The fake grid's rows as the constituent window's save stores them.
ConstituentRows fakeConstituentRows();
// What the result windows and the administrator window did, in order: "load:<name>",
// "export:<name>", "unload:frmPassword …".
QStringList& resultWindowLog();

// Registers every fake under its window name and resets the recorded state.
void installFakeWindows();

// An edit in the analysis information window, or in the constituent grid: marks the inputs as
// changed on the main window.
void editSiteWindow();
void editConstituentWindow();
