#!/usr/bin/env bash
# The Debian package of a built tree: packs it, checks its files and control fields, unpacks it
# into a scratch root and runs the installed programs from there.
# usage: package_test.sh BUILD_DIR VERSION gui|nogui
set -euo pipefail
build=$1 version=$2 gui=$3
scratch=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  fail "cpack did not make the package"
fi
deb="$scratch/out/veltrano_${version}_$(dpkg --print-architecture).deb"
[[ -f $deb ]] || fail "no $(basename "$deb") in: $(ls "$scratch/out")"

# Files: everything under /usr, and each of these present.
files=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
expected=(/usr/bin/veltrano-cli /usr/bin/fc28-sim /usr/share/man/man1/veltrano-cli.1.gz
          /usr/share/doc/veltrano/README.md)
for bmp in Ok Leer NichtOk Klammer MuellEimer Modell KlammerUndMuell KlammerOk MuellEimerOk \
           KlammerUndMuellOk OrdnerModell OrdnerOffen; do
  expected+=("/usr/share/veltrano/$bmp.bmp")
done
if [[ $gui == gui ]]; then
  expected+=(/usr/bin/veltrano /usr/share/applications/veltrano.desktop
             /usr/share/icons/hicolor/scalable/apps/veltrano.svg
             /usr/share/icons/hicolor/48x48/apps/veltrano.png)
fi
for f in "${expected[@]}"; do
  grep -qxF "$f" <<<"$files" || fail "$f missing from the package; it holds:"$'\n'"$files"
done
outside=$(grep -v -e '^/$' -e '^/usr/' -e '^/usr$' <<<"$files" || true)
[[ -z $outside ]] || fail "files outside /usr: $outside"

# Control fields; the dependencies come from the binaries, so the C and C++ libraries and Qt show.
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == veltrano ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version), not $version"
[[ $(field Section) == utils ]] || fail "Section: $(field Section)"
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
[[ $(field Description) != *";"* ]] || fail "Description joined from a list: $(field Description)"
depends=$(field Depends)
for lib in libc6 libstdc++6 $([[ $gui == gui ]] && echo libqt6widgets6 libqt6serialport6); do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

# Installed into a scratch root: the programs run from there.
root="$scratch/root"
dpkg -x "$deb" "$root"
cli="$root/usr/bin/veltrano-cli"
[[ $("$cli" --version) == "veltrano-cli $version" ]] || fail "--version says: $("$cli" --version)"
# (Whole outputs first: a reader that stops early would break the pipe under pipefail.)
help=$("$cli" --help)
grep -q "veltrano-cli new TYPE" <<<"$help" || fail "--help lacks the commands: $help"
"$cli" new acro "$scratch/a.fc" || fail "new"
dump=$("$cli" dump "$scratch/a.fc")
[[ ${dump%%$'\n'*} == 'GLOBAL\MODEL NAME\NAME: DEF ACRO' ]] || fail "dump begins: ${dump%%$'\n'*}"
sim_help=$("$root/usr/bin/fc28-sim" --help)
grep -q "usage: fc28-sim" <<<"$sim_help" || fail "fc28-sim --help: $sim_help"
man_page=$(zcat "$root/usr/share/man/man1/veltrano-cli.1.gz")
grep -q "Veltrano $version" <<<"$man_page" || fail "the manual page does not carry version $version"

if [[ $gui == gui ]]; then
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/veltrano.desktop" || fail "desktop entry"
  fi
  # Started from a fresh home, the installed window finds its icons in /usr/share/veltrano and
  # so writes none (it would after five seconds), and it keeps running without writing to bin.
  home="$scratch/home"
  mkdir -p "$home"
  chmod a-w "$root/usr/bin"
  rc=0
  (cd "$home" && HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen \
     timeout 7 "$root/usr/bin/veltrano" >"$scratch/veltrano.log" 2>&1) || rc=$?
  chmod u+w "$root/usr/bin"
  [[ $rc == 124 ]] || { cat "$scratch/veltrano.log" >&2; fail "veltrano ended with $rc before 7 s"; }
  written=$(find "$home" "$root/usr/bin" -name '*.bmp')
  [[ -z $written ]] || fail "icon files written: $written"
fi
echo "package $(basename "$deb") ok"
