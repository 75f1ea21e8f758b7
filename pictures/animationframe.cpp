#include "animationframe.h"

#include "chartparts.h"
#include "worldpainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

using chart::font;
using chart::kInk;

constexpr int kLegendRow = 24;
constexpr int kTextRow = 26;
constexpr int kMarkWidth = 24;
constexpr int kMarkGap = 6;
constexpr int kEntryGap = 22;

struct Entry
{
    enum Mark { Path, Square } mark;
    QColor colour;
    double width; // of a path's line
    QString text;
};

void drawMark(QPainter &painter, const Entry &entry, double x, double y)
{
    if (entry.mark == Entry::Square) {
        QColor colour = entry.colour;
        colour.setAlpha(kStrongestPheromone);
        painter.fillRect(QRectF(x + kMarkWidth / 2.0 - 7, y - 7, 14, 14), colour);
        return;
    }
    painter.setPen(QPen(entry.colour, entry.width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, y), QPointF(x + kMarkWidth, y));
}

// The marks and their words in one centred row.
void drawLegend(QPainter &painter, const QRect &row)
{
    const std::vector<Entry> entries = {
        {Entry::Path, kBestPathColour, 2, QStringLiteral("best path so far")},
        {Entry::Path, kGenerationPathColour, 4, QStringLiteral("this generation's shortest")},
        {Entry::Square, kPheromoneColour, 0, QStringLiteral("pheromone")}};
    painter.setFont(font(13));
    const QFontMetrics metrics(painter.font());
    int total = -kEntryGap;
    for (const Entry &entry : entries)
        total += kMarkWidth + kMarkGap + metrics.horizontalAdvance(entry.text) + kEntryGap;
    double x = row.center().x() - total / 2.0;
    const double y = row.center().y() + 0.5;
    for (const Entry &entry : entries) {
        drawMark(painter, entry, x, y);
        x += kMarkWidth + kMarkGap;
        const int width = metrics.horizontalAdvance(entry.text);
        painter.setPen(kInk);
        painter.drawText(QRectF(x, row.top(), width + 2, row.height()), Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        x += width + kEntryGap;
    }
}

void drawLine(QPainter &painter, const QRect &row, const QString &text, int pixels)
{
    painter.setFont(font(pixels));
    painter.setPen(kInk);
    painter.drawText(row, Qt::AlignCenter, QFontMetrics(painter.font()).elidedText(text, Qt::ElideRight, row.width()));
}

} // namespace

QImage animationFrame(const QImage &world, const QString &setting, const QString &progress)
{
    QImage frame(world.width(), world.height() + kAnimationStripPixels, QImage::Format_RGB32);
    frame.fill(Qt::white);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawImage(0, 0, world);
    const int width = std::max(0, world.width() - 16);
    const int top = world.height();
    drawLegend(painter, QRect(8, top, width, kLegendRow));
    drawLine(painter, QRect(8, top + kLegendRow, width, kTextRow), setting, 14);
    drawLine(painter, QRect(8, top + kLegendRow + kTextRow, width, kTextRow), progress, 15);
    return frame;
}
