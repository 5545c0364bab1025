// Draws the splash and About pictures from the world map's day and night pictures, with the
// program's name and version on them. Run by scripts/make-pictures; its output is committed.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

void DrawTitle(QPainter& painter, QRect area, int titlePx, int subtitlePx)
{
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(titlePx);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 150));
    painter.drawText(area.translated(2, 2), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("SKELDA"));
    painter.setPen(QColor(255, 214, 64));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("SKELDA"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(subtitlePx);
    painter.setFont(subtitle);
    painter.setPen(Qt::white);
    painter.drawText(area.adjusted(2, titlePx + subtitlePx / 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("v1.7a  -  HF propagation prediction"));
}

// The day map over the upper part, the night map below, darkening towards the bottom so that
// white text stays readable there.
QImage Splash(const QImage& day, const QImage& night)
{
    QImage picture(520, 340, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, 520, 340), night);
    QImage upper = day.scaled(520, 260, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QLinearGradient fade(0, 0, 0, 260);
    fade.setColorAt(0.0, QColor(0, 0, 0, 255));
    fade.setColorAt(0.45, QColor(0, 0, 0, 255));
    fade.setColorAt(1.0, QColor(0, 0, 0, 0));
    {
        QImage mask(upper.size(), QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        QPainter maskPainter(&mask);
        maskPainter.drawImage(0, 0, upper);
        maskPainter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        maskPainter.fillRect(mask.rect(), fade);
        maskPainter.end();
        painter.drawImage(0, 0, mask);
    }
    QLinearGradient shade(0, 150, 0, 340);
    shade.setColorAt(0.0, QColor(0, 0, 20, 0));
    shade.setColorAt(0.35, QColor(0, 0, 20, 170));
    shade.setColorAt(1.0, QColor(0, 0, 20, 230));
    painter.fillRect(QRect(0, 150, 520, 190), shade);
    DrawTitle(painter, QRect(24, 36, 480, 120), 64, 18);
    painter.setPen(QColor(255, 255, 255, 90));
    painter.drawLine(24, 190, 496, 190);
    return picture;
}

QImage About(const QImage& day)
{
    QImage picture = day.scaled(240, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient shade(0, 0, 0, 120);
    shade.setColorAt(0.0, QColor(0, 0, 20, 150));
    shade.setColorAt(0.6, QColor(0, 0, 20, 40));
    shade.setColorAt(1.0, QColor(0, 0, 20, 0));
    painter.fillRect(picture.rect(), shade);
    DrawTitle(painter, QRect(10, 8, 230, 100), 34, 11);
    return picture;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: MakePictures MAP_DAY.jpg MAP_NIGHT.jpg OUTPUT_FOLDER\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QImage day(QString::fromLocal8Bit(argv[1]));
    const QImage night(QString::fromLocal8Bit(argv[2]));
    if (day.isNull() || night.isNull()) {
        std::fprintf(stderr, "cannot read the map pictures\n");
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[3]) + QLatin1Char('/');
    const bool saved = Splash(day, night).save(folder + QStringLiteral("SPLASH.jpg"), "JPEG", 90) &&
                       About(day).save(folder + QStringLiteral("ABOUT.jpg"), "JPEG", 90);
    return saved ? 0 : 1;
}
