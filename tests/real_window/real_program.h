#pragma once

#include "core/temp_database.h"
#include "ui/input/frmSiteCOCs.h"
#include "ui/input/frmSiteWMU.h"
#include "ui/main/frmMain.h"
#include "ui/quiet_settings.h"
#include "ui/scripted_services.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

// The whole program on a real display: a chemical table, two stored analyses ("Mill Creek" with
// Benzene, and "Foundry sand"), the main window shown and active. Keys and clicks go where a
// user's would: to the widget that holds the focus.
class RealProgram : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    frmMain& main() { return *m_main; }
    static frmSiteWMU* site();
    static frmSiteCOCs* cocs();

    // Opens an analysis with a double click on its tree node.
    void openByDoubleClick(const QString& rootKey);

    // Waits until the widget holds the keyboard focus.
    static bool waitForFocus(const QWidget* widget);
    // Keys typed or pressed on whatever holds the focus (a key pressed with no control focused
    // goes to the active window).
    static void typeKeys(const QString& text);
    static void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    // A left click, as the window system delivers it.
    static void click(QWidget* widget, QPoint at);
    // A value read from the database file through a connection of its own (the program's may be
    // closed).
    QVariant storedValue(const QString& sql);

    TempDatabase db;
    // Answers the program's messages; a test that needs the real message box resets it.
    std::optional<ScriptedMessages> messages{std::in_place};

private:
    TempSettingsFolder m_settings;
    ScopedProgramState m_scope{db.state};
    QPointer<frmMain> m_main;
};

// Waits for the next real message box and, from inside its own event loop, hands it to `answer`,
// which must close it. A later box fails the test and is closed with its first button.
class BoxAnswer {
public:
    explicit BoxAnswer(std::function<void(QMessageBox&)> answer);
    ~BoxAnswer();
    QString text() const { return m_text; }
    bool seen() const { return !m_text.isEmpty(); }

private:
    QTimer m_poll;
    QString m_text;
    QStringList m_later;
    std::function<void(QMessageBox&)> m_answer;
};
