// cruciverba: the main window is created at start and the message loop runs until it closes.

#include "Ambiente.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    cruciverba::PreparaProgramma(app);
    cruciverba::TForm1 form1;
    form1.show();
    return app.exec();
}
