// The korinde executable on a private Xvfb, as real processes: what its
// command line opens, and `korinde --popup` as a panel clock runs it, driven
// through xdotool and the popup's own socket.
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>
#include <vector>

#include "app/single_instance.h"
#include "virtual_display.h"

namespace {

// xdotool's answer, as lines.
QStringList xdotool(const QStringList& arguments) {
    QProcess process;
    process.start("xdotool", arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

int visible_windows_of(const QProcess& process) {
    return static_cast<int>(xdotool({"search", "--onlyvisible", "--pid", QString::number(process.processId())}).size());
}

bool wait_until(const std::function<bool()>& condition, int ms = 10000) {
    for (int waited = 0; waited < ms; waited += 20) {
        if (condition()) return true;
        QTest::qWait(20);
    }
    return condition();
}

std::unique_ptr<QProcess> start_popup(const QStringList& arguments = {}) {
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(KORINDE_EXECUTABLE, QStringList{"--popup"} + arguments);
    return process;
}

bool opens(QProcess& process) {
    return wait_until([&] { return process.state() == QProcess::Running && visible_windows_of(process) == 1; });
}

bool ends_well(QProcess& process) {
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Someone listens on the popup's socket: the popup does once it has shown.
bool listening() {
    QLocalSocket socket;
    socket.connectToServer(korinde::popup_socket_name());
    return socket.waitForConnected(200);
}

// A second --popup closes the first and exits 0.
bool toggle_closes(QProcess& open) {
    auto second = start_popup();
    return ends_well(*second) && ends_well(open);
}

}  // namespace

class ProgramX11Test : public QObject {
    Q_OBJECT

private slots:
    void the_command_line_reaches_the_window();
    void toggles_and_outlives_a_crash_and_garbage();
    void closes_on_esc_and_on_focus_elsewhere_but_not_for_its_boxes();
    void a_burst_of_starts_leaves_at_most_one_open();
    void opens_and_says_so_when_it_cannot_lock_or_listen();
};

// The colour of a day cell as the screen shows it, away from its number:
// cell k of the grid stands 8 + 16 (k mod 7), 40 + 16 (k div 7) pixels into
// the window, 17 pixels square.
QColor cell_colour(WId window, int cell) {
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
    return shot.pixelColor(8 + 16 * (cell % 7) + 14, 40 + 16 * (cell / 7) + 14);
}

// Read off the screen, not through the code under test: the law and the
// month given on the command line are the ones shown; the plain window
// keeps the built-in rules unless told otherwise, the popup today's law.
void ProgramX11Test::the_command_line_reaches_the_window() {
    const QColor light_red(255, 192, 192);
    const QColor white(255, 255, 255);
    struct Case {
        QStringList arguments;
        std::vector<std::pair<int, QColor>> cells;
        QString title;
    };
    const QString current = "Korinde（現行の祝日）";
    const Case cases[] = {
        // February 2026 starts on a Sunday: 23 February, 天皇誕生日 under today's law only, is cell 22.
        {{"--holidays=current", "2026", "2"}, {{22, light_red}, {23, white}}, current},
        {{"2026", "2"}, {{22, white}}, "Korinde"},
        {{"--popup", "2026", "2"}, {{22, light_red}, {23, white}}, current},
        {{"--popup", "--holidays=builtin", "2026", "2"}, {{22, white}}, "Korinde"},
        // May 2030 starts on a Wednesday: cell 2 is hidden, 1 May is cell 3, 3 May cell 5.
        {{"2030", "5"}, {{3, white}, {5, light_red}}, "Korinde"},
    };
    for (const Case& c : cases) {
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(KORINDE_EXECUTABLE, c.arguments);
        QVERIFY(wait_until([&] { return visible_windows_of(program) == 1; }));
        QTest::qWait(300);  // the first paint
        const WId window =
            xdotool({"search", "--onlyvisible", "--pid", QString::number(program.processId())}).first().toULongLong();
        for (const auto& [cell, colour] : c.cells) {
            QVERIFY2(cell_colour(window, cell) == colour,
                     qPrintable(c.arguments.join(' ') + QString(" cell %1").arg(cell)));
        }
        QCOMPARE(xdotool({"getwindowname", QString::number(window)}).value(0), c.title);
        if (c.arguments.contains("2030")) QVERIFY(cell_colour(window, 2) != white);  // hidden: the window's own grey
        if (c.arguments.contains("--popup")) {
            QVERIFY(toggle_closes(program));
            continue;
        }
        program.terminate();
        QVERIFY(program.waitForFinished(5000));
    }
}

void ProgramX11Test::toggles_and_outlives_a_crash_and_garbage() {
    auto first = start_popup();
    QVERIFY(opens(*first));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QCOMPARE(QFileInfo(korinde::popup_socket_name()).permissions() & others, QFile::Permissions());
    QVERIFY(toggle_closes(*first));

    auto crashed = start_popup();
    QVERIFY(opens(*crashed));
    QTRY_VERIFY(listening());
    crashed->kill();
    crashed->waitForFinished();
    QVERIFY(QFileInfo::exists(korinde::popup_socket_name()));  // left behind

    auto next = start_popup();
    QVERIFY(opens(*next));
    QTRY_VERIFY(listening());
    for (const QByteArray& garbage : {QByteArray("hello\n"), QByteArray("clo"), QByteArray("close\nclose\n"),
                                      QByteArray(4096, '\xff'), QByteArray()}) {
        QLocalSocket socket;
        socket.connectToServer(korinde::popup_socket_name());
        QVERIFY(socket.waitForConnected(2000));
        socket.write(garbage);
        socket.waitForBytesWritten(2000);
        QTest::qWait(100);
        socket.disconnectFromServer();
    }
    QTest::qWait(300);
    QCOMPARE(visible_windows_of(*next), 1);

    // The request in pieces, as a stream may bring it, is still the request.
    QLocalSocket asking;
    asking.connectToServer(korinde::popup_socket_name());
    QVERIFY(asking.waitForConnected(2000));
    asking.write("c");
    asking.waitForBytesWritten(2000);
    QVERIFY(!asking.waitForReadyRead(200));  // no answer to a part
    asking.write("lose\n");
    asking.waitForBytesWritten(2000);
    QVERIFY(asking.waitForReadyRead(2000));
    QCOMPARE(asking.readAll(), korinde::popup_close_answer);
    QVERIFY(ends_well(*next));
}

void ProgramX11Test::closes_on_esc_and_on_focus_elsewhere_but_not_for_its_boxes() {
    xdotool({"mousemove", "50", "50"});
    auto popup = start_popup({"2026", "1"});
    QVERIFY(opens(*popup));
    xdotool({"key", "Escape"});
    QVERIFY(ends_well(*popup));

    popup = start_popup({"2026", "1"});
    QVERIFY(opens(*popup));
    // 1 January 2026, a holiday, stands in cell 4: its centre is 80, 48 in the window.
    xdotool({"mousemove", "130", "98", "click", "1"});
    QVERIFY(wait_until([&] { return visible_windows_of(*popup) == 2; }));  // the day's message box
    QTest::qWait(300);
    xdotool({"key", "Return"});
    QVERIFY(wait_until([&] { return visible_windows_of(*popup) == 1; }));
    QTest::qWait(300);
    QCOMPARE(popup->state(), QProcess::Running);

    QWidget elsewhere;
    elsewhere.setGeometry(400, 300, 100, 100);
    elsewhere.show();
    QVERIFY(QTest::qWaitForWindowExposed(&elsewhere));
    elsewhere.activateWindow();
    QVERIFY(ends_well(*popup));
}

void ProgramX11Test::a_burst_of_starts_leaves_at_most_one_open() {
    std::vector<std::unique_ptr<QProcess>> burst;
    for (int i = 0; i < 6; ++i) burst.push_back(start_popup());
    const auto settled = [&] {
        return std::all_of(burst.begin(), burst.end(), [](const auto& p) {
            return p->state() == QProcess::NotRunning || visible_windows_of(*p) == 1;
        });
    };
    QVERIFY(wait_until(settled, 20000));
    QTest::qWait(500);
    QVERIFY(settled());
    const auto open =
        std::count_if(burst.begin(), burst.end(), [](const auto& p) { return p->state() == QProcess::Running; });
    QVERIFY2(open <= 1, qPrintable(QString("%1 popups open").arg(open)));
    for (const auto& p : burst) QVERIFY(p->state() == QProcess::Running || p->exitCode() == 0);
    for (const auto& p : burst) {
        if (p->state() == QProcess::Running) QVERIFY(toggle_closes(*p));
    }
}

// A folder where the socket or the lock file belongs: the popup opens all the
// same, says what it cannot do, and Esc still closes it.
void ProgramX11Test::opens_and_says_so_when_it_cannot_lock_or_listen() {
    const QString socket = korinde::popup_socket_name();
    const std::pair<QString, QString> cases[] = {
        {socket, "ポップアップの待ち受けを始められません"},
        {socket + ".lock", "ロックを取れません"},
    };
    for (const auto& [taken, said] : cases) {
        QFile::remove(taken);  // the lock file an earlier popup left, empty
        QVERIFY2(QDir().mkpath(taken), qPrintable(taken));
        QProcess popup;
        popup.start(KORINDE_EXECUTABLE, {"--popup"});
        QVERIFY2(opens(popup), qPrintable(taken));
        QString err;
        QVERIFY2(wait_until([&] { return (err += QString::fromUtf8(popup.readAllStandardError())).contains(said); }),
                 qPrintable(err));
        xdotool({"key", "Escape"});
        QVERIFY(ends_well(popup));
        QVERIFY(QDir(taken).removeRecursively());
    }
}

// The D-Bus connection that Qt keeps for the session under xcb is the library's.
extern "C" const char* __lsan_default_suppressions() {  // NOLINT(bugprone-reserved-identifier)
    return "leak:libdbus-1.so\n";
}

int main(int argc, char* argv[]) {
    korinde_test::VirtualDisplay display;
    // A runtime folder of the test's own, so no popup of the user's is touched.
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication app(argc, argv);
    ProgramX11Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "program_x11_test.moc"
