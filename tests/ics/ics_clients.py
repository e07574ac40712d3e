"""The iCalendar files of --ics as other calendar programs read them.

Each file is read three ways: as bytes (CR LF line ends, lines folded at 75
octets without splitting a character), by libical (ical_check) and by
Python's icalendar; its events must be exactly those --list, --koyomi and
--almanac print for the same years. khal then imports one into a fresh
calendar and lists its holidays, and imports it again without doubling.

Usage: ics_clients.py KORINDE ICAL_CHECK
"""
import collections
import datetime
import os
import subprocess
import sys
import tempfile

import icalendar

korinde, ical_check = sys.argv[1:3]
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
            for line in run(*law, '--list', str(year)).decode().splitlines():
                date, name = line.split('\t')
                events[(date, '祝日', name)] += 1
        for line in run('--koyomi', str(year)).decode().splitlines() if year >= 1873 else []:
            when, kind, name, _ = line.split('\t')
            word, category = KOYOMI_KINDS[kind]
            if word not in kinds:
                continue
            date, minute = when.split(' ')
            hour, minutes = minute.split(':')
            events[(date, category, f'{name} {int(hour)}:{minutes}' if kind == '朔弦望' else name)] += 1
        if 'rokuyo' in kinds:
            for line in run(*law, '--almanac', str(year)).decode().splitlines():
                columns = line.split('\t')
                events[(columns[0], '六曜', columns[4])] += 1
    return events


def check_bytes(data, what):
    check(data.count(b'\n') == data.count(b'\r\n'), what + ': a line end other than CR LF')
    for line in data.split(b'\r\n'):
        check(len(line) <= 75, f'{what}: a line of {len(line)} octets')
        try:
            line.decode('utf-8')
        except UnicodeDecodeError:
            failures.append(f'{what}: a fold splits a character: {line!r}')


def read_events(data, what):
    calendar = icalendar.Calendar.from_ical(data)
    check(str(calendar['X-WR-CALNAME']) == '日本の祝日と暦', what + ': calendar name')
    check(str(calendar['PRODID']).startswith('-//Korinde Project//Korinde '), what + ': PRODID')
    events, uids = collections.Counter(), set()
    for event in calendar.walk('VEVENT'):
        start, end = event.decoded('DTSTART'), event.decoded('DTEND')
        check(type(start) is datetime.date and end == start + datetime.timedelta(days=1), what + ': not all day')
        check(str(event['TRANSP']) == 'TRANSPARENT' and 'DTSTAMP' in event, what + ': TRANSP or DTSTAMP')
        uid = str(event['UID'])
        check(uid.isascii() and uid.startswith(start.strftime('%Y%m%d-')) and uid not in uids, what + ': UID ' + uid)
        uids.add(uid)
        events[(start.isoformat(), str(event['CATEGORIES'].cats[0]), str(event['SUMMARY']))] += 1
    return events


def libical_counts(data):
    with tempfile.NamedTemporaryFile(suffix='.ics') as file:
        file.write(data)
        file.flush()
        lines = subprocess.run([ical_check, file.name], check=True, capture_output=True, text=True).stdout
    return dict((category, int(count)) for category, count in (line.split('\t') for line in lines.splitlines()))


for arguments, years, kinds in CASES:
    what = ' '.join(arguments)
    data = run(*arguments)
    check_bytes(data, what)
    expected = expected_events(arguments, years, kinds)
    events = read_events(data, what)
    check(events == expected, f'{what}: events differ: {sorted((events - expected) + (expected - events))[:5]}')
    by_category = collections.Counter()
    for (_, category, _), count in expected.items():
        by_category[category] += count
    check(libical_counts(data) == dict(by_category), f'{what}: libical counts {libical_counts(data)}')


def khal_holidays(folder, data):
    """Imports the file into khal's calendar in the folder; lists its holidays."""
    config = os.path.join(folder, 'config')
    with open(config, 'w') as file:
        file.write(f'[calendars]\n[[korinde]]\npath = {folder}/calendar\ntype = calendar\n'
                   '[locale]\ntimeformat = %H:%M\ndateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n'
                   'datetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n')
    ics = os.path.join(folder, '2026.ics')
    with open(ics, 'wb') as file:
        file.write(data)
    env = dict(os.environ, XDG_DATA_HOME=folder + '/data', XDG_CACHE_HOME=folder + '/cache', TZ='Asia/Tokyo')
    khal = ['khal', '-c', config]
    subprocess.run([*khal, 'import', '--batch', '-a', 'korinde', ics], check=True, env=env)
    listed = subprocess.run([*khal, 'list', '--day-format', '', '--format', '{start-date}\t{title}\t{categories}',
                             '2026-01-01', '2026-12-31'], check=True, capture_output=True, text=True, env=env).stdout
    return [line.rsplit('\t', 1)[0] for line in listed.splitlines() if line.endswith('\t祝日')]


with tempfile.TemporaryDirectory() as folder:
    os.makedirs(folder + '/calendar')
    data = run('--ics', '2026')
    holidays = run('--list', '2026').decode().splitlines()
    check(khal_holidays(folder, data) == holidays, 'khal lists other holidays')
    stored = len(os.listdir(folder + '/calendar'))
    check(khal_holidays(folder, data) == holidays, 'khal lists other holidays after a second import')
    check(len(os.listdir(folder + '/calendar')) == stored == len(read_events(data, 'khal')), 'a second import doubles')

for failure in failures:
    print('FAIL', failure)
print(f'{len(CASES)} files read by libical and icalendar, one imported twice by khal: {len(failures)} failures')
sys.exit(1 if failures else 0)
