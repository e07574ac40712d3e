#include "ui/accessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include "ui/day_cell.h"
#include "ui/text_box.h"
#include "ui/text_box_accessible.h"

namespace korinde {
namespace {

// A left click: press and release at the centre, through the same filters
// and handlers as the mouse's.
void click(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, centre, global, Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
}

// A control whose left click does something: a press action, as a button has.
class PressableAccessible : public QAccessibleWidget {
public:
    PressableAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    [[nodiscard]] QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    // Queued, as Qt's buttons do: a click may open a modal box, and the
    // screen reader waits for the action's answer until the box is closed.
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            QWidget* target = widget();
            auto* soon = new QTimer(target);
            soon->setSingleShot(true);
            QObject::connect(soon, &QTimer::timeout, target, [target, soon] {
                soon->deleteLater();
                click(target);
            });
            soon->start(0);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

// Screen readers hear the tooltip as the cell's description.
class DayCellAccessible final : public PressableAccessible {
public:
    explicit DayCellAccessible(DayCell* cell) : PressableAccessible(cell, QAccessible::StaticText) {}

    // A blank cell has no name: Qt would lend it the month frame's caption.
    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) return static_cast<const DayCell*>(widget())->description();
        if (kind == QAccessible::Name) return widget()->accessibleName();
        return PressableAccessible::text(kind);
    }
};

QAccessibleInterface* interface_for(const QString& /*class_name*/, QObject* object) {
    if (auto* cell = dynamic_cast<DayCell*>(object)) return new DayCellAccessible(cell);
    if (auto* box = dynamic_cast<TextBox*>(object)) return accessible_text_box(box);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    const QString name = widget->objectName();
    if (name == "wincal") return new QAccessibleWidget(widget, QAccessible::Window);
    if (name == "Picture2") return new PressableAccessible(widget, QAccessible::Button);
    if (name == "Image2") return new PressableAccessible(widget, QAccessible::Graphic);
    return nullptr;
}

}  // namespace

void install_accessible_interfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(interface_for);
        return true;
    }();
    (void)installed;
}

}  // namespace korinde
