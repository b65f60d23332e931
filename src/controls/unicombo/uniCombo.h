#pragma once

#include "controls/shared/HostServices.h"
#include "controls/shared/PropertyBag.h"
#include "controls/shared/StdFont.h"
#include "controls/shared/WindowSubclass.h"
#include "controls/unicombo/ComboBoxEx.h"
#include "controls/unicombo/UniComboModule.h"

#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QVariant>

namespace unicombo {

class ImageList;
namespace comboitems {
class ItemModel;
class ItemDelegate;
}

// A combo box with Unicode item texts, item images and indentation, in three styles:
// 0 an edit above a list that always shows, 1 (the default) an editable drop-down, 2 a
// drop-down list. Items are 0-based. The control keeps its items, images and settings in
// itself and builds its combo box window from them at each creation (a Style change builds
// it again, keeping items, text and selection).
//
// A host creates it (which sets the properties of a new instance), or creates it and then
// hands it its stored properties with UserControl_ReadProperties; it keeps them with
// UserControl_WriteProperties (nine keys, in a fixed order, defaults not stored).
//
// Errors: an invalid index of a property array, an invalid property value and a wrong
// ImageList argument raise platform::VbError to the caller (381, 380, 0x80040419); a
// failure inside the methods that change the list, in the control's own handling of its
// windows or in its events goes to the program's error call as "UniCombo:<operation>".
//
// A host's event handler runs inside the control's own handling and must not let an error
// out; the save dialog's handlers report theirs themselves.
//
// Events come only from the user's actions, after the control shows their result:
// EditChange per change of the edit text (also for Text set on a style with an edit);
// picking an item gives EditChange, ListIndexChange and Click in that order. Setting
// ListIndex, Text of style 2, or Clear raises nothing.
class uniCombo : public controls::Subclassable<QWidget>
{
    Q_OBJECT
public:
    explicit uniCombo(QWidget* parent = nullptr, controls::HostServices* host = nullptr);
    ~uniCombo() override;

    void UserControl_InitProperties();
    void UserControl_ReadProperties(const controls::PropertyBag& PropBag);
    void UserControl_WriteProperties(controls::PropertyBag& PropBag) const;

    int SelLength() const;
    void setSelLength(int value);
    int SelEnd() const;
    void setSelEnd(int value);
    int SelStart() const;
    void setSelStart(int value);
    QString SelText() const;
    int Style() const { return m_Style; }
    void setStyle(int value);
    using QWidget::setStyle;
    int ImageSize() const { return m_ImageSize; }
    void setImageSize(int pixels);
    int ExtendedStyle() const { return m_ExtendedStyle; }
    void setExtendedStyle(int value);
    // MaskColor: a colour as 0x00BBGGRR, -1 for none. Both add to the control's own list.
    int AddBitmap(const QPixmap& hBitmap, qint64 MaskColor = -1);
    int AddIcon(const QIcon& hIcon);
    bool AddItem(const QString& sText, int iIndexInsertBefore = -1, int iIconIndex = -1, int iIconIndexSelected = -1,
                 qint32 iItemData = 0, int iIndent = 0);
    bool RemoveItem(int iIndex);
    double DroppedWidth() const;   // container units
    void setDroppedWidth(double units);
    double DroppedHeight() const;
    void setDroppedHeight(double units);
    controls::StdFont* Font() const { return m_oFont; }
    void setFont(controls::StdFont* font);
    using QWidget::setFont;
    int NewIndex() const { return m_NewIndex; }
    // The control's own state: a control inside a disabled host is still Enabled.
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void setEnabled(bool value);
    bool Dropped() const;
    void setDropped(bool value);
    int ListCount() const;
    int ListIndex() const;
    void setListIndex(int value);
    QString Text() const;
    void setText(const QString& value);
    int FindItem(const QString& sText, bool bExact = false) const;
    int FindItem_Unicode(const QString& sToFind, bool bExactMatch = false) const;
    void Clear();
    int ItemIndent(int iIndex) const;
    void setItemIndent(int iIndex, int value);
    int ItemIconIndex(int iIndex) const;
    void setItemIconIndex(int iIndex, int value);
    int ItemIconIndexSelected(int iIndex) const;
    void setItemIconIndexSelected(int iIndex, int value);
    qint32 ItemData(int iIndex) const;
    void setItemData(int iIndex, qint32 value);
    QString ItemText(int iIndex) const;
    void setItemText(int iIndex, const QString& value);
    QString List(int iIndex) const { return ItemText(iIndex); }
    void setList(int iIndex, const QString& value) { setItemText(iIndex, value); }
    int MaxLength() const;
    void setMaxLength(int value);
    bool ExtendedUI() const { return m_ExtendedUI; }
    void setExtendedUI(bool value);
    bool Redraw() const { return m_Redraw; }
    void setRedraw(bool value);
    // Opaque ids of the control's windows, stable while each window lives.
    qintptr hWnd() const;
    qintptr hWndComboEx() const;
    qintptr hWndCombo() const;
    // An ImageList (or an object with an hImageList or himl property), or a list's handle.
    void setImageList(const QVariant& value);

