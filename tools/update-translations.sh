#!/usr/bin/env bash
# Brings the window's translations up to date with the sources: lupdate adds
# every new or changed text to each translations/vormis_*.ts as unfinished
# (filled in from a similar old text where it finds one) and drops the texts
# that are gone.  Then translate the unfinished entries (Qt Linguist:
# /usr/lib/qt6/bin/linguist translations/vormis_*.ts) and commit them;
# tools/check-translations.py (./test.sh --full) fails while one is left.
#
#   tools/update-translations.sh [FOLDER]   the .ts files in FOLDER instead
#
# The sources are the project's C++ files outside the build, test, benchmark
# and tool folders, committed or not; CMake's update_translations target
# reads the same.  No line numbers go into the files, so moving a text
# leaves them as they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "${1:-$root/translations}" && pwd)
lupdate=${LUPDATE:-$(qtpaths6 --query QT_HOST_BINS)/lupdate}

cd "$root"
sources=()
while IFS= read -r -d '' file; do
  sources+=("$file")
done < <(find . \( -path './build*' -o -path ./tests -o -path ./bench -o -path ./tools -o -path './.*' \) -prune \
              -o \( -name '*.cpp' -o -name '*.h' \) -print0 | LC_ALL=C sort -z)
"$lupdate" -silent -locations none -no-obsolete "${sources[@]}" -ts "$folder"/vormis_*.ts
