#!/usr/bin/env bash
# Builds the Debian package from an already built build folder and checks
# what is in it: the file list (the programs and their data files, nothing
# else), the control fields and run-time dependencies, the desktop entry and
# the AppStream metadata (with their validators), the icons, the manual
# pages, the example worlds, and the unpacked programs themselves.
#
#   tools/check-package.sh [BUILD_DIR]     (default: build)
#
# BUILD_DIR must be configured and built (test.sh does both for build/).
# The package is made with cpack from BUILD_DIR's CPackConfig.cmake into a
# temporary folder, so nothing is written beside the build except what a
# build of its out-of-date targets writes; the Debian generator installs
# under /usr whatever CMAKE_INSTALL_PREFIX the folder was configured with.
#
# Needs (Debian packages): cmake, dpkg-dev and file (dpkg-shlibdeps),
# desktop-file-utils, appstream, lintian, groff-base.

set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
cd "$root"

APP_ID=io.github.vormis.Vormis
ICON_SIZES="16 22 24 32 48 64 128 256"

build=${1:-build}
build=$(cd "$build" 2>/dev/null && pwd) || {
    echo "check-package: no build folder '${1:-build}'; build it first (./test.sh or build_tree)" >&2
    exit 1
}

# --- what the checks need -------------------------------------------------

missing=""
for tool in cpack dpkg dpkg-deb dpkg-query dpkg-shlibdeps file desktop-file-validate \
            appstreamcli lintian groff gzip readelf ldd; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    echo "check-package: missing tools:$missing" >&2
    echo "check-package: apt-get install -y cmake dpkg-dev file desktop-file-utils appstream lintian groff-base binutils" >&2
    exit 1
fi
for f in CPackConfig.cmake vormis vormis-run; do
    if [ ! -e "$build/$f" ]; then
        echo "check-package: $build/$f is missing; configure and build $build first" >&2
        exit 1
    fi
done

# The version the package must carry, read from the project() line.
version=$(sed -n 's/^project(Vormis VERSION \([0-9][0-9.]*\).*/\1/p' CMakeLists.txt)
if [ -z "$version" ]; then
    echo "check-package: no 'project(Vormis VERSION x.y.z' line in CMakeLists.txt" >&2
    exit 1
fi
arch=$(dpkg --print-architecture)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

started=$SECONDS
passed=0
failed=0
failures=()
ok() {
    passed=$((passed + 1))
    printf '  ok    %s\n' "$1"
}
bad() {
    failed=$((failed + 1))
    failures+=("$1")
    printf '  FAIL  %s\n' "$1"
    if [ $# -gt 1 ] && [ -n "$2" ]; then
        printf '%s\n' "$2" | sed 's/^/          /'
    fi
}
# check <description> <command...>: passes when the command succeeds; its
# output is shown only when it fails.
check() {
    local what=$1 out
    shift
    if out=$("$@" 2>&1); then
        ok "$what"
    else
        bad "$what" "$out"
    fi
}

# --- build the package ----------------------------------------------------

echo "== check-package: vormis $version ($arch) from $build"
out="$work/out"
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" \
        -D CPACK_PACKAGING_INSTALL_PREFIX=/usr >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "check-package: cpack failed" >&2
    exit 1
fi
deb_name="vormis_${version}_${arch}.deb"
deb="$out/$deb_name"
debs=$(find "$out" -maxdepth 1 -name '*.deb' -printf '%f ')
if [ "$debs" != "$deb_name " ]; then
    cat "$work/cpack.log" >&2
    echo "check-package: expected exactly $deb_name from cpack, got: ${debs:-nothing}" >&2
    exit 1
fi
ok "cpack made $deb_name ($(stat -c %s "$deb") bytes)"

# --- control fields -------------------------------------------------------

echo "-- control fields"
field() { dpkg-deb -f "$deb" "$1"; }
expect_field() {
    local name=$1 want=$2 got
    got=$(field "$name")
    if [ "$got" = "$want" ]; then
        ok "$name: $got"
    else
        bad "$name is '$got', expected '$want'"
    fi
}
expect_field Package vormis
expect_field Version "$version"
expect_field Architecture "$arch"
expect_field Section science
expect_field Priority optional
check "Maintainer is 'Name <address>'" grep -Eq '^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$' <<<"$(field Maintainer)"
check "Homepage is an https address" grep -Eq '^https://[^ ]+$' <<<"$(field Homepage)"
description=$(field Description)
check "Description has a synopsis and a long description" \
    test "$(wc -l <<<"$description")" -ge 3
long_lines=$(awk 'length($0) > 80' <<<"$description")
if [ -z "$long_lines" ]; then ok "Description lines fit in 80 columns"; else bad "Description lines over 80 columns" "$long_lines"; fi

# Depends: the package names, without versions and alternatives.
depends=$(field Depends)
depends_names=" $(tr ',|' '\n' <<<"$depends" | sed 's/(.*)//; s/:any//; s/[[:space:]]//g' | grep -v '^$' | tr '\n' ' ')"
echo "          Depends: $depends"
expect_field Recommends qt6-translations-l10n
for pkg in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    case "$depends_names" in
    *" $pkg "*) ok "Depends lists $pkg" ;;
    *) bad "Depends does not list $pkg" ;;
    esac
