#include "ComboTestSupport.h"

#include "controls/shared/OpenMenu.h"
#include "controls/unicombo/ComboItems.h"
#include "controls/unicombo/ImageList.h"
#include "support/RaisedError.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <cstdint>
#include <functional>
#include <vector>

using namespace unicombo;

namespace {

QStringList itemsOf(const uniCombo& combo)
{
    QStringList out;
    for (int i = 0; i < combo.ListCount(); ++i)
        out.append(combo.List(i));
    return out;
}

void fill(uniCombo& combo, const QStringList& items)
{
    for (const QString& item : items)
        combo.AddItem(item);
}

QPixmap square(Qt::GlobalColor color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return pixmap;
}

// Texts a Unicode control must keep to the last unit.
const QString kHard[] = {
    QStringLiteral("😀 \U0001F1E9\U0001F1EA surrogate pairs"),
    QStringLiteral("e\u0301 a\u0308 combining marks"),
    QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 right to left"),
    QString::fromUtf16(u"nul\u0000inside", 10),
};

}

TEST(ComboMembers, AddItemFollowsTheNewIndexRules)
{
    struct Step
    {
        const char* text;
        int before;
        bool result;
        int newIndex;
        const char* list;
    };
    const std::vector<Step> steps = {
        {"a", -1, true, 0, "a"},
        {"b", -1, true, 1, "a,b"},
        {"top", 0, true, 0, "top,a,b"},
        {"beyond", 5, false, -1, "top,a,b"},
        {"low", -5, true, 3, "top,a,b,low"},
        {"end", 4, true, 4, "top,a,b,low,end"},
        {"mid", 2, true, 2, "top,a,mid,b,low,end"},
    };
    uniCombo combo;
    for (const Step& s : steps) {
        EXPECT_EQ(combo.AddItem(QString::fromLatin1(s.text), s.before), s.result) << s.text;
        EXPECT_EQ(combo.NewIndex(), s.newIndex) << s.text;
        EXPECT_EQ(itemsOf(combo).join(QLatin1Char(',')), QString::fromLatin1(s.list)) << s.text;
    }
}

