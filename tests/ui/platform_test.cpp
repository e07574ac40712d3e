// The adapter to the desktop: real message boxes answered from the test,
// key masks, mouse buttons, the browser, the end of the program.
#include <functional>

#include <QDesktopServices>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "ui/browser.h"
#include "ui/qt_input_codes.h"
#include "window_fixture.h"

using namespace korinde_test;

namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    QStringList captions;
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
};

// Waits for the modal box the next call opens, records it and presses the
// given button (or Return, for the default button, when none is given).
class BoxAnswerer {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton press) : press_(press) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(5);
    }
    SeenBox seen;
    bool answered = false;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        timer_.stop();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons()) {
            seen.buttons.append(box->standardButton(b));
            seen.captions.append(b->text());
        }
        std::sort(seen.buttons.begin(), seen.buttons.end());
        seen.captions.sort();
        if (box->defaultButton() != nullptr) seen.default_button = box->standardButton(box->defaultButton());
        answered = true;
        if (press_ == QMessageBox::NoButton) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            box->button(press_)->click();
        }
    }
    QMessageBox::StandardButton press_;
    QTimer timer_;
};

// Stands in for the desktop's web browser: records what it is asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        korinde::prepare_application();
        kyotu1::title_set();
    }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void message_boxes_have_the_buttons_and_icon_of_their_style_data();
    void message_boxes_have_the_buttons_and_icon_of_their_style();
    void modifier_mask_follows_the_key_itself_data();
    void modifier_mask_follows_the_key_itself();
    void desktop_browser_refuses_what_it_cannot_serve();
    void text_panel_menus_are_japanese();
    // Last: nested event loops return at once once the program has ended.
    void closing_the_window_ends_the_program();
};

void PlatformTest::message_boxes_have_the_buttons_and_icon_of_their_style_data() {
    using B = QMessageBox::StandardButton;
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("press");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QList<B>>("buttons");
    QTest::addColumn<int>("default_button");
    QTest::addColumn<int>("answer");
    const QList<B> ok = {QMessageBox::Ok};
    const QList<B> yes_no = {QMessageBox::Yes, QMessageBox::No};
    QTest::newRow("OK, no icon, app title")
        << 0 << "" << int(QMessageBox::Ok) << QMessageBox::NoIcon << ok << int(QMessageBox::Ok) << 1;
    QTest::newRow("information") << 64 << "" << int(QMessageBox::Ok) << QMessageBox::Information << ok
                                 << int(QMessageBox::Ok) << 1;
    QTest::newRow("question answered No") << 52 << "インターネット接続" << int(QMessageBox::No) << QMessageBox::Warning
                                          << yes_no << int(QMessageBox::Yes) << 7;
    QTest::newRow("question, Return takes Yes") << 52 << "インターネット接続" << int(QMessageBox::NoButton)
                                                << QMessageBox::Warning << yes_no << int(QMessageBox::Yes) << 6;
    QTest::newRow("warning alone") << 48 << "x" << int(QMessageBox::Ok) << QMessageBox::Warning << ok
                                   << int(QMessageBox::Ok) << 1;
}

void PlatformTest::message_boxes_have_the_buttons_and_icon_of_their_style() {
    QFETCH(int, style);
    QFETCH(QString, title);
    QFETCH(int, press);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QList<QMessageBox::StandardButton>, buttons);
    QFETCH(int, default_button);
    QFETCH(int, answer);
    const std::string text = "\n一行目\n\n 2004年 11月 3日:文化の日\n\n";

    BoxAnswerer answerer(static_cast<QMessageBox::StandardButton>(press));
    const std::int16_t result = korinde::show_message_box(text, static_cast<std::int16_t>(style), title.toStdString());
    QVERIFY(answerer.answered);
    QCOMPARE(result, answer);
    QCOMPARE(answerer.seen.title, title.isEmpty() ? QString("Korinde") : title);
    QCOMPARE(answerer.seen.text, QString::fromStdString(text));
    QCOMPARE(answerer.seen.icon, icon);
    QCOMPARE(answerer.seen.buttons, buttons);
    QCOMPARE(int(answerer.seen.default_button), default_button);
    const QStringList captions = buttons.size() == 1 ? QStringList{"OK"} : QStringList{"いいえ(&N)", "はい(&Y)"};
    QCOMPARE(answerer.seen.captions, captions);
}

