#include "platform/ui/dialog_services.h"

#include "platform/ui/common_dialog.h"
#include "platform/ui/grid_print.h"
#include "platform/ui/message_box.h"

void installDialogServices()
{
    setMessageService(&messageBoxService());
    setFileDialogService(&fileDialogService());
    setPrintDialogService(&printDialogService());
}
