#!/bin/bash
# Reads every #include of the project's own code and fails when one reaches a
# folder its own may not include. The rules are the README's: the block that
# follows the line naming this script lists, per folder, the folders right
# below it; what those may include, it may include too. A folder's sub-folders
# follow its rule unless they have one of their own; `*` allows anything and
# `-` nothing.
#
# Usage: scripts/check-layering.sh [PROJECT_ROOT]   (default: the script's parent)
# Exit status 0 when every include keeps to the layering, 1 otherwise.

set -eu
cd "${1:-$(dirname "$0")/..}"

rules=$(awk '/scripts\/check-layering\.sh/ { found = 1; next }
             found && /^```/ { if (inside) exit; inside = 1; next }
             inside { print }' README.md)
if [ -z "$rules" ]; then
    echo "README.md: no layering block after the line naming scripts/check-layering.sh" >&2
    exit 1
fi

find . -path ./.git -prune -o -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print |
    sed 's#^\./##' | sort |
    awk -v rules="$rules" '
    function strip(folder) { sub(/\/$/, "", folder); return folder }
    # The folder whose rule a path follows: the longest one that holds it.
    function layer(path,   dir) {
        dir = path
        while (dir != "") {
            if (!sub(/\/[^\/]*$/, "", dir)) dir = ""
            if (dir in below) return dir
        }
        return ""
    }
    # Whether "from" may include "to": what it stands on, and all under that;
    # a folder named there stands for its sub-folders too.
    function reaches(from, to,   queue, seen, n, head, parts, count, i) {
        n = 1; queue[1] = from; seen[from] = 1
        for (head = 1; head <= n; ++head) {
            count = split(below[queue[head]], parts, " ")
            for (i = 1; i <= count; ++i) {
                if (parts[i] == to || index(to, parts[i] "/") == 1) return 1
                if (!(parts[i] in seen)) { seen[parts[i]] = 1; queue[++n] = parts[i] }
            }
        }
        return 0
    }
    BEGIN {
        count = split(rules, lines, "\n")
        for (i = 1; i <= count; ++i) {
            words = split(lines[i], word, " ")
            if (!words) continue
            folder = strip(word[1]); below[folder] = ""
            for (j = 2; j <= words; ++j) if (word[j] != "-") below[folder] = below[folder] " " strip(word[j])
        }
    }
    {
        file = $0; from = layer(file)
        if (from == "") { print file ": its folder has no place in the layering" > "/dev/stderr"; ++failures; next }
        if (below[from] ~ /(^| )\*( |$)/) next
        while ((getline line < file) > 0) {
            if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
            included = line; sub(/^[^"]*"/, "", included); sub(/".*$/, "", included)
            if ((getline probe < included) < 0) continue   # a system or generated header
            close(included)
            to = layer(included)
            if (to == "" || to == from || reaches(from, to)) continue
            print file " includes " included ": " from "/ may not include " to "/" > "/dev/stderr"
            ++failures
        }
        close(file)
    }
    END {
        if (failures) { print failures " include(s) cross the layering" > "/dev/stderr"; exit 1 }
    }'
