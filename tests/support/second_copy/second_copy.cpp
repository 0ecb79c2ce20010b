#include "app/program_wiring.h"
#include "app/startup.h"
#include "data/program_state.h"
#include "platform/ui/forms.h"
#include "platform/ui/message_box.h"
#include "ui/input/frmSiteWMU.h"
#include "ui/main/frmMain.h"
#include "ui/quiet_settings.h"

#include <QApplication>
#include <QTemporaryDir>

#include <iostream>
#include <string>

// A second copy of the program for the tests of two copies on one database: the whole program,
// offscreen, on the program folder that its argument names. Each line of its standard input,
// "new" or "save NAME" (a name and a waste volume, by Update Information), is answered with a
// line: the key that the main window shows and the titles of the messages it showed, each
// answered Yes.
struct AnsweringYes : MessageService {
    int show(const QString&, int, const QString& title) override
    {
        titles << title;
        return vbYes;
    }
    QStringList titles;
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    if (argc != 2 || !settings.isValid() || !useQuietSettings(settings.path()))
        return 2;
    AnsweringYes messages;
    setMessageService(&messages);
    ProgramState& state = programState();
    state.programFolder = QString::fromLocal8Bit(argv[1]);
    installProgramWiring();
    frmMain* main = Main(state);
    if (!main)
        return 1;
    for (std::string line; std::getline(std::cin, line);) {
        const QString command = QString::fromStdString(line);
        if (command == QLatin1String("new")) {
            main->cmdNew->click();
        } else if (auto* site = static_cast<frmSiteWMU*>(Forms::find(QStringLiteral("frmSiteWMU")));
                   site && command.startsWith(QLatin1String("save "))) {
            site->txtFileName->setText(command.mid(5));
            site->txtVolume->setText(QStringLiteral("1000"));
            site->cmdUpdateSiteInfo->click();
        }
        std::cout << main->txtCurSiteKey->text().toStdString() << ' '
                  << messages.titles.join(QLatin1Char('|')).toStdString() << std::endl;
        messages.titles.clear();
    }
    delete main;
    return 0;
}
