#!/usr/bin/env python3
"""Checks the demo catalogue on a real server: run it next to a server loaded
with demo/catalogue.sql, e.g.

  scripts/catalogue_server run --sql demo/catalogue.sql -- python3 tests/db/demo_catalogue_check.py

It checks that demo/catalogue.sql is what scripts/generate_demo_catalogue.py
writes, and that the loaded catalogue has what the demo and the benchmarks
rely on: four or more platforms with descriptions, four to ten brands for
every category code, 400 or more products, every brand with products, every
motherboard and CPU on a platform, and flag values that bring out each of the
four notices on some platform.
"""

import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CODES = ["zb", "cpu", "yp", "nc", "xk", "gq", "jx", "dy", "xsq", "js", "yx", "srq"]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def query(statement):
    """The rows of a statement, sent with the select-only account; a statement
    the server rejects counts as a failure and gives no rows."""
    command = ["mariadb", "--no-defaults", "--host=" + os.environ["CATALOGUE_HOST"],
               "--port=" + os.environ["CATALOGUE_PORT"],
               "--user=" + os.environ["CATALOGUE_ACCOUNT"],
               "--password=" + os.environ["CATALOGUE_PASSWORD"],
               "--default-character-set=utf8mb4", "--batch", "--skip-column-names", "zov_k",
               "-e", statement]
    done = subprocess.run(command, capture_output=True, check=False)
    if done.returncode != 0:
        failures.append("%s: %s" % (statement, done.stderr.decode("utf-8", "replace").strip()))
        return []
    return [line.split("\t") for line in done.stdout.decode("utf-8").splitlines()]


def check_generated_file():
    with tempfile.TemporaryDirectory() as folder:
        fresh = os.path.join(folder, "catalogue.sql")
        generator = os.path.join(ROOT, "scripts", "generate_demo_catalogue.py")
        subprocess.run([sys.executable, generator, fresh], check=True, capture_output=True)
        with open(fresh, "rb") as a, open(os.path.join(ROOT, "demo", "catalogue.sql"), "rb") as b:
            check(a.read() == b.read(),
                  "demo/catalogue.sql differs from what generate_demo_catalogue.py writes")


def check_catalogue():
    platforms = query("select Platform, Brief from zov_Platform_b order by sort")
    check(len(platforms) >= 4, "fewer than four platforms")
    check(all(brief for _name, brief in platforms), "a platform without description")

    brands = dict(query("select sort, count(*) from zov_brand_b group by sort"))
    for code in CODES:
        count = int(brands.get(code, 0))
        check(4 <= count <= 10, "category %s has %d brands" % (code, count))

    products = query("select count(*) from zov_access_b")
    check(products and int(products[0][0]) >= 400, "fewer than 400 products")

    without = query("select b.sort, b.brand from zov_brand_b b left join zov_access_b a "
                    "on a.sort = b.sort and a.brand = b.brand where a.id is null")
    check(not without, "brands without products: %s" % without)

    unplaced = query("select count(*) from zov_access_b a where a.sort in ('zb', 'cpu') and not "
                     "exists (select 1 from zov_platform_b p where p.Platform_ID = a.Platform_ID)")
    check(unplaced == [["0"]], "motherboards or CPUs without platform")

    pictures = query("select count(*) from zov_access_b "
                     "where tp not regexp '^[a-z]+_[a-z0-9]+\\\\.jpg$'")
    check(pictures == [["0"]], "picture names not of the form zb_0001.jpg")

    # The notices: board with integrated graphics, board with a display
    # connector only, board with neither; CPU with and without graphics.
    notices = {
        "board with integrated graphics": "sort='zb' and zbjx='a'",
        "board with a display connector only": "sort='zb' and zbjx<>'a' and xkjk='a'",
        "board without graphics": "sort='zb' and zbjx<>'a' and xkjk<>'a'",
        "CPU with graphics": "sort='cpu' and cpujx='a'",
        "CPU without graphics": "sort='cpu' and cpujx<>'a'",
    }
    for notice, condition in notices.items():
        found = query("select count(*) from zov_access_b where " + condition)
        check(found and int(found[0][0]) > 0, "no %s" % notice)

    # The statements as the program sends them find rows on every platform.
    for name, _brief in platforms:
        cpus = query("select model from zov_access_b where sort='cpu' and Platform_ID=(select "
                     "Platform_ID from zov_platform_b where Platform='%s') order by jg" % name)
        check(cpus, "no CPUs on %s" % name)


def main():
    check_generated_file()
    check_catalogue()
    for failure in failures:
        print("FAILED: " + failure)
    print("demo catalogue: %s" % ("broken" if failures else "fine"))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
