#include "Dialogs.h"
#include "MainForm.h"
#include "SharedState.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    yomiwa::SharedState state;
    yomiwa::ui::QtDialogs dialogs;
    yomiwa::viewer::MainForm form(state, dialogs);
    // The collections live beside the program, wherever it was put.
    if (!form.Form_Load(QCoreApplication::applicationDirPath()))
        return 0;
    form.show();
    return app.exec();
}
