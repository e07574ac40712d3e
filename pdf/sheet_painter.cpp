#include "pdf/sheet_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QStringList>

namespace korinde {
namespace {

namespace sheet = kyotu1::sheet;

// The faces by preference: the IPA fonts the package depends on, then the
// Japanese faces Windows has.
const QStringList gothic_families = {"IPAPGothic", "IPAexGothic", "Yu Gothic", "Meiryo", "MS PGothic"};
const QStringList numeral_families = {"DejaVu Sans", "IPAPGothic", "Segoe UI", "Arial"};
constexpr QColor moon_ink{0x4A, 0x4A, 0x4A};

QColor colour_of(kyotu1::RgbColour colour) {
    const std::uint32_t rgb = colour.rgb;
    return {static_cast<int>((rgb >> 16U) & 0xFFU), static_cast<int>((rgb >> 8U) & 0xFFU),
            static_cast<int>(rgb & 0xFFU)};
}

// Millimetres on the page to the device's own units.
class PageScale {
public:
    explicit PageScale(const QPaintDevice& device) : per_mm_(device.logicalDpiX() / 25.4) {}
    [[nodiscard]] double operator()(double mm) const { return mm * per_mm_; }
    [[nodiscard]] QRectF operator()(const sheet::Box& box) const {
        return {(*this)(box.x), (*this)(box.y), (*this)(box.width), (*this)(box.height)};
    }

private:
    double per_mm_;
};

QFont font_of(const sheet::Text& text) {
    QFont font;
    font.setFamilies(text.face == sheet::Face::numerals ? numeral_families : gothic_families);
    font.setPointSizeF(text.points);
    font.setBold(text.bold);
    return font;
}

Qt::Alignment alignment_of(sheet::Align align) {
    switch (align) {
        case sheet::Align::left: return Qt::AlignLeft | Qt::AlignVCenter;
        case sheet::Align::centre: return Qt::AlignHCenter | Qt::AlignVCenter;
        case sheet::Align::right: break;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

void paint_text(QPainter& painter, const PageScale& scale, const sheet::Text& text) {
    const QString line = QString::fromStdString(text.text);
    const QRectF box = scale(text.box);
    QFont font = font_of(text);
    // A line wider than its box is set smaller, never cut.
    const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(line);
    if (width > box.width()) font.setPointSizeF(text.points * box.width() / width);
    painter.setFont(font);
    painter.setPen(colour_of(text.colour));
    painter.drawText(box, static_cast<int>(alignment_of(text.align)) | Qt::TextDontClip, line);
}

// 朔 dark, 望 light, 上弦 lit on the right and 下弦 on the left, as the moon
// looks from Japan.
void paint_moon(QPainter& painter, const PageScale& scale, const sheet::Moon& moon) {
    const double radius = scale(moon.radius);
    const QRectF circle(scale(moon.centre_x) - radius, scale(moon.centre_y) - radius, 2 * radius, 2 * radius);
    painter.setPen(QPen(moon_ink, scale(0.25)));
    painter.setBrush(moon.quarter == 0 ? QBrush(moon_ink) : QBrush(Qt::white));
    painter.drawEllipse(circle);
    if (moon.quarter == 1 || moon.quarter == 3) {
        constexpr int quarter_turn = 90 * 16;  // Qt's angles are sixteenths of a degree
        painter.setBrush(moon_ink);
        painter.drawPie(circle, moon.quarter == 1 ? quarter_turn : -quarter_turn, 2 * quarter_turn);
    }
}

}  // namespace

void paint_sheet(QPainter& painter, const sheet::Page& page) {
    const PageScale scale(*painter.device());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const sheet::Fill& fill : page.fills) painter.fillRect(scale(fill.box), colour_of(fill.colour));
    for (const sheet::Rule& rule : page.rules) {
        painter.setPen(QPen(colour_of(rule.colour), scale(rule.width), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(scale(rule.x1), scale(rule.y1)), QPointF(scale(rule.x2), scale(rule.y2)));
    }
    for (const sheet::Moon& moon : page.moons) paint_moon(painter, scale, moon);
    for (const sheet::Text& text : page.texts) paint_text(painter, scale, text);
}

}  // namespace korinde
