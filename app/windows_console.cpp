#include "app/windows_console.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include <iostream>
#include <optional>
#include <streambuf>
#include <string_view>
#include <utility>
#include <vector>
#else
#include "engine/standard_streams.h"
#endif

namespace korinde {

#ifdef _WIN32
namespace {

std::wstring wide_text(std::string_view text) {
    const int bytes = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), bytes, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), bytes, wide.data(), length);
    return wide;
}

// Writes UTF-8 to a console as UTF-16, holding back a character whose bytes
// have not all arrived, so that no code page of the console garbles it.
class ConsoleBuffer final : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        pending_ += traits_type::to_char_type(c);
        return c == '\n' && sync() != 0 ? traits_type::eof() : c;
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending_.append(text, static_cast<std::size_t>(count));
        return sync() == 0 ? count : 0;
    }
    int sync() override {
        const std::size_t whole = complete_length(pending_);
        if (whole == 0) return 0;
        const std::wstring wide = wide_text(std::string_view(pending_).substr(0, whole));
        pending_.erase(0, whole);
        DWORD written = 0;
        return WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0 ? 0 : -1;
    }

private:
    // The length of the text up to a last character that is still incomplete.
    static std::size_t complete_length(std::string_view text) {
        for (std::size_t back = 1; back <= 4 && back <= text.size(); ++back) {
            const auto byte = static_cast<unsigned char>(text[text.size() - back]);
            if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
            const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return needed > back ? text.size() - back : text.size();
        }
        return text.size();
    }

    HANDLE console_;
    std::string pending_;
};

bool is_redirected(HANDLE handle) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
    const DWORD type = GetFileType(handle);
    return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}

bool is_console(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

// Each stream that reaches a console writes to it as wide characters; the
// buffers are restored, flushed, before the streams themselves close.
class ConsoleStreams {
public:
    void write_to_console(std::ostream& stream, DWORD which, HANDLE console) {
        SetStdHandle(which, console);
        auto& buffer = which == STD_OUTPUT_HANDLE ? output_ : error_;
        buffer.emplace(console);
        restore_.emplace_back(&stream, stream.rdbuf(&*buffer));
        stream.clear();
    }
    ~ConsoleStreams() {
        for (auto& [stream, original] : restore_) {
            stream->flush();
            stream->rdbuf(original);
        }
    }

private:
    std::optional<ConsoleBuffer> output_;
    std::optional<ConsoleBuffer> error_;
    std::vector<std::pair<std::ostream*, std::streambuf*>> restore_;
};

}  // namespace

void use_parent_console() {
    static ConsoleStreams streams;
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (is_redirected(output) && is_redirected(error)) return;  // both are files or pipes already
    HANDLE console = is_console(output) ? output : is_console(error) ? error : nullptr;
    if (console == nullptr) {
        if (AttachConsole(ATTACH_PARENT_PROCESS) == 0) return;  // started from the desktop: nowhere to print
        console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
        if (console == INVALID_HANDLE_VALUE) return;
    }
    if (!is_redirected(output)) streams.write_to_console(std::cout, STD_OUTPUT_HANDLE, console);
    if (!is_redirected(error)) streams.write_to_console(std::cerr, STD_ERROR_HANDLE, console);
}

void report_failure(const std::string& text) {
    std::cerr << text << std::endl;
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (is_redirected(error) || is_console(error)) return;
    MessageBoxW(nullptr, wide_text(text).c_str(), L"Korinde", MB_OK | MB_ICONERROR);
}
void binary_standard_output() {
    std::cout.flush();
    // A console takes wide characters through its own buffer instead.
    if (is_redirected(GetStdHandle(STD_OUTPUT_HANDLE))) _setmode(_fileno(stdout), _O_BINARY);
}

#else
void binary_standard_output() {}

void use_parent_console() {}

void report_failure(const std::string& text) { kyotu1::print_err(text + '\n'); }
#endif

}  // namespace korinde
