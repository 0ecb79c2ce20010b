#include "platform/ui/main_file_dialog.h"

namespace {
CommonDialog* g_dialog = nullptr;
}

CommonDialog& mainFileDialog()
{
    static CommonDialog programDialog;
    return g_dialog ? *g_dialog : programDialog;
}

void setMainFileDialog(CommonDialog* dialog)
{
    g_dialog = dialog;
}
