// The korinde executable as a user starts it: the command line, and its
// surroundings (no display, no Japanese fonts). Each case runs the program.
#include <gtest/gtest.h>

#include <vector>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "korinde_version.h"

namespace {

struct Outcome {
    int status;
    QString out, err;
};

// Runs korinde with the arguments and no display, unless the environment
// given adds one; gives up after a few seconds.
Outcome korinde(const QStringList& arguments, const QStringList& environment = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
#ifndef Q_OS_WIN  // where they mean nothing, but to Wine, whose processes need them
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
#endif
    for (const QString& entry : environment) env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(KORINDE_EXECUTABLE, arguments);
    const bool finished = process.waitForFinished(10000);
    EXPECT_TRUE(finished) << arguments.join(' ').toStdString();
    // Windows ends lines with CR LF; the text is the same byte for byte.
    const auto text = [](const QByteArray& bytes) { return QString::fromUtf8(bytes).replace("\r\n", "\n"); };
    return {process.exitCode(), text(process.readAllStandardOutput()), text(process.readAllStandardError())};
}

const QString past_the_rules =
    "korinde: 祝日の規則は 2100 年までです。2101 年の祝日は規則をそのまま当てはめたもので、"
    "実際の祝日とは異なることがあります\n";
const QString version_line = QString("korinde %1\n").arg(korinde::program_version);
const QString usage =
    "使い方: korinde [--holidays=builtin|current] [--popup] [年 [月] | --list 年 | --almanac 年 [月] | --koyomi 年"
    " | --ics 年 [最後の年] [--ics-include=種類,…] | --pdf 年 [月] --output ファイル]\n";

TEST(CommandLine, AnswersWithoutADisplay) {
    struct Case {
        QStringList arguments;
        QString out_starts, err;
    };
    const Case cases[] = {
        {{"--version"}, version_line, ""},
        {{"-v"}, version_line, ""},
        {{"--help"}, usage, ""},
        {{"--list", "2026"}, "2026-01-01\t元日\n2026-01-12\t成人の日\n", ""},
        {{"--holidays=builtin", "--list", "2019"}, "2019-01-01\t元旦\n2019-01-14\t成人の日\n", ""},
        {{"--list", "2101"}, "2101-01-01\t元日\n", past_the_rules},
        {{"--almanac", "2026", "12"},
         "2026-12-01\t火\t令和8年\t10月23日\t友引\t\t\t己酉\t\t下弦 15:09\t06:32-16:28\n",
         ""},
        {{"--holidays=builtin", "--almanac", "1873"},
         "1873-01-01\t水\t明治6年\t12月3日\t友引\t\t元旦\t癸丑\t\t\t06:51-16:39\n",
         ""},
        {{"--koyomi", "2026"}, "2026-01-03 19:03\t朔弦望\t望\t\n2026-01-05 17:23\t節気\t小寒\t285\n", ""},
        {{"--almanac", "2026", "1"}, "2026-01-01\t木\t令和8年\t11月13日\t大安\t\t元日\t乙亥\t\t\t06:51-16:38\n", ""},
        // Fifty years, the most at once.
        {{"--ics", "1", "50", "--ics-include=holidays"}, "BEGIN:VCALENDAR\nVERSION:2.0\n", ""},
        {{"--koyomi", "２１００"}, "2100-01-0", ""},
        {{"--list", "２０２６"}, "2026-01-01\t元日\n", ""},
        {{"--almanac", "２０２６", "１２"}, "2026-12-01\t火\t令和8年\t10月23日\t友引\t", ""},
        {{"--almanac", "2019", "5"}, "2019-05-01\t水\t令和元年\t3月27日\t大安\t\t即位の日\t", ""},
    };
    for (const auto& c : cases) {
        const Outcome run = korinde(c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.startsWith(c.out_starts)) << run.out.toStdString();
        EXPECT_EQ(run.err, c.err) << c.arguments.join(' ').toStdString();
    }
    const QStringList almanac_2026 = korinde({"--almanac", "2026"}).out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(almanac_2026.size(), 365);
    EXPECT_EQ(almanac_2026[340], "2026-12-07\t月\t令和8年\t10月29日\t友引\t大雪\t\t乙卯\t\t\t06:37-16:28");
    // Every day's 節気 and 雑節 and every phase once, as --koyomi lists them.
    const QStringList koyomi_2026 = korinde({"--koyomi", "2026"}).out.split('\n', Qt::SkipEmptyParts);
    qsizetype columns_named = 0;
    for (const QString& line : almanac_2026) {
        const QStringList column = line.split('\t');
        columns_named +=
            !column[5].isEmpty() + (column[8].isEmpty() ? 0 : column[8].count("・") + 1) + !column[9].isEmpty();
    }
    EXPECT_EQ(koyomi_2026.size(), columns_named);
}

// Every output but the plain window gives today's law unless told otherwise:
// 2/23 天皇誕生日 and 8/11 山の日, no 12/23, and 元日; the built-in rules the
// reverse.
// --help's right column starts 24 terminal columns in, counting two for each
// ideograph and one for the ellipsis; a row too wide for the left column
// stands alone, and its text goes on under the right column.
TEST(CommandLine, HelpKeepsItsColumns) {
    const QStringList lines = korinde({"--help"}).out.split('\n');
    for (const QString& line : {
             QString("  年 [月]               その月を開きます (月を省くと今日の月)"),
             QString(
                 "  --ics-include=種類,…  --ics に含めるものをコンマ区切りで選びます (既定: holidays,sekki,zassetsu):"),
             QString("                        (タブ区切り、1873 年から 2100 年まで)"),
             QString("  --pdf 年 [月] --output ファイル"),
             QString("  -h, --help            この説明を表示します"),
         }) {
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    }
}

TEST(CommandLine, TodaysLawUnlessToldOtherwise) {
    struct Output {
        QStringList arguments;
        QString holiday_on;  // a pattern of a holiday on a date, %1 its MMDD, %2 its name
    };
    const Output outputs[] = {
        {{"--list", "2026"}, "^2026-%1\t%2$"},
        {{"--almanac", "2026"}, "^2026-%1(\t[^\t]*){5}\t%2\t"},
        {{"--ics", "2026"}, "^UID:2026%1-holiday@korinde\r?\n(.+\n)*?SUMMARY:%2\r?$"},
    };
    struct Day {
        QString date, name;
        bool current, builtin;
    };
    const Day days[] = {{"01-01", "元日", true, false},
                        {"01-01", "元旦", false, true},
                        {"02-23", "天皇誕生日", true, false},
                        {"08-11", "山の日", true, false},
                        {"12-23", "天皇誕生日", false, true}};
    for (const Output& output : outputs) {
        for (const bool builtin : {false, true}) {
            QStringList arguments = output.arguments;
            if (builtin) arguments.prepend("--holidays=builtin");
            const QString text = korinde(arguments).out;
            for (const Day& day : days) {
                QString date = day.date;
                if (output.arguments[0] == "--ics") date.remove('-');
                const QRegularExpression pattern(output.holiday_on.arg(date, day.name),
                                                 QRegularExpression::MultilineOption);
                EXPECT_EQ(pattern.match(text).hasMatch(), builtin ? day.builtin : day.current)
                    << arguments.join(' ').toStdString() << ": " << day.date.toStdString() << " "
                    << day.name.toStdString();
            }
        }
    }
}

TEST(CommandLine, RefusesBadInputWithStatus2) {
    const auto missing_value = [](const QString& option, const QString& example) {
        return "korinde: " + option + " には値を指定してください (例: " + example + ")\n";
    };
    const QString kinds_wanted =
        "korinde: --ics-include には holidays、sekki、zassetsu、moon、rokuyo をコンマで区切って指定してください: ";
    const std::pair<QStringList, QString> cases[] = {
        {{"--foo"}, "korinde: 知らないオプションです: --foo\n"},
        {{"abc"}, "korinde: 年には 1 から 32767 までの数を指定してください: abc\n"},
        {{"0"}, "korinde: 年には 1 から 32767 までの数を指定してください: 0\n"},
        {{"32768"}, "korinde: 年には 1 から 32767 までの数を指定してください: 32768\n"},
        {{"2026", "13"}, "korinde: 月には 1 から 12 までの数を指定してください: 13\n"},
        {{"2026", "5", "1"}, "korinde: 余分な引数があります: 1\n"},
        {{"--holidays=new"}, "korinde: --holidays には builtin か current を指定してください: new\n"},
        {{"--list"}, missing_value("--list", "--list 2026")},
        {{"--koyomi"}, missing_value("--koyomi", "--koyomi 2026")},
        {{"--ics"}, missing_value("--ics", "--ics 2026")},
        {{"--almanac"}, missing_value("--almanac", "--almanac 2026 12")},
        {{"--pdf"}, missing_value("--pdf", "--pdf 2026")},
        {{"--list", "2026", "--holidays"}, missing_value("--holidays", "--holidays=current")},
        {{"--pdf", "2026", "--output"}, missing_value("--output", "--output 2026.pdf")},
        {{"--ics", "2026", "--ics-include"}, missing_value("--ics-include", "--ics-include=holidays,sekki")},
        {{"--koyomi", "2026", "--holidays=builtin"},
         "korinde: --koyomi の暦に祝日はないため、--holidays とは一緒に指定できません\n"},
        {{"--ics", "1872"}, "korinde: 暦注の年には 1873 から 2100 までの数を指定してください: 1872\n"},
        {{"--ics", "2026", "2101"}, "korinde: 暦注の年には 1873 から 2100 までの数を指定してください: 2101\n"},
        {{"--ics", "0", "--ics-include=holidays"}, "korinde: 祝日の年には 1 から 2100 までの数を指定してください: 0\n"},
        {{"--ics", "2026", "2025"}, "korinde: 最後の年には最初の年と同じか後の年を指定してください: 2025\n"},
        {{"--ics", "2000", "2050"}, "korinde: 一度に書き出せるのは 50 年までです: 2000 2050\n"},
        {{"--ics", "2026", "--ics-include=holidays,moons"}, kinds_wanted + "holidays,moons\n"},
        {{"--ics", "2026", "--ics-include="}, kinds_wanted + "\n"},
        {{"--ics-include=moon", "--list", "2026"}, "korinde: --ics-include は --ics と一緒に指定してください\n"},
        {{"--ics", "2026", "--pdf", "2026"}, "korinde: --ics と --pdf は一緒に指定できません\n"},
        {{"--ics", "2026", "--list", "2026"}, "korinde: --list と --ics は一緒に指定できません\n"},
        {{"--pdf", "2026"}, "korinde: --pdf には --output で書き出すファイルを指定してください\n"},
        {{"--pdf", "2026", "13", "--output", "x.pdf"}, "korinde: 月には 1 から 12 までの数を指定してください: 13\n"},
        {{"--pdf", "2101", "--output", "x.pdf"},
         "korinde: 暦注の年には 1873 から 2100 までの数を指定してください: 2101\n"},
        {{"--output", "x.pdf", "--ics", "2026"}, "korinde: --output は --pdf と一緒に指定してください\n"},
        {{"--popup", "--pdf", "2026", "--output", "x.pdf"}, "korinde: --popup と一緒には指定できません: --pdf\n"},
        {{"--koyomi", "1872"}, "korinde: 暦注の年には 1873 から 2100 までの数を指定してください: 1872\n"},
        {{"--koyomi", "2026", "12"}, "korinde: 余分な引数があります: 12\n"},
        {{"--almanac", "2026", "--koyomi", "2026"}, "korinde: --almanac と --koyomi は一緒に指定できません\n"},
        {{"--popup", "--koyomi", "2026"}, "korinde: --popup と一緒には指定できません: --koyomi\n"},
        {{"--almanac", "1872"}, "korinde: 暦注の年には 1873 から 2100 までの数を指定してください: 1872\n"},
        {{"--almanac", "2101"}, "korinde: 暦注の年には 1873 から 2100 までの数を指定してください: 2101\n"},
        {{"--almanac", "2026", "0"}, "korinde: 月には 1 から 12 までの数を指定してください: 0\n"},
        {{"--almanac", "2026", "--list", "2026"}, "korinde: --list と --almanac は一緒に指定できません\n"},
        {{"--popup", "--list", "2026"}, "korinde: --popup と一緒には指定できません: --list\n"},
        {{"--popup", "--almanac", "2026"}, "korinde: --popup と一緒には指定できません: --almanac\n"},
        {{"--help", "--popup"}, "korinde: --popup と一緒には指定できません: --help\n"},
        {{"--popup", "-v"}, "korinde: --popup と一緒には指定できません: --version\n"},
        {{"--list", "x"}, "korinde: 年には 1 から 32767 までの数を指定してください: x\n"},
        {{"--list", "２０２６年"}, "korinde: 年には 1 から 32767 までの数を指定してください: ２０２６年\n"},
        {{"２０２６", "－１"}, "korinde: 月には 1 から 12 までの数を指定してください: －１\n"},
        {{"--list", "2026", "5"}, "korinde: 余分な引数があります: 5\n"},
    };
    for (const auto& [arguments, complaint] : cases) {
        const Outcome run = korinde(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, complaint + usage) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

// Without a display, one line; when Qt cannot start its platform, Qt's own
// reason on a second.
#ifndef Q_OS_WIN
// An output that cannot take the text is a failure, and said to be one.
TEST(CommandLine, SaysWhenTheOutputCannotBeWritten) {
    for (const QStringList& arguments : {QStringList{"--list", "2026"}, QStringList{"--ics", "2026"}}) {
        QProcess process;
        process.setStandardOutputFile("/dev/full");
        process.start(KORINDE_EXECUTABLE, arguments);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(process.readAllStandardError(), "korinde: 標準出力に書き出せません\n");
    }
}
#endif

TEST(CommandLine, SaysPlainlyThatADisplayIsNeeded) {
    const QString needed = "korinde: 画面に表示できません。グラフィカルなデスクトップの中で起動してください。\n";
    const std::vector<std::pair<QStringList, QString>> cases = {
#ifndef Q_OS_WIN  // where a desktop always has a display
        {{}, ""},
        {{"DISPLAY=:32000"}, "(Qt: could not connect to display :32000)\n"},
        {{"QT_QPA_PLATFORM="}, ""},  // left empty by a script: Qt reads it as unset
#endif
        {{"QT_QPA_PLATFORM=bogus"}, "(Qt: Could not find the Qt platform plugin \"bogus\" in \"\")\n"},
    };
    for (const auto& [environment, reason] : cases) {
        const Outcome run = korinde({"2026"}, environment);
        EXPECT_EQ(run.status, 1) << environment.join(' ').toStdString();
        EXPECT_EQ(run.err, needed + reason);
    }
}

#ifndef Q_OS_WIN
// A popup in a Wayland session takes XWayland, where it can open at the
// pointer; without an X display it says why it opens where it is put.
TEST(CommandLine, PopupInAWaylandSessionTakesXWaylandOrSaysWhy) {
    const std::pair<QStringList, QString> cases[] = {
        {{"WAYLAND_DISPLAY=wayland-32000", "DISPLAY=:32000"}, "(Qt: could not connect to display :32000)\n"},
        {{"WAYLAND_DISPLAY=wayland-32000"}, "デスクトップが決めた位置に開きます。\n"},
        {{"QT_QPA_PLATFORM=", "XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-32000", "DISPLAY=:32000"},
         "(Qt: could not connect to display :32000)\n"},
    };
    for (const auto& [environment, said] : cases) {
        const Outcome run = korinde({"--popup"}, environment);
        EXPECT_EQ(run.status, 1) << environment.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(said)) << run.err.toStdString();
    }
}
#endif

// Without a face that writes Japanese the window still opens, and stderr
// names the package to install.
TEST(CommandLine, NamesTheFontPackageWhenJapaneseFacesAreMissing) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the fonts are hidden through fontconfig, which Windows does not use";
#endif
    QTemporaryDir dir;
    const QString config = dir.filePath("fonts.conf");
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<?xml version=\"1.0\"?><fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                              "<cachedir>%1</cachedir></fontconfig>")
                   .arg(dir.filePath("cache"))
                   .toUtf8());
    file.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("FONTCONFIG_FILE", config);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(KORINDE_EXECUTABLE, {});
    QString err;
    for (int waited = 0; waited < 100 && !err.contains("fonts-ipafont-gothic"); ++waited) {
        process.waitForReadyRead(100);
        err += QString::fromUtf8(process.readAllStandardError());
    }
    EXPECT_TRUE(err.contains("korinde: 日本語のフォントが見つかりません。fonts-ipafont-gothic")) << err.toStdString();
    EXPECT_EQ(process.state(), QProcess::Running);  // the window is open
    process.kill();
    process.waitForFinished();
}

}  // namespace