void PlatformTest::modifier_mask_follows_the_key_itself_data() {
    QTest::addColumn<bool>("press");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("held");
    QTest::addColumn<quint32>("keysym");
    QTest::addColumn<int>("mask");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Shift down, X11 style") << true << int(Qt::Key_Shift) << none << 0u << 1;
    QTest::newRow("Shift down, reported")
        << true << int(Qt::Key_Shift) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0u << 1;
    QTest::newRow("Shift up, still reported")
        << false << int(Qt::Key_Shift) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0u << 0;
    QTest::newRow("Ctrl down with Shift")
        << true << int(Qt::Key_Control) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0u << 3;
    QTest::newRow("Shift up, Ctrl held") << false << int(Qt::Key_Shift) << (Qt::ShiftModifier | Qt::ControlModifier)
                                         << 0u << 2;
    QTest::newRow("Alt down") << true << int(Qt::Key_Alt) << none << 0u << 4;
    QTest::newRow("Alt as Meta with Shift")
        << true << int(Qt::Key_Meta) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0xffe8u << 5;
    QTest::newRow("Super with Shift") << true << int(Qt::Key_Meta) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                      << 0xffecu << 1;
    QTest::newRow("letter with Ctrl") << true << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier) << 0u
                                      << 2;
    QTest::newRow("letter up, nothing held") << false << int(Qt::Key_A) << none << 0u << 0;
}

void PlatformTest::modifier_mask_follows_the_key_itself() {
    QFETCH(bool, press);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, held);
    QFETCH(quint32, keysym);
    QFETCH(int, mask);
    const QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, held, 0, keysym, 0);
    QCOMPARE(int(korinde::modifier_mask(event)), mask);
}

void PlatformTest::desktop_browser_refuses_what_it_cannot_serve() {
    QVERIFY_THROWS_EXCEPTION(korinde::AutomationError, korinde::create_desktop_browser("Word.Application"));
    const auto browser = korinde::create_desktop_browser("internetexplorer.Application");
    QVERIFY(browser != nullptr);
    QVERIFY_THROWS_EXCEPTION(korinde::AutomationError, browser->navigate("not an address"));

    UrlRecorder desktop;
    QDesktopServices::setUrlHandler("https", &desktop, "open");
    browser->set_visible(true);  // sent nowhere yet: nothing to open
    browser->navigate("https://example.org/calendar");
    browser->set_visible(false);
    QVERIFY(desktop.opened.isEmpty());
    browser->set_visible(true);
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl("https://example.org/calendar")});
}

void PlatformTest::closing_the_window_ends_the_program() {
    MessageRecorder recorder;
    auto* window = new wincal;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QTimer::singleShot(0, window, [window] { window->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // the program did not end
    QCOMPARE(QApplication::exec(), 0);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Qt's own captions come from its Japanese translation.
void PlatformTest::text_panel_menus_are_japanese() {
    MessageRecorder recorder;
    wincal window;
    auto* text_box = control<QPlainTextEdit>(window, "Text1");
    text_box->setPlainText("Korinde");
    text_box->selectAll();
    const std::unique_ptr<QMenu> menu(text_box->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) texts.append(action->text().section('\t', 0, 0));
    }
    QCOMPARE(texts, (QStringList{"元に戻す(&U)", "やり直す(&R)", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)", "削除",
                                 "すべてを選択"}));

    // The scroll bar's menu opens on a real right click, in Japanese too.
    QScrollBar* bar = text_box->verticalScrollBar();
    window.show();
    QString first_item;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&first_item] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (popup == nullptr) return;
        first_item = popup->actions().first()->text();
        popup->close();
    });
    poll.start(5);
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(2, 2), bar->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(bar, &right_click);
    QCOMPARE(first_item, QString("ここにスクロール"));
}

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
