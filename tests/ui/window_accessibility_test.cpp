// What a screen reader hears: every control named, each shown day by its
// full date, weekday and holiday, following every redraw.
#include <algorithm>
#include <cmath>
#include <map>

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
// A hidden cell is never hovered: the pointer there is on the month frame.
QString tooltip_of(QWidget* cell) {
    if (cell->isHidden()) return {};
    QToolTip::hideText();
    QHelpEvent hover(QEvent::ToolTip, QPoint(3, 3), cell->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(cell, &hover);
    return hover.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

// WCAG's contrast ratio of two colours, from 1 to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The contrast of a cell's text as drawn: its commonest inner pixel is the
// back, and the pixel that differs most from it is the core of a stroke.
double drawn_text_contrast(QWidget* cell) {
    const QImage image = cell->grab().toImage();
    std::map<QRgb, int> counts;
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x) ++counts[image.pixel(x, y)];
    }
    const QColor back = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                            return a.second < b.second;
                        })->first;
    double best = 1;
    for (const auto& [pixel, count] : counts) best = std::max(best, contrast(back, QColor(pixel)));
    return best;
}

// Presses the control through its accessible press action; false when it has none.
bool press(QWidget* widget) {
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(widget)->actionInterface();
    if (actions == nullptr || !actions->actionNames().contains(QAccessibleActionInterface::pressAction())) return false;
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(10);  // the press is queued, as a button's is
    return true;
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
        // Windows gives a tooltip no parent, so it goes a moment after it is
        // hidden, not with the window.
        QToolTip::hideText();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // Under a dark scheme every cell with text still reads at 4.5:1 or better:
    // the weekday header, white days, light red Sundays and holidays, cyan today.
    void every_cell_reads_under_a_dark_palette() {
        const QPalette before = QApplication::palette();
        QPalette dark(QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::ButtonText, Qt::white);
        QApplication::setPalette(dark);
        {
            MessageRecorder recorder({2026, 12, 9});
            wincal window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            for (int i = 0; i < 7; ++i) {
                auto* header = control<QLabel>(window, QString("Label1_%1").arg(i).toLatin1().constData());
                QVERIFY2(drawn_text_contrast(header) >= 4.5, qPrintable(header->text()));
            }
            for (int k = 0; k < 37; ++k) {
                QLabel* cell = day_cell(window, k);
                if (cell->isVisible()) QVERIFY2(drawn_text_contrast(cell) >= 4.5, qPrintable(cell->text()));
            }
        }
        QApplication::setPalette(before);
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

    // Without a mouse: a day, the help picture and the red box pressed through
    // their actions do what a left click does. The window is a frame, the red box a button.
    void press_actions_do_what_a_left_click_does() {
        MessageRecorder recorder{{2026, 12, 7}};
        wincal window;
        window.show();
        QVERIFY(press(day_cell(window, 2)));  // 1 December, no holiday: nothing
        QVERIFY(recorder.texts().empty());
        QVERIFY(press(day_cell(window, 24)));
        QCOMPARE(recorder.texts().size(), std::size_t{1});
        QVERIFY(QString::fromStdString(recorder.texts()[0]).contains("天皇誕生日"));
        QVERIFY(press(control(window, "Image2")));
        QCOMPARE(recorder.texts().size(), std::size_t{2});
        // The text box is off screen until the red box brings it into view.
        const auto text_box = [&] { return QAccessible::queryAccessibleInterface(control(window, "Text1")); };
        QVERIFY(text_box()->state().offscreen);
        QVERIFY(press(control(window, "Picture2")));
        QCOMPARE(kyotu1::panel_swapped, std::int16_t{1});
        QVERIFY(!text_box()->state().offscreen);
        QCOMPARE(text_box()->role(), QAccessible::EditableText);
        QVERIFY(text_box()->textInterface()->text(0, 7) == "Korinde");
        QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
        QCOMPARE(QAccessible::queryAccessibleInterface(control(window, "Picture2"))->role(), QAccessible::Button);
    }

    void days_are_named_by_date_weekday_and_holiday() {
        MessageRecorder recorder{{2026, 12, 7}};
        wincal window;
        window.show();
        // December 2026 starts on a Tuesday, in cell 2.
        QCOMPARE(spoken_name(day_cell(window, 24)), QString("2026年12月23日 水曜日 天皇誕生日"));
        QCOMPARE(spoken_name(day_cell(window, 2)), QString("2026年12月1日 火曜日"));
        QCOMPARE(spoken_name(day_cell(window, 32)), QString("2026年12月31日 木曜日"));
        QCOMPARE(spoken_name(day_cell(window, 8)), QString("2026年12月7日 月曜日 今日"));
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
             {{10,
               "2026年12月9日（水）\n令和8年（丙午）　旧暦11月1日　大安\n干支 丁巳　月齢 0.1\n朔 9:52\n"
               "日の出 6:38　日の入 16:28（東京）"},
              {8,
               "2026年12月7日（月）\n令和8年（丙午）　旧暦10月29日　友引\n干支 乙卯　月齢 27.8\n大雪\n"
               "日の出 6:37　日の入 16:28（東京）"},
              {24,
               "2026年12月23日（水）\n令和8年（丙午）　旧暦11月15日　先勝\n干支 辛未　月齢 14.1\n"
               "日の出 6:47　日の入 16:32（東京）\n天皇誕生日"},
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
