// The window on a real X server, in the program's own application object:
// pastes and drops that bring no text, a text box that stops at its limit
// and keeps a bounded undo history,
// and handlers whose failures end in a warning instead of an abort.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/application.h"
#include "ui/text_box.h"
#include "virtual_display.h"
#include "window_fixture.h"

using namespace korinde_test;

namespace {

void clear_clipboard() {
    // Cleared, the X selections have no owner, as on a fresh display.
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
    QTest::qWait(50);
}

// Brings the about panel into view and gives its text box the focus.
QPlainTextEdit* shown_text_panel(wincal& window) {
    QTest::mouseClick(control(window, "Picture2"), Qt::LeftButton);
    auto* text_box = control<QPlainTextEdit>(window, "Text1");
    text_box->setFocus();
    return text_box;
}

void drop(QPlainTextEdit* text_box, const QMimeData* data) {
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(text_box->viewport(), &enter);
    QDropEvent dropped(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(text_box->viewport(), &dropped);
}

}  // namespace

class WindowX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { korinde::prepare_application(); }
    void init() { reset_program_state(); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void pastes_and_drops_without_text_change_nothing_data();
    void pastes_and_drops_without_text_change_nothing();
    void text_box_stops_at_its_limit_data();
    void text_box_stops_at_its_limit();
    void text_box_keeps_the_newest_undo_steps();
    void a_failing_handler_ends_in_a_warning_and_the_window_goes_on();
};

void WindowX11Test::pastes_and_drops_without_text_change_nothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Ctrl+V") << "ctrl+v";
    QTest::newRow("Shift+Insert") << "shift+insert";
    QTest::newRow("middle click") << "middle";
    QTest::newRow("drop of no text") << "drop";
}

void WindowX11Test::pastes_and_drops_without_text_change_nothing() {
    QFETCH(QString, how);
    MessageRecorder recorder;
    wincal window;
    QVERIFY(show_and_activate(window));
    clear_clipboard();
    QPlainTextEdit* text_box = shown_text_panel(window);
    const QString about = text_box->toPlainText();
    if (how == "ctrl+v") QTest::keyClick(text_box, Qt::Key_V, Qt::ControlModifier);
    if (how == "shift+insert") QTest::keyClick(text_box, Qt::Key_Insert, Qt::ShiftModifier);
    if (how == "middle") QTest::mouseClick(text_box->viewport(), Qt::MiddleButton, {}, QPoint(20, 20));
    if (how == "drop") {
        QMimeData image_only;
        image_only.setData("image/png", QByteArray("\x89PNG"));
        drop(text_box, &image_only);
    }
    QCOMPARE(text_box->toPlainText(), about);
}

// The box is one unit short of full; each way of adding text adds what fits,
// and never half of a surrogate pair.
void WindowX11Test::text_box_stops_at_its_limit_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("added");
    const QString emoji = QString::fromUtf8("😀");
    const struct {
        const char* name;
        const char* how;
        QString text;
        int added;
    } rows[] = {
        {"pasted letters", "paste", "ab", 1},
        {"pasted emoji", "paste", emoji, 0},
        {"dropped emoji", "drop", emoji + "x", 0},
        {"typed letter", "type", "a", 1},
        {"typed emoji", "type", emoji, 0},
        {"typed tab", "type", "\t", 1},
        {"Return, which brings no text", "return", "", 1},
        {"input method emoji", "commit", emoji, 0},
        {"input method kanji", "commit", "漢字", 1},
    };
    for (const auto& row : rows) QTest::newRow(row.name) << QString(row.how) << row.text << row.added;
}

void WindowX11Test::text_box_stops_at_its_limit() {
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(int, added);
    MessageRecorder recorder;
    wincal window;
    QVERIFY(show_and_activate(window));
    auto* text_box = static_cast<korinde::TextBox*>(shown_text_panel(window));
    const int limit = korinde::TextBox::max_characters;
    QGuiApplication::clipboard()->setText(QString(limit + 5000, u'あ'));
    QTest::keyClick(text_box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text_box->character_count(), limit);  // the about text and what fitted
    QTest::keyClick(text_box, Qt::Key_Backspace);

    for (int i = 0; i < 2; ++i) {  // the second time the box is full
        if (how == "paste") QGuiApplication::clipboard()->setText(text);
        if (how == "paste") QTest::keyClick(text_box, Qt::Key_V, Qt::ControlModifier);
        if (how == "type") QTest::sendKeyEvent(QTest::Click, text_box, Qt::Key_unknown, text, {});
        if (how == "return") QTest::sendKeyEvent(QTest::Click, text_box, Qt::Key_Return, QString(), {});
        if (how == "drop") {
            QMimeData dropped;
            dropped.setText(text);
            drop(text_box, &dropped);
        }
        if (how == "commit") {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QCoreApplication::sendEvent(text_box, &commit);
        }
    }
    QCOMPARE(text_box->character_count(), limit - 1 + added);
    // Replacing a selection makes room again.
    text_box->selectAll();
    QGuiApplication::clipboard()->setText(QString(limit + 1, u'い'));
    QTest::keyClick(text_box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text_box->toPlainText(), QString(limit, u'い'));
}

