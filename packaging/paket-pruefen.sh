#!/bin/sh
# Builds the Debian package in the build folder $1 (the project must be built) and checks that it holds the
# program, the catalogue and the desktop files (application id $2) and depends on Qt's SQLite driver.
set -eu
bau=$1
id=$2
cd "$bau"
rm -f zeugnisfeder_*.deb
cpack -G DEB >/dev/null
deb=$(ls zeugnisfeder_*.deb)
inhalt=$(dpkg-deb -c "$deb")
echo "$inhalt"
for pfad in ./usr/bin/zeugnisfeder ./usr/share/zeugnisfeder/system98.dll \
    "./usr/share/applications/$id.desktop" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "./usr/share/metainfo/$id.metainfo.xml"; do
    if ! echo "$inhalt" | grep -q " $pfad\$"; then
        echo "Fehlt im Paket: $pfad" >&2
        exit 1
    fi
done
abhaengig=$(dpkg-deb -f "$deb" Depends)
for paket in libqt6widgets6 libqt6sql6-sqlite libsqlite3-0; do
    if ! echo "$abhaengig" | grep -q "$paket"; then
        echo "Das Paket hängt nicht von $paket ab: $abhaengig" >&2
        exit 1
    fi
done
echo "Paket $deb geprüft."