done
# The plugins Qt loads at run time, which dpkg-shlibdeps cannot see: the
# package that holds each on this machine must be in Depends.
for plugin in platforms/libqxcb.so imageformats/libqgif.so imageformats/libqjpeg.so; do
    owner=$(dpkg-query -S "*/qt6/plugins/$plugin" 2>/dev/null | head -n 1 | sed 's/[:,].*//') || true
    if [ -z "$owner" ]; then
        bad "no installed package holds the Qt plugin $plugin"
        continue
    fi
    case "$depends_names" in
    *" $owner "*) ok "Depends lists $owner (holds the Qt plugin $plugin)" ;;
    *) bad "Depends does not list $owner, which holds the Qt plugin $plugin" ;;
    esac
done
# Every dependency must be a package this machine knows (it built the
# programs against them), which catches a misspelt name.
unknown=""
for pkg in $depends_names; do
    dpkg-query -W "$pkg" >/dev/null 2>&1 || unknown="$unknown $pkg"
done
if [ -z "$unknown" ]; then ok "every package in Depends is installed here"; else bad "Depends names packages unknown here:$unknown"; fi

# --- file list ------------------------------------------------------------

echo "-- contents"
# Regular files with their modes and owners, e.g. "-rwxr-xr-x root/root ./usr/bin/vormis".
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | sort >"$work/files"
{
    echo "-rwxr-xr-x root/root ./usr/bin/vormis"
    echo "-rwxr-xr-x root/root ./usr/bin/vormis-run"
    echo "-rw-r--r-- root/root ./usr/share/applications/$APP_ID.desktop"
    echo "-rw-r--r-- root/root ./usr/share/metainfo/$APP_ID.metainfo.xml"
    for n in $ICON_SIZES; do
        echo "-rw-r--r-- root/root ./usr/share/icons/hicolor/${n}x${n}/apps/$APP_ID.png"
    done
    echo "-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
    echo "-rw-r--r-- root/root ./usr/share/man/man1/vormis.1.gz"
    echo "-rw-r--r-- root/root ./usr/share/man/man1/vormis-run.1.gz"
    echo "-rw-r--r-- root/root ./usr/share/doc/vormis/copyright"
    echo "-rw-r--r-- root/root ./usr/share/doc/vormis/changelog.gz"
    for world in docs/worlds/*.txt; do
        echo "-rw-r--r-- root/root ./usr/share/vormis/worlds/${world##*/}"
    done
} | sort >"$work/expected"
if cmp -s "$work/files" "$work/expected"; then
    ok "exactly the $(wc -l <"$work/expected") expected files, modes and owners (no tests, benchmarks or libraries)"
