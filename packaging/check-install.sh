#!/usr/bin/env bash
# Installs a built tree into a staging folder and checks what a user's system would receive:
# the program, the desktop entry, the AppStream metainfo, the icons and the licences; then builds
# the Debian package and checks its control data and file list.
#
# check-install.sh --build-dir DIR --work-dir DIR --app-id ID --version V --maintainer "NAME <ADDRESS>"
#                  --licence-file LICENSE [--cmake CMAKE] [--cpack CPACK]
# The work folder is emptied first, so the check can run again on the same build.
set -euo pipefail

build_dir="" work_dir="" app_id="" version="" maintainer="" licence_file="" cmake_cmd=cmake cpack_cmd=cpack
while [ $# -gt 0 ]; do
  case $1 in
    --build-dir) build_dir=$2 ;;
    --work-dir) work_dir=$2 ;;
    --app-id) app_id=$2 ;;
    --version) version=$2 ;;
    --maintainer) maintainer=$2 ;;
    --licence-file) licence_file=$2 ;;
    --cmake) cmake_cmd=$2 ;;
    --cpack) cpack_cmd=$2 ;;
    *) echo "check-install.sh: unknown argument $1" >&2; exit 2 ;;
  esac
  shift 2
done
for required in build_dir work_dir app_id version maintainer licence_file; do
  [ -n "${!required}" ] || { echo "check-install.sh: --${required//_/-} is required" >&2; exit 2; }
done

# A DESTDIR from the caller would move the staged tree away from where it is checked.
unset DESTDIR
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
need() { command -v "$1" >/dev/null || { echo "check-install.sh: $1 is missing (install $2; scripts/setup.sh lists it)" >&2; exit 1; }; }
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need dpkg-deb dpkg
need dpkg-shlibdeps dpkg-dev
need file file

# png_size FILE: prints "WIDTHxHEIGHT" read from the PNG header, or nothing if FILE is not a PNG.
png_size() {
  local bytes
  read -r -a bytes <<<"$(od -An -tu1 -N24 -w24 -v "$1")"
  [ "${#bytes[@]}" -eq 24 ] || return 0
  [ "${bytes[*]:0:8}" = "137 80 78 71 13 10 26 10" ] || return 0
  [ "${bytes[*]:12:4}" = "73 72 68 82" ] || return 0 # IHDR
  local w=$(( (bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19] ))
  local h=$(( (bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23] ))
  echo "${w}x${h}"
}

desktop_file="share/applications/$app_id.desktop"
metainfo_file="share/metainfo/$app_id.metainfo.xml"
icon_sizes=(16 32 48 64 128 256)
expected_files=(
  bin/quillon
  "$desktop_file"
  "$metainfo_file"
  share/doc/quillon/copyright
  share/doc/quillon/LICENSE-DejaVu.txt
)
for size in "${icon_sizes[@]}"; do
  expected_files+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
expected_list=$(printf '%s\n' "${expected_files[@]}" | LC_ALL=C sort)

rm -rf "$work_dir"
mkdir -p "$work_dir"
stage="$work_dir/stage"

