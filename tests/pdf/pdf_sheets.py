"""The PDF sheets of --pdf as Poppler's tools read them.

A whole year is 13 A4 landscape pages with every font embedded; a month's
page holds, in reading order, every day of the month, each of its holidays
and the 六曜 of each day, as --list and --almanac give them. A file is
replaced only when the new one is whole; one that cannot be written is
reported with status 1 and leaves nothing behind, also when the disk fills
while it is written. It all runs without a
display, whatever platform the environment names.

Usage: pdf_sheets.py KORINDE
"""
import datetime
import os
import re
import subprocess
import sys
import tempfile

korinde = sys.argv[1]
failures = []
ROKUYO = ['大安', '赤口', '先勝', '友引', '先負', '仏滅']
env = {k: v for k, v in os.environ.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY')}
env['QT_QPA_PLATFORM'] = 'xcb'  # named, and not there: the sheets need no display


def check(condition, what):
    if not condition:
        failures.append(what)


def run(*arguments):
    return subprocess.run([korinde, *arguments], capture_output=True, text=True, env=env)


def tool(*arguments):
    return subprocess.run(arguments, check=True, capture_output=True, text=True).stdout


def check_month_text(pdf, page, year, month, law, what):
    text = tool('pdftotext', '-raw', '-f', str(page), '-l', str(page), pdf, '-')
    words = text.split()
    almanac = [line.split('\t') for line in run(*law, '--almanac', str(year), str(month)).stdout.splitlines()]
    days = [str(int(columns[0][-2:])) for columns in almanac]
    # The month's days in order, after the last days of the month before.
    numbers = [w for w in words if w.isdigit()]
    start = numbers.index('1')
    check(numbers[start:start + len(days)] == days, f'{what}: the days {numbers[start:start + len(days)]}')
    first = datetime.date(year, month, 1)
    before = (first.weekday() + 1) % 7  # from Sunday
    previous = (first - datetime.timedelta(days=1)).day
    after = (-(before + len(days))) % 7
    check(numbers[:start] == [str(d) for d in range(previous - before + 1, previous + 1)], f'{what}: {numbers[:start]}')
    check(numbers[start + len(days):start + len(days) + after] == [str(d) for d in range(1, after + 1)],
          f'{what}: the days after, {numbers[start + len(days):]}')
    # The lunar date on the 1st and on the 1st and 15th of a lunar month; each
    # phase with its time as a clock shows it.
    shown = [w[1:] for w in words if w.startswith('旧') and w != '旧暦']
    check(shown == [c[3] for c in almanac if c[0].endswith('-01') or c[3].split('月')[1] in ('1日', '15日')],
          f'{what}: lunar dates {shown}')
    for columns in almanac:
        if columns[9]:
            name, minute = columns[9].split(' ')
            hour, minutes = minute.split(':')
            check(f'{name} {int(hour)}:{minutes}' in text.splitlines(), f'{what}: {columns[9]}')
    rokuyo = [w for w in words if w in ROKUYO]
    check(rokuyo == [columns[4] for columns in almanac], f'{what}: 六曜 {rokuyo[:5]}…')
    for columns in almanac:
        check(not columns[6] or columns[6] in words, f'{what}: holiday {columns[6]} is missing')
    # The heading: the lunar months the days fall in, the month's solar terms.
    lunar = [c[3] for i, c in enumerate(almanac) if i == 0 or c[3].split('月')[1] == '1日']
    spanned = '旧暦 ' + '・'.join(date.split('月')[0] + '月' for date in lunar)
    terms = '\u3000'.join(f'{c[5]} {int(c[0][-2:])}日' for c in almanac if c[5])
    lines = text.splitlines()
    check(f'{year}年' in words and f'{month}月' in words and spanned in lines, f'{what}: heading, {spanned}')
    check(terms.replace('\u3000', ' ') in [line.replace('\u3000', ' ') for line in lines], f'{what}: terms {terms}')


with tempfile.TemporaryDirectory() as folder:
    year_pdf = os.path.join(folder, '2027 の暦.pdf')
    with open(year_pdf, 'w') as file:
        file.write('an older file')
    result = run('--pdf', '2027', '--output', year_pdf)
    check(result.returncode == 0 and result.stdout == '', f'--pdf 2027: {result.returncode} {result.stderr}')
    info = tool('pdfinfo', year_pdf)
    check(re.search(r'^Pages:\s+13$', info, re.M), '--pdf 2027: not 13 pages')
    check(re.search(r'^Page size:\s+842 x 595 pts \(A4\)$', info, re.M), '--pdf 2027: not A4 landscape')
    fonts = tool('pdffonts', year_pdf).splitlines()[2:]
    check(fonts and all(line.split()[-5] == 'yes' for line in fonts), '--pdf 2027: a font not embedded')
    overview = tool('pdftotext', '-raw', '-f', '1', '-l', '1', year_pdf, '-')
    check('令和9年（丁未）' in overview, '--pdf 2027: the overview\'s era')
    for line in run('--list', '2027').stdout.splitlines():
        date, name = line.split('\t')
        _, m, d = date.split('-')
        check(f'{int(m)}月{int(d)}日 {name}' in overview.splitlines(), f'--pdf 2027: the overview lacks {line}')
    check_month_text(year_pdf, 6, 2027, 5, [], '--pdf 2027, May')
    check(sorted(os.listdir(folder)) == ['2027 の暦.pdf'], f'left behind: {os.listdir(folder)}')

    month_pdf = os.path.join(folder, 'month.pdf')
    for arguments, year, month in [(['--pdf', '2026', '12'], 2026, 12), (['--pdf', '2025', '3'], 2025, 3),
                                   (['--holidays=current', '--pdf', '2019', '5'], 2019, 5),
                                   (['--pdf', '1873', '1'], 1873, 1), (['--pdf', '2100', '12'], 2100, 12)]:
        result = run(*arguments, '--output', month_pdf)
        check(result.returncode == 0, f'{arguments}: {result.stderr}')
        check(re.search(r'^Pages:\s+1$', tool('pdfinfo', month_pdf), re.M), f'{arguments}: not one page')
        law = [a for a in arguments if a.startswith('--holidays')]
        check_month_text(month_pdf, 1, year, month, law, ' '.join(arguments))

    # Places that cannot take the file: nothing is written, and the reason told.
    for place, reason in [(os.path.join(folder, 'no such folder', 'x.pdf'), 'フォルダーがありません'),
                          (folder, 'フォルダーの名前です')]:
        result = run('--pdf', '2026', '12', '--output', place)
        check(result.returncode == 1 and result.stderr == f'korinde: PDF を書き出せません: {place} ({reason})\n',
              f'{place}: {result.returncode} {result.stderr}')
    check(sorted(os.listdir(folder)) == ['2027 の暦.pdf', 'month.pdf'], f'left behind: {os.listdir(folder)}')
    refused = os.path.join(folder, 'refused.pdf')
    check(run('--pdf', '2026', '13', '--output', refused).returncode == 2 and not os.path.exists(refused),
          'a refused month wrote a file')

# A disk that fills while the file is written, where root may mount one:
# the older file stays whole, and nothing else is left.
with tempfile.TemporaryDirectory() as small:
    if subprocess.run(['mount', '-t', 'tmpfs', '-o', 'size=40k', 'tmpfs', small], capture_output=True).returncode == 0:
        try:
            target = os.path.join(small, '2026.pdf')
            with open(target, 'w') as file:
                file.write('an older file')
            result = run('--pdf', '2026', '--output', target)
            check(result.returncode == 1 and result.stderr.endswith('(ディスクに空きがありません)\n'),
                  f'a full disk: {result.returncode} {result.stderr}')
            check(os.listdir(small) == ['2026.pdf'] and open(target).read() == 'an older file', 'a full disk: the file')
        finally:
            subprocess.run(['umount', small])
    else:
        print('no tmpfs could be mounted: the full disk is not checked')

for failure in failures:
    print('FAIL', failure)
print(f'PDF sheets read by pdfinfo, pdffonts and pdftotext: {len(failures)} failures')
sys.exit(1 if failures else 0)
