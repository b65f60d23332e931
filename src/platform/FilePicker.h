#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace platform {

// What the program asks when the user names a file to write.
struct SaveFileRequest
{
    QWidget* parent = nullptr;
    QString title;
    QString filter;          // "Description(*.ext)"
    QString defaultSuffix;   // added by the dialog to a name typed without one
};

// What the program asks when the user picks an existing file to read.
struct OpenFileRequest
{
    QWidget* parent = nullptr;
    QString title;
    QString filter;   // "Description(*.ext *.ext2)"
};

// Asks the user where to write a file, or which file to read. The dialog asks before an existing file is
// replaced. Empty optional when the user cancels.
class FilePicker
{
public:
    virtual ~FilePicker() = default;
    virtual std::optional<QString> saveFileName(const SaveFileRequest& request) = 0;
    virtual std::optional<QString> openFileName(const OpenFileRequest& request) = 0;
};

class QtFilePicker : public FilePicker
{
public:
    std::optional<QString> saveFileName(const SaveFileRequest& request) override;
    std::optional<QString> openFileName(const OpenFileRequest& request) override;
};

}
