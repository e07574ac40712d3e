"""The PDF sheets of --pdf as Poppler's tools read them.

A whole year is 13 A4 landscape pages with every font embedded; a month's
page holds, in reading order, every day of the month, each of its holidays
and the 六曜 of each day, as --list and --almanac give them, and its foot
and the document's title name the holiday rules. A file is
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
    words, lines = text.split(), [line.replace('\u3000', ' ') for line in text.splitlines()]
    almanac = [line.split('\t') for line in run(*law, '--almanac', str(year), str(month)).stdout.splitlines()]
    # The days in order between the last of the month before and the first
    # of the month after.
    first = datetime.date(year, month, 1)
    before, previous = (first.weekday() + 1) % 7, (first - datetime.timedelta(days=1)).day
    numbers = [*range(previous - before + 1, previous + 1), *range(1, len(almanac) + 1),
               *range(1, -(before + len(almanac)) % 7 + 1)]
    check([w for w in words if w.isdigit()] == [str(n) for n in numbers], f'{what}: the day numbers')
    # Each day's 六曜 in order, its holiday, its phase with the time as a clock
    # shows it, its lunar date on the 1st and on a lunar month's 1st and 15th.
    check([w for w in words if w in ROKUYO] == [c[4] for c in almanac], f'{what}: 六曜')
    lunar = [c[3] for c in almanac if c[0].endswith('-01') or c[3].split('月')[1] in ('1日', '15日')]
    check([w[1:] for w in words if w.startswith('旧') and w != '旧暦'] == lunar, f'{what}: lunar dates')
    for *_, holiday, _, _, phase, _ in almanac:
        check(not holiday or holiday in words, f'{what}: holiday {holiday} is missing')
        if phase:
            name, hour, minutes = phase.replace(':', ' ').split(' ')
            check(f'{name} {int(hour)}:{minutes}' in lines, f'{what}: {phase}')
    # The heading: the lunar months the days fall in, the month's solar terms.
    spanned = [c[3].split('月')[0] + '月' for i, c in enumerate(almanac) if i == 0 or c[3].split('月')[1] == '1日']
    terms = ' '.join(f'{c[5]} {int(c[0][-2:])}日' for c in almanac if c[5])
    check(f'{year}年' in words and f'{month}月' in words and '旧暦 ' + '・'.join(spanned) in lines and terms in lines, f'{what}: heading')
    check(foot(year, law) in lines, f'{what}: the foot')


def foot(year, law):
    """What a page says of its holiday rules; the government announces next year's equinox days on 1 February."""
    if law == ['--holidays=builtin']:
        return '祝日は内蔵の祝日規則（2004年）による'
    today = datetime.date.today()
    computed = year > today.year + (today.month >= 2)
    return '祝日は現行の祝日法による' + ('（春分の日・秋分の日は暦要項の発表前の計算）' if computed else '')


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
    check(re.search(r'^Title:\s+2027年の暦\u3000' + re.escape(foot(2027, [])) + '$', info, re.M), '--pdf 2027: the title')
    check(foot(2027, []) in overview.splitlines(), '--pdf 2027: the overview\'s foot')
    check_month_text(year_pdf, 6, 2027, 5, [], '--pdf 2027, May')
    # Today's law unless told otherwise, in the overview's list of holidays.
    for law, listed, unlisted in [([], ['2月23日 天皇誕生日', '8月11日 山の日'], ['12月23日 天皇誕生日', '1月1日 元旦']),
                                  (['--holidays=builtin'], ['12月23日 天皇誕生日', '1月1日 元旦'], ['8月11日 山の日'])]:
        check(run(*law, '--pdf', '2026', '--output', year_pdf).returncode == 0, f'{law} --pdf 2026')
        overview = tool('pdftotext', '-raw', '-f', '1', '-l', '1', year_pdf, '-').replace('\u3000', ' ').splitlines()
        check(all(day in overview for day in listed) and not any(day in overview for day in unlisted),
              f'{law} --pdf 2026: the overview\'s holidays')
    check(sorted(os.listdir(folder)) == ['2027 の暦.pdf'], f'left behind: {os.listdir(folder)}')

    month_pdf = os.path.join(folder, 'month.pdf')
    for arguments, year, month in [(['--pdf', '2026', '12'], 2026, 12), (['--pdf', '2025', '3'], 2025, 3),
                                   (['--holidays=builtin', '--pdf', '2019', '5'], 2019, 5),
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
