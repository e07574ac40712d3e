// The calendar as the panel clock's popup: it opens at the pointer and goes
// away on Esc and when another program's window takes the focus. The window
// itself knows nothing of it.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

class QWidget;

namespace korinde {

// Where a window of the outer size goes so that its top-left corner is at the
// pointer, moved in as little as needed to lie wholly inside the area.
QPoint popup_position(QPoint pointer, QSize outer, QRect area);

class PopupBehaviour final : public QObject {
public:
    // Places the window at the pointer, on the pointer's screen, and watches
    // it. Once it is shown, its real frame decides how far it moves in from
    // the screen's edges.
    explicit PopupBehaviour(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(QSize outer);
    void close_unless_still_ours();

    QWidget& window_;
    QPoint pointer_;
    QRect area_;
    // The frame is the desktop's, known once the window is shown.
    QTimer frame_known_;
    // Which window has the focus is settled once the deactivation is through.
    QTimer focus_settled_;
};

}  // namespace korinde
