#include "DamagedPictures.h"
#include "PictureProbes.h"

#include "platform/core/Exception.h"
#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/GraphicFile.h"
#include "platform/graphics/OlePicture.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TJPEGImage.h"
#include "platform/graphics/TPicture.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace plat {
namespace {

using picture_probes::Fill;
using picture_probes::PixelOf;

class PictureFiles : public ::testing::Test {
protected:
    std::string Write(const std::string& fileName, const std::vector<std::uint8_t>& data) const
    {
        const std::string path = dir.filePath(QString::fromStdString(fileName)).toStdString();
        GraphicFile::Write(path, data);
        return path;
    }

    static QImage Sample(QImage::Format format)
    {
        QImage image(6, 4, format);
        image.fill(qRgb(0, 0, 255));
        return image;
    }

    QTemporaryDir dir;
};

TEST_F(PictureFiles, ExtensionChoosesTheKindOfPicture)
{
    struct Case {
        const char* fileName;
        const char* writer;
        QImage::Format format;
        const char* kind;
    };
    const Case cases[] = {
        {"a.bmp", "BMP", QImage::Format_RGB32, "TBitmap"},
        {"b.JPG", "JPG", QImage::Format_RGB32, "TJPEGImage"},
        {"c.jpeg", "JPG", QImage::Format_RGB32, "TJPEGImage"},
        {"d.png", "PNG", QImage::Format_ARGB32, "TBitmap"},
        {"e.ico", "ICO", QImage::Format_ARGB32, "TIcon"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        TPicture picture;
        int changes = 0;
        picture.OnChange = [&](TObject*) { ++changes; };
        picture.LoadFromFile(Write(c.fileName, picture_probes::Encoded(Sample(c.format), c.writer)));
        ASSERT_NE(picture.GetGraphic(), nullptr);
        EXPECT_EQ(picture.GetGraphic()->ClassName(), c.kind);
        EXPECT_EQ(picture.GetWidth(), 6);
        EXPECT_EQ(picture.GetHeight(), 4);
        EXPECT_EQ(changes, 1);
    }
}

TEST_F(PictureFiles, FailedLoadsKeepThePicture)
{
    TPicture picture;
    Fill(picture.Bitmap(), pf24bit, 3, 3, clRed);
    const std::vector<std::uint8_t> notAPicture = {'n', 'o', 'p', 'e'};
    struct Case {
        std::string path;
        const char* message;
    };
    const Case cases[] = {
        {Write("a.gif", notAPicture), "Unknown picture file extension (.gif)"},
        {Write("noextension", notAPicture), "Unknown picture file extension (.)"},
        {Write("b.jpg", notAPicture), nullptr},
        {Write("c.bmp", notAPicture), "Bitmap image is not valid"},
        {Write("d.png", notAPicture), "PNG image is not valid"},
        {dir.filePath("missing.bmp").toStdString(), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        try {
            picture.LoadFromFile(c.path);
            ADD_FAILURE() << "loaded";
        } catch (const Exception& e) {
            if (c.message) {
                EXPECT_EQ(e.Message(), c.message);
            }
        }
        EXPECT_EQ(picture.GetGraphic()->ClassName(), "TBitmap");
        EXPECT_EQ(PixelOf(picture.Bitmap(), 2, 2), clRed);
    }
}

// Qt's readers return what they read of a bitmap cut short, the missing rows as their memory
// was, and libpng reserves what a chunk declares before it reads it: every reader refuses them.
TEST_F(PictureFiles, FilesTheReadersWouldTakeOnlyInPartAreRefusedByEachReader)
{
    for (const damaged_pictures::TDamaged& damaged : damaged_pictures::DamagedPictures()) {
        SCOPED_TRACE(damaged.Name);
        TPicture picture;
        EXPECT_THROW(picture.LoadFromFile(Write("damaged." + damaged.Extension, damaged.Bytes)), EInvalidGraphic);
        std::shared_ptr<TOlePicture> ole;
        EXPECT_EQ(TOlePicture::Load(damaged.Bytes, ole), TOlePicture::TLoadResult::InvalidFormat);
        if (damaged.Extension == "bmp") {
            TBitmap bitmap;
            EXPECT_THROW(bitmap.LoadFromBytes(damaged.Bytes), EInvalidGraphic);
        }
    }
}

TEST(TPicture, ChangesOfThePictureReachTheOwner)
{
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &picture);
        ++changes;
    };
    TBitmap& bitmap = picture.Bitmap();
    EXPECT_EQ(changes, 1);
    bitmap.SetSize(2, 2);
    bitmap.Canvas().FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(&picture.Bitmap(), &bitmap);

    picture.SetGraphic(nullptr);
    EXPECT_EQ(picture.GetGraphic(), nullptr);
    EXPECT_EQ(picture.GetWidth(), 0);
    EXPECT_EQ(changes, 4);
}

TEST(TPicture, AssignKeepsItsOwnCopy)
{
    TBitmap bitmap;
    Fill(bitmap, pf24bit, 2, 1, clRed);
    TPicture first;
    first.Assign(bitmap);
    TPicture second;
    second.Assign(first);
    Fill(bitmap, pf24bit, 2, 1, clBlue);
    first.Bitmap().Canvas().SetPixels(0, 0, clLime);

    EXPECT_EQ(PixelOf(second.Bitmap(), 0, 0), clRed);
    EXPECT_NE(first.GetGraphic(), second.GetGraphic());

    TJPEGImage jpeg;
    jpeg.Assign(bitmap);
    second.SetGraphic(&jpeg);
    EXPECT_EQ(second.GetGraphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(second.GetWidth(), 2);
    // Asking for a bitmap replaces a picture of another kind.
    EXPECT_TRUE(second.Bitmap().GetEmpty());
}

TEST_F(PictureFiles, JpegPicturesAreSavedAsLoaded)
{
    const std::vector<std::uint8_t> original = picture_probes::Encoded(Sample(QImage::Format_RGB32), "JPG");
    TJPEGImage jpeg;
    jpeg.LoadFromFile(Write("in.jpg", original));
    const std::string saved = dir.filePath("out.jpg").toStdString();
    jpeg.SaveToFile(saved);
    EXPECT_EQ(GraphicFile::Read(saved), original);
    EXPECT_EQ(jpeg.Bitmap().GetPixelFormat(), pf24bit);

    EXPECT_THROW(jpeg.LoadFromBytes(std::vector<std::uint8_t>(original.begin(), original.begin() + 100)),
                 EInvalidGraphic);
    EXPECT_EQ(jpeg.SaveToBytes(), original);
    EXPECT_EQ(jpeg.GetWidth(), 6);
    EXPECT_THROW(jpeg.LoadFromResourceName("NO_SUCH_MAP"), EResNotFound);
    EXPECT_THROW(TJPEGImage().SaveToFile(saved), EInvalidGraphic);
}

TEST(TJPEGImage, OtherPicturesAreCompressedWithTheQualitySet)
{
    TBitmap bitmap;
    Fill(bitmap, pf24bit, 32, 32, RGB(200, 100, 50));
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Canvas().FillRect(Rect(0, 0, 16, 32));

    TJPEGImage fine;
    fine.SetCompressionQuality(100);
    fine.Assign(bitmap);
    TJPEGImage coarse;
    coarse.SetCompressionQuality(-5);
    EXPECT_EQ(coarse.GetCompressionQuality(), 1);
    coarse.Assign(bitmap);
    EXPECT_LT(coarse.SaveToBytes().size(), fine.SaveToBytes().size());

    TJPEGImage decoded;
    decoded.LoadFromBytes(fine.SaveToBytes());
    const TColor pixel = PixelOf(decoded.Bitmap(), 24, 8);
    EXPECT_NEAR(GetRValue(pixel), 200, 4);
    EXPECT_NEAR(GetGValue(pixel), 100, 4);
    EXPECT_NEAR(GetBValue(pixel), 50, 4);
}

TEST(TIcon, DrawsWithItsOwnTransparency)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(255, 0, 0, 0));
    TIcon icon;
    icon.LoadFromBytes(picture_probes::Encoded(image, "ICO"));
    EXPECT_TRUE(icon.GetTransparent());

    TBitmap target;
    Fill(target, pf24bit, 2, 1, clBlue);
    target.Canvas().Draw(0, 0, &icon);
    EXPECT_EQ(PixelOf(target, 0, 0), clRed);
    EXPECT_EQ(PixelOf(target, 1, 0), clBlue);

    EXPECT_THROW(icon.LoadFromBytes(std::vector<std::uint8_t>{1, 2, 3}), EInvalidGraphic);
    EXPECT_EQ(icon.GetWidth(), 2);
}

}  // namespace
}  // namespace plat
