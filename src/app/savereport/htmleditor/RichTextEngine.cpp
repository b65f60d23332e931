#include "app/savereport/htmleditor/RichTextEngine.h"

#include "app/description/SafeDescription.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <QUrl>

namespace savereport::htmleditor {

namespace {

QTextCharFormat withoutLink(QTextCharFormat format)
{
    for (const int property :
         {QTextFormat::IsAnchor, QTextFormat::AnchorHref, QTextFormat::AnchorName, QTextFormat::ForegroundBrush,
          QTextFormat::FontUnderline, QTextFormat::TextUnderlineStyle})
        format.clearProperty(property);
    return format;
}

}

RichTextEngine::RichTextEngine(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
}

void RichTextEngine::write(const QString& html)
{
    setHtml(html);
    document()->setModified(false);
}

QString RichTextEngine::read() const
{
    return toHtml();
}

bool RichTextEngine::modified() const
{
    return document()->isModified();
}

bool RichTextEngine::run(EditCommand command, const QString& argument)
{
    switch (command) {
    case EditCommand::Cut:
        cut();
        return true;
    case EditCommand::Copy:
        copy();
        return true;
    case EditCommand::Paste:
        if (!canPaste())
            return false;
        paste();
        return true;
    case EditCommand::Undo:
        if (!document()->isUndoAvailable())
            return false;
        undo();
        return true;
    case EditCommand::Redo:
        if (!document()->isRedoAvailable())
            return false;
        redo();
        return true;
    case EditCommand::Bold:
        toggleWeight();
        return true;
    case EditCommand::Italic: {
        QTextCharFormat format;
        format.setFontItalic(!textCursor().charFormat().fontItalic());
        mergeFormat(format);
        return true;
    }
    case EditCommand::Underline: {
        QTextCharFormat format;
        format.setFontUnderline(!textCursor().charFormat().fontUnderline());
        mergeFormat(format);
        return true;
    }
    case EditCommand::InsertOrderedList:
        toggleList(QTextListFormat::ListDecimal);
        return true;
    case EditCommand::InsertUnorderedList:
        toggleList(QTextListFormat::ListDisc);
        return true;
    case EditCommand::InsertImage: {
        if (argument.isEmpty())
            return false;
        QTextImageFormat image;
        image.setName(argument);
        textCursor().insertImage(image);
        return true;
    }
    case EditCommand::CreateLink:
        return createLink(argument);
    }
    return false;
}

void RichTextEngine::toggleWeight()
{
    QTextCharFormat format;
    format.setFontWeight(textCursor().charFormat().fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
    mergeFormat(format);
}

// A selection is formatted; without one, only what is typed next, so that turning bold off
// after a bold word leaves the word bold.
void RichTextEngine::mergeFormat(const QTextCharFormat& format)
{
    mergeCurrentCharFormat(format);
}

// The blocks of the selection go into a list of that style, or out of it when they are
// in one already.
void RichTextEngine::toggleList(int style)
{
    QTextCursor cursor = textCursor();
    QTextList* list = cursor.currentList();
    if (!list) {
        cursor.createList(QTextListFormat::Style(style));
        return;
    }
    if (list->format().style() != style) {
        QTextListFormat format = list->format();
        format.setStyle(QTextListFormat::Style(style));
        list->setFormat(format);
        return;
    }
    cursor.beginEditBlock();
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    for (QTextBlock block = document()->findBlock(cursor.selectionStart()); block.isValid(); block = block.next()) {
        if (block.textList() == list) {
            list->remove(block);
            QTextBlockFormat plain = block.blockFormat();
            plain.setIndent(0);
            QTextCursor(block).setBlockFormat(plain);
        }
        if (block == last)
            break;
    }
    cursor.endEditBlock();
}

bool RichTextEngine::createLink(const QString& address)
{
    if (address.isEmpty())
        return false;
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(address);
    link.setFontUnderline(true);
    link.setForeground(palette().link());
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(link);
    } else {
        // Nothing selected: the address itself becomes the link's text.
        cursor.insertText(address, link);
        setTextCursor(cursor);
    }
    return true;
}

// Typing goes on inside a link only between two of its characters: at its end, or in a
// paragraph begun after it, what is typed is plain text.
void RichTextEngine::endLinkAtCursor()
{
    const QTextCursor cursor = textCursor();
    const QTextCharFormat current = currentCharFormat();
    if (cursor.hasSelection() || !current.isAnchor())
        return;
    if (!cursor.atBlockStart() && !cursor.atBlockEnd()) {
        QTextCursor next = cursor;
        next.movePosition(QTextCursor::NextCharacter);
        if (next.charFormat().isAnchor() && next.charFormat().anchorHref() == current.anchorHref())
            return;
    }
    setCurrentCharFormat(withoutLink(current));
}

void RichTextEngine::keyPressEvent(QKeyEvent* event)
{
    endLinkAtCursor();
    QTextEdit::keyPressEvent(event);
}

void RichTextEngine::inputMethodEvent(QInputMethodEvent* event)
{
    endLinkAtCursor();
    QTextEdit::inputMethodEvent(event);
}

// Never reach out for a picture: a description must not tell anyone it was opened.
QVariant RichTextEngine::loadResource(int type, const QUrl& name)
{
    return description::descriptionResource(type, name);
}

}
