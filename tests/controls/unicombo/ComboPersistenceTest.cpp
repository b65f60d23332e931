#include "ComboTestSupport.h"

#include "controls/unicombo/ImageList.h"

using namespace unicombo;

namespace {

const QStringList kKeyOrder = {QStringLiteral("Font"),   QStringLiteral("Sty"),   QStringLiteral("ExSty"),
                               QStringLiteral("DHt"),    QStringLiteral("DWd"),   QStringLiteral("Enbld"),
                               QStringLiteral("MaxLen"), QStringLiteral("ExtUI"), QStringLiteral("ImgSize")};

QPixmap square(Qt::GlobalColor color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return pixmap;
}

}

TEST(ComboPersistence, ANewInstanceWritesOnlyItsFont)
{
    uniCombo combo;
    controls::PropertyBag bag;
    combo.UserControl_WriteProperties(bag);
    EXPECT_EQ(bag.keys(), QStringList{QStringLiteral("Font")});
}

TEST(ComboPersistence, EnabledIsTheControlsOwnStateWhateverItsHost)
{
    QWidget host;
    auto* combo = new uniCombo(&host);
    host.setEnabled(false);
    EXPECT_TRUE(combo->Enabled());
    controls::PropertyBag bag;
    combo->UserControl_WriteProperties(bag);
    EXPECT_FALSE(bag.contains(QStringLiteral("Enbld")));

    combo->setEnabled(false);
    host.setEnabled(true);
    EXPECT_FALSE(combo->Enabled());
    EXPECT_FALSE(combo->isEnabled());
}

TEST(ComboPersistence, ChangedPropertiesAreWrittenInTheirOrderAndReadBack)
{
    uniCombo combo;
    combo.Font()->setName(QStringLiteral("Noto Sans 日本語 with a face name far longer than thirty-one bytes"));
    combo.Font()->setSize(11.25);
    combo.Font()->setBold(true);
    combo.setStyle(2);
    combo.setExtendedStyle(1);
    combo.setDroppedHeight(controls::runModeHost().toContainerY(200, combo));
    combo.setDroppedWidth(controls::runModeHost().toContainerX(300, combo));
    combo.setEnabled(false);
    combo.setStyle(0);
    combo.setMaxLength(12);
    combo.setExtendedUI(true);
    combo.setImageSize(24);
    combo.setRedraw(false);
    controls::PropertyBag bag;
    combo.UserControl_WriteProperties(bag);
    EXPECT_EQ(bag.keys(), kKeyOrder);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("DWd")).toInt(), 300);   // pixels
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("DHt")).toInt(), 200);

    uniCombo read;
    read.UserControl_ReadProperties(bag);
    EXPECT_EQ(read.Font()->Name(), combo.Font()->Name());
    EXPECT_DOUBLE_EQ(read.Font()->Size(), 11.25);
    EXPECT_TRUE(read.Font()->Bold());
    EXPECT_EQ(read.font().family(), combo.Font()->Name());
    EXPECT_EQ(read.Style(), 0);
    EXPECT_EQ(read.ExtendedStyle(), 1);
    EXPECT_DOUBLE_EQ(read.DroppedHeight(), combo.DroppedHeight());
    EXPECT_DOUBLE_EQ(read.DroppedWidth(), combo.DroppedWidth());
    EXPECT_FALSE(read.Enabled());
    EXPECT_EQ(read.MaxLength(), 12);
    EXPECT_TRUE(read.ExtendedUI());
    EXPECT_EQ(read.ImageSize(), 24);
    EXPECT_TRUE(read.Redraw());   // never stored
    controls::PropertyBag again;
    read.UserControl_WriteProperties(again);
    EXPECT_EQ(again.toVariantMap(), bag.toVariantMap());
}

TEST(ComboPersistence, MissingOrBrokenValuesReadAsTheirDefaults)
{
    struct Case
    {
        const char* key;
        QVariant stored;
        std::function<bool(const uniCombo&)> holds;
    };
    const std::vector<Case> cases = {
        {"Sty", 7, [](const uniCombo& c) { return c.Style() == 1; }},
        {"Sty", 2, [](const uniCombo& c) { return c.Style() == 2; }},
        {"ExSty", 6, [](const uniCombo& c) { return c.ExtendedStyle() == 2; }},
        {"DWd", -40, [](const uniCombo& c) { return c.DroppedWidth() == 0; }},
        {"MaxLen", -1, [](const uniCombo& c) { return c.MaxLength() == 0; }},
        {"ImgSize", 0, [](const uniCombo& c) { return c.ImageSize() == 16; }},
        {"ImgSize", 4096, [](const uniCombo& c) { return c.ImageSize() == 256; }},
        {"Font", QStringLiteral("not a font"), [](const uniCombo& c) { return !c.Font()->Name().isEmpty(); }},
    };
    for (const Case& c : cases) {
        controls::PropertyBag bag;
        bag.WriteProperty(QString::fromLatin1(c.key), c.stored);
        uniCombo combo;
        combo.UserControl_ReadProperties(bag);
        EXPECT_TRUE(c.holds(combo)) << c.key << " " << c.stored.toString().toStdString();
    }
    uniCombo empty;
    empty.UserControl_ReadProperties(controls::PropertyBag());
    EXPECT_EQ(empty.Style(), 1);
    EXPECT_EQ(empty.ExtendedStyle(), 3);
    EXPECT_DOUBLE_EQ(empty.DroppedHeight(), controls::runModeHost().toContainerY(160, empty));
    EXPECT_TRUE(empty.Enabled());
}

