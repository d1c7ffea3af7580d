#!/usr/bin/env python3
"""Writes a stand-in for every built-in set file that does not exist yet.

Each stand-in has the menu caption as its title, an instruction line carrying
the marker "（仮）" (so the content validator can tell stand-ins from real sets)
and 30 questions made from one template. Files are CP932 with CR LF.

An existing set file is never touched: real content is written into the same
folder, and a stand-in must not replace it. The name check ignores case, as the
program's own file lookup does.

Usage: tools/make_placeholders.py [DATA_DIR]   (default: data/ beside tools/)
"""

import os
import sys

MARKER = "（仮）"
QUESTIONS = 30


def grammar_and_idioms():
    """(folder, file, caption) of the sets named one by one in the menus."""
    rows = [
        ("jhgram", "Tango01.txt", "様々な疑問文(1年）"),
        ("jhgram", "tango02.txt", "様々な否定文(1年）"),
        ("jhgram", "tango03.txt", "疑問文と否定文(1年）"),
        ("jhgram", "tango04.txt", "基本問題集（１）"),
        ("jhgram", "tango05.txt", "基本問題集（２）"),
        ("jhgram", "tango06.txt", "基本問題集（３）"),
        ("jhgram", "tango07.txt", "基本問題集（４）"),
        ("jhgram", "tango08.txt", "基本問題集（５）"),
        ("jhgram", "tango11.txt", "過去形の文(2年）"),
        ("jhgram", "tango12.txt", "様々な疑問文(2年）"),
        ("jhgram", "tango13.txt", "受動態の文"),
        ("jhgram", "tango14.txt", "重要な連語（１）"),
        ("jhgram", "tango15.txt", "重要な連語（２）"),
        ("jhgram", "tango16.txt", "基本問題集（１）"),
        ("jhgram", "tango17.txt", "基本問題集（２）"),
        ("jhgram", "tango18.txt", "基本問題集（３）"),
        ("jhgram", "tango21.txt", "重要な連語集"),
        ("jhgram", "tango22.txt", "現在完了形"),
        ("jhgram", "tango23.txt", "文の書き換え"),
        ("jhgram", "tango24.txt", "重要な英文（１）"),
        ("jhgram", "tango25.txt", "重要な英文（２）"),
        ("jhgram", "tango26.txt", "重要な英文（３）"),
        ("highexam", "tango33.txt", "文の書き換え（１）"),
        ("highexam", "tango34.txt", "文の書き換え（２）"),
        ("highexam", "tango35.txt", "文の書き換え（３）"),
        ("highexam", "tango36.txt", "文の書き換え（４）"),
        ("highexam", "tango31.txt", "大学入試問題集（１）"),
        ("highexam", "tango32.txt", "大学入試問題集（２）"),
    ]
    full_width = "０１２３４５６７８９"

    def wide(n):
        return "".join(full_width[int(d)] for d in str(n))

    for i in range(9):
        rows.append(("semi", "tango%d.txt" % (51 + i), "重要ｲﾃﾞｨｵﾑ（%s）" % wide(i + 1)))
    for i in range(15):
        rows.append(("semi", "tango%d.txt" % (60 + i), "重要ｲﾃﾞｨｵﾑ（%s）" % wide(i + 1)))
    for year, first, count in ((1, 101, 10), (2, 111, 10), (3, 121, 5)):
        for i in range(count):
            rows.append(("jhword", "tang%d.txt" % (first + i),
                         "中学%d年（%s）" % (year, wide(i + 1))))
    return rows


def toeic():
    rows = []
    for n in range(1, 31):
        rows.append(("TOEIC700", "TOEIC700_%03d.txt" % n, "TOEIC700点英単語(%d)" % n))
    for n in range(1, 98):
        rows.append(("TOEIC550", "TOEIC550_%02d.txt" % n, "TOEIC550点英単語(%d)" % n))
    return rows


def all_sets():
    return grammar_and_idioms() + toeic()


def placeholder_lines(title):
    lines = [title, "この問題集は準備中です。sample と入力して下さい" + MARKER]
    for k in range(1, QUESTIONS + 1):
        lines += [
            "準備中の問題 %d" % k,
            "sample と入力して下さい。",
            " ",
            "sample#この問題集は準備中です。正式な問題は次の版で入ります。",
        ]
    return lines


def exists_ignoring_case(folder, name):
    if not os.path.isdir(folder):
        return False
    wanted = name.lower()
    return any(entry.lower() == wanted for entry in os.listdir(folder))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data")
    sets = all_sets()
    if len(sets) != 204:
        sys.exit("expected 204 sets, the table holds %d" % len(sets))
    written = kept = 0
    for folder, name, title in sets:
        directory = os.path.join(data, folder)
        if exists_ignoring_case(directory, name):
            kept += 1
            continue
        os.makedirs(directory, exist_ok=True)
        body = "".join(line + "\r\n" for line in placeholder_lines(title)).encode("cp932")
        try:
            # "x" refuses to open a file that appeared since the check above.
            with open(os.path.join(directory, name), "xb") as out:
                out.write(body)
            written += 1
        except FileExistsError:
            kept += 1
    print("placeholders written: %d, existing sets kept: %d" % (written, kept))


if __name__ == "__main__":
    main()
