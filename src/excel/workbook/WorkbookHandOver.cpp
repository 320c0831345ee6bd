#include "excel/workbook/WorkbookHandOver.h"

#include "common/KavrelError.h"
#include "common/UserDialogs.h"
#include "excel/ExcelOperation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <exception>

namespace {

std::vector<FinishedWorkbook>& finishedWorkbooks()
{
    static std::vector<FinishedWorkbook> books;
    return books;
}

// Gives `path` to the desktop; when nothing there takes it, the user must
// learn where it is, or the export would end without a trace.
void showWorkbook(const QString& path)
{
    if (userDialogs().openDocument(path))
        return;
    const QString folder = QFileInfo(path).absolutePath();
    const bool openFolder = userDialogs().question(
        QCoreApplication::translate("WorkbookHandOver",
                                    "The workbook was saved as\n\n%1\n\nbut no program on this desktop opened it.\n\n"
                                    "Open the folder that holds it?")
            .arg(QDir::toNativeSeparators(path)));
    if (openFolder && !userDialogs().openDocument(folder))
        userDialogs().warning(
            QCoreApplication::translate("WorkbookHandOver", "The folder %1 could not be opened either.").arg(QDir::toNativeSeparators(folder)));
}

// The path of the last workbook in `books` that was written; empty if none.
QString lastSavedPath(const std::vector<FinishedWorkbook>& books)
{
    for (auto book = books.rbegin(); book != books.rend(); ++book) {
        if (!book->path.isEmpty())
            return book->path;
    }
    return {};
}

QString exceptionText(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const KavrelError& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return {};
    }
}

} // namespace

void noteFinishedWorkbook(FinishedWorkbook book)
{
    finishedWorkbooks().push_back(std::move(book));
}

std::vector<FinishedWorkbook> takeFinishedWorkbooks()
{
    std::vector<FinishedWorkbook> books;
    books.swap(finishedWorkbooks());
    return books;
}

void handOverFinishedWorkbooks(const std::function<void(const QString&)>& status)
{
    const std::vector<FinishedWorkbook> books = takeFinishedWorkbooks();
    const QString saved = lastSavedPath(books);
    if (!saved.isEmpty())
        status(savedWorkbookText(saved));
    for (const FinishedWorkbook& book : books) {
        if (!book.problem.isEmpty())
            userDialogs().error(book.problem);
        else if (book.show)
            showWorkbook(book.path);
    }
}

void runWithWorkbookHandOver(const std::function<void()>& command, const std::function<void(const QString&)>& status)
{
    try {
        command();
    } catch (const ExcelStartError& error) {
        // Nothing was started: the one likely cause, as an information.
        userDialogs().messageBox(error.message(), excelStartCaption(), MessageIcon::Information);
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        const std::vector<FinishedWorkbook> books = takeFinishedWorkbooks();
        QString message = exceptionText(error);
        for (const FinishedWorkbook& book : books) {
            if (!book.path.isEmpty())
                message += QCoreApplication::translate("WorkbookHandOver", "\n\nWhat was made so far is kept in\n\n%1")
                               .arg(QDir::toNativeSeparators(book.path));
            else
                message += QStringLiteral("\n\n") + book.problem;
        }
        if (books.empty())
            throw;
        const QString saved = lastSavedPath(books);
        if (!saved.isEmpty())
            status(savedWorkbookText(saved));
        throw KavrelError(message);
    }
    handOverFinishedWorkbooks(status);
}

QString savedWorkbookText(const QString& path)
{
    const QString home = QDir::homePath();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QString shown = absolute;
    if (!home.isEmpty() && absolute.startsWith(home + QLatin1Char('/')))
        shown = absolute.mid(home.size() + 1);
    return QCoreApplication::translate("WorkbookHandOver", "Saved %1").arg(QDir::toNativeSeparators(shown));
}
