// The GDI+ picture: loading, events, assignment, stored bytes, resources and drawing.

#include "foundation/TGDIPPicture.h"
#include "foundation/TGPGraphics.h"
#include "platform/core/TStream.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/GraphicFile.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/graphics/TPicture.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/SaveImageOnFailure.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skelda::foundation {
namespace {

std::vector<std::uint8_t> AlphaPng() { return plat::LoadResource("ALPHA_PNG"); }

class GDIPPictureTest : public ::testing::Test {
protected:
    GDIPPictureTest() : image(40, 40, QImage::Format_RGB32), canvas(plat::MakeImageCanvasBackend(image)), keep(image)
    {
        image.fill(Qt::white);
        picture.OnChange = [this](plat::TObject*) { events.push_back("OnChange"); };
        picture.OnClear = [this](plat::TObject*) { events.push_back("OnClear"); };
    }

    std::string WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const std::string path = folder.path().toStdString() + "/" + name;
        plat::GraphicFile::Write(path, bytes);
        return path;
    }

    void ReadBytes(const std::vector<std::uint8_t>& bytes)
    {
        plat::TMemoryStream stored;
        stored.WriteBuffer(bytes);
        picture.ReadData(&stored);
    }

    bool Untouched() const
    {
        return plat::testing::CountPixels(image, plat::Rect(0, 0, image.width(), image.height()), plat::clWhite) ==
               image.width() * image.height();
    }

    QTemporaryDir folder;
    QImage image;
    plat::TCanvas canvas;
    plat::testing::SaveImageOnFailure keep;
    TGDIPPicture picture;
    std::vector<std::string> events;
};

TEST_F(GDIPPictureTest, ANewPictureIsEmptyAndDrawsNothing)
{
    EXPECT_TRUE(picture.GetEmpty());
    EXPECT_EQ(picture.GetWidth(), 0);
    EXPECT_EQ(picture.GetHeight(), 0);
    EXPECT_FALSE(picture.GetImageSizes());
    picture.Draw(canvas, plat::Rect(0, 0, 40, 40));
    EXPECT_TRUE(Untouched());
}

TEST_F(GDIPPictureTest, LoadingAFileReadsItsSizeAndClearsBeforeItChanges)
{
    const std::string path = WriteFile("Alpha.PNG", AlphaPng());
    picture.LoadFromFile(path);
    EXPECT_FALSE(picture.GetEmpty());
    EXPECT_EQ(picture.GetFileName(), path);
    EXPECT_EQ(picture.GetWidth(), 8);
    EXPECT_EQ(picture.GetHeight(), 6);
    EXPECT_EQ(events, (std::vector<std::string>{"OnClear", "OnChange"}));
}

TEST_F(GDIPPictureTest, AMissingFileLeavesThePictureEmptyWithoutEvents)
{
    picture.LoadFromFile(folder.path().toStdString() + "/none.png");
    EXPECT_TRUE(picture.GetEmpty());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(picture.GetFileName(), "");
}

TEST_F(GDIPPictureTest, AssignCopiesPicturesBitmapsAndHoldersAndClearsOnNothing)
{
    TGDIPPicture loaded;
    loaded.LoadFromFile(WriteFile("a.png", AlphaPng()));
    picture.Assign(loaded);
    EXPECT_FALSE(picture.GetEmpty());
    EXPECT_EQ(picture.GetWidth(), 8);
    EXPECT_EQ(events, std::vector<std::string>{"OnChange"});

    events.clear();
    picture.Assign(nullptr);
    EXPECT_TRUE(picture.GetEmpty());
    EXPECT_EQ(picture.DataStream().GetSize(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"OnChange", "OnClear"}));
    EXPECT_EQ(picture.GetWidth(), 8) << "assigning nothing does not read the size";

    events.clear();
    const TGDIPPicture empty;
    picture.Assign(empty);
    EXPECT_TRUE(picture.GetEmpty());
    EXPECT_EQ(events, std::vector<std::string>{"OnChange"});

    plat::TBitmap bitmap;
    bitmap.SetSize(5, 3);
    picture.Assign(bitmap);
    EXPECT_FALSE(picture.GetEmpty());
    EXPECT_EQ(picture.DataStream().Bytes().at(0), 'B') << "a bitmap is kept as a BMP file";
    EXPECT_EQ(picture.GetWidth(), 5);

    plat::TPicture holder;
    holder.SetGraphic(&loaded);
    picture.Assign(holder);
    EXPECT_EQ(picture.DataStream().Bytes(), loaded.DataStream().Bytes());
    holder.SetGraphic(nullptr);
    picture.Assign(holder);
    EXPECT_TRUE(picture.GetEmpty()) << "a holder without a graphic leaves nothing to show";

    picture.Assign(loaded);
    const std::vector<std::uint8_t> kept = picture.DataStream().Bytes();
    plat::TStringList stranger;
    picture.Assign(stranger);
    EXPECT_TRUE(picture.GetEmpty());
    EXPECT_EQ(picture.DataStream().Bytes(), kept) << "an unsupported source leaves the bytes";
}

