#include "sheet/SheetLayout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace Sheet {

namespace {

const QColor Ink(Qt::black);
const QColor Faint(150, 150, 150);
const QColor Grid(215, 215, 215);
const QColor Lamp(200, 30, 30);
const QColor Marked(190, 0, 0);

constexpr double MarginMm = 15.0;

// Writes the content from the top of a page down, and starts a new page when
// the next piece does not fit.
class Pages {
public:
    Pages(QPainter &painter, QPagedPaintDevice &device, const QString &footer)
        : painter_(painter), device_(device), footer_(footer), dotsPerMm_(device.logicalDpiY() / 25.4)
    {
        startPage();
    }

    double mm(double millimetres) const { return millimetres * dotsPerMm_; }
    double width() const { return device_.width(); }
    double y() const { return y_; }
    void down(double by) { y_ += by; }
    QPainter &painter() { return painter_; }

    // Room for a piece of the given height, on a new page if need be.
    void reserve(double height)
    {
        if (y_ + height <= bottom() || y_ <= 0.0)
            return;
        finishPage();
        device_.newPage();
        startPage();
    }

    void finishPage()
    {
        painter_.save();
        painter_.setFont(font(7));
        painter_.setPen(Faint);
        const QRectF line(0, bottom() + mm(3), width(), mm(5));
        painter_.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, footer_);
        painter_.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::number(page_));
        painter_.restore();
    }

    static QFont font(double points, bool bold = false)
    {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }

    // A text over the whole width, wrapped; the cursor goes below it.
    void paragraph(const QString &text, const QFont &f, const QColor &colour = Ink)
    {
        painter_.setFont(f);
        const QRectF room(0, 0, width(), 1e9);
        const double height = painter_.boundingRect(room, Qt::TextWordWrap, text).height();
        reserve(height);
        painter_.setPen(colour);
        painter_.drawText(QRectF(0, y_, width(), height), Qt::TextWordWrap, text);
        y_ += height;
    }

    void heading(const QString &text)
    {
        down(mm(4));
        reserve(mm(14));
        paragraph(text, font(12, true));
        painter_.setPen(QPen(Faint, mm(0.2)));
        painter_.drawLine(QPointF(0, y_ + mm(0.8)), QPointF(width(), y_ + mm(0.8)));
        down(mm(2));
    }

    // Cells side by side from the given left edges, each wrapped in its width.
    void cells(const QStringList &texts, const std::vector<double> &lefts, const QFont &f)
    {
        painter_.setFont(f);
        double height = 0;
        for (qsizetype k = 0; k < texts.size(); ++k)
            height = std::max(height, painter_.boundingRect(cellRect(lefts, k, 0, 1e9), Qt::TextWordWrap, texts[k]).height());
        reserve(height);
        painter_.setPen(Ink);
        for (qsizetype k = 0; k < texts.size(); ++k)
            painter_.drawText(cellRect(lefts, k, y_, height), Qt::TextWordWrap, texts[k]);
        y_ += height + mm(0.6);
    }

private:
    QRectF cellRect(const std::vector<double> &lefts, qsizetype k, double top, double height) const
    {
        const double left = lefts[static_cast<std::size_t>(k)];
        const double right = static_cast<std::size_t>(k) + 1 < lefts.size() ? lefts[static_cast<std::size_t>(k) + 1] - mm(2) : width();
        return QRectF(left, top, right - left, height);
    }

    double bottom() const { return device_.height() - mm(8); }

    void startPage()
    {
        ++page_;
        y_ = 0;
    }

    QPainter &painter_;
    QPagedPaintDevice &device_;
    QString footer_;
    double dotsPerMm_;
    double y_ = 0;
    int page_ = 0;
};

void rows(Pages &pages, const std::vector<Row> &list, double points = 9)
{
    const std::vector<double> lefts{0, pages.width() * 0.38};
    for (const Row &row : list)
        pages.cells({row.name, row.value}, lefts, Pages::font(points));
}

void slotTable(Pages &pages, const Table &table)
{
    const std::vector<double> lefts{0, pages.width() * 0.38, pages.width() * 0.58};
    pages.cells(table.columns, lefts, Pages::font(9, true));
    for (const QStringList &row : table.rows)
        pages.cells(row, lefts, Pages::font(9));
}

