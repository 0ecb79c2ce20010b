// The disclosure before both runs with its menu toggle, and the changes notice at start-up.

#include "main_window_fixture.h"

#include "platform/ui/settings.h"
#include "ui/delisting/delisting_run_command.h"
#include "ui/main/analysis_host.h"
#include "ui/main/frmTOVIDisclosure.h"
#include "ui/main/frmTOVIchanges.h"
#include "ui/main/main_window_services.h"
#include "ui/main/run_commands.h"
#include "ui/modal_script.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QProgressBar>
#include <QSettings>
#include <QTest>
#include <QTextBlock>

#include <optional>

namespace {

QString setting(const char* key)
{
    return GetSetting("TOVI", "Admin", QString::fromLatin1(key));
}

void store(const char* key, const QString& value)
{
    ASSERT_TRUE(SaveSetting("TOVI", "Admin", QString::fromLatin1(key), value));
}

// Puts a folder where the settings file should be: the store can then be neither read nor
// written.
void breakSettingsStore()
{
    const QString file = QSettings(QSettings::IniFormat, QSettings::UserScope, "TOVI", "TOVI").fileName();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
}

ModalScript::Step done(bool turnOff)
{
    return [turnOff](QDialog* dialog) {
        auto* disclosure = static_cast<frmTOVIDisclosure*>(dialog);
        EXPECT_FALSE(disclosure->Check1->isChecked()) << "unticked whenever the window opens";
        if (turnOff)
            QTest::mouseClick(disclosure->Check1, Qt::LeftButton);
        QTest::mouseClick(disclosure->Command1, Qt::LeftButton);
    };
}

void runForward()
{
    runRiskAnalysisCommand();
}

void runDelisting()
{
    // No analysis is open: the run stops at its first read, after the disclosure.
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    QProgressBar bar;
    runDelistingAnalysisCommand(bar);
}

}   // namespace

