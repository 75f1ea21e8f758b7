#include "process_support.h"

#include "animatedgif.h"
#include "animationframe.h"
#include "colony.h"
#include "experiment.h"
#include "charts.h"
#include "worldimage.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace {

struct Decoded
{
    bool loopsForever = false;
    std::vector<int> delays;
    std::vector<QRect> areas;
    std::vector<QImage> frames; // as shown: each drawn over the one before
};

// Reads the animation back with giflib's own decoder.
Decoded decode(QByteArray bytes)
{
    Decoded out;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    int error = 0;
    GifFileType *gif = DGifOpen(&buffer, [](GifFileType *g, GifByteType *to, int length) {
        return static_cast<int>(static_cast<QBuffer *>(g->UserData)->read(reinterpret_cast<char *>(to), length));
    }, &error);
    if (!gif || DGifSlurp(gif) != GIF_OK || gif->ImageCount == 0) {
        ADD_FAILURE() << "giflib cannot read the animation";
        DGifCloseFile(gif, &error);
        return out;
    }
    const SavedImage &first = gif->SavedImages[0]; // the NETSCAPE2.0 block, then loop count 0
    out.loopsForever = first.ExtensionBlockCount >= 2 && first.ExtensionBlocks[0].ByteCount == 11
        && std::memcmp(first.ExtensionBlocks[0].Bytes, "NETSCAPE2.0", 11) == 0
        && std::memcmp(first.ExtensionBlocks[1].Bytes, "\1\0\0", 3) == 0;
    QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &image = gif->SavedImages[i];
        const GifImageDesc &area = image.ImageDesc;
        GraphicsControlBlock control;
        DGifSavedExtensionToGCB(gif, i, &control);
        out.delays.push_back(control.DelayTime);
        out.areas.push_back(QRect(area.Left, area.Top, area.Width, area.Height));
        for (int k = 0; k < area.Width * area.Height; ++k) {
            const GifColorType c = gif->SColorMap->Colors[image.RasterBits[k]];
            if (image.RasterBits[k] != control.TransparentColor)
                canvas.setPixel(area.Left + k % area.Width, area.Top + k / area.Width, qRgb(c.Red, c.Green, c.Blue));
        }
        out.frames.push_back(canvas);
    }
    DGifCloseFile(gif, &error);
    return out;
}

QByteArray encoded(const std::vector<QImage> &frames, int lastDelay)
{
    AnimatedGif gif;
    QString error;
    for (std::size_t k = 0; k < frames.size(); ++k)
        EXPECT_TRUE(gif.addFrame(frames[k], k + 1 < frames.size() ? 10 : lastDelay, error)) << error.toStdString();
    QByteArray bytes;
    EXPECT_TRUE(gif.encode(bytes, error)) << error.toStdString();
    return bytes;
}

} // namespace

TEST(AnimatedGif, KeepsTheWorldsColoursExactAndStoresOnlyWhatChanged)
{
    ensureApplication();
    const World world = World::example();
    Colony colony(world.size, world.ants);
    std::vector<QImage> frames;
    runExperiment(colony, world, 1, 5, 10, [&](const GenerationRow &row) {
        const QImage picture = renderWorldImage(worldPicture(colony, world, {world.home, {1, 4}, {2, 5}}));
        frames.push_back(animationFrame(picture, QStringLiteral("the example"),
                                        QStringLiteral("generation %1").arg(row.generation.generation)));
    });
    // The last frame again, then with two pixels of the pure red and grid
    // colours, rare among the thousand colours of edges and pictures.
    const QImage last = frames.back();
    frames.push_back(last);
    frames.push_back(last);
    frames.back().setPixel(1, 1, qRgb(255, 0, 0));
    frames.back().setPixel(2, 1, qRgb(68, 132, 206));
    const QByteArray bytes = encoded(frames, 200);
    EXPECT_LT(bytes.size(), 150 * 1000) << "about 70 kB with unchanged pixels transparent, 200 kB without";
    EXPECT_EQ(encoded(frames, 200), bytes) << "the same frames, the same bytes";

    const Decoded decoded = decode(bytes);
    EXPECT_TRUE(decoded.loopsForever);
    ASSERT_EQ(decoded.frames.size(), 12u);
    EXPECT_EQ(decoded.delays, (std::vector<int>{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 200}));
    EXPECT_EQ(decoded.areas[10], QRect(0, 0, 1, 1)) << "nothing changed";
    EXPECT_EQ(decoded.areas[11], QRect(1, 1, 2, 1));

    // The painter's colours come back exactly, the others (edges, pictures,
    // the caption's text) close.
    const std::vector<QRgb> own = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 187, 108), qRgb(255, 0, 0),
                                   qRgb(68, 132, 206)};
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const QImage input = frames[k].convertToFormat(QImage::Format_RGB32);
        int ownWrong = 0, far = 0;
        for (int y = 0; y < input.height(); ++y) {
            for (int x = 0; x < input.width(); ++x) {
                const QRgb a = input.pixel(x, y), b = decoded.frames[k].pixel(x, y);
                ownWrong += a != b && std::find(own.begin(), own.end(), a) != own.end() ? 1 : 0;
                far += std::abs(qGray(a) - qGray(b)) > 16 ? 1 : 0;
            }
        }
        EXPECT_EQ(ownWrong, 0) << "frame " << k;
        EXPECT_LT(far, 500) << "frame " << k;
    }
}

