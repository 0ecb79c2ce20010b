#include "window_shot.h"

#include "platform/ui/forms.h"

#include <QDir>
#include <QImage>
#include <QMdiArea>

QString screenshotPath(const QString& fileName)
{
    const QString folder = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath(QStringLiteral("screenshots"));
    QDir().mkpath(folder);
    return QDir(folder).filePath(fileName);
}

bool saveWindowShot(FormWindow* window, const QString& name, int widthTwips, int heightTwips)
{
    if (QMdiArea* area = Forms::mdiArea())
        area->show();
    window->showForm();
    window->moveTwips(0, 0);
    window->resizeTwips(widthTwips, heightTwips);
    const QImage shot = window->frame()->grab().toImage();
    return !shot.isNull() && shot.save(screenshotPath(name + QStringLiteral(".png")));
}
