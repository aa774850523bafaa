#!/usr/bin/env python3
"""Writes server/data/sql/03-macrs.sql: the rows of the MACRS rate tables.

The engine reads one table per convention name and declining-balance rate
(tblMacrsHalf, tblMacrsMid3Qtr150, ...), one column per recovery period (Half5, Mid3Qtr7, ...) and
one row per recovery year, numbered by the column `year` from 1.

Where IRS Publication 946 (Appendix A) publishes the percentages, the published values are stored
exactly:
  - the plain tables of the half-year and the four mid-quarter conventions: tables A-1 to A-5
    (200 % declining balance for 3 to 10 years, 150 % for 15 and 20 years);
  - the "150" half-year table: table A-14 for 3 to 10 years, table A-1 for 15 and 20 years;
  - the "150" mid-quarter tables for 15 and 20 years: tables A-2 to A-5, which already are 150 %.
The other columns are derived here by the method of the published tables, and the same method is
checked first against every published column, so that a derived value is what the IRS would
print:
  - each year takes the larger of the declining-balance amount (rate x the basis left) and the
    straight-line amount (the basis left / the recovery years left at the start of the year);
  - the first year takes the convention's first-year fraction of its amount: 1/2 half-year,
    7/8, 5/8, 3/8, 1/8 mid-quarter by quarter, 1 for no convention;
  - every amount is a percentage rounded half-up to 2 decimals (3 for 20 years), and the basis
    left is carried as the rounded remainder, so the column sums to exactly 100; the year in which
    the recovery period ends takes the whole remainder.
Mid-month is a convention of real property; for the personal-property lives the engine still asks
for a mid-month table. Without the month placed in service the table can only use the mid-month
first-year fraction averaged over the twelve months, (12 - m + 0.5) / 12 for m = 1..12, which is
exactly 1/2; so the mid-month tables equal the half-year tables, and the year of sale is still
prorated by month by the engine. No convention ("None") takes a full first year and has no extra
year.

Run from the repository root:  python3 tools/macrs/derive_rates.py
The build does not need this script; the generated SQL file is kept in the repository.
"""

from decimal import Decimal, ROUND_HALF_UP, getcontext
from pathlib import Path
import sys

getcontext().prec = 40

LIVES = [3, 5, 7, 10, 15, 20]

