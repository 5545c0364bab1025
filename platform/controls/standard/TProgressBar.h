#pragma once

#include "platform/controls/core/TCustomControl.h"

namespace plat {

enum TProgressBarOrientation { pbHorizontal, pbVertical };
enum TProgressBarStyle { pbstNormal, pbstMarquee };

// A bar that fills from the left (from the bottom when vertical) as Position goes from Min to
// Max: in blocks, or in one piece when Smooth. With pbstMarquee it shows no position but a
// block that travels along the bar, one step every MarqueeInterval milliseconds on the timer
// service, coming back in at the start.
class TProgressBar : public TCustomControl {
public:
    explicit TProgressBar(TComponent* AOwner);

    std::string ClassName() const override { return "TProgressBar"; }

    int GetMin() const { return FMin; }
    void SetMin(int Value);
    int GetMax() const { return FMax; }
    void SetMax(int Value);
    int GetPosition() const { return FPosition; }
    // Kept between Min and Max.
    void SetPosition(int Value);
    int GetStep() const { return FStep; }
    void SetStep(int Value) { FStep = Value; }
    // Moves by Step; past Max the bar starts again at Min.
    void StepIt();
    // Moves by Delta, kept between Min and Max.
    void StepBy(int Delta);
    TProgressBarOrientation GetOrientation() const { return FOrientation; }
    // Turning the bar swaps its width and height.
    void SetOrientation(TProgressBarOrientation Value);
    bool GetSmooth() const { return FSmooth; }
    void SetSmooth(bool Value);
    TProgressBarStyle GetStyle() const { return FStyle; }
    void SetStyle(TProgressBarStyle Value);
    int GetMarqueeInterval() const { return FMarqueeIntervalMs; }
    void SetMarqueeInterval(int Value);

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;

private:
    // Length of the bar's inside along its direction, and of one block.
    int TrackLength() const;
    int BlockLength() const;
    void RunMarquee();

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FStep = 10;
    TProgressBarOrientation FOrientation = pbHorizontal;
    bool FSmooth = false;
    TProgressBarStyle FStyle = pbstNormal;
    int FMarqueeIntervalMs = 10;
    // Where the marquee block starts, along the bar.
    int FMarqueeOffset = 0;
};

}  // namespace plat
