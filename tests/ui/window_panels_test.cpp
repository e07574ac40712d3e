// Clicks on the day cells, the help picture, the red box and the HP button.
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTest>

#include "ui/panel_texts.h"
#include "window_fixture.h"

using namespace korinde_test;

namespace {

void release_over(QWidget* widget, Qt::MouseButton button) { QTest::mouseClick(widget, button); }

const std::string question =
    "\nインターネットに接続していますか？\n\n作者のＨＰを開けます。\n\nパソコンの部屋と自己紹介をご覧下さい。";

}  // namespace

class WindowPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { korinde::prepare_application(); }
    void init() {
        reset_program_state();
        install_fake_browser(browser);
        browser = {};
    }
    void cleanup() {
        korinde::create_browser_object = korinde::create_desktop_browser;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void day_cells_show_holidays_on_the_left_button_data();
    void day_cells_show_holidays_on_the_left_button();
    void hidden_cells_take_no_clicks();
    void help_picture_shows_the_usage_notice();
    void red_box_exchanges_the_calendar_and_the_about_text();
    void about_text_is_written_anew_each_time_it_comes_into_view();
    void home_page_asks_first_and_opens_a_browser_per_yes();
    void home_page_reports_a_browser_that_cannot_start();

private:
    BrowserLog browser;
};

void WindowPanelsTest::day_cells_show_holidays_on_the_left_button_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("shown");  // empty: no box
    // November 2004 starts on a Monday, so cell k holds day k; today is the 23rd.
    QTest::newRow("holiday") << 3 << Qt::LeftButton << " 2004年 11月 3日:文化の日\n\n";
    QTest::newRow("today's cyan holiday") << 23 << Qt::LeftButton << " 2004年 11月 23日:勤労感謝の日\n\n";
    QTest::newRow("right button") << 3 << Qt::RightButton << "";
    QTest::newRow("middle button") << 3 << Qt::MiddleButton << "";
    QTest::newRow("plain Sunday") << 7 << Qt::LeftButton << "";
    QTest::newRow("plain Monday") << 1 << Qt::LeftButton << "";
}

void WindowPanelsTest::day_cells_show_holidays_on_the_left_button() {
    QFETCH(int, cell);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, shown);
    MessageRecorder recorder{{2004, 11, 23}};
    wincal window;
    release_over(day_cell(window, cell), button);
    std::vector<ShownBox> expected;
    if (!shown.isEmpty()) expected.push_back({shown.toStdString(), 0, ""});
    QCOMPARE(recorder.shown, expected);
}

void WindowPanelsTest::hidden_cells_take_no_clicks() {
    MessageRecorder recorder{{2006, 1, 5}};
    wincal window;
    QVERIFY(show_and_activate(window));
    // The Monday after Sunday 1 January 2006 is light red but names no holiday.
    release_over(day_cell(window, 1), Qt::LeftButton);
    QVERIFY(recorder.shown.empty());
    release_over(day_cell(window, 0), Qt::LeftButton);
    QCOMPARE(recorder.texts(), std::vector<std::string>{" 2006年 1月 1日:元旦\n\n"});

    // February 2006 leaves the last row empty: a click there reaches no cell.
    QTest::mouseClick(control(window, "Command2"), Qt::LeftButton);
    recorder.shown.clear();
    QWidget* hidden = day_cell(window, 35);
    QVERIFY(!hidden->isVisible());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, hidden->mapTo(&window, hidden->rect().center()));
    QVERIFY(recorder.shown.empty());
}

void WindowPanelsTest::help_picture_shows_the_usage_notice() {
    MessageRecorder recorder;
    wincal window;
    release_over(control(window, "Image2"), Qt::RightButton);
    release_over(control(window, "Image2"), Qt::MiddleButton);
    QVERIFY(recorder.shown.empty());
    release_over(control(window, "Image2"), Qt::LeftButton);
    const std::string notice =
        "天文数学計算により2000-2100年までの春分/秋分の日の計算がされています。\n\n"
        "特別な国民の休日ﾃﾞｰﾀも取込み2000-2100年迄は多分完璧なｶﾚﾝﾀﾞｰです。(保証はしません)\n\n"
        "2049年9月に4連休の無い万年カレンダーは偽物です。ご注意を！\n\n"
        "Shiftｷｰを押しながら翌月を押すと１年後の月が表示されます。Ctrlｷｰ押しながらで10年後表示です。\n\n"
        "下の赤色を左ｸﾘｯｸするとﾊﾞｰｼﾞｮﾝと作者ﾒｰﾙｱﾄﾞﾚｽ表示。\n\n"
        "注意：\n\n\n";
    QCOMPARE(recorder.shown, (std::vector<ShownBox>{{notice, 64, "Korinde"}}));
    QCOMPARE(kyotu1::panel_swapped, 0);
}

