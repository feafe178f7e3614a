#include <QApplication>

#include "gui/view.h"
#include "shell/session.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Session session;
    session.start();
    gui::View view(session);
    view.sync();
    return app.exec();
}
