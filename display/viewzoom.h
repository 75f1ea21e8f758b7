#ifndef VORMIS_VIEWZOOM_H
#define VORMIS_VIEWZOOM_H

#include <QList>
#include <QObject>

class QAction;
class QGraphicsView;

// Zooms a view in and out, or fits its whole scene into it, for a projector:
// the background the view paints and the items on its scene scale alike.
// Its actions, "Zoom In", "Zoom Out" and "Fit World to Window", go into a
// menu of the window's.
class ViewZoom : public QObject
{
    Q_OBJECT

public:
    explicit ViewZoom(QGraphicsView *view);

    QList<QAction *> actions() const { return m_actions; }
    double scale() const;

public slots:
    void zoomIn();
    void zoomOut();
    void fitToWindow();

private:
    QAction *addAction(const QString &text, const QList<QKeySequence> &keys, void (ViewZoom::*slot)());
    void scaleTo(double scale);

    QGraphicsView *m_view;
    QList<QAction *> m_actions;
};

#endif