void WindowPanelsTest::red_box_exchanges_the_calendar_and_the_about_text() {
    MessageRecorder recorder;
    wincal window;
    QWidget* frame = control(window, "Frame1");
    auto* text = control<QPlainTextEdit>(window, "Text1");
    QWidget* red_box = control(window, "Picture2");

    release_over(red_box, Qt::RightButton);
    release_over(red_box, Qt::MiddleButton);
    QCOMPARE(kyotu1::panel_swapped, 0);
    QCOMPARE(frame->x(), 0);

    release_over(red_box, Qt::LeftButton);
    QCOMPARE(kyotu1::panel_swapped, 1);
    QCOMPARE(frame->pos(), QPoint(152, 0));
    QCOMPARE(text->pos(), QPoint(0, 0));
    const QStringList lines = {"Korinde",
                               "Ver 2.02(2004/11/22)",
                               QString::fromStdString(korinde::author_credit),
                               "メールＩＤ：",
                               QString::fromStdString(korinde::author_mail),
                               "ﾎｰﾑﾍﾟｰｼﾞ：",
                               QString::fromStdString(korinde::home_page_url),
                               ""};
    QCOMPARE(text->toPlainText().split('\n'), lines);  // the last CR LF leaves an empty eighth line
    QCOMPARE(text->document()->blockCount(), 8);
    QVERIFY(korinde::author_credit.starts_with("by "));
    QCOMPARE(korinde::about_text(), "Korinde\r\nVer 2.02(2004/11/22)\r\n" + korinde::author_credit +
                                        "\r\nメールＩＤ：\r\n" + korinde::author_mail + "\r\nﾎｰﾑﾍﾟｰｼﾞ：\r\n" +
                                        korinde::home_page_url + "\r\n");

    release_over(red_box, Qt::LeftButton);
    QCOMPARE(kyotu1::panel_swapped, 0);
    QCOMPARE(frame->pos(), QPoint(0, 0));
    QCOMPARE(text->pos(), QPoint(152, 0));
    QCOMPARE(text->toPlainText().split('\n'), lines);
    QVERIFY(recorder.shown.empty());
}

void WindowPanelsTest::about_text_is_written_anew_each_time_it_comes_into_view() {
    MessageRecorder recorder;
    wincal window;
    auto* text = control<QPlainTextEdit>(window, "Text1");
    text->setPlainText("typed while out of sight");
    release_over(control(window, "Picture2"), Qt::LeftButton);
    QVERIFY(text->toPlainText().startsWith("Korinde\n"));
    text->setPlainText("typed into the panel");
    release_over(control(window, "Picture2"), Qt::LeftButton);
    QCOMPARE(text->toPlainText(), QString("typed into the panel"));
    release_over(control(window, "Picture2"), Qt::LeftButton);
    QVERIFY(text->toPlainText().startsWith("Korinde\n"));
}

void WindowPanelsTest::home_page_asks_first_and_opens_a_browser_per_yes() {
    MessageRecorder recorder;
    wincal window;
    const ShownBox asked{question, 52, "インターネット接続"};

    recorder.answers = {kyotu1::answer_no};
    QTest::mouseClick(control(window, "Command3"), Qt::LeftButton);
    QCOMPARE(recorder.shown, std::vector<ShownBox>{asked});
    QVERIFY(browser.created.empty());

    recorder.answers = {kyotu1::answer_yes, kyotu1::answer_yes};
    QTest::mouseClick(control(window, "Command3"), Qt::LeftButton);
    QTest::mouseClick(control(window, "Command3"), Qt::LeftButton);
    QCOMPARE(recorder.shown.size(), 3U);
    QCOMPARE(browser.created,
             (std::vector<std::string>{"InternetExplorer.application", "InternetExplorer.application"}));
    const std::string url = korinde::home_page_url;
    QCOMPARE(browser.calls,
             (std::vector<std::string>{"1 navigate " + url, "1 Visible true", "2 navigate " + url, "2 Visible true"}));
}

void WindowPanelsTest::home_page_reports_a_browser_that_cannot_start() {
    MessageRecorder recorder;
    wincal window;
    browser.fail_to_create = true;
    recorder.answers = {kyotu1::answer_yes};
    QTest::mouseClick(control(window, "Command3"), Qt::LeftButton);
    QCOMPARE(recorder.shown.size(), 2U);
    QCOMPARE(recorder.shown[1],
             (ShownBox{"ブラウザを起動できませんでした。\n\n次のアドレスをブラウザで開いてください。\n" +
                           korinde::home_page_url,
                       48, "インターネット接続"}));
}

QTEST_MAIN(WindowPanelsTest)
#include "window_panels_test.moc"
