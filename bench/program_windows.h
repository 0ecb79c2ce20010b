#pragma once

#include "two_hundred_constituents.h"

#include "app/program_wiring.h"
#include "app/startup.h"
#include "platform/ui/forms.h"
#include "platform/ui/settings.h"
#include "ui/common/ui_state.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// The program as the user has it, offscreen: its main window shown on a database holding the
// analysis of 200 constituents.
class ProgramWindows {
public:
    ProgramWindows()
    {
        setSettingsFolder(m_settings.path());
        if (!SaveSetting("TOVI", "Admin", "ShowChanges", "No") || !SaveSetting("TOVI", "Admin", "Disclosure", "0")) {
            std::fprintf(stderr, "the settings could not be written\n");
            std::exit(1);
        }
        fillTwoHundredConstituents(db);
        installProgramWiring();
        main = Main(db.state);
        if (!main) {
            std::fprintf(stderr, "start-up failed\n");
            std::exit(1);
        }
        main->resize(1400, 950);
        main->show();
        QCoreApplication::processEvents();
    }
    ~ProgramWindows()
    {
        uiState().gClosingAnalysis = true;
        delete main;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the analysis from the tree, as a click on its node and Open do.
    void openAnalysis()
    {
        QTreeWidgetItem* node = main->trvAnalysis->node(QStringLiteral("KEY%1").arg(kAnalysisKey));
        main->trvAnalysis->setCurrentItem(node);
        main->cmdOpen_Click();
    }

    // Starts watching for paints; the windows to wait for may not exist yet.
    void watchPaints()
    {
        m_painted.clear();
        qApp->installEventFilter(&m_filter);
    }

    // Handles events until every named window is shown and the last one, in front, has been
    // painted: the main window paints every uncovered part of its windows at once.
    void waitUntilPainted(const QStringList& windows)
    {
        auto painted = [&] {
            for (const QString& name : windows) {
                FormWindow* w = Forms::find(name);
                if (!w || !w->isVisible())
                    return false;
            }
            return m_painted.contains(Forms::find(windows.back()));
        };
        for (int round = 0; round < 1000 && !painted(); ++round)
            QCoreApplication::processEvents();
        qApp->removeEventFilter(&m_filter);
        if (!painted()) {
            std::fprintf(stderr, "not every window of %s was painted\n", qPrintable(windows.join(u' ')));
            std::exit(1);
        }
    }

    TempDatabase db;
    frmMain* main = nullptr;

private:
    class PaintFilter : public QObject {
    public:
        explicit PaintFilter(QSet<QObject*>& painted) : m_painted(painted) {}
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                m_painted.insert(watched);
            return false;
        }

    private:
        QSet<QObject*>& m_painted;
    };

    ScopedProgramState m_scoped{db.state};
    QTemporaryDir m_settings;
    QSet<QObject*> m_painted;
    PaintFilter m_filter{m_painted};
};
