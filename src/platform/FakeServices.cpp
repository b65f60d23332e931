#include "platform/FakeServices.h"

#include <QDir>
#include <QPrinter>

namespace platform {

int FakeMessageBox::msgBox(const QString& text, int style, const QString& title)
{
    shown.append(Shown{text, style, title});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return (style & 7) == mb::vbYesNo ? mb::vbNo : mb::vbOK;
}

std::optional<QString> FakeMessageBox::inputBox(const QString& prompt, const QString& title, const QString&)
{
    prompts.append(prompt);
    promptTitles.append(title);
    if (inputAnswers.isEmpty())
        return std::nullopt;
    return inputAnswers.takeFirst();
}

bool FakeLauncher::startDetached(const QString& program, const QStringList& arguments)
{
    started.append(Start{program, arguments});
    return succeed;
}

std::unique_ptr<QPrinter> FakePrinterChooser::choosePrinter(const QString& documentName)
{
    ++asked;
    if (cancel)
        return nullptr;
    auto printer = std::make_unique<QPrinter>();
    printer->setDocName(documentName);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfPath);
    return printer;
}

std::optional<QString> FakeFilePicker::saveFileName(const SaveFileRequest& request)
{
    asked.append(request);
    if (answers.isEmpty())
        return std::nullopt;
    return answers.takeFirst();
}

std::optional<QString> FakeFilePicker::openFileName(const OpenFileRequest& request)
{
    openAsked.append(request);
    if (openAnswers.isEmpty())
        return std::nullopt;
    return openAnswers.takeFirst();
}

void FakeProcessEnd::endProcess(int exitCode)
{
    ++ends;
    lastExitCode = exitCode;
    throw ProcessEnded{exitCode};
}

namespace {

QString made(const QTemporaryDir& root, const QString& relative)
{
    const QString path = root.filePath(relative);
    QDir().mkpath(path);
    return path;
}

}

FakeServices::FakeServices()
    : app(made(m_root, QStringLiteral("app")), QString(), made(m_root, QStringLiteral("run")))
    , folders(made(m_root, QStringLiteral("Documents")), made(m_root, QStringLiteral("tmp")),
              made(m_root, QStringLiteral("run")))
    , registry(made(m_root, QStringLiteral("registry")))
{
    printerChooser.pdfPath = m_root.filePath(QStringLiteral("printed.pdf"));
    m_previous = exchangeServices(view());
}

FakeServices::~FakeServices()
{
    exchangeServices(m_previous);
}

Services FakeServices::view()
{
    return Services{&app,      &forms,          &folders,    &messageBox, &urlOpener,
                    &launcher, &printerChooser, &processEnd, &filePicker, &registry};
}

}
