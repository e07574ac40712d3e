// What a screen reader hears: every control named, each shown day by its
// full date, weekday and holiday, following every redraw.
#include <QAccessible>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "window_fixture.h"

using namespace korinde_test;

namespace {

QString spoken_name(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

// A hidden cell has no name of its own and is marked invisible, so screen
// readers pass it over.
bool unnamed_and_invisible(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return widget->accessibleName().isEmpty() && accessible != nullptr && accessible->state().invisible;
}

// What hovering shows: the tooltip the cell puts up for a real tooltip event.
QString tooltip_of(QWidget* cell) {
    QToolTip::hideText();
    QHelpEvent hover(QEvent::ToolTip, QPoint(3, 3), cell->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(cell, &hover);
    return hover.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

QString description_of(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

}  // namespace

class WindowAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { korinde::prepare_application(); }
    void init() { reset_program_state(); }
    void cleanup() {
        // Windows gives a tooltip no parent, so it goes when hidden, not with the window.
        QToolTip::hideText();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void every_control_has_a_name() {
        MessageRecorder recorder;
        wincal window;
        const char* const controls[] = {"Frame1", "Image2", "Command1", "Command2", "Command3", "Picture2", "Text1"};
        for (const char* name : controls) QVERIFY2(!spoken_name(control(window, name)).isEmpty(), name);
        QCOMPARE(spoken_name(control(window, "Label1_0")), QString("日曜日"));
        QCOMPARE(spoken_name(control(window, "Label1_6")), QString("土曜日"));
        QCOMPARE(spoken_name(control(window, "Command1")), QString("前月"));
    }

    void days_are_named_by_date_weekday_and_holiday() {
        MessageRecorder recorder{{2026, 12, 7}};
        wincal window;
        window.show();
        // December 2026 starts on a Tuesday, in cell 2.
        QCOMPARE(spoken_name(day_cell(window, 24)), QString("2026年12月23日 水曜日 天皇誕生日"));
        QCOMPARE(spoken_name(day_cell(window, 2)), QString("2026年12月1日 火曜日"));
        QCOMPARE(spoken_name(day_cell(window, 32)), QString("2026年12月31日 木曜日"));
        QVERIFY(unnamed_and_invisible(day_cell(window, 1)));
        QVERIFY(unnamed_and_invisible(day_cell(window, 33)));

        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);  // November 2026 starts on a Sunday
        QCOMPARE(spoken_name(day_cell(window, 2)), QString("2026年11月3日 火曜日 文化の日"));
        QCOMPARE(spoken_name(day_cell(window, 1)), QString("2026年11月2日 月曜日"));
        QVERIFY(unnamed_and_invisible(day_cell(window, 30)));
        QVERIFY(!QAccessible::queryAccessibleInterface(day_cell(window, 29))->state().invisible);
    }

    // Hovering a day shows its almanac, and screen readers read the same as
    // its description; a hidden cell has neither. Before 1873 only the date
    // and the holiday are told.
    void days_tell_their_almanac() {
        MessageRecorder recorder{{2026, 12, 9}};
        const std::pair<std::optional<kyotu1::ClockDate>, std::vector<std::pair<int, QString>>> months[] = {
            {std::nullopt,
             {{10, "2026年12月9日（水）\n令和8年　旧暦11月1日　大安"},
              {8, "2026年12月7日（月）\n令和8年　旧暦10月29日　友引\n大雪"},
              {24, "2026年12月23日（水）\n令和8年　旧暦11月15日　先勝\n天皇誕生日"},
              {1, ""}}},
            {kyotu1::ClockDate{1872, 12, 1}, {{22, "1872年12月23日（月）\n天皇誕生日"}, {0, "1872年12月1日（日）"}}},
        };
        for (const auto& [first_month, cells] : months) {
            wincal window(first_month);
            window.show();
            for (const auto& [index, text] : cells) {
                QCOMPARE(tooltip_of(day_cell(window, index)), text);
                QCOMPARE(description_of(day_cell(window, index)), text);
            }
        }
    }
};

QTEST_MAIN(WindowAccessibilityTest)
#include "window_accessibility_test.moc"
