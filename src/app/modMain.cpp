#include "app/modMain.h"

#include <QMainWindow>

namespace modMain {

void Main()
{
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Tessaline Tool for Excel"));
    window->resize(800, 600);
    window->show();
}

}
