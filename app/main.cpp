#include <QApplication>

#include "UnitZozAvudMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zozavud::TFormZozAvudMain window;
    window.show();
    return app.exec();
}
