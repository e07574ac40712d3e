#include "app/process.h"

#include <QFileInfo>

#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <vector>
#endif

namespace korinde {

QString program_folder() {
#ifdef _WIN32
    // A path may be longer than MAX_PATH; the call says so by filling the buffer.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            return QFileInfo(QString::fromWCharArray(path.data(), static_cast<qsizetype>(length))).canonicalPath();
        }
        path.resize(path.size() * 2);
    }
#else
    return QFileInfo(QFileInfo("/proc/self/exe").canonicalFilePath()).path();
#endif
}

QStringList program_arguments(int argc, char** argv) {
    QStringList arguments;
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) arguments << QString::fromWCharArray(wide[i]);
        LocalFree(static_cast<HLOCAL>(wide));
        return arguments;
    }
#endif
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace korinde
