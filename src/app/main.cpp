#include "ui/KavrelApplication.h"
#include "ui/Unit1.h"

#include <QScreen>
#include <QStyle>

int main(int argc, char* argv[])
{
    try {
        KavrelApplication app(argc, argv);
        TForm1 form;
        form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form.size(),
                                             form.screen()->availableGeometry()));
        form.show();
        return app.exec();
    } catch (...) {
        showException(std::current_exception());
    }
    return 0;
}