# --- The installed tree --------------------------------------------------------------------
"$cmake_cmd" --install "$build_dir" --prefix "$stage" >"$work_dir/install.log" 2>&1 \
  || { cat "$work_dir/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }

installed_list=$(cd "$stage" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
if [ "$installed_list" = "$expected_list" ]; then
  pass "installed exactly the ${#expected_files[@]} expected files"
else
  fail "installed files differ from the expected list:"
  diff <(echo "$expected_list") <(echo "$installed_list") >&2 || true
fi

if [ -x "$stage/bin/quillon" ] && [ "$(od -An -c -N4 "$stage/bin/quillon" | tr -d ' ')" = '177ELF' ]; then
  pass "bin/quillon is an executable ELF program"
else
  fail "bin/quillon is missing, not executable or not a program"
fi

for size in "${icon_sizes[@]}"; do
  icon="$stage/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  actual=$( [ -f "$icon" ] && png_size "$icon" || true )
  if [ "$actual" = "${size}x${size}" ]; then
    pass "icon ${size}x${size}"
  else
    fail "icon in ${size}x${size} is '${actual:-missing or not a PNG}'"
  fi
done

for licence in copyright LICENSE-DejaVu.txt; do
  [ -s "$stage/share/doc/quillon/$licence" ] || fail "share/doc/quillon/$licence is missing or empty"
done
cmp -s "$stage/share/doc/quillon/LICENSE-DejaVu.txt" "$source_dir/assets/fonts/LICENSE-DejaVu.txt" \
  && pass "font licence installed unchanged" || fail "installed font licence differs from assets/fonts"
grep -q 'LICENSE-DejaVu.txt' "$stage/share/doc/quillon/copyright" 2>/dev/null \
  && pass "copyright points to the font licence" || fail "copyright does not mention LICENSE-DejaVu.txt"

# The copyright file is machine-readable (DEP-5): the program's own files under MIT with the
# licence's full text, the same as the LICENSE file at the top of the tree, and the embedded
# typeface under its own licence.
copyright_file="$stage/share/doc/quillon/copyright"
# dep5_paragraph FILE FIRST-LINE: prints the paragraph of FILE that holds the line FIRST-LINE.
dep5_paragraph() {
  awk -v RS= -v wanted="$2" '{ n = split($0, line, "\n"); for (i = 1; i <= n; i++) if (line[i] == wanted) { print; exit } }' "$1"
}
# dep5_licence_text PARAGRAPH-TEXT: the continuation lines of its License field, unindented.
dep5_licence_text() {
  awk 'inside && /^ / { sub(/^ /, ""); if ($0 == ".") $0 = ""; print; next } inside { exit } /^License:/ { inside = 1 }'
}
if [ -f "$copyright_file" ]; then
  [ "$(head -n1 "$copyright_file")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] \
    && pass "copyright is a DEP-5 file" || fail "copyright does not start with the DEP-5 Format line"
  grep -q '@[A-Z_][A-Z_]*@' "$copyright_file" && fail "copyright has unconfigured placeholders"
  grep -qx "Upstream-Contact: $maintainer" "$copyright_file" \
    || fail "copyright's Upstream-Contact is not '$maintainer'"
  own=$(dep5_paragraph "$copyright_file" 'Files: *')
  grep -qx 'License: MIT' <<<"$own" && grep -qx 'Copyright: 2026 the Quillon developers' <<<"$own" \
    && pass "copyright: Files: * under MIT, 2026 the Quillon developers" \
    || fail "copyright has no 'Files: *' paragraph with License: MIT and Copyright: 2026 the Quillon developers"
  licence_terms=$(sed -n '/^Permission is hereby granted/,$p' "$licence_file")
  if [ -n "$licence_terms" ] && [ "$(dep5_licence_text <<<"$own")" = "$licence_terms" ]; then
    pass "copyright carries the MIT text of $(basename "$licence_file")"
  else
    fail "the MIT text in copyright differs from $licence_file:"
    diff <(echo "$licence_terms") <(dep5_licence_text <<<"$own") >&2 || true
  fi
  fonts=$(dep5_paragraph "$copyright_file" 'License: bitstream-vera')
  grep -q '^Files:.*assets/fonts/DejaVuSans\.ttf' <<<"$fonts" \
    && [ "$(dep5_licence_text <<<"$fonts" | wc -l)" -gt 20 ] \
    && pass "copyright: the typeface under bitstream-vera with its text" \
    || fail "copyright has no DejaVu paragraph with the full bitstream-vera text"
fi
grep -qx 'Copyright (c) 2026 the Quillon developers' "$licence_file" && head -n1 "$licence_file" | grep -qx 'MIT License' \
  && pass "$(basename "$licence_file") is the MIT licence of the Quillon developers" \
  || fail "$licence_file is not the MIT licence with 'Copyright (c) 2026 the Quillon developers'"

# Desktop entry: valid, and tied to the installed program and icons.
if [ -f "$stage/$desktop_file" ]; then
  if desktop-file-validate "$stage/$desktop_file" >"$work_dir/desktop-validate.log" 2>&1 \
     && [ ! -s "$work_dir/desktop-validate.log" ]; then
    pass "desktop-file-validate"
  else
    cat "$work_dir/desktop-validate.log" >&2
    fail "desktop-file-validate reported problems"
  fi
  grep -qx 'Exec=quillon' "$stage/$desktop_file" || fail "desktop entry does not run quillon"
  grep -qx "Icon=$app_id" "$stage/$desktop_file" || fail "desktop entry icon is not $app_id"
  grep -qx 'Type=Application' "$stage/$desktop_file" || fail "desktop entry is not an application"
fi

# AppStream metainfo: valid, and naming this program, release and desktop entry.
if [ -f "$stage/$metainfo_file" ]; then
  if appstreamcli validate --no-net --no-color "$stage/$metainfo_file" >"$work_dir/appstream-validate.log" 2>&1; then
    pass "appstreamcli validate --no-net"
  else
    cat "$work_dir/appstream-validate.log" >&2
    fail "appstreamcli validate reported problems"
  fi
  if grep -Eq '^[EW]:' "$work_dir/appstream-validate.log"; then
    cat "$work_dir/appstream-validate.log" >&2
    fail "appstreamcli validate reported errors or warnings"
  fi
  metainfo=$(cat "$stage/$metainfo_file")
  grep -q '@[A-Z_][A-Z_]*@' <<<"$metainfo" && fail "metainfo has unconfigured placeholders"
  grep -q "<id>$app_id</id>" <<<"$metainfo" || fail "metainfo id is not $app_id"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" <<<"$metainfo" \
    || fail "metainfo does not launch $app_id.desktop"
  grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\"" <<<"$metainfo" \
    || fail "metainfo has no dated release $version"
  grep -q '<content_rating type="oars-1.1"' <<<"$metainfo" || fail "metainfo has no OARS content rating"
  grep -q '<project_license>MIT</project_license>' <<<"$metainfo" \
    && pass "metainfo: project licence MIT" || fail "metainfo's project licence is not MIT"
  # Every screenshot the metainfo announces is kept in the tree, with the size it states.
  shots=0
  while read -r shot; do
    [ -n "$shot" ] || continue
    shots=$((shots + 1))
    name=$(sed -E 's|.*>[^<]*/screenshots/([^<]+)</image>.*|\1|' <<<"$shot")
    width=$(sed -nE 's|.*width="([0-9]+)".*|\1|p' <<<"$shot")
    height=$(sed -nE 's|.*height="([0-9]+)".*|\1|p' <<<"$shot")
    local_shot="$source_dir/assets/freedesktop/screenshots/$name"
    actual=$( [ -f "$local_shot" ] && png_size "$local_shot" || true )
    if [ "$actual" = "${width}x${height}" ]; then
      pass "screenshot $name ($actual)"
    else
      fail "screenshot $name: metainfo says ${width}x${height}, assets/freedesktop/screenshots has '${actual:-nothing}'"
    fi
  done <<<"$(grep -o '<image[^>]*>[^<]*</image>' <<<"$metainfo" || true)"
  [ "$shots" -gt 0 ] || fail "metainfo has no screenshots"
fi

# --- The Debian package --------------------------------------------------------------------
arch=$(dpkg --print-architecture)
# cpack first brings the build up to date, which after a build is nothing; the test runs alone
# (RUN_SERIAL) so that it never rebuilds a program another test is running.
if "$cpack_cmd" --config "$build_dir/CPackConfig.cmake" -B "$work_dir/cpack" >"$work_dir/cpack.log" 2>&1; then
  pass "cpack"
else
  cat "$work_dir/cpack.log" >&2
  fail "cpack failed"
fi
deb="$work_dir/cpack/quillon_${version}_${arch}.deb"
if [ ! -f "$deb" ]; then
  fail "no package named $(basename "$deb"); cpack made: $(cd "$work_dir/cpack" 2>/dev/null && ls -- *.deb 2>/dev/null | tr '\n' ' ')"
else
  field() { dpkg-deb -f "$deb" "$1"; }
  [ "$(field Package)" = quillon ] && pass "Package: quillon" || fail "Package is '$(field Package)'"
  [ "$(field Version)" = "$version" ] && pass "Version: $version" || fail "Version is '$(field Version)'"
  [ "$(field Architecture)" = "$arch" ] && pass "Architecture: $arch" || fail "Architecture is '$(field Architecture)'"
  depends=$(field Depends)
  if grep -Eq '(^|, )libqt6widgets6( |,|$)' <<<"$depends" && grep -Eq '(^|, )libc6( |,|$)' <<<"$depends"; then
    pass "Depends computed from the binary: $depends"
  else
    fail "Depends lacks libqt6widgets6 or libc6: '$depends'"
  fi
  # The maintainer is the developers, reached at an address on the product site's domain.
  package_maintainer=$(field Maintainer)
  homepage_host=$(sed -E 's|^https?://([^/:?#]+).*|\1|' <<<"$(field Homepage)")
  contact_domain=$(sed -nE 's|^Quillon developers <[^<>@ ]+@([^<>@ ]+\.[^<>@ ]+)>$|\1|p' <<<"$package_maintainer")
  if [ "$package_maintainer" = "$maintainer" ] && [ -n "$contact_domain" ] \
     && { [ "$homepage_host" = "$contact_domain" ] || [[ "$homepage_host" == *".$contact_domain" ]]; }; then
    pass "Maintainer: $package_maintainer"
  else
    fail "Maintainer is '$package_maintainer'; expected '$maintainer', Quillon developers at the domain of '$(field Homepage)'"
  fi
  [ -n "$(field Section)" ] || fail "package has no Section"
  [ "$(field Homepage)" != "" ] || fail "package has no Homepage"
  description=$(field Description)
  [ "$(wc -l <<<"$description")" -ge 2 ] || fail "package description has no long text"

  # Paths and modes exactly as a system install receives them, owned by root.
  listing=$(dpkg-deb -c "$deb")
  packaged_list=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sed 's|^\./usr/||' | LC_ALL=C sort)
  if [ "$packaged_list" = "$expected_list" ]; then
    pass "package holds exactly the expected files under /usr"
  else
    fail "package files differ from the expected list:"
    diff <(echo "$expected_list") <(echo "$packaged_list") >&2 || true
  fi
  awk '$1 !~ /^d/ && $2 != "root/root" { bad = 1 } END { exit bad }' <<<"$listing" \
    || fail "package has files not owned by root/root"
  awk '$6 == "./usr/bin/quillon" && $1 == "-rwxr-xr-x" { found = 1 } END { exit !found }' <<<"$listing" \
    || fail "usr/bin/quillon is not mode 0755 in the package"
  awk '$1 !~ /^d/ && $6 != "./usr/bin/quillon" && $1 != "-rw-r--r--" { bad = 1 } END { exit bad }' <<<"$listing" \
    || fail "data files in the package are not mode 0644"
  pass "package ownership and modes checked"

  # The packaged program is stripped; the installed desktop files match the staged ones.
  mkdir -p "$work_dir/deb-root"
  dpkg-deb -x "$deb" "$work_dir/deb-root"
  if file -L "$work_dir/deb-root/usr/bin/quillon" | grep -q 'not stripped'; then
    fail "packaged program is not stripped"
  fi
  for f in "$desktop_file" "$metainfo_file"; do
    cmp -s "$work_dir/deb-root/usr/$f" "$stage/$f" || fail "packaged $f differs from the staged install"
  done
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures packaging check(s) failed" >&2
  exit 1
fi
echo "All packaging checks passed."
