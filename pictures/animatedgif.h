#ifndef VORMIS_PICTURES_ANIMATEDGIF_H
#define VORMIS_PICTURES_ANIMATEDGIF_H

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <unordered_map>
#include <vector>

// An animated GIF that loops forever, built from frames of one size.
//
// All frames share one palette.  When they hold 255 colours or fewer, every
// colour is kept exactly.  Otherwise the world painter's own colours (white,
// black, the grid's blue, red and the strongest pheromone shade), two ramps
// (pheromone shades over white, greys) and then the most frequent colours
// make up the palette, and any other colour takes its nearest entry.  Each
// frame after the first holds only the rectangle that changed, with the
// unchanged pixels in it transparent.  The same frames always give the same
// bytes.
//
// Frames are kept zlib-compressed until encode(): a 610 x 646 picture of the
// world takes about 50 kB instead of 1.5 MB.
class AnimatedGif
{
public:
    // Adds a frame shown for delay hundredths of a second (0 to 65535).
    // Transparent parts of the image show white.  Refuses, with a message
    // in error, an empty frame, a frame of another size than the first, a
    // frame wider or taller than a GIF can be, or a delay out of range.
    bool addFrame(const QImage &frame, int delayCentiseconds, QString &error);

    int frameCount() const { return static_cast<int>(m_frames.size()); }
    QSize frameSize() const { return m_size; }

    // The whole animation as the bytes of a GIF file.  False, with a message
    // in error, when there are no frames or giflib fails.
    bool encode(QByteArray &bytes, QString &error) const;

private:
    struct Frame
    {
        QByteArray compressedPixels; // the Format_RGB32 rows, qCompress'ed
        int delay = 0;
    };

    std::vector<Frame> m_frames;
    QSize m_size;
    std::unordered_map<QRgb, long long> m_colourCounts; // pixels, over all frames
};

#endif
