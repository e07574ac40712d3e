"""The iCalendar files of --ics as other calendar programs read them.

Each file is read as bytes (CR LF line ends, lines folded at 75 octets
without splitting a character), by libical (through ctypes, with RFC 5545's
restrictions) and by Python's icalendar; its events must be exactly those
--list, --koyomi and --almanac print for the same years. khal then imports
one into a fresh calendar, lists its holidays, and imports it again without
doubling. Usage: ics_clients.py KORINDE
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
    (['--holidays=current', '--ics', '2019', '2020', '--ics-include=holidays,moon'], [2019, 2020], 'holidays,moon'),
    (['--ics', '1600', '--ics-include=holidays'], [1600], 'holidays'),
]
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


def read_events(data, what):
    """The events as Python's icalendar reads them, each checked on the way."""
    calendar = icalendar.Calendar.from_ical(data)
    check(str(calendar['X-WR-CALNAME']) == '日本の祝日と暦', what + ': calendar name')
    check(str(calendar['PRODID']).startswith('-//Korinde Project//Korinde '), what + ': PRODID')
    events, uids = collections.Counter(), set()
    for event in calendar.walk('VEVENT'):
        start, end, uid = event.decoded('DTSTART'), event.decoded('DTEND'), str(event['UID'])
        check(type(start) is datetime.date and end == start + datetime.timedelta(days=1), what + ': not all day')
        check(str(event['TRANSP']) == 'TRANSPARENT' and 'DTSTAMP' in event, what + ': TRANSP or DTSTAMP')
        check(uid.isascii() and uid.startswith(start.strftime('%Y%m%d-')) and uid not in uids, what + ': UID ' + uid)
        uids.add(uid)
        events[(start.isoformat(), str(event['CATEGORIES'].cats[0]), str(event['SUMMARY']))] += 1
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
    events = read_events(data, what)
    check(events == expected, f'{what}: events differ: {sorted((events - expected) + (expected - events))[:5]}')
    by_category = collections.Counter()
    for (_, category, _), count in expected.items():
        by_category[category] += count
    check(libical_counts(data) == by_category, f'{what}: libical counts {libical_counts(data)}')

with tempfile.TemporaryDirectory() as folder:
    config, ics = os.path.join(folder, 'config'), os.path.join(folder, '2026.ics')
    with open(config, 'w') as file:
        file.write(f'[calendars]\n[[korinde]]\npath = {folder}/calendar\ntype = calendar\n[locale]\n'
                   + ''.join(f'{key} = %Y-%m-%d\n' for key in ('dateformat', 'longdateformat'))
                   + ''.join(f'{key} = %Y-%m-%d %H:%M\n' for key in ('datetimeformat', 'longdatetimeformat'))
                   + 'timeformat = %H:%M\n')
    data = run('--ics', '2026')
    with open(ics, 'wb') as file:
        file.write(data)
    os.makedirs(folder + '/calendar')
    env = dict(os.environ, XDG_DATA_HOME=folder + '/data', XDG_CACHE_HOME=folder + '/cache', TZ='Asia/Tokyo')
    holidays = run('--list', '2026').decode().splitlines()
    for attempt in ('', ' after a second import'):
        subprocess.run(['khal', '-c', config, 'import', '--batch', '-a', 'korinde', ics], check=True, env=env)
        listed = subprocess.run(['khal', '-c', config, 'list', '--day-format', '', '--format',
                                 '{start-date}\t{title}\t{categories}', '2026-01-01', '2026-12-31'],
                                check=True, capture_output=True, text=True, env=env).stdout
        check([line.rsplit('\t', 1)[0] for line in listed.splitlines() if line.endswith('\t祝日')] == holidays,
              'khal lists other holidays' + attempt)
        check(len(os.listdir(folder + '/calendar')) == sum(read_events(data, 'khal').values()),
              'khal holds another count of events' + attempt)

for failure in failures:
    print('FAIL', failure)
print(f'{len(CASES)} files read by libical and icalendar, one imported twice by khal: {len(failures)} failures')
sys.exit(1 if failures else 0)
