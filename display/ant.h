#ifndef VORMIS_ANT_H
#define VORMIS_ANT_H

#include <QColor>
#include <QGraphicsItem>
#include <QImage>

// One ant on the scene: its picture, tinted in its colour (green for an ant
// that reached the food, blue for the others), centred on the item's origin
// over a soft, paler disc of that colour.  It moves only when an animation
// moves it.
class Ant : public QGraphicsItem
{
public:
    Ant(const QColor &color, const int &extent);
    Ant();

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    QColor color() const { return m_color; }

private:
    QColor m_color;
    int m_extent;
    QImage m_image;
};

#endif
