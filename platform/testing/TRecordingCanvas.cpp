#include "platform/testing/TRecordingCanvas.h"

#include "platform/graphics/TCanvasBackend.h"

#include <QImage>

namespace plat::testing {

namespace {

class RecordingCanvasBackend final : public TCanvasBackend {
public:
    RecordingCanvasBackend(int widthPx, int heightPx)
        : FImage(widthPx, heightPx, QImage::Format_RGB32), FDrawing(MakeImageCanvasBackend(FImage))
    {
        FImage.fill(Qt::white);
    }

    QPainter* BeginPaint() override { return FDrawing->BeginPaint(); }
    void EndPaint() override { FDrawing->EndPaint(); }
    QImage* Pixels() override { return FDrawing->Pixels(); }
    TSize DeviceSize() const override { return FDrawing->DeviceSize(); }
    int PixelsPerInch() const override { return FDrawing->PixelsPerInch(); }
    bool IsRecording() const override { return true; }
    void Record(std::string call) override { FCalls.push_back(std::move(call)); }

    QImage FImage;
    std::unique_ptr<TCanvasBackend> FDrawing;
    std::vector<std::string> FCalls;
};

RecordingCanvasBackend& RecordingOf(TCanvas& canvas)
{
    return static_cast<RecordingCanvasBackend&>(canvas.Backend());
}

}  // namespace

TRecordingCanvas::TRecordingCanvas(int WidthPx, int HeightPx)
    : TCanvas(std::make_unique<RecordingCanvasBackend>(WidthPx, HeightPx))
{
}

const std::vector<std::string>& TRecordingCanvas::Calls() const
{
    return RecordingOf(const_cast<TRecordingCanvas&>(*this)).FCalls;
}

std::vector<std::string> TRecordingCanvas::CallsOf(std::string_view routine) const
{
    std::vector<std::string> found;
    const std::string prefix = std::string(routine) + "(";
    for (const std::string& call : Calls())
        if (call.starts_with(prefix))
            found.push_back(call);
    return found;
}

void TRecordingCanvas::ClearCalls()
{
    RecordingOf(*this).FCalls.clear();
}

const QImage& TRecordingCanvas::Image() const
{
    return RecordingOf(const_cast<TRecordingCanvas&>(*this)).FImage;
}

}  // namespace plat::testing
