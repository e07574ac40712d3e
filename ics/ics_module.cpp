// The --ics module: the years' entries as an iCalendar file, by libical.
#include <ctime>
#include <exception>
#include <string>

#include <QtGlobal>

#include "app/export_entry.h"
#include "engine/holidays.h"
#include "ics/ical_text.h"
#include "korinde_version.h"

namespace {

void write(KorindeWrite to, void* context, const std::string& text) { to(context, text.data(), text.size()); }

}  // namespace

// Nothing thrown crosses back into the program: the boundary is C's.
extern "C" Q_DECL_EXPORT int korinde_write_ics(const KorindeIcsRequest* request, KorindeWrite out, KorindeWrite err,
                                               void* context) {
    try {
        const auto law = request->current_law != 0 ? kyotu1::HolidayLaw::current : kyotu1::HolidayLaw::builtin;
        const auto entries = kyotu1::calendar_entries(
            {request->first_year, request->last_year, request->kinds, law, request->announced_through});
        write(out, context, korinde::ical_text(entries, law, korinde::program_version, std::time(nullptr)));
        return 0;
    } catch (const std::exception& error) {
        write(err, context, std::string("korinde: iCalendar を書き出せません (") + error.what() + ")\n");
        return 1;
    }
}
