#include "app/savereport/htmleditor/ctlHTLMEditor.h"

#include "app/description/SafeDescription.h"
#include "app/savereport/htmleditor/CommandBar.h"
#include "app/savereport/htmleditor/RichTextEngine.h"
#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"
#include "common/modFileHandling.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QUrl>
#include <optional>

namespace savereport::htmleditor {

const QString kEmptyTemplate = QStringLiteral("<html><head><style>p {  line-height: 0;font-family: Arial;font-size: "
                                              "9pt;}</style></head><body><p></p></body></html>");

namespace {

// The plain-text clipboard, as the source view's cut, copy and paste use it.
QClipboard& clipboard()
{
    return *QGuiApplication::clipboard();
}

QString selectedText(const QPlainTextEdit& box)
{
    return box.textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

}

static_assert(ctlHTLMEditor::kButtonCount == kCommandBarButtons);

struct ctlHTLMEditor::Controls
{
    HtmlEditorEngine* engine = nullptr;   // owned as a child widget
    QPlainTextEdit* txtHTML = nullptr;
    QList<QToolButton*> cmdCommandBar;
};

ctlHTLMEditor::ctlHTLMEditor(QWidget* parent, EditorPrompts prompts)
    : QWidget(parent), m_controls(std::make_unique<Controls>()), m_prompts(std::move(prompts))
{
    setObjectName(QStringLiteral("ctlHTLMEditor"));
    auto* editor = new RichTextEngine(this);
    editor->setObjectName(QStringLiteral("ieeEditor"));
    m_controls->engine = editor;
    m_controls->txtHTML = new QPlainTextEdit(this);
    m_controls->txtHTML->setObjectName(QStringLiteral("txtHTML"));
    m_controls->txtHTML->hide();
    m_controls->cmdCommandBar = createCommandBar(this);
    for (int index = 0; index < kButtonCount; ++index)
        connect(m_controls->cmdCommandBar.at(index), &QToolButton::clicked, this,
                [this, index] { cmdCommandBar_Click(index); });
    fncFindButtonByTag(QStringLiteral("cmdWYSIWYG"))->hide();
    editor->move(0, commandBarHeight(*this));
    m_controls->txtHTML->move(0, commandBarHeight(*this));

    subSetLangCaptions();
    setHTML(kEmptyTemplate);
    editor->show();
    // Focus given to the control goes to the view on show.
    setFocusProxy(editor);
}

ctlHTLMEditor::~ctlHTLMEditor() = default;

HtmlEditorEngine& ctlHTLMEditor::engine() const
{
    return *m_controls->engine;
}

QPlainTextEdit* ctlHTLMEditor::txtHTML() const
{
    return m_controls->txtHTML;
}

QToolButton* ctlHTLMEditor::cmdCommandBar(int index) const
{
    return m_controls->cmdCommandBar.at(index);
}

QWidget* ctlHTLMEditor::ieeEditor() const
{
    return m_controls->engine->widget();
}

QString ctlHTLMEditor::tagOf(const QToolButton* button) const
{
    return htmleditor::tagOf(*button);
}

QString ctlHTLMEditor::HTML() const
{
    return common::handled(QStringLiteral("Property_Get_HTML"), common::Message::LastStep, [&] {
        if (m_sourceView)
            return m_controls->txtHTML->toPlainText();
        return m_controls->engine->modified() ? m_controls->engine->read() : m_written;
    });
}

void ctlHTLMEditor::setHTML(const QString& text)
{
    common::handled(QStringLiteral("Property_Let_HTML"), common::Message::LastStep, [&] {
        if (m_sourceView)
            m_controls->txtHTML->setPlainText(text);
        else
            writeDesignView(text);
    });
}

// The editor's copy of the text goes to the temporary folder first, as it always has; the
// document is then loaded at once, without waiting on the event loop, so no click or
// other event of the dialog can run in the middle of a load.
void ctlHTLMEditor::writeDesignView(const QString& text)
{
    const QString path = modFileHandling::fncSaveTextFile(QStringLiteral("IIEdit.htm"), text, true);
    modErroHandling::subLogStep(QStringLiteral("Displaying the html content saved at ") + path);
    const description::SafeDescription safe = description::safeDescription(text, m_reportName);
    QWidget* editor = ieeEditor();
    editor->hide();
    m_controls->engine->write(safe.refused ? kEmptyTemplate : safe.html);
    m_written = text;
    editor->show();
    description::tellNotice(safe);
}

QToolButton* ctlHTLMEditor::fncFindButtonByTag(const QString& tag) const
{
    for (QToolButton* button : m_controls->cmdCommandBar) {
        if (tagOf(button) == tag)
            return button;
    }
    return m_controls->cmdCommandBar.last();
}

void ctlHTLMEditor::subSetLangCaptions()
{
    common::handled(QStringLiteral("subSetLangCaptions"), common::Message::LastStep, [&] {
        modErroHandling::subLogStep(QStringLiteral("Setting captions to buttons in commandbar"));
        for (QToolButton* button : m_controls->cmdCommandBar) {
            if (const QString* tooltip = commandBarButton(tagOf(button)).tooltip)
                button->setToolTip(*tooltip);
        }
    });
}

void ctlHTLMEditor::subToggleFormattingButtons(bool enabled)
{
    common::handled(QStringLiteral("subToggleFormattingButtons"), common::Message::LastStep, [&] {
        modErroHandling::subLogStep(QStringLiteral("Toggling enabled state of toolbar formatting buttons to ")
                                    + (enabled ? QStringLiteral("True") : QStringLiteral("False")));
        static const QStringList alwaysEnabled{QStringLiteral("cmdHTML"), QStringLiteral("cmdWYSIWYG"),
                                               QStringLiteral("cmdCopy"), QStringLiteral("cmdPaste"),
                                               QStringLiteral("cmdCut")};
        for (QToolButton* button : m_controls->cmdCommandBar) {
            if (!alwaysEnabled.contains(tagOf(button)))
                button->setEnabled(enabled);
        }
    });
}

// A command the document refuses leaves the editor as it was; nothing is reported.
void ctlHTLMEditor::cmdCommandBar_Click(int index)
{
    const QString tag = tagOf(m_controls->cmdCommandBar.at(index));
    try {
        if (tag == QLatin1String("cmdHTML"))
            showSourceView(m_controls->cmdCommandBar.at(index));
        else if (tag == QLatin1String("cmdWYSIWYG"))
            showDesignView(m_controls->cmdCommandBar.at(index));
        else if (m_sourceView)
            runInSourceView(tag);
        else
            runInDesignView(tag);
    } catch (const std::exception&) {
    }
}

void ctlHTLMEditor::runInSourceView(const QString& tag)
{
    if (tag == QLatin1String("cmdCut")) {
        clipboard().setText(selectedText(*m_controls->txtHTML));
        m_controls->txtHTML->textCursor().insertText(QString());
    } else if (tag == QLatin1String("cmdCopy")) {
        clipboard().setText(selectedText(*m_controls->txtHTML));
    } else if (tag == QLatin1String("cmdPaste")) {
        m_controls->txtHTML->textCursor().insertText(clipboard().text());
    }
}

void ctlHTLMEditor::runInDesignView(const QString& tag)
{
    const std::optional<EditCommand> command = commandBarButton(tag).command;
    if (!command)
        return;
    QString argument;
    if (*command == EditCommand::InsertImage) {
        const std::optional<QString> file = m_prompts.imageFile ? m_prompts.imageFile(this) : std::nullopt;
        if (!file || file->isEmpty())
            return;
        argument = QUrl::fromLocalFile(*file).toString();
    } else if (*command == EditCommand::CreateLink) {
        const std::optional<QString> address = m_prompts.linkAddress ? m_prompts.linkAddress(this) : std::nullopt;
        if (!address || address->trimmed().isEmpty())
            return;
        argument = address->trimmed();
    }
    m_controls->engine->run(*command, argument);
}

void ctlHTLMEditor::showSourceView(QToolButton* clicked)
{
    m_controls->txtHTML->show();
    m_controls->txtHTML->setPlainText(HTML());
    ieeEditor()->hide();
    subToggleFormattingButtons(false);
    m_sourceView = true;
    setFocusProxy(m_controls->txtHTML);
    clicked->hide();
    fncFindButtonByTag(QStringLiteral("cmdWYSIWYG"))->show();
}

void ctlHTLMEditor::showDesignView(QToolButton* clicked)
{
    m_controls->txtHTML->hide();
    m_sourceView = false;
    setHTML(m_controls->txtHTML->toPlainText());
    ieeEditor()->show();
    subToggleFormattingButtons(true);
    setFocusProxy(ieeEditor());
    clicked->hide();
    fncFindButtonByTag(QStringLiteral("cmdHTML"))->show();
}

void ctlHTLMEditor::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int height = std::max(0, this->height() - commandBarHeight(*this));
    ieeEditor()->resize(width(), height);
    m_controls->txtHTML->resize(width(), height);
}
}
