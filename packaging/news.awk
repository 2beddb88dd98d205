# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads NEWS.md and writes, by the variable `format`:
#   debian     the Debian changelog (needs `package` and `maintainer`)
#   appstream  the <release> elements of the AppStream data
#   newest     the newest release's version and date, on one line
# A release is a heading "## VERSION (YYYY-MM-DD)", newest first, followed by paragraphs and
# "- " list items; a line that is neither continues the paragraph or item before it, and a
# blank line ends it. Everything before the first release (the title) is skipped. The text is
# plain: it is copied as it stands, with only XML's special characters escaped.

BEGIN {
    releases = 0
    # Lintian warns of changelog lines beyond 80 columns; 78 leaves a margin.
    changelog_width = 78
    split("Sun Mon Tue Wed Thu Fri Sat", weekday_names, " ")
    split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", month_names, " ")
}

function fail_at(line, message) {
    printf "NEWS.md:%d: %s\n", line, message > "/dev/stderr"
    failed = 1
    exit 1
}

function fail(message) {
    fail_at(FNR, message)
}

function start_block(kind, text) {
    blocks[releases]++
    kinds[releases, blocks[releases]] = kind
    texts[releases, blocks[releases]] = text
    open = 1
}

/^## / {
    if ($0 !~ /^## [0-9]+(\.[0-9]+)* \([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\)$/)
        fail("a release's heading is \"## VERSION (YYYY-MM-DD)\"")
    releases++
    versions[releases] = $2
    dates[releases] = substr($3, 2, 10)
    month = substr(dates[releases], 6, 2) + 0
    day = substr(dates[releases], 9, 2) + 0
    if (month < 1 || month > 12 || day < 1 || day > 31)
        fail("no such date: " dates[releases])
    heading_lines[releases] = FNR
    blocks[releases] = 0
    open = 0
    next
}

releases == 0 { next }

/^[ \t]*$/ { open = 0; next }

/^- / { start_block("item", substr($0, 3)); next }

{
    line = $0
    sub(/^[ \t]+/, "", line)
    if (open)
        texts[releases, blocks[releases]] = texts[releases, blocks[releases]] " " line
    else
        start_block("paragraph", line)
}

function escape_xml(text) {
    gsub(/&/, "\\&amp;", text)
    gsub(/</, "\\&lt;", text)
    gsub(/>/, "\\&gt;", text)
    return text
}

# Sakamoto's rule: 0 is Sunday.
function day_of_week(year, month, day,    offsets) {
    split("0 3 2 5 0 3 5 1 4 6 2 4", offsets, " ")
    if (month < 3)
        year--
    return (year + int(year / 4) - int(year / 100) + int(year / 400) + offsets[month] + day) % 7
}

# An ISO date as a Debian changelog writes it (RFC 5322), at noon UTC.
function debian_date(iso,    year, month, day) {
    year = substr(iso, 1, 4) + 0
    month = substr(iso, 6, 2) + 0
    day = substr(iso, 9, 2) + 0
    return sprintf("%s, %02d %s %04d 12:00:00 +0000",
                   weekday_names[day_of_week(year, month, day) + 1], day, month_names[month], year)
}

# One "  * " entry, its words wrapped to lines of at most changelog_width characters.
function print_debian_entry(text,    words, count, i, line) {
    count = split(text, words, " ")
    line = "  *"
    for (i = 1; i <= count; i++) {
        if (length(line) + 1 + length(words[i]) > changelog_width) {
            print line
            line = "   "
        }
        line = line " " words[i]
    }
    print line
}

function print_debian(    r, b) {
    for (r = 1; r <= releases; r++) {
        if (r > 1)
            print ""
        printf "%s (%s) unstable; urgency=medium\n\n", package, versions[r]
        for (b = 1; b <= blocks[r]; b++)
            print_debian_entry(texts[r, b])
        printf "\n -- %s  %s\n", maintainer, debian_date(dates[r])
    }
}

function print_appstream(    r, b, in_list) {
    for (r = 1; r <= releases; r++) {
        printf "    <release version=\"%s\" date=\"%s\">\n", versions[r], dates[r]
        print "      <description>"
        in_list = 0
        for (b = 1; b <= blocks[r]; b++) {
            if (kinds[r, b] == "item" && !in_list)
                print "        <ul>"
            if (kinds[r, b] != "item" && in_list)
                print "        </ul>"
            in_list = kinds[r, b] == "item"
            if (in_list)
                printf "          <li>%s</li>\n", escape_xml(texts[r, b])
            else
                printf "        <p>%s</p>\n", escape_xml(texts[r, b])
        }
        if (in_list)
            print "        </ul>"
        print "      </description>"
        print "    </release>"
    }
}

END {
    if (failed)
        exit 1
    if (releases == 0)
        fail("no release")
    for (r = 1; r <= releases; r++)
        if (blocks[r] == 0)
            fail_at(heading_lines[r], "release " versions[r] " says nothing")
    if (format == "debian")
        print_debian()
    else if (format == "appstream")
        print_appstream()
    else if (format == "newest")
        print versions[1], dates[1]
    else
        fail("unknown format: " format)
}
