#include "controls/shared/StdFont.h"

#include <cmath>

namespace controls {

StdFont::StdFont(QObject* parent) : QObject(parent)
{
}

StdFont* StdFont::fromQFont(const QFont& font, QObject* parent)
{
    auto* object = new StdFont(parent);
    const QSignalBlocker quiet(object);
    object->assign(font);
    return object;
}

namespace {

template<class T>
bool change(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

}

void StdFont::setName(const QString& name)
{
    if (change(m_name, name))
        emit FontChanged(QStringLiteral("Name"));
}

void StdFont::setSize(double points)
{
    if (points > 0 && change(m_size, points))
        emit FontChanged(QStringLiteral("Size"));
}

void StdFont::setBold(bool on)
{
    if (change(m_bold, on))
        emit FontChanged(QStringLiteral("Bold"));
}

void StdFont::setItalic(bool on)
{
    if (change(m_italic, on))
        emit FontChanged(QStringLiteral("Italic"));
}

void StdFont::setUnderline(bool on)
{
    if (change(m_underline, on))
        emit FontChanged(QStringLiteral("Underline"));
}

void StdFont::setStrikethrough(bool on)
{
    if (change(m_strikethrough, on))
        emit FontChanged(QStringLiteral("Strikethrough"));
}

void StdFont::setCharset(int charset)
{
    if (change(m_charset, charset))
        emit FontChanged(QStringLiteral("Charset"));
}

void StdFont::assign(const QFont& font)
{
    bool changed = change(m_name, font.family());
    if (font.pointSizeF() > 0)
        changed |= change(m_size, font.pointSizeF());
    changed |= change(m_bold, font.bold());
    changed |= change(m_italic, font.italic());
    changed |= change(m_underline, font.underline());
    changed |= change(m_strikethrough, font.strikeOut());
    if (changed)
        emit FontChanged(QString());
}

QFont StdFont::toQFont() const
{
    QFont font = exactFont();
    font.setPointSize(std::max(1, static_cast<int>(std::lround(m_size))));
    return font;
}

QFont StdFont::exactFont() const
{
    QFont font(m_name);
    font.setPointSizeF(m_size);
    font.setBold(m_bold);
    font.setItalic(m_italic);
    font.setUnderline(m_underline);
    font.setStrikeOut(m_strikethrough);
    return font;
}

}