// A time scale under a diagram from x0 to x0 + width: ticks at steps that
// leave room for their labels, the end of the last step always labelled.
void timeScale(Pages &pages, double x0, double width, int steps, int stepMs, const QString &unit, double top)
{
    QPainter &p = pages.painter();
    p.setFont(Pages::font(7));
    p.setPen(QPen(Faint, pages.mm(0.15)));
    const QFontMetricsF metrics(p.font(), p.device());
    const double stepWidth = steps > 0 ? width / steps : width;
    const auto labelOf = [&](int step) {
        return QString::number(static_cast<qint64>(step) * stepMs) + (step == steps ? QStringLiteral(" ") + unit : QString());
    };
    const auto tick = [&](int step, double left, const QString &label) {
        const double x = x0 + step * stepWidth;
        p.drawLine(QPointF(x, top), QPointF(x, top + pages.mm(1)));
        p.drawText(QPointF(left, top + pages.mm(1) + metrics.ascent()), label);
    };
    const QString endLabel = labelOf(steps);
    const double endLeft = x0 + width - metrics.horizontalAdvance(endLabel);
    const double gap = pages.mm(2);
    const int every = std::max(1, static_cast<int>(std::ceil((metrics.horizontalAdvance(endLabel) + gap) / stepWidth)));
    double lastRight = -1e9;
    for (int step = 0; step < steps; step += every) {
        const QString label = labelOf(step);
        const double w = metrics.horizontalAdvance(label);
        const double left = std::max(x0, x0 + step * stepWidth - w / 2);
        if (left < lastRight + gap || left + w > endLeft - gap)
            continue;
        tick(step, left, label);
        lastRight = left + w;
    }
    tick(steps, endLeft, endLabel);
}

void patternDiagram(Pages &pages, const PatternDiagram &d, const Content &content)
{
    const double strip = pages.mm(5);
    const double nameWidth = pages.mm(28);
    const double height = pages.mm(14) + strip * static_cast<double>(d.outputNames.size()) + pages.mm(7);
    pages.reserve(height);
    pages.paragraph(d.title, Pages::font(10, true));
    pages.paragraph(d.settings + QStringLiteral(";  ") + d.stepTime + QStringLiteral(";  ") + d.totalTime, Pages::font(8));
    pages.down(pages.mm(1.5));
    QPainter &p = pages.painter();
    const double x0 = nameWidth;
    const double width = pages.width() - nameWidth;
    const double stepWidth = d.steps > 0 ? width / d.steps : width;
    for (std::size_t output = 0; output < d.outputNames.size(); ++output) {
        const double top = pages.y();
        p.setFont(Pages::font(8));
        p.setPen(Ink);
        p.drawText(QRectF(0, top, nameWidth, strip), Qt::AlignVCenter, d.outputNames[output]);
        p.setPen(QPen(Grid, pages.mm(0.1)));
        p.drawRect(QRectF(x0, top, width, strip));
        if (!d.outputUsed[output]) {
            p.setPen(Faint);
            p.drawText(QRectF(x0 + pages.mm(2), top, width, strip), Qt::AlignVCenter, content.unusedOutput);
        } else {
            // The level of the output over time: high while on, low while off.
            QPainterPath level;
            const double high = top + strip * 0.15;
            const double low = top + strip * 0.85;
            level.moveTo(x0, d.steps > 0 && d.on[output][0] ? high : low);
            for (int step = 0; step < d.steps; ++step) {
                const double y = d.on[output][static_cast<std::size_t>(step)] ? high : low;
                level.lineTo(x0 + step * stepWidth, y);
                level.lineTo(x0 + (step + 1) * stepWidth, y);
                if (d.on[output][static_cast<std::size_t>(step)])
                    p.fillRect(QRectF(x0 + step * stepWidth, high, stepWidth, low - high), QColor(Lamp.red(), Lamp.green(), Lamp.blue(), 70));
            }
            p.setPen(QPen(Lamp, pages.mm(0.35)));
            p.drawPath(level);
        }
        pages.down(strip);
    }
    timeScale(pages, x0, width, d.steps, d.stepMs, content.msUnit, pages.y());
    pages.down(pages.mm(7));
}

