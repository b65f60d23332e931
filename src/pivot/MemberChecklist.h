#pragma once

#include "olap/CubeSource.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace pivot {

// The members of one field with a check box each: which of them the pivot keeps. A
// search narrows the list; select all and none act on what the search shows.
class MemberChecklist : public QDialog
{
    Q_OBJECT
public:
    // `include` empty: every member is kept.
    MemberChecklist(const QString& fieldCaption, const QVector<olap::Member>& members,
                    const QVector<olap::MemberPath>& include, QWidget* parent = nullptr);

    // The kept members; empty when all are kept (no filter).
    QVector<olap::MemberPath> selection() const;

    QLineEdit* searchBox() const { return m_search; }
    QListWidget* list() const { return m_list; }
    void setAllVisibleChecked(bool checked);

private:
    void applySearch();
    void updateOk();

    QVector<olap::Member> m_members;
    QLineEdit* m_search;
    QListWidget* m_list;
    QPushButton* m_ok = nullptr;
};

}