// The newest steps are kept and the oldest dropped; a run of typing or of
// erasing is one step, through the keys and the menu alike.
void WindowX11Test::text_box_keeps_the_newest_undo_steps() {
    MessageRecorder recorder;
    wincal window;
    QVERIFY(show_and_activate(window));
    QPlainTextEdit* text_box = shown_text_panel(window);
    const QString about = text_box->toPlainText();
    QTest::keyClick(text_box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(text_box->toPlainText(), about);  // the program's own writing is no step

    const int steps = korinde::TextBox::max_undo_steps;
    for (int i = 0; i < steps + 5; ++i) {
        text_box->selectAll();
        QGuiApplication::clipboard()->setText(QString("step %1").arg(i));
        QTest::keyClick(text_box, Qt::Key_V, Qt::ControlModifier);
    }
    for (int i = 0; i < steps + 3; ++i) QTest::keyClick(text_box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(text_box->toPlainText(), QString("step 4"));
    QTest::keyClick(text_box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(text_box->toPlainText(), QString("step 5"));

    text_box->moveCursor(QTextCursor::End);
    QTest::keyClick(text_box, Qt::Key_Return);
    QTest::keyClicks(text_box, "aa");
    QTest::sendKeyEvent(QTest::Click, text_box, Qt::Key_unknown, QString::fromUtf8("😀"), {});
    QTest::keyClick(text_box, Qt::Key_Backspace);
    QTest::keyClick(text_box, Qt::Key_Backspace);
    QCOMPARE(text_box->toPlainText(), QString("step 5\na"));
    QTest::keyClick(text_box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(text_box->toPlainText(), QString::fromUtf8("step 5\naa😀"));

    QString undone;
    QTimer menu_answer;
    QObject::connect(&menu_answer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        menu->findChild<QAction*>("edit-undo")->trigger();
        menu->close();
        undone = text_box->toPlainText();
    });
    menu_answer.start(5);
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(5, 5), text_box->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(text_box->viewport(), &right_click);
    QTRY_COMPARE(undone, QString("step 5\n"));
}

void WindowX11Test::a_failing_handler_ends_in_a_warning_and_the_window_goes_on() {
    MessageRecorder recorder{{2004, 11, 22}};
    wincal window;
    QVERIFY(show_and_activate(window));
    const auto working_clock = kyotu1::system_date;
    kyotu1::system_date = []() -> kyotu1::ClockDate { throw std::runtime_error("the clock cannot be read"); };
    QTest::mouseClick(control(window, "Command2"), Qt::LeftButton);
    QCOMPARE(recorder.shown.size(), 1U);
    QCOMPARE(recorder.shown[0].text, std::string(korinde::failed_action_message));
    QCOMPARE(recorder.shown[0].style, kyotu1::mb_icon_warning);

    kyotu1::system_date = working_clock;
    QTest::mouseClick(control(window, "Command2"), Qt::LeftButton);
    QCOMPARE(control<QGroupBox>(window, "Frame1")->title(), QString("2005年 1月"));
    QCOMPARE(differs_from_fresh_drawing(window), std::nullopt);
}

// Leaks of the libraries under the xcb platform, not of the calendar: the
// D-Bus connection Qt keeps for the session, and the event points QTest's
// synthetic mouse events leave behind in Qt 6.4.
extern "C" const char* __lsan_default_suppressions() {  // NOLINT(bugprone-reserved-identifier)
    return "leak:libdbus-1.so\nleak:QMutableEventPoint::detach\n";
}

int main(int argc, char* argv[]) {
    VirtualDisplay display;
    korinde::Application app(argc, argv);
    WindowX11Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_x11_test.moc"
