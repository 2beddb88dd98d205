#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks what packaging/news.awk makes of a NEWS.md: the Debian changelog (entries wrapped to 80
# columns, dates with their weekdays), the AppStream releases (paragraphs, lists, XML's special
# characters) and the newest release; and that a heading out of form or a release without a word
# stops it, naming the line.
# Usage: news.sh AWK SCRIPT
set -euo pipefail
awk_program=$1
script=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# check NAME FORMAT: runs the script on $work/NEWS.md and compares its output with standard input.
check() {
    local name=$1 format=$2
    cat >"$work/expected"
    if ! "$awk_program" -v format="$format" -v package=drobix -v "maintainer=Q <q@example.org>" \
        -f "$script" "$work/NEWS.md" >"$work/actual" 2>&1 ||
        ! diff -u "$work/expected" "$work/actual"; then
        echo "FAILED: $name"
        status=1
    fi
}

# check_refused NAME MESSAGE: the script must fail on $work/NEWS.md with MESSAGE.
check_refused() {
    local name=$1 message=$2
    if "$awk_program" -v format=debian -f "$script" "$work/NEWS.md" >"$work/actual" 2>&1 ||
        ! grep -qxF "$message" "$work/actual"; then
        echo "FAILED: $name"; cat "$work/actual"
        status=1
    fi
}

cat >"$work/NEWS.md" <<'NEWS'
<!-- a comment -->

# What's new

## 1.1.0 (2024-02-29)

A paragraph that goes on
over two lines.

- A short item.
- An item long enough to need a second line in the changelog, with <angle brackets> & an
  ampersand.
Lazily continued.
- A first line of exactly seventy-eight columns stays whole in the changelog and goes on.
- A first line of exactly seventy-nine columns is one too many for the change log.
- Last item.

After the list.

## 1.0.0 (2000-01-01)

- Only one item.
NEWS

check "the Debian changelog" debian <<'EXPECTED'
drobix (1.1.0) unstable; urgency=medium

  * A paragraph that goes on over two lines.
  * A short item.
  * An item long enough to need a second line in the changelog, with <angle
    brackets> & an ampersand. Lazily continued.
  * A first line of exactly seventy-eight columns stays whole in the changelog
    and goes on.
  * A first line of exactly seventy-nine columns is one too many for the
    change log.
  * Last item.
  * After the list.

 -- Q <q@example.org>  Thu, 29 Feb 2024 12:00:00 +0000

drobix (1.0.0) unstable; urgency=medium

  * Only one item.

 -- Q <q@example.org>  Sat, 01 Jan 2000 12:00:00 +0000
EXPECTED

check "the AppStream releases" appstream <<'EXPECTED'
    <release version="1.1.0" date="2024-02-29">
      <description>
        <p>A paragraph that goes on over two lines.</p>
        <ul>
          <li>A short item.</li>
          <li>An item long enough to need a second line in the changelog, with &lt;angle brackets&gt; &amp; an ampersand. Lazily continued.</li>
          <li>A first line of exactly seventy-eight columns stays whole in the changelog and goes on.</li>
          <li>A first line of exactly seventy-nine columns is one too many for the change log.</li>
          <li>Last item.</li>
        </ul>
        <p>After the list.</p>
      </description>
    </release>
    <release version="1.0.0" date="2000-01-01">
      <description>
        <ul>
          <li>Only one item.</li>
        </ul>
      </description>
    </release>
EXPECTED

check "the newest release" newest <<'EXPECTED'
1.1.0 2024-02-29
EXPECTED

printf '# News\n\n## 1.0 (2026-12-7)\n\n- An item.\n' >"$work/NEWS.md"
check_refused "a date out of form" 'NEWS.md:3: a release'"'"'s heading is "## VERSION (YYYY-MM-DD)"'
printf '## 1.1 (2026-12-08)\n\n## 1.0 (2026-12-07)\n\n- An item.\n' >"$work/NEWS.md"
check_refused "a release without a word" 'NEWS.md:1: release 1.1 says nothing'
printf '## 1.0 (2026-13-07)\n\n- An item.\n' >"$work/NEWS.md"
check_refused "no such month" 'NEWS.md:1: no such date: 2026-13-07'

exit "$status"
