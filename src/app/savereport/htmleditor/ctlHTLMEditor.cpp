#include "app/savereport/htmleditor/ctlHTLMEditor.h"

#include "app/reportwindow/Twips.h"
#include "app/savereport/htmleditor/CommandBarIcons.h"
#include "app/savereport/htmleditor/RichTextEngine.h"
#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"
#include "common/modFileHandling.h"
#include "lang/modMultiLingual.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QUrl>
#include <optional>

namespace savereport::htmleditor {

const QString kEmptyTemplate = QStringLiteral(
    "<html><head><style>p {  line-height: 0;font-family: Arial;font-size: 9pt;}</style></head><body><p></p></body></html>");

namespace {

constexpr int kRowHeightTwips = 330;
constexpr int kButtonWidthTwips = 375;

struct ButtonSpec
{
    const char* tag;
    int leftTwips;
    const QString* tooltip;   // a phrase variable; nullptr: none set here
    std::optional<EditCommand> command;
};

const QString kHtmlTooltip = QStringLiteral("HTML");

const ButtonSpec kButtons[ctlHTLMEditor::kButtonCount] = {
    {"cmdCut", 0, &modMultiLingual::LNGCUT, EditCommand::Cut},
    {"cmdCopy", 360, &modMultiLingual::LNGCOPY, EditCommand::Copy},
    {"cmdPaste", 720, &modMultiLingual::LNGPASTE, EditCommand::Paste},
    {"cmdUndo", 1200, &modMultiLingual::LNGUNDO, EditCommand::Undo},
    {"cmdRedo", 1560, &modMultiLingual::LNGREDO, EditCommand::Redo},
    {"cmdBold", 2040, &modMultiLingual::LNGBOLD, EditCommand::Bold},
    {"cmdItalic", 2400, &modMultiLingual::LNGITALIC, EditCommand::Italic},
    {"cmdUnderline", 2760, &modMultiLingual::LNGUNDERLINE, EditCommand::Underline},
    {"cmdNumbers", 3240, nullptr, EditCommand::InsertOrderedList},
    {"cmdBullets", 3600, nullptr, EditCommand::InsertUnorderedList},
    {"cmdInsertImage", 4080, &modMultiLingual::LNGINSERTIMAGE, EditCommand::InsertImage},
    {"cmdHyperlink", 4440, &modMultiLingual::LNGHYPERLINK, EditCommand::CreateLink},
    {"cmdHTML", 4920, &kHtmlTooltip, std::nullopt},
    {"cmdWYSIWYG", 4920, nullptr, std::nullopt},
};

const ButtonSpec& specOf(const QString& tag)
{
    for (const ButtonSpec& spec : kButtons) {
        if (tag == QLatin1String(spec.tag))
            return spec;
    }
    return kButtons[ctlHTLMEditor::kButtonCount - 1];
}

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

ctlHTLMEditor::ctlHTLMEditor(QWidget* parent, EditorPrompts prompts)
    : QWidget(parent)
    , m_prompts(std::move(prompts))
{
    setObjectName(QStringLiteral("ctlHTLMEditor"));
    auto* editor = new RichTextEngine(this);
    editor->setObjectName(QStringLiteral("ieeEditor"));
    m_engine = editor;
    m_txtHTML = new QPlainTextEdit(this);
    m_txtHTML->setObjectName(QStringLiteral("txtHTML"));
    m_txtHTML->hide();
    buildCommandBar();
    const int top = reportwindow::twips::toPixels(kRowHeightTwips, reportwindow::twips::perPixelY(*this));
    editor->move(0, top);
    m_txtHTML->move(0, top);

    subSetLangCaptions();
    setHTML(kEmptyTemplate);
    editor->show();
    // Focus given to the control goes to the view on show.
    setFocusProxy(editor);
}

ctlHTLMEditor::~ctlHTLMEditor() = default;

void ctlHTLMEditor::buildCommandBar()
{
    const double perX = reportwindow::twips::perPixelX(*this);
    const double perY = reportwindow::twips::perPixelY(*this);
    for (int index = 0; index < kButtonCount; ++index) {
        const ButtonSpec& spec = kButtons[index];
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdCommandBar_%1").arg(index));
        button->setProperty("Tag", QString::fromLatin1(spec.tag));
        button->setAutoRaise(true);
        button->setIcon(commandBarIcon(QString::fromLatin1(spec.tag)));
        button->setGeometry(reportwindow::twips::toPixels(spec.leftTwips, perX), 0, reportwindow::twips::toPixels(kButtonWidthTwips, perX),
                            reportwindow::twips::toPixels(kRowHeightTwips, perY));
        connect(button, &QToolButton::clicked, this, [this, index] { cmdCommandBar_Click(index); });
        m_cmdCommandBar.append(button);
    }
    fncFindButtonByTag(QStringLiteral("cmdWYSIWYG"))->hide();
}

QWidget* ctlHTLMEditor::ieeEditor() const
{
    return m_engine->widget();
}

QString ctlHTLMEditor::tagOf(const QToolButton* button) const
{
    return button->property("Tag").toString();
}

QString ctlHTLMEditor::HTML() const
{
    return common::handled(QStringLiteral("Property_Get_HTML"), common::Message::LastStep, [&] {
        if (m_sourceView)
            return m_txtHTML->toPlainText();
        return m_engine->modified() ? m_engine->read() : m_written;
    });
}

void ctlHTLMEditor::setHTML(const QString& text)
{
    common::handled(QStringLiteral("Property_Let_HTML"), common::Message::LastStep, [&] {
        if (m_sourceView)
            m_txtHTML->setPlainText(text);
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
    QWidget* editor = ieeEditor();
    editor->hide();
    m_engine->write(text);
    m_written = text;
    editor->show();
}

QToolButton* ctlHTLMEditor::fncFindButtonByTag(const QString& tag) const
{
    for (QToolButton* button : m_cmdCommandBar) {
        if (tagOf(button) == tag)
            return button;
    }
    return m_cmdCommandBar.last();
}

void ctlHTLMEditor::subSetLangCaptions()
{
    common::handled(QStringLiteral("subSetLangCaptions"), common::Message::LastStep, [&] {
        modErroHandling::subLogStep(QStringLiteral("Setting captions to buttons in commandbar"));
        for (QToolButton* button : m_cmdCommandBar) {
            if (const QString* tooltip = specOf(tagOf(button)).tooltip)
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
        for (QToolButton* button : m_cmdCommandBar) {
            if (!alwaysEnabled.contains(tagOf(button)))
                button->setEnabled(enabled);
        }
    });
}

// A command the document refuses leaves the editor as it was; nothing is reported.
void ctlHTLMEditor::cmdCommandBar_Click(int index)
{
    const QString tag = tagOf(m_cmdCommandBar.at(index));
    try {
        if (tag == QLatin1String("cmdHTML"))
            showSourceView(m_cmdCommandBar.at(index));
        else if (tag == QLatin1String("cmdWYSIWYG"))
            showDesignView(m_cmdCommandBar.at(index));
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
        clipboard().setText(selectedText(*m_txtHTML));
        m_txtHTML->textCursor().insertText(QString());
    } else if (tag == QLatin1String("cmdCopy")) {
        clipboard().setText(selectedText(*m_txtHTML));
    } else if (tag == QLatin1String("cmdPaste")) {
        m_txtHTML->textCursor().insertText(clipboard().text());
    }
}

void ctlHTLMEditor::runInDesignView(const QString& tag)
{
    const std::optional<EditCommand> command = specOf(tag).command;
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
    m_engine->run(*command, argument);
}

void ctlHTLMEditor::showSourceView(QToolButton* clicked)
{
    m_txtHTML->show();
    m_txtHTML->setPlainText(HTML());
    ieeEditor()->hide();
    subToggleFormattingButtons(false);
    m_sourceView = true;
    setFocusProxy(m_txtHTML);
    clicked->hide();
    fncFindButtonByTag(QStringLiteral("cmdWYSIWYG"))->show();
}

void ctlHTLMEditor::showDesignView(QToolButton* clicked)
{
    m_txtHTML->hide();
    m_sourceView = false;
    setHTML(m_txtHTML->toPlainText());
    ieeEditor()->show();
    subToggleFormattingButtons(true);
    setFocusProxy(ieeEditor());
    clicked->hide();
    fncFindButtonByTag(QStringLiteral("cmdHTML"))->show();
}

void ctlHTLMEditor::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int height = std::max(0, this->height() - reportwindow::twips::toPixels(kRowHeightTwips, reportwindow::twips::perPixelY(*this)));
    ieeEditor()->resize(width(), height);
    m_txtHTML->resize(width(), height);
}


}
