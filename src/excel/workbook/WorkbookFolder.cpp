#include "excel/workbook/WorkbookFolder.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

QString workbookFolder(QString& problem)
{
    static QString folder;
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    const QString base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    QTemporaryDir made(base + QStringLiteral("/kavrel-workbooks-XXXXXX"));
    if (!made.isValid()) {
        problem = QStringLiteral("the folder for workbooks cannot be made in %1: %2").arg(base, made.errorString());
        return {};
    }
    made.setAutoRemove(false);
    folder = made.path();
    return folder;
}