TEST_F(MainWindowTest, TheDisclosureWindowShowsItsTextWithTheHeadingStandingOut)
{
    start();
    frmTOVIDisclosure disclosure;
    EXPECT_EQ(disclosure.windowTitle(), "TOVI Disclosure");
    EXPECT_TRUE(disclosure.isModal());
    EXPECT_TRUE(disclosure.rtbTOVIDisclosure->isReadOnly());
    EXPECT_EQ(disclosure.Check1->text(), "Click here to turn off the Disclosure Statement");
    EXPECT_FALSE(disclosure.Check1->isChecked());
    EXPECT_EQ(disclosure.Command1->text(), "Done");
    EXPECT_TRUE(disclosure.Command1->isDefault());

    const QTextDocument* text = disclosure.rtbTOVIDisclosure->document();
    const QTextBlock heading = text->firstBlock();
    EXPECT_TRUE(heading.text().startsWith("TOVI"));
    EXPECT_EQ(heading.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(text->lastBlock().begin().fragment().charFormat().fontWeight(), QFont::Normal);
}

TEST_F(MainWindowTest, DoneStoresTheChoiceAndKeepsTheMenuTickInStep)
{
    frmMain& w = start();
    struct Case {
        const char* before;
        bool turnOff;
        const char* after;
    };
    const Case cases[] = {
        {"", false, "1"}, {"1", false, "1"}, {"0", false, "1"}, {"yes", false, "1"},
        {"1", true, "0"}, {"", true, "0"},   {"0", true, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + (c.turnOff ? " ticked" : " unticked"));
        store("Disclosure", c.before);
        w.mnuDisclosure->setChecked(c.turnOff);   // the opposite of what Done leaves
        frmTOVIDisclosure disclosure(&w);
        disclosure.show();
        done(c.turnOff)(&disclosure);
        EXPECT_EQ(setting("Disclosure"), c.after);
        EXPECT_EQ(w.mnuDisclosure->isChecked(), !c.turnOff);
        EXPECT_FALSE(disclosure.isVisible());
    }
}

TEST_F(MainWindowTest, TheCloseBoxOfTheDisclosureStoresNothing)
{
    frmMain& w = start();
    ModalScript dialogs;
    dialogs.expect("frmTOVIDisclosure", [](QDialog* dialog) {
        static_cast<frmTOVIDisclosure*>(dialog)->Check1->setChecked(true);
        closeWithCloseBox(dialog);
    });
    dialogs.expect("frmTOVIDisclosure", [](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    showDisclosureBeforeRun();
    showDisclosureBeforeRun();
    EXPECT_EQ(setting("Disclosure"), "");
    EXPECT_TRUE(w.mnuDisclosure->isChecked());
}

// Each row: the stored "Disclosure" (none: never stored) and whether the runs show the window.
TEST_F(MainWindowTest, BothRunsShowTheDisclosureFirstUnlessItIsTurnedOff)
{
    start();
    const std::pair<std::optional<QString>, bool> cases[] = {
        {std::nullopt, true}, {"1", true}, {"", true}, {"0", false}, {"yes", false}};
    for (void (*run)() : {runForward, runDelisting}) {
        for (const auto& [stored, shown] : cases) {
            SCOPED_TRACE(stored.value_or("never stored").toStdString());
            if (stored)
                store("Disclosure", *stored);
            ModalScript dialogs;
            if (shown)
                dialogs.expect("frmTOVIDisclosure", done(false));
            run();
            EXPECT_EQ(dialogs.ran(), shown ? 1 : 0);
            EXPECT_EQ(setting("Disclosure"), shown ? "1" : *stored);
        }
        QSettings(QSettings::IniFormat, QSettings::UserScope, "TOVI", "TOVI").remove("Admin/Disclosure");
    }
}

TEST_F(MainWindowTest, TurningTheDisclosureOffInTheWindowOrTheMenuHoldsForTheNextRuns)
{
    frmMain& w = start();
    EXPECT_TRUE(w.mnuDisclosure->isChecked());
    {
        ModalScript dialogs;
        dialogs.expect("frmTOVIDisclosure", done(true));
        runForward();
    }
    EXPECT_EQ(setting("Disclosure"), "0");
    EXPECT_FALSE(w.mnuDisclosure->isChecked());
    {
        ModalScript none;
        runDelisting();
        runForward();
    }

    w.mnuDisclosure->trigger();
    EXPECT_EQ(setting("Disclosure"), "1");
    EXPECT_TRUE(w.mnuDisclosure->isChecked());
    {
        ModalScript dialogs;
        dialogs.expect("frmTOVIDisclosure", done(false));
        runDelisting();
    }
    w.mnuDisclosure->trigger();
    EXPECT_EQ(setting("Disclosure"), "0");
    w.mnuDisclosure->trigger();
    EXPECT_EQ(setting("Disclosure"), "1");
    EXPECT_TRUE(w.mnuDisclosure->isChecked()) << "two clicks leave the tick as it was";
}

TEST_F(MainWindowTest, ADisclosureChoiceThatCannotBeStoredIsReportedAndChangesNothing)
{
    frmMain& w = start();
    breakSettingsStore();
    {
        ScriptedMessages messages;
        messages.expect("Unable to Save");
        ModalScript dialogs;
        dialogs.expect("frmTOVIDisclosure", done(true));
        runForward();
        ASSERT_FALSE(messages.shown().empty());
        EXPECT_TRUE(messages.shown().front().text.startsWith("The program experienced the following error: "));
    }
    EXPECT_TRUE(w.mnuDisclosure->isChecked());
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    w.mnuDisclosure->trigger();
    EXPECT_TRUE(w.mnuDisclosure->isChecked());
}

TEST(ChangesNotice, ShowsTheChangesWithItsCheckBoxAndTwoButtons)
{
    frmTOVIchanges notice;
    EXPECT_EQ(notice.windowTitle(), "Changes in TOVI");
    EXPECT_TRUE(notice.isModal());
    EXPECT_EQ(notice.chkShowChanges->text(), "Don't show this dialog again");
    EXPECT_FALSE(notice.chkShowChanges->isChecked());
    EXPECT_EQ(notice.cmdYes->text(), "Yes, View Document");
    EXPECT_EQ(notice.cmdNo->text(), "No, Go to Program");
    EXPECT_FALSE(notice.ViewChanges);
    EXPECT_EQ(notice.RichTextBox3->document()->blockCount(), 12);
    EXPECT_TRUE(notice.RichTextBox3->isReadOnly());
}

// Start-up with the real notice. Each row: the stored "ShowChanges" (none: never stored), how
// the user answers (none: the notice must not show), and what follows.
struct StartCase {
    std::optional<QString> stored;
    const char* answer;   // "yes", "no", "close"; nullptr: not shown
    bool tick;
    const char* after;
    bool documentOpened;
};

class ChangesNoticeAtStartUp : public MainWindowTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(ChangesNoticeAtStartUp, ShowsUntilTheUserTicksItOff)
{
    const StartCase& c = GetParam();
    if (c.stored)
        store("ShowChanges", *c.stored);
    int documents = 0;
    mainWindowServices().showChangesNotice = showChangesNoticeDialog;
    mainWindowServices().showChangesDocument = [&documents] { ++documents; };
    ModalScript dialogs;
    if (c.answer) {
        const QString answer = QString::fromLatin1(c.answer);
        dialogs.expect("frmTOVIchanges", [&c, answer](QDialog* dialog) {
            auto* notice = static_cast<frmTOVIchanges*>(dialog);
            EXPECT_FALSE(frmMain::instance()->isVisible()) << "the notice comes before the main window";
            notice->chkShowChanges->setChecked(c.tick);
            if (answer == "close")
                closeWithCloseBox(notice);
            else
                QTest::mouseClick(answer == "yes" ? notice->cmdYes : notice->cmdNo, Qt::LeftButton);
        });
    }
    start();
    EXPECT_EQ(dialogs.ran(), c.answer ? 1 : 0);
    EXPECT_EQ(setting("ShowChanges"), c.after);
    EXPECT_EQ(documents, c.documentOpened ? 1 : 0);
    EXPECT_TRUE(window().isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ChangesNoticeAtStartUp,
    ::testing::Values(StartCase{std::nullopt, "yes", false, "", true}, StartCase{std::nullopt, "no", true, "No", false},
                      StartCase{"", "yes", true, "No", true}, StartCase{"No", nullptr, false, "No", false},
                      StartCase{"no", nullptr, false, "no", false}, StartCase{"yes", nullptr, false, "yes", false}));

TEST_F(MainWindowTest, StartUpReportsSettingsItCannotStoreOnceAndGoesOn)
{
    breakSettingsStore();
    mainWindowServices().showChangesNotice = [] { return ChangesNoticeAnswer{false, true}; };
    mainWindowServices().scramblePassword = [](const QString&) { return QStringLiteral("scrambled"); };
    ScriptedMessages messages;
    messages.expect("Unable to Save");
    frmMain& w = start();
    EXPECT_EQ(messages.shown().size(), 1u) << "one report for the notice's answer and the password";
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.mnuDisclosure->isChecked()) << "an unreadable store reads as empty";
    EXPECT_EQ(w.windowTitle(), "TOVI v.3.0.35 - RCRA Subtitle D Quarvel Program ");
}
