#pragma once

#include "platform/controls/qt/HostWidget.h"

namespace plat {

// While a host widget turns one Qt event into messages, the scope names the messages that
// carry that event: when one of them reaches DefaultHandler, the Qt event goes to the Qt base
// class. Immediate scopes hand it over at once (mouse, paint: the native handling comes before
// the rest of the handler, as the inherited call did); deferred ones only record it, and the
// adapter decides at the end of the sequence (keys: a key that a later step swallows must not
// reach the native widget).
struct TNativeEventScope {
    struct Carrier {
        unsigned Msg = 0;
        bool Reached = false;
        WPARAM WParam = 0;
    };

    // The host counts as inside an event while the scope is open, so that a control freed
    // meanwhile leaves its widget to be deleted afterwards.
    TNativeEventScope(THostWidgetCore& Host, QEvent* Event, bool Deferred)
        : FHost(Host), Event(Event), Deferred(Deferred), FPrevious(Host.FScope)
    {
        Host.FScope = this;
        ++Host.FEventDepth;
    }
    ~TNativeEventScope()
    {
        FHost.FScope = FPrevious;
        --FHost.FEventDepth;
    }
    TNativeEventScope(const TNativeEventScope&) = delete;
    TNativeEventScope& operator=(const TNativeEventScope&) = delete;

    void Expect(unsigned Msg)
    {
        if (Count < MaxCarriers)
            Carriers[Count++].Msg = Msg;
    }
    Carrier* Find(unsigned Msg)
    {
        for (int i = 0; i < Count; ++i)
            if (Carriers[i].Msg == Msg)
                return &Carriers[i];
        return nullptr;
    }
    bool Reached(unsigned Msg)
    {
        const Carrier* carrier = Find(Msg);
        return carrier && carrier->Reached;
    }

    static constexpr int MaxCarriers = 3;
    THostWidgetCore& FHost;
    QEvent* Event;
    bool Deferred;
    bool BaseDone = false;
    Carrier Carriers[MaxCarriers];
    int Count = 0;

private:
    TNativeEventScope* FPrevious;
};

}  // namespace plat
