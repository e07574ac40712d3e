// The window as it stands after start-up: places, texts, colours, focus.
#include <QCursor>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "engine/holidays.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/popup.h"
#include "window_fixture.h"

using namespace korinde_test;

namespace {

QRect geometry_of(wincal& window, const QString& name) {
    return control(window, name.toLatin1().constData())->geometry();
}

bool is_cell(const QWidget* w) {
    return w->objectName().startsWith("Label1_") || w->objectName().startsWith("Label2_");
}

}  // namespace

Q_DECLARE_METATYPE(kyotu1::ClockDate)
Q_DECLARE_METATYPE(std::optional<kyotu1::ClockDate>)

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { korinde::prepare_application(); }
    void init() { reset_program_state(); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void controls_stand_in_view_as_laid_out();
    void window_is_fixed_and_titled();
    void start_up_centres_the_window();
    void header_and_first_month();
    void texts_and_fonts();
    void pictures_have_their_pixel_sizes();
    void focus_starts_on_the_hidden_text_panel_and_tabs_in_order();
    void warning_comes_before_the_window_for_a_clock_after_2100();
    void first_month_follows_the_clock_or_the_command_line_data();
    void first_month_follows_the_clock_or_the_command_line();
    void popup_opens_at_the_pointer_inside_the_area();
};

// The rules of the layout a user sees, not its numbers again: the frame across
// the top, the buttons in a row beneath it ending 3 pixels above the bottom,
// the text panel out of sight to the right, neighbouring cells sharing one
// border line, and nothing else overlapping.
void WindowLayoutTest::controls_stand_in_view_as_laid_out() {
    MessageRecorder recorder;
    wincal window;
    const QRect client = window.rect();
    const QRect frame = control(window, "Frame1")->geometry();
    QCOMPARE(frame.topLeft(), QPoint(0, 0));
    QCOMPARE(frame.width(), client.width());
    QVERIFY(control(window, "Text1")->x() >= client.width());
    int free_from = 0;
    for (const char* name : {"Command1", "Command3", "Command2"}) {
        const QRect button = control(window, name)->geometry();
        QVERIFY2(button.top() > frame.bottom() && button.left() >= free_from, name);
        free_from = button.right() + 1;
    }
    for (const char* name : {"Command1", "Command2"}) QCOMPARE(client.bottom() - geometry_of(window, name).bottom(), 3);
    const QRect hp = geometry_of(window, "Command3");
    const QRect picture = geometry_of(window, "Picture2");
    QVERIFY(picture.left() == hp.left() && picture.top() > hp.bottom() && picture.bottom() <= client.bottom());

    for (QWidget* container : {static_cast<QWidget*>(&window), control(window, "Frame1")}) {
        const QList<QWidget*> children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype a = 0; a < children.size(); ++a) {
            for (qsizetype b = a + 1; b < children.size(); ++b) {
                const QRect overlap = children[a]->geometry() & children[b]->geometry();
                const QString pair = children[a]->objectName() + " and " + children[b]->objectName();
                const bool cells = is_cell(children[a]) && is_cell(children[b]);
                QVERIFY2(overlap.isEmpty() || (cells && std::min(overlap.width(), overlap.height()) == 1),
                         qPrintable(pair));
            }
        }
    }
    const auto cell = [&window](int k) { return geometry_of(window, QString("Label2_%1").arg(k)); };
    const auto header = [&window](int c) { return geometry_of(window, QString("Label1_%1").arg(c)); };
    const int cells = static_cast<int>(kyotu1::grid_cells);
    for (int k = 0; k < cells; ++k) {
        QCOMPARE(cell(k).left(), header(k % 7).left());
        if (k % 7 != 6 && k + 1 < cells) QCOMPARE((cell(k) & cell(k + 1)).width(), 1);
        if (k + 7 < cells) QCOMPARE((cell(k) & cell(k + 7)).height(), 1);
    }
}

void WindowLayoutTest::window_is_fixed_and_titled() {
    MessageRecorder recorder;
    wincal window;
    QCOMPARE(window.minimumSize(), QSize(129, 180));
    QCOMPARE(window.maximumSize(), QSize(129, 180));
    QCOMPARE(window.windowTitle(), QString("Korinde"));
    QCOMPARE(kyotu1::app_title, std::string("Korinde"));
    const QList<QSize> icon_sizes = window.windowIcon().availableSizes();
    QVERIFY(icon_sizes.contains(QSize(32, 32)));
    QVERIFY(icon_sizes.contains(QSize(16, 16)));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
}

