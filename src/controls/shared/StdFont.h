#pragma once

#include <QFont>
#include <QObject>
#include <QString>

// The font object of a control's Font property: a name, a size in points and the style
// switches, shared by reference. Whoever holds it can change one attribute; every change
// raises FontChanged, so a control that watches the object applies it again.
//
// How a control uses it: it keeps a QPointer to the watched object, connects FontChanged
// to its font setter, and turns the object into a QFont with toQFont. The name keeps its
// full Unicode form; the size is applied in whole points, as the object is applied, and
// kept exactly (a property bag, a copy) through exactFont.
namespace controls {

class StdFont : public QObject
{
    Q_OBJECT
public:
    explicit StdFont(QObject* parent = nullptr);
    static StdFont* fromQFont(const QFont& font, QObject* parent = nullptr);

    QString Name() const { return m_name; }
    void setName(const QString& name);
    double Size() const { return m_size; }
    void setSize(double points);
    bool Bold() const { return m_bold; }
    void setBold(bool on);
    bool Italic() const { return m_italic; }
    void setItalic(bool on);
    bool Underline() const { return m_underline; }
    void setUnderline(bool on);
    bool Strikethrough() const { return m_strikethrough; }
    void setStrikethrough(bool on);
    int Charset() const { return m_charset; }
    void setCharset(int charset);

    void assign(const QFont& font);   // one FontChanged for the whole change
    QFont toQFont() const;
    QFont exactFont() const;   // the size as set, not as shown

signals:
    void FontChanged(const QString& PropertyName);

private:
    QString m_name;
    double m_size = 8.25;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikethrough = false;
    int m_charset = 0;
};

}