    // The windows of the current creation, for the host's layout and for tests.
    ComboBoxEx* comboBoxEx() const { return m_hWndComboEx; }
    QWidget* comboWindow() const { return m_hWndCombo; }
    EditField* editWindow() const { return m_hWndEdit; }
    ImageList* imagesShown() const;

    QSize sizeHint() const override;

signals:
    void DropDown();
    void CloseUp();
    void EditChange();
    void ListIndexChange();
    void BeginEdit();
    void Click();
    void EndEdit(bool bEditChanged, int iNewIndex, const QString& sText, int iWhy);
    void KeyDown(int& KeyCode, int& Shift);
    void KeyUp(int& KeyCode, int& Shift);
    void RequestDropDownResize(int& lLeft, int& lTop, int& lRight, int& lBottom, bool& bCancel);

private:
    friend struct IPAOHook;
    friend void UniComboModule::TranslateAccelerator(IPAOHook&, const controls::KeyMessage&, bool&);

    void UserControl_Initialize();
    void UserControl_GotFocus();
    void UserControl_LostFocus();
    void UserControl_Terminate();
    void m_oFont_FontChanged();

    void pvCreate();
    void pvSubclass();
    void pvResize();
    void pvDestroy();
    void pvApplyFont(controls::StdFont* font);
    void pvPropChanged(const QString& name);
    void pvSetSelStartEnd(int start, int end);
    void pvGetSel(int& start, int& end) const;
    void pvAttachImages();
    QString pvGetWindowText() const;
    void pvSetWindowText(const QString& text);
    QVariant pvGetItem(int iIndex, int role) const;
    void pvSetItem(int iIndex, int role, const QVariant& value);
    void pvCheckIndex(int iIndex) const;
    [[noreturn]] void pvRaise(long number, const QString& description) const;
    void pvOnWindowMessage(bool bBefore, bool& bHandled, qintptr& lReturn, QWidget* hWnd,
                           const controls::WindowMessage& msg, qintptr& lParamUser);
    void pvSetIPAO();
    void TranslateAccel(const controls::KeyMessage& lpMsg, bool& bHandled);
    void pvFocusChanged(QWidget* old, QWidget* now);
    void pvRaiseKey(const controls::WindowMessage& msg, bool down);

    controls::HostServices* m_host;
    controls::WindowSubclassRegistry m_subclasses;
    IPAOHook m_IPAOHook;

    QPointer<ComboBoxEx> m_hWndComboEx;
    QPointer<QWidget> m_hWndCombo;
    QPointer<EditField> m_hWndEdit;
    QPointer<QWidget> m_hWndDropDownList;   // the list of the drop-down in progress

    comboitems::ItemModel* m_items;
    comboitems::ItemDelegate* m_delegate;
    ImageList* m_hImageList = nullptr;       // the control's own list
    QPointer<ImageList> m_hImageListGiven;   // a list given through ImageList
    bool m_ownListAttached = false;

    QPointer<controls::StdFont> m_oFont;
    controls::StdFont* m_ownFont;

    int m_Style = 1;
    int m_ExtendedStyle = 3;
    int m_ImageSize = 16;
    int m_DroppedHeight = 160;   // pixels
    int m_DroppedWidth = 0;      // pixels
    int m_MaxLength = 0;
    bool m_ExtendedUI = false;
    bool m_Redraw = true;
    int m_NewIndex = -1;
    bool m_bSubclassed = false;
    bool m_bInPlaceActive = false;
};

}