void WindowLayoutTest::start_up_centres_the_window() {
    MessageRecorder recorder;
    wincal window;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = korinde::layout::outer_size;
    QCOMPARE(window.pos(), QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
}

void WindowLayoutTest::header_and_first_month() {
    MessageRecorder recorder{{2004, 11, 22}};
    wincal window;
    const QStringList weekdays = {"日", "月", "火", "水", "木", "金", "土"};
    for (int i = 0; i < 7; ++i) {
        const auto* header = control<QLabel>(window, QString("Label1_%1").arg(i).toLatin1().constData());
        QCOMPARE(header->text(), weekdays[i]);
        QCOMPARE(back_colour(header), i == 0 ? QColor(255, 192, 192) : header->palette().color(QPalette::Base));
    }
    QCOMPARE(kyotu1::disp_year, 2004);
    QCOMPARE(kyotu1::disp_month, 11);
    QCOMPARE(control<QGroupBox>(window, "Frame1")->title(), QString("2004年 11月"));
    QCOMPARE(back_colour(day_cell(window, 22)), QColor(0, 255, 255));
    QCOMPARE(day_cell(window, 1)->text(), QString(" 1"));
    QVERIFY(!day_cell(window, 0)->isVisibleTo(&window));
    QCOMPARE(differs_from_fresh_drawing(window), std::nullopt);
    QVERIFY(recorder.shown.empty());
}

void WindowLayoutTest::texts_and_fonts() {
    MessageRecorder recorder;
    wincal window;
    QCOMPARE(control<QPushButton>(window, "Command1")->text(), QString("前月"));
    QCOMPARE(control<QPushButton>(window, "Command2")->text(), QString("翌月"));
    QCOMPARE(control<QPushButton>(window, "Command3")->text(), QString("HP"));
    QCOMPARE(control(window, "Command1")->font().family(), QString("ＭＳ Ｐゴシック"));
    QCOMPARE(control(window, "Command1")->font().pixelSize(), 12);
    QCOMPARE(day_cell(window, 5)->font().family(), QString("ＭＳ Ｐゴシック"));
    QCOMPARE(control(window, "Command3")->font().family(), QString("Small Fonts"));
    QCOMPARE(control(window, "Command3")->font().pixelSize(), 5);
    auto* text1 = control<QPlainTextEdit>(window, "Text1");
    QCOMPARE(text1->font().family(), QString("ＭＳ ゴシック"));
    QCOMPARE(text1->font().pixelSize(), 11);
    QVERIFY(text1->toPlainText().isEmpty());
    QCOMPARE(text1->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The substitutions reach Japanese faces, which have the glyphs.
    QVERIFY(QFontInfo(day_cell(window, 5)->font()).family().contains("IPA"));
    QCOMPARE(back_colour(control(window, "Picture2")), QColor(255, 0, 0));
}

void WindowLayoutTest::pictures_have_their_pixel_sizes() {
    MessageRecorder recorder;
    wincal window;
    const QImage help = control<QLabel>(window, "Image2")->pixmap().toImage();
    QCOMPARE(help.size(), QSize(30, 10));
    QCOMPARE(help.pixelColor(0, 0), QColor(255, 255, 0));
    // The descender of the p reaches the bottom row; nothing else does.
    int dark_on_bottom_row = 0;
    for (int x = 0; x < help.width(); ++x) dark_on_bottom_row += help.pixelColor(x, 9) == QColor(0, 0, 0) ? 1 : 0;
    QCOMPARE(dark_on_bottom_row, 1);
    const QImage icon = window.windowIcon().pixmap(QSize(32, 32)).toImage();
    QCOMPARE(icon.size(), QSize(32, 32));

    // At twice the density every pixel becomes a 2 x 2 square of the same colour.
    const QPixmap doubled = korinde::help_picture(2.0);
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
    const QImage sharp = doubled.toImage();
    QCOMPARE(sharp.size(), QSize(60, 20));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x) QCOMPARE(sharp.pixelColor(x, y), help.pixelColor(x / 2, y / 2));
    }
    QCOMPARE(window.windowIcon().pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
}

void WindowLayoutTest::focus_starts_on_the_hidden_text_panel_and_tabs_in_order() {
    MessageRecorder recorder;
    wincal window;
    QVERIFY(show_and_activate(window));
    QCOMPARE(QApplication::focusWidget(), control(window, "Text1"));
    const char* const order[] = {"Command1", "Command2", "Picture2", "Command3", "Text1"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(window, name));
    }
    // Text typed while the panel is out of sight still lands in it.
    QTest::keyClicks(QApplication::focusWidget(), "abc");
    QCOMPARE(control<QPlainTextEdit>(window, "Text1")->toPlainText(), QString("abc"));
}

