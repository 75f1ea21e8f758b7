#include "worldeditor.h"

#include "antworld.h"
#include "colony.h"
#include "worldcommands.h"

#include <QMouseEvent>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <cstdlib>

WorldEditor::WorldEditor(AntWorld *view, Colony &colony, QObject *parent)
    : QObject(parent), m_view(view), m_colony(colony), m_undoStack(new QUndoStack(this))
{
    view->viewport()->installEventFilter(this);
}

// The left button edits; with Ctrl held it goes to the view, which drags a
// zoomed world about.  A press off the world is the view's too.
bool WorldEditor::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    const std::optional<Cell> cell = m_view->cellAt(mouse->position().toPoint());
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton && m_gesture != Gesture::None) {
        release();
        return true;
    }
    if (type == QEvent::MouseMove && m_gesture != Gesture::None) {
        if (!(mouse->buttons() & Qt::LeftButton))
            release(); // the release went elsewhere: a dialog took the mouse
        else if (cell)
            drag(*cell);
        return true;
    }
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (press && cell && mouse->button() == Qt::LeftButton && !(mouse->modifiers() & Qt::ControlModifier)) {
        this->press(*cell);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void WorldEditor::forgetEdits()
{
    m_gesture = Gesture::None;
    m_stroke.clear();
    m_undoStack->clear();
}

void WorldEditor::press(Cell cell)
{
    m_last = cell;
    if (cell == cellOf(Piece::Home) || cell == cellOf(Piece::Food)) {
        m_gesture = Gesture::Move;
        m_piece = cell == cellOf(Piece::Home) ? Piece::Home : Piece::Food;
        m_target = cell;
        return;
    }
    m_gesture = Gesture::Stroke;
    m_paintWalls = !m_colony.isObstacle(cell.x, cell.y);
    m_stroke.clear();
    if (paintCell(cell))
        emit worldEdited();
}

void WorldEditor::drag(Cell cell)
{
    if (cell == m_last)
        return;
    if (m_gesture == Gesture::Stroke) {
        strokeTowards(cell);
    } else if (isFreeFor(m_piece, cell)) {
        m_target = cell;
        showPieceAt(cell);
    }
    m_last = cell;
}

// A quick mouse skips cells: the stroke fills in those on the straight line
// from the last one, so that a wall drawn in one sweep has no gaps.
void WorldEditor::strokeTowards(Cell cell)
{
    const int dx = cell.x - m_last.x;
    const int dy = cell.y - m_last.y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    bool changed = false;
    for (int k = 1; k <= steps; ++k) {
        const auto along = [k, steps](int d) { return static_cast<int>(std::lround(double(d) * k / steps)); };
        changed = paintCell({m_last.x + along(dx), m_last.y + along(dy)}) || changed;
    }
    if (changed)
        emit worldEdited();
}

void WorldEditor::release()
{
    if (m_gesture == Gesture::Stroke && !m_stroke.empty()) {
        const QString text = m_paintWalls ? tr("Draw Walls") : tr("Erase Walls");
        m_undoStack->push(new WallStroke(this, m_stroke, m_paintWalls, text));
    } else if (m_gesture == Gesture::Move) {
        const Cell from = cellOf(m_piece);
        if (m_target != from) {
            const QString text = m_piece == Piece::Home ? tr("Move Home") : tr("Move Food");
            m_undoStack->push(new PieceMove(this, m_piece, from, m_target, text));
        }
        showPieceAt(cellOf(m_piece));
    }
    m_gesture = Gesture::None;
    m_stroke.clear();
}

// Walls a free cell or frees a wall, as the stroke does; home and food are
// left alone.  True when the cell changed.
bool WorldEditor::paintCell(Cell cell)
{
    if (cell == cellOf(Piece::Home) || cell == cellOf(Piece::Food) ||
        m_colony.isObstacle(cell.x, cell.y) == m_paintWalls)
        return false;
    if (m_paintWalls)
        m_colony.addObstacle(cell.x, cell.y);
    else
        m_colony.removeObstacle(cell.x, cell.y);
    m_stroke.push_back(cell);
    return true;
}

void WorldEditor::setWalls(const std::vector<Cell> &cells, bool walls)
{
    for (const Cell &cell : cells) {
        if (cell == cellOf(Piece::Home) || cell == cellOf(Piece::Food))
            continue;
        if (walls && !m_colony.isObstacle(cell.x, cell.y))
            m_colony.addObstacle(cell.x, cell.y);
        else if (!walls)
            m_colony.removeObstacle(cell.x, cell.y);
    }
    emit worldEdited();
}

void WorldEditor::place(Piece piece, Cell cell)
{
    const bool moved = piece == Piece::Home ? m_colony.moveHome(cell.x, cell.y) : m_colony.moveFood(cell.x, cell.y);
    if (moved)
        emit worldEdited();
}

// While a picture is carried, only the view shows it at the new cell.
void WorldEditor::showPieceAt(Cell cell)
{
    if (m_piece == Piece::Home)
        m_view->setHomeCell(cell.x, cell.y);
    else
        m_view->setFoodCell(cell.x, cell.y);
    m_view->viewport()->update();
}

bool WorldEditor::isFreeFor(Piece piece, Cell cell) const
{
    const Piece other = piece == Piece::Home ? Piece::Food : Piece::Home;
    return !m_colony.isObstacle(cell.x, cell.y) && cell != cellOf(other);
}

Cell WorldEditor::cellOf(Piece piece) const
{
    return piece == Piece::Home ? Cell{m_colony.homeX(), m_colony.homeY()} : Cell{m_colony.foodX(), m_colony.foodY()};
}