else
    bad "the package's files differ from the expected list (< package, > expected)" \
        "$(diff "$work/files" "$work/expected" | grep '^[<>]')"
fi
dirs_outside=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -Ev '^\./(usr/)?$|^\./usr/(bin|share)/' || true)
if [ -z "$dirs_outside" ]; then ok "everything is under /usr/bin and /usr/share"; else bad "entries outside /usr/bin and /usr/share" "$dirs_outside"; fi

tree="$work/root"
mkdir -p "$tree"
dpkg-deb -x "$deb" "$tree"

# --- programs -------------------------------------------------------------

echo "-- programs"
for prog in vormis vormis-run; do
    bin="$tree/usr/bin/$prog"
    kind=$(file -b "$bin")
    case "$kind" in
    ELF*executable*", stripped"*|ELF*shared\ object*", stripped"*) ok "$prog: stripped ELF program" ;;
    *) bad "$prog is not a stripped ELF program" "$kind" ;;
    esac
    runpath=$(readelf -d "$bin" | grep -E 'RPATH|RUNPATH' || true)
    if [ -z "$runpath" ]; then ok "$prog: no RPATH or RUNPATH"; else bad "$prog keeps a library search path" "$runpath"; fi
    unresolved=$(env -u LD_LIBRARY_PATH ldd "$bin" 2>&1 | grep 'not found' || true)
    if [ -z "$unresolved" ]; then ok "$prog: every shared library resolves"; else bad "$prog: libraries not found" "$unresolved"; fi
done

got=$(env -u LD_LIBRARY_PATH "$tree/usr/bin/vormis-run" --version 2>&1) || true
if [ "$got" = "vormis-run $version" ]; then
    ok "unpacked vormis-run --version prints '$got'"
else
    bad "unpacked vormis-run --version printed '$got', expected 'vormis-run $version'"
fi
if got=$(cd "$work" && env -u LD_LIBRARY_PATH "$tree/usr/bin/vormis-run" --example --generations 20 --seed 1 \
        --png "$work/world.png" 2>&1) && [ -s "$work/world.png" ] && grep -q 'seed' <<<"$got"; then
    ok "unpacked vormis-run runs the example world and writes a picture"
else
    bad "unpacked vormis-run --example --generations 20 --seed 1 --png failed" "$got"
fi

# The example worlds: installed as they are in docs/worlds, and read by the
# unpacked runner.
installed_worlds=""
for world in docs/worlds/*.txt; do
    name=${world##*/}
    installed="$tree/usr/share/vormis/worlds/$name"
    if cmp -s "$world" "$installed" &&
        env -u LD_LIBRARY_PATH "$tree/usr/bin/vormis-run" --world "$installed" --generations 1 >/dev/null 2>&1; then
        installed_worlds="$installed_worlds $name"
    else
        bad "/usr/share/vormis/worlds/$name differs from $world or vormis-run cannot read it"
    fi
done
ok "example worlds in /usr/share/vormis/worlds, read by vormis-run:$installed_worlds"