# Percentages of Publication 946, Appendix A, by recovery year.
A1 = {  # GDS half-year
    3: "33.33 44.45 14.81 7.41",
    5: "20.00 32.00 19.20 11.52 11.52 5.76",
    7: "14.29 24.49 17.49 12.49 8.93 8.92 8.93 4.46",
    10: "10.00 18.00 14.40 11.52 9.22 7.37 6.55 6.55 6.56 6.55 3.28",
    15: "5.00 9.50 8.55 7.70 6.93 6.23 5.90 5.90 5.91 5.90 5.91 5.90 5.91 5.90 5.91 2.95",
    20: "3.750 7.219 6.677 6.177 5.713 5.285 4.888 4.522 4.462 4.461 4.462 4.461 4.462 4.461 4.462 "
    "4.461 4.462 4.461 4.462 4.461 2.231",
}
A2 = {  # GDS mid-quarter, first quarter
    3: "58.33 27.78 12.35 1.54",
    5: "35.00 26.00 15.60 11.01 11.01 1.38",
    7: "25.00 21.43 15.31 10.93 8.75 8.74 8.75 1.09",
    10: "17.50 16.50 13.20 10.56 8.45 6.76 6.55 6.55 6.56 6.55 0.82",
    15: "8.75 9.13 8.21 7.39 6.65 5.99 5.90 5.91 5.90 5.91 5.90 5.91 5.90 5.91 5.90 0.74",
    20: "6.563 7.000 6.482 5.996 5.546 5.130 4.746 4.459 4.459 4.459 4.459 4.460 4.459 4.460 4.459 "
    "4.460 4.459 4.460 4.459 4.460 0.565",
}
A3 = {  # second quarter
    3: "41.67 38.89 14.14 5.30",
    5: "25.00 30.00 18.00 11.37 11.37 4.26",
    7: "17.85 23.47 16.76 11.97 8.87 8.87 8.87 3.34",
    10: "12.50 17.50 14.00 11.20 8.96 7.17 6.55 6.55 6.56 6.55 2.46",
    15: "6.25 9.38 8.44 7.59 6.83 6.15 5.91 5.90 5.91 5.90 5.91 5.90 5.91 5.90 5.91 2.21",
    20: "4.688 7.148 6.612 6.116 5.658 5.233 4.841 4.478 4.463 4.463 4.463 4.463 4.463 4.463 4.462 "
    "4.463 4.462 4.463 4.462 4.463 1.673",
}
A4 = {  # third quarter
    3: "25.00 50.00 16.67 8.33",
    5: "15.00 34.00 20.40 12.24 11.30 7.06",
    7: "10.71 25.51 18.22 13.02 9.30 8.85 8.86 5.53",
    10: "7.50 18.50 14.80 11.84 9.47 7.58 6.55 6.55 6.56 6.55 4.10",
    15: "3.75 9.63 8.66 7.80 7.02 6.31 5.90 5.90 5.91 5.90 5.91 5.90 5.91 5.90 5.91 3.69",
    20: "2.813 7.289 6.742 6.237 5.769 5.336 4.936 4.566 4.460 4.460 4.460 4.460 4.461 4.460 4.461 "
    "4.460 4.461 4.460 4.461 4.460 2.788",
}
A5 = {  # fourth quarter
    3: "8.33 61.11 20.37 10.19",
    5: "5.00 38.00 22.80 13.68 10.94 9.58",
    7: "3.57 27.55 19.68 14.06 10.04 8.73 8.73 7.64",
    10: "2.50 19.50 15.60 12.48 9.98 7.99 6.55 6.55 6.56 6.55 5.74",
    15: "1.25 9.88 8.89 8.00 7.20 6.48 5.90 5.90 5.90 5.91 5.90 5.91 5.90 5.91 5.90 5.17",
    20: "0.938 7.430 6.872 6.357 5.880 5.439 5.031 4.654 4.458 4.458 4.458 4.458 4.458 4.458 4.458 "
    "4.458 4.458 4.459 4.458 4.459 3.901",
}
A14 = {  # 150 % declining balance, half-year
    3: "25.00 37.50 25.00 12.50",
    5: "15.00 25.50 17.85 16.66 16.66 8.33",
    7: "10.71 19.13 15.03 12.25 12.25 12.25 12.25 6.13",
    10: "7.50 13.88 11.79 10.02 8.74 8.74 8.74 8.74 8.74 8.74 4.37",
}

# Convention name -> (first-year fraction, published GDS table or None, extra year or not).
CONVENTIONS = {
    "Half": (Decimal(1) / 2, A1, True),
    "Mid1Qtr": (Decimal(7) / 8, A2, True),
    "Mid2Qtr": (Decimal(5) / 8, A3, True),
    "Mid3Qtr": (Decimal(3) / 8, A4, True),
    "Mid4Qtr": (Decimal(1) / 8, A5, True),
    "MidMth": (Decimal(1) / 2, None, True),
    "None": (Decimal(1), None, False),
}


def gds_factor(life):
    """The declining-balance factor of the general depreciation system for a life."""
    return Decimal(2) if life <= 10 else Decimal("1.5")


def decimals_for(life):
    """Decimal places of the published percentages: three for 20 years, else two."""
    return 3 if life == 20 else 2


def derive(first_year, life, factor, decimals):
    """Percentages of one column, year by year, by the method of the published tables."""
    quantum = Decimal(1).scaleb(-decimals)
    rate = factor / life
    left = Decimal(100)
    used = Decimal(0)  # recovery years used up at the start of the year
    rows = []
    while left > 0:
        fraction = first_year if not rows else Decimal(1)
        remaining_life = life - used
        if remaining_life <= 1:
            amount = left
        else:
            amount = max(left * rate, left / remaining_life) * fraction
            amount = amount.quantize(quantum, rounding=ROUND_HALF_UP)
        rows.append(amount)
        left -= amount
        used += fraction
    return rows


def parse(text):
    return [Decimal(v) for v in text.split()]


# Two published columns differ from the method in one year each, and their last year absorbs the
# difference: A-2 20-year year 2 prints 7.000 where the method gives 7.008 (year 3 on follow the
# method's 7.008), and A-3 7-year year 1 prints 17.85 where 2/7 x 5/8 = 17.857 rounds to 17.86
# (year 2 on follow 17.857). The published values are what is stored.
KNOWN_DIFFERENCES = {
    "Mid1Qtr20": {2: Decimal("7.000"), 21: Decimal("0.565")},
    "Mid2Qtr7": {1: Decimal("17.85"), 8: Decimal("3.34")},
}