TEST_F(GDIPPictureTest, StoredBytesComeBackUnchangedAndReadNoSize)
{
    const std::vector<std::uint8_t> bytes = AlphaPng();
    ReadBytes(bytes);
    EXPECT_FALSE(picture.GetEmpty());
    EXPECT_EQ(picture.GetWidth(), 0);
    EXPECT_TRUE(events.empty());
    plat::TMemoryStream written;
    picture.WriteData(&written);
    EXPECT_EQ(written.Bytes(), bytes);
    picture.ReadData(nullptr);
    picture.WriteData(nullptr);
    EXPECT_TRUE(picture.GetImageSizes());
    EXPECT_EQ(picture.GetWidth(), 8);
}

TEST_F(GDIPPictureTest, UndecodableBytesHaveNoSizeAndDrawNothing)
{
    // A bitmap header that claims 30000 x 30000 pixels of 32 bits: gigabytes from 54 bytes.
    std::vector<std::uint8_t> huge(54, 0);
    const std::uint8_t header[] = {'B', 'M', 54, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 0x30, 0x75, 0, 0,
                                   0x30, 0x75, 0, 0, 1, 0, 32, 0};
    std::copy(std::begin(header), std::end(header), huge.begin());
    const std::vector<std::uint8_t> garbage{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
    for (const auto& bytes : {huge, garbage}) {
        ReadBytes(bytes);
        EXPECT_FALSE(picture.GetImageSizes());
        EXPECT_EQ(picture.GetWidth(), 0);
        EXPECT_EQ(picture.GetHeight(), 0);
        picture.Draw(canvas, plat::Rect(0, 0, 40, 40));
        EXPECT_TRUE(Untouched());
    }
}

TEST_F(GDIPPictureTest, ABmpIsDrawnStretchedWithoutItsAutomaticTransparentColour)
{
    plat::TMemoryStream resource;
    resource.WriteBuffer(plat::LoadRCData(plat::HInstance(), 101));
    picture.ReadData(&resource);
    picture.Draw(canvas, plat::Rect(4, 4, 20, 20));
    EXPECT_EQ(image.pixel(12, 12), 0xFF0000FFu) << "the blue middle";
    EXPECT_EQ(image.pixel(5, 5), 0xFFFFFFFFu) << "the magenta frame is left out";
    EXPECT_EQ(image.pixel(19, 12), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(22, 12), 0xFFFFFFFFu);
    EXPECT_EQ(picture.GetWidth(), 0) << "a BMP is drawn without reading its size";
}

TEST_F(GDIPPictureTest, APngIsDrawnWithItsAlphaAndGivesItsSize)
{
    ReadBytes(AlphaPng());
    picture.Draw(canvas, plat::Rect(0, 0, 16, 12));
    EXPECT_EQ(picture.GetWidth(), 8);
    EXPECT_EQ(picture.GetHeight(), 6);
    EXPECT_EQ(image.pixel(2, 6), 0xFF00FF00u);
    const QRgb blended = image.pixel(13, 6);
    EXPECT_EQ(qRed(blended), 255);
    EXPECT_NEAR(qGreen(blended), 127, 2);
    EXPECT_NEAR(qBlue(blended), 127, 2);
    EXPECT_EQ(image.pixel(17, 6), 0xFFFFFFFFu);

    TGPGraphics graphics(canvas.Handle());
    picture.DrawImage(graphics, 30, 30);
    EXPECT_EQ(image.pixel(31, 31), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(38, 31), 0xFFFFFFFFu) << "unscaled: 8 pixels wide";
}

TEST_F(GDIPPictureTest, UrlsNameAResourceOrAFileByTheirPrefixInAnyCase)
{
    picture.LoadFromURL("res://ALPHA_PNG");
    EXPECT_EQ(picture.GetWidth(), 8);

    const std::string path = WriteFile("Mixed.PNG", AlphaPng());
    TGDIPPicture fromFile;
    fromFile.LoadFromURL("File://" + path);
    EXPECT_EQ(fromFile.GetFileName(), path) << "the rest keeps its case";
    EXPECT_FALSE(fromFile.GetEmpty());

    for (const char* nothing : {"RES://", "FILE://", "http://example.org/x.png", "RES://NO_SUCH_RESOURCE"}) {
        TGDIPPicture untouched;
        untouched.LoadFromURL(nothing);
        EXPECT_TRUE(untouched.GetEmpty()) << nothing;
    }
}

TEST_F(GDIPPictureTest, ResourcesLoadByNumberAndAMissingNumberRaises)
{
    picture.LoadFromResourceID(plat::HInstance(), 101);
    EXPECT_FALSE(picture.GetEmpty());
    EXPECT_EQ(picture.GetWidth(), 8);
    EXPECT_EQ(events, std::vector<std::string>{"OnChange"});
    EXPECT_THROW(picture.LoadFromResourceID(plat::HInstance(), 102), plat::EResNotFound);
    TGDIPPicture other;
    other.LoadFromResourceName(plat::HInstance() + 1, "ALPHA_PNG");
    EXPECT_TRUE(other.GetEmpty()) << "another module has no such resource";
}

TEST_F(GDIPPictureTest, APictureHolderKeepsACopy)
{
    ReadBytes(AlphaPng());
    picture.GetImageSizes();
    plat::TPicture holder;
    holder.SetGraphic(&picture);
    picture.Assign(nullptr);
    ASSERT_NE(dynamic_cast<TGDIPPicture*>(holder.GetGraphic()), nullptr);
    EXPECT_EQ(holder.GetWidth(), 8);
}

}  // namespace
}  // namespace skelda::foundation
