// A day cell of the grid: a label whose tooltip and accessible description
// tell the day's almanac. Both are asked of the window only when shown or read,
// so drawing a month costs nothing of the almanac.
#pragma once

#include <functional>

#include <QLabel>

namespace korinde {

class DayCell final : public QLabel {
public:
    // describe gives the tooltip text, empty for none.
    DayCell(QWidget* parent, std::function<QString()> describe);

    [[nodiscard]] QString description() const { return describe_(); }

protected:
    bool event(QEvent* event) override;

private:
    std::function<QString()> describe_;
};

}  // namespace korinde