void WindowLayoutTest::warning_comes_before_the_window_for_a_clock_after_2100() {
    MessageRecorder recorder{{2150, 1, 10}};
    bool window_visible_at_warning = true;
    auto record = kyotu1::msg_box;
    kyotu1::msg_box = [&](const std::string& text, std::int16_t style, const std::string& title) {
        window_visible_at_warning =
            !QApplication::topLevelWidgets().isEmpty() && QApplication::topLevelWidgets().front()->isVisible();
        return record(text, style, title);
    };
    {
        wincal window;
        QCOMPARE(recorder.texts(), std::vector<std::string>{"2100年までです！"});
        QVERIFY(!window_visible_at_warning);
        QCOMPARE(control<QGroupBox>(window, "Frame1")->title(), QString("2150年 1月"));
    }
    kyotu1::msg_box = record;
}

void WindowLayoutTest::first_month_follows_the_clock_or_the_command_line_data() {
    QTest::addColumn<kyotu1::ClockDate>("clock");
    QTest::addColumn<std::optional<kyotu1::ClockDate>>("asked");
    QTest::addColumn<bool>("current_law");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("cyan_cell");  // -1: none
    QTest::addColumn<QString>("title");
    const std::optional<kyotu1::ClockDate> today;
    QTest::newRow("clock before the year 1")
        << kyotu1::ClockDate{0, 1, 1} << today << false << "1年 1月" << -1 << "Korinde";
    QTest::newRow("clock past 32767") << kyotu1::ClockDate{40000, 6, 5} << today << false << "32767年 12月" << -1
                                      << "Korinde";
    QTest::newRow("month asked for") << kyotu1::ClockDate{2026, 12, 7} << std::optional{kyotu1::ClockDate{2030, 5, 1}}
                                     << false << "2030年 5月" << -1 << "Korinde";
    // 1 December 2026 is a Tuesday, so the 7th is in cell 8.
    QTest::newRow("today's law") << kyotu1::ClockDate{2026, 12, 7} << today << true << "2026年 12月" << 8
                                 << "Korinde（現行の祝日）";
}

void WindowLayoutTest::first_month_follows_the_clock_or_the_command_line() {
    QFETCH(kyotu1::ClockDate, clock);
    QFETCH(std::optional<kyotu1::ClockDate>, asked);
    QFETCH(bool, current_law);
    QFETCH(QString, month);
    QFETCH(int, cyan_cell);
    QFETCH(QString, title);
    MessageRecorder recorder{clock};
    kyotu1::holiday_law = current_law ? kyotu1::HolidayLaw::current : kyotu1::HolidayLaw::builtin;
    wincal window(asked);
    kyotu1::holiday_law = kyotu1::HolidayLaw::builtin;
    QCOMPARE(window.windowTitle(), title);
    // Where a title bar cuts the title short, the law in force still shows.
    const QString law = current_law ? "現行の祝日法による祝日" : "内蔵の祝日規則（2004年）による祝日";
    QCOMPARE(window.accessibleDescription(), law);
    QCOMPARE(control(window, "Frame1")->toolTip(), law);
    QCOMPARE(control<QGroupBox>(window, "Frame1")->title(), month);
    for (int k = 0; k < static_cast<int>(kyotu1::grid_cells); ++k) {
        QCOMPARE(back_colour(day_cell(window, k)) == QColor(0, 255, 255), k == cyan_cell);
    }
    // The clock passing the last supported year under an open window stops nothing.
    recorder.set_today({32768, 1, 1});
    QTest::mouseClick(control(window, "Command2"), Qt::LeftButton);
    QCOMPARE(differs_from_fresh_drawing(window), std::nullopt);
}

// The popup's top-left corner at the pointer, moved in only as far as the
// area's edges ask: an area of 640 x 480 at (100, 50), the window 135 x 205.
void WindowLayoutTest::popup_opens_at_the_pointer_inside_the_area() {
    const QRect area(100, 50, 640, 480);
    const std::pair<QPoint, QPoint> cases[] = {
        {{300, 200}, {300, 200}}, {{0, 0}, {100, 50}},      {{739, 200}, {605, 200}},
        {{300, 529}, {300, 325}}, {{900, 900}, {605, 325}}, {{605, 325}, {605, 325}},
    };
    for (const auto& [pointer, corner] : cases) {
        QCOMPARE(korinde::popup_position(pointer, QSize(135, 205), area), corner);
    }
    // The window's own frame, once shown, decides: here, at the screen's
    // corner, the bottom-right of the frame meets the corner exactly.
    MessageRecorder recorder;
    wincal window;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCursor::setPos(screen.bottomRight());
    new korinde::PopupBehaviour(window);
    window.show();
    QTRY_COMPARE(window.frameGeometry().bottomRight(), screen.bottomRight());
}

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
