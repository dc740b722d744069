#!/usr/bin/env python3
"""Documents of the Debian package, compressed as Debian wants them.

  package_docs.py changelog CHANGELOG.md VERSION MAINTAINER OUT.gz
  package_docs.py manpage lowpass.1 VERSION OUT.gz

The changelog is kept in Markdown at the root of the repository: releases as
headings "## VERSION (YYYY-MM-DD)", newest first, each with a list of changes.
A native Debian package has to ship it in Debian's changelog format, which
this rewrites it into. The newest release, and the version the manual page
names, must be the version being built.
Both files are gzip'ed at maximum compression without a name or time stamp,
so the same input always makes the same bytes.
"""
import datetime
import email.utils
import gzip
import re
import sys

RELEASE = re.compile(r"^## (\S+) \((\d{4}-\d{2}-\d{2})\)\s*$")


def debian_changelog(markdown, package, maintainer):
    releases = []  # (version, date, [change lines])
    for line in markdown.splitlines():
        heading = RELEASE.match(line)
        if heading:
            releases.append((heading.group(1), heading.group(2), []))
        elif releases and line.startswith("- "):
            releases[-1][2].append("  * " + line[2:].rstrip())
        elif releases and line.startswith("  ") and line.strip():
            releases[-1][2].append("    " + line.strip())
    out = []
    for version, date, changes in releases:
        if not changes:
            sys.exit("release %s lists no changes" % version)
        # The time of day is not recorded; noon UTC keeps the date of the heading.
        when = datetime.datetime.fromisoformat(date + "T12:00:00+00:00")
        out += ["%s (%s) unstable; urgency=medium" % (package, version), ""]
        out += changes
        out += ["", " -- %s  %s" % (maintainer, email.utils.format_datetime(when)), ""]
    return releases, "\n".join(out)


def write_gzip(text, path):
    with open(path, "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", compresslevel=9, fileobj=raw, mtime=0) as z:
            z.write(text.encode("utf-8"))


def main():
    if len(sys.argv) == 6 and sys.argv[1] == "changelog":
        _, _, source, version, maintainer, output = sys.argv
        with open(source, encoding="utf-8") as f:
            releases, text = debian_changelog(f.read(), "lowpass", maintainer)
        if not releases or releases[0][0] != version:
            newest = releases[0][0] if releases else "none"
            sys.exit("%s: newest release is %s, but this builds %s" % (source, newest, version))
        write_gzip(text, output)
    elif len(sys.argv) == 5 and sys.argv[1] == "manpage":
        _, _, source, version, output = sys.argv
        with open(source, encoding="utf-8") as f:
            text = f.read()
        if '"lowpass %s"' % version not in text.split("\n", 1)[0]:
            sys.exit("%s: the .TH line does not name lowpass %s" % (source, version))
        write_gzip(text, output)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
