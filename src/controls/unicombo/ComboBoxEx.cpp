#include "controls/unicombo/ComboBoxEx.h"

#include "controls/shared/LineEditLimit.h"
#include "controls/unicombo/ComboItems.h"
#include "controls/unicombo/ComboNotifications.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStandardItemModel>
#include <QStylePainter>
#include <QVBoxLayout>
#include <limits>

namespace unicombo {

using namespace cbn;
using controls::makeLong;
using controls::SendMessage;
namespace wm = controls::wm;

namespace {

struct Quiet
{
    explicit Quiet(int& counter) : m_counter(counter) { ++m_counter; }
    ~Quiet() { --m_counter; }
    int& m_counter;
};

}

// ---- edit field

EditField::EditField(QWidget* parent) : Subclassable<QLineEdit>(parent), m_limit(new controls::LineEditLimit(this))
{
    setMaxLength(std::numeric_limits<int>::max());
}

void EditField::setTypingLimit(int maxLength)
{
    m_limit->setUnits(maxLength > 0 ? maxLength : -1);
}

bool EditField::event(QEvent* e)
{
    if (watch)
        watch(e);
    return Subclassable<QLineEdit>::event(e);
}

void EditField::keyPressEvent(QKeyEvent* e)
{
    if (giveAway && giveAway(e))
        return;
    m_limit->keyPress(e, [this](QKeyEvent* key) { QLineEdit::keyPressEvent(key); });
}

void EditField::inputMethodEvent(QInputMethodEvent* e)
{
    m_limit->asUserInput([&] { QLineEdit::inputMethodEvent(e); });
}

void EditField::dropEvent(QDropEvent* e)
{
    m_limit->asUserInput([&] { QLineEdit::dropEvent(e); });
}

void EditField::mouseReleaseEvent(QMouseEvent* e)
{
    if (!m_limit->pasteSelection(e))
        QLineEdit::mouseReleaseEvent(e);
}

void EditField::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createStandardContextMenu();
    m_limit->pasteFromMenu(menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

void EditField::paintEvent(QPaintEvent* e)
{
    const FieldDecoration shown = decoration ? decoration() : FieldDecoration{};
    const int imageWidth = shown.image.isNull() ? 0 : int(shown.image.deviceIndependentSize().width()) + 3;
    const QMargins margins(shown.indent + imageWidth, 0, 0, 0);
    if (textMargins() != margins)
        setTextMargins(margins);   // paints once more, with the text in its place
    QLineEdit::paintEvent(e);
    if (shown.image.isNull())
        return;
    QPainter painter(this);
    const int top = (height() - int(shown.image.deviceIndependentSize().height())) / 2;
    painter.drawPixmap(shown.indent + 2, top, shown.image);
}

// ---- drop-down combo

ComboWidget::ComboWidget(QWidget* parent) : Subclassable<QComboBox>(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setMaxVisibleItems(8);
    view()->installEventFilter(this);
}

// While the list is open the edit keeps the typing: characters and the keys that delete
// or edit go to it, not into a search of the list.
bool ComboWidget::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == view() && lineEdit() && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(e);
        const bool plainText = !key->text().isEmpty() && key->text().at(0).isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        const bool editing = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete
            || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy)
            || key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Undo);
        if (plainText || editing) {
            QCoreApplication::sendEvent(lineEdit(), e);
            return true;
        }
    }
    return Subclassable<QComboBox>::eventFilter(watched, e);
}

void ComboWidget::showPopup()
{
    if (view()->isVisible())
        return;
    if (onDropDown)
        onDropDown();
    QComboBox::showPopup();
    if (view()->isVisible() && onListShown)
        onListShown();
}

void ComboWidget::hidePopup()
{
    const bool wasShown = view()->isVisible();
    QComboBox::hidePopup();
    if (wasShown && onCloseUp)
        onCloseUp();
}

void ComboWidget::keyPressEvent(QKeyEvent* e)
{
    if (extendedUI && e->modifiers() == Qt::NoModifier) {
        // The extended keyboard interface: Down opens the list, F4 does nothing.
        if (e->key() == Qt::Key_Down) {
            showPopup();
            return;
        }
        if (e->key() == Qt::Key_F4)
            return;
    }
    QComboBox::keyPressEvent(e);
}

