#pragma once

#include "controls/shared/KeyRouter.h"

#include <QPointer>

namespace unicombo {

class uniCombo;

// The combo box's keyboard hook: the record the host window knows as the control's key
// handler. The host offers it each key aimed at the control before its own handling
// (KeyRouter); the record hands the key to the control's TranslateAccel first, and a key
// the control handles goes no further. The record holds the control without owning it;
// TerminateIPAO empties it and takes it away from the host, so a key the host offers
// after the control's end reaches nothing.
struct IPAOHook : controls::AcceleratorClient
{
    QPointer<uniCombo> pControl;
    QPointer<controls::KeyRouter> host;   // the router that holds this record as its active object

    void TranslateAccel(const controls::KeyMessage& lpMsg, bool& handled) override;
    QWidget* acceleratorWindow() override;
};

namespace UniComboModule {

void InitIPAO(IPAOHook& hook, uniCombo* control);
void TerminateIPAO(IPAOHook& hook);
// The record's key entry: the control's TranslateAccel first.
void TranslateAccelerator(IPAOHook& hook, const controls::KeyMessage& lpMsg, bool& handled);

}

}
