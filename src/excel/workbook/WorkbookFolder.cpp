#include "excel/workbook/WorkbookFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// An existing or newly made folder, or empty if it cannot be had.
QString madeFolder(const QString& base, const QString& name)
{
    if (base.isEmpty())
        return {};
    const QString folder = QDir(base).filePath(name);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        return {};
    return QDir(folder).absolutePath();
}

QString privateTemporaryFolder(QString& problem)
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

} // namespace

QString workbookFolder(QString& problem)
{
    QString folder = madeFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                QStringLiteral("Kavrel_Spect"));
    if (folder.isEmpty())
        folder = madeFolder(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
                            QStringLiteral("workbooks"));
    if (folder.isEmpty())
        folder = privateTemporaryFolder(problem);
    return folder;
}

QString claimWorkbookFile(const QString& folder, QString& problem)
{
    // Far more workbooks than anyone keeps; the bound only ends the search
    // should every name be refused for a reason that is not "taken".
    constexpr int LastNumber = 1000000;
    for (int number = 1; number <= LastNumber; ++number) {
        const QString path = QDir(folder).filePath(QStringLiteral("Book%1.xlsx").arg(number));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        const QFileInfo taken(path);
        if (!taken.exists() && !taken.isSymLink()) {
            problem = QStringLiteral("%1 cannot be created: %2").arg(path, file.errorString());
            return {};
        }
    }
    problem = QStringLiteral("every workbook name in %1 is taken").arg(folder);
    return {};
}
