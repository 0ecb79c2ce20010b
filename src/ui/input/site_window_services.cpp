#include "ui/input/site_window_services.h"

SiteWindowServices& siteWindowServices()
{
    static SiteWindowServices services;
    return services;
}
