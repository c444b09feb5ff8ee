"""The web edition's first visit, in the same headless Chromium as the
browser test: the bytes it fetches (as served, with gzip -9 and with brotli
where the brotli program is), and the time from navigation until the window
is shown, against a page holding only the window's two pictures, served the
same way. Each load is a first visit, in a browser with a fresh profile;
the figure is the median of N loads of each, taken in turn. Then N visits
again in one browser each, the window's page from its service worker's
cache, the pictures' from the browser's.

    python3 bench/web/prvni_navsteva.py [N] [FOLDER]   (defaults 11, build-web)

Not run by the tests: times say nothing on their own, only the ratio."""
import collections
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import urllib.parse

sys.dont_write_bytecode = True  # no __pycache__ in the tree
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests"))
from prohlizec import Server, chromium  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

N = int(sys.argv[1]) if len(sys.argv) > 1 else 11
SLOZKA = sys.argv[2] if len(sys.argv) > 2 else "build-web"

# Run before the page's own scripts: notes the time of the first frame in
# which the window is shown (the pictures' page: both pictures decoded).
# DevTools puts it there, so the page's Content-Security-Policy is no bar.
MERIC = """(() => {
  const ukazano = () => {
    if (location.pathname.endsWith('obrazky.html'))
      return document.images.length === 2 && [...document.images].every(i => i.complete && i.naturalWidth);
    const v = document.getElementById('Ventil');
    return !!v && v.checkVisibility();
  };
  const snimek = () => ukazano() ? (window.ukazanoMs = performance.now()) : requestAnimationFrame(snimek);
  requestAnimationFrame(snimek);
})();"""

DRUHY = {".html": "HTML", ".css": "CSS", ".js": "JS", ".wasm": "WASM", ".png": "pictures", ".svg": "pictures",
         ".gif": "pictures", ".webp": "pictures", ".ico": "pictures"}


def nacti(adresa, cekej_na_pracovnika=False, znovu=0):
    """A first visit in a fresh browser, then `znovu` visits again (the
    service worker's or the browser's cache): milliseconds until shown."""
    with chromium() as d:
        d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": MERIC})
        ms = []
        for _ in range(1 + znovu):
            d.get(adresa)
            ms.append(WebDriverWait(d, 60).until(lambda d: d.execute_script("return window.ukazanoMs")))
            if cekej_na_pracovnika or znovu:
                WebDriverWait(d, 60).until(lambda d: d.execute_script(
                    "return !navigator.serviceWorker || !document.getElementById('Ventil')"
                    " || !!navigator.serviceWorker.controller"))
        obrazky = d.execute_script(
            "return ['Image1', 'Image2'].map(j => document.getElementById(j))"
            ".filter(i => i).map(i => i.outerHTML.replace(/ id=\"[^\"]*\"/, ''))")
    return ms, obrazky


def velikosti(data):
    gz = len(subprocess.run(["gzip", "-9", "-n", "-c"], input=data, capture_output=True,
                            check=True).stdout)
    br = len(subprocess.run(["brotli", "-q", "11", "-c"], input=data, capture_output=True,
                            check=True).stdout) if shutil.which("brotli") else None
    return len(data), gz, br


# The bytes: every path the first visit fetched, the service worker's own
# fetches included, each file counted once.
server = Server(SLOZKA)
_, obrazky = nacti(server.adresa, cekej_na_pracovnika=True)
server.zastav()
soucty = collections.defaultdict(lambda: [0, 0, 0])
for cesta in dict.fromkeys(urllib.parse.urlsplit(c).path.replace("/index.html", "/")
                           for c in server.cesty):
    soubor = os.path.join(SLOZKA, cesta.lstrip("/") or "index.html")
    if os.path.isfile(soubor):
        with open(soubor, "rb") as f:
            v = velikosti(f.read())
        for druh in (DRUHY.get(os.path.splitext(soubor)[1], "other"), "total"):
            soucty[druh] = [a + (b or 0) for a, b in zip(soucty[druh], v)]
        print("%-28s %9d %9d %9s" % (cesta, *v[:2], v[2]))
print("\n%-10s %12s %12s %12s" % ("", "served", "gzip -9", "brotli" if shutil.which("brotli") else ""))
for druh in ("HTML", "CSS", "JS", "WASM", "pictures", "other", "total"):
    if druh in soucty:
        print("%-10s %12d %12d %12s" % (druh, *soucty[druh][:2], soucty[druh][2] or ""))

# The time: the window's page against a page of its two pictures alone,
# beside it in a copy of the folder, so that both are served the same way.
with tempfile.TemporaryDirectory() as tmp:
    kopie = os.path.join(tmp, "web")
    shutil.copytree(SLOZKA, kopie)
    with open(os.path.join(kopie, "obrazky.html"), "w", encoding="utf-8") as f:
        f.write('<!doctype html><html lang="cs"><meta charset="utf-8"><title>Ventil</title>'
                '<body>%s</body></html>\n' % "".join(obrazky))
    server = Server(kopie)
    casy = collections.defaultdict(list)
    for _ in range(N):
        casy["Ventil"].append(nacti(server.adresa)[0][0])
        casy["pictures"].append(nacti(server.adresa + "obrazky.html")[0][0])
    casy["Ventil again"] = nacti(server.adresa, znovu=N)[0][1:]
    casy["pictures again"] = nacti(server.adresa + "obrazky.html", znovu=N)[0][1:]
    server.zastav()
print()
for navsteva, ventil, obrazky in (("first visits", "Ventil", "pictures"),
                                  ("visits again", "Ventil again", "pictures again")):
    v, o = statistics.median(casy[ventil]), statistics.median(casy[obrazky])
    print("until shown, median of %d %s: Ventil %.1f ms (%.1f to %.1f), two pictures %.1f ms "
          "(%.1f to %.1f), ratio %.2f" % (N, navsteva, v, min(casy[ventil]), max(casy[ventil]),
                                          o, min(casy[obrazky]), max(casy[obrazky]), v / o))
