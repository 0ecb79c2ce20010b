#include "ui/delisting/delisting_windows.h"

#include "platform/ui/forms.h"
#include "ui/common/window_names.h"
#include "ui/delisting/frmAirCarc.h"
#include "ui/delisting/frmAirNonCarc.h"
#include "ui/delisting/frmGWCarc.h"
#include "ui/delisting/frmGWNonCarc.h"
#include "ui/delisting/frmSoilPathwayDelisting.h"
#include "ui/delisting/frmSurfaceCarc.h"
#include "ui/delisting/frmSurfaceWaterNonCarc.h"

#include <array>

namespace {

constexpr int kCascadeTwips = 300;

template <class T>
FormWindow* load()
{
    return Forms::get<T>();
}

// In the order of delistingResultWindowNames().
const std::array<FormWindow* (*)(), 7> kLoaders = {
    load<frmSoilPathwayDelisting>, load<frmAirNonCarc>, load<frmAirCarc>, load<frmSurfaceWaterNonCarc>,
    load<frmSurfaceCarc>,          load<frmGWNonCarc>,  load<frmGWCarc>,
};

}   // namespace

const QStringList& delistingResultWindowNames()
{
    static const QStringList names(kDelistingResultWindows.begin(), kDelistingResultWindows.end());
    return names;
}

void showDelistingResultWindows()
{
    int offset = 0;
    for (FormWindow* (*loadWindow)() : kLoaders) {
        FormWindow* window = loadWindow();
        window->showForm();
        window->moveTwips(offset, offset);
        offset += kCascadeTwips;
    }
}

void unloadDelistingResultWindows()
{
    for (const QString& name : delistingResultWindowNames())
        Forms::unload(name);
}
