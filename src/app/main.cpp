#include "app/program_wiring.h"
#include "app/startup.h"
#include "data/program_state.h"
#include "platform/ui/dialog_services.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TOVI"));
    ProgramState& state = programState();
    state.programFolder = QCoreApplication::applicationDirPath();
    installDialogServices();
    installProgramWiring();
    return runProgram(state);
}
