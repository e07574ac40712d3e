#include "ui/day_cell.h"

#include <QHelpEvent>
#include <QToolTip>

namespace korinde {

DayCell::DayCell(QWidget* parent, std::function<QString()> describe) : QLabel(parent), describe_(std::move(describe)) {}

bool DayCell::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QLabel::event(event);
    const QString text = description();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, this);
    }
    return true;
}

}  // namespace korinde
