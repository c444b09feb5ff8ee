#!/usr/bin/env bash
# Makes the web edition: installs what building it needs (through sudo when
# not root), compiles the window and the computation to WebAssembly with
# Debian's Emscripten (Release, no tests) and puts the page together in
# build-web/ (or $VENTIL_WEB_BUILD): index.html, its stylesheet and
# scripts, ventil.js and ventil.wasm, the pictures, the manifest, the icons
# and the service worker that caches all of them. Two runs from the same
# commit give the same bytes, wherever the clone is.
#
#   bash scripts/web.sh           # build
#   bash scripts/web.sh --serve   # build, then serve on http://127.0.0.1:8000/
set -euo pipefail
cd "$(dirname "$0")/.."

serve=false
case "${1-}" in
--serve) serve=true ;;
"") ;;
*) echo "usage: $0 [--serve]" >&2; exit 2 ;;
esac

. scripts/common.sh
bash scripts/install-missing.sh "${baliky_web[@]}"

out=${VENTIL_WEB_BUILD:-build-web}
obj=$out.cmake
priprav_emscripten "$obj"
[ -f "$obj/build.ninja" ] ||
    konfiguruj "$obj" -DVENTIL_QT=OFF -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake" >/dev/null
cmake --build "$obj" --target ventil_web

rm -rf "$out"
cp -r "$obj/form/web/strana" "$out"
# The service worker's list: the page's address and every file; its cache
# is named by their content, so a new build replaces it.
soubory=$(cd "$out" && find . -type f | LC_ALL=C sort | sed 's|^\./||')
verze=$(cd "$out" && sha256sum $soubory | sha256sum | cut -c1-16)
seznam=$(printf '"./"'; printf ', "%s"' $soubory)
sed -e "s|@VERZE@|$verze|" -e "s|@SOUBORY@|$seznam|" form/web/sw.js.in >"$out/sw.js"
ls -l "$out" "$out/res"

if $serve; then
    echo "Ventil: http://127.0.0.1:8000/"
    cd "$out"
    exec python3 -m http.server --bind 127.0.0.1 8000
fi
