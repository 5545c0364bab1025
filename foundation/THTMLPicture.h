#pragma once

#include "platform/core/Exception.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TGraphic.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat {
class TOlePicture;
class TStream;
}  // namespace plat

namespace skelda::foundation {

// Raised when picture bytes cannot be decoded.
class EHTMLPictureError : public plat::Exception {
public:
    using Exception::Exception;
};

// The picture of a mini-HTML image tag: the encoded bytes exactly as loaded (BMP, JPEG, GIF,
// PNG, icon), decoded into the current frame through the OLE picture stand-in. An animated GIF
// is stepped frame by frame: each frame is decoded on its own at its offset (FrameXPos,
// FrameYPos) inside the animation's area (MaxWidth x MaxHeight); frames are not composed.
// Sizes are pixels at 96 per inch. Decoding errors raise EHTMLPictureError except in
// LoadFromFile, which leaves an empty picture. The download events are never fired: addresses
// other than "FILE://" and "RES://" are only recorded. User-interface thread only.
class THTMLPicture : public plat::TGraphic {
public:
    THTMLPicture();
    ~THTMLPicture() override;

    std::string ClassName() const override { return "THTMLPicture"; }

    bool GetEmpty() const override { return FIsEmpty; }
    // 0 x 0 without a decoded picture.
    int GetWidth() const override;
    int GetHeight() const override;
    // The animation's area for a GIF, else the picture's size.
    int MaxWidth() const;
    int MaxHeight() const;
    bool GetStretch() const { return FStretched; }
    void SetStretch(bool Value) { FStretched = Value; }

    // Stretched into Rect with Stretch set; otherwise at its natural size from Rect's top-left.
    void Draw(plat::TCanvas& ACanvas, const plat::TRect& Rect) const override;

    // Bytes from the stream's position to its end; decodes (errors propagate) and fires OnChange.
    void LoadFromStream(plat::TStream& Stream) override;
    void SaveToStream(plat::TStream& Stream) const override;
    std::unique_ptr<plat::TGraphic> Clone() const override;
    // A missing or undecodable file leaves the picture empty; nothing is raised.
    void LoadFromFile(const std::string& FileName);
    void LoadFromBytes(const std::vector<std::uint8_t>& Bytes);
    // As stored with a component: the bytes, without OnChange.
    void ReadData(plat::TStream& Stream);
    void WriteData(plat::TStream& Stream) const { SaveToStream(Stream); }
    void LoadFromResourceName(plat::HINSTANCE Instance, const std::string& Name);
    void LoadFromResourceID(plat::HINSTANCE Instance, int Id);
    // "FILE://path" and "RES://name" (prefixes in any case) load at once and set ID to the
    // address; any other address is recorded (URL, ID) and the picture stays empty.
    void LoadFromURL(const std::string& Url);

    // A THTMLPicture's bytes, Stretch, Frame and ID; nullptr empties the picture (0 x 0); any
    // other graphic is loaded from what it saves.
    void Assign(const plat::TPersistent& Source) override;
    void AssignNothing();

    const std::string& GetID() const { return FID; }
    void SetID(const std::string& Value) { FID = Value; }
    const std::string& GetURL() const { return FURL; }
    bool GetIsDB() const { return FIsDB; }
    void SetIsDB(bool Value) { FIsDB = Value; }
    bool GetAsynch() const { return FAsynch; }
    void SetAsynch(bool Value) { FAsynch = Value; }
    bool GetBusy() const { return FThreadBusy; }

    // GIF frames, counted from 1; the frame count is -1 for other pictures.
    bool IsGIF() const;
    int FrameCount();
    int GetFrame() const { return FFrame; }
    // Decodes that frame (not checked against the count) and fires OnFrameChange.
    void SetFrame(int Value);
    // Only the number moves, wrapping at the ends; nothing is decoded.
    void FrameNext();
    void FramePrev();
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }
    // One animation tick of a tenth of a second; true when the frame changed.
    bool Step();

    const std::vector<std::uint8_t>& Bytes() const { return FData; }

    std::function<void(plat::TObject*)> OnFrameChange;
    std::function<void(plat::TObject*, std::uint32_t, std::uint32_t)> OnDownLoadProgress;
    std::function<void(plat::TObject*, bool&)> OnDownLoadCancel;
    std::function<void(plat::TObject*)> OnDownLoadComplete;
    std::function<void(plat::TObject*, const std::string&)> OnDownLoadError;

private:
    void RebuildPicture();
    int FrameDelay(int Frame) const;
    void SetBytes(std::vector<std::uint8_t> Bytes);

    std::vector<std::uint8_t> FData;
    bool FIsEmpty = true;
    bool FStretched = false;
    std::shared_ptr<plat::TOlePicture> FPicture;
    std::string FURL;
    std::string FID;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    int FFrameCount = -1;
    int FFrameXPos = 0;
    int FFrameYPos = 0;
    int FFrameXSize = 0;
    int FFrameYSize = 0;
    int FAnimMaxX = 0;
    int FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
};

}  // namespace skelda::foundation
