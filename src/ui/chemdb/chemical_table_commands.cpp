#include "ui/chemdb/chemical_table_commands.h"

#include "data/chemical_table.h"
#include "data/program_state.h"
#include "platform/ui/main_file_dialog.h"
#include "platform/ui/message_box.h"
#include "ui/chemdb/frmCOCs.h"
#include "ui/common/message_texts.h"
#include "ui/common/table_window.h"

namespace {

const QString kExportFilter = QStringLiteral("TOVI Database Export (*.TVX)|*.TVX");

QString exportName(const QString& chosen)
{
    return chosen.toLower().contains(QLatin1String(".tvx")) ? chosen : chosen + QStringLiteral(".tvx");
}

}   // namespace

void exportChemicalTableCommand()
{
    CommonDialog& dialog = mainFileDialog();
    dialog.Filter = kExportFilter;
    dialog.ShowSave();
    if (dialog.FileName.isEmpty())
        return;
    if (!exportChemicalTable(*programState().gConn, exportName(dialog.FileName)))
        MsgBox(kExportErrorText, vbInformation, kExportErrorTitle);
}

void replaceChemicalTableCommand()
{
    CommonDialog& dialog = mainFileDialog();
    dialog.Filter = kExportFilter + QStringLiteral("|All Files (*.*)|*.*");
    dialog.ShowOpen();
    if (dialog.FileName.isEmpty())
        return;
    if (Status s = replaceChemicalTableFromFile(dialog.FileName); !s)
        showGeneralError(s.error(), kUnableToSaveTitle);
}
