#include "worldcommands.h"

#include <utility>

WallStroke::WallStroke(WorldEditor *editor, std::vector<Cell> cells, bool walls, const QString &text)
    : QUndoCommand(text), m_editor(editor), m_cells(std::move(cells)), m_walls(walls)
{
}

void WallStroke::undo()
{
    m_editor->setWalls(m_cells, !m_walls);
}

void WallStroke::redo()
{
    if (m_applied) {
        m_applied = false;
        return;
    }
    m_editor->setWalls(m_cells, m_walls);
}

PieceMove::PieceMove(WorldEditor *editor, WorldEditor::Piece piece, Cell from, Cell to, const QString &text)
    : QUndoCommand(text), m_editor(editor), m_piece(piece), m_from(from), m_to(to)
{
}

void PieceMove::undo()
{
    m_editor->place(m_piece, m_from);
}

void PieceMove::redo()
{
    m_editor->place(m_piece, m_to);
}
