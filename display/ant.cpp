#include "ant.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace {

// The disc under the picture: its radius follows the extent (a quarter of the
// cell) but never hides the cell or shrinks out of sight.
qreal discRadius(int extent)
{
    return std::clamp<qreal>(extent, 8.0, 20.0);
}

// The lightness a pixel of the picture takes in the ant's colour: the dark
// outline and legs (grey about 20) a dark shade, the body (about 55) the
// colour itself, the brightest highlights (about 140) a paler shade.
qreal tintLightness(int gray)
{
    const qreal lightness = gray < 55 ? 0.15 + (gray - 20) / 35.0 * 0.35 : 0.5 + (gray - 55) / 85.0 * 0.25;
    return std::clamp<qreal>(lightness, 0.1, 0.8);
}

// The picture in the ant's colour, with its own shading and transparency, so
// that the colour shows even where the picture covers the whole cell.
QImage tinted(const QImage &picture, const QColor &colour)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            image.setPixelColor(x, y, QColor::fromHslF(colour.hslHueF(), colour.hslSaturationF(),
                                                       tintLightness(qGray(pixel.rgb())), pixel.alphaF()));
        }
    }
    return image;
}

} // namespace

Ant::Ant(const QColor &color, const int &extent)
    : m_color(color), m_extent(extent), m_image(tinted(QImage(QStringLiteral(":/images/furnica.png")), color))
{
}

Ant::Ant()
    : m_color(Qt::blue), m_extent(15)
{
}

// Encloses the disc and the picture, which reaches 13 to 14 pixels left and
// right and 20 up and down of the origin, with a pixel to spare for
// antialiasing.
QRectF Ant::boundingRect() const
{
    const qreal halfWidth = std::max<qreal>(discRadius(m_extent), m_image.width() - m_image.width() / 2) + 1;
    const qreal halfHeight = std::max<qreal>(discRadius(m_extent), m_image.height() - m_image.height() / 2) + 1;
    return QRectF(-halfWidth, -halfHeight, 2 * halfWidth, 2 * halfHeight);
}

QPainterPath Ant::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}

void Ant::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const qreal radius = discRadius(m_extent);
    // A pale shade, so that the ant in its full colour stands out on it.
    const QColor edge = QColor::fromHslF(m_color.hslHueF(), m_color.hslSaturationF(), 0.8, 0.85);
    QRadialGradient gradient(-8, -8, 20);
    gradient.setColorAt(0.0, Qt::white);
    gradient.setColorAt(1.0, edge);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawEllipse(QPointF(0, 0), radius, radius);
    painter->drawImage(QPointF(-(m_image.width() / 2), -(m_image.height() / 2)), m_image);
}
