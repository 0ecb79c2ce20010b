#include "ui/quiet_settings.h"
#include "ui/scripted_services.h"

#include "platform/ui/common_dialog.h"
#include "platform/ui/dialog_services.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "platform/ui/grid_print.h"
#include "platform/ui/keyed_tree.h"
#include "platform/ui/message_box.h"
#include "platform/ui/settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(Settings, StringsRoundTripThroughAFreshStore)
{
    TempSettingsFolder dir;
    setSettingsFolder(dir.path());
    EXPECT_EQ(GetSetting("TOVI", "Admin", "Disclosure"), QString()) << "never stored reads as empty";
    const QString scrambled = QString::fromUtf8("\xc3\xa9\xc2\x81z;=");
    ASSERT_TRUE(SaveSetting("TOVI", "Admin", "Change", scrambled));
    ASSERT_TRUE(SaveSetting("TOVI", "Admin", "Disclosure", "0"));
    QSettings fresh(QSettings::IniFormat, QSettings::UserScope, "TOVI", "TOVI");
    EXPECT_EQ(fresh.value("Admin/Change").toString(), scrambled);
    EXPECT_EQ(GetSetting("TOVI", "Admin", "Disclosure"), QStringLiteral("0"));
}

TEST(Settings, AStoreThatCannotBeReadReadsAsEmptyAndRefusesWritesThatWouldLoseIt)
{
    TempSettingsFolder dir;
    setSettingsFolder(dir.path());
    ASSERT_TRUE(SaveSetting("TOVI", "Admin", "Disclosure", "0"));
    {
        QSettings raw(QSettings::IniFormat, QSettings::UserScope, "TOVI", "TOVI");
        raw.setValue("Admin/ShowChanges", QStringList({"No", "Yes"}));
    }
    EXPECT_EQ(GetSetting("TOVI", "Admin", "ShowChanges"), QString()) << "a value that is no single string";
    EXPECT_EQ(GetSetting("TOVI", "Admin", "Disclosure"), "0");

    const QString file = QSettings(QSettings::IniFormat, QSettings::UserScope, "TOVI", "TOVI").fileName();
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));
    EXPECT_EQ(GetSetting("TOVI", "Admin", "Disclosure", "default"), "default");
    const Status s = SaveSetting("TOVI", "Admin", "Disclosure", "1");
    ASSERT_FALSE(s);
    EXPECT_EQ(s.error().number, kErrFile);
    EXPECT_TRUE(s.error().description.contains(file));
}

TEST(Settings, AFileOfRandomBytesIsRewrittenWithTheStoredValue)
{
    TempSettingsFolder dir;
    setSettingsFolder(dir.path());
    QFile garbage(QSettings(QSettings::IniFormat, QSettings::UserScope, "TOVI", "TOVI").fileName());
    QByteArray bytes(600, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(garbage).path()) && garbage.open(QIODevice::WriteOnly));
    garbage.write(bytes);
    garbage.close();
    EXPECT_TRUE(SaveSetting("TOVI", "Admin", "Change", "scrambled"));
    EXPECT_EQ(GetSetting("TOVI", "Admin", "Change"), "scrambled");
}

