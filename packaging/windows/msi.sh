#!/usr/bin/env bash
# Builds an MSI with wixl so that two builds of the same commit are the same
# bytes:  msi.sh WIXL WXS EXE ICO EPOCH PACKAGE_CODE OUT
# WXS names them ventil.exe and ventil.ico, beside it: wixl takes no
# absolute source paths.
#
# wixl stamps the build time and a random revision code into the summary
# information, and the cabinet keeps each packed file's time: the file is
# packed from a copy dated EPOCH, wixl runs at EPOCH under faketime, and
# msibuild writes the summary information again with the package code.
set -euo pipefail
wixl=$1 wxs=$2 exe=$3 ico=$4 epoch=$5 code=$6 out=$7
stage=$out.d
rm -rf "$stage" "$out"
mkdir -p "$stage"
cp "$exe" "$stage/ventil.exe"
cp "$ico" "$stage/ventil.ico"
cp "$wxs" "$stage/ventil.wxs"
touch -d "@$epoch" "$stage/ventil.exe" "$stage/ventil.ico"
out=$(realpath "$out")
cd "$stage"
# wixl's own time and the time of the cabinet it packs.
TZ=UTC faketime -f "@$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" \
    "$wixl" --arch x64 -o ventil.msi ventil.wxs
msibuild ventil.msi -s Ventil "Ventil developers" "x64;1029" "{$code}"
mv ventil.msi "$out"
cd ..
rm -rf "$stage"