int ComboWidget::currentIndent() const
{
    if (!fieldIndent || currentIndex() < 0)
        return 0;
    return std::max(0, itemData(currentIndex(), comboitems::IndentRole).toInt()) * comboitems::kIndentStep;
}

void ComboWidget::paintEvent(QPaintEvent* e)
{
    const int indent = currentIndent();
    if (indent <= 0) {
        QComboBox::paintEvent(e);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    // The label (the image, and the text of a list without an edit) is laid out in a box
    // that starts the indent further right.
    QStyleOptionComboBox label = option;
    label.rect.setLeft(label.rect.left() + indent);
    painter.drawControl(QStyle::CE_ComboBoxLabel, label);
}

void ComboWidget::resizeEvent(QResizeEvent* e)
{
    QComboBox::resizeEvent(e);
    placeEdit();
}

void ComboWidget::placeEdit()
{
    if (!lineEdit())
        return;
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    int left = currentIndent();
    if (currentIndex() >= 0 && !itemIcon(currentIndex()).isNull())
        left += iconSize().width() + 4;
    QRect edit = field;
    edit.setWidth(std::max(0, field.width() - left));
    lineEdit()->setGeometry(QStyle::alignedRect(layoutDirection(), Qt::AlignRight, edit.size(), field));
}

SimpleList::SimpleList(QWidget* parent) : Subclassable<QListView>(parent)
{
    setFocusPolicy(Qt::NoFocus);   // the edit keeps the focus, as in a simple combo box
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

// ---- the combo box window

ComboBoxEx::ComboBoxEx(int style, QStandardItemModel* items, QAbstractItemDelegate* delegate, QWidget* controlWindow)
    : Subclassable<QWidget>(controlWindow), m_style(style), m_items(items)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const Quiet quiet(m_quiet);
    if (style == 0) {
        m_edit = new EditField(this);
        m_list = new SimpleList(this);
        m_list->setModel(items);
        m_list->setItemDelegate(delegate);
        layout->addWidget(m_edit);
        layout->addWidget(m_list, 1);
        setFocusProxy(m_edit);
        connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) { listCurrentChanged(current.row()); });
        m_list->viewport()->installEventFilter(this);
        connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) {
            // Choosing the item already chosen is a choice too.
            if (!m_listMovedByPress && index.row() == curSel())
                listCurrentChanged(index.row());
        });
        m_edit->decoration = [this] { return fieldDecoration(); };
        connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, m_edit,
                qOverload<>(&QWidget::update));
        connect(items, &QAbstractItemModel::dataChanged, m_edit, qOverload<>(&QWidget::update));
        m_edit->giveAway = [this](QKeyEvent* e) {
            const int rows = m_items->rowCount();
            int row = curSel();
            switch (e->key()) {
            case Qt::Key_Up:
                row = std::max(0, row - 1);
                break;
            case Qt::Key_Down:
                row = std::min(rows - 1, row + 1);
                break;
            case Qt::Key_PageUp:
                row = std::max(0, row - 8);
                break;
            case Qt::Key_PageDown:
                row = std::min(rows - 1, row + 8);
                break;
            default:
                return false;
            }
            if (rows > 0)
                m_list->setCurrentIndex(m_items->index(row, 0));
            return true;
        };
    } else {
        m_combo = new ComboWidget(this);
        m_combo->setModel(items);
        m_combo->setItemDelegate(delegate);
        if (style == 1) {
            m_edit = new EditField;
            m_combo->setLineEdit(m_edit);
            m_combo->setCompleter(nullptr);
            // The combo box places its edit at each change of the chosen item; the indent
            // moves it further.
            connect(m_combo, &QComboBox::currentIndexChanged, m_combo, &ComboWidget::placeEdit);
            connect(items, &QAbstractItemModel::dataChanged, m_combo, &ComboWidget::placeEdit);
        }
        layout->addWidget(m_combo);
        setFocusProxy(m_combo);
        m_combo->setCurrentIndex(-1);
        connect(m_combo, &QComboBox::activated, this, [this] { notify(CBN_SELCHANGE); });
        m_combo->onDropDown = [this] {
            if (m_edit && m_editing)
                notifyEditEnd(CBENF_DROPDOWN);
            notify(CBN_DROPDOWN);
            if (m_edit)
                beginEdit();
        };
        m_combo->onListShown = [this] {
            QWidget* list = dropDownList();
            if (m_droppedWidth > list->width())
                list->resize(m_droppedWidth, list->height());
            if (!m_retired)
                SendMessage(this, wm::WM_CTLCOLORLISTBOX, 0, 0, list);
        };
        m_combo->onCloseUp = [this] { notify(CBN_CLOSEUP); };
    }
    if (m_edit) {
        m_edit->setFrame(style != 0 ? false : true);
        connect(m_edit, &QLineEdit::textEdited, this, [this] {
            m_editChanged = true;
            notify(CBN_EDITCHANGE);
        });
        m_edit->watch = [this](QEvent* e) { watchEdit(e); };
    }
    connectModel(items);
}

