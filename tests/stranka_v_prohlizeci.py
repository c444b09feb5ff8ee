"""The web edition in a real headless Chromium, one row of KROKY a step, in
two browsers (Czech and English): the layout against the control table, the
phone's column, computes and a refusal with each language's separator, the
Tab order, the names in Chromium's own accessibility tree, axe-core, a
compute with the server stopped, what the page stores, and the end.

Arguments: the built page's folder, the sources, axe-core's axe.min.js."""
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the tree
STRANKA, ZDROJE, AXE = sys.argv[1:4]
sys.path.insert(0, os.path.join(ZDROJE, "tests"))
from prohlizec import POCITAC, TELEFON, Server, chromium, ukazano, velikost  # noqa: E402
from realne_okno import ovladace  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

MISTA = ovladace(ZDROJE)  # pixels within the window's client area
TAGY = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"]

# The box of a shown control within #Ventil's client area; an option
# button is its label, which holds the button and is what a finger hits.
BOX = """const v = document.getElementById('Ventil'), w = v.getBoundingClientRect(), m = {};
for (let e of document.querySelectorAll('#Ventil [id]')) {
  if (e.type === 'radio') e = e.closest('label') || e.labels[0];
  const r = e.getBoundingClientRect(), id = e.id || e.control.id;
  if (e.checkVisibility()) m[id] = [r.left - w.left - v.clientLeft, r.top - w.top - v.clientTop,
                                    r.width, r.height];
}
return m;"""


def klikni_a_pis(d, vstupy):
    for jmeno, text in vstupy.items():
        pole = d.find_element("id", jmeno)
        if text is None:
            pole.click()
        else:
            pole.clear()
            pole.send_keys(text)


def spocitej(d, vstupy, vysledky):
    klikni_a_pis(d, vstupy)
    d.find_element("id", "TPocitej").click()
    texty = {j: d.find_element("id", j).text for j in vysledky}
    assert texty == vysledky, texty


def rozlozeni(d, vstupy):
    """Every shown control at the design's place and size in the window."""
    assert d.execute_script("const v = document.getElementById('Ventil');"
                            "return [v.clientWidth, v.clientHeight]") == [724, 504]
    klikni_a_pis(d, vstupy)
    boxy = d.execute_script(BOX)
    spatne = {j: b for j, b in boxy.items() if j in MISTA and [round(x) for x in b] != list(MISTA[j])}
    assert len(boxy) > 20 and not spatne, {j: (b, MISTA[j]) for j, b in spatne.items()}


def tab(d, start, zastavky):
    """Tab from start visits the stops in this order (one per frame), and
    Shift+Tab goes back one."""
    d.execute_script("document.getElementById(arguments[0]).focus()", start)
    videno = [start]
    for _ in zastavky[1:]:
        d.switch_to.active_element.send_keys(Keys.TAB)
        videno.append(d.switch_to.active_element.get_attribute("id"))
    d.switch_to.active_element.send_keys(Keys.SHIFT, Keys.TAB)
    videno.append(d.switch_to.active_element.get_attribute("id"))
    assert videno == zastavky + zastavky[-2:-1], videno


def poradi(d):
    """Focus starts on Spočítej; tabindex is the design's tab index + 1."""
    assert d.switch_to.active_element.get_attribute("id") == "TPocitej"
    indexy = d.execute_script("const m = {}; for (const e of document.querySelectorAll("
                              "'#Ventil input, #Ventil button')) m[e.id] = e.tabIndex; return m")
    assert indexy == {"TSuchost": 2, "TPocitej": 3, "TMedium1": 6, "TMedium2": 7, "TMedium3": 8,
                      "TDeltaT": 14, "TVykon": 15, "TPpary": 16, "TZprutok": 22, "TDeltaP": 24,
                      "TZpusob1": 27, "TZpusob2": 28, "TKonec": 41}, indexy
    tab(d, "TPocitej", ["TPocitej", "TMedium1", "TDeltaT", "TVykon", "TDeltaP", "TZpusob1", "TKonec"])


