#include "animatedgif.h"

#include <QColor>
#include <QPainter>

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr int kLargestGifSide = 65535; // sizes and delays are 16-bit words
constexpr int kPaletteColours = 255;   // and one index left for transparency

// ---------------------------------------------------------------------------
// The palette.

QRgb overWhite(const QColor &colour)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::white);
    QPainter painter(&pixel);
    painter.fillRect(QRect(0, 0, 1, 1), colour);
    painter.end();
    return pixel.pixel(0, 0);
}

// The world painter's solid colours, and the pheromone squares' shades
// (alpha 0 to 200 of 255,168,68 over white) in steps of 8, blended by
// QPainter exactly as the painter blends them.  The greys serve text and the
// antialiased edges of black lines.
std::vector<QRgb> reservedColours()
{
    std::vector<QRgb> colours = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(68, 132, 206), qRgb(255, 0, 0)};
    for (int alpha = 200; alpha > 0; alpha -= 8)
        colours.push_back(overWhite(QColor(255, 168, 68, alpha)));
    for (int grey = 17; grey < 255; grey += 17)
        colours.push_back(qRgb(grey, grey, grey));
    return colours;
}

int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), b2 = qBlue(a) - qBlue(b);
    return 2 * r * r + 4 * g * g + 3 * b2 * b2; // the eye is keenest on green
}

struct Palette
{
    std::vector<QRgb> colours;                    // at most kPaletteColours
    std::unordered_map<QRgb, GifPixelType> index; // every colour of the frames
    int transparent() const { return static_cast<int>(colours.size()); }
};

Palette choosePalette(const std::unordered_map<QRgb, long long> &counts)
{
    // Most frequent first; equal counts by colour, so hash order never shows.
    std::vector<std::pair<QRgb, long long>> byFrequency(counts.begin(), counts.end());
    std::sort(byFrequency.begin(), byFrequency.end(), [](const auto &a, const auto &b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });

    Palette palette;
    const auto take = [&palette](QRgb colour) {
        if (palette.colours.size() < kPaletteColours && !palette.index.count(colour)) {
            palette.index[colour] = static_cast<GifPixelType>(palette.colours.size());
            palette.colours.push_back(colour);
        }
    };
    if (byFrequency.size() > kPaletteColours) {
        for (QRgb colour : reservedColours())
            take(colour);
    }
    for (const auto &entry : byFrequency)
        take(entry.first);

    for (const auto &entry : byFrequency) {
        if (palette.index.count(entry.first))
            continue;
        std::size_t nearest = 0;
        int nearestDistance = distance(entry.first, palette.colours[0]);
        for (std::size_t k = 1; k < palette.colours.size(); ++k) {
            const int d = distance(entry.first, palette.colours[k]);
            if (d < nearestDistance) {
                nearest = k;
                nearestDistance = d;
            }
        }
        palette.index[entry.first] = static_cast<GifPixelType>(nearest);
    }
    return palette;
}

void countColours(const QImage &image, std::unordered_map<QRgb, long long> &counts)
{
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            int run = 1; // one look-up per run of equal pixels
            while (x + run < image.width() && row[x + run] == row[x])
                ++run;
            counts[row[x]] += run;
            x += run;
        }
    }
}

// ---------------------------------------------------------------------------
// Frames as palette indices.

using Indices = std::vector<GifPixelType>;

Indices indexPixels(const QByteArray &compressedPixels, const Palette &palette)
{
    const QByteArray bytes = qUncompress(compressedPixels); // empty when out of memory
    const QRgb *pixels = reinterpret_cast<const QRgb *>(bytes.constData());
    Indices indices(static_cast<std::size_t>(bytes.size()) / sizeof(QRgb));
    QRgb last = 0;
    GifPixelType lastIndex = 0;
    for (std::size_t k = 0; k < indices.size(); ++k) {
        if (k == 0 || pixels[k] != last) {
            last = pixels[k];
            lastIndex = palette.index.at(last);
        }
        indices[k] = lastIndex;
    }
    return indices;
}

