#!/bin/sh
# installed_test.sh BUILD_DIR BUILT_VORNAK_CHART SAMPLE_FILE
set -eu
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$1" --prefix /usr/local >/dev/null
p=$root/usr/local
fail() { echo "installed: $*" >&2; exit 1; }

# The desktop entry is valid and names an installed program and icon.
desktop=$p/share/applications/vornak.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
exe=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$p/bin/$exe" ] || fail "Exec=$exe is not installed"
for f in bin/vornak bin/vornak-chart share/man/man1/vornak.1.gz share/man/man1/vornak-chart.1.gz \
         share/icons/hicolor/48x48/apps/vornak.png share/icons/hicolor/48x48/apps/$icon.png \
         share/icons/hicolor/scalable/apps/$icon.svg share/doc/vornak/copyright; do
  [ -s "$p/$f" ] || fail "no $f"
done

# The installed command prints what the built one prints.
"$p/bin/vornak-chart" "$3" >"$root/installed.txt"
"$2" "$3" >"$root/built.txt"
cmp "$root/installed.txt" "$root/built.txt" || fail "installed vornak-chart differs from the built one"

# The AppStream metadata validates on its own and with the installed files:
# validate-tree also fails a file not named after its component id and a
# launchable desktop entry that is not installed (appstreamcli comes with
# tools/deps.sh).
meta=$(ls "$p"/share/metainfo/*.metainfo.xml 2>/dev/null) || fail "no AppStream metadata"
command -v appstreamcli >/dev/null || fail "appstreamcli is not installed (tools/deps.sh installs it)"
for check in validate validate-tree; do
  [ $check = validate ] && f=$meta || f=$p
  appstreamcli $check --no-net "$f" >"$root/appstream.txt" 2>&1 ||
    { cat "$root/appstream.txt" >&2; fail "appstreamcli $check $f fails"; }
done
