#pragma once

#include <QFont>
#include <QString>

class QWidget;

// What a control asks of the window that hosts it: whether it runs (always, here: there is
// no form designer), the font it starts with, the container's size units (twips: 1440 to
// the inch) and the report of a changed property.
//
// How a control uses it: it keeps a HostServices* (runModeHost() unless the host or a test
// gives another) and asks it instead of guessing; sizes it stores in pixels it shows in
// container units through toContainerX/Y and back through toPixelsX/Y.
namespace controls {

class HostServices
{
public:
    virtual ~HostServices() = default;

    virtual bool userMode() const = 0;
    virtual QFont ambientFont(const QWidget& control) const = 0;
    virtual void propertyChanged(const QString& propertyName) = 0;
    // The program's name as error sources carry it.
    virtual QString exeName() const = 0;

    // Container units and pixels, at the control's logical DPI; half a unit rounds away from zero.
    virtual int toPixelsX(double units, const QWidget& control) const = 0;
    virtual int toPixelsY(double units, const QWidget& control) const = 0;
    virtual double toContainerX(int pixels, const QWidget& control) const = 0;
    virtual double toContainerY(int pixels, const QWidget& control) const = 0;
};

// The one host the program has: run mode, the host window's font, twips.
class RunModeHost : public HostServices
{
public:
    bool userMode() const override { return true; }
    QFont ambientFont(const QWidget& control) const override;
    void propertyChanged(const QString&) override {}
    QString exeName() const override;
    int toPixelsX(double units, const QWidget& control) const override;
    int toPixelsY(double units, const QWidget& control) const override;
    double toContainerX(int pixels, const QWidget& control) const override;
    double toContainerY(int pixels, const QWidget& control) const override;
};

HostServices& runModeHost();

}
