#ifndef VORMIS_WORLDEDITOR_H
#define VORMIS_WORLDEDITOR_H

#include "world.h"

#include <QObject>

#include <vector>

class AntWorld;
class Colony;
class QMouseEvent;
class QUndoStack;

// Edits the running colony's world with the mouse on the view: a click on a
// free cell toggles a wall, a drag paints walls (or erases them, when it
// starts on a wall), and a drag of the home or food picture moves it.  Home
// and food are never walled, and neither is dropped on a wall or on the
// other.  The colony keeps its generations and pheromone; each stroke and
// each move is one step on the undo stack.
class WorldEditor : public QObject
{
    Q_OBJECT

public:
    enum class Piece { Home, Food };

    WorldEditor(AntWorld *view, Colony &colony, QObject *parent = nullptr);

    QUndoStack *undoStack() const { return m_undoStack; }
    // Another world: a stroke or move under way ends without a trace, and
    // the edits of the world before go.
    void forgetEdits();

    // The changes the undo commands replay; each tells the window.
    void setWalls(const std::vector<Cell> &cells, bool walls);
    void place(Piece piece, Cell cell);

signals:
    // The colony's walls, home or food changed.
    void worldEdited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void press(Cell cell);
    void drag(Cell cell);
    void release();
    bool paintCell(Cell cell);
    void strokeTowards(Cell cell);
    void showPieceAt(Cell cell);
    bool isFreeFor(Piece piece, Cell cell) const;
    Cell cellOf(Piece piece) const;

    AntWorld *m_view;
    Colony &m_colony;
    QUndoStack *m_undoStack;

    // The gesture under way, from press to release.
    enum class Gesture { None, Stroke, Move };
    Gesture m_gesture = Gesture::None;
    bool m_paintWalls = true;      // a stroke's walls come, or go
    std::vector<Cell> m_stroke;    // the cells the stroke changed
    Cell m_last;                   // the cell the mouse was last over
    Piece m_piece = Piece::Home;   // what a move carries
    Cell m_target;                 // where it would land now
};

#endif
