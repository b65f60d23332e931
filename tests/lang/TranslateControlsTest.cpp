#include "LangTestSupport.h"

#include "lang/modGenericLanguages.h"
#include "lang/modMultiLingual.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using modGenericLanguages::subTranslateControls;

namespace {

QStringList line(const QString& key, const QString& english, const QString& german)
{
    QStringList fields{key};
    for (int column = 1; column <= 16; ++column)
        fields << (column == 4 ? english : column == 7 ? german : QString());
    return fields;
}

template<typename T>
T* add(QWidget* window, const QString& text)
{
    auto* control = new T(text, window);
    window->layout()->addWidget(control);
    return control;
}

}

using TranslateControls = LangTest;

TEST_F(TranslateControls, CaptionsAndTooltipsThatArePhraseKeysGetTheirPhrases)
{
    useTable(table({
        line(QStringLiteral("LNGHELP"), QStringLiteral("&Help"), QStringLiteral("&Hilfe")),
        line(QStringLiteral("LNGQUOTED"), QStringLiteral("Say quot;hiquot;"), QStringLiteral("Sag quot;Hallo&quot;")),
        line(QStringLiteral("LNGSAVE"), QStringLiteral("Save"), QStringLiteral("Speichern")),
        line(QStringLiteral("LNGTOOLS"), QStringLiteral("Tools"), QStringLiteral("Extras")),
        line(QStringLiteral("LNGPRINT"), QStringLiteral("Print"), QStringLiteral("Drucken")),
    }));
    modGenericLanguages::subReadPhrases(7, false);

    QDialog window;
    window.setLayout(new QVBoxLayout);
    auto* save = add<QPushButton>(&window, QStringLiteral("LNGSAVE"));
    auto* label = add<QLabel>(&window, QStringLiteral("LNGQUOTED"));
    label->setToolTip(QStringLiteral("LNGHELP"));
    auto* check = add<QCheckBox>(&window, QStringLiteral("LNGHELP"));
    auto* option = add<QRadioButton>(&window, QStringLiteral("LNGSAVE"));
    auto* group = add<QGroupBox>(&window, QStringLiteral("LNGTOOLS"));
    auto* lowerCase = add<QLabel>(&window, QStringLiteral("lngsave"));
    auto* plain = add<QLabel>(&window, QStringLiteral("Save"));
    auto* unknown = add<QPushButton>(&window, QStringLiteral("LNGNOSUCHKEY"));
    unknown->setToolTip(QStringLiteral("LNGNOSUCHKEY"));

    auto* menuBar = new QMenuBar(&window);
    QMenu* tools = menuBar->addMenu(QStringLiteral("LNGTOOLS"));
    QAction* print = tools->addAction(QStringLiteral("LNGPRINT"));
    QAction* other = tools->addAction(QStringLiteral("LNGSAVE"));
    other->setToolTip(QStringLiteral("LNGHELP"));

    subTranslateControls(&window);

    EXPECT_EQ(save->text(), QStringLiteral("Speichern"));
    EXPECT_EQ(label->text(), QStringLiteral("Sag \"Hallo\""));   // quot; becomes a quote, access keys go
    EXPECT_EQ(label->toolTip(), QStringLiteral("Hilfe"));
    EXPECT_EQ(check->text(), QStringLiteral("Hilfe"));
    EXPECT_EQ(option->text(), QStringLiteral("Speichern"));
    EXPECT_EQ(group->title(), QStringLiteral("Extras"));
    EXPECT_EQ(lowerCase->text(), QStringLiteral("lngsave"));
    EXPECT_EQ(plain->text(), QStringLiteral("Save"));
    EXPECT_EQ(unknown->text(), QStringLiteral("LNGNOSUCHKEY"));
    EXPECT_EQ(unknown->toolTip(), QStringLiteral("LNGNOSUCHKEY"));
    EXPECT_EQ(tools->title(), QStringLiteral("Extras"));
    EXPECT_EQ(print->text(), QStringLiteral("Drucken"));
    EXPECT_EQ(print->toolTip(), QStringLiteral("Drucken"));
    EXPECT_EQ(other->text(), QStringLiteral("Speichern"));
    EXPECT_EQ(other->toolTip(), QStringLiteral("Hilfe"));
}

TEST_F(TranslateControls, TextBoxesListsPicturesAndLinesKeepTheirTexts)
{
    modGenericLanguages::subReadPhrases(7, false);

    QDialog window;
    window.setLayout(new QVBoxLayout);
    auto* textBox = add<QLineEdit>(&window, QStringLiteral("LNGSAVE"));
    textBox->setToolTip(QStringLiteral("LNGSAVE"));
    auto* combo = new QComboBox(&window);
    combo->setEditable(true);
    combo->setEditText(QStringLiteral("LNGSAVE"));
    combo->setToolTip(QStringLiteral("LNGSAVE"));
    auto* list = new QListWidget(&window);
    list->addItem(QStringLiteral("LNGSAVE"));
    list->setToolTip(QStringLiteral("LNGSAVE"));
    auto* image = new QLabel(&window);
    QPixmap picture(4, 4);
    picture.fill(Qt::red);
    image->setPixmap(picture);
    image->setToolTip(QStringLiteral("LNGSAVE"));
    auto* rule = new QFrame(&window);
    rule->setFrameShape(QFrame::HLine);
    rule->setToolTip(QStringLiteral("LNGSAVE"));

    subTranslateControls(&window);

    EXPECT_EQ(textBox->text(), QStringLiteral("LNGSAVE"));
    EXPECT_EQ(textBox->toolTip(), QStringLiteral("LNGSAVE"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("LNGSAVE"));
    EXPECT_EQ(combo->toolTip(), QStringLiteral("LNGSAVE"));
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("LNGSAVE"));
    EXPECT_EQ(rule->toolTip(), QStringLiteral("LNGSAVE"));
    // Lists and images have no caption, but their tooltips are translated.
    EXPECT_EQ(list->toolTip(), QStringLiteral("Speichern"));
    EXPECT_EQ(image->toolTip(), QStringLiteral("Speichern"));
    EXPECT_FALSE(image->pixmap().isNull());
}

TEST_F(TranslateControls, GreekAndCyrillicCaptionsRender)
{
    for (qint16 column : {qint16(8), qint16(16)}) {
        modMultiLingual::LoadLanguages(column);
        QDialog window;
        window.setLayout(new QVBoxLayout);
        auto* button = add<QPushButton>(&window, QStringLiteral("LNGSAVEREPORT"));
        subTranslateControls(&window);
        ASSERT_EQ(button->text(), modMultiLingual::LNGSAVEREPORT);
        // Every letter of the caption has a glyph in the font the button draws with.
        const QFontMetrics metrics(button->font());
        for (QChar ch : button->text())
            EXPECT_TRUE(ch.isSpace() || metrics.inFont(ch))
                << "column " << column << " U+" << std::hex << int(ch.unicode());
    }
}
