#!/usr/bin/env bash
# Builds the package with scripts/package into WORK/build, unpacks it into
# WORK/root with dpkg -x, and checks what it holds: both programs run from
# there (velquor without a display) and give the levels of BUILT_CLI, the
# developer's build, to the last digit; every icon has its size; the manual
# pages cover every command; the desktop entry and the AppStream metadata pass
# their validators.
#   check_package.sh SOURCE_DIR WORK BUILT_CLI
set -euo pipefail
source_dir=$1 work=$2 built_cli=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in dpkg-buildflags dpkg-shlibdeps fakeroot lintian desktop-file-validate appstreamcli file; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (Debian: dpkg-dev, fakeroot, lintian, desktop-file-utils, appstream, file; scripts/test installs them)"
    exit 77
  fi
done

"$source_dir/scripts/package" "$work/build" >"$work.log" 2>&1 || { cat "$work.log"; fail "scripts/package"; }
grep -E '^[EWI]: ' "$work.log" || true
debs=("$work"/build/velquor_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "velquor_${version}_${arch}.deb" ] || fail "package name $(basename "$deb")"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries"

root=$work/root
rm -rf "$root"
dpkg -x "$deb" "$root"
usr=$root/usr

cli=$usr/bin/velquor-cli
[ "$("$cli" --version)" = "velquor-cli $version" ] || fail "velquor-cli --version: $("$cli" --version)"
diff <("$built_cli" levels) <("$cli" levels) || fail "the package's levels differ from the build's"

# The window program answers --help and --version with no display at all.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/velquor" --version)" = \
  "velquor $version" ] || fail "velquor --version"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/velquor" --help)
grep -q '^Usage: velquor' <<<"$help" || fail "velquor --help"

for size in 16 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/velquor.png
  file "$png" | grep -q "PNG image data, $size x $size," || fail "icon $size: $(file "$png")"
done
file "$usr/share/icons/hicolor/scalable/apps/velquor.svg" | grep -q 'SVG' || fail "no scalable icon"

# velquor-cli(1) has a subsection for every command its --help lists.
page=$(zcat "$usr/share/man/man1/velquor-cli.1.gz")
commands=$("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "velquor-cli --help lists no commands"
for command in $commands; do
  grep -q "^\.SS \"velquor\\\\-cli $command" <<<"$page" || fail "velquor-cli(1) lacks the command $command"
done
grep -q '^\.TH VELQUOR "1"' <<<"$(zcat "$usr/share/man/man1/velquor.1.gz")" || fail "velquor(1)"
[ -s "$usr/share/doc/velquor/copyright" ] || fail "no copyright file"

entry=$usr/share/applications/velquor.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in the package"
metainfo=("$usr"/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} -eq 1 ] || fail "expected one metainfo file"
appstreamcli validate --no-net "${metainfo[0]}" || fail "appstreamcli validate"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "${metainfo[0]}" ||
  fail "the metainfo does not launch $(basename "$entry")"
echo "package ok: $(basename "$deb")"
