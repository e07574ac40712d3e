// Between the program and its export modules: --ics loads one that links
// libical, --pdf one that links Qt Gui, so that no other start loads either.
#pragma once

#include <cstddef>

extern "C" {

// The program fills in every field; a module has no defaults of its own.
struct KorindeIcsRequest {
    int current_law;  // 1 for today's holiday law, 0 for the built-in rules
    int first_year;
    int last_year;
    unsigned kinds;         // EntryKinds (view/calendar_entries.h)
    int announced_through;  // the last year whose equinox days are announced, as of today
};

struct KorindePdfRequest {
    int current_law;
    int year;
    int month;           // 0 for the whole year: its overview and twelve months
    const char* output;  // the file to write, UTF-8
    int announced_through;
};

// Where a module's output goes: text for the standard output, or a message
// for the standard error; the program writes both, so that a module never
// needs streams of its own.
using KorindeWrite = void (*)(void* context, const char* data, std::size_t size);

// Writes the calendar through `out`; returns the exit status, having told
// why through `err` when it is not 0.
int korinde_write_ics(const KorindeIcsRequest* request, KorindeWrite out, KorindeWrite err, void* context);

// Writes the PDF file, replacing one there only once it is whole.
int korinde_write_pdf(int argc, char** argv, const KorindePdfRequest* request, KorindeWrite err, void* context);
}

namespace korinde {
inline constexpr const char* write_ics_symbol = "korinde_write_ics";
inline constexpr const char* write_pdf_symbol = "korinde_write_pdf";
using WriteIcs = int (*)(const KorindeIcsRequest*, KorindeWrite, KorindeWrite, void*);
using WritePdf = int (*)(int, char**, const KorindePdfRequest*, KorindeWrite, void*);
}  // namespace korinde