TEST(ComboMembers, RemoveItemMovesNewIndexWithItsItem)
{
    struct Case
    {
        const char* name;
        int newIndexBefore;   // which item was added last
        int removed;
        bool result;
        int newIndexAfter;
    };
    const std::vector<Case> cases = {
        {"an item before it", 2, 0, true, 1},  {"the item itself", 2, 2, true, -1},
        {"an item after it", 1, 3, true, 1},   {"a bad index", 2, 7, false, 2},
        {"a negative index", 2, -1, false, 2},
    };
    for (const Case& c : cases) {
        uniCombo combo;
        fill(combo, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        combo.AddItem(QStringLiteral("last"), c.newIndexBefore);
        ASSERT_EQ(combo.NewIndex(), c.newIndexBefore);
        EXPECT_EQ(combo.RemoveItem(c.removed), c.result) << c.name;
        EXPECT_EQ(combo.NewIndex(), c.newIndexAfter) << c.name;
        EXPECT_EQ(combo.ListCount(), c.result ? 4 : 5) << c.name;
    }
}

TEST(ComboMembers, ItemAttributesDefaultAndASelectedImageFallsBackToTheImage)
{
    uniCombo combo;
    combo.AddItem(QStringLiteral("plain"));
    combo.AddItem(QStringLiteral("image"), -1, 3);
    EXPECT_EQ(combo.ItemIconIndex(0), -1);
    EXPECT_EQ(combo.ItemIconIndexSelected(0), -1);
    EXPECT_EQ(combo.ItemIndent(0), 0);
    EXPECT_EQ(combo.ItemData(0), 0);
    EXPECT_EQ(combo.ItemIconIndexSelected(1), 3);
    // Each setter reaches its own attribute only.
    combo.setItemData(0, -1);
    combo.setItemIndent(0, 4);
    combo.setItemIconIndex(0, 1);
    combo.setItemIconIndexSelected(0, 0);
    EXPECT_EQ(
        (QList<qint64>{combo.ItemData(0), combo.ItemIndent(0), combo.ItemIconIndex(0), combo.ItemIconIndexSelected(0)}),
        (QList<qint64>{-1, 4, 1, 0}));
}

TEST(ComboMembers, ABadItemIndexRaises381AndChangesNothing)
{
    uniCombo combo;
    fill(combo, {QStringLiteral("a"), QStringLiteral("b")});
    const std::vector<std::pair<const char*, std::function<void()>>> calls = {
        {"ItemText", [&] { combo.ItemText(2); }},
        {"List", [&] { combo.List(-1); }},
        {"ItemData", [&] { combo.ItemData(5); }},
        {"ItemIndent", [&] { combo.ItemIndent(-3); }},
        {"ItemIconIndex", [&] { combo.ItemIconIndex(2); }},
        {"ItemIconIndexSelected", [&] { combo.ItemIconIndexSelected(2); }},
        {"setItemText", [&] { combo.setItemText(2, QStringLiteral("x")); }},
        {"setList", [&] { combo.setList(-1, QStringLiteral("x")); }},
        {"setItemData", [&] { combo.setItemData(2, 9); }},
        {"setItemIndent", [&] { combo.setItemIndent(2, 9); }},
        {"setItemIconIndex", [&] { combo.setItemIconIndex(2, 9); }},
        {"setItemIconIndexSelected", [&] { combo.setItemIconIndexSelected(2, 9); }},
        {"ListIndex 5", [&] { combo.setListIndex(5); }},
        {"ListIndex -2", [&] { combo.setListIndex(-2); }},
    };
    for (const auto& [name, call] : calls)
        EXPECT_EQ(errorOf(call), 381) << name;
    EXPECT_EQ(itemsOf(combo).join(QLatin1Char(',')), QStringLiteral("a,b"));
    EXPECT_EQ(combo.ListIndex(), -1);
}

TEST(ComboMembers, ListIndexErrorNamesTheControlAndMinusOneClears)
{
    uniCombo combo;
    fill(combo, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    combo.setListIndex(1);
    try {
        combo.setListIndex(5);
        FAIL() << "no error";
    } catch (const platform::VbError& e) {
        EXPECT_EQ(e.number(), 381);
        EXPECT_TRUE(e.source().endsWith(QStringLiteral(".uniCombo")));
        EXPECT_EQ(e.description(), QStringLiteral("Invalid property array index"));
    }
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(errorOf([&] { combo.setListIndex(-1); }), 0);
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), QString());
}

TEST(ComboMembers, TextDependsOnTheStyle)
{
    struct Case
    {
        int style;
        QString set;
        QString reads;
        int listIndex;
    };
    const QStringList items = {QStringLiteral("one"), QStringLiteral("ABC"), QStringLiteral("abc")};
    const std::vector<Case> cases = {
        {1, QStringLiteral("not in the list"), QStringLiteral("not in the list"), -1},
        {1, QStringLiteral("abc"), QStringLiteral("abc"), -1},   // free text; the edit selects nothing
        {0, QStringLiteral("typed 東京"), QStringLiteral("typed 東京"), -1},
        {2, QStringLiteral("abc"), QStringLiteral("ABC"), 1},    // first match from the top, any letter case
        {2, QStringLiteral("not in the list"), QString(), -1},   // nothing changes
    };
    for (const Case& c : cases) {
        uniCombo combo;
        combo.setStyle(c.style);
        fill(combo, items);
        combo.setText(c.set);
        EXPECT_EQ(combo.Text(), c.reads) << c.style << " " << c.set.toStdString();
        EXPECT_EQ(combo.ListIndex(), c.listIndex) << c.style << " " << c.set.toStdString();
    }
}

TEST(ComboMembers, TextsAreKeptExactly)
{
    for (int style : {0, 1, 2}) {
        uniCombo combo;
        combo.setStyle(style);
        for (const QString& text : kHard)
            combo.AddItem(text);
        const QString longText(300, QChar(0x65E5));
        combo.AddItem(longText);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(combo.ItemText(i), kHard[i]) << style << " " << i;
        EXPECT_EQ(combo.ItemText(4), longText);   // never cut at 259 characters
        EXPECT_EQ(combo.FindItem_Unicode(kHard[3], true), 3);
        EXPECT_EQ(combo.FindItem(kHard[2], true), 2);
        for (const QString& text : kHard) {
            combo.setText(text);
            EXPECT_EQ(combo.Text(), text) << style;
        }
    }
}