// The smallest rectangle holding every index that differs; empty when none.
QRect changedRect(const Indices &before, const Indices &after, int width, int height)
{
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const GifPixelType *a = before.data() + static_cast<std::size_t>(y) * width;
        const GifPixelType *b = after.data() + static_cast<std::size_t>(y) * width;
        if (std::memcmp(a, b, static_cast<std::size_t>(width)) == 0)
            continue;
        int first = 0, last = width - 1;
        while (a[first] == b[first])
            ++first;
        while (a[last] == b[last])
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The frame with the pixels the one before shows already made transparent:
// long runs of one index, which LZW packs tightly.
Indices onlyChanges(const Indices &before, const Indices &after, int transparent)
{
    Indices changes = after;
    for (std::size_t k = 0; k < changes.size(); ++k) {
        if (changes[k] == before[k])
            changes[k] = static_cast<GifPixelType>(transparent);
    }
    return changes;
}

// ---------------------------------------------------------------------------
// Writing with giflib.

int appendToByteArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

// One giflib encoder writing into a QByteArray; each step returns false once
// giflib has failed, and error() says where and why.
class GifWriter
{
public:
    explicit GifWriter(QByteArray &out)
    {
        int code = E_GIF_SUCCEEDED;
        m_gif = EGifOpen(&out, appendToByteArray, &code);
        if (!m_gif)
            fail("opening the encoder", code);
    }
    ~GifWriter()
    {
        if (m_gif)
            EGifCloseFile(m_gif, nullptr);
    }
    GifWriter(const GifWriter &) = delete;
    GifWriter &operator=(const GifWriter &) = delete;

    const QString &error() const { return m_error; }

    bool start(QSize size, const Palette &palette)
    {
        int entries = 2;
        while (entries < palette.transparent() + 1)
            entries *= 2;
        ColorMapObject *map = GifMakeMapObject(entries, nullptr);
        if (!map)
            return fail("making the palette", E_GIF_ERR_NOT_ENOUGH_MEM);
        for (std::size_t k = 0; k < palette.colours.size(); ++k) {
            const QRgb c = palette.colours[k];
            map->Colors[k] = GifColorType{static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                                          static_cast<GifByteType>(qBlue(c))};
        }
        EGifSetGifVersion(m_gif, true);
        const bool ok = check(EGifPutScreenDesc(m_gif, size.width(), size.height(), 8, 0, map), "the header");
        GifFreeMapObject(map);
        return ok && loopForever();
    }

    // giflib takes the rows as writable memory.
    bool putFrame(Indices &indices, int width, const QRect &area, int delay, int transparent)
    {
        GraphicsControlBlock control;
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime = delay;
        control.TransparentColor = transparent;
        GifByteType extension[4];
        const int length = static_cast<int>(EGifGCBToExtension(&control, extension));
        if (!check(EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, length, extension), "a frame's delay")
            || !check(EGifPutImageDesc(m_gif, area.x(), area.y(), area.width(), area.height(), false, nullptr),
                      "a frame's position"))
            return false;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            GifPixelType *row = indices.data() + static_cast<std::size_t>(y) * width + area.x();
            if (!check(EGifPutLine(m_gif, row, area.width()), "a frame's pixels"))
                return false;
        }
        return true;
    }

    bool finish()
    {
        int code = E_GIF_SUCCEEDED;
        const int result = EGifCloseFile(m_gif, &code);
        m_gif = nullptr;
        return result == GIF_OK || fail("finishing the file", code);
    }

