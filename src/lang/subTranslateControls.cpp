#include "lang/modGenericLanguages.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace modGenericLanguages {

namespace {

// What a control is, in the terms that decide whether its texts are translated.
enum class Kind { Captioned, TextBox, ComboBox, ListBox, Image, Line, PictureBox, Other };

Kind kindOf(const QObject* control)
{
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QTextEdit*>(control)
        || qobject_cast<const QPlainTextEdit*>(control) || qobject_cast<const QAbstractSpinBox*>(control))
        return Kind::TextBox;
    if (qobject_cast<const QComboBox*>(control))
        return Kind::ComboBox;
    if (qobject_cast<const QGraphicsView*>(control))
        return Kind::PictureBox;
    if (qobject_cast<const QAbstractItemView*>(control))
        return Kind::ListBox;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->pixmap().isNull() ? Kind::Captioned : Kind::Image;
    if (const auto* frame = qobject_cast<const QFrame*>(control)) {
        const auto shape = frame->frameShape();
        if (shape == QFrame::HLine || shape == QFrame::VLine)
            return Kind::Line;
    }
    if (qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QGroupBox*>(control)
        || qobject_cast<const QMenu*>(control) || qobject_cast<const QAction*>(control))
        return Kind::Captioned;
    return Kind::Other;
}

bool captionTranslated(Kind kind)
{
    return kind != Kind::PictureBox && kind != Kind::ComboBox && kind != Kind::TextBox && kind != Kind::Line
        && kind != Kind::ListBox && kind != Kind::Image;
}

bool tooltipTranslated(Kind kind)
{
    return kind != Kind::Line && kind != Kind::PictureBox && kind != Kind::ComboBox && kind != Kind::TextBox;
}

// The phrase for a design-time text that is a phrase key, ready to show: "quot;" becomes a
// double quote and access-key markers go. Anything else stays as it is.
QString translated(const QString& text)
{
    if (!text.startsWith(QLatin1String("LNG")) || !colPhrases().contains(text))
        return text;
    QString phrase = colPhrases().item(text).LangPhrase();
    phrase.replace(QLatin1String("quot;"), QLatin1String("\""));
    phrase.remove(QLatin1Char('&'));
    return phrase;
}

std::optional<QString> captionOf(const QObject* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    if (const auto* menu = qobject_cast<const QMenu*>(control))
        return menu->title();
    if (const auto* action = qobject_cast<const QAction*>(control))
        return action->text();
    return std::nullopt;
}

void setCaption(QObject* control, const QString& caption)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(caption);
    else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(caption);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setText(caption);
}

std::optional<QString> tooltipOf(const QObject* control)
{
    if (const auto* widget = qobject_cast<const QWidget*>(control))
        return widget->toolTip();
    if (const auto* action = qobject_cast<const QAction*>(control))
        return action->toolTip();
    return std::nullopt;
}

void setTooltip(QObject* control, const QString& tooltip)
{
    if (auto* widget = qobject_cast<QWidget*>(control))
        widget->setToolTip(tooltip);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setToolTip(tooltip);
}

void translateControl(QObject* control)
{
    const Kind kind = kindOf(control);
    if (captionTranslated(kind)) {
        const std::optional<QString> caption = captionOf(control);
        if (caption && !caption->isEmpty()) {
            const QString text = translated(*caption);
            if (text != *caption)
                setCaption(control, text);
        }
    }
    if (tooltipTranslated(kind)) {
        // An action without a tooltip of its own shows its caption, already translated above.
        const std::optional<QString> tooltip = tooltipOf(control);
        if (tooltip && !tooltip->isEmpty()) {
            const QString text = translated(*tooltip);
            if (text != *tooltip)
                setTooltip(control, text);
        }
    }
}

}

void subTranslateControls(QWidget* window)
{
    if (!window)
        return;
    for (QObject* control : window->findChildren<QObject*>()) {
        // A menu's own action carries the menu's title, which the menu itself translates.
        if (const auto* action = qobject_cast<const QAction*>(control); action && action->menu())
            continue;
        if (control->isWidgetType() || qobject_cast<QAction*>(control))
            translateControl(control);
    }
}

}