TEST(ComboMembers, FindItemIgnoresLetterCaseAndFindItemUnicodeDoesNot)
{
    struct Case
    {
        const char* name;
        std::function<int(const uniCombo&)> find;
        int expected;
    };
    const std::vector<Case> cases = {
        {"exact, any case, from the top", [](const uniCombo& c) { return c.FindItem(QStringLiteral("ABC"), true); }, 0},
        {"prefix", [](const uniCombo& c) { return c.FindItem(QStringLiteral("Ab")); }, 0},
        {"prefix of a later item", [](const uniCombo& c) { return c.FindItem(QStringLiteral("XA")); }, 2},
        {"prefix not found", [](const uniCombo& c) { return c.FindItem(QStringLiteral("bc")); }, -1},
        {"non-Latin prefix", [](const uniCombo& c) { return c.FindItem(QStringLiteral("ÄÖ")); }, 3},
        {"unicode exact keeps case", [](const uniCombo& c) { return c.FindItem_Unicode(QStringLiteral("ABC"), true); },
         1},
        {"unicode substring", [](const uniCombo& c) { return c.FindItem_Unicode(QStringLiteral("bc")); }, 0},
        {"unicode substring keeps case", [](const uniCombo& c) { return c.FindItem_Unicode(QStringLiteral("BC")); }, 1},
        {"unicode empty text matches the first item", [](const uniCombo& c) { return c.FindItem_Unicode(QString()); },
         0},
        {"unicode none", [](const uniCombo& c) { return c.FindItem_Unicode(QStringLiteral("zz")); }, -1},
    };
    uniCombo combo;
    fill(combo, {QStringLiteral("abc"), QStringLiteral("ABC"), QStringLiteral("xabc"), QStringLiteral("äöü")});
    for (const Case& c : cases)
        EXPECT_EQ(c.find(combo), c.expected) << c.name;
    uniCombo empty;
    EXPECT_EQ(empty.FindItem_Unicode(QString()), -1);
    EXPECT_EQ(empty.FindItem(QStringLiteral("a")), -1);
}

TEST(ComboMembers, SelectionMembersFollowTheirRules)
{
    struct Case
    {
        const char* name;
        std::function<void(uniCombo&)> act;
        int start;
        int length;
        const char* selText;
    };
    const std::vector<Case> cases = {
        {"start then length",
         [](uniCombo& c) {
             c.setSelStart(1);
             c.setSelLength(3);
         },
         1, 3, "ell"},
        {"end before start collapses",
         [](uniCombo& c) {
             c.setSelStart(1);
             c.setSelLength(3);
             c.setSelEnd(0);
         },
         0, 0, ""},
        {"end after start extends",
         [](uniCombo& c) {
             c.setSelStart(2);
             c.setSelEnd(4);
         },
         2, 2, "ll"},
        {"start after end collapses there",
         [](uniCombo& c) {
             c.setSelStart(1);
             c.setSelLength(1);
             c.setSelStart(4);
         },
         4, 0, ""},
        {"from the first character",
         [](uniCombo& c) {
             c.setSelStart(0);
             c.setSelLength(2);
         },
         0, 2, "He"},
        {"beyond the text is clamped",
         [](uniCombo& c) {
             c.setSelStart(3);
             c.setSelLength(100);
         },
         3, 2, "lo"},
        {"negative is clamped",
         [](uniCombo& c) {
             c.setSelStart(-4);
             c.setSelLength(2);
         },
         0, 2, "He"},
    };
    for (const Case& c : cases) {
        uniCombo combo;
        combo.setText(QStringLiteral("Hello"));
        c.act(combo);
        EXPECT_EQ(combo.SelStart(), c.start) << c.name;
        EXPECT_EQ(combo.SelLength(), c.length) << c.name;
        EXPECT_EQ(combo.SelEnd(), c.start + c.length) << c.name;
        EXPECT_EQ(combo.SelText(), QString::fromLatin1(c.selText)) << c.name;
    }
}

TEST(ComboMembers, SelectionsInLongTextsAreNotWrapped)
{
    uniCombo combo;
    combo.setText(QString(40000, QLatin1Char('x')) + QStringLiteral("tail"));
    combo.setSelStart(40000);
    combo.setSelLength(4);
    EXPECT_EQ(combo.SelStart(), 40000);
    EXPECT_EQ(combo.SelText(), QStringLiteral("tail"));
}

