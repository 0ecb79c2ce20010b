#pragma once

#include <QtGlobal>

// The service installed in a replaceable slot (message box, file dialog, print dialog). The
// program installs the real dialogs when it starts. A slot never installed falls back to
// `dialogs`, the real dialogs, in a release build; a debug build stops, naming the slot, so that
// a test or tool that forgot its scripted service fails at once instead of waiting on a dialog
// that no one answers.
template <class Service>
Service& installedService(Service* installed, Service& dialogs, const char* slot)
{
#ifndef NDEBUG
    if (!installed)
        qFatal("The %s service was never installed.", slot);
#else
    Q_UNUSED(slot);
#endif
    return installed ? *installed : dialogs;
}
