#include "controls/unicombo/uniCombo.h"

#include "controls/unicombo/ComboItems.h"
#include "controls/unicombo/ImageList.h"
#include "controls/unicombo/uniComboShared.h"
#include "platform/VbError.h"

#include <QStandardItem>
#include <cstdint>

// The combo box's members that read and change its list, its items and its settings.
namespace unicombo {

using namespace controls;
using namespace shared;
using comboitems::ImageRole;
using comboitems::IndentRole;
using comboitems::ItemDataRole;
using comboitems::SelectedImageRole;

namespace {

const long kImageListTypeError = static_cast<std::int32_t>(0x80040419);

QColor fromColorRef(qint64 color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

}

// ---- properties

void uniCombo::setStyle(int value)
{
    value = normalStyle(value);
    if (value == m_Style)
        return;
    m_Style = value;
    if (m_hWndComboEx)
        pvCreate();
    pvPropChanged(QStringLiteral("Sty"));
}

void uniCombo::setImageSize(int pixels)
{
    if (pixels < 1)
        pvRaise(platform::err::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    m_ImageSize = std::min(pixels, kMaxImageSize);
    pvPropChanged(QStringLiteral("ImgSize"));
}

void uniCombo::setExtendedStyle(int value)
{
    m_ExtendedStyle = value & 3;
    pvPropChanged(QStringLiteral("ExSty"));
}

int uniCombo::AddBitmap(const QPixmap& hBitmap, qint64 MaskColor)
{
    return guarded("AddBitmap", [&] {
        if (!m_hWndComboEx || !m_hImageList)
            return -1;
        return MaskColor == -1 ? m_hImageList->Add(hBitmap) : m_hImageList->AddMasked(hBitmap, fromColorRef(MaskColor));
    });
}

int uniCombo::AddIcon(const QIcon& hIcon)
{
    return guarded("AddIcon", [&] {
        if (!m_hWndComboEx || !m_hImageList)
            return -1;
        return m_hImageList->AddIcon(hIcon);
    });
}

bool uniCombo::AddItem(const QString& sText, int iIndexInsertBefore, int iIconIndex, int iIconIndexSelected,
                       qint32 iItemData, int iIndent)
{
    return guarded("AddItem", [&] {
        if (!m_hWndComboEx)
            return false;
        const int count = m_items->rowCount();
        const int before = iIndexInsertBefore < -1 ? -1 : iIndexInsertBefore;
        if (before > count) {
            m_NewIndex = -1;
            return false;
        }
        auto* item = new QStandardItem(sText);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setData(iIconIndex, ImageRole);
        item->setData(iIconIndexSelected < 0 ? iIconIndex : iIconIndexSelected, SelectedImageRole);
        item->setData(iIndent, IndentRole);
        item->setData(iItemData, ItemDataRole);
        const int row = before == -1 ? count : before;
        m_items->insertRow(row, item);
        m_NewIndex = row;
        return true;
    });
}

bool uniCombo::RemoveItem(int iIndex)
{
    return guarded("RemoveItem", [&] {
        if (!m_hWndComboEx || iIndex < 0 || iIndex >= m_items->rowCount())
            return false;
        m_items->removeRow(iIndex);
        if (m_NewIndex == iIndex)
            m_NewIndex = -1;
        else if (iIndex < m_NewIndex)
            --m_NewIndex;
        return true;
    });
}

double uniCombo::DroppedWidth() const
{
    return m_host->toContainerX(m_DroppedWidth, *this);
}

void uniCombo::setDroppedWidth(double units)
{
    const int pixels = m_host->toPixelsX(units, *this);
    if (pixels < 0)
        pvRaise(platform::err::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    m_DroppedWidth = std::min(pixels, kMaxDroppedPixels);
    if (m_hWndComboEx)
        m_hWndComboEx->setDroppedWidth(m_DroppedWidth);
    pvPropChanged(QStringLiteral("DWd"));
}

double uniCombo::DroppedHeight() const
{
    return m_host->toContainerY(m_DroppedHeight, *this);
}

void uniCombo::setDroppedHeight(double units)
{
    const int pixels = m_host->toPixelsY(units, *this);
    if (pixels < 0)
        pvRaise(platform::err::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    m_DroppedHeight = std::min(pixels, kMaxDroppedPixels);
    pvPropChanged(QStringLiteral("DHt"));
}

void uniCombo::setFont(StdFont* font)
{
    pvApplyFont(font);
}

void uniCombo::setEnabled(bool value)
{
    QWidget::setEnabled(value);
    pvPropChanged(QStringLiteral("Enbld"));
}

bool uniCombo::Dropped() const
{
    return m_Style > 0 && m_hWndComboEx && m_hWndComboEx->droppedState();
}

void uniCombo::setDropped(bool value)
{
    if (m_Style > 0 && m_hWndComboEx)
        m_hWndComboEx->showDropDown(value);
}

int uniCombo::ListCount() const
{
    return m_hWndComboEx ? m_items->rowCount() : 0;
}

int uniCombo::ListIndex() const
{
    return m_hWndComboEx ? m_hWndComboEx->curSel() : -1;
}

void uniCombo::setListIndex(int value)
{
    if (!m_hWndComboEx)
        return;
    if (!m_hWndComboEx->setCurSel(value))
        pvRaise(381, QStringLiteral("Invalid property array index"));
}

QString uniCombo::Text() const
{
    if (!m_hWndComboEx)
        return {};
    if (m_hWndEdit)
        return pvGetWindowText();
    const int selected = m_hWndComboEx->curSel();
    return selected < 0 ? QString() : m_items->item(selected)->text();
}

void uniCombo::setText(const QString& value)
{
    if (!m_hWndComboEx)
        return;
    if (m_hWndEdit) {
        pvSetWindowText(value);
        return;
    }
    for (int row = 0; row < m_items->rowCount(); ++row) {
        if (m_items->item(row)->text().compare(value, Qt::CaseInsensitive) == 0) {
            m_hWndComboEx->setCurSel(row);
            return;
        }
    }
}

QString uniCombo::pvGetWindowText() const
{
    return guarded("pvGetWindowText", [&] { return m_hWndEdit ? m_hWndEdit->text() : QString(); });
}

void uniCombo::pvSetWindowText(const QString& text)
{
    guarded("pvSetWindowText", [&] { m_hWndComboEx->setEditText(text, true); });
}

int uniCombo::FindItem(const QString& sText, bool bExact) const
{
    if (!m_hWndComboEx)
        return -1;
    for (int row = 0; row < m_items->rowCount(); ++row) {
        const QString item = m_items->item(row)->text();
        if (bExact ? item.compare(sText, Qt::CaseInsensitive) == 0 : item.startsWith(sText, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

int uniCombo::FindItem_Unicode(const QString& sToFind, bool bExactMatch) const
{
    if (!m_hWndComboEx)
        return -1;
    for (int row = 0; row < m_items->rowCount(); ++row) {
        const QString item = List(row);
        if (bExactMatch ? item == sToFind : item.contains(sToFind, Qt::CaseSensitive))
            return row;
    }
    return -1;
}

void uniCombo::Clear()
{
    guarded("Clear", [&] {
        if (!m_hWndComboEx)
            return;
        m_items->removeRows(0, m_items->rowCount());
        m_hWndComboEx->setEditText(QString(), false);
        m_NewIndex = -1;
    });
}

void uniCombo::pvCheckIndex(int iIndex) const
{
    if (iIndex < 0 || iIndex >= m_items->rowCount())
        pvRaise(381, QStringLiteral("Invalid property array index"));
}

QVariant uniCombo::pvGetItem(int iIndex, int role) const
{
    if (!m_hWndComboEx)
        return {};
    pvCheckIndex(iIndex);
    return m_items->item(iIndex)->data(role);
}

void uniCombo::pvSetItem(int iIndex, int role, const QVariant& value)
{
    if (!m_hWndComboEx)
        return;
    pvCheckIndex(iIndex);
    m_hWndComboEx->keepEditText([&] { m_items->item(iIndex)->setData(value, role); });
}

int uniCombo::ItemIndent(int iIndex) const
{
    return pvGetItem(iIndex, IndentRole).toInt();
}

void uniCombo::setItemIndent(int iIndex, int value)
{
    pvSetItem(iIndex, IndentRole, value);
}

int uniCombo::ItemIconIndex(int iIndex) const
{
    return pvGetItem(iIndex, ImageRole).toInt();
}

void uniCombo::setItemIconIndex(int iIndex, int value)
{
    pvSetItem(iIndex, ImageRole, value);
}

int uniCombo::ItemIconIndexSelected(int iIndex) const
{
    return pvGetItem(iIndex, SelectedImageRole).toInt();
}

void uniCombo::setItemIconIndexSelected(int iIndex, int value)
{
    pvSetItem(iIndex, SelectedImageRole, value);
}

qint32 uniCombo::ItemData(int iIndex) const
{
    return pvGetItem(iIndex, ItemDataRole).toInt();
}

void uniCombo::setItemData(int iIndex, qint32 value)
{
    pvSetItem(iIndex, ItemDataRole, value);
}

QString uniCombo::ItemText(int iIndex) const
{
    return pvGetItem(iIndex, Qt::DisplayRole).toString();
}

void uniCombo::setItemText(int iIndex, const QString& value)
{
    pvSetItem(iIndex, Qt::DisplayRole, value);
}

int uniCombo::MaxLength() const
{
    return m_Style == 2 ? 0 : m_MaxLength;
}

void uniCombo::setMaxLength(int value)
{
    if (m_Style == 2)
        return;
    if (value < 0)
        pvRaise(platform::err::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    m_MaxLength = value;
    if (m_hWndComboEx)
        m_hWndComboEx->limitText(value);
    pvPropChanged(QStringLiteral("MaxLen"));
}

void uniCombo::setExtendedUI(bool value)
{
    m_ExtendedUI = value;
    pvPropChanged(QStringLiteral("ExtUI"));
    if (m_hWndComboEx)
        m_hWndComboEx->setExtendedUI(value);
}

void uniCombo::setRedraw(bool value)
{
    m_Redraw = value;
    if (m_hWndComboEx)
        m_hWndComboEx->setRedraw(value);
}

qintptr uniCombo::hWnd() const
{
    return reinterpret_cast<qintptr>(this);
}

qintptr uniCombo::hWndComboEx() const
{
    return reinterpret_cast<qintptr>(m_hWndComboEx.data());
}

qintptr uniCombo::hWndCombo() const
{
    return reinterpret_cast<qintptr>(m_hWndCombo.data());
}

void uniCombo::setImageList(const QVariant& value)
{
    qlonglong handle = 0;
    if (value.metaType().flags() & QMetaType::PointerToQObject) {
        if (QObject* object = value.value<QObject*>()) {
            QVariant found = object->property("hImageList");
            if (!found.isValid())
                found = object->property("himl");
            handle = found.toLongLong();
        }
    } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
               || value.typeId() == QMetaType::Long || value.typeId() == QMetaType::UInt
               || value.typeId() == QMetaType::ULongLong) {
        handle = value.toLongLong();
    } else {
        platform::raiseError(kImageListTypeError,
                             QStringLiteral("ImageList property expects ImageList object or long hImageList handle."),
                             m_host->exeName());
    }
    ImageList* list = handle ? ImageList::fromHandle(handle) : nullptr;
    if (!list)
        return;
    m_hImageListGiven = list;
    if (m_hWndComboEx)
        m_hWndComboEx->update();
    pvApplyFont(m_oFont);
}

}
