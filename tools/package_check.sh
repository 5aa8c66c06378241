#!/usr/bin/env bash
# Checks a built Debian package: its files, its dependencies, the man pages
# (every command of rackmere-cli is in its page, and man renders them without
# a warning), the AppStream metainfo, lintian (no errors; every warning is one
# that docs/PACKAGING.md explains); then, as root, installs it with apt, runs
# the installed programs on a small tree, tries the bash completion, and
# removes the package again.
#
#   bash tools/package_check.sh build-deb/rackmere_1.0_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

version=$(dpkg-deb -f "$deb" Version)
echo "package $(basename "$deb"), version $version"
[ "$(basename "$deb")" = "rackmere_${version}_$(dpkg --print-architecture).deb" ] || fail "package file name"

# The files a user's desktop and shell look for.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/files"
for f in /usr/bin/rackmere /usr/bin/rackmere-cli \
  /usr/share/applications/rackmere.desktop \
  /usr/share/icons/hicolor/48x48/apps/rackmere.png \
  /usr/share/icons/hicolor/256x256/apps/rackmere.png \
  /usr/share/icons/hicolor/scalable/apps/rackmere.svg \
  /usr/share/metainfo/org.tarnwell.rackmere.metainfo.xml \
  /usr/share/man/man1/rackmere.1.gz /usr/share/man/man1/rackmere-cli.1.gz \
  /usr/share/bash-completion/completions/rackmere-cli \
  /usr/lib/systemd/user/rackmere-watch.service \
  /usr/share/doc/rackmere/copyright /usr/share/doc/rackmere/changelog.gz \
  /usr/share/doc/rackmere/EXPORT.md /usr/share/doc/rackmere/export.schema.json \
  /usr/share/rackmere/translations/rackmere_de.qm /usr/share/rackmere/translations/rackmere_es.qm \
  /usr/share/rackmere/translations/rackmere_fr.qm; do
  grep -qxF "$f" "$work/files" || fail "the package lacks $f"
done

# Dependencies come from the binaries (the Qt libraries they link), and
# MediaInfo, which is loaded at run time.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6printsupport6 libmediainfo0v5; do
  [[ $depends == *"$lib "* || $depends == *"$lib,"* || $depends == *"$lib" ]] || fail "Depends lacks $lib"
done

dpkg-deb -x "$deb" "$work/root"
cli="$work/root/usr/bin/rackmere-cli"

# The user unit that follows disks starts a program of the package, and is
# off until the user turns it on.
unit=$work/root/usr/lib/systemd/user/rackmere-watch.service
start=$(sed -n 's/^ExecStart=\([^ ]*\).*/\1/p' "$unit")
[ -x "$work/root$start" ] || fail "rackmere-watch.service starts '$start', which the package lacks"
! grep -q 'wants/rackmere-watch' "$work/files" || fail "rackmere-watch.service is enabled by the package"

# Every command rackmere-cli offers has its section in the man page.
commands=$("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z0-9-]*\) .*/\1/p')
[ -n "$commands" ] || fail "no commands in rackmere-cli --help"
# The page is read whole first: grep -q stops at the first match, and under
# pipefail the SIGPIPE that zcat would then get fails the check at random.
sections=$(zcat "$work/root/usr/share/man/man1/rackmere-cli.1.gz" | grep '^\.SS ')
for c in $commands; do
  grep -qxF ".SS $c" <<<"$sections" || fail "man rackmere-cli lacks $c"
done
for page in rackmere rackmere-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$work/root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null || true)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done

appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/org.tarnwell.rackmere.metainfo.xml" ||
  fail "appstreamcli validate"

# lintian: no errors; each warning must be listed in docs/PACKAGING.md.
lintian --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 || true
cat "$work/lintian"
if grep -q '^E: ' "$work/lintian"; then fail "lintian reports errors"; fi
for tag in $(sed -n 's/^W: [^ ]* \([a-z0-9-]*\).*/\1/p' "$work/lintian" | sort -u); do
  grep -q "\`$tag\`" docs/PACKAGING.md || fail "lintian warning $tag is not explained in docs/PACKAGING.md"
done

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing the package needs root; the install, run and remove round trip is left out"
elif dpkg-query -W -f='${Status}' rackmere 2>/dev/null | grep -q "install ok installed"; then
  echo "SKIP: a rackmere package is installed on this machine already; it is left as it is"
else
  # One round trip at a time on a machine shared by several checkouts.
  exec 9>/tmp/rackmere-package-check.lock
  flock 9
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$deb" >/dev/null
  [ "$(command -v rackmere-cli)" = /usr/bin/rackmere-cli ] || fail "rackmere-cli is not on the PATH"
  [ "$(rackmere-cli --version)" = "rackmere-cli $version" ] || fail "rackmere-cli --version: $(rackmere-cli --version)"
  [ "$(rackmere --version)" = "rackmere $version" ] || fail "rackmere --version: $(rackmere --version)"
  rackmere-cli --help >/dev/null || fail "rackmere-cli --help"

  mkdir -p "$work/tree/Docs" "$work/catalogue"
  echo hello >"$work/tree/readme.txt"
  echo "quarterly report" >"$work/tree/Docs/report.txt"
  export RACKMERE_DIR="$work/catalogue"
  rackmere-cli add "$work/tree" --name "Small tree" >/dev/null || fail "installed rackmere-cli add"
  rackmere-cli list | grep -q $'\tSmall tree\t' || fail "installed rackmere-cli list"
  rackmere-cli find report | grep -q report.txt || fail "installed rackmere-cli find"
  rackmere-cli export --format csv -o "$work/tree.csv" || fail "installed rackmere-cli export"
  # A header, two folders (the root and Docs) and two files.
  [ "$(wc -l <"$work/tree.csv")" -eq 5 ] || fail "the export of the small tree: $(cat "$work/tree.csv")"
  unset RACKMERE_DIR

  completion=$(bash -c 'source /usr/share/bash-completion/bash_completion
    COMP_WORDS=(rackmere-cli exp); COMP_CWORD=1; COMP_LINE="rackmere-cli exp"; COMP_POINT=${#COMP_LINE}
    _completion_loader rackmere-cli; _rackmere_cli rackmere-cli exp rackmere-cli; echo "${COMPREPLY[*]}"')
  [ "$completion" = export ] || fail "bash completion of 'rackmere-cli exp': '$completion'"

  apt-get remove -y -qq -o DPkg::Lock::Timeout=300 rackmere >/dev/null
  [ ! -e /usr/bin/rackmere-cli ] || fail "rackmere-cli is still there after the package was removed"
  echo "installed, ran on a small tree, and removed again"
fi

[ "$failed" -eq 0 ] && echo "package checks passed"
exit "$failed"
