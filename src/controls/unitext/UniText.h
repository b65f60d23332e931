#pragma once

#include "controls/shared/KeyRouter.h"
#include "controls/shared/StdFont.h"
#include "controls/shared/WindowSubclass.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <memory>

namespace controls {
class HostServices;
class PropertyBag;
}

// The Unicode text box: a control window that holds one edit window (a QPlainTextEdit
// when multi-line, a QLineEdit when single-line) and speaks for it.
//
// Every position, length and selection is in UTF-16 units with a line break (CR LF)
// counting two, whatever the edit window counts: "a\r\nb" has Length 4, Lines 2, and
// SetSel 3, 4 selects "b". Line breaks stay exactly as given: a lone CR or LF is a
// character, and a load and save with no edit gives the same bytes.
//
// A change of MultiLine, Locked, ScrollBars, HideSelection, RightToLeft, Alignment,
// Appearance or (on a 3D box) BorderStyle, and PasswordChar switched on or off, makes a new
// edit window; the text, the selection, the scroll positions and Modified carry over, the
// undo history does not.
//
// MaxLength limits what the user brings in (typing, pasting, dropping, a captured Enter),
// never Text, SelText or LoadFile. A whole new text (Text, LoadFile) raises Change and
// Update in a single-line box only. LineHeight is the font's line spacing.
//
// Events are Qt signals; arguments passed by reference may be changed by a directly
// connected handler (KeyCode or KeyAscii 0 swallows the key, Cancel keeps the context
// menu away). Key and character codes are 0..0xFFFF; a character beyond the first plane
// raises one KeyPress per UTF-16 unit. Qt's undo is kept: it undoes more than one step.
namespace unitext {

class EditWindow;

// The subclassing's own report of a refused operation: a log line and a message box; the
// program goes on.
void zReportError(const QString& routine, const QString& message);

class UniText : public QWidget, public controls::WindowProcedureHost, public controls::AcceleratorClient
{
    Q_OBJECT
public:
    // A new instance, with the properties of a new instance.
    explicit UniText(QWidget* parent = nullptr, controls::HostServices* host = nullptr);
    ~UniText() override;

    // An instance loaded from its host's bag: the 22 keys, each with its default.
    void ReadProperties(const controls::PropertyBag& bag);
    void WriteProperties(controls::PropertyBag& bag) const;

    int Alignment() const { return m_alignment; }
    void setAlignment(int value);
    int Appearance() const { return m_appearance; }
    void setAppearance(int value);
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 value);
    qint32 BOM() const { return m_bom; }
    void setBOM(qint32 value) { m_bom = value; }
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int value);
    bool CanUndo() const;
    bool CaptureEnter() const { return m_captureEnter; }
    void setCaptureEnter(bool value);
    bool CaptureEsc() const { return m_captureEsc; }
    void setCaptureEsc(bool value);
    bool CaptureTab() const { return m_captureTab; }
    void setCaptureTab(bool value);
    void ClearUndo();
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool value);
    int FileCodepage() const { return m_fileCodepage; }
    void setFileCodepage(int value);
    int FirstVisibleLine() const;
    controls::StdFont* Font() const { return m_font; }
    void setFont(controls::StdFont* font);
    bool FontBold() const;
    void setFontBold(bool value);
    bool FontItalic() const;
    void setFontItalic(bool value);
    QString FontName() const;
    void setFontName(const QString& value);
    float FontSize() const;
    void setFontSize(float value);
    bool FontStrikethru() const;
    void setFontStrikethru(bool value);
    bool FontUnderline() const;
    void setFontUnderline(bool value);
    qint32 ForeColor() const { return m_foreColor; }
    void setForeColor(qint32 value);
    QString GetLine(int Line, int MaxLength) const;
    void GetSel(int& SelStart, int& SelEnd) const;
    qintptr hDC() const { return m_edit ? m_windowId : 0; }   // an opaque id; no device context here
    bool HideSelection() const { return m_hideSelection; }
    void setHideSelection(bool value);
    qintptr hWnd() const { return m_edit ? m_windowId : 0; }   // an opaque id, new with each edit window
    int LastVisibleLine() const;
    int Length() const;
    int Line(int Selection) const;
    quint8 LineHeight() const;
    int Lines() const;
    bool LoadFile(const QString& Filename, qint32 IfNoByteOrderMark);
    bool Locked() const { return m_locked; }
    void setLocked(bool value);
    int MaxLength() const;
    void setMaxLength(int value);
    bool Modified() const;
    void setModified(bool value);
    QPixmap MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QPixmap& icon);
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int value);
    bool MouseOver() const { return m_mouseOver; }
    bool MultiLine() const { return m_multiLine; }
    void setMultiLine(bool value);
    QString PasswordChar() const { return m_passwordChar; }
    void setPasswordChar(const QString& value);
    bool RightToLeft() const { return m_rightToLeft; }
    void setRightToLeft(bool value);
    bool SaveFile(const QString& Filename, qint32 ByteOrderMark, bool OverwriteExisting);
    int ScrollBars() const { return m_scrollBars; }
    void setScrollBars(int value);
    int ScrollHorizontal() const;
    void setScrollHorizontal(int value);
    void ScrollToCaret();
    int ScrollVertical() const;
    void setScrollVertical(int value);
    int SelLength() const;
    int SelStart() const;
    QString SelText() const;
    void setSelText(const QString& value);
    void SetSel(int SelStart, int SelEnd);
    QString Text() const;
    void setText(const QString& value);
    void Undo();
    bool UseEvents() const { return m_useEvents; }
    void setUseEvents(bool value) { m_useEvents = value; }

    // The key pre-translation: the host offers each key aimed at the box here first.
    void TranslateAccel(const controls::KeyMessage& lpMsg, bool& handled) override;
    QWidget* acceleratorWindow() override { return this; }

    // The edit window's widget, for the host's layout and for tests; changes at re-creation.
    QWidget* editWidget() const;

