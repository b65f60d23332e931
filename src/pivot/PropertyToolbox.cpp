#include "pivot/PropertyToolbox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace pivot {

PropertyToolbox::PropertyToolbox(QWidget* parent)
    : QWidget(parent), m_field(new QComboBox(this)), m_caption(new QLineEdit(this)), m_format(new QComboBox(this))
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    auto* title = new QLabel(QCoreApplication::translate("pivot", "Properties"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    outer->addWidget(title);
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("pivot", "Data field:"), m_field);
    form->addRow(QCoreApplication::translate("pivot", "Caption:"), m_caption);
    form->addRow(QCoreApplication::translate("pivot", "Number format:"), m_format);
    outer->addLayout(form);
    outer->addStretch(1);
    m_format->setEditable(true);
    m_format->addItems({QStringLiteral("General Number"), QStringLiteral("Currency"), QStringLiteral("Percent"),
                        QStringLiteral("Fixed"), QStringLiteral("Standard"), QStringLiteral("Scientific"),
                        QStringLiteral("#,##0"), QStringLiteral("#,##0.00"), QStringLiteral("0.0%")});
    connect(m_field, &QComboBox::currentIndexChanged, this, &PropertyToolbox::showField);
    connect(m_caption, &QLineEdit::editingFinished, this, &PropertyToolbox::commit);
    connect(m_format, &QComboBox::currentTextChanged, this, &PropertyToolbox::commit);
    setMinimumWidth(180);
}

void PropertyToolbox::setFields(const QVector<Field>& fields)
{
    if (m_committing && fields.size() == m_field->count()) {
        // The echo of an edit: refilling the editors would trim or replace what is being typed.
        m_fields = fields;
        for (int i = 0; i < fields.size(); ++i)
            m_field->setItemText(i, fields[i].caption);
        return;
    }
    {
        const QScopedValueRollback filling(m_filling, true);
        const int current = std::max(0, m_field->currentIndex());
        m_fields = fields;
        m_field->clear();
        for (const Field& f : fields)
            m_field->addItem(f.caption);
        m_field->setCurrentIndex(fields.isEmpty() ? -1 : std::min(current, int(fields.size()) - 1));
    }
    showField(m_field->currentIndex());
    setEnabled(!fields.isEmpty());
}

void PropertyToolbox::showField(int index)
{
    const QScopedValueRollback filling(m_filling, true);
    m_caption->setText(index >= 0 ? m_fields.value(index).caption : QString());
    m_format->setCurrentText(index >= 0 ? m_fields.value(index).numberFormat : QString());
}

void PropertyToolbox::commit()
{
    const int index = m_field->currentIndex();
    if (m_filling || index < 0 || index >= m_fields.size())
        return;
    const Field edited{m_caption->text().trimmed(), m_format->currentText().trimmed()};
    if (edited.caption == m_fields[index].caption && edited.numberFormat == m_fields[index].numberFormat)
        return;
    const QScopedValueRollback committing(m_committing, true);
    emit fieldEdited(index, edited.caption, edited.numberFormat);
}

}
