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

} // namespace

Ant::Ant(const QColor &color, const int &extent)
    : m_color(color), m_extent(extent), m_image(QStringLiteral(":/images/furnica.png"))
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
    QColor edge = m_color;
    edge.setAlpha(230);
    QRadialGradient gradient(-8, -8, 20);
    gradient.setColorAt(0.0, Qt::white);
    gradient.setColorAt(1.0, edge);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawEllipse(QPointF(0, 0), radius, radius);
    painter->drawImage(QPointF(-(m_image.width() / 2), -(m_image.height() / 2)), m_image);
}
