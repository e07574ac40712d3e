#include "ui/day_cell.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QToolTip>

namespace korinde {
namespace {

// Screen readers hear the tooltip as the cell's description.
class DayCellAccessible final : public QAccessibleWidget {
public:
    explicit DayCellAccessible(DayCell* cell) : QAccessibleWidget(cell, QAccessible::StaticText) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) return static_cast<const DayCell*>(widget())->description();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessible_day_cell(const QString& /*class_name*/, QObject* object) {
    auto* cell = dynamic_cast<DayCell*>(object);
    return cell != nullptr ? new DayCellAccessible(cell) : nullptr;
}

}  // namespace

DayCell::DayCell(QWidget* parent, std::function<QString()> describe) : QLabel(parent), describe_(std::move(describe)) {
    static const bool factory_installed = [] {
        QAccessible::installFactory(accessible_day_cell);
        return true;
    }();
    (void)factory_installed;
}

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
