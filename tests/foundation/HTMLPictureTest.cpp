#include "HtmlPictureBytes.h"

#include "foundation/GifFrames.h"
#include "foundation/THTMLPicture.h"
#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
#include "platform/core/TStream.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/testing/ImageProbe.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace skelda::foundation {
namespace {

using testing::HandWrittenGif;
using testing::SolidPng;

constexpr int kRed = 0, kGreen = 1, kBlue = 2;

// What the picture shows at (0, 0) when drawn on white at its natural size.
plat::TColor DrawnColour(const THTMLPicture& Picture)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    plat::TCanvas canvas(plat::MakeImageCanvasBackend(image));
    Picture.Draw(canvas, plat::TRect{0, 0, 4, 4});
    return plat::testing::PixelAt(image, 0, 0);
}

TEST(HTMLPictureGif, FramesCountAndDecodeOneByOne)
{
    THTMLPicture picture;
    int frameChanges = 0;
    picture.OnFrameChange = [&](plat::TObject*) { ++frameChanges; };
    picture.LoadFromBytes(HandWrittenGif(3, {{kRed, 10}, {kGreen, 20}, {kBlue, 30}}));
    EXPECT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.MaxWidth(), 3);
    EXPECT_EQ(picture.MaxHeight(), 1);
    EXPECT_EQ(picture.GetWidth(), 1);
    EXPECT_EQ(DrawnColour(picture), plat::clRed);

    picture.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(picture.FrameXPos(), 1);
    EXPECT_EQ(DrawnColour(picture), plat::clLime);
    // Only the number moves.
    picture.FrameNext();
    EXPECT_EQ(picture.GetFrame(), 3);
    EXPECT_EQ(DrawnColour(picture), plat::clLime);
    picture.FrameNext();
    EXPECT_EQ(picture.GetFrame(), 1);
    picture.FramePrev();
    EXPECT_EQ(picture.GetFrame(), 3);
}

TEST(HTMLPictureGif, TicksFollowTheFrameDelays)
{
    THTMLPicture picture;
    picture.LoadFromBytes(HandWrittenGif(3, {{kRed, 10}, {kGreen, 20}, {kBlue, 30}}));
    // Tick n (from 1) advances when (n - 2) x 10 reaches the sum of the delays shown so far.
    const struct {
        bool advances;
        int frame;
    } ticks[] = {{false, 1}, {false, 1}, {true, 2}, {false, 2}, {true, 3}, {false, 3}, {false, 3}, {true, 1}};
    for (std::size_t i = 0; i < std::size(ticks); ++i) {
        SCOPED_TRACE("tick " + std::to_string(i + 1));
        EXPECT_EQ(picture.Step(), ticks[i].advances);
        EXPECT_EQ(picture.GetFrame(), ticks[i].frame);
    }
    EXPECT_EQ(DrawnColour(picture), plat::clRed);
}

