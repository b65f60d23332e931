#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace platform {

// A message handed to the user's mail client to send. Save keeps a copy as a text file in
// the documents folder under "Zelbrin"; Display opens the desktop mail client's compose
// window with the message filled in. Both raise a run-time error on failure.
class MailItem
{
public:
    QString To;
    QString Subject;
    QString Body;

    void Save();
    void Display();
    const QString& savedCopy() const { return m_savedCopy; }

private:
    QString m_savedCopy;
};

// The mail application the error report goes through: the desktop's own mail client.
class MailApplication : public QObject
{
    Q_OBJECT
public:
    // Reports the interface level it offers, as a version text of numbers and points.
    QString Version() const;
    // Item type 0 is a mail item; others are not offered.
    std::unique_ptr<MailItem> CreateItem(int itemType) const;
};

}
