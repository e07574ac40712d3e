// The --pdf module: the printed sheets, painted by Qt Gui.
#include <exception>
#include <optional>
#include <string>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "app/export_entry.h"
#include "engine/holidays.h"
#include "korinde_version.h"
#include "pdf/sheet_painter.h"
#include "view/sheet.h"
#include "view/sheet_parts.h"

namespace {

void tell(KorindeWrite err, void* context, const std::string& text) {
    const std::string line = text + "\n";
    err(context, line.data(), line.size());
}

// Painted offscreen, so that no display is needed. Windows always has one,
// and there Qt's own platform reads the system's fonts as they are
// installed, where the offscreen one would scan the whole fonts folder.
void choose_platform() {
#ifndef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
}

// Qt looks for a Wayland socket in the session's runtime folder even when
// told to paint offscreen, and warns where there is none (cron, ssh); the
// sheets need no such folder, so that warning is not passed on.
QtMessageHandler passed_on = nullptr;
void without_runtime_folder_warning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
    if (passed_on != nullptr) passed_on(type, context, message);
}

// Why the file cannot be written, in the program's own words; the system's
// are in the user's locale at best.
QString reason_of(const QSaveFile& file) {
    const QFileInfo info(file.fileName());
    if (info.isDir()) return "フォルダーの名前です";
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir()) return "フォルダーがありません";
    if (!folder.isWritable()) return "フォルダーに書き込む権限がありません";
    if (file.error() == QFileDevice::ResourceError) return "ディスクに空きがありません";
    return "書き込めません: " + file.errorString();
}

kyotu1::sheet::Rules rules_of(const KorindePdfRequest& request) {
    return {request.current_law != 0 ? kyotu1::HolidayLaw::current : kyotu1::HolidayLaw::builtin,
            request.announced_through};
}

// "2026年の暦　祝日は現行の祝日法による": the title says which rules too.
QString title_of(const KorindePdfRequest& request) {
    QString title = QString("%1年").arg(request.year);
    if (request.month != 0) title += QString("%1月").arg(request.month);
    const auto rules =
        QString::fromStdString(kyotu1::sheet::rules_text(static_cast<std::int16_t>(request.year), rules_of(request)));
    return title + "の暦\u3000" + rules;
}

// Every page into the writer; what went wrong, or nothing.
std::optional<QString> paint_pages(QPdfWriter& writer, const KorindePdfRequest& request) {
    QPainter painter;
    if (!painter.begin(&writer)) return "描画を始められません";
    const auto year = static_cast<std::int16_t>(request.year);
    const kyotu1::sheet::Rules rules = rules_of(request);
    if (request.month != 0) {
        korinde::paint_sheet(painter, kyotu1::sheet::month_page(year, static_cast<std::int16_t>(request.month), rules));
    } else {
        korinde::paint_sheet(painter, kyotu1::sheet::year_page(year, rules));
        for (std::int16_t month = 1; month <= 12; ++month) {
            if (!writer.newPage()) return "ページを加えられません";
            korinde::paint_sheet(painter, kyotu1::sheet::month_page(year, month, rules));
        }
    }
    if (!painter.end()) return "描画を終えられません";
    return std::nullopt;
}

int write_pdf(int argc, char** argv, const KorindePdfRequest& request, KorindeWrite err, void* context) {
    choose_platform();
    passed_on = qInstallMessageHandler(without_runtime_folder_warning);
    const QGuiApplication app(argc, argv);
    const QString path = QString::fromUtf8(request.output);
    const auto cannot_write = [&](const QString& reason) {
        tell(err, context,
             ("korinde: PDF を書き出せません: " + QDir::toNativeSeparators(path) + " (" + reason + ")").toStdString());
        return 1;
    };
    // Written beside the file and put in its place only once whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return cannot_write(reason_of(file));
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
        writer.setResolution(600);
        writer.setTitle(title_of(request));
        writer.setCreator(QString("Korinde ") + korinde::program_version);
        if (const auto failed = paint_pages(writer, request)) return cannot_write(*failed);
    }
    if (!file.commit()) return cannot_write(reason_of(file));
    return 0;
}

}  // namespace

// Nothing thrown crosses back into the program: the boundary is C's.
extern "C" Q_DECL_EXPORT int korinde_write_pdf(int argc, char** argv, const KorindePdfRequest* request,
                                               KorindeWrite err, void* context) {
    try {
        return write_pdf(argc, argv, *request, err, context);
    } catch (const std::exception& error) {
        tell(err, context, std::string("korinde: PDF を書き出せません (") + error.what() + ")");
        return 1;
    }
}
