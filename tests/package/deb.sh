#!/bin/bash
# Builds the Debian package from a build folder, checks it with lintian and dpkg-deb,
# checks that it holds what cmake --install puts in place (through DESTDIR) and that
# the menu entry and software-centre description there are valid, then unpacks it and
# starts the unpacked program under Xvfb until its start window shows.
. "$(dirname "$0")/../e2e/lib.sh"

cpack --config "$1/CPackConfig.cmake" -G DEB -B "$E2E_TMP/out" >"$E2E_TMP/app.log" 2>&1 || e2e_fail "cpack failed"
# The name the README gives, made of the package's name, the build's version and the architecture.
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$1/CPackConfig.cmake")
deb=$E2E_TMP/out/numerandia_${version:?no version in CPackConfig.cmake}_$(dpkg --print-architecture).deb
# lintian's own checks include the copyright file, the changelog, the manual page and stripping.
e2e_check "lintian finds no error and no warning" lintian --display-info --fail-on error,warning "$deb"
e2e_check "Section: education" test "$(dpkg-deb -f "$deb" Section)" = education
e2e_check "Depends: Qt's platform plugins, the fonts, then the linked libraries" grep -qE \
    "^qt6-qpa-plugins, fonts-comic-neue, fonts-liberation2, libc6 .*libqt6widgets6" <<<"$(dpkg-deb -f "$deb" Depends)"
DESTDIR="$E2E_TMP/installed" cmake --install "$1" --prefix /usr >/dev/null
e2e_check "the package holds exactly the files the install puts in place" \
    diff <(cd "$E2E_TMP/installed" && find . -type f | sort) <(dpkg-deb -c "$deb" | awk '/^-/ { print $6 }' | sort)
e2e_check "its menu entry is valid" desktop-file-validate "$E2E_TMP/installed/usr/share/applications/org.example.Numerandia.desktop"
e2e_check "its description is valid" appstreamcli validate --no-net "$E2E_TMP"/installed/usr/share/metainfo/*.xml

dpkg-deb -x "$deb" "$E2E_TMP/root"
E2E_APP=$E2E_TMP/root/usr/bin/numerandia
e2e_start_xvfb
e2e_start_app
e2e_check "the unpacked program shows its start window" e2e_wait_window Numerandia