# The window on Qt's offscreen platform: it must start and still be running
# after two seconds (a missing library or plugin ends it at once).
(cd "$work" && exec env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" \
    "$tree/usr/bin/vormis" >"$work/vormis.log" 2>&1) &
window=$!
sleep 2
if kill -0 "$window" 2>/dev/null; then
    kill "$window"
    wait "$window" 2>/dev/null || true
    ok "unpacked vormis starts (offscreen) and keeps running"
else
    status=0
    wait "$window" || status=$?
    bad "unpacked vormis ended within two seconds (status $status)" "$(cat "$work/vormis.log")"
fi

# --- desktop entry --------------------------------------------------------

echo "-- desktop entry and metadata"
desktop="$tree/usr/share/applications/$APP_ID.desktop"
metainfo="$tree/usr/share/metainfo/$APP_ID.metainfo.xml"
if out=$(desktop-file-validate "$desktop" 2>&1); then
    ok "desktop-file-validate $APP_ID.desktop${out:+ (hints below)}"
    [ -z "$out" ] || printf '%s\n' "$out" | sed "s|$tree||; s/^/          /"
else
    bad "desktop-file-validate $APP_ID.desktop" "$out"
fi
key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_line=$(key Exec)
exec_prog=${exec_line%% *}
if [ -n "$exec_prog" ] && [ "${exec_prog#/}" = "$exec_prog" ] && [ -x "$tree/usr/bin/$exec_prog" ]; then
    ok "Exec=$exec_line runs a program of the package from PATH"
else
    bad "Exec='$exec_line' is not a program of the package in usr/bin"
fi
expect_key() {
    local got
    got=$(key "$1")
    if [ "$got" = "$2" ]; then ok "$1=$got"; else bad "$1 is '$got', expected '$2'"; fi
}
expect_key Icon "$APP_ID"
expect_key Type Application
expect_key Terminal false
categories=$(key Categories)
for c in Education Science; do
    case ";$categories" in
    *";$c;"*) ok "Categories has $c" ;;
    *) bad "Categories '$categories' lacks $c" ;;
    esac
done
check "Comment and Keywords are set" test -n "$(key Comment)" -a -n "$(key Keywords)"
for lang in de fr es; do
    check "Name, GenericName and Comment in [$lang]" \
        test -n "$(key "Name\[$lang\]")" -a -n "$(key "GenericName\[$lang\]")" -a -n "$(key "Comment\[$lang\]")"
done

# --- AppStream metadata ---------------------------------------------------

if out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    ok "appstreamcli validate --no-net $APP_ID.metainfo.xml"
else
    bad "appstreamcli validate --no-net $APP_ID.metainfo.xml" "$out"
fi
# The installed tree as a whole: the metadata's desktop-id must be there.
if out=$(appstreamcli validate-tree --no-net "$tree" 2>&1); then
    ok "appstreamcli validate-tree --no-net (unpacked package)"
else
    bad "appstreamcli validate-tree --no-net (unpacked package)" "$out"
fi
tag() { grep -o "<$1[^>]*>[^<]*</$1>" "$metainfo" | sed 's/<[^>]*>//g'; }
expect_tag() {
    local got
    got=$(tag "$1")
    if [ "$got" = "$2" ]; then ok "metainfo <$1> is $got"; else bad "metainfo <$1> is '$got', expected '$2'"; fi
}
for lang in de fr es; do
    check "metainfo has a name and a summary in $lang" \
        grep -q "<name xml:lang=\"$lang\">.*<summary xml:lang=\"$lang\">" <<<"$(tr -d '\n' <"$metainfo")"
done
expect_tag id "$APP_ID"
expect_tag launchable "$APP_ID.desktop"
expect_tag project_license GPL-3.0-or-later
expect_tag metadata_license CC0-1.0
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*version="//; s/"$//')
if [ "$newest" = "$version" ]; then ok "metainfo's newest release is $version"; else bad "metainfo's newest release is '$newest', expected $version"; fi
for b in $(tag binary); do
    check "metainfo provides binary $b, which the package installs" test -x "$tree/usr/bin/$b"
done

# --- icons ----------------------------------------------------------------

