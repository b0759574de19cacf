#include "framework/cursors.h"

#include "resources/tables/cursortable.h"

#include <QPixmap>
#include <QString>

QCursor LoadProgramCursor(const char* name) {
    const TCursorTemplate* cursor = FindCursorTemplate(name);
    if (!cursor)
        return QCursor(Qt::ArrowCursor);
    const QPixmap picture(QStringLiteral(":/cursors/%1.png").arg(QString::fromLatin1(name)));
    if (picture.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(picture, cursor->HotX, cursor->HotY);
}
