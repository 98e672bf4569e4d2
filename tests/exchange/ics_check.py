#!/usr/bin/env python3
"""Reads Velmora's predictions with a real iCalendar parser (python3-icalendar).

Usage: ics_check.py FIRST SECOND NEWER START/END...
FIRST and SECOND: exports of one diary at two moments; NEWER: after a new period.
START/END (YYYY-MM-DD, END the day after the last): the events FIRST must hold.
Prints what is wrong and exits 1, or exits 0.
"""
import datetime
import sys

from icalendar import Calendar

problems = []


def check(ok, message):
    if not ok:
        problems.append(message)


def read(path):
    """The file's events by UID: (start, end, sequence, stamp)."""
    raw = open(path, "rb").read()
    check(raw.endswith(b"\r\n"), f"{path}: does not end with CRLF")
    for n, line in enumerate(raw.split(b"\r\n")[:-1], 1):
        check(len(line) <= 75 and b"\n" not in line and b"\r" not in line, f"{path}:{n}: {line}")
    calendar = Calendar.from_ical(raw)
    check([str(calendar.get(k)) for k in ("VERSION", "CALSCALE")] == ["2.0", "GREGORIAN"]
          and calendar.get("PRODID"), f"{path}: VERSION, CALSCALE or PRODID")
    events = {}
    found = calendar.walk("VEVENT")
    check(len(found) == 6, f"{path}: {len(found)} events, not 6")
    for event in found:
        uid = str(event.get("UID", ""))
        start, end, stamp = (event[k].dt for k in ("DTSTART", "DTEND", "DTSTAMP"))
        check(uid and uid not in events, f"{path}: UID '{uid}' empty or twice")
        check(type(start) is type(end) is datetime.date, f"{path}: {uid} is not all-day")
        check(stamp.utcoffset() == datetime.timedelta(0), f"{path}: {uid}: DTSTAMP not UTC")
        check(str(event.get("TRANSP")) == "TRANSPARENT", f"{path}: {uid}: not TRANSPARENT")
        check(str(event.get("SUMMARY", "")).strip() and str(event.get("DESCRIPTION", "")).strip(),
              f"{path}: {uid}: no SUMMARY or DESCRIPTION")
        events[uid] = (start, end, int(event.get("SEQUENCE", -1)), stamp)
    return events


first, second, newer = (read(path) for path in sys.argv[1:4])
expected = sorted(tuple(map(datetime.date.fromisoformat, p.split("/"))) for p in sys.argv[4:])
got = sorted(event[:2] for event in first.values())
check(got == expected, f"dates {got} instead of {expected}")
# The same diary again: the same events under the same UIDs, and the later export wins.
check(set(second) == set(first), f"UIDs changed: {sorted(first)} -> {sorted(second)}")
for uid in set(first) & set(second):
    check(second[uid][:2] == first[uid][:2], f"{uid}: dates changed")
    check(second[uid][2] > first[uid][2] >= 0, f"{uid}: SEQUENCE does not grow")
    check(second[uid][3] > first[uid][3], f"{uid}: DTSTAMP does not grow")
# After a new period the predicted cycles are other cycles: new UIDs.
check(not set(newer) & set(first), f"UIDs kept after a new period: {set(newer) & set(first)}")
print("\n".join(problems))
sys.exit(1 if problems else 0)
