#include "app/modMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    modMain::Main();
    if (QApplication::topLevelWidgets().isEmpty())
        return 0;
    return QApplication::exec();
}
