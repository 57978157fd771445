#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
"""Prints a workbook as openpyxl reads it, as JSON on standard output: the
sheet shown first and, for each sheet in tab order, its name, frozen panes,
column widths, page setup and cells (value, number format, bold).  Dates and times come
back as the day numbers the file holds.  Exits with 77 when openpyxl is
missing, so that the calling test is skipped."""

import datetime
import json
import sys

try:
    import openpyxl
    from openpyxl.utils.datetime import to_excel
except ImportError:
    sys.exit(77)


def plain(value):
    if isinstance(value, (datetime.datetime, datetime.date, datetime.time, datetime.timedelta)):
        return to_excel(value)
    return value


def main(path):
    book = openpyxl.load_workbook(path)
    sheets = []
    for sheet in book.worksheets:
        cells = {}
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None:
                    continue
                cells[cell.coordinate] = {
                    "value": plain(cell.value),
                    "format": cell.number_format,
                    "bold": bool(cell.font.b),
                }
        widths = {key: dimension.width for key, dimension in sheet.column_dimensions.items() if dimension.width}
        fit = sheet.sheet_properties.pageSetUpPr
        page = {
            "orientation": sheet.page_setup.orientation,
            "fitToPage": bool(fit and fit.fitToPage),
            "fitToWidth": sheet.page_setup.fitToWidth,
            "fitToHeight": sheet.page_setup.fitToHeight,
            "printTitleRows": sheet.print_title_rows,
        }
        sheets.append({"name": sheet.title, "freeze": sheet.freeze_panes, "widths": widths, "page": page,
                       "cells": cells})
    json.dump({"active": book.index(book.active), "sheets": sheets}, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
