# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
"""A time cell of an exported workbook as openpyxl reads it, in seconds."""
import datetime


def seconds(value):
    """Seconds of a time cell: a time of day, a duration or a day fraction."""
    if isinstance(value, datetime.time):
        return value.hour * 3600 + value.minute * 60 + value.second + value.microsecond / 1e6
    if isinstance(value, datetime.timedelta):
        return value.total_seconds()
    if isinstance(value, (int, float)) and not isinstance(value, bool):
        return value * 86400
    raise SystemExit("not a time: %r" % (value,))


def whole_seconds_or(value, other):
    """Whole seconds of a time cell, `other` for any other cell."""
    try:
        return round(seconds(value))
    except SystemExit:
        return other
