#pragma once

#include "platform/App.h"
#include "platform/Desktop.h"
#include "platform/FilePicker.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/ProcessEnd.h"
#include "platform/RegistryStore.h"
#include "platform/Services.h"
#include "platform/SpecialFolders.h"

#include <QList>
#include <QTemporaryDir>
#include <optional>

namespace platform {

// Stand-ins for tests: they record what the program asked for and answer as told.

class FakeMessageBox : public MessageBoxService
{
public:
    struct Shown
    {
        QString text;
        int style;
        QString title;
    };
    QList<Shown> shown;
    QList<int> answers;   // taken in order; when empty: No for Yes/No boxes, else OK
    QStringList prompts;
    QStringList promptTitles;
    QList<std::optional<QString>> inputAnswers;   // taken in order; when empty: cancelled

    int msgBox(const QString& text, int style, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
};

class FakeUrlOpener : public UrlOpener
{
public:
    QStringList urls;
    QStringList files;
    void openUrl(const QString& address) override { urls.append(address); }
    void openFile(const QString& path) override { files.append(path); }
};

class FakeLauncher : public ProcessLauncher
{
public:
    struct Start
    {
        QString program;
        QStringList arguments;
    };
    QList<Start> started;
    bool succeed = true;
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

// Prints to a PDF file instead of asking for a printer.
class FakePrinterChooser : public PrinterChooser
{
public:
    QString pdfPath;
    bool cancel = false;
    int asked = 0;
    std::unique_ptr<QPrinter> choosePrinter(const QString& documentName) override;
};

// Answers the file questions from a list: a path, or an empty optional for a cancel.
class FakeFilePicker : public FilePicker
{
public:
    QList<SaveFileRequest> asked;
    QList<std::optional<QString>> answers;   // taken in order; when empty: cancelled
    QList<OpenFileRequest> openAsked;
    QList<std::optional<QString>> openAnswers;   // taken in order; when empty: cancelled
    std::optional<QString> saveFileName(const SaveFileRequest& request) override;
    std::optional<QString> openFileName(const OpenFileRequest& request) override;
};

// Records the end and throws ProcessEnded, so the code after the end never runs.
class FakeProcessEnd : public ProcessEnd
{
public:
    int ends = 0;
    int lastExitCode = -1;
    [[noreturn]] void endProcess(int exitCode) override;
};

// Installs all stand-ins for the life of the object, with the user's folders, the
// program folder and the registry store in a fresh temporary folder.
class FakeServices
{
public:
    FakeServices();
    ~FakeServices();
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    QString path(const QString& relative) const { return m_root.filePath(relative); }
    // The stand-ins as a set of services, for a context that installs them again.
    Services view();

    QTemporaryDir m_root;
    App app;
    Forms forms;
    SpecialFolders folders;
    FakeMessageBox messageBox;
    FakeUrlOpener urlOpener;
    FakeLauncher launcher;
    FakePrinterChooser printerChooser;
    FakeProcessEnd processEnd;
    FakeFilePicker filePicker;
    RegistryStore registry;

private:
    Services m_previous;
};

}
