#include "app/ReportWindows.h"

#include "app/modMain.h"
#include "platform/Forms.h"
#include "platform/ProcessEnd.h"
#include "platform/Services.h"
#include "platform/VbError.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace reportwindows {

namespace {

QHash<QString, Creator>& creators()
{
    static QHash<QString, Creator> byName;
    return byName;
}

Creator placeholder(const QString& name)
{
    return [name] { return new ReportWindowPlaceholder(name); };
}

template<class W>
W* named(QWidget* parent, const char* name, const QString& text)
{
    auto* widget = new W(text, parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}

void restoreDefaultReportWindows()
{
    creators().clear();
    for (const char* name : {"frmStats2003", "frmStatsXP", "frmStats2K"})
        creators().insert(QString::fromLatin1(name), placeholder(QString::fromLatin1(name)));
}

void registerReportWindow(const QString& name, Creator creator)
{
    if (creators().isEmpty())
        restoreDefaultReportWindows();
    creators().insert(name, std::move(creator));
}

QMainWindow* createReportWindow(const QString& name)
{
    if (creators().isEmpty())
        restoreDefaultReportWindows();
    const auto creator = creators().constFind(name);
    if (creator == creators().cend())
        platform::raiseError(platform::err::ComponentCannotCreate, QStringLiteral("ActiveX component can't create object"),
                             name);
    QMainWindow* window = (*creator)();
    window->setAttribute(Qt::WA_DeleteOnClose);
    platform::services().forms->add(window);
    return window;
}

ReportWindowPlaceholder::ReportWindowPlaceholder(const QString& name)
{
    setObjectName(name);
    resize(740, 573);   // the design size of the version 10 window, 11100 x 8595 twips
    auto* central = new QWidget(this);
    auto* layout = new QGridLayout(central);
    layout->addWidget(named<QLabel>(central, "lblReports", QStringLiteral("Reports")), 0, 0);
    layout->addWidget(named<QPushButton>(central, "cmdAddReport", QStringLiteral("+")), 0, 1);
    layout->addWidget(named<QPushButton>(central, "cmdRemoveReport", QStringLiteral("Remove Report")), 0, 2);
    auto* both = named<QRadioButton>(central, "optBoth", QStringLiteral("Both"));
    both->setChecked(true);
    layout->addWidget(both, 0, 3);
    layout->addWidget(named<QRadioButton>(central, "optPivot", QStringLiteral("Pivot")), 0, 4);
    layout->addWidget(named<QRadioButton>(central, "optGraph", QStringLiteral("Graph")), 0, 5);
    auto* pivot = new QWidget(central);
    pivot->setObjectName(QStringLiteral("pivReports"));
    layout->addWidget(pivot, 1, 0, 1, 6);
    layout->setRowStretch(1, 1);
    setCentralWidget(central);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("LNGTOOLS"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    tools->addAction(QStringLiteral("LNGSAVEPICTURE"))->setObjectName(QStringLiteral("mnuSavePicture"));
    tools->addAction(QStringLiteral("LNGPRINT"))->setObjectName(QStringLiteral("mnuPrint"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("LNGHELP"));
    help->setObjectName(QStringLiteral("mnuHelp"));

    modMain::subSetFormCaptions(this);
}

// Closing the report window ends the program in order, whatever else is still open.
void ReportWindowPlaceholder::closeEvent(QCloseEvent* event)
{
    event->accept();
    platform::eventBoundary([] { modMain::subEndProgram(); });
}

}
