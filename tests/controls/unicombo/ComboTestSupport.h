#pragma once

#include "controls/unicombo/uniCombo.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// Event lists compare as one readable line.
inline std::string str(const QStringList& list)
{
    return list.join(QStringLiteral(" | ")).toStdString();
}

// A small dialog as the save dialog hosts the combo box: the combo, another edit, and
// default and cancel buttons. Every event of the combo is written down, with the text
// the combo shows at that moment.
class ComboDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&dialog);
        combo = new unicombo::uniCombo(&dialog);
        other = new QLineEdit(&dialog);
        ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
        layout->addWidget(combo);
        layout->addWidget(other);
        layout->addWidget(ok);
        layout->addWidget(cancel);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        watch(combo);
        dialog.resize(300, 200);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    void watch(unicombo::uniCombo* c)
    {
        const auto note = [this, c](const char* name) {
            return [this, c, name] { events.append(QString::fromLatin1(name) + QLatin1Char(':') + c->Text()); };
        };
        QObject::connect(c, &unicombo::uniCombo::DropDown, c, note("DropDown"));
        QObject::connect(c, &unicombo::uniCombo::CloseUp, c, note("CloseUp"));
        QObject::connect(c, &unicombo::uniCombo::EditChange, c, note("EditChange"));
        QObject::connect(c, &unicombo::uniCombo::ListIndexChange, c, note("ListIndexChange"));
        QObject::connect(c, &unicombo::uniCombo::BeginEdit, c, note("BeginEdit"));
        QObject::connect(c, &unicombo::uniCombo::Click, c, note("Click"));
        QObject::connect(
            c, &unicombo::uniCombo::EndEdit, c, [this](bool changed, int index, const QString& text, int why) {
                events.append(QStringLiteral("EndEdit:%1,%2,%3,%4").arg(changed).arg(index).arg(text).arg(why));
            });
    }

    // Only the events of one kind, in order.
    QStringList only(const QString& name) const
    {
        QStringList out;
        for (const QString& e : events) {
            if (e.startsWith(name + QLatin1Char(':')))
                out.append(e);
        }
        return out;
    }

    // Where the keyboard goes: the open list while there is one.
    QWidget* focus() const
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup->focusWidget() ? popup->focusWidget() : popup;
        return QApplication::focusWidget();
    }

    void focusCombo()
    {
        combo->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    // Types text one character (code point) at a time, as a keyboard with an input method would.
    void type(const QString& text)
    {
        for (char32_t c : text.toUcs4()) {
            const QString one = QString::fromUcs4(&c, 1);
            QTest::sendKeyEvent(QTest::Press, focus(), Qt::Key_unknown, one, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, focus(), Qt::Key_unknown, one, Qt::NoModifier);
        }
    }

    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(focus(), k, mods); }

    QStringList events;   // outlives the dialog, which still reports while it closes
    QDialog dialog;
    unicombo::uniCombo* combo = nullptr;
    QLineEdit* other = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
