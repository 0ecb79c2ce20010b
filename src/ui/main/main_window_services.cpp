#include "ui/main/main_window_services.h"

MainWindowServices& mainWindowServices()
{
    static MainWindowServices services;
    return services;
}
