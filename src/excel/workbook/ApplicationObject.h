#pragma once

#include "excel/workbook/BookModel.h"
#include "excel/workbook/ServerObject.h"

#include <memory>
#include <utility>
#include <vector>

// The application object of the workbook server and the caller's holds on
// its workbooks.
//
// The application owns its workbooks. Every object the caller is given
// inside a workbook holds a BookHandle: a counted reference to the
// application (so nothing under it can outlive it) and one count of the
// workbook's caller handles. The application's own hold on its workbooks and
// its note of the active chart are not handles. When the last handle into a
// workbook goes, the caller is done with it: the workbook is written to its
// file and, if the application is visible, noted to be shown to the user
// once the caller's command has returned (WorkbookHandOver.h).

namespace wb {

class Application;

class BookHandle {
public:
    BookHandle(Application& application, BookData& book);
    BookHandle(const BookHandle& other) : BookHandle(*other.application_, *other.book_) {}
    BookHandle& operator=(const BookHandle&) = delete;
    ~BookHandle();

    Application& application() const { return *application_; }
    BookData& book() const { return *book_; }

private:
    Application* application_;
    BookData* book_;
};

// An object the caller is given inside a workbook.
template <class Derived>
class BookObject : public AutomationObject<Derived> {
protected:
    explicit BookObject(const BookHandle& handle) : handle_(handle) {}

    void modified() override { handle_.book().changed = true; }

    // Answers the call with a new object of the same workbook.
    template <class Object, class... Args>
    void answerObject(const Call& call, Args&&... args) const
    {
        call.answer(Variant::adoptObject(new Object(handle_, std::forward<Args>(args)...)));
    }

    BookHandle handle_;
};

class Application final : public AutomationObject<Application> {
public:
    Application();
    static const std::vector<Member<Application>>& members();

    // For the objects under the application.
    BookData& addBook();
    void selectChart(BookData& book, ChartData& chart);
    void takeHandle(BookData& book) { ++book.callerHandles; }
    void dropHandle(BookData& book);

private:
    ~Application() override = default;

    void application(const Call& call);
    void visible(const Call& call);
    void workbooks(const Call& call);
    void activeChart(const Call& call);

    // The caller is done with `book`: write what changed and show it.
    void complete(BookData& book);
    void show(BookData& book);

    bool visible_ = false;
    int nextBookNumber_ = 1;
    std::vector<std::unique_ptr<BookData>> books_;
    BookData* activeBook_ = nullptr;
    ChartData* activeChart_ = nullptr;
};

// Application.Workbooks: holds the application, not a workbook.
class Workbooks final : public AutomationObject<Workbooks> {
public:
    explicit Workbooks(Application& application);
    static const std::vector<Member<Workbooks>>& members();

private:
    ~Workbooks() override;

    void add(const Call& call);

    Application& application_;
};

} // namespace wb
