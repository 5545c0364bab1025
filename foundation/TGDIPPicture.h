#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TGraphic.h"

#include <functional>
#include <memory>
#include <string>

namespace plat {
class TMemoryStream;
class TStream;
}  // namespace plat

namespace skelda::foundation {

class TGPGraphics;
class TGPImage;

// A picture kept as its encoded bytes (BMP, PNG, JPEG, GIF, TIFF, icon) and drawn through GDI+,
// so that PNG pictures keep their alpha. The bytes are the only copy: every drawing or size
// query decodes them again, and nothing decoded is kept. Bytes that do not decode are no
// error: the sizes read 0 and nothing is drawn. Stored as a component property, the picture is
// its bytes unchanged (ReadData, WriteData). User-interface thread only.
class TGDIPPicture : public plat::TGraphic {
public:
    TGDIPPicture();
    ~TGDIPPicture() override;

    std::string ClassName() const override { return "TGDIPPicture"; }

    bool GetEmpty() const override { return FIsEmpty; }
    // The size last read from the bytes (GetImageSizes, or drawing a picture other than a BMP);
    // 0 before.
    int GetWidth() const override { return FWidth; }
    int GetHeight() const override { return FHeight; }
    const std::string& GetFileName() const { return FFileName; }
    // Stored for the user; the picture itself does not consult them.
    bool GetDoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
    plat::TColor GetBackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(plat::TColor Value) { FBackgroundColor = Value; }
    // The encoded bytes, for painters that draw the picture with attributes of their own.
    const plat::TMemoryStream& DataStream() const { return *FDatastream; }

    // Reads the size from the bytes; false, with sizes 0, when there are none or they do not
    // decode.
    bool GetImageSizes();

    // A BMP is drawn stretched as a bitmap with its automatic transparent colour (the
    // bottom-left pixel's) left out; anything else stretched through GDI+ with its alpha.
    void Draw(plat::TCanvas& ACanvas, const plat::TRect& Rect) const override;
    // On a GDI+ surface: unscaled at (X, Y), or stretched into the rectangle.
    void DrawImage(TGPGraphics& Graphics, int X, int Y);
    void DrawImageRect(TGPGraphics& Graphics, int X, int Y, int W, int H);

    // From another picture (its bytes), a bitmap (a BMP file of it), a picture holder (the file
    // of the graphic it holds; one that holds none empties this picture) or nothing (nullptr:
    // the bytes go, OnChange, then OnClear). Other sources only leave this picture empty.
    void Assign(const plat::TPersistent& Source) override;
    void Assign(const plat::TPersistent* Source);

    // The file's bytes; then OnClear, the size, OnChange. Any failure on the way, a file that
    // cannot be read included, only leaves the picture empty.
    void LoadFromFile(const std::string& FileName);
    // The whole stream, from its start; the size, then OnChange. Errors reach the caller.
    void LoadFromStream(plat::TStream& Stream) override;
    void SaveToStream(plat::TStream& Stream) const override;
    std::unique_ptr<plat::TGraphic> Clone() const override;
    // The stored form. ReadData takes the stream's bytes without reading the size and without
    // events; nullptr is ignored by both.
    void ReadData(plat::TStream* Stream);
    void WriteData(plat::TStream* Stream) const;
    // A raw-data resource of the module: by name when there is one (else nothing), by number
    // (EResNotFound when missing).
    void LoadFromResourceName(plat::HINSTANCE Instance, const std::string& Name);
    void LoadFromResourceID(plat::HINSTANCE Instance, int ResID);
    // "RES://<resource name>" (of the program) or "FILE://<path>", the prefix in any case;
    // anything else does nothing.
    void LoadFromURL(const std::string& Url);

    // When the picture is emptied by assigning nothing, and when a file is loaded.
    std::function<void(plat::TObject* Sender)> OnClear;

private:
    // Decodes the bytes and hands the image to Work; nothing when the picture is empty.
    // Raises "Could not allocate memory for image" when there is no memory for the copy the
    // decoder reads.
    bool WithImage(const std::function<void(TGPImage& Image)>& Work) const;
    void ReplaceBytes(plat::TStream& Source);
    void Cleared();

    std::string FFileName;
    std::unique_ptr<plat::TMemoryStream> FDatastream;
    bool FIsEmpty = true;
    mutable int FWidth = 0;
    mutable int FHeight = 0;
    bool FDoubleBuffered = false;
    plat::TColor FBackgroundColor = plat::clNone;
};

}  // namespace skelda::foundation