def jmena(d, jmena, oznameni):
    """The names Chromium's accessibility tree gives the controls, and what
    the live region holds."""
    strom = d.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    uzly = {u["nodeId"]: u for u in strom}
    koren = d.execute_cdp_cmd("DOM.getDocument", {})["root"]["nodeId"]
    for jmeno, cekano in jmena.items():
        dom = d.execute_cdp_cmd("DOM.querySelector", {"nodeId": koren, "selector": "#" + jmeno})
        zaloha = d.execute_cdp_cmd("DOM.describeNode", dom)["node"]["backendNodeId"]
        nazev = [u.get("name", {}).get("value") for u in strom if u.get("backendDOMNodeId") == zaloha]
        assert nazev == [cekano], (jmeno, nazev)

    def text(u):
        return u["name"]["value"] if u["role"]["value"] == "StaticText" else "".join(
            text(uzly[c]) for c in u.get("childIds", []) if c in uzly)
    zive = [text(u) for u in strom if any(p["name"] == "live" for p in u.get("properties", []))]
    assert oznameni in zive, zive


def axe(d, povoleno):
    """axe-core finds no WCAG 2 A/AA violation but those allowed."""
    if not d.execute_script("return !!window.axe"):
        d.execute_script(open(AXE, encoding="utf-8").read())
    nalezy = d.execute_async_script(
        "axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}})"
        ".then(r => arguments[1](r.violations.map(v => [v.id, v.nodes.map(n => n.target)])))", TAGY)
    assert all(v[0] in povoleno for v in nalezy), nalezy


def telefon(d):
    """One column in reading order, no horizontal scrolling, fingers' targets
    and fonts that keep a phone from zooming; Tab follows the column; after
    a compute the result is in view."""
    boxy, sirka = d.execute_script(BOX), d.execute_script(
        "const e = document.documentElement; return e.scrollWidth <= e.clientWidth && e.clientWidth")
    assert sirka, "scrolls horizontally"
    sloupec = [boxy[j] for j in ("Image1", "Frame1", "Frame2", "Frame3", "TPocitej", "TPrutok",
                                 "Tkvs", "THlaska", "TKonec")]
    assert all(b[1] + b[3] <= c[1] + 1 for b, c in zip(sloupec, sloupec[1:])), sloupec
    cile = d.execute_script("return [...document.querySelectorAll('#Ventil input, #Ventil button')]"
                            ".map(e => e.id)")
    male = {j: boxy[j] for j in cile if j in boxy and (boxy[j][2] < 44 or boxy[j][3] < 44)}
    assert not male, male
    pisma = d.execute_script("return [...document.querySelectorAll('#Ventil input[type=text]')]"
                             ".map(e => parseFloat(getComputedStyle(e).fontSize))")
    assert min(pisma) >= 16, pisma
    tab(d, "TZpusob1", ["TZpusob1", "TMedium1", "TVykon", "TDeltaT", "TDeltaP", "TPocitej", "TKonec"])
    d.execute_script("scrollTo(0, 0)")
    d.find_element("id", "TPocitej").click()
    assert d.execute_script("const r = document.getElementById('Tkvs').getBoundingClientRect();"
                            "return r.top >= 0 && r.bottom <= innerHeight"), "Kvs not in view after a compute"


def bez_site(d, server, vstupy, vysledky):
    """Once the service worker controls the page, it loads and computes with
    the server stopped."""
    WebDriverWait(d, 30).until(lambda d: d.execute_script("return !!navigator.serviceWorker.controller"))
    server.zastav()
    d.refresh()
    ukazano(d)
    spocitej(d, vstupy, vysledky)


def soukromi(d):
    """Nothing asked of another origin, and nothing stored but the service
    worker's cache: no cookie, no local or session storage, no IndexedDB."""
    assert d.execute_async_script(
        "indexedDB.databases().then(b => arguments[0]([performance.getEntriesByType('resource')"
        ".every(e => e.name.startsWith(location.origin)), document.cookie, localStorage.length,"
        " sessionStorage.length, b.length]))") == [True, "", 0, 0, 0]


