#include "app/description/frmReportDescription.h"

#include "controls/shared/Twips.h"
#include "platform/Desktop.h"
#include "platform/Services.h"

#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

namespace description {

DescriptionBrowser::DescriptionBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { followLink(link); });
}

SafeDescription DescriptionBrowser::showDescription(const QString& text, const QString& reportName)
{
    SafeDescription safe = safeDescription(text, reportName);
    if (safe.refused)
        clear();
    else if (Qt::mightBeRichText(text))
        setHtml(safe.html);
    else
        setPlainText(text);
    return safe;
}

QVariant DescriptionBrowser::loadResource(int type, const QUrl& name)
{
    return descriptionResource(type, name);
}

void DescriptionBrowser::followLink(const QUrl& link)
{
    const QString scheme = link.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto"))
        platform::services().urlOpener->openUrl(link.toString());
    else if (link.isRelative() && link.path().isEmpty() && link.hasFragment())
        scrollToAnchor(link.fragment());
}

frmReportDescription::frmReportDescription(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmReportDescription"));
    setAttribute(Qt::WA_DeleteOnClose);
    brwWebBrowser = new DescriptionBrowser(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    resize(640, 480);
}

SafeDescription frmReportDescription::Form_Load(const QString& text, const QString& reportName)
{
    show();
    if (StartingAddress.isEmpty())
        return {};
    return brwWebBrowser->showDescription(text, reportName);
}

void frmReportDescription::cmdCancel_Click()
{
    close();
}

void frmReportDescription::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The browser fills the window but for a margin at the right and a row for the button
// below. The margins are taken from the window's own area: its frame belongs to the
// desktop, and counting it would push the button out of sight.
void frmReportDescription::Form_Resize()
{
    const int width = this->width() - controls::twips::toPixels(200, controls::twips::perPixelX(*this));
    const int height = this->height() - controls::twips::toPixels(500, controls::twips::perPixelY(*this));
    if (width <= 0 || height <= 0)
        return;
    brwWebBrowser->setGeometry(0, 0, width, height);
    const QSize button = cmdCancel->sizeHint();
    const int below = this->height() - height;
    cmdCancel->setGeometry(width - button.width(), height + std::max(0, (below - button.height()) / 2), button.width(),
                           std::min(button.height(), below));
}

}
