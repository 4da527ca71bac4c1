#!/usr/bin/env bash
# Installs the build into a temporary staging folder (DESTDIR, prefix /usr)
# and checks what a desktop and a package need with Debian's validators.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr
id=jp.tavex.Zentra

for f in bin/zentra bin/zentra-cli libexec/zentra/zentra-cli-graph share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
         share/icons/hicolor/48x48/mimetypes/application-x-zentra-document.png \
         share/icons/hicolor/scalable/mimetypes/application-x-zentra-library.svg \
         share/doc/zentra/manual.md share/doc/zentra/copyright share/doc/zentra/examples/beam.qbxsrc \
         share/man/man1/zentra.1.gz share/man/man1/zentra-cli.1.gz \
         share/bash-completion/completions/zentra-cli; do
  [ -e "$usr/$f" ] || fail "not installed: /usr/$f"
done
if find "$stage" -path "$usr" -prune -o -type f -print | grep -q .; then fail "files outside the prefix"; fi

desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"; fail "metainfo"; }

# The file types: the database builds without complaint and knows both globs.
errors=$(XDG_DATA_DIRS="$usr/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" update-mime-database "$usr/share/mime" 2>&1 >/dev/null)
[ -z "$errors" ] || fail "update-mime-database: $errors"
grep -q ':application/x-zentra-document:\*\.qbxsrc' "$usr/share/mime/globs2" || fail "no *.qbxsrc glob"
grep -q ':application/x-zentra-library:\*\.qbxfun' "$usr/share/mime/globs2" || fail "no *.qbxfun glob"
grep -q 'Zentra 計算ドキュメント' "$usr/share/mime/application/x-zentra-document.xml" || fail "no Japanese name"

# The manual pages format without warnings and name every option of --help.
for page in zentra zentra-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done
text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$usr/share/man/man1/zentra-cli.1.gz" 2>/dev/null)
for option in $("$usr/bin/zentra-cli" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -q -- "$option" <<<"$text" || fail "zentra-cli(1) lacks $option"
done

# The completion completes a long option and offers only libraries after -l.
completion=/usr/share/bash-completion/bash_completion
if [ -f "$completion" ]; then
  mkdir "$stage/work" && touch "$stage/work/a.qbxfun" "$stage/work/b.txt"
  got=$(cd "$stage/work" && bash -c "source $completion; source $usr/share/bash-completion/completions/zentra-cli
    complete_line() { COMP_LINE=\$1; COMP_POINT=\${#1}; read -ra COMP_WORDS <<<\"\$1\"; COMP_CWORD=\$2
      [ \${#COMP_WORDS[@]} -le \$2 ] && COMP_WORDS+=('')
      _zentra_cli; echo \${COMPREPLY[*]}; }
    complete_line 'zentra-cli --prec' 1
    complete_line 'zentra-cli -l ' 2")
  [ "$got" = $'--precision\na.qbxfun' ] || fail "completion gave: $got"
fi

"$usr/bin/zentra-cli" --version | grep -q '^zentra-cli ' || fail "installed zentra-cli does not run"
"$usr/bin/zentra" --version | grep -q '^zentra ' || fail "installed zentra does not run"
# --graph finds its drawing program where it was installed.
"$usr/bin/zentra-cli" -d 'x = 0, 1, ..., 9;' -e 'y = x * x' -e 'graph(y)' --graph "$stage/plot.png" >/dev/null ||
  fail "installed zentra-cli --graph failed"
[ "$(head -c 4 "$stage/plot.png" | tail -c 3)" = PNG ] || fail "installed zentra-cli --graph wrote no PNG"
echo "check-install: ok"
