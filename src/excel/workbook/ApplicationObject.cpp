#include "excel/workbook/ApplicationObject.h"

#include "common/UserDialogs.h"
#include "excel/workbook/ChartObjects.h"
#include "excel/workbook/SheetObjects.h"
#include "excel/workbook/WorkbookFolder.h"
#include "excel/workbook/XlsxFile.h"

#include <QDir>
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

namespace {

// Each application writes into a folder of its own, so that the Book1 of
// one does not replace the Book1 of another.
int nextApplicationSerial()
{
    static int serial = 0;
    return ++serial;
}

} // namespace

Application::Application() : serial_(nextApplicationSerial()) {}

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
    // while an error unwinds: nothing may leave here.
    try {
        complete(book);
    } catch (const std::exception& error) {
        userDialogs().error(QStringLiteral("The workbook %1 could not be written: %2")
                                .arg(book.name, QString::fromLocal8Bit(error.what())));
    } catch (...) {
        userDialogs().error(QStringLiteral("The workbook %1 could not be written.").arg(book.name));
    }
}

void Application::complete(BookData& book)
{
    if (book.changed) {
        QString problem;
        QString path;
        const QString folder = workbookFolder(problem);
        if (!folder.isEmpty()) {
            const QString ownFolder = QStringLiteral("%1/%2").arg(folder, QString::number(serial_));
            if (QDir().mkpath(ownFolder))
                path = QStringLiteral("%1/%2.xlsx").arg(ownFolder, book.name);
            else
                problem = QStringLiteral("the folder %1 cannot be made").arg(ownFolder);
        }
        if (path.isEmpty() || !writeXlsxFile(book, path, problem)) {
            userDialogs().error(QStringLiteral("The workbook %1 could not be written: %2.").arg(book.name, problem));
            return;
        }
        book.path = path;
        book.changed = false;
    }
    if (visible_)
        show(book);
}

void Application::show(BookData& book)
{
    // Only a workbook the caller is done with, and only once: the user's
    // spreadsheet program keeps it open from then on.
    if (book.callerHandles != 0 || book.opened || book.path.isEmpty())
        return;
    book.opened = true;
    userDialogs().openDocument(book.path);
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