TEST(HTMLPictureGif, OneFrameOrNoGifNeverSteps)
{
    THTMLPicture single;
    single.LoadFromBytes(HandWrittenGif(1, {{kBlue, 10}}));
    EXPECT_EQ(single.FrameCount(), 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(single.Step());
    THTMLPicture png;
    png.LoadFromBytes(SolidPng(5, 4, qRgb(0, 0, 255)));
    EXPECT_FALSE(png.IsGIF());
    EXPECT_EQ(png.FrameCount(), -1);
    EXPECT_FALSE(png.Step());
    EXPECT_EQ(png.MaxWidth(), 5);
    EXPECT_EQ(png.GetHeight(), 4);
    EXPECT_EQ(DrawnColour(png), plat::clBlue);
}

TEST(HTMLPictureGif, FrameStartsNeedTheirWholeDescriptor)
{
    const std::vector<std::uint8_t> gif = HandWrittenGif(3, {{kRed, 10}, {kGreen, 20}, {kBlue, 30}});
    const auto starts = gif::FrameStarts(gif);
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(starts[1].DelayCs, 20);
    // Cut inside the last frame's descriptor: two frames, nothing read past the end.
    for (std::size_t cut = starts[2].Offset + 9; cut < starts[2].Offset + 17; ++cut) {
        const std::vector<std::uint8_t> truncated(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_EQ(gif::FrameStarts(truncated).size(), 2u) << cut;
    }
    const std::vector<std::uint8_t> whole(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(starts[2].Offset + 17));
    EXPECT_EQ(gif::FrameStarts(whole).size(), 3u);

    THTMLPicture picture;
    picture.LoadFromBytes(std::vector<std::uint8_t>(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(starts[2].Offset + 12)));
    EXPECT_EQ(picture.FrameCount(), 2);
    EXPECT_EQ(DrawnColour(picture), plat::clRed);
}

TEST(HTMLPictureLoad, FailuresAndEmptying)
{
    THTMLPicture picture;
    const std::vector<std::uint8_t> metafile = {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0};
    try {
        picture.LoadFromBytes(metafile);
        ADD_FAILURE() << "a metafile was taken";
    } catch (const EHTMLPictureError& e) {
        EXPECT_STREQ(e.what(), "Could not load image. Invalid format");
    }
    // A file that does not decode leaves an empty picture and raises nothing.
    picture.LoadFromFile("/no/such/picture.png");
    EXPECT_TRUE(picture.GetEmpty());
    EXPECT_EQ(picture.GetWidth(), 0);

    picture.LoadFromBytes(HandWrittenGif(3, {{kRed, 10}, {kGreen, 20}}));
    picture.AssignNothing();
    EXPECT_TRUE(picture.GetEmpty());
    EXPECT_TRUE(picture.Bytes().empty());
    EXPECT_EQ(picture.GetWidth(), 0);
    EXPECT_EQ(picture.MaxHeight(), 0);
    EXPECT_EQ(DrawnColour(picture), plat::clWhite);
}

TEST(HTMLPictureLoad, AssignAndStreamsKeepTheBytes)
{
    THTMLPicture source;
    source.LoadFromBytes(HandWrittenGif(3, {{kRed, 10}, {kGreen, 20}}));
    source.SetFrame(2);
    source.SetID("id");
    source.SetStretch(true);
    THTMLPicture copy;
    copy.Assign(source);
    EXPECT_EQ(copy.Bytes(), source.Bytes());
    EXPECT_EQ(copy.GetFrame(), 2);
    EXPECT_EQ(copy.GetID(), "id");
    EXPECT_TRUE(copy.GetStretch());
    EXPECT_EQ(copy.FrameXPos(), 1);

    plat::TMemoryStream stream;
    copy.SaveToStream(stream);
    stream.SetPosition(0);
    THTMLPicture read;
    read.ReadData(stream);
    EXPECT_EQ(read.Bytes(), source.Bytes());
    EXPECT_FALSE(read.GetEmpty());
}

TEST(HTMLPictureLoad, AddressesLoadFilesAndRecordTheRest)
{
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("Blue.png").toStdString();
    const std::vector<std::uint8_t> png = SolidPng(3, 2, qRgb(0, 0, 255));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<qint64>(png.size()));
    file.close();

    THTMLPictureCache cache;
    THTMLPicture& loaded = cache.AddPicture();
    loaded.LoadFromURL("file://" + path);
    EXPECT_FALSE(loaded.GetEmpty());
    EXPECT_EQ(loaded.GetWidth(), 3);
    EXPECT_EQ(loaded.GetID(), "file://" + path);
    EXPECT_EQ(cache.FindPicture("file://" + path), &loaded);
    EXPECT_EQ(cache.FindPicture("FILE://" + path), nullptr);

    THTMLPicture& web = cache.AddPicture();
    web.LoadFromURL("http://example.invalid/a.png");
    EXPECT_TRUE(web.GetBusy());
    EXPECT_EQ(web.GetURL(), "http://example.invalid/a.png");
    EXPECT_EQ(web.GetID(), "");
    web.SetAsynch(false);
    web.LoadFromURL("http://example.invalid/a.png");
    EXPECT_EQ(web.GetID(), "http://example.invalid/a.png");
    EXPECT_TRUE(web.GetEmpty());
    EXPECT_EQ(cache.Count(), 2);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(HTMLPictureContainer, NamesCompareWithoutCase)
{
    TPictureContainer container(nullptr);
    EXPECT_EQ(container.GetVersion(), "1.0.0.0");
    TPictureItem& first = container.Items().Add();
    first.SetName("Logo");
    first.Picture().LoadFromBytes(SolidPng(2, 2, qRgb(255, 0, 0)));
    TPictureItem& second = container.Items().Add();
    second.SetName("LOGO");
    EXPECT_EQ(container.FindPicture("lOgO"), &first.Picture());
    EXPECT_EQ(container.FindPicture("other"), nullptr);
    EXPECT_EQ(container.Items().GetOwner(), &container);

    TPictureItem& inserted = container.Items().Insert(0);
    inserted.Assign(first);
    EXPECT_EQ(inserted.GetName(), "Logo");
    EXPECT_EQ(inserted.Picture().Bytes(), first.Picture().Bytes());
    EXPECT_EQ(container.FindPicture("logo"), &inserted.Picture());
    EXPECT_THROW(inserted.Assign(container.Items()), plat::EConvertError);

    TPictureItem& animated = container.Items().Add();
    animated.Picture().LoadFromBytes(HandWrittenGif(2, {{kRed, 0}, {kGreen, 0}}));
    // The first tick only reads the delay; the second shows frame 2.
    EXPECT_FALSE(container.Items().Animate());
    EXPECT_TRUE(container.Items().Animate());
    EXPECT_EQ(animated.Picture().GetFrame(), 2);
}

}  // namespace
}  // namespace skelda::foundation