TEST(ComboPersistence, AStyleChangeKeepsItemsTextSelectionAndImages)
{
    uniCombo combo;
    combo.AddBitmap(square(Qt::red));
    combo.AddBitmap(square(Qt::blue));
    combo.AddItem(QStringLiteral("first"), -1, 0, 1, 42, 2);
    combo.AddItem(QStringLiteral("second 😀"), -1, 1, -1, -7, 0);
    combo.setListIndex(1);
    ImageList* images = combo.imagesShown();
    for (int style : {2, 0, 1}) {
        combo.setStyle(style);
        EXPECT_EQ(combo.ListCount(), 2) << style;
        EXPECT_EQ(combo.ListIndex(), 1) << style;
        EXPECT_EQ(combo.Text(), QStringLiteral("second 😀")) << style;
        EXPECT_EQ(combo.ItemData(0), 42) << style;
        EXPECT_EQ(combo.ItemIndent(0), 2) << style;
        EXPECT_EQ(combo.ItemIconIndexSelected(0), 1) << style;
        EXPECT_EQ(combo.imagesShown(), images) << style;
        EXPECT_EQ(images->Count(), 2) << style;
    }
    combo.setText(QStringLiteral("free text"));
    combo.setStyle(0);
    EXPECT_EQ(combo.Text(), QStringLiteral("free text"));
}

TEST(ComboPersistence, NoStaleEditAfterAStyleChange)
{
    uniCombo combo;
    QPointer<QWidget> oldEdit = combo.editWindow();
    combo.setStyle(2);
    EXPECT_EQ(combo.editWindow(), nullptr);
    combo.setText(QStringLiteral("nothing to set"));
    combo.setSelStart(2);
    EXPECT_EQ(combo.SelStart(), 0);
    EXPECT_EQ(combo.Text(), QString());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(oldEdit.isNull());   // the old window is gone, not hidden away
    combo.setStyle(0);
    ASSERT_NE(combo.editWindow(), nullptr);
    combo.setText(QStringLiteral("simple"));
    combo.setSelStart(2);   // the caret was at the end: the selection runs to it
    EXPECT_EQ(combo.SelText(), QStringLiteral("mple"));
    combo.setSelLength(2);
    EXPECT_EQ(combo.SelText(), QStringLiteral("mp"));
}

TEST(ComboPersistence, AGivenImageListStaysAttachedAcrossRebuildsAndImageSizes)
{
    ImageList given(16);
    given.Add(square(Qt::green));
    uniCombo combo;
    combo.setImageList(QVariant::fromValue(static_cast<QObject*>(&given)));
    combo.setImageSize(32);
    combo.setStyle(2);
    EXPECT_EQ(combo.imagesShown(), &given);
    combo.setStyle(0);
    EXPECT_EQ(combo.imagesShown(), &given);
}

TEST(ComboPersistence, TheOwnImagesTakeANewSizeAtTheNextCreationWithoutLoss)
{
    uniCombo combo;
    combo.AddBitmap(square(Qt::red));
    combo.setImageSize(32);
    EXPECT_EQ(combo.imagesShown()->ImageSize(), 16);
    combo.setStyle(2);
    EXPECT_EQ(combo.imagesShown()->ImageSize(), 32);
    EXPECT_EQ(combo.imagesShown()->Count(), 1);
    EXPECT_EQ(combo.imagesShown()->image(0).size(), QSize(32, 32));
}

TEST(ComboPersistence, TheFontFollowsChangesOfTheWatchedFontObject)
{
    uniCombo combo;
    const int before = combo.height();
    combo.Font()->setSize(28);
    EXPECT_EQ(combo.font().pointSize(), 28);
    EXPECT_GT(combo.height(), before);   // the drop-down styles snap to the selection field
    controls::StdFont shared;
    shared.setName(combo.Font()->Name());
    shared.setSize(9);
    combo.setFont(&shared);
    shared.setItalic(true);
    EXPECT_TRUE(combo.font().italic());
}
