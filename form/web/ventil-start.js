// Starts the window once its WebAssembly is ready and hands it the page's
// events. Loaded before ventil.js, which takes its settings from Module.
"use strict";

// Narrower than the window: one column (the same width as in ventil.css).
const uzke = matchMedia("(max-width: 723.98px)");

var Module = {
  onRuntimeInitialized() {
    const ventil = document.getElementById("Ventil");
    // A push button reports its press (Enter and Space give a click too),
    // an option button its selection.
    ventil.addEventListener("click", (e) => {
      if (e.target.type === "button") Module.Stisk(e.target.id);
    });
    ventil.addEventListener("change", (e) => {
      if (e.target.type === "radio") Module.Stisk(e.target.id);
    });
    Module.Spust(uzke.matches);
    const prizpusob = () => Module.Prizpusob(uzke.matches);
    uzke.addEventListener("change", prizpusob);
    for (const barvy of ["(prefers-color-scheme: dark)", "(forced-colors: active)"])
      matchMedia(barvy).addEventListener("change", prizpusob);
  },
};

// Every file cached on the first visit, so that the page works offline.
if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
