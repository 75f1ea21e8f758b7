#ifndef VORMIS_WORLDCOMMANDS_H
#define VORMIS_WORLDCOMMANDS_H

#include "worldeditor.h"

#include <QUndoCommand>

#include <vector>

// One stroke of the mouse over the world: the walls it drew or erased.  The
// stroke was applied while the mouse moved, so the first redo, the push
// onto the stack, has nothing left to do.
class WallStroke : public QUndoCommand
{
public:
    WallStroke(WorldEditor *editor, std::vector<Cell> cells, bool walls, const QString &text);
    void undo() override;
    void redo() override;

private:
    WorldEditor *m_editor;
    std::vector<Cell> m_cells;
    bool m_walls;
    bool m_applied = true;
};

// Home or food carried from one cell to another; applied when pushed.
class PieceMove : public QUndoCommand
{
public:
    PieceMove(WorldEditor *editor, WorldEditor::Piece piece, Cell from, Cell to, const QString &text);
    void undo() override;
    void redo() override;

private:
    WorldEditor *m_editor;
    WorldEditor::Piece m_piece;
    Cell m_from;
    Cell m_to;
};

#endif
