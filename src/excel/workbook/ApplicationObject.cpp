#include "excel/workbook/ApplicationObject.h"

#include "excel/workbook/ChartObjects.h"
#include "excel/workbook/SheetObjects.h"
#include "excel/workbook/WorkbookFolder.h"
#include "excel/workbook/WorkbookHandOver.h"
#include "excel/workbook/XlsxFile.h"

#include <QFile>
#include <exception>

namespace wb {

BookHandle::BookHandle(Application& application, BookData& book) : application_(&application), book_(&book)
{
    application_->addRef();
    application_->takeHandle(*book_);
}

BookHandle::~BookHandle()
{
    application_->dropHandle(*book_);
    application_->release();
}

Application::Application() = default;

const std::vector<Member<Application>>& Application::members()
{
    static const std::vector<Member<Application>> table = {
        {"Application", Get, 0, 0, &Application::application},
        {"Visible", Get | Put, 0, 0, &Application::visible},
        {"Workbooks", Get, 0, 0, &Application::workbooks},
        {"ActiveChart", Get, 0, 0, &Application::activeChart},
    };
    return table;
}

void Application::application(const Call& call)
{
    call.answer(Variant::fromObject(this));
}

void Application::visible(const Call& call)
{
    if (!call.isPut()) {
        call.answer(Variant::fromBool(visible_));
        return;
    }
    visible_ = call.boolValue();
    if (visible_) {
        for (const auto& book : books_)
            show(*book);
    }
}

void Application::workbooks(const Call& call)
{
    call.answer(Variant::adoptObject(new Workbooks(*this)));
}

void Application::activeChart(const Call& call)
{
    if (!activeChart_)
        fail(QStringLiteral("There is no active chart; select a chart object first."));
    call.answer(Variant::adoptObject(new Chart(BookHandle(*this, *activeBook_), *activeChart_)));
}

BookData& Application::addBook()
{
    books_.push_back(std::make_unique<BookData>(QStringLiteral("Book%1").arg(nextBookNumber_++)));
    return *books_.back();
}

void Application::selectChart(BookData& book, ChartData& chart)
{
    activeBook_ = &book;
    activeChart_ = &chart;
}

void Application::dropHandle(BookData& book)
{
    if (--book.callerHandles != 0)
        return;
    // Called as the caller's last object into the workbook goes, possibly
    // while an error unwinds: nothing may leave here, and nothing is shown
    // from here either (see WorkbookHandOver.h).
    try {
        complete(book);
    } catch (const std::exception& error) {
        noteFinishedWorkbook({book.name, {},
                              QStringLiteral("The workbook %1 could not be written: %2")
                                  .arg(book.name, QString::fromLocal8Bit(error.what())),
                              false});
    } catch (...) {
        noteFinishedWorkbook(
            {book.name, {}, QStringLiteral("The workbook %1 could not be written.").arg(book.name), false});
    }
}

void Application::complete(BookData& book)
{
    if (!book.changed) {
        if (visible_)
            show(book);
        return;
    }
    // A workbook written before keeps its file; a new one claims a name of
    // its own, so that no earlier export is ever replaced.
    QString problem;
    QString path = book.path;
    if (path.isEmpty()) {
        const QString folder = workbookFolder(problem);
        if (!folder.isEmpty())
            path = claimWorkbookFile(folder, problem);
    }
    if (path.isEmpty() || !writeXlsxFile(book, path, problem)) {
        if (!path.isEmpty() && book.path.isEmpty())
            QFile::remove(path);  // the empty file that held the name
        noteFinishedWorkbook(
            {book.name, {}, QStringLiteral("The workbook %1 could not be written: %2.").arg(book.name, problem), false});
        return;
    }
    book.path = path;
    book.changed = false;
    // Written again after it was shown: saved, not shown again.
    const bool show = visible_ && !book.opened;
    book.opened = book.opened || show;
    noteFinishedWorkbook({book.name, book.path, {}, show});
}

void Application::show(BookData& book)
{
    // Only a workbook the caller is done with, and only once: the user's
    // spreadsheet program keeps it open from then on.
    if (book.callerHandles != 0 || book.opened || book.path.isEmpty())
        return;
    book.opened = true;
    noteFinishedWorkbook({book.name, book.path, {}, true});
}

Workbooks::Workbooks(Application& application) : application_(application)
{
    application_.addRef();
}

Workbooks::~Workbooks()
{
    application_.release();
}

const std::vector<Member<Workbooks>>& Workbooks::members()
{
    static const std::vector<Member<Workbooks>> table = {
        {"Add", Method, 0, 0, &Workbooks::add},
    };
    return table;
}

void Workbooks::add(const Call& call)
{
    BookData& book = application_.addBook();
    call.answer(Variant::adoptObject(new Workbook(BookHandle(application_, book))));
}

} // namespace wb
