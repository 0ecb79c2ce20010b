#include "platform/ui/form_loaders.h"

#include "platform/ui/forms.h"

#include <QHash>

namespace {
QHash<QString, FormLoader>& loaders()
{
    static QHash<QString, FormLoader> registry;
    return registry;
}
}   // namespace

void registerFormLoader(const QString& name, FormLoader loader)
{
    if (loader)
        loaders().insert(name, std::move(loader));
    else
        loaders().remove(name);
}

FormWindow* loadForm(const QString& name)
{
    if (FormWindow* loaded = Forms::find(name))
        return loaded;
    const auto it = loaders().constFind(name);
    return it == loaders().constEnd() ? nullptr : (*it)();
}
