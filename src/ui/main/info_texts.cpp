#include "ui/main/info_texts.h"

#include <QFile>

QString infoText(InfoText which)
{
    const char* name = "";
    switch (which) {
    case InfoText::Acknowledgements:
        name = "acknowledgements";
        break;
    case InfoText::Objective:
        name = "objective";
        break;
    case InfoText::Mission:
        name = "mission";
        break;
    case InfoText::Procedure:
        name = "procedure";
        break;
    case InfoText::Disclosure:
        name = "disclosure";
        break;
    case InfoText::Changes:
        name = "changes";
        break;
    }
    QFile file(QStringLiteral(":/texts/%1.html").arg(QString::fromLatin1(name)));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
