#include "ui/popup.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace korinde {

QPoint popup_position(QPoint pointer, QSize outer, QRect area) {
    const int x = std::max(area.left(), std::min(pointer.x(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(pointer.y(), area.bottom() + 1 - outer.height()));
    return {x, y};
}

PopupBehaviour::PopupBehaviour(QWidget& window) : QObject(&window), window_(window), pointer_(QCursor::pos()) {
    const QScreen* screen = QGuiApplication::screenAt(pointer_);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) area_ = screen->availableGeometry();
    place(window.frameGeometry().size());
    frame_known_.setSingleShot(true);
    frame_known_.setInterval(0);
    connect(&frame_known_, &QTimer::timeout, this, [this] { place(window_.frameGeometry().size()); });
    focus_settled_.setSingleShot(true);
    focus_settled_.setInterval(0);
    connect(&focus_settled_, &QTimer::timeout, this, &PopupBehaviour::close_unless_still_ours);
    qApp->installEventFilter(this);
}

void PopupBehaviour::place(QSize outer) {
    if (area_.isEmpty()) return;
    const QPoint corner = popup_position(pointer_, outer, area_);
    if (corner != window_.frameGeometry().topLeft()) window_.move(corner);
}

bool PopupBehaviour::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Esc in one of the popup's own message boxes closes only the box.
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == &window_) {
            window_.close();
            return true;
        }
    }
    // When one of its message boxes closes, the popup takes the focus back,
    // so that the focus moving on from there still ends it.
    if (watched == &window_ && event->type() == QEvent::WindowUnblocked) window_.activateWindow();
    if (watched == &window_ && event->type() == QEvent::WindowDeactivate) focus_settled_.start();
    if (watched == &window_ && event->type() == QEvent::Show) frame_known_.start();
    return QObject::eventFilter(watched, event);
}

// The popup's own message boxes take the focus and give it back; anything
// else that takes it ends the popup.
void PopupBehaviour::close_unless_still_ours() {
    if (QApplication::activeWindow() == nullptr && QApplication::activeModalWidget() == nullptr) window_.close();
}

}  // namespace korinde
