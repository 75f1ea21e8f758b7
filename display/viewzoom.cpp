#include "viewzoom.h"

#include <QAction>
#include <QGraphicsView>

#include <algorithm>

namespace {

constexpr double kStep = 1.25;
constexpr double kSmallest = 0.25;
constexpr double kLargest = 8.0;
constexpr int kFitMargin = 2; // pixels left free round a fitted scene

} // namespace

ViewZoom::ViewZoom(QGraphicsView *view)
    : QObject(view), m_view(view)
{
    // Ctrl+= too: on most keyboards "+" needs Shift.
    addAction(tr("Zoom &In"), {QKeySequence(tr("Ctrl++")), QKeySequence(tr("Ctrl+="))}, &ViewZoom::zoomIn);
    addAction(tr("Zoom &Out"), {QKeySequence(tr("Ctrl+-"))}, &ViewZoom::zoomOut);
    addAction(tr("&Fit World to Window"), {QKeySequence(tr("Ctrl+0"))}, &ViewZoom::fitToWindow);
}

QAction *ViewZoom::addAction(const QString &text, const QList<QKeySequence> &keys, void (ViewZoom::*slot)())
{
    auto *action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, slot);
    m_actions.append(action);
    return action;
}

double ViewZoom::scale() const
{
    return m_view->transform().m11();
}

void ViewZoom::zoomIn()
{
    scaleTo(scale() * kStep);
}

void ViewZoom::zoomOut()
{
    scaleTo(scale() / kStep);
}

// The whole scene, margin and frame included, as large as the view shows
// it.  Worked out from the view's whole inside: the scroll bars of a larger
// zoom take room now but go once the scene fits.
void ViewZoom::fitToWindow()
{
    const QRectF scene = m_view->sceneRect();
    const QRect room = m_view->contentsRect().adjusted(kFitMargin, kFitMargin, -kFitMargin, -kFitMargin);
    scaleTo(std::min(room.width() / scene.width(), room.height() / scene.height()));
    m_view->centerOn(scene.center());
}

void ViewZoom::scaleTo(double scale)
{
    const double bounded = std::clamp(scale, kSmallest, kLargest);
    m_view->setTransform(QTransform::fromScale(bounded, bounded));
}