TEST(ComboMembers, TheDropDownListStyleHasNoEdit)
{
    uniCombo combo;
    combo.setStyle(2);
    fill(combo, {QStringLiteral("a"), QStringLiteral("b")});
    combo.setListIndex(1);
    EXPECT_EQ(combo.editWindow(), nullptr);
    EXPECT_EQ(combo.SelText(), QStringLiteral("b"));
    EXPECT_EQ(combo.SelStart(), 0);
    EXPECT_EQ(combo.SelLength(), 0);
    combo.setMaxLength(5);
    EXPECT_EQ(combo.MaxLength(), 0);
}

TEST(ComboMembers, MaxLengthLimitsTypingOnly)
{
    QDialog host;
    auto* combo = new uniCombo(&host);
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    combo->setMaxLength(3);
    EXPECT_EQ(combo->MaxLength(), 3);
    combo->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abcd"));
    EXPECT_EQ(combo->Text(), QStringLiteral("abc"));
    combo->setText(QStringLiteral("longer than three"));
    EXPECT_EQ(combo->Text(), QStringLiteral("longer than three"));
    combo->setSelStart(17);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xyz"));   // no longer still
    EXPECT_EQ(combo->Text(), QStringLiteral("longer than three"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);   // shortening still works
    EXPECT_EQ(combo->Text(), QStringLiteral("longer than thre"));

    // Every paste comes in cut to the room left: the keys and the context menu alike.
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    combo->setText(QStringLiteral("a"));
    combo->setSelStart(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(combo->Text(), QStringLiteral("a12"));
    combo->setText(QStringLiteral("b"));
    combo->setSelStart(1);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), combo->editWindow()->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(combo->editWindow(), &request);
    ASSERT_TRUE(chooseFromOpenMenu(QStringLiteral("&Paste")));
    EXPECT_EQ(combo->Text(), QStringLiteral("b12"));
}

TEST(ComboMembers, OutOfRangeSizesAreRefusedOrClamped)
{
    uniCombo combo;
    EXPECT_EQ(errorOf([&] { combo.setMaxLength(-1); }), platform::err::InvalidPropertyValue);
    EXPECT_EQ(combo.MaxLength(), 0);
    EXPECT_EQ(errorOf([&] { combo.setDroppedWidth(-15); }), platform::err::InvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { combo.setDroppedHeight(-15); }), platform::err::InvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { combo.setImageSize(0); }), platform::err::InvalidPropertyValue);
    EXPECT_EQ(combo.ImageSize(), 16);
    combo.setImageSize(100000);
    EXPECT_EQ(combo.ImageSize(), 256);
    combo.setMaxLength(std::numeric_limits<int>::max());
    EXPECT_EQ(combo.MaxLength(), std::numeric_limits<int>::max());
    EXPECT_EQ(errorOf([&] { combo.setDroppedWidth(1e12); }), 0);
    EXPECT_LE(combo.DroppedWidth(), controls::runModeHost().toContainerX(16384, combo));
}

TEST(ComboMembers, DroppedOnlyForTheDropDownStyles)
{
    QDialog host;
    auto* simple = new uniCombo(&host);
    simple->setStyle(0);
    auto* dropDown = new uniCombo(&host);
    dropDown->AddItem(QStringLiteral("a"));
    host.show();
    simple->setDropped(true);
    EXPECT_FALSE(simple->Dropped());
    dropDown->setDropped(true);
    EXPECT_TRUE(dropDown->Dropped());
    dropDown->setDropped(false);
    EXPECT_FALSE(dropDown->Dropped());
}

TEST(ComboMembers, ClearEmptiesListEditAndNewIndex)
{
    uniCombo combo;
    fill(combo, {QStringLiteral("a"), QStringLiteral("b")});
    combo.setListIndex(1);
    combo.Clear();
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_EQ(combo.NewIndex(), -1);
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), QString());
}

TEST(ComboMembers, AddingAndRemovingItemsNeverPicksOneByItself)
{
    uniCombo combo;
    combo.setText(QStringLiteral("typed"));
    fill(combo, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), QStringLiteral("typed"));
    combo.setListIndex(1);
    combo.AddItem(QStringLiteral("first"), 0);
    EXPECT_EQ(combo.ListIndex(), 2);   // the selection moves with its item
    combo.RemoveItem(2);
    EXPECT_EQ(combo.ListIndex(), -1);   // a removed selection is no selection
    EXPECT_EQ(combo.Text(), QStringLiteral("b"));
    combo.setText(QStringLiteral("typed again"));
    combo.setItemData(0, 5);
    EXPECT_EQ(combo.Text(), QStringLiteral("typed again"));
}