TEST(AnimatedGif, RefusesFramesItCannotShow)
{
    QImage frame(40, 30, QImage::Format_RGB32), wider(41, 30, QImage::Format_RGB32);
    frame.fill(Qt::white);
    wider.fill(Qt::green);
    AnimatedGif gif;
    QString error;
    QByteArray bytes;
    EXPECT_FALSE(gif.encode(bytes, error)) << "no frames";
    EXPECT_FALSE(gif.addFrame(QImage(), 10, error));
    EXPECT_TRUE(gif.addFrame(frame, 10, error));
    EXPECT_FALSE(gif.addFrame(wider, 10, error));
    EXPECT_TRUE(error.contains(QStringLiteral("41 x 30 pixels; the animation's frames are 40 x 30")))
        << error.toStdString();
    EXPECT_FALSE(gif.addFrame(frame, 65536, error)) << "a delay too long";
    ASSERT_TRUE(gif.encode(bytes, error));
    EXPECT_EQ(bytes, encoded({frame}, 10)) << "refused frames leave nothing behind";
    EXPECT_EQ(decode(bytes).frames.at(0), frame);
}

TEST(AnimatedGif, VormisRunAnimatesTheFirstRunOfTheFirstSetting)
{
    QTemporaryDir dir;
    const auto gifOf = [&](QStringList arguments, const QString &name) {
        const Ran ran = run(arguments << QStringLiteral("--gif") << dir.filePath(name));
        EXPECT_EQ(ran.status, 0) << ran.err.toStdString();
        return contents(dir.filePath(name));
    };
    const QStringList example = {"--example", "--seed", "3", "--generations", "25", "--gif-every", "10"};
    const QByteArray plain = gifOf(example, QStringLiteral("plain.gif"));
    const Decoded decoded = decode(plain);
    EXPECT_EQ(decoded.frames.size(), 3u) << "generations 10, 20 and the last, 25";
    EXPECT_TRUE(decoded.loopsForever);
    EXPECT_EQ(decoded.delays, (std::vector<int>{10, 10, 200}));
    EXPECT_EQ(decoded.frames.front().size(), QSize(610, 610 + kAnimationStripPixels));
    EXPECT_EQ(gifOf(example, QStringLiteral("again.gif")), plain) << "the same options and seed, the same bytes";
    EXPECT_EQ(gifOf(example + QStringList{"--rule", "vormis,as", "--repeat", "2"}, QStringLiteral("sweep.gif")), plain)
        << "a sweep shows its first run";

    for (const QStringList &bad : {QStringList{"--gif-every", "0", "--gif", "x.gif"},
                                   QStringList{"--gif", "no/such/folder/x.gif"}}) {
        const Ran ran = run(bad, dir.path());
        EXPECT_EQ(ran.status, 2);
        EXPECT_EQ(ran.err.count('\n'), 1) << ran.err.toStdString();
    }
    EXPECT_EQ(filesIn(dir.path()).size(), 3) << "bad input writes nothing";
}
