#pragma once

#include "app/description/SafeDescription.h"

#include <QString>
#include <QTextBrowser>
#include <QWidget>

class QPushButton;

namespace description {

// Shows a description as it was written: HTML as HTML, other text as text, within the bounds
// of safeDescription(). Nothing is fetched from the network and nothing runs; only pictures
// in small local files are shown.
// Web and mail links go to the desktop's programs, links within the page scroll to
// their anchor.
class DescriptionBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit DescriptionBrowser(QWidget* parent);

    // Shows nothing for a refused description; the caller tells the notice.
    SafeDescription showDescription(const QString& text, const QString& reportName);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void followLink(const QUrl& link);
};

// The window that shows the current report's description, beside the report window and
// closed with it.
class frmReportDescription : public QWidget
{
    Q_OBJECT
public:
    explicit frmReportDescription(QWidget* owner);

    // The file the description was written to; set before the window is shown.
    QString StartingAddress;

    // Shows the window and, when there is one, the description of the named report.
    SafeDescription Form_Load(const QString& text, const QString& reportName);
    void cmdCancel_Click();

    DescriptionBrowser* brwWebBrowser;
    QPushButton* cmdCancel;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();
};

}
