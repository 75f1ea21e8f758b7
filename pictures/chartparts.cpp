#include "chartparts.h"

#include <QFontMetrics>
#include <QPainterPath>

#include <algorithm>

namespace chart {

namespace {

constexpr int kLegendMarkWidth = 26;
constexpr int kLegendGap = 8;
constexpr int kLegendSpacing = 26;
constexpr double kLegendTop = 74;

void drawLegendMark(QPainter &painter, const LegendEntry &entry, double x, double y, double width)
{
    switch (entry.mark) {
    case LegendEntry::Dots:
        painter.setPen(Qt::NoPen);
        painter.setBrush(entry.colour);
        for (int i = 0; i < 3; ++i)
            painter.drawEllipse(QPointF(x + 4 + i * 9, y), 3, 3);
        painter.setBrush(Qt::NoBrush);
        break;
    case LegendEntry::Line:
    case LegendEntry::Dashed:
        painter.setPen(QPen(entry.colour, 2, entry.mark == LegendEntry::Line ? Qt::SolidLine : Qt::DashLine,
                            Qt::FlatCap));
        painter.drawLine(QPointF(x, y), QPointF(x + width, y));
        break;
    case LegendEntry::Interval:
        painter.setPen(QPen(entry.colour, 1.5));
        painter.drawLine(QPointF(x + width / 2, y - 7), QPointF(x + width / 2, y + 7));
        painter.drawLine(QPointF(x + width / 2 - 4, y - 7), QPointF(x + width / 2 + 4, y - 7));
        painter.drawLine(QPointF(x + width / 2 - 4, y + 7), QPointF(x + width / 2 + 4, y + 7));
        painter.setBrush(entry.colour);
        painter.drawEllipse(QPointF(x + width / 2, y), 3.5, 3.5);
        painter.setBrush(Qt::NoBrush);
        break;
    case LegendEntry::None:
        break;
    }
}

int legendWidth(const QFontMetrics &metrics, const LegendEntry &entry)
{
    const int mark = entry.mark == LegendEntry::None ? 0 : kLegendMarkWidth + kLegendGap;
    return mark + metrics.horizontalAdvance(entry.text);
}

// The painter's font at the largest size from 13 down to 10 pixels at which
// the text is at most length long; false, at 10 pixels, when none is.
bool fitFont(QPainter &painter, const QString &text, double length)
{
    for (int pixels = 13; pixels >= 10; --pixels) {
        painter.setFont(font(pixels));
        if (QFontMetrics(painter.font()).horizontalAdvance(text) <= length)
            return true;
    }
    return false;
}

} // namespace

double niceStep(double span, int target)
{
    const double raw = span / std::max(target, 1);
    if (!(raw > 0.0))
        return 1.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    const double nice = fraction <= 1.0 ? 1.0 : fraction <= 2.0 ? 2.0 : fraction <= 5.0 ? 5.0 : 10.0;
    return nice * magnitude;
}

ValueRange paddedRange(double low, double high, double plotHeight, double minimumSpan, double minimumStep)
{
    if (high - low < minimumSpan) {
        const double middle = (low + high) / 2;
        low = middle - minimumSpan / 2;
        high = middle + minimumSpan / 2;
    }
    const double room = (high - low) * kValueMargin / std::max(plotHeight - 2 * kValueMargin, 1.0);
    ValueRange range;
    range.low = low - room;
    range.high = high + room;
    range.step = std::max(minimumStep, niceStep(range.high - range.low, 6));
    return range;
}

QString tickText(double value)
{
    return QString::number(static_cast<long long>(std::llround(value)));
}

QFont font(int pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawTitles(QPainter &painter, const QString &title, const QString &subtitle, QSize size)
{
    painter.setPen(kInk);
    painter.setFont(font(18, true));
    painter.drawText(QRectF(0, 10, size.width(), 26), Qt::AlignHCenter | Qt::AlignVCenter, title);
    painter.setFont(font(13));
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(QRectF(0, 36, size.width(), 20), Qt::AlignHCenter | Qt::AlignVCenter, subtitle);
}

void drawAxisTitles(QPainter &painter, const QRectF &plot, QSize size, const QString &x, const QString &y,
                    const QString &yShort)
{
    painter.setPen(kInk);
    painter.setFont(font(13));
    painter.drawText(QRectF(plot.left(), size.height() - 30, plot.width(), 22), Qt::AlignHCenter | Qt::AlignVCenter,
                     x);
    painter.save();
    painter.translate(18, plot.center().y());
    painter.rotate(-90);
    // Along a short plot in smaller letters, then in its short form, and cut
    // short only if even that does not fit.
    QString title = y;
    if (!fitFont(painter, y, plot.height()) && !yShort.isEmpty()) {
        title = yShort;
        fitFont(painter, yShort, plot.height());
    }
    const QString text = QFontMetrics(painter.font()).elidedText(title, Qt::ElideRight, static_cast<int>(plot.height()));
    painter.drawText(QRectF(-plot.height() / 2, -11, plot.height(), 22), Qt::AlignHCenter | Qt::AlignVCenter, text);
    painter.restore();
}

void drawPlotFrame(QPainter &painter, const QRectF &plot)
{
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(std::round(plot.left()) + 0.5, std::round(plot.top()) + 0.5, std::round(plot.width()),
                            std::round(plot.height())));
}

void drawOptimumLine(QPainter &painter, const QRectF &plot, double y)
{
    // Width 2 on a whole pixel boundary: two crisp rows.
    painter.setPen(QPen(kOptimum, 2, Qt::DashLine, Qt::FlatCap));
    painter.drawLine(QPointF(plot.left(), std::round(y)), QPointF(plot.right(), std::round(y)));
}

std::vector<std::vector<LegendEntry>> legendRows(const std::vector<LegendEntry> &legend, double width)
{
    const QFontMetrics metrics(font(12));
    std::vector<std::vector<LegendEntry>> rows(1);
    int used = 0;
    for (const LegendEntry &entry : legend) {
        const int needed = legendWidth(metrics, entry) + (rows.back().empty() ? 0 : kLegendSpacing);
        if (!rows.back().empty() && used + needed > width) {
            rows.emplace_back();
            used = 0;
        }
        used += legendWidth(metrics, entry) + (rows.back().empty() ? 0 : kLegendSpacing);
        rows.back().push_back(entry);
    }
    return rows;
}

double plotTop(const std::vector<LegendEntry> &legend, QSize size, double right)
{
    constexpr double kLeastPlotHeight = 40;
    const double rows = static_cast<double>(legendRows(legend, size.width() - kPlotLeft - right).size());
    const double wanted = kPlotTop + kLegendRowHeight * (rows - 1);
    return std::max(0.0, std::min(wanted, size.height() - kPlotBottom - kLeastPlotHeight));
}

void drawLegend(QPainter &painter, const QRectF &plot, const std::vector<LegendEntry> &legend)
{
    painter.setFont(font(12));
    const QFontMetrics metrics(painter.font());
    double y = kLegendTop;
    for (const std::vector<LegendEntry> &row : legendRows(legend, plot.width())) {
        int total = 0;
        for (const LegendEntry &entry : row)
            total += legendWidth(metrics, entry);
        total += kLegendSpacing * static_cast<int>(row.size() - 1);
        double x = plot.center().x() - total / 2.0;
        for (const LegendEntry &entry : row) {
            drawLegendMark(painter, entry, x, y, kLegendMarkWidth);
            if (entry.mark != LegendEntry::None)
                x += kLegendMarkWidth + kLegendGap;
            painter.setPen(kInk);
            const int width = metrics.horizontalAdvance(entry.text);
            painter.drawText(QRectF(x, y - 10, width + 2, 20), Qt::AlignLeft | Qt::AlignVCenter, entry.text);
            x += width + kLegendSpacing;
        }
        y += kLegendRowHeight;
    }
}

Canvas::Canvas(QSize size) : image(size, QImage::Format_ARGB32_Premultiplied)
{
    image.fill(Qt::white);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

QImage Canvas::finish()
{
    painter.end();
    return image;
}

ChartArea::ChartArea(QPainter &painter, const QRect &area) : m_painter(painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, Qt::white);
    painter.translate(area.topLeft());
}

ChartArea::~ChartArea()
{
    m_painter.restore();
}

} // namespace chart