signals:
    void Change();
    void Click(int& Button);
    void ContextMenu(bool& Cancel);
    void DblClick(int& Button);
    void FontChanged();
    void KeyDown(int& KeyCode, int Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int Shift);
    void MouseDown(int& Button, int Shift, float& X, float& Y);
    void MouseEnter();
    void MouseLeave();
    void MouseMove(int& Button, int Shift, float& X, float& Y);
    void MouseUp(int& Button, int Shift, float& X, float& Y);
    void MouseWheel(int Wheel, int Shift);
    void Scroll(int Direction);
    void Update();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static QString procedure(const char* name);   // "UniText:<name>", for the error call
    void initialise();
    void Private_Init();
    void UserControl_Resize();
    void m_Font_FontChanged();
    void applyColours();
    void applyMousePointer();
    void notify(const char* propertyName);
    void useFont(controls::StdFont* font);
    void setStoredOrEditText(const QString& text);
    int effectiveCodePage() const;
    bool effectivelyMultiLine() const;
    int room() const;
    bool hasScrollBar(Qt::Orientation orientation) const;
    int scrollPosition(Qt::Orientation orientation) const;
    void setScrollPosition(Qt::Orientation orientation, int value);
    void Private_SetIPAO();
    void subclassEdit();

    // The window handlers (their messages are listed where each window is subclassed).
    void Private_WndProcEdit(bool bBefore, bool& bHandled, qintptr& lReturn, QWidget* hWnd,
                             const controls::WindowMessage& msg, qintptr& lParamUser);
    void Private_WndProcMain(bool bBefore, bool& bHandled, qintptr& lReturn, QWidget* hWnd,
                             const controls::WindowMessage& msg, qintptr& lParamUser);
    bool Private_WndEventKeyboard(const controls::WindowMessage& msg);
    void raiseMouse(const controls::WindowMessage& msg, bool before);
    QString filterCommit(const QString& commit);
    bool ownsKey(const QKeyEvent& key) const;
    void forwardToEdit(const controls::KeyMessage& lpMsg, bool throughEffect);
    bool hostTakesKey(const controls::KeyMessage& lpMsg);

    controls::HostServices* m_host;
    std::unique_ptr<controls::WindowSubclassRegistry> m_subclasses;
    EditWindow* m_edit = nullptr;
    int m_keyTakenByHost = 0;   // the key whose press the host took: its release is the host's too
    qintptr m_windowId = 0;
    QString m_storedText;
    QPointer<controls::StdFont> m_font;
    QPointer<controls::KeyRouter> m_router;

    int m_alignment = 0;
    int m_appearance = 0;
    qint32 m_backColor = 0;
    qint32 m_bom = 0;
    int m_borderStyle = 2;
    bool m_captureEnter = true;
    bool m_captureEsc = false;
    bool m_captureTab = false;
    bool m_enabled = true;
    int m_fileCodepage = 0;
    qint32 m_foreColor = 0;
    bool m_hideSelection = true;
    bool m_locked = false;
    int m_maxLength = 0;
    QPixmap m_mouseIcon;
    int m_mousePointer = 0;
    bool m_mouseOver = false;
    bool m_multiLine = false;
    QString m_passwordChar;
    bool m_rightToLeft = false;
    int m_scrollBars = 0;
    bool m_useEvents = true;
};

}