private:
    // The NETSCAPE2.0 application extension: loop count 0, for ever.
    bool loopForever()
    {
        static const GifByteType loop[3] = {1, 0, 0};
        return check(EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE), "the loop")
            && check(EGifPutExtensionBlock(m_gif, 11, "NETSCAPE2.0"), "the loop")
            && check(EGifPutExtensionBlock(m_gif, 3, loop), "the loop")
            && check(EGifPutExtensionTrailer(m_gif), "the loop");
    }

    bool check(int result, const char *what) { return result != GIF_ERROR || fail(what, m_gif->Error); }

    bool fail(const char *what, int code)
    {
        const char *reason = GifErrorString(code);
        m_error = QStringLiteral("GIF encoding failed at %1: %2")
                      .arg(QLatin1String(what), reason ? QString::fromUtf8(reason) : QString::number(code));
        return false;
    }

    GifFileType *m_gif = nullptr;
    QString m_error;
};

} // namespace

// ---------------------------------------------------------------------------

bool AnimatedGif::addFrame(const QImage &frame, int delayCentiseconds, QString &error)
{
    const int number = frameCount() + 1;
    if (frame.isNull()) {
        error = QStringLiteral("frame %1 is empty").arg(number);
        return false;
    }
    if (frame.width() > kLargestGifSide || frame.height() > kLargestGifSide) {
        error = QStringLiteral("frame %1 is %2 x %3 pixels; a GIF is at most %4 pixels a side")
                    .arg(number).arg(frame.width()).arg(frame.height()).arg(kLargestGifSide);
        return false;
    }
    if (!m_frames.empty() && frame.size() != m_size) {
        error = QStringLiteral("frame %1 is %2 x %3 pixels; the animation's frames are %4 x %5")
                    .arg(number).arg(frame.width()).arg(frame.height()).arg(m_size.width()).arg(m_size.height());
        return false;
    }
    if (delayCentiseconds < 0 || delayCentiseconds > kLargestGifSide) {
        error = QStringLiteral("frame %1: a delay of %2 hundredths of a second is not 0 to %3")
                    .arg(number).arg(delayCentiseconds).arg(kLargestGifSide);
        return false;
    }

    QImage rgb(frame.size(), QImage::Format_RGB32);
    if (rgb.isNull()) {
        error = QStringLiteral("not enough memory for frame %1").arg(number);
        return false;
    }
    rgb.fill(Qt::white);
    QPainter painter(&rgb);
    painter.drawImage(0, 0, frame);
    painter.end();

    countColours(rgb, m_colourCounts);
    m_size = frame.size();
    const QByteArray pixels = QByteArray::fromRawData(reinterpret_cast<const char *>(rgb.constBits()),
                                                      static_cast<qsizetype>(rgb.sizeInBytes()));
    m_frames.push_back({qCompress(pixels, 1), delayCentiseconds});
    return true;
}

bool AnimatedGif::encode(QByteArray &bytes, QString &error) const
{
    if (m_frames.empty()) {
        error = QStringLiteral("an animation needs at least one frame");
        return false;
    }
    const Palette palette = choosePalette(m_colourCounts);
    const int width = m_size.width();
    QByteArray out;
    GifWriter writer(out);
    bool ok = writer.error().isEmpty() && writer.start(m_size, palette);

    Indices previous;
    for (std::size_t k = 0; ok && k < m_frames.size(); ++k) {
        Indices current = indexPixels(m_frames[k].compressedPixels, palette);
        if (current.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(m_size.height())) {
            error = QStringLiteral("not enough memory to encode frame %1").arg(k + 1);
            return false;
        }
        if (k == 0) {
            ok = writer.putFrame(current, width, QRect(QPoint(0, 0), m_size), m_frames[k].delay, NO_TRANSPARENT_COLOR);
        } else {
            // Only what changed; a frame like the last is one transparent pixel.
            QRect area = changedRect(previous, current, width, m_size.height());
            if (area.isEmpty())
                area = QRect(0, 0, 1, 1);
            Indices changes = onlyChanges(previous, current, palette.transparent());
            ok = writer.putFrame(changes, width, area, m_frames[k].delay, palette.transparent());
        }
        previous = std::move(current);
    }
    ok = ok && writer.finish();
    if (!ok) {
        error = writer.error();
        return false;
    }
    bytes = out;
    return true;
}
