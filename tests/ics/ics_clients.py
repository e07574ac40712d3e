"""The iCalendar files of --ics as other calendar programs read them.

Each file is read as bytes (CR LF line ends, lines folded at 75 octets
without splitting a character), by libical (through ctypes, with RFC 5545's
restrictions) and by Python's icalendar; its events must be exactly those
--list, --koyomi and --almanac print for the same years, named for their
holiday rules. khal then imports one into a fresh calendar, lists its
holidays, and imports it again without doubling; and a file of today's law
imported over one of the built-in rules replaces 元旦 by 元日.
Usage: ics_clients.py KORINDE
"""
import collections
import ctypes
import datetime
import os
import subprocess
import sys
import tempfile

import icalendar

korinde = sys.argv[1]
ALL_KINDS = 'holidays,sekki,zassetsu,moon,rokuyo'
CASES = [  # arguments, years, kinds
    (['--ics', '2026'], [2026], 'holidays,sekki,zassetsu'),
    (['--ics', '2099', '2100', '--ics-include=' + ALL_KINDS], [2099, 2100], ALL_KINDS),
    (['--holidays=builtin', '--ics', '2019', '2020', '--ics-include=holidays,moon'], [2019, 2020], 'holidays,moon'),
    (['--holidays=builtin', '--ics', '1600', '--ics-include=holidays'], [1600], 'holidays'),
]
CALENDARS = {  # by the rules: name, description
    '--holidays=builtin': ('日本の祝日と暦（内蔵の祝日規則・2004年）',
                           '内蔵の祝日規則（2004年）による日本の祝日と暦で、現行の祝日法とは異なります。'),
    'current': ('日本の祝日と暦', '現行の祝日法による日本の祝日と暦です。'),
}
UID_KINDS = {'祝日': 'holiday', '二十四節気': 'sekki', '雑節': 'zassetsu', '月相': 'moon', '六曜': 'rokuyo'}
UNANNOUNCED = '（暦要項の発表前の計算）'
KOYOMI_KINDS = {'節気': ('sekki', '二十四節気'), '雑節': ('zassetsu', '雑節'), '朔弦望': ('moon', '月相')}
failures = []


def run(*arguments):
    return subprocess.run([korinde, *arguments], check=True, capture_output=True).stdout


def check(condition, what):
    if not condition:
        failures.append(what)


def expected_events(arguments, years, kinds):
    """(date, category, summary) of every event the lists give."""
    law = [a for a in arguments if a.startswith('--holidays=')]
    events = collections.Counter()
    for year in years:
        if 'holidays' in kinds:
            for date, name in (line.split('\t') for line in run(*law, '--list', str(year)).decode().splitlines()):
                events[(date, '祝日', name)] += 1
        for line in run('--koyomi', str(year)).decode().splitlines() if year >= 1873 else []:
            when, kind, name, _ = line.split('\t')
            word, category = KOYOMI_KINDS[kind]
            date, minute = when.split(' ')
            hour, minutes = minute.split(':')
            if word in kinds:
                events[(date, category, f'{name} {int(hour)}:{minutes}' if kind == '朔弦望' else name)] += 1
        if 'rokuyo' in kinds:
            for columns in (line.split('\t') for line in run(*law, '--almanac', str(year)).decode().splitlines()):
                events[(columns[0], '六曜', columns[4])] += 1
    return events


def read_events(data, what, rules='current'):
    """The events as Python's icalendar reads them, each checked on the way."""
    calendar = icalendar.Calendar.from_ical(data)
    name, description = CALENDARS[rules]
    check([str(calendar[key]) for key in ('NAME', 'X-WR-CALNAME', 'DESCRIPTION', 'X-WR-CALDESC')]
          == [name, name, description, description], what + ': calendar name or description')
    check(str(calendar['PRODID']).startswith('-//Korinde Project//Korinde '), what + ': PRODID')
    events, uids = collections.Counter(), set()
    for event in calendar.walk('VEVENT'):
        start, end, uid = event.decoded('DTSTART'), event.decoded('DTEND'), str(event['UID'])
        check(type(start) is datetime.date and end == start + datetime.timedelta(days=1), what + ': not all day')
        check(str(event['TRANSP']) == 'TRANSPARENT' and 'DTSTAMP' in event, what + ': TRANSP or DTSTAMP')
        category, summary = str(event['CATEGORIES'].cats[0]), str(event['SUMMARY'])
        prefix = start.strftime('%Y%m%d-') + UID_KINDS[category]
        check(uid.isascii() and uid.startswith(prefix) and '%' not in uid and uid not in uids, what + ': UID ' + uid)
        uids.add(uid)
        check((str(event.get('X-MICROSOFT-CDO-BUSYSTATUS')) == 'FREE') == (category == '祝日'), what + ': busy')
        if summary in ('春分の日', '秋分の日'):
            today = datetime.date.today()  # the government announces next year's on 1 February
            noted = rules == 'current' and start.year > today.year + (today.month >= 2)
            check(str(event['DESCRIPTION']).endswith(summary + UNANNOUNCED) == noted, what + ': ' + summary)
        events[(start.isoformat(), category, summary)] += 1
    return events