QWidget* ComboBoxEx::comboControl() const
{
    if (m_combo)
        return m_combo;
    return m_list;
}

QWidget* ComboBoxEx::dropDownList() const
{
    return m_combo ? m_combo->view()->window() : nullptr;
}

int ComboBoxEx::curSel() const
{
    if (m_combo)
        return m_combo->currentIndex();
    if (m_list)
        return m_list->currentIndex().isValid() ? m_list->currentIndex().row() : -1;
    return -1;
}

bool ComboBoxEx::setCurSel(int index)
{
    if (index < -1 || index >= m_items->rowCount())
        return false;
    const Quiet quiet(m_quiet);
    if (m_combo)
        m_combo->setCurrentIndex(index);
    else if (m_list)
        m_list->setCurrentIndex(index < 0 ? QModelIndex() : m_items->index(index, 0));
    if (m_edit)
        m_edit->setText(index < 0 ? QString() : m_items->item(index)->text());
    return true;
}

bool ComboBoxEx::droppedState() const
{
    return m_combo && m_combo->view()->isVisible();
}

void ComboBoxEx::showDropDown(bool show)
{
    if (!m_combo)
        return;
    if (show)
        m_combo->showPopup();
    else
        m_combo->hidePopup();
}

QString ComboBoxEx::editText() const
{
    return m_edit ? m_edit->text() : QString();
}

void ComboBoxEx::setEditText(const QString& text, bool notifyChange)
{
    if (!m_edit)
        return;
    m_edit->setText(text);
    if (notifyChange)
        notify(CBN_EDITCHANGE);
}

void ComboBoxEx::setDroppedWidth(int pixels)
{
    m_droppedWidth = pixels;
}

void ComboBoxEx::limitText(int maxLength)
{
    if (m_edit)
        m_edit->setTypingLimit(maxLength);
}

void ComboBoxEx::setExtendedUI(bool on)
{
    if (m_combo)
        m_combo->extendedUI = on;
}

void ComboBoxEx::setImageSize(int pixels)
{
    if (m_combo)
        m_combo->setIconSize(QSize(pixels, pixels));
    if (m_list)
        m_list->setIconSize(QSize(pixels, pixels));
}

void ComboBoxEx::setFieldIndent(bool on)
{
    m_fieldIndent = on;
    if (m_combo) {
        m_combo->fieldIndent = on;
        m_combo->placeEdit();
        m_combo->update();
    }
    if (m_edit)
        m_edit->update();
}

FieldDecoration ComboBoxEx::fieldDecoration() const
{
    const int row = curSel();
    if (row < 0)
        return {};
    const QModelIndex item = m_items->index(row, 0);
    FieldDecoration shown;
    const QIcon image = qvariant_cast<QIcon>(item.data(Qt::DecorationRole));
    if (!image.isNull() && m_list)
        shown.image = image.pixmap(m_list->iconSize());
    if (m_fieldIndent)
        shown.indent = std::max(0, item.data(comboitems::IndentRole).toInt()) * comboitems::kIndentStep;
    return shown;
}

void ComboBoxEx::setRedraw(bool on)
{
    setUpdatesEnabled(on);
}

int ComboBoxEx::selectionFieldHeight() const
{
    if (m_combo)
        return m_combo->sizeHint().height() - 6;
    return m_edit ? m_edit->sizeHint().height() : 0;
}

void ComboBoxEx::keepEditText(const std::function<void()>& change)
{
    const QString text = editText();
    change();
    if (m_edit && m_edit->text() != text) {
        const Quiet quiet(m_quiet);
        m_edit->setText(text);
    }
}

void ComboBoxEx::retire()
{
    m_retired = true;
    if (droppedState())
        m_combo->hidePopup();
    hide();
    deleteLater();
}

