#include "platform/MessageBox.h"

#include "platform/App.h"
#include "platform/Services.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

namespace {

QString displayTitle(const QString& title)
{
    return title.isEmpty() ? services().app->title() : title;
}

// Texts come with CR LF line ends; the toolkit wants bare LF.
QString displayText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case mb::vbCritical:
        return QMessageBox::Critical;
    case mb::vbQuestion:
        return QMessageBox::Question;
    case mb::vbExclamation:
        return QMessageBox::Warning;
    case mb::vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}

int QtMessageBox::msgBox(const QString& text, int style, const QString& title)
{
    QMessageBox box(iconOf(style), displayTitle(title), displayText(text));
    box.setTextFormat(Qt::PlainText);   // reports and descriptions may hold markup
    switch (style & 7) {
    case mb::vbYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case mb::vbYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case mb::vbOKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return mb::vbYes;
    case QMessageBox::No:
        return mb::vbNo;
    case QMessageBox::Cancel:
        return mb::vbCancel;
    default:
        return (style & 7) == mb::vbYesNo ? mb::vbNo : mb::vbOK;
    }
}

std::optional<QString> QtMessageBox::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), displayTitle(title), displayText(prompt),
                                               QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

}