def libical_counts(data):
    """The events of each category as libical reads them; None where it finds errors."""
    ical = ctypes.CDLL('libical.so.3')
    pointer = ctypes.c_void_p
    for name, result, arguments in [('icalparser_parse_string', pointer, [ctypes.c_char_p]),
                                    ('icalcomponent_get_first_component', pointer, [pointer, ctypes.c_int]),
                                    ('icalcomponent_get_next_component', pointer, [pointer, ctypes.c_int]),
                                    ('icalcomponent_get_first_property', pointer, [pointer, ctypes.c_int]),
                                    ('icalproperty_get_categories', ctypes.c_char_p, [pointer]),
                                    ('icalrestriction_check', ctypes.c_int, [pointer]),
                                    ('icalcomponent_count_errors', ctypes.c_int, [pointer]),
                                    ('icalcomponent_free', None, [pointer])]:
        getattr(ical, name).restype, getattr(ical, name).argtypes = result, arguments
    event, categories = ical.icalcomponent_string_to_kind(b'VEVENT'), ical.icalproperty_string_to_kind(b'CATEGORIES')
    calendar = ical.icalparser_parse_string(data)
    ical.icalrestriction_check(calendar)
    counts = collections.Counter() if ical.icalcomponent_count_errors(calendar) == 0 else None
    component = ical.icalcomponent_get_first_component(calendar, event)
    while component and counts is not None:
        category = ical.icalcomponent_get_first_property(component, categories)
        counts[ical.icalproperty_get_categories(category).decode() if category else None] += 1
        component = ical.icalcomponent_get_next_component(calendar, event)
    ical.icalcomponent_free(calendar)
    return counts


for arguments, years, kinds in CASES:
    what = ' '.join(arguments)
    data = run(*arguments)
    check(data.count(b'\n') == data.count(b'\r\n'), what + ': a line end other than CR LF')
    for line in data.split(b'\r\n'):
        check(len(line) <= 75, f'{what}: a line of {len(line)} octets')
        check(line.decode('utf-8', 'replace') == line.decode('utf-8', 'ignore'), f'{what}: a split character')
    expected = expected_events(arguments, years, kinds)
    events = read_events(data, what, arguments[0] if arguments[0] in CALENDARS else 'current')
    check(events == expected, f'{what}: events differ: {sorted((events - expected) + (expected - events))[:5]}')
    by_category = collections.Counter()
    for (_, category, _), count in expected.items():
        by_category[category] += count
    check(libical_counts(data) == by_category, f'{what}: libical counts {libical_counts(data)}')

with tempfile.TemporaryDirectory() as folder:
    config, ics, builtin_ics = (os.path.join(folder, name) for name in ('config', '2026.ics', 'builtin.ics'))
    with open(config, 'w') as file:
        file.write(f'[calendars]\n[[korinde]]\npath = {folder}/calendar\ntype = calendar\n'
                   + f'[[updated]]\npath = {folder}/updated\ntype = calendar\n[locale]\n'
                   + ''.join(f'{key} = %Y-%m-%d\n' for key in ('dateformat', 'longdateformat'))
                   + ''.join(f'{key} = %Y-%m-%d %H:%M\n' for key in ('datetimeformat', 'longdatetimeformat'))
                   + 'timeformat = %H:%M\n')
    data = run('--ics', '2026')
    with open(ics, 'wb') as file:
        file.write(data)
    with open(builtin_ics, 'wb') as file:
        file.write(run('--holidays=builtin', '--ics', '2026'))
    os.makedirs(folder + '/calendar')
    os.makedirs(folder + '/updated')
    env = dict(os.environ, XDG_DATA_HOME=folder + '/data', XDG_CACHE_HOME=folder + '/cache', TZ='Asia/Tokyo')

    def khal_import(calendar, path):
        subprocess.run(['khal', '-c', config, 'import', '--batch', '-a', calendar, path], check=True, env=env)

    def khal_list(calendar, first, last):
        return subprocess.run(['khal', '-c', config, 'list', '-a', calendar, '--day-format', '', '--format',
                               '{start-date}\t{title}\t{categories}', first, last],
                              check=True, capture_output=True, text=True, env=env).stdout

    khal_import('updated', builtin_ics)
    khal_import('updated', ics)
    new_year = [line for line in khal_list('updated', '2026-01-01', '2026-01-01').splitlines()
                if line.endswith('\t祝日')]
    check(new_year == ['2026-01-01\t元日\t祝日'], f'khal keeps the older file\'s 1 January: {new_year}')
    holidays = run('--list', '2026').decode().splitlines()
    for attempt in ('', ' after a second import'):
        khal_import('korinde', ics)
        listed = khal_list('korinde', '2026-01-01', '2026-12-31')
        check([line.rsplit('\t', 1)[0] for line in listed.splitlines() if line.endswith('\t祝日')] == holidays,
              'khal lists other holidays' + attempt)
        check(len(os.listdir(folder + '/calendar')) == sum(read_events(data, 'khal').values()),
              'khal holds another count of events' + attempt)

for failure in failures:
    print('FAIL', failure)
print(f'{len(CASES)} files read by libical and icalendar, imported by khal: {len(failures)} failures')
sys.exit(1 if failures else 0)
