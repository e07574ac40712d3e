"""The PDF sheets of --pdf as Poppler's tools read them.

A whole year is 13 A4 landscape pages with every font embedded; a month's
page holds, in reading order, every day of the month, each of its holidays
and the 六曜 of each day, as --list and --almanac give them. A file is
replaced only when the new one is whole; one that cannot be written is
reported with status 1 and leaves nothing behind. It all runs without a
display, whatever platform the environment names.

Usage: pdf_sheets.py KORINDE
"""
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
    # The month's days in order, after those of the month before.
    numbers = [w for w in words if w.isdigit()]
    start = numbers.index('1')
    check(numbers[start:start + len(days)] == days, f'{what}: the days {numbers[start:start + len(days)]}')
    rokuyo = [w for w in words if w in ROKUYO]
    check(rokuyo == [columns[4] for columns in almanac], f'{what}: 六曜 {rokuyo[:5]}…')
    for columns in almanac:
        check(not columns[6] or columns[6] in words, f'{what}: holiday {columns[6]} is missing')
    check(f'{year}年' in words and f'{month}月' in words, what + ': heading')


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
    check('令和9年（丁未）' in overview and '成人の日' in overview, '--pdf 2027: the overview')
    check_month_text(year_pdf, 6, 2027, 5, [], '--pdf 2027, May')
    check(sorted(os.listdir(folder)) == ['2027 の暦.pdf'], f'left behind: {os.listdir(folder)}')

    month_pdf = os.path.join(folder, 'month.pdf')
    for arguments, year, month in [(['--pdf', '2026', '12'], 2026, 12),
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

for failure in failures:
    print('FAIL', failure)
print(f'PDF sheets read by pdfinfo, pdffonts and pdftotext: {len(failures)} failures')
sys.exit(1 if failures else 0)