echo "-- icons"
# A PNG's size, bit depth and colour type, read from its IHDR chunk.
png_info() {
    local f=$1
    [ "$(od -An -tx1 -N8 "$f" | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "not a PNG"; return; }
    printf '%d %d %d %d\n' \
        "$(od -An -tu4 --endian=big -j16 -N4 "$f" | tr -d ' ')" \
        "$(od -An -tu4 --endian=big -j20 -N4 "$f" | tr -d ' ')" \
        "$(od -An -tu1 -j24 -N1 "$f" | tr -d ' ')" \
        "$(od -An -tu1 -j25 -N1 "$f" | tr -d ' ')"
}
for n in $ICON_SIZES; do
    icon="$tree/usr/share/icons/hicolor/${n}x${n}/apps/$APP_ID.png"
    if [ ! -f "$icon" ]; then
        bad "no ${n}x${n} icon"
        continue
    fi
    info=$(png_info "$icon")
    if [ "$info" = "$n $n 8 6" ]; then
        ok "${n}x${n} icon: ${n}x${n} PNG, 8-bit RGBA"
    else
        bad "${n}x${n} icon: got '$info' (width height depth colour-type), expected '$n $n 8 6'"
    fi
    check "${n}x${n} icon is the committed render" cmp "$icon" "app/desktop/icons/${n}x${n}/$APP_ID.png"
done
check "128x128 icon is the icon compiled into the program" \
    cmp "$tree/usr/share/icons/hicolor/128x128/apps/$APP_ID.png" app/images/icon.png
check "scalable icon is the program icon's SVG source" \
    cmp "$tree/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg" app/images/src/icon.svg

# --- manual pages and documentation ---------------------------------------

echo "-- manual pages and documentation"
for page in vormis vormis-run; do
    gz="$tree/usr/share/man/man1/$page.1.gz"
    check "$page.1.gz is valid gzip" gzip -t "$gz"
    th=$(gzip -dc "$gz" | grep -m1 '^\.TH' || true)
    case "$th" in
    *"Vormis $version"*) ok "$page(1) names version $version" ;;
    *) bad "$page(1) .TH line does not name Vormis $version" "$th" ;;
    esac
    warnings=$(gzip -dc "$gz" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1 || true)
    if [ -z "$warnings" ]; then ok "$page(1) formats without groff warnings"; else bad "$page(1): groff warnings" "$warnings"; fi
done
# Every option vormis-run --help lists must have an entry of its own in
# the manual page: a tagged paragraph (.TP) whose tag names it.  roff writes
# each dash as \-.
options=$(env -u LD_LIBRARY_PATH "$tree/usr/bin/vormis-run" --help | sed -n 's/^ *\(-[a-z], \)\{0,1\}\(--[a-z][a-z-]*\).*/\2/p' | sort -u)
man_text=$(gzip -dc "$tree/usr/share/man/man1/vormis-run.1.gz" | awk 'tag { print; tag = 0 } /^\.TP/ { tag = 1 }' | sed 's/\\-/-/g')
undescribed=""
for option in $options; do
    grep -qe "$option\([^a-z-]\|$\)" <<<"$man_text" || undescribed="$undescribed $option"
done
if [ -z "$options" ]; then
    bad "vormis-run --help lists no options"
elif [ -z "$undescribed" ]; then
    ok "vormis-run(1) describes all $(wc -w <<<"$options") options of vormis-run --help"
else
    bad "vormis-run(1) does not describe:$undescribed"
fi
check "copyright names GPL-3.0-or-later" grep -q '^License: GPL-3.0-or-later' "$tree/usr/share/doc/vormis/copyright"
top=$(gzip -dc "$tree/usr/share/doc/vormis/changelog.gz" | head -n 1)
check "changelog's newest entry is vormis ($version)" grep -q "^vormis ($version) " <<<"$top"
check "LICENSE is the GPL version 3 text" grep -q 'GNU GENERAL PUBLIC LICENSE' LICENSE

# --- lintian --------------------------------------------------------------

echo "-- lintian"
# Errors and warnings fail; informational tags are shown only with -I.
if out=$(lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'running with root privileges' ; exit "${PIPESTATUS[0]}"); then
    ok "lintian: no errors or warnings"
    [ -z "$out" ] || printf '%s\n' "$out" | sed 's/^/          /'
else
    bad "lintian" "$out"
fi

# --- summary --------------------------------------------------------------

echo "== check-package: $passed passed, $failed failed ($((SECONDS - started)) s)"
if [ "$failed" -ne 0 ]; then
    printf '   failed: %s\n' "${failures[@]}"
    exit 1
fi
echo "   package: $deb_name (made in a temporary folder, removed on exit)"
