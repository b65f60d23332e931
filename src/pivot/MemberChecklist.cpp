#include "pivot/MemberChecklist.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pivot {

MemberChecklist::MemberChecklist(const QString& fieldCaption, const QVector<olap::Member>& members,
                                 const QVector<olap::MemberPath>& include, QWidget* parent)
    : QDialog(parent), m_members(members), m_search(new QLineEdit(this)), m_list(new QListWidget(this))
{
    setWindowTitle(QCoreApplication::translate("pivot", "Filter: %1").arg(fieldCaption));
    auto* layout = new QVBoxLayout(this);
    m_search->setPlaceholderText(QCoreApplication::translate("pivot", "Search"));
    m_search->setClearButtonEnabled(true);
    layout->addWidget(m_search);
    auto* buttons = new QHBoxLayout;
    auto* all = new QPushButton(QCoreApplication::translate("pivot", "Select All"), this);
    auto* none = new QPushButton(QCoreApplication::translate("pivot", "Select None"), this);
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(m_list, 1);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = box->button(QDialogButtonBox::Ok);
    layout->addWidget(box);

    for (const olap::Member& member : m_members) {
        auto* item = new QListWidgetItem(member.caption, m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(include.isEmpty() || include.contains(member.path) ? Qt::Checked : Qt::Unchecked);
    }
    connect(m_search, &QLineEdit::textChanged, this, &MemberChecklist::applySearch);
    connect(all, &QPushButton::clicked, this, [this] { setAllVisibleChecked(true); });
    connect(none, &QPushButton::clicked, this, [this] { setAllVisibleChecked(false); });
    connect(m_list, &QListWidget::itemChanged, this, &MemberChecklist::updateOk);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateOk();
    resize(280, 360);
}

QVector<olap::MemberPath> MemberChecklist::selection() const
{
    QVector<olap::MemberPath> kept;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked)
            kept << m_members[i].path;
    if (kept.size() == m_members.size())
        return {};
    return kept;
}

void MemberChecklist::setAllVisibleChecked(bool checked)
{
    for (int i = 0; i < m_list->count(); ++i)
        if (!m_list->item(i)->isHidden())
            m_list->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void MemberChecklist::applySearch()
{
    const QString needle = m_search->text().trimmed();
    for (int i = 0; i < m_list->count(); ++i)
        m_list->item(i)->setHidden(!needle.isEmpty() && !m_list->item(i)->text().contains(needle, Qt::CaseInsensitive));
}

void MemberChecklist::updateOk()
{
    // Keeping no member at all would only empty the pivot.
    bool any = false;
    for (int i = 0; i < m_list->count() && !any; ++i)
        any = m_list->item(i)->checkState() == Qt::Checked;
    m_ok->setEnabled(any);
}

}
