#pragma once

#include <QString>
#include <optional>

namespace platform {

// Message-box style bits and answers, as the program's callers pass and test them.
namespace mb {
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;

constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbYes = 6;
constexpr int vbNo = 7;
}

// Modal questions and notices. The text is always shown as plain text.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    // An empty title means the program's default title.
    virtual int msgBox(const QString& text, int style, const QString& title) = 0;
    // Empty optional when the user cancels.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
};

class QtMessageBox : public MessageBoxService
{
public:
    int msgBox(const QString& text, int style, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
};

}