void ComboBoxEx::notify(int code)
{
    if (m_retired || m_quiet)
        return;
    SendMessage(parentWidget(), wm::WM_COMMAND, makeLong(kComboId, code), 0, this);
}

void ComboBoxEx::beginEdit()
{
    if (m_editing || m_retired)
        return;
    m_editing = true;
    m_editChanged = false;
    NMHDR header{this, kComboId, CBEN_BEGINEDIT};
    SendMessage(parentWidget(), wm::WM_NOTIFY, kComboId, 0, nullptr, &header);
}

void ComboBoxEx::notifyEditEnd(int why)
{
    if (!m_editing || m_retired)
        return;
    m_editing = false;
    NMCBEENDEDITW record;
    record.hdr = NMHDR{this, kComboId, CBEN_ENDEDITW};
    record.fChanged = m_editChanged;
    record.szText = m_edit->text();
    record.iNewSelection = exactMatch(record.szText);
    record.iWhy = why;
    SendMessage(parentWidget(), wm::WM_NOTIFY, kComboId, 0, nullptr, &record);
}

// Editing begins when the edit gets the focus or a click, and ends with Enter, Esc, the
// focus going elsewhere, or the list dropping down.
void ComboBoxEx::watchEdit(QEvent* e)
{
    switch (e->type()) {
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
        beginEdit();
        break;
    case QEvent::FocusOut:
        // The drop-down list taking the keyboard is no end of editing.
        if (static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason && !ownsOpenList())
            notifyEditEnd(CBENF_KILLFOCUS);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            notifyEditEnd(CBENF_RETURN);
        else if (key == Qt::Key_Escape)
            notifyEditEnd(CBENF_ESCAPE);
        break;
    }
    default:
        break;
    }
}

bool ComboBoxEx::eventFilter(QObject* watched, QEvent* e)
{
    // A press on the list starts a pick; whether it moves the selection shows at the click.
    if (m_list && watched == m_list->viewport() && e->type() == QEvent::MouseButtonPress)
        m_listMovedByPress = false;
    return Subclassable<QWidget>::eventFilter(watched, e);
}

bool ComboBoxEx::ownsOpenList() const
{
    for (const QWidget* w = QApplication::activePopupWidget(); w; w = w->parentWidget()) {
        if (w == this)
            return true;
    }
    return false;
}

int ComboBoxEx::exactMatch(const QString& text) const
{
    for (int row = 0; row < m_items->rowCount(); ++row) {
        if (m_items->item(row)->text().compare(text, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

void ComboBoxEx::listCurrentChanged(int row)
{
    if (m_quiet || row < 0)
        return;
    m_listMovedByPress = true;
    {
        const Quiet quiet(m_quiet);
        m_edit->setText(m_items->item(row)->text());
    }
    notify(CBN_SELCHANGE);
}

// Items coming and going move the selection with its item, and a removed selection is no
// selection; the view's own habit of choosing an item by itself is undone.
void ComboBoxEx::connectModel(QStandardItemModel* items)
{
    auto remember = [this] {
        m_selectionBefore = curSel();
        m_textBefore = editText();
    };
    connect(items, &QAbstractItemModel::rowsAboutToBeInserted, this, remember);
    connect(items, &QAbstractItemModel::rowsAboutToBeRemoved, this, remember);
    connect(items, &QAbstractItemModel::modelAboutToBeReset, this, remember);
    auto restore = [this](int expected) {
        if (curSel() == expected && editText() == m_textBefore)
            return;
        const Quiet quiet(m_quiet);
        if (m_combo)
            m_combo->setCurrentIndex(expected);
        else if (m_list)
            m_list->setCurrentIndex(expected < 0 ? QModelIndex() : m_items->index(expected, 0));
        if (m_edit)
            m_edit->setText(m_textBefore);
    };
    connect(items, &QAbstractItemModel::rowsInserted, this, [this, restore](const QModelIndex&, int first, int last) {
        const int before = m_selectionBefore;
        restore(before < 0 ? -1 : (before >= first ? before + (last - first + 1) : before));
    });
    connect(items, &QAbstractItemModel::rowsRemoved, this, [this, restore](const QModelIndex&, int first, int last) {
        const int before = m_selectionBefore;
        if (before >= first && before <= last)
            restore(-1);
        else
            restore(before > last ? before - (last - first + 1) : before);
    });
    connect(items, &QAbstractItemModel::modelReset, this, [restore] { restore(-1); });
}

}