def check_method():
    """The method must give every published column, apart from the known differences."""
    failures = []
    published = [(name, CONVENTIONS[name][0], CONVENTIONS[name][1], gds_factor) for name in CONVENTIONS
                 if CONVENTIONS[name][1] is not None]
    published.append(("Half150", Decimal(1) / 2, A14, lambda life: Decimal("1.5")))
    for name, first_year, table, factor in published:
        for life, text in table.items():
            got = derive(first_year, life, factor(life), decimals_for(life))
            for year, value in KNOWN_DIFFERENCES.get(f"{name}{life}", {}).items():
                got[year - 1] = value
            if got != parse(text):
                failures.append(f"{name}{life}: derived {got} published {text}")
    return failures


def column(convention, life, with150):
    """(percentages, source) of one column of one table."""
    first_year, gds, _ = CONVENTIONS[convention]
    if not with150:
        if gds is not None:
            return parse(gds[life]), "published"
        return derive(first_year, life, gds_factor(life), decimals_for(life)), "derived"
    if convention == "Half" and life in A14:
        return parse(A14[life]), "published"
    if gds is not None and life >= 15:
        return parse(gds[life]), "published"
    return derive(first_year, life, Decimal("1.5"), decimals_for(life)), "derived"


def fraction_text(percent):
    """A percentage as the fraction the database stores, in plain decimal text."""
    value = (percent / 100).normalize()
    text = format(value, "f")
    return text if "." in text else text + ".0"


def table_name(convention, with150):
    return "tblMacrs" + convention + ("150" if with150 else "")


def schema_sql():
    """The CREATE TABLE statements of the rate tables (kept in 01-schema.sql)."""
    out = []
    for with150 in (False, True):
        for convention in CONVENTIONS:
            cols = ",\n".join(f"    {convention}{life} REAL NOT NULL DEFAULT 0" for life in LIVES)
            out.append(f"CREATE TABLE {table_name(convention, with150)} (\n"
                       f"    year INTEGER PRIMARY KEY,\n{cols}\n);")
    return "\n".join(out) + "\n"


def rows_sql():
    out = [
        "-- The rows of the MACRS rate tables: the rate of each recovery year as a fraction of the basis.",
        "-- Generated by tools/macrs/derive_rates.py, which says where each column comes from; do not",
        "-- edit by hand. A year beyond a life's recovery period holds 0, which the engine's read",
        "-- (\"... Where Half5 > 0 Order By year\") leaves out.",
        "",
    ]
    for with150 in (False, True):
        for convention in CONVENTIONS:
            columns = {life: column(convention, life, with150) for life in LIVES}
            derived = [f"{convention}{life}" for life in LIVES if columns[life][1] == "derived"]
            published = [f"{convention}{life}" for life in LIVES if columns[life][1] == "published"]
            name = table_name(convention, with150)
            out.append(f"-- {name}: published {', '.join(published) or 'none'}; "
                       f"derived {', '.join(derived) or 'none'}.")
            years = max(len(values) for values, _ in columns.values())
            names = ", ".join(f"{convention}{life}" for life in LIVES)
            out.append(f"INSERT INTO {name} (year, {names}) VALUES")
            lines = []
            for year in range(1, years + 1):
                cells = []
                for life in LIVES:
                    values = columns[life][0]
                    cells.append(fraction_text(values[year - 1]) if year <= len(values) else "0")
                lines.append(f"    ({year}, {', '.join(cells)})")
            out.append(",\n".join(lines) + ";")
            out.append("")
    return "\n".join(out)


def main():
    failures = check_method()
    if failures:
        print("the method does not reproduce the published tables:", *failures, sep="\n  ")
        return 1
    for with150 in (False, True):
        for convention in CONVENTIONS:
            for life in LIVES:
                values, _ = column(convention, life, with150)
                if sum(values) != 100:
                    print(f"{table_name(convention, with150)} {convention}{life} sums to {sum(values)}")
                    return 1
    if "--schema" in sys.argv:
        sys.stdout.write(schema_sql())
        return 0
    root = Path(__file__).resolve().parents[2]
    target = root / "server" / "data" / "sql" / "03-macrs.sql"
    target.write_text(rows_sql())
    print(f"wrote {target}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
