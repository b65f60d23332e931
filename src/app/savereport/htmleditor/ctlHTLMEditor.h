#pragma once

#include "app/savereport/htmleditor/EditorPrompts.h"
#include "app/savereport/htmleditor/HtmlEditorEngine.h"

#include <QString>
#include <QWidget>
#include <memory>

class QPlainTextEdit;
class QToolButton;

namespace savereport::htmleditor {

// The description of a report with no description of its own. The save dialog compares
// against it to tell an untouched description.
extern const QString kEmptyTemplate;

// Edits a report's description as HTML: formatted in the design view, as text in the
// source view, with a row of fourteen buttons above.
//
// Reading HTML in the design view gives back exactly the text last written as long as the
// user has not edited the document since; after an edit it gives the document as the
// editor serialises it. The source view gives its text as typed. So a description that
// is opened and saved untouched keeps every byte.
class ctlHTLMEditor : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kButtonCount = 14;

    explicit ctlHTLMEditor(QWidget* parent = nullptr, EditorPrompts prompts = defaultEditorPrompts());
    ~ctlHTLMEditor() override;

    QString HTML() const;
    // A description too large or too deeply nested to lay out as written is shown flattened,
    // or not at all, with a notice to the user; HTML reads it back unchanged until it is edited.
    void setHTML(const QString& text);
    // The report whose description the editor holds, named in those notices.
    void setDescribedReport(const QString& reportName) { m_reportName = reportName; }

    // The first button with that tag; the last button when none has it.
    QToolButton* fncFindButtonByTag(const QString& tag) const;
    void subSetLangCaptions();
    // Everything but the view switches and the clipboard buttons.
    void subToggleFormattingButtons(bool enabled);

    HtmlEditorEngine& engine() const;
    QWidget* ieeEditor() const;
    QPlainTextEdit* txtHTML() const;
    QToolButton* cmdCommandBar(int index) const;
    QString tagOf(const QToolButton* button) const;
    bool sourceView() const { return m_sourceView; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Controls;

    void writeDesignView(const QString& text);
    void cmdCommandBar_Click(int index);
    void runInSourceView(const QString& tag);
    void runInDesignView(const QString& tag);
    void showSourceView(QToolButton* clicked);
    void showDesignView(QToolButton* clicked);

    std::unique_ptr<Controls> m_controls;
    EditorPrompts m_prompts;
    QString m_written;   // the text the design view was last loaded with
    QString m_reportName;
    bool m_sourceView = false;
};

}