// A file with values and a line that is no setting, then a write: refused by a write-protected
// file (1) or folder (2), or failing for want of a new file's name beside it (too long).
TEST(Settings, ReadsGiveTheFilesValuesBesideAGarbageLineAndAfterAFailedWrite)
{
    const std::pair<QString, int> cases[] = {{"TOVI", 0}, {"TOVI", 1}, {"TOVI", 2}, {QString(245, 'T'), 0}};
    for (const auto& [app, protect] : cases) {
        TempSettingsFolder dir;
        setSettingsFolder(dir.path());
        const QString folder = dir.path() + '/' + app;
        QFile ini(folder + '/' + app + ".ini");
        ASSERT_TRUE(QDir().mkpath(folder) && ini.open(QIODevice::WriteOnly));
        ini.write("[Admin]\nShowChanges=No\nnot a setting\nDisclosure=0\n");
        ini.close();
        const auto reads = [&app] {
            return GetSetting(app, "Admin", "ShowChanges") + GetSetting(app, "Admin", "Disclosure");
        };
        EXPECT_EQ(reads(), "No0") << protect;
        if (protect)
            QFile::setPermissions(protect == 1 ? ini.fileName() : folder, QFile::ReadOwner | QFile::ExeOwner);
        const bool written = SaveSetting(app, "Admin", "ShowChanges", "Yes").ok();
        EXPECT_EQ(written, app.size() == 4 && !protect) << protect;
        EXPECT_EQ(reads(), written ? "Yes0" : "No0") << protect;
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(Settings, EveryGuiTestProgramStartsWithQuietSettingsOfItsOwn)
{
    EXPECT_EQ(GetSetting("TOVI", "Admin", "Disclosure"), "0");
    EXPECT_EQ(GetSetting("TOVI", "Admin", "ShowChanges"), "No");
    const QString file = QSettings(QSettings::IniFormat, QSettings::UserScope, "TOVI", "TOVI").fileName();
    EXPECT_FALSE(file.startsWith(QDir::homePath())) << qPrintable(file);
}

TEST(CommonDialog, FiltersKeepStateAndCancelGivesNoName)
{
    // A pattern the description already shows is not shown twice; one it does not show is added.
    EXPECT_EQ(CommonDialog::qtFilters("TOVI Export (*.TVN)|*.TVN|All Files (*.*)|*.*|Table (*.html)|*.html|"
                                      "Notes (see below)|*.txt|Plain|*.TXT"),
              (QStringList{"TOVI Export (*.TVN *.tvn)", "All Files (*.*)", "Table (*.html)",
                           "Notes (see below) (*.txt)", "Plain (*.TXT *.txt)"}));

    ScriptedFileDialogs files;
    files.answer("/tmp/x/a.TVN", 2).answer(QString());
    CommonDialog dlg;
    dlg.Filter = "A (*.a)|*.a|B (*.b)|*.b";
    dlg.FileName = "old.a";
    dlg.ShowOpen();
    EXPECT_EQ(dlg.FileName, QStringLiteral("/tmp/x/a.TVN"));
    EXPECT_EQ(dlg.FilterIndex, 2);
    dlg.ShowSave();
    EXPECT_TRUE(dlg.FileName.isEmpty()) << "cancel never hands back the previous name";
    ASSERT_EQ(files.requests().size(), 2u);
    EXPECT_EQ(files.requests()[1].folder, QStringLiteral("/tmp/x"));
    EXPECT_EQ(files.requests()[1].filterIndex, 2);
    EXPECT_TRUE(files.requests()[1].save);
}

// A remembered name of another kind of file is proposed with the extension of the filter shown.
TEST(CommonDialog, ProposesTheRememberedNameInTheKindOfTheShownFilter)
{
    const QString table = "Table Export (*.html)|*.html|MS Excel Tab Delimited Text File (*.txt)|*.txt";
    const QString import = "TOVI v.1.0 (*.TVN)|*.TVN|TOVI v.2.0 (*.TVN)|*.TVN|All Files (*.*)|*.*";
    const struct {
        QString remembered;
        QString filter;
        int filterIndex;
        QString proposed;
    } cases[] = {
        {"/w/Plant A.TVN", table, 2, "/w/Plant A.txt"},
        {"/w/Plant A.TVN", table, 1, "/w/Plant A.html"},
        {"/w/a.b.txt", "TOVI Export (*.TVN)|*.TVN", 1, "/w/a.b.TVN"},
        {"/w/a.tvn", "TOVI Export (*.TVN)|*.TVN", 1, "/w/a.tvn"},
        {"/w/a.html", import, 2, "/w/a.TVN"},
        {"/w/a.html", import, 3, "/w/a.html"},
        {"/w/a.txt", table, 7, "/w/a.html"},
        {"report", table, 2, "report.txt"},
        {"", table, 1, ""},
    };
    for (const auto& c : cases) {
        ScriptedFileDialogs files;
        files.answer(QString());
        CommonDialog dlg;
        dlg.Filter = c.filter;
        dlg.FilterIndex = c.filterIndex;
        dlg.FileName = c.remembered;
        dlg.ShowSave();
        ASSERT_EQ(files.requests().size(), 1u);
        EXPECT_EQ(files.requests()[0].fileName, c.proposed) << qPrintable(c.remembered) << " " << c.filterIndex;
    }
}

class frmProbe : public FormWindow {
    Q_OBJECT
public:
    bool allowClose = true;
    int loads = 0;
    static inline int unloads = 0;

protected:
    void formLoad() override { ++loads; }
    bool queryUnload() override { return allowClose; }
    void formUnload() override { ++unloads; }
};

TEST(ServiceSlots, TheProgramInstallsTheRealDialogsAndATestProgramOnesThatFailAtOnce)
{
    EXPECT_NONFATAL_FAILURE(MsgBox(QStringLiteral("Never shown")), "unscripted message");
    EXPECT_NONFATAL_FAILURE(CommonDialog().ShowOpen(), "unscripted file dialog");
    EXPECT_NONFATAL_FAILURE(printGrid(GridModel(), GridPrintSetup(), true), "unscripted page set-up dialog");
    installDialogServices();
    EXPECT_EQ(setMessageService(nullptr), &messageBoxService());
    EXPECT_EQ(setFileDialogService(nullptr), &fileDialogService());
    EXPECT_EQ(setPrintDialogService(nullptr), &printDialogService());
    installUnscriptedDialogs();
}

// Instead of a real dialog that no test answers, a debug build stops, naming the slot.
TEST(ServiceSlots, ASlotNeverInstalledStopsADebugBuild)
{
#ifdef NDEBUG
    GTEST_SKIP() << "a release build falls back to the real dialogs";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    setMessageService(nullptr);
    setFileDialogService(nullptr);
    setPrintDialogService(nullptr);
    EXPECT_DEATH(MsgBox(QStringLiteral("Never shown")), "The message box service was never installed");
    EXPECT_DEATH(CommonDialog().ShowOpen(), "The file dialog service was never installed");
    EXPECT_DEATH(printGrid(GridModel(), GridPrintSetup(), true), "The print dialog service was never installed");
    installUnscriptedDialogs();
#endif
}

TEST(Forms, OneInstancePerWindowUntilUnloaded)
{
    QMdiArea area;
    area.resize(800, 600);
    Forms::setMdiArea(&area);
    frmProbe::unloads = 0;

    frmProbe* a = Forms::get<frmProbe>();
    EXPECT_EQ(a->objectName(), QStringLiteral("frmProbe"));
    EXPECT_EQ(a->loads, 1);
    EXPECT_EQ(Forms::get<frmProbe>(), a);
    EXPECT_FALSE(a->frame()->isVisible()) << "loaded hidden";
    EXPECT_EQ(area.subWindowList().size(), 1);
    area.show();
    a->setWindowStateCode(FormWindow::vbMaximized);
    EXPECT_FALSE(a->frame()->isVisible()) << "a hidden window takes its state without being shown";
    a->showForm();
    EXPECT_EQ(a->windowStateCode(), FormWindow::vbMaximized);
    a->setWindowStateCode(FormWindow::vbNormal);

    a->showForm();
    a->moveTwips(330, 660);
    EXPECT_EQ(a->leftTwips(), 330);
    EXPECT_EQ(a->topTwips(), 660);
    a->setWindowStateCode(FormWindow::vbMinimized);
    EXPECT_EQ(a->windowStateCode(), FormWindow::vbMinimized);

    a->allowClose = false;
    EXPECT_FALSE(Forms::unload("frmProbe"));
    EXPECT_TRUE(Forms::isLoaded("frmProbe"));
    a->allowClose = true;
    EXPECT_TRUE(Forms::unload<frmProbe>());
    EXPECT_EQ(frmProbe::unloads, 1);
    EXPECT_FALSE(Forms::isLoaded("frmProbe"));
    EXPECT_TRUE(Forms::unload("frmProbe")) << "unloading a window that is not loaded does nothing";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(area.subWindowList().isEmpty());

    frmProbe* b = Forms::get<frmProbe>();
    EXPECT_EQ(b->loads, 1) << "a new window after an unload";
    b->frame()->close();
    EXPECT_FALSE(Forms::isLoaded("frmProbe")) << "the close box unloads too";
    Forms::setMdiArea(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class frmProbeTwo : public FormWindow {
    Q_OBJECT
};

TEST(Forms, MinimisingEndsTheMaximisedDisplaySoNewWindowsStandWhereTheyAreMoved)
{
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    Forms::setMdiArea(&area);
    frmProbe* a = Forms::get<frmProbe>();
    frmProbeTwo* b = Forms::get<frmProbeTwo>();
    for (FormWindow* w : {static_cast<FormWindow*>(a), static_cast<FormWindow*>(b)}) {
        w->resizeTwips(3000, 2000);
        w->showForm();
        w->setWindowStateCode(FormWindow::vbMaximized);
    }
    a->setWindowStateCode(FormWindow::vbMinimized);
    b->setWindowStateCode(FormWindow::vbMinimized);
    EXPECT_EQ(a->windowStateCode(), FormWindow::vbMinimized);
    EXPECT_EQ(b->windowStateCode(), FormWindow::vbMinimized);

    Forms::unload<frmProbe>();
    frmProbe* c = Forms::get<frmProbe>();
    c->resizeTwips(3000, 2000);
    c->showForm();
    c->moveTwips(330, 330);
    EXPECT_EQ(c->windowStateCode(), FormWindow::vbNormal);
    EXPECT_EQ(c->leftTwips(), 330);
    c->setWindowStateCode(FormWindow::vbNormal);
    EXPECT_EQ(c->widthTwips(), 3000) << "the normal state of an active window in the normal state changes nothing";
    Forms::unload<frmProbe>();
    Forms::unload<frmProbeTwo>();
    Forms::setMdiArea(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class frmProbeThree : public FormWindow {
    Q_OBJECT
};

TEST(Forms, UnloadingAHiddenWindowKeepsTheActiveWindow)
{
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    Forms::setMdiArea(&area);
    Forms::get<frmProbeTwo>()->showForm();
    frmProbe* front = Forms::get<frmProbe>();
    front->showForm();
    front->setWindowStateCode(FormWindow::vbMaximized);
    Forms::get<frmProbeThree>();   // loaded hidden
    EXPECT_TRUE(Forms::unload<frmProbeThree>());
    EXPECT_EQ(area.activeSubWindow(), front->frame());
    Forms::unload<frmProbe>();
    Forms::unload<frmProbeTwo>();
    Forms::setMdiArea(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(KeyedTree, KeysPositionsAndRemoval)
{
    KeyedTree tree;
    ASSERT_NE(tree.addNode({}, "KEY1", "One"), nullptr);
    ASSERT_NE(tree.addNode("KEY1", "KEY1a", "a"), nullptr);
    ASSERT_NE(tree.addNode({}, "KEY2", "Two"), nullptr);
    ASSERT_NE(tree.addNode("KEY1", "KEY1b", "b"), nullptr);
    EXPECT_EQ(tree.addNode({}, "KEY1", "again"), nullptr) << "a key is unique";
    EXPECT_EQ(tree.addNode("KEY9", "KEY9a", "orphan"), nullptr);
    EXPECT_EQ(tree.nodeCount(), 4);
    EXPECT_EQ(tree.positionOf("KEY1b"), 3) << "children follow their parent";
    EXPECT_EQ(tree.positionOf("KEY2"), 4);
    EXPECT_EQ(KeyedTree::keyOf(tree.nodeAt(2)), QStringLiteral("KEY1a"));
    KeyedTree::setBold(tree.node("KEY1"), true);
    EXPECT_TRUE(KeyedTree::isBold(tree.node("KEY1")));
    tree.removeNode("KEY1");
    EXPECT_EQ(tree.nodeCount(), 1);
    EXPECT_EQ(tree.node("KEY1a"), nullptr);
    EXPECT_NE(tree.addNode({}, "KEY1", "One again"), nullptr);
}

TEST(KeyedTree, NodesAddedTogetherOrNotAtAll)
{
    KeyedTree tree;
    ASSERT_NE(tree.addNode({}, "KEY1", "One"), nullptr);
    ASSERT_TRUE(tree.addNodes({{{}, "KEY2", "Two", true},
                               {"KEY2", "KEY2a", "a"},
                               {"KEY1", "KEY1a", "b"},
                               {"KEY2a", "KEY2x", "deep"},
                               {{}, "KEY3", "Three"}}));
    EXPECT_EQ(tree.nodeCount(), 6);
    EXPECT_EQ(tree.positionOf("KEY1a"), 2) << "a child of a node already in the tree";
    EXPECT_EQ(tree.positionOf("KEY2x"), 5);
    EXPECT_EQ(tree.positionOf("KEY3"), 6);
    EXPECT_TRUE(KeyedTree::isBold(tree.node("KEY2")));
    EXPECT_EQ(tree.node("KEY2x")->parent(), tree.node("KEY2a"));

    for (const std::vector<KeyedTree::Node>& refused :
         {std::vector<KeyedTree::Node>{{{}, "KEY4", "Four"}, {"KEY4", "KEY4a", "a"}, {"KEY4", "KEY2", "taken"}},
          std::vector<KeyedTree::Node>{{{}, "KEY4", "Four"}, {"KEY1", "KEY1b", "b"}, {"KEY9", "KEY9a", "orphan"}},
          std::vector<KeyedTree::Node>{{{}, "KEY4", "Four"}, {{}, "KEY4", "twice"}}}) {
        EXPECT_FALSE(tree.addNodes(refused));
        EXPECT_EQ(tree.nodeCount(), 6) << "nothing of a refused group stays";
        EXPECT_EQ(tree.node("KEY4"), nullptr);
        EXPECT_EQ(tree.topLevelItemCount(), 3);
        EXPECT_EQ(tree.node("KEY1")->childCount(), 1);
    }
}

TEST(Geometry, TwipsColoursPointers)
{
    EXPECT_EQ(colorFromBgr(33023), QColor(255, 128, 0));
    EXPECT_EQ(colorFromBgr(16711680), QColor(0, 0, 255));
    EXPECT_EQ(twipsToPx(pxToTwips(123)), 123);
    EXPECT_FALSE(QApplication::font().family().isEmpty()) << "fonts must be installed for rendering";

    QWidget w;
    {
        PointerGuard busy{&w};
        EXPECT_EQ(mousePointer(&w), vbHourglass);
    }
    EXPECT_EQ(mousePointer(&w), vbArrow);
    setMousePointer(&w, vbDefault);
    EXPECT_EQ(mousePointer(&w), vbDefault);
    EXPECT_EQ(SetFormTopmost(&w, false), 0);
    EXPECT_EQ(SetFormTopmost(&w, true), 1);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
}

}   // namespace

#include "services_test.moc"