TEST(ComboMembers, ImagesGoToTheControlsOwnListAndAnotherListCanBeGiven)
{
    uniCombo combo;
    EXPECT_EQ(combo.AddBitmap(square(Qt::red)), 0);
    EXPECT_EQ(combo.AddBitmap(square(Qt::green), 0x00FF00), 1);
    EXPECT_EQ(combo.AddIcon(QIcon(square(Qt::blue))), 2);
    EXPECT_EQ(combo.AddBitmap(QPixmap()), -1);
    ImageList* own = combo.imagesShown();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->Count(), 3);

    ImageList given(16);
    given.Add(square(Qt::yellow));
    combo.setImageList(QVariant::fromValue(static_cast<QObject*>(&given)));
    EXPECT_EQ(combo.imagesShown(), &given);
    EXPECT_EQ(combo.AddBitmap(square(Qt::black)), 3);   // still the own list
    EXPECT_EQ(given.Count(), 1);

    uniCombo byHandle;
    byHandle.setImageList(QVariant(given.hImageList()));
    EXPECT_EQ(byHandle.imagesShown(), &given);
    EXPECT_EQ(errorOf([&] { byHandle.setImageList(QVariant(QStringLiteral("list"))); }),
              static_cast<std::int32_t>(0x80040419));
}

TEST(ComboMembers, ExtendedStyleIsMaskedAndTwoKeepsTheOwnListAway)
{
    uniCombo combo;
    combo.setExtendedStyle(7);
    EXPECT_EQ(combo.ExtendedStyle(), 3);
    combo.setExtendedStyle(2);
    EXPECT_NE(combo.imagesShown(), nullptr);   // takes effect at the next creation
    combo.setStyle(2);
    EXPECT_EQ(combo.imagesShown(), nullptr);
}

TEST(ComboMembers, EveryStyleShowsTheChosenItemsImageAndIndentInItsSelectionField)
{
    for (int style : {0, 1, 2}) {
        SCOPED_TRACE(style);
        QWidget host;
        auto* combo = new uniCombo(&host);
        combo->setExtendedStyle(0);
        combo->setStyle(style);
        combo->setStyle(style == 1 ? 2 : 1);   // the extended style comes with a new window
        combo->setStyle(style);
        combo->AddBitmap(square(Qt::red));
        combo->AddItem(QStringLiteral("indented"), -1, 0, -1, 0, 2);
        combo->setListIndex(0);
        combo->setGeometry(0, 0, 200, style == 0 ? 120 : combo->sizeHint().height());
        host.resize(220, 140);
        host.show();
        QApplication::processEvents();

        // Where the red image stands in the field's top row of images.
        const QImage shot = combo->grab().toImage();
        const int row =
            (style == 0 ? combo->editWindow()->geometry().center().y() : combo->comboWindow()->geometry().center().y());
        int first = -1;
        int last = -1;
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixelColor(x, row) == QColor(Qt::red)) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        ASSERT_GE(first, 0);
        EXPECT_GE(first, 2 * comboitems::kIndentStep);
        EXPECT_LT(first, 2 * comboitems::kIndentStep + 12);
        if (QLineEdit* edit = combo->editWindow()) {   // the typed text starts right of it
            const int textStart = edit->mapTo(combo, QPoint(edit->textMargins().left(), 0)).x();
            EXPECT_GT(textStart, last);
        }
    }
}

TEST(ComboMembers, AnyOtherStyleIsTheDropDownCombo)
{
    uniCombo combo;
    combo.setStyle(7);
    EXPECT_EQ(combo.Style(), 1);
    combo.setStyle(0);
    combo.setStyle(-3);
    EXPECT_EQ(combo.Style(), 1);
    EXPECT_NE(combo.editWindow(), nullptr);
}

TEST(ComboMembers, RedrawOffStopsTheWindowsUpdates)
{
    uniCombo combo;
    combo.setRedraw(false);
    EXPECT_FALSE(combo.comboBoxEx()->updatesEnabled());
}