def konec(d):
    """Ukonči in a tab the page did not open: the window goes and a line
    says that Ventil has ended; a reload starts it again."""
    d.find_element("id", "TKonec").click()
    assert d.execute_script("return ['Ventil', 'Konec'].map("
                            "j => document.getElementById(j).checkVisibility())") == [False, True]
    d.refresh()
    ukazano(d)


VODA = {"TVykon": "100", "TDeltaT": "20", "TDeltaP": "100"}
PARA = {"TMedium2": None, "TVykon": "100", "TSuchost": "1", "TPpary": "400", "TDeltaP": "100"}
KRITICKA = {"TMedium2": None, "TVykon": "100", "TSuchost": "1", "TPpary": "200", "TDeltaP": "101"}
NULA = {"TDeltaP": "0"}
ZADEJ = "Zadej číslo > 0"
KROKY = [
    # language, step, arguments
    ("cs-CZ", poradi, ()),
    ("cs-CZ", rozlozeni, ({},)),
    ("cs-CZ", axe, (["target-size"],)),
    ("cs-CZ", spocitej, (VODA, {"TPrutok": "4,31", "Tkvs": "4,31", "THlaska": ""})),
    ("cs-CZ", jmena, ({"TVykon": "Výkon, kW", "TDeltaP": "Tlaková ztráta na ventilu, kPa",
                       "TPrutok": "Objemový tok 4,31 m3/h", "Tkvs": "Průtočný součinitel kvs 4,31 m3/h"},
                      "Objemový tok 4,31 m3/h, Průtočný součinitel kvs 4,31 m3/h")),
    ("cs-CZ", spocitej, (PARA, {"TPrutok": "144", "Tkvs": "3,54", "THlaska": ""})),
    ("cs-CZ", jmena, ({"TPpary": "Tlak páry, kPa abs (max 2000)", "TPrutok": "Hmotnostní tok 144 kg/h"},
                      "Hmotnostní tok 144 kg/h, Měrný objem v1 0,4623 m3/kg, "
                      "Měrný objem v2 0,6056 m3/kg, Průtočný součinitel kvs 3,54 m3/h")),
    ("cs-CZ", spocitej, (NULA, {"TPrutok": "144", "Tkvs": "3,54", "THlaska": ZADEJ})),
    ("cs-CZ", jmena, ({}, ZADEJ)),
    ("cs-CZ", rozlozeni, ({"TZpusob2": None},)),
    ("cs-CZ", velikost, (POCITAC, True)),
    ("cs-CZ", axe, (["target-size"],)),
    ("cs-CZ", velikost, (TELEFON,)),
    ("cs-CZ", telefon, ()),
    ("cs-CZ", axe, ([],)),
    ("cs-CZ", velikost, (TELEFON, True)),
    ("cs-CZ", axe, ([],)),
    ("cs-CZ", bez_site, (VODA, {"TPrutok": "4,31", "Tkvs": "4,31"})),
    ("cs-CZ", soukromi, ()),
    ("en-US", spocitej, (VODA, {"TPrutok": "4.31", "Tkvs": "4.31", "THlaska": ""})),
    ("en-US", spocitej, (KRITICKA, {"TPrutok": "144", "Tkvs": "5.93", "THlaska": ""})),
    ("en-US", spocitej, (NULA, {"Tkvs": "5.93", "THlaska": ZADEJ})),
    ("en-US", konec, ()),
]

for jazyk in ("cs-CZ", "en-US"):
    server = Server(STRANKA)
    with chromium(jazyk) as d:
        d.get(server.adresa)
        ukazano(d)
        for _, krok, argumenty in (k for k in KROKY if k[0] == jazyk):
            print(jazyk, krok.__name__, *argumenty[:1], flush=True)
            krok(d, *argumenty) if krok is not bez_site else krok(d, server, *argumenty)
    server.zastav()
