"""The web edition's page served from a folder on 127.0.0.1 and a real
headless Chromium on it (Debian's chromium and chromium-driver), for the
browser test, the screenshots and the benchmark."""
import contextlib
import functools
import http.server
import os
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

PRIZNAKY = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync"]
POCITAC = (1280, 900)  # wider than the window: the design's layout
TELEFON = (360, 740)   # a phone's CSS pixels: the one-column layout


class Server:
    """A folder on a free port of 127.0.0.1, served from a thread until
    zastav(); `cesty` lists the paths asked for, in order."""

    class Obsluha(http.server.SimpleHTTPRequestHandler):
        extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                              **{".wasm": "application/wasm", ".js": "text/javascript",
                                 ".webmanifest": "application/manifest+json"})

        def log_message(self, *args):
            pass

    def __init__(self, slozka):
        self.cesty = []
        cesty = self.cesty

        class Obsluha(Server.Obsluha):
            def send_head(self):
                cesty.append(self.path)
                return super().send_head()
        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Obsluha, directory=slozka))
        self.adresa = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def zastav(self):
        if self.httpd.fileno() < 0:
            return
        self.httpd.shutdown()
        self.httpd.server_close()


@contextlib.contextmanager
def chromium(jazyk="cs-CZ"):
    """A headless Chromium with a fresh profile whose language is jazyk:
    headless Chromium ignores --lang, navigator.language follows the
    preference and Intl's default locale the environment's LANGUAGE."""
    with tempfile.TemporaryDirectory() as profil:
        volby = webdriver.ChromeOptions()
        volby.binary_location = "/usr/bin/chromium"
        for priznak in PRIZNAKY + ["--user-data-dir=" + profil, "--window-size=%d,%d" % POCITAC]:
            volby.add_argument(priznak)
        volby.add_experimental_option("prefs", {"intl.accept_languages": jazyk})
        sluzba = Service("/usr/bin/chromedriver",
                         env=dict(os.environ, LANGUAGE=jazyk.replace("-", "_")))
        d = webdriver.Chrome(service=sluzba, options=volby)
        try:
            yield d
        finally:
            d.quit()


def velikost(d, sirka_vyska, tmave=False):
    """Emulates a screen: a phone's (touch, mobile) or the desktop's, in
    light or dark colours; then the page loads again under it."""
    telefon = sirka_vyska == TELEFON
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": sirka_vyska[0], "height": sirka_vyska[1], "deviceScaleFactor": 2 if telefon else 1,
        "mobile": telefon})
    d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": telefon, "maxTouchPoints": 5})
    d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
        {"name": "prefers-color-scheme", "value": "dark" if tmave else "light"}]})
    d.refresh()
    ukazano(d)


def ukazano(d):
    """Waits until the window is shown, which the page does only when it is
    ready."""
    WebDriverWait(d, 30).until(lambda d: d.execute_script(
        "const v = document.getElementById('Ventil'); return v && v.checkVisibility();"))
