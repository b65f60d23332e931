#pragma once

#include "app/savereport/htmleditor/HtmlEditorEngine.h"

#include <QTextEdit>

namespace savereport::htmleditor {

// The description as formatted text in an editable rich-text document. Pictures load as a
// description's do (description::descriptionResource); anything else shows as an empty picture.
class RichTextEngine : public QTextEdit, public HtmlEditorEngine
{
    Q_OBJECT
public:
    explicit RichTextEngine(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void write(const QString& html) override;
    QString read() const override;
    bool modified() const override;
    bool run(EditCommand command, const QString& argument = QString()) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void toggleWeight();
    void mergeFormat(const QTextCharFormat& format);
    void toggleList(int style);
    bool createLink(const QString& address);
    void endLinkAtCursor();
};

}