void curvePlot(Pages &pages, const CurvePlot &c, const Content &content)
{
    const double plotHeight = pages.mm(40);
    const double relayHeight = c.relays.empty() ? 0.0 : pages.mm(6);
    const double axisWidth = pages.mm(14);
    pages.reserve(pages.mm(18) + plotHeight + relayHeight + pages.mm(8));
    pages.paragraph(c.title, Pages::font(10, true));
    pages.paragraph(c.settings + QStringLiteral(";  ") + c.stepTime + QStringLiteral(";  ") + c.curveTime, Pages::font(8));
    if (!c.pulseTimes.isEmpty())
        pages.paragraph(c.pulseTimes, Pages::font(8));
    pages.down(pages.mm(1.5));
    QPainter &p = pages.painter();
    const double top = pages.y();
    const double x0 = axisWidth;
    const double width = pages.width() - axisWidth;
    const int points = static_cast<int>(c.positions.size());
    const int intervals = std::max(points - 1, 1);
    const auto xAt = [&](int i) { return x0 + width * i / intervals; };
    const auto yAt = [&](int position) { return top + plotHeight - plotHeight * std::clamp(position, 0, 127) / 127.0; };
    p.setPen(QPen(Grid, pages.mm(0.1)));
    p.drawRect(QRectF(x0, top, width, plotHeight));
    for (int level : {32, 64, 96})
        p.drawLine(QPointF(x0, yAt(level)), QPointF(x0 + width, yAt(level)));
    p.setFont(Pages::font(7));
    p.setPen(Faint);
    for (int level : {0, 64, 127})
        p.drawText(QRectF(0, yAt(level) - pages.mm(2), axisWidth - pages.mm(1.5), pages.mm(4)), Qt::AlignRight | Qt::AlignVCenter, QString::number(level));
    p.save();
    p.translate(pages.mm(2), top + plotHeight / 2);
    p.rotate(-90);
    p.drawText(QRectF(-plotHeight / 2, -pages.mm(2), plotHeight, pages.mm(4)), Qt::AlignCenter, content.positionAxis);
    p.restore();
    QPainterPath curve;
    for (int i = 0; i < points; ++i) {
        const QPointF at(xAt(i), yAt(c.positions[static_cast<std::size_t>(i)]));
        if (i == 0)
            curve.moveTo(at);
        else
            curve.lineTo(at);
    }
    p.setPen(QPen(Lamp, pages.mm(0.35)));
    p.drawPath(curve);
    p.setBrush(Lamp);
    for (int i = 0; i < points; ++i)
        p.drawEllipse(QPointF(xAt(i), yAt(c.positions[static_cast<std::size_t>(i)])), pages.mm(0.5), pages.mm(0.5));
    p.setBrush(Qt::NoBrush);
    pages.down(plotHeight);
    if (!c.relays.empty()) {
        const double stripTop = pages.y() + pages.mm(1);
        const double strip = pages.mm(4);
        p.setFont(Pages::font(7));
        p.setPen(Ink);
        p.drawText(QRectF(0, stripTop, axisWidth - pages.mm(1.5), strip), Qt::AlignRight | Qt::AlignVCenter, content.relayName);
        p.setPen(QPen(Grid, pages.mm(0.1)));
        p.drawRect(QRectF(x0, stripTop, width, strip));
        // Each point's relay bit holds from its point to the next.
        // Each point's relay bit as a box centred on the point.
        const double pointWidth = width / intervals;
        for (int i = 0; i < std::min<int>(points, static_cast<int>(c.relays.size())); ++i) {
            if (!c.relays[static_cast<std::size_t>(i)])
                continue;
            const double left = std::max(x0, xAt(i) - pointWidth / 2);
            const double right = std::min(x0 + width, xAt(i) + pointWidth / 2);
            p.fillRect(QRectF(left, stripTop + strip * 0.2, right - left, strip * 0.6), Marked);
        }
        pages.down(relayHeight);
    }
    timeScale(pages, x0, width, intervals, c.stepMs, content.msUnit, pages.y());
    pages.down(pages.mm(8));
}

} // namespace

QMarginsF pageMarginsMm()
{
    return {MarginMm, MarginMm, MarginMm, MarginMm};
}

QPageSize paperFor(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

bool paint(const Content &content, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QString fileName = content.file.empty() ? QString() : content.file.front().value;
    Pages pages(painter, device, QStringLiteral("Quaxel – %1 – %2").arg(content.title, fileName));
    pages.paragraph(content.title + QStringLiteral(": ") + fileName, Pages::font(16, true));
    if (!content.unsavedNote.isEmpty()) {
        pages.down(pages.mm(1));
        pages.paragraph(content.unsavedNote, Pages::font(10, true), Marked);
    }
    pages.down(pages.mm(2));
    // The SHA-256 fits its line only a little smaller.
    rows(pages, content.file, 8);
    pages.down(pages.mm(2));
    rows(pages, content.decoder);
    if (!content.slotTable.rows.empty()) {
        pages.heading(content.slotTitle);
        slotTable(pages, content.slotTable);
    }
    for (const Section &section : content.settings) {
        pages.heading(section.title);
        rows(pages, section.rows);
    }
    if (!content.patterns.empty()) {
        pages.heading(content.patternTitle);
        for (const PatternDiagram &diagram : content.patterns)
            patternDiagram(pages, diagram, content);
    }
    if (!content.curves.empty()) {
        pages.heading(content.curveTitle);
        for (const CurvePlot &plot : content.curves)
            curvePlot(pages, plot, content);
    }
    pages.finishPage();
    return painter.end();
}

QByteArray pdf(const Content &content, const QPageSize &paper)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, pageMarginsMm(), QPageLayout::Millimeter));
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Quaxel"));
        writer.setTitle(content.title + QStringLiteral(": ") + (content.file.empty() ? QString() : content.file.front().value));
        if (!paint(content, writer))
            return {};
    }
    return bytes;
}

} // namespace Sheet
